#include "editors/ZMTableRanges.h"

#include <string>

#include "editors/ZMTableGrid.h"
#include "editors/fmAddTableClass.h"

namespace {

// Copy and Cut; Copy passes no `cut` grid and no `undo`.
bool TakeCells(QWidget* parent, TStringGridStack& clipboard, const TTableGrid& grid, TTableGrid* cut,
               TStringGridStack* undo, const TCopyOptions& options, char sep) {
    const std::optional<TRows> rows = CheckRows(parent, options.Rows);
    if (!rows) return false;
    clipboard.Clear();
    if (undo) undo->Clear();
    const TColumnSpan cols = ColumnsOf(options.Columns);
    for (int r = rows->From; r <= rows->To; ++r) {
        for (int c = cols.First; c <= cols.Last; ++c) {
            const std::string& text = grid.Cell(c, r);
            if (options.ValidOnly && !IsNumericCell(text, sep)) continue;
            clipboard.Push(c, r - rows->From, text);
            if (!cut) continue;
            undo->Push(c, r, text);
            cut->SetCell(c, r, {});
        }
    }
    return true;
}

}  // namespace

bool CopyCells(QWidget* parent, TStringGridStack& clipboard, const TTableGrid& grid, const TCopyOptions& options,
               char sep) {
    return TakeCells(parent, clipboard, grid, nullptr, nullptr, options, sep);
}

bool CutCells(QWidget* parent, TStringGridStack& clipboard, TStringGridStack& undo, TTableGrid& grid,
              const TCopyOptions& options, char sep) {
    return TakeCells(parent, clipboard, grid, &grid, &undo, options, sep);
}

std::optional<bool> SwapCells(QWidget* parent, TTableGrid& grid, TStringGridStack& undo, const TRowInterval& interval) {
    const std::optional<TRows> rows = CheckRows(parent, interval);
    if (!rows) return std::nullopt;
    undo.Clear();
    bool swapped = false;
    for (int r = rows->From; r <= rows->To; ++r) {
        std::string x = grid.Cell(1, r);
        std::string y = grid.Cell(2, r);
        if (x.empty() && y.empty()) continue;
        undo.Push(1, r, x);
        undo.Push(2, r, y);
        grid.SetCell(1, r, std::move(y));
        grid.SetCell(2, r, std::move(x));
        swapped = true;
    }
    return swapped;
}
