#pragma once
// Fill and Modify: a formula in x, y and n computed for every row of an interval and written
// into one column. The formulas run in a context of their own: a new operator table, the
// variables x, y and n at 0 and the constant PI = 3.1415926; the document's are not seen.

#include <string>

#include "editors/ZMTableOpInput.h"

class QWidget;
class TStringGridStack;
class TTableGrid;

struct TFormulaOptions {
    int TargetCol = 1;    // 1 X, 2 Y
    std::string Formula;  // as typed
    TRowInterval Rows;
};

// Fill: for the X column the formula sees y (the Y text's value) and n (the row); for the Y
// column x and n. The other variable stays 0.
// Modify: the formula sees x, y and n whichever column it writes.
// A text that does not convert reads as 0; a row where the formula fails gets 0. The old texts
// of the written cells make one undo step in `undo`, emptied first. When the formula is blank,
// the interval refused or the formula does not compile, warning boxes say so, nothing changes
// and the result is false.
bool FillCells(QWidget* parent, TTableGrid& grid, TStringGridStack& undo, const TFormulaOptions& options, char sep);
bool ModifyCells(QWidget* parent, TTableGrid& grid, TStringGridStack& undo, const TFormulaOptions& options, char sep);
