#include "tools/fmAnalyzeFunction.h"

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMLocale.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/cstCHMHelpClass.h"
#include "tools/ZMFieldChecks.h"
#include "tools/ZMFormulaList.h"
#include "tools/ZMToolContext.h"
#include "tools/ZMToolFields.h"
#include "tools/fmAnalyzeResult.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

std::string CheckAnalyzeFunctionFields(const TAnalyzeFunctionFields& fields, char decimalSeparator) {
    using K = TFieldCheck::Kind;
    return FirstFailedCheck(
        {
            {fields.Formula, K::NotEmpty, "Functional expression cannot be null."},
            {fields.Min, K::NotEmpty, "The minimum value cannot be null."},
            {fields.Min, K::IsFloat, "The minimum value must be a real number."},
            {fields.Max, K::NotEmpty, "The maximum value cannot be null."},
            {fields.Max, K::IsFloat, "The maximum value must be a real number."},
            {fields.Min, K::LessThanText, "The minimum value must be less than the maximum value.", 0, fields.Max},
            {fields.Steps, K::NotEmpty, "The steplength cannot be null."},
            {fields.Steps, K::IsInteger, "The steplength must be an integer."},
            {fields.Steps, K::GreaterThan, "The steplength must be greater than 0.", 0},
            {fields.Accuracy, K::NotEmpty, "The accuracy cannot be null."},
            {fields.Accuracy, K::IsInteger, "The accuracy must be an integer."},
            {fields.Accuracy, K::GreaterThan, "The accuracy must be greater than 0.", 0},
            {fields.Accuracy, K::NotGreaterThan, "The accuracy value must be less than or equal to 15.", 15},
        },
        decimalSeparator);
}

std::string AnalysisDerivativeText(const std::string& formula, zm::TOperatorLib& operatorLib,
                                   zm::TVarMemory& varMemory, zm::TVarMemory& constMemory) {
    std::string text;
    if (zm::ShorterDerivativeText(formula, "x", operatorLib, varMemory, constMemory, text) != zm::TDerivativeOutcome::Ok)
        return "The expression contains nondifferentiable function or operation.";
    return text;
}

TFormAnalyzeFunction::TFormAnalyzeFunction(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Analyze Function"));
    auto* top = new QVBoxLayout(this);

    auto* formula = new QHBoxLayout;
    ComboBox1 = NewFormulaBox(this, "ComboBox1");
    formula->addWidget(new QLabel(QStringLiteral("Y(x)="), this));
    formula->addWidget(ComboBox1, 1);
    top->addLayout(formula);

    auto* groups = new QHBoxLayout;
    auto* calculation = new QGroupBox(QStringLiteral("Calculation"), this);
    auto* calculationLayout = new QVBoxLayout(calculation);
    CheckBox1 = NamedCheck(calculation, "CheckBox1", "Zeros of function");
    CheckBox2 = NamedCheck(calculation, "CheckBox2", "Extrema of function");
    CheckBox3 = NamedCheck(calculation, "CheckBox3", "Derivative of function");
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3}) {
        box->setChecked(true);
        calculationLayout->addWidget(box);
    }
    calculationLayout->addStretch();
    groups->addWidget(calculation);
    Edit1 = NamedEdit(this, "Edit1", "-10");
    Edit2 = NamedEdit(this, "Edit2", "10");
    Edit3 = NamedEdit(this, "Edit3", "500");
    Edit4 = NamedEdit(this, "Edit4", "3");
    groups->addWidget(NewFieldGroup(this, "Analysis Parameters",
                                    {{"Minimum of X", Edit1},
                                     {"Maximum of X", Edit2},
                                     {"Number of steps", Edit3},
                                     {"Accuracy (decimal signs)", Edit4}}),
                      1);
    top->addLayout(groups);

    const std::vector<QPushButton*> buttons = AddButtonRow(top, this, {}, {"OK", "Cancel", "Help"});
    buttons[0]->setDefault(true);
    top->setSizeConstraint(QLayout::SetFixedSize);
    onClick(buttons[0], this, &TFormAnalyzeFunction::Button1Click);
    onClick(buttons[1], this, &TFormAnalyzeFunction::Button2Click);
    onClick(buttons[2], this, &TFormAnalyzeFunction::Button3Click);
}

TFormAnalyzeFunction::~TFormAnalyzeFunction() = default;

std::uint8_t TFormAnalyzeFunction::Execute(TMemory* memory, zm::TOperatorLib* operatorLib,
                                           zm::TVarMemory* varMemory, zm::TVarMemory* constMemory) {
    Result = 0;
    Memory = memory;
    if (memory && operatorLib && varMemory && constMemory) {
        OperatorLib = operatorLib;
        VarMemory = varMemory;
        ConstMemory = constMemory;
    } else {
        Own_ = std::make_unique<TToolContext>(std::initializer_list<const char*>{"x", "y"});
        OperatorLib = &Own_->OperatorLib;
        VarMemory = &Own_->VarMemory;
        ConstMemory = &Own_->ConstMemory;
    }
    FormShow();
    exec();
    Memory = nullptr;
    OperatorLib = nullptr;
    VarMemory = nullptr;
    ConstMemory = nullptr;
    Own_.reset();
    return Result;
}

void TFormAnalyzeFunction::FormShow() {
    FillFormulaList(*ComboBox1, Memory, 0);
    ComboBox1->setFocus();
}

void TFormAnalyzeFunction::Button1Click() {
    if (!OperatorLib || !VarMemory || !ConstMemory) return;
    const char sep = decimalSeparator();
    const TAnalyzeFunctionFields fields{ComboBox1->currentText().toStdString(), Edit1->text().toStdString(),
                                        Edit2->text().toStdString(), Edit3->text().toStdString(),
                                        Edit4->text().toStdString()};
    const std::string failed = CheckAnalyzeFunctionFields(fields, sep);
    if (!failed.empty()) {
        message(this, MsgKind::Warning, QString::fromStdString(failed));
        return;
    }
    // Only compiled: whether f evaluates at the x some earlier drawing left is no test of it.
    if (zm::TExpCal(fields.Formula, *OperatorLib, *VarMemory, *ConstMemory).Valid == 0) {
        message(this, MsgKind::Warning, QStringLiteral("Expression is illegal."));
        return;
    }
    const std::string derivative = AnalysisDerivativeText(fields.Formula, *OperatorLib, *VarMemory, *ConstMemory);

    double min = -10;
    double max = 10;
    std::int32_t steps = 500;
    std::int32_t accuracy = 3;
    // The checks above passed, so every field reads.
    zm::TryStrToFloat(fields.Min, min, sep);
    zm::TryStrToFloat(fields.Max, max, sep);
    zm::TryStrToInt(fields.Steps, steps);
    zm::TryStrToInt(fields.Accuracy, accuracy);

    TFormAnalyzeResult report(this);
    report.SetFileChooser(Chooser_);
    report.Execute(fields.Formula, derivative, Memory, *OperatorLib, *VarMemory, *ConstMemory,
                   CheckBox1->isChecked() ? 1 : 0, CheckBox2->isChecked() ? 1 : 0, CheckBox3->isChecked() ? 1 : 0,
                   min, max, steps, accuracy);
}

void TFormAnalyzeFunction::Button2Click() { reject(); }

void TFormAnalyzeFunction::Button3Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch04_01.htm#43"), 1);
}
