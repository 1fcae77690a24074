#include "editors/fmAddTable.h"

#include "editors/ZMRandomIndex.h"
#include "editors/ZMTableGridView.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMLocale.h"

namespace {

// Black .. aqua: every standard colour but white.
constexpr int kStartColorCount = 15;

}  // namespace

TFormAddTable::TFormAddTable(QWidget* parent) : TFormTableBase(QStringLiteral("Add Table"), parent) {}

bool TFormAddTable::Execute(TMemory& memory, zm::TOperatorLib& /*operatorLib*/, zm::TVarMemory& /*varMemory*/,
                            zm::TVarMemory& /*constMemory*/) {
    return RunModal(memory);
}

void TFormAddTable::FormShow() {
    Editor.Start();
    int index = RandomIndex ? RandomIndex(kStartColorCount) : ClockSeededIndex(kStartColorCount);
    if (index < 0 || index >= kStartColorCount) index = 0;
    ColorBox1->SetSelected(TColorBox::StandardColor(index));
    StringGrid1->setFocus();
}

void TFormAddTable::Button1Click() {
    if (Memory) Editor.AddTableOK(*Memory, ReadProperties(), decimalSeparator());
    Confirmed = true;
    accept();
}
