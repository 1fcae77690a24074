#pragma once
// "Swap": X and Y exchanged in every row of an interval (all rows unless chosen otherwise).

#include "editors/fmTableOpBase.h"

class TFormTableOpSwap final : public TFormTableOp {
    Q_OBJECT
public:
    explicit TFormTableOpSwap(QWidget* parent = nullptr);

    // Shows the dialog modally; true when OK swapped at least one row.
    bool Execute(TTableGrid& grid, TStringGridStack& undoStack);

    void Button1Click() override;

private:
    TIntervalGroup* IntervalGroup = nullptr;
};
