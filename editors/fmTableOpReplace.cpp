#include "editors/fmTableOpReplace.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"

TFormTableOpReplace::TFormTableOpReplace(QWidget* parent) : TFormTableOp(QStringLiteral("Replace"), parent) {
    auto* values = new QGridLayout;
    Edit1 = NamedEdit(this, "Edit1", "");
    Edit2 = NamedEdit(this, "Edit2", "");
    values->addWidget(NamedLabel(this, "Label1", "Value to find:"), 0, 0);
    values->addWidget(Edit1, 0, 1);
    values->addWidget(NamedLabel(this, "Label2", "Replace with:"), 1, 0);
    values->addWidget(Edit2, 1, 1);
    ColumnsGroup = NewColumnsGroup(this);
    DirectionGroup = NewDirectionGroup(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(ColumnsGroup);
    groups->addWidget(DirectionGroup);
    CheckBox1 = NamedCheck(this, "CheckBox1", "Prompt on replace");
    CheckBox1->setChecked(true);
    CheckBox2 = NamedCheck(this, "CheckBox2", "Replace All");
    auto* checks = new QHBoxLayout;
    checks->addWidget(CheckBox1);
    checks->addWidget(CheckBox2);
    checks->addStretch(1);
    Body->addLayout(values);
    Body->addLayout(groups);
    Body->addLayout(checks);
    AddButtons("OK");
}

bool TFormTableOpReplace::Execute(TTableGrid& grid, TStringGridStack& undoStack, int startRow) {
    StartRow_ = startRow;
    ReplacedCount = 0;
    Edit1->setFocus();
    return RunOn(grid, undoStack);
}

TReplaceOptions TFormTableOpReplace::Options() const {
    return {Edit1->text().toStdString(),
            Edit2->text().toStdString(),
            ColumnsChosen(*ColumnsGroup),
            DirectionGroup->ItemIndex() == 1,
            CheckBox1->isChecked(),
            CheckBox2->isChecked()};
}

void TFormTableOpReplace::Button1Click() {
    if (!Grid_) return;
    const TReplaceOptions options = Options();
    if (!CheckReplace(this, options, decimalSeparator())) return;
    accept();
    DoReplace(options);
    Confirmed = ReplacedCount >= 1;
}

void TFormTableOpReplace::DoReplace(const TReplaceOptions& options) {
    ReplacedCount = ::DoReplace(parentWidget(), *Grid_, *UndoStack_, StartRow_, options, decimalSeparator());
}
