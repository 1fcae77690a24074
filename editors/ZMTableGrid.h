#pragma once
// The cells of the table editor: rows 1..5000, columns 1 (X) and 2 (Y), any text in each.
// Plain C++, no widgets: the editor, its commands and the table operations all work here, and
// the grid view shows it through a model.
//
// Every program write goes through SetCell, which widens the written range. Whoever runs a
// command takes that range once at its end (TakeWritten) and tells the view, so a command is
// one change signal however many cells it writes.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "plot/ZMFunTabObj.h"  // IsNumericCell

// Blank: nothing but blanks.
bool IsBlankCell(std::string_view text);

class TTableGrid {
public:
    static constexpr int RowCount = 5000;
    static constexpr int ColCount = 2;

    // A rectangle of cells in grid coordinates; empty when nothing was written.
    struct Range {
        int FirstCol = 0;
        int FirstRow = 0;
        int LastCol = -1;
        int LastRow = -1;
        bool Empty() const { return LastCol < FirstCol || LastRow < FirstRow; }
    };

    TTableGrid();

    static bool InGrid(int col, int row) { return col >= 1 && col <= ColCount && row >= 1 && row <= RowCount; }

    // Empty outside the grid.
    const std::string& Cell(int col, int row) const;
    // Ignored outside the grid.
    void SetCell(int col, int row, std::string text);
    // Moves row `from` to `to`; the rows between shift by one towards `from`. Rows outside the
    // grid do nothing.
    void MoveRow(int from, int to);

    // The range written since the last call, which it forgets.
    Range TakeWritten();

    // Moves the current cell to (col, row) as if the user had, raising the cell-selection event.
    void Select(int col, int row) const;
    // Who answers Select; the editor sets it.
    std::function<void(int col, int row)> OnSelect;
    // Shows what a running command has written so far, before it asks the user something.
    void ShowWritten() const;
    // Who answers ShowWritten; the editor sets it.
    std::function<void()> OnShowWritten;

private:
    void Touch(int col, int row);
    std::size_t IndexOf(int col, int row) const;

    std::vector<std::string> cells_;
    Range written_;
};
