#pragma once
// Copy, Cut and Swap over a row interval of the table grid. Each first checks the interval
// (warning boxes over `parent`); a refused interval changes neither the grid nor a buffer.

#include <optional>

#include "editors/ZMTableOpInput.h"

class QWidget;
class TStringGridStack;
class TTableGrid;

struct TCopyOptions {
    TRowInterval Rows;
    TColumnChoice Columns = TColumnChoice::XAndY;
    bool ValidOnly = true;  // "... valid data only (Ignore blank data)": skip cells that are not numeric
};

// The chosen cells of the rows onto `clipboard`, emptied first, each with its row relative to
// the first row (0-based) and its column. False when the interval was refused.
bool CopyCells(QWidget* parent, TStringGridStack& clipboard, const TTableGrid& grid, const TCopyOptions& options,
               char sep);
// As CopyCells, and each cell taken is emptied; `undo` is emptied with the clipboard and then
// holds the taken cells' old texts.
bool CutCells(QWidget* parent, TStringGridStack& clipboard, TStringGridStack& undo, TTableGrid& grid,
              const TCopyOptions& options, char sep);
// Exchanges X and Y in every row of the interval that has a text in either cell, as one undo
// step in `undo` (emptied first). Nothing when the interval was refused; else whether a row
// was swapped.
std::optional<bool> SwapCells(QWidget* parent, TTableGrid& grid, TStringGridStack& undo, const TRowInterval& rows);
