#include "editors/fmTableOpBase.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/ZMGuardedClick.h"
#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"

TFormTableOp::TFormTableOp(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    auto* top = new QVBoxLayout(this);
    Body = new QVBoxLayout;
    top->addLayout(Body);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormTableOp::AddButtons(const char* caption, bool cancel) {
    auto* top = static_cast<QVBoxLayout*>(layout());
    Button1 = NamedButton(this, "Button1", caption);
    onClick(Button1, this, &TFormTableOp::Button1Click);
    if (!cancel) {
        AddButtonRow(top, {Button1});
        return;
    }
    Button2 = NamedButton(this, "Button2", "Cancel");
    onClick(Button2, this, &TFormTableOp::Button2Click);
    AddButtonRow(top, {Button1, Button2});
}

bool TFormTableOp::RunModal() {
    Confirmed = false;
    exec();
    return Confirmed;
}

bool TFormTableOp::RunOn(TTableGrid& grid, TStringGridStack& undoStack) {
    Grid_ = &grid;
    UndoStack_ = &undoStack;
    const bool confirmed = RunModal();
    Grid_ = nullptr;
    UndoStack_ = nullptr;
    return confirmed;
}

void TFormTableOp::Button2Click() { reject(); }

TIntervalGroup::TIntervalGroup(bool all, QWidget* parent)
    : TRadioGroup(QStringLiteral("Interval"), {QStringLiteral("Custom"), QStringLiteral("All")}, parent) {
    setObjectName(QStringLiteral("IntervalGroup"));
    EditFrom = NamedEdit(this, "EditFrom", "1");
    EditUpTo = NamedEdit(this, "EditUpTo", "100");
    for (QLineEdit* edit : {EditFrom, EditUpTo}) edit->setFixedWidth(60);
    // Beside "Custom", in the radio buttons' grid.
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(NamedLabel(this, "LabelFrom", "from"), 0, 1);
    grid->addWidget(EditFrom, 0, 2);
    grid->addWidget(NamedLabel(this, "LabelUpTo", "up to"), 0, 3);
    grid->addWidget(EditUpTo, 0, 4);
    grid->setColumnStretch(5, 1);
    SetItemIndex(all ? 1 : 0);
}

TRowInterval TIntervalGroup::Interval() const {
    return {ItemIndex() == 1, EditFrom->text().toStdString(), EditUpTo->text().toStdString()};
}

TRadioGroup* NewColumnsGroup(QWidget* parent) {
    // "&&" shows as one "&".
    auto* group = new TRadioGroup(
        QStringLiteral("Columns"),
        {QStringLiteral("X && Y"), QStringLiteral("Single X"), QStringLiteral("Single Y")}, parent);
    group->setObjectName(QStringLiteral("ColumnsGroup"));
    group->SetItemIndex(0);
    return group;
}

TColumnChoice ColumnsChosen(const TRadioGroup& group) {
    switch (group.ItemIndex()) {
        case 1: return TColumnChoice::X;
        case 2: return TColumnChoice::Y;
        default: return TColumnChoice::XAndY;
    }
}

TRadioGroup* NewDirectionGroup(QWidget* parent) {
    auto* group =
        new TRadioGroup(QStringLiteral("Direction"), {QStringLiteral("Forward"), QStringLiteral("Backward")}, parent);
    group->setObjectName(QStringLiteral("DirectionGroup"));
    group->SetItemIndex(0);
    return group;
}

TFormTableOpRange::TFormTableOpRange(const QString& caption, const char* validOnly, QWidget* parent)
    : TFormTableOp(caption, parent) {
    IntervalGroup = new TIntervalGroup(false, this);
    ColumnsGroup = NewColumnsGroup(this);
    CheckBox1 = NamedCheck(this, "CheckBox1", validOnly);
    CheckBox1->setChecked(true);
    Body->addWidget(IntervalGroup);
    Body->addWidget(ColumnsGroup);
    Body->addWidget(CheckBox1);
    AddButtons("OK");
}

TCopyOptions TFormTableOpRange::Options() const {
    return {IntervalGroup->Interval(), ColumnsChosen(*ColumnsGroup), CheckBox1->isChecked()};
}

TFormTableOpFormula::TFormTableOpFormula(const QString& caption, const char* labelX, const char* labelY,
                                         Operation operation, QWidget* parent)
    : TFormTableOp(caption, parent), LabelX(labelX), LabelY(labelY), Operation_(operation) {
    RadioGroup1 = Named(new TRadioGroup(caption, {QStringLiteral("X"), QStringLiteral("Y")}, this, 2), "RadioGroup1");
    RadioGroup1->SetItemIndex(0);
    Label1 = NamedLabel(this, "Label1", labelX);
    Edit1 = NamedEdit(this, "Edit1", "");
    Edit1->setMinimumWidth(220);
    IntervalGroup = new TIntervalGroup(false, this);
    auto* formula = new QHBoxLayout;
    formula->addWidget(Label1);
    formula->addWidget(Edit1, 1);
    Body->addWidget(RadioGroup1);
    Body->addLayout(formula);
    Body->addWidget(IntervalGroup);
    AddButtons("OK");
    connect(RadioGroup1, &TRadioGroup::Changed, this, [this] { TargetChanged(); });
}

void TFormTableOpFormula::TargetChanged() {
    Label1->setText(QString::fromLatin1(RadioGroup1->ItemIndex() == 1 ? LabelY : LabelX));
}

bool TFormTableOpFormula::RunFormula(TTableGrid& grid, TStringGridStack& undoStack) {
    Edit1->setFocus();
    return RunOn(grid, undoStack);
}

TFormulaOptions TFormTableOpFormula::Options() const {
    return {RadioGroup1->ItemIndex() == 1 ? 2 : 1, Edit1->text().toStdString(), IntervalGroup->Interval()};
}

void TFormTableOpFormula::Button1Click() {
    if (!Grid_ || !UndoStack_ || !Operation_(this, *Grid_, *UndoStack_, Options(), decimalSeparator())) return;
    Confirmed = true;
    accept();
}
