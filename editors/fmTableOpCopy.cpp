#include "editors/fmTableOpCopy.h"

#include "platform/ZMLocale.h"

TFormTableOpCopy::TFormTableOpCopy(QWidget* parent)
    : TFormTableOpRange(QStringLiteral("Copy Table"), "Copy valid data only (Ignore blank data)", parent) {}

bool TFormTableOpCopy::Execute(TStringGridStack& clipboardStack, const TTableGrid& grid) {
    ClipboardStack_ = &clipboardStack;
    Grid_ = &grid;
    const bool confirmed = RunModal();
    ClipboardStack_ = nullptr;
    Grid_ = nullptr;
    return confirmed;
}

void TFormTableOpCopy::Button1Click() {
    if (!Grid_ || !CopyCells(this, *ClipboardStack_, *Grid_, Options(), decimalSeparator())) return;
    Confirmed = true;
    accept();
}
