#include "editors/ZMTablePurge.h"

#include <string>

#include "editors/ZMTableGrid.h"
#include "editors/fmAddTableClass.h"

namespace {

bool Dropped(const std::string& x, const std::string& y, char sep, TPurgeOptions options) {
    const bool xBlank = IsBlankCell(x);
    const bool yBlank = IsBlankCell(y);
    if (xBlank && yBlank) return true;
    if (options.Unpaired && (xBlank || yBlank)) return true;
    return options.Invalid && ((!xBlank && !IsNumericCell(x, sep)) || (!yBlank && !IsNumericCell(y, sep)));
}

}  // namespace

void PurgeGrid(TTableGrid& grid, TStringGridStack& undo, char sep, TPurgeOptions options) {
    TStringGridStack kept;
    int count = 0;
    undo.Clear();
    for (int r = 1; r <= TTableGrid::RowCount; ++r) {
        std::string x = grid.Cell(1, r);
        std::string y = grid.Cell(2, r);
        if (!Dropped(x, y, sep, options)) {
            ++count;
            kept.Push(1, count, x);
            kept.Push(2, count, y);
        }
        undo.Push(1, r, std::move(x));
        undo.Push(2, r, std::move(y));
        grid.SetCell(1, r, {});
        grid.SetCell(2, r, {});
    }
    while (kept.Count() > 0) kept.PopToGrid(grid);
}
