#pragma once
// "Modify": one column rewritten by a formula of both columns and the row number, over an interval, as one undo step.

#include "editors/fmTableOpBase.h"

class TFormTableOpModify final : public TFormTableOpFormula {
    Q_OBJECT
public:
    explicit TFormTableOpModify(QWidget* parent = nullptr);

    // Shows the dialog modally; true when OK ran the formula.
    bool Execute(TTableGrid& grid, TStringGridStack& undoStack);
};
