#include "editors/fmTableOpCopy.h"

#include "platform/ZMLocale.h"

TFormTableOpCopy::TFormTableOpCopy(QWidget* parent)
    : TFormTableOpRange(QStringLiteral("Copy Table"), "Copy valid data only (Ignore blank data)", parent) {}

bool TFormTableOpCopy::Execute(TStringGridStack& clipboardStack, const TTableGrid& grid) {
    ClipboardStack_ = &clipboardStack;
    CopiedGrid_ = &grid;
    const bool confirmed = RunModal();
    ClipboardStack_ = nullptr;
    CopiedGrid_ = nullptr;
    return confirmed;
}

void TFormTableOpCopy::Button1Click() {
    if (!CopiedGrid_ || !CopyCells(this, *ClipboardStack_, *CopiedGrid_, Options(), decimalSeparator())) return;
    Confirmed = true;
    accept();
}
