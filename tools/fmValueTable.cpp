#include "tools/fmValueTable.h"

#include "editors/cstValidationClass.h"
#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMLocale.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/cstCHMHelpClass.h"
#include "plot/ZMFunTabObj.h"
#include "tools/ZMTextReport.h"
#include "tools/ZMToolContext.h"
#include "tools/ZMToolFields.h"
#include "tools/ZMToolGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <cstdint>

std::string CheckValueTableFields(const TValueTableFields& fields, char decimalSeparator) {
    TValidObject v(decimalSeparator);
    v.SetText(fields.Variable);
    v.AddMessage(1, "The variable name cannot be null.");
    v.CheckNotEmpty(1);
    v.SetText(fields.From);
    v.AddMessage(2, "The initial value of a variable cannot be null.");
    v.CheckNotEmpty(2);
    v.AddMessage(3, "The initial value of a variable must be a number.");
    v.CheckIsFloat(3);
    v.SetText(fields.UpTo);
    v.AddMessage(4, "The final value of a variable cannot be null.");
    v.CheckNotEmpty(4);
    v.AddMessage(5, "The final value of a variable must be a number.");
    v.CheckIsFloat(5);
    v.SetText(fields.From);
    v.AddMessage(6, "The initial value of a variable must be less than the The final value of it.");
    v.CheckLessThanText(fields.UpTo, 6);
    v.SetText(fields.Step);
    v.AddMessage(7, "The increased step of a variable cannot be null.");
    v.CheckNotEmpty(7);
    v.AddMessage(8, "The increased step of a variable must be a number.");
    v.CheckIsFloat(8);
    v.AddMessage(9, "The increased step of a variable must be greater than 0.");
    v.CheckGreaterThan(9, 0);
    return v.LastError == 0 ? std::string() : v.NextErrorMessage();
}

TValueTableRun TabulateValues(zm::TExpCal& formula, zm::TVarMemory& vars, std::string_view variable, double from,
                              double upTo, double step) {
    TValueTableRun run;
    double previous = from;
    int points = 0;
    // Each point is computed from `from`, never by adding up steps, so a decimal step reaches
    // upTo as closely as the arithmetic allows.
    for (std::int64_t k = 0;; ++k) {
        double v = from + static_cast<double>(k) * step;
        if (k > 0 && !(v > previous)) break;  // the step no longer moves the point
        if (v > upTo) {
            if (!(v - upTo <= 1e-9 * step && upTo > previous)) break;
            v = upTo;  // a rounding past the end: the end itself is the last point
        }
        if (points == kToolGridMaxRows) {
            run.Limited = true;
            break;
        }
        ++points;
        vars.SetValue(variable, v);
        if (formula.Calculate()) run.Rows.emplace_back(v, formula.Value);
        else run.Failed = true;
        previous = v;
    }
    return run;
}

std::vector<QString> ValueTableCells(const TValueTableRun& run, char decimalSeparator) {
    std::vector<QString> cells;
    cells.reserve(run.Rows.size() * 2);
    for (const auto& [point, value] : run.Rows) {
        cells.push_back(QString::fromStdString(zm::FloatToStr(point, decimalSeparator)));
        cells.push_back(QString::fromStdString(zm::FloatToStr(value, decimalSeparator)));
    }
    return cells;
}

namespace {

QString ValueHeader(const QString& variable) { return QStringLiteral("f(") + variable + QLatin1Char(')'); }

}  // namespace

TFormValueTable::TFormValueTable(QWidget* parent) : QDialog(parent), Report_(std::make_unique<TTextReport>()) {
    setWindowTitle(QStringLiteral("Value Table"));
    auto* top = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    top->addLayout(left);

    auto* generate = new QGroupBox(QStringLiteral("Generate Value Table"), this);
    auto* fields = new QGridLayout(generate);
    ComboBox1 = NewFormulaBox(generate, "ComboBox1");
    ComboBox1->setMinimumWidth(220);
    Edit1 = NamedEdit(generate, "Edit1", "x");
    Edit2 = NamedEdit(generate, "Edit2", "-10");
    Edit3 = NamedEdit(generate, "Edit3", "10");
    Edit4 = NamedEdit(generate, "Edit4", "1");
    fields->addWidget(new QLabel(QStringLiteral("Formula"), generate), 0, 0);
    fields->addWidget(ComboBox1, 0, 1, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("Variable"), generate), 1, 0);
    fields->addWidget(Edit1, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("from"), generate), 2, 0);
    fields->addWidget(Edit2, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("up to"), generate), 2, 2);
    fields->addWidget(Edit3, 2, 3);
    fields->addWidget(new QLabel(QStringLiteral("Step"), generate), 3, 0);
    fields->addWidget(Edit4, 3, 1);
    QPushButton* calculate = NamedButton(generate, "Button1", "Calculate");
    calculate->setDefault(true);
    QPushButton* clear = NamedButton(generate, "Button5", "Clear");
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(calculate);
    actions->addWidget(clear);
    fields->addLayout(actions, 4, 0, 1, 4);
    left->addWidget(generate);

    auto* output = new QGroupBox(QStringLiteral("Output Result"), this);
    auto* outputLayout = new QHBoxLayout(output);
    QPushButton* copy = NamedButton(output, "Button2", "Copy to Clipboard");
    QPushButton* save = NamedButton(output, "Button3", "Save to file...");
    outputLayout->addWidget(copy);
    outputLayout->addWidget(save);
    left->addWidget(output);
    left->addStretch();

    auto* closing = new QHBoxLayout;
    QPushButton* help = NamedButton(this, "Button6", "Help");
    QPushButton* close = NamedButton(this, "Button4", "Close");
    closing->addStretch();
    closing->addWidget(help);
    closing->addWidget(close);
    left->addLayout(closing);

    Grid_ = new TToolGrid(2, this);
    QTableView* view = NewToolGridView(Grid_, this, QStringLiteral("StringGrid1"));
    view->setMinimumSize(380, 360);
    top->addWidget(view, 1);

    onClick(calculate, this, &TFormValueTable::Button1Click);
    onClick(clear, this, &TFormValueTable::Button5Click);
    onClick(copy, this, &TFormValueTable::Button2Click);
    onClick(save, this, &TFormValueTable::Button3Click);
    onClick(help, this, &TFormValueTable::Button6Click);
    onClick(close, this, &TFormValueTable::Button4Click);
}

TFormValueTable::~TFormValueTable() = default;

void TFormValueTable::SetFileChooser(FileChooser* chooser) { Report_->SetFileChooser(chooser); }

void TFormValueTable::Execute(const TMemory* Memory) {
    Memory_ = Memory;
    Context_ = std::make_unique<TToolContext>();
    FormShow();
    exec();
    Context_.reset();
    Memory_ = nullptr;
}

void TFormValueTable::FormShow() {
    ComboBox1->clear();
    if (Memory_) {
        for (std::size_t i = 0; i < Memory_->Count(); ++i)
            if (const TFunctionObj* f = Memory_->GetFunction(static_cast<std::ptrdiff_t>(i)))
                ComboBox1->addItem(QString::fromStdString(f->Exp));
    }
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
    Grid_->SetHeader({QStringLiteral("x"), QStringLiteral("f(x)")});
    ComboBox1->setFocus();
}

void TFormValueTable::Button1Click() {
    if (!Context_) return;
    const char sep = decimalSeparator();
    const TValueTableFields fields{Edit1->text().toStdString(), Edit2->text().toStdString(),
                                   Edit3->text().toStdString(), Edit4->text().toStdString()};
    const std::string failed = CheckValueTableFields(fields, sep);
    if (!failed.empty()) {
        message(this, MsgKind::Error, QString::fromStdString(failed));
        return;
    }
    double from = 0, upTo = 0, step = 0;
    zm::TryStrToFloat(fields.From, from, sep);
    zm::TryStrToFloat(fields.UpTo, upTo, sep);
    zm::TryStrToFloat(fields.Step, step, sep);

    // The variable exists before the formula is compiled, so a formula in it compiles as one.
    Context_->VarMemory.SetValue(fields.Variable, from);
    zm::TExpCal formula(ComboBox1->currentText().toStdString(), Context_->OperatorLib, Context_->VarMemory,
                        Context_->ConstMemory);
    if (formula.Valid == 0) {
        message(this, MsgKind::Warning, QStringLiteral("Expression is illegal."));
        return;
    }
    const QString variable = Edit1->text();
    Grid_->SetHeader({variable, ValueHeader(variable)});
    const TValueTableRun run = TabulateValues(formula, Context_->VarMemory, fields.Variable, from, upTo, step);
    Grid_->SetBody(ValueTableCells(run, sep));
    if (run.Limited) TellRowLimit(this);
    if (run.Failed) message(this, MsgKind::Warning, QStringLiteral("An error occurs during expression calculation."));
}

void TFormValueTable::Button5Click() {
    const QString variable = Edit1->text();
    Grid_->SetHeader({variable, ValueHeader(variable)});
    Grid_->Clear();
}

QStringList TFormValueTable::ReportLines() const {
    QStringList lines;
    lines.append(Grid_->Cell(1, 0) + QLatin1Char('=') + ComboBox1->currentText());
    lines.append(QString());
    lines.append(Grid_->Lines(QStringLiteral("\t\t\t")));
    return lines;
}

void TFormValueTable::Button2Click() { TTextReport::Copy(ReportLines()); }

void TFormValueTable::Button3Click() { Report_->Save(this, ReportLines()); }

void TFormValueTable::Button6Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch04_01.htm#42"), 1);
}

void TFormValueTable::Button4Click() { close(); }
