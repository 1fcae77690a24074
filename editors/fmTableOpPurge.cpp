#include "editors/fmTableOpPurge.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "editors/ZMTablePurge.h"
#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"

TFormTableOpPurge::TFormTableOpPurge(QWidget* parent) : TFormTableOp(QStringLiteral("Purge"), parent) {
    auto* group = Named(new QGroupBox(this), "GroupBox1");
    auto* checks = new QVBoxLayout(group);
    CheckBox1 = NamedCheck(group, "CheckBox1", "Unpaired data (Missing X or Y)");
    CheckBox2 = NamedCheck(group, "CheckBox2", "Invalid data");
    for (QCheckBox* check : {CheckBox1, CheckBox2}) {
        check->setChecked(true);
        checks->addWidget(check);
    }
    Body->addWidget(group);
    AddButtons("OK");
}

bool TFormTableOpPurge::Execute(TTableGrid& grid, TStringGridStack& undoStack) {
    return RunOn(grid, undoStack);
}

bool TFormTableOpPurge::PurgeSilently(TTableGrid& grid, TStringGridStack& undoStack) {
    PurgeGrid(grid, undoStack, decimalSeparator());
    return true;
}

void TFormTableOpPurge::Button1Click() {
    if (!Grid_) return;
    PurgeGrid(*Grid_, *UndoStack_, decimalSeparator(), {CheckBox1->isChecked(), CheckBox2->isChecked()});
    Confirmed = true;
    accept();
}
