#include "editors/fmTableOpSwap.h"

#include <QVBoxLayout>

TFormTableOpSwap::TFormTableOpSwap(QWidget* parent) : TFormTableOp(QStringLiteral("Swap"), parent) {
    IntervalGroup = new TIntervalGroup(true, this);
    Body->addWidget(IntervalGroup);
    AddButtons("OK");
}

bool TFormTableOpSwap::Execute(TTableGrid& grid, TStringGridStack& undoStack) {
    return RunOn(grid, undoStack);
}

void TFormTableOpSwap::Button1Click() {
    if (!Grid_) return;
    const std::optional<bool> swapped = SwapCells(this, *Grid_, *UndoStack_, IntervalGroup->Interval());
    if (!swapped) return;
    Confirmed = *swapped;
    accept();
}
