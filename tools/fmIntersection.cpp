#include "tools/fmIntersection.h"

#include "engine/ZMNumber.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMLocale.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/cstCHMHelpClass.h"
#include "tools/ZMCurvePair.h"
#include "tools/ZMFieldChecks.h"
#include "tools/ZMFormulaList.h"
#include "tools/ZMToolFields.h"
#include "tools/fmIntersectionResult.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

std::string CheckIntersectionFields(const TIntersectionFields& fields, char decimalSeparator) {
    using K = TFieldCheck::Kind;
    return FirstFailedCheck(
        {
            {fields.Y1, K::NotEmpty, "Expression - Y1(x) cannot be null."},
            {fields.Y2, K::NotEmpty, "Expression - Y2(x) cannot be null."},
            {fields.Min, K::NotEmpty, "The minimum value of X cannot be null."},
            {fields.Min, K::IsFloat, "The minimum value of X must be a real number."},
            {fields.Max, K::NotEmpty, "The maximum value of X cannot be null."},
            {fields.Max, K::IsFloat, "The maximum value of X must be a real number."},
            {fields.Min, K::LessThanText, "The minimum value of X must be less than the maximum value of X.", 0,
             fields.Max},
            {fields.Steps, K::NotEmpty, "Number of steps cannot be null."},
            {fields.Steps, K::IsInteger, "Number of steps must be an integer."},
            {fields.Steps, K::GreaterThan, "Number of steps must be greater than 0.", 0},
            {fields.Accuracy, K::NotEmpty, "Accuracy cannot be null."},
            {fields.Accuracy, K::IsInteger, "Accuracy must be an integer."},
            {fields.Accuracy, K::GreaterThan, "The accuracy must be greater than 0.", 0},
            {fields.Accuracy, K::NotGreaterThan, "Accuracy must be less than or equal to 15.", 15},
        },
        decimalSeparator);
}

TFormIntersection::TFormIntersection(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Intersections"));
    auto* top = new QVBoxLayout(this);

    auto* formulas = new QGridLayout;
    ComboBox1 = NewFormulaBox(this, "ComboBox1");
    ComboBox2 = NewFormulaBox(this, "ComboBox2");
    formulas->addWidget(new QLabel(QStringLiteral("Y1(x) ="), this), 0, 0);
    formulas->addWidget(ComboBox1, 0, 1);
    formulas->addWidget(new QLabel(QStringLiteral("Y2(x) ="), this), 1, 0);
    formulas->addWidget(ComboBox2, 1, 1);
    formulas->setColumnStretch(1, 1);
    top->addLayout(formulas);

    Edit1 = NamedEdit(this, "Edit1", "-10");
    Edit2 = NamedEdit(this, "Edit2", "10");
    Edit3 = NamedEdit(this, "Edit3", "5000");
    Edit4 = NamedEdit(this, "Edit4", "3");
    auto* groups = new QHBoxLayout;
    groups->addWidget(NewFieldGroup(this, "Domain Range", {{"Minimum of X", Edit1}, {"Maximum of X", Edit2}}));
    groups->addWidget(
        NewFieldGroup(this, "Parameters", {{"Number of steps", Edit3}, {"Accuracy (decimal signs)", Edit4}}));
    top->addLayout(groups);

    const std::vector<QPushButton*> buttons = AddButtonRow(top, this, {}, {"OK", "Cancel", "Help"});
    buttons[0]->setDefault(true);
    top->setSizeConstraint(QLayout::SetFixedSize);
    onClick(buttons[0], this, &TFormIntersection::Button1Click);
    onClick(buttons[1], this, &TFormIntersection::Button2Click);
    onClick(buttons[2], this, &TFormIntersection::Button3Click);
}

std::uint8_t TFormIntersection::Execute(const TMemory* memory) {
    Memory = memory;
    Result = 0;
    FormShow();
    exec();
    Memory = nullptr;
    return Result;
}

void TFormIntersection::FormShow() {
    for (QComboBox* box : {ComboBox1, ComboBox2}) {
        FillFormulaList(*box, Memory, 0);
        box->setCurrentIndex(-1);
        box->clearEditText();
    }
    ComboBox1->setFocus();
}

void TFormIntersection::Button1Click() {
    const char sep = decimalSeparator();
    const TIntersectionFields fields{ComboBox1->currentText().toStdString(), ComboBox2->currentText().toStdString(),
                                     Edit1->text().toStdString(),           Edit2->text().toStdString(),
                                     Edit3->text().toStdString(),           Edit4->text().toStdString()};
    std::string failed = CheckIntersectionFields(fields, sep);
    if (failed.empty()) failed = TCurvePair(fields.Y1, fields.Y2).IllegalMessage();
    if (!failed.empty()) {
        message(this, MsgKind::Warning, QString::fromStdString(failed));
        return;
    }
    double min = -10;
    double max = 10;
    std::int32_t steps = 5000;
    std::int32_t accuracy = 3;
    // The checks above passed, so every field reads.
    zm::TryStrToFloat(fields.Min, min, sep);
    zm::TryStrToFloat(fields.Max, max, sep);
    zm::TryStrToInt(fields.Steps, steps);
    zm::TryStrToInt(fields.Accuracy, accuracy);

    TFormIntersectionResult report(this);
    report.SetFileChooser(Chooser_);
    report.Execute(fields.Y1, fields.Y2, min, max, steps, accuracy);
}

void TFormIntersection::Button2Click() { reject(); }

void TFormIntersection::Button3Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch04_01.htm#44"), 1);
}
