#include "editors/fmEditTable.h"

#include "editors/ZMTableGridView.h"
#include "platform/ZMLocale.h"

TFormEditTable::TFormEditTable(QWidget* parent) : TFormTableBase(QStringLiteral("Edit Table"), parent) {}

bool TFormEditTable::Execute(TTableObj& tableObj, TMemory& memory, zm::TOperatorLib& /*operatorLib*/,
                             zm::TVarMemory& /*varMemory*/, zm::TVarMemory& /*constMemory*/) {
    TableObj = &tableObj;
    return RunModal(memory);
}

void TFormEditTable::FormShow() {
    if (TableObj) ShowProperties(Editor.Load(*TableObj, decimalSeparator()));
    Editor.Start();
    StringGrid1->setFocus();
}

void TFormEditTable::Button1Click() {
    if (TableObj) Editor.EditTableOK(*TableObj, ReadProperties(), decimalSeparator());
    Confirmed = true;
    accept();
}
