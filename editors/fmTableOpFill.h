#pragma once
// "Fill": a formula of the other column and the row number written into one column, over an interval, as one undo step.

#include "editors/fmTableOpBase.h"

class TFormTableOpFill final : public TFormTableOpFormula {
    Q_OBJECT
public:
    explicit TFormTableOpFill(QWidget* parent = nullptr);

    // Shows the dialog modally; true when OK ran the formula.
    bool Execute(TTableGrid& grid, TStringGridStack& undoStack);
};
