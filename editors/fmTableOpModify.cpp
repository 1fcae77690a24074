#include "editors/fmTableOpModify.h"

TFormTableOpModify::TFormTableOpModify(QWidget* parent)
    : TFormTableOpFormula(QStringLiteral("Modify"), "X=f(x,y,n)=", "Y=f(x,y,n)=", &ModifyCells, parent) {}

bool TFormTableOpModify::Execute(TTableGrid& grid, TStringGridStack& undoStack) { return RunFormula(grid, undoStack); }
