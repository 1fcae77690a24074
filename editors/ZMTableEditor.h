#pragma once
// The table editor without its widgets: the grid, the three buffers, the current cell, the
// commands of the tool bar that the editor runs itself, and both OKs. The dialogs of Add Table
// and Edit Table are views over it; tests drive it directly.
//
// Commands write through Grid and end in Finish, which tells the view of the written range once
// (a command that asks the user something on the way shows its writes before it asks),
// makes CurrentText the current cell's text again (so the next move does not take a command's
// write for the user's edit), and leaves Undo disabled whenever UndoStack is empty.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editors/ZMTableGrid.h"
#include "editors/fmAddTableClass.h"
#include "plot/ZMFunTabObj.h"

// What the dialog's controls say about the table graph.
struct TTableProperties {
    std::uint8_t ShowEnabled = 1;
    std::string Description;
    int LineWidthRow = 0;  // width - 1; -1: no row selected, OK keeps the table's width
    std::uint8_t LineStyle = 0;
    TColor LineColor = 0;
    int SortingRow = 1;  // "None", "On X", "On Y"
    std::uint8_t Smooth = 0;
};

class TTableEditor {
public:
    TTableEditor();
    TTableEditor(const TTableEditor&) = delete;
    TTableEditor& operator=(const TTableEditor&) = delete;

    TTableGrid Grid;
    TStringGridStack ClipboardStack;
    TStringGridStack UndoStack;
    TStringGridStack RedoStack;

    // The current cell and the text it had when it became current.
    int CurrentCol = 1;
    int CurrentRow = 1;
    std::string CurrentText;

    bool PasteEnabled = false;
    bool UndoEnabled = false;
    bool RedoEnabled = false;

    // The points of an edited table beyond row 5000: OK puts them back after the grid's points.
    std::vector<TTableElemObj> PointsPastGrid;

    // The view's side; any of them may be empty.
    std::function<void(const TTableGrid::Range&)> CellsWritten;  // program writes, once per command
    std::function<void(int col, int row)> CurrentMoved;           // after a program selection
    std::function<void()> StatesChanged;                          // Paste, Undo, Redo

    // Edit Table: the table's first 5000 points into the grid (15 digits with `sep`), the rest
    // kept aside; returns what the controls show. A width outside 1..5 selects no row and a
    // sorting type outside 0..2 shows "On Y".
    TTableProperties Load(const TTableObj& table, char sep);
    // Opens a run: empty buffers, Paste, Undo and Redo disabled, (1, 1) current with its text.
    void Start();

    // The cell-selection event: when the cell changes and the old current cell's text differs
    // from CurrentText, that edit becomes the undo step; then (col, row) is current.
    void CellSelected(int col, int row);
    // A program selection: the rule above, then the view's current cell follows.
    void Select(int col, int row);
    // The user's typing: written at once, with no effect on CurrentText.
    void Type(int col, int row, std::string text);

    void Paste();
    // Blanks the current row.
    void Delete();
    // A blank row at the current row; the old row 5000 is dropped (Undo brings it back).
    void Insert();
    void Undo();
    void Redo();
    // The user dragged row `from` to `to`. Not an undo step: the rows recorded in UndoStack and
    // RedoStack follow their texts.
    void RowMoved(int from, int to);
    // "Import Table...": the points into rows 1.. as far as row 5000, as one undo step.
    void Import(const TTableObj& table, char sep);

    // Runs a command that writes through Grid and records its old texts in UndoStack; `body`
    // returns true when the command enables Undo. Returns what body returned.
    bool Command(const std::function<bool()>& body);

    // OK of Add Table: a new table graph from the purged grid, appended to `memory`.
    void AddTableOK(TMemory& memory, const TTableProperties& properties, char sep);
    // OK of Edit Table: `table` rewritten from the purged grid and PointsPastGrid; its Name,
    // Interval and PlotParameter stay.
    void EditTableOK(TTableObj& table, const TTableProperties& properties, char sep);

private:
    // The cells written so far go to the view; Finish then takes the command as one that wrote.
    void ShowWritten();
    void Finish(bool enablesUndo);
    void NotifyStates() const;
    // The silent purge, then the points of the rows with two numeric cells, in row order.
    std::vector<TTableElemObj> PurgedPoints(char sep);

    bool shownWrites_ = false;  // the running command's writes already went to the view
};
