#include "editors/fmTableOpFill.h"

TFormTableOpFill::TFormTableOpFill(QWidget* parent)
    : TFormTableOpFormula(QStringLiteral("Fill"), "X=f(y,n)=", "Y=f(x,n)=", &FillCells, parent) {}

bool TFormTableOpFill::Execute(TTableGrid& grid, TStringGridStack& undoStack) { return RunFormula(grid, undoStack); }
