#include "editors/fmTableOpCut.h"

#include "platform/ZMLocale.h"

TFormTableOpCut::TFormTableOpCut(QWidget* parent)
    : TFormTableOpRange(QStringLiteral("Cut Table"), "Cut valid data only (Ignore blank data)", parent) {}

bool TFormTableOpCut::Execute(TStringGridStack& clipboardStack, TStringGridStack& undoStack, TTableGrid& grid) {
    ClipboardStack_ = &clipboardStack;
    const bool confirmed = RunOn(grid, undoStack);
    ClipboardStack_ = nullptr;
    return confirmed;
}

void TFormTableOpCut::Button1Click() {
    if (!Grid_ || !CutCells(this, *ClipboardStack_, *UndoStack_, *Grid_, Options(), decimalSeparator())) return;
    Confirmed = true;
    accept();
}
