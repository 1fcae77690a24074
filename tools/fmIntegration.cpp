#include "tools/fmIntegration.h"

#include "engine/ZMNumber.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMLocale.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/cstCHMHelpClass.h"
#include "tools/ZMCurvePair.h"
#include "tools/ZMFieldChecks.h"
#include "tools/ZMFormulaList.h"
#include "tools/ZMScan.h"
#include "tools/ZMToolFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

std::string CheckIntegrationFields(const TIntegrationFields& fields, bool addGraph, char decimalSeparator) {
    using K = TFieldCheck::Kind;
    return FirstFailedCheck(
        {
            {fields.Y1, K::NotEmpty,
             addGraph ? "Expression - Y1(x) cannot be null." : "Expression - Y1(x)cannot be null."},
            {fields.Y2, K::NotEmpty,
             addGraph ? "Expression - Y2(x) cannot be null." : "Expression - Y2(x)cannot be null."},
            {fields.Min, K::NotEmpty, "The minimum value of X cannot be null."},
            {fields.Min, K::IsFloat, "The minimum value of X must be a real number."},
            {fields.Max, K::NotEmpty, "The maximum value of X cannot be null."},
            {fields.Max, K::IsFloat, "The maximum value of X must be a real number."},
            {fields.Min, K::LessThanText, "The minimum value of X must be less than the maximum value of X.", 0,
             fields.Max},
            {fields.Steps, K::NotEmpty, "Number of integration step cannot be null."},
            {fields.Steps, K::IsInteger, "Number of integration step must be an integer."},
            {fields.Steps, K::GreaterThan, "Number of integration step must be greater than 0.", 0},
        },
        decimalSeparator);
}

double Integrate(TCurvePair& curves, const TScanGrid& grid, bool absolute) {
    double sum = 0;
    if (!grid.Usable()) return sum;
    const double h = grid.H();
    double a1 = 0, a2 = 0;
    bool aOk = curves.At(grid.At(0), a1, a2);
    for (std::int64_t k = 0; grid.HasNext(k); ++k) {
        double b1 = 0, b2 = 0;
        const bool bOk = curves.At(grid.At(k + 1), b1, b2);
        if (aOk && bOk) {
            const double term = ((a1 - a2) + (b1 - b2)) * h / 2;
            sum += absolute ? std::fabs(term) : term;
        }
        a1 = b1;
        a2 = b2;
        aOk = bOk;
    }
    return sum;
}

std::string RegionText(const std::string& y1, const std::string& y2) {
    return "((" + y1 + ")-y)*((" + y2 + ")-y)";
}

TFormIntegration::TFormIntegration(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Integration"));
    auto* top = new QVBoxLayout(this);

    ComboBox1 = NewFormulaBox(this, "ComboBox1");
    ComboBox2 = NewFormulaBox(this, "ComboBox2");
    ComboBox1->setEditText(QStringLiteral("0"));
    ComboBox2->setEditText(QStringLiteral("0"));
    top->addWidget(NewFieldGroup(this, "Between", {{"Y1(x) = ", ComboBox1}, {"Y2(x) = ", ComboBox2}}));

    Edit1 = NamedEdit(this, "Edit1", "-10");
    Edit2 = NamedEdit(this, "Edit2", "10");
    Edit3 = NamedEdit(this, "Edit3", "500");
    auto* groups = new QHBoxLayout;
    groups->addWidget(NewFieldGroup(this, "Domain Range", {{"Minimum of X", Edit1}, {"Maximum of X", Edit2}}));
    QGroupBox* parameters = NewFieldGroup(this, "Parameters", {{"Number of Integration steps", Edit3}});
    CheckBox1 = NamedCheck(parameters, "CheckBox1", "Integration of absolute value (area)");
    CheckBox1->setChecked(true);
    parameters->layout()->addWidget(CheckBox1);
    groups->addWidget(parameters);
    top->addLayout(groups);

    auto* result = new QHBoxLayout;
    Edit4 = NamedEdit(this, "Edit4", "");
    Edit4->setReadOnly(true);
    result->addWidget(new QLabel(QStringLiteral("Result :"), this));
    result->addWidget(Edit4, 1);
    top->addLayout(result);

    const std::vector<QPushButton*> buttons =
        AddButtonRow(top, this, {"Add Graph"}, {"Calculate", "Cancel", "Help"});
    buttons[1]->setDefault(true);
    top->setSizeConstraint(QLayout::SetFixedSize);
    onClick(buttons[0], this, &TFormIntegration::Button1Click);
    onClick(buttons[1], this, &TFormIntegration::Button2Click);
    onClick(buttons[2], this, &TFormIntegration::Button3Click);
    onClick(buttons[3], this, &TFormIntegration::Button4Click);
}

std::uint8_t TFormIntegration::Execute(const TMemory* memory) {
    Memory = memory;
    Result = 0;
    RegionText.clear();
    RegionInterval = {};
    FormShow();
    exec();
    Memory = nullptr;
    return Result;
}

void TFormIntegration::FormShow() {
    FillFormulaList(*ComboBox1, Memory, 0);
    const QString y2 = ComboBox2->currentText();
    FillFormulaList(*ComboBox2, Memory, 0);
    ComboBox2->setEditText(y2);
    ComboBox1->setFocus();
}

TIntegrationFields TFormIntegration::Fields() const {
    return {ComboBox1->currentText().toStdString(), ComboBox2->currentText().toStdString(),
            Edit1->text().toStdString(), Edit2->text().toStdString(), Edit3->text().toStdString()};
}

TInterval TFormIntegration::Range(const TIntegrationFields& fields) const {
    // The checks passed, so both limits read.
    double min = -10;
    double max = 10;
    zm::TryStrToFloat(fields.Min, min, decimalSeparator());
    zm::TryStrToFloat(fields.Max, max, decimalSeparator());
    return TInterval::CreateRange(1, min, max);
}

std::string TFormIntegration::Refusal(bool addGraph) const {
    const TIntegrationFields fields = Fields();
    const std::string failed = CheckIntegrationFields(fields, addGraph, decimalSeparator());
    return failed.empty() ? TCurvePair(fields.Y1, fields.Y2).IllegalMessage() : failed;
}

void TFormIntegration::Button1Click() {
    const std::string refused = Refusal(true);
    if (!refused.empty()) {
        message(this, MsgKind::Warning, QString::fromStdString(refused));
        return;
    }
    const TIntegrationFields fields = Fields();
    RegionText = ::RegionText(fields.Y1, fields.Y2);
    RegionInterval = Range(fields);
    Result = 1;
    accept();
}

void TFormIntegration::Button2Click() {
    const std::string refused = Refusal(false);
    if (!refused.empty()) {
        message(this, MsgKind::Warning, QString::fromStdString(refused));
        return;
    }
    const char sep = decimalSeparator();
    const TIntegrationFields fields = Fields();
    const TInterval range = Range(fields);
    // N is read as a real; the checks leave only whole numbers of steps, but a hex count passes
    // them without reading as a real and counts as 500.
    double n = 500;
    if (!zm::TryStrToFloat(fields.Steps, n, sep)) n = 500;
    std::int32_t steps = 0;
    zm::TryRoundToInt32(n, steps);
    TCurvePair curves(fields.Y1, fields.Y2);
    const double sum = Integrate(curves, TScanGrid(range.Min, range.Max, steps), CheckBox1->isChecked());
    Edit4->setText(QString::fromStdString(zm::FloatToStr(sum, sep)));
}

void TFormIntegration::Button3Click() { reject(); }

void TFormIntegration::Button4Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch04_01.htm#47"), 1);
}
