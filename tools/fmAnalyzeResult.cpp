#include "tools/fmAnalyzeResult.h"

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"
#include "tools/ZMScan.h"
#include "tools/ZMToolFields.h"
#include "tools/ZMToolGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

TScanPoint At(zm::TExpCal& f, zm::TVarMemory& vars, double x) {
    TScanPoint p;
    p.X = x;
    p.Ok = EvaluateAt(f, vars, x, p.Y);
    return p;
}

bool IsZero(const TScanPoint& p) { return p.Ok && std::fabs(p.Y) < kZeroLimit; }

}  // namespace

TZerosRun FindZeros(zm::TExpCal& f, zm::TVarMemory& vars, const TScanGrid& grid) {
    TZerosRun run;
    if (!grid.Usable()) return run;
    const auto at = [&f, &vars](double x) { return At(f, vars, x); };
    // The best point of the run of zeros that is open, if one is.
    bool inRun = false;
    TScanPoint best;
    const auto join = [&inRun, &best](const TScanPoint& p) {
        if (!inRun || std::fabs(p.Y) < std::fabs(best.Y)) best = p;
        inRun = true;
    };
    TScanPoint p = at(grid.At(0));
    if (IsZero(p)) join(p);
    for (std::int64_t k = 0; grid.HasNext(k); ++k) {
        const TScanPoint next = at(grid.At(k + 1));
        if (IsZero(next)) join(next);
        if (inRun) {
            // A step into, within or out of the run: where f changes sign in it, the crossing may
            // beat the grid points.
            if (best.Y != 0 && SignsDiffer(p, next)) {
                const TBisection b = Bisect(at, p, next);
                if (!b.Failed) join(b.Best());
            }
            if (!IsZero(next)) {
                if (!AddRow(run, best.X)) return run;
                inRun = false;
            }
        } else if (SignsDiffer(p, next)) {
            const TBisection b = Bisect(at, p, next);
            if (!b.Failed && !b.Grew(p, next) && !AddRow(run, b.Best().X)) return run;
        }
        p = next;
    }
    if (inRun) AddRow(run, best.X);
    return run;
}

TExtremaRun FindExtrema(zm::TExpCal& f, zm::TVarMemory& vars, const TScanGrid& grid) {
    TExtremaRun run;
    if (!grid.Usable()) return run;
    TScanPoint left = At(f, vars, grid.Min() - grid.H());
    TScanPoint mid = At(f, vars, grid.At(0));
    for (std::int64_t k = 0;; ++k) {
        const bool more = grid.HasNext(k);
        const TScanPoint right = At(f, vars, more ? grid.At(k + 1) : mid.X + grid.H());
        if (left.Ok && mid.Ok && right.Ok) {
            const bool isMin = left.Y > mid.Y && right.Y > mid.Y;
            const bool isMax = left.Y < mid.Y && right.Y < mid.Y;
            if ((isMin || isMax) && !AddRow(run, TExtremum{isMax, mid.X, mid.Y})) break;
        }
        if (!more) break;
        left = mid;
        mid = right;
    }
    return run;
}

namespace {

const QString kFormulaCaption = QStringLiteral("Y(x) = ");
const QString kMinCaption = QStringLiteral("Minimum of X = ");
const QString kMaxCaption = QStringLiteral("Maximum of X =");
const QString kStepsCaption = QStringLiteral("Number of steps = ");
const QString kAccuracyCaption = QStringLiteral("Accuracy (decimal signs) = ");
const QString kZerosCaption = QStringLiteral("Zeros of function : ");
const QString kExtremaCaption = QStringLiteral("Extrema of function : ");

QString Rounded(double value, std::int32_t accuracy, char sep) {
    return QString::fromStdString(FormatRounded(value, accuracy, sep));
}

}  // namespace

TFormAnalyzeResult::TFormAnalyzeResult(QWidget* parent)
    : TReportWindow(QStringLiteral("Analysis Result"), QStringLiteral("ch04_01.htm#43"), parent) {
    auto* top = new QVBoxLayout(this);

    auto* parameters = new QGroupBox(QStringLiteral("Analysis Parameter"), this);
    auto* parameterLayout = new QGridLayout(parameters);
    Label1 = NamedLabel(parameters, "Label1", "");
    Label2 = NamedLabel(parameters, "Label2", "");
    Label3 = NamedLabel(parameters, "Label3", "");
    Label4 = NamedLabel(parameters, "Label4", "");
    Label5 = NamedLabel(parameters, "Label5", "");
    parameterLayout->addWidget(Label1, 0, 0, 1, 2);
    parameterLayout->addWidget(Label2, 1, 0);
    parameterLayout->addWidget(Label3, 1, 1);
    parameterLayout->addWidget(Label4, 2, 0);
    parameterLayout->addWidget(Label5, 2, 1);
    top->addWidget(parameters);

    auto* derivative = new QGroupBox(QStringLiteral("Derivative of function"), this);
    auto* derivativeLayout = new QVBoxLayout(derivative);
    Edit1 = NamedEdit(derivative, "Edit1", "");
    Edit1->setReadOnly(true);
    derivativeLayout->addWidget(Edit1);
    top->addWidget(derivative);

    auto* results = new QGroupBox(QStringLiteral("Result Report"), this);
    auto* resultLayout = new QGridLayout(results);
    Label6 = NamedLabel(results, "Label6", "");
    Label7 = NamedLabel(results, "Label7", "");
    Zeros_ = new TToolGrid(1, this);
    Extrema_ = new TToolGrid(3, this);
    QTableView* zerosView = NewToolGridView(Zeros_, results, QStringLiteral("StringGrid1"));
    QTableView* extremaView = NewToolGridView(Extrema_, results, QStringLiteral("StringGrid2"));
    zerosView->setMinimumSize(160, 220);
    extremaView->setMinimumSize(320, 220);
    resultLayout->addWidget(Label6, 0, 0);
    resultLayout->addWidget(zerosView, 1, 0);
    resultLayout->addWidget(Label7, 0, 1);
    resultLayout->addWidget(extremaView, 1, 1);
    resultLayout->setColumnStretch(0, 1);
    resultLayout->setColumnStretch(1, 2);
    top->addWidget(results, 1);

    AddButtons(top);
}

std::uint8_t TFormAnalyzeResult::Execute(const std::string& formula, const std::string& derivativeText,
                                         TMemory* memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                                         zm::TVarMemory& constMemory, std::uint8_t doZeros, std::uint8_t doExtrema,
                                         std::uint8_t showDerivative, double min, double max, std::int32_t steps,
                                         std::int32_t accuracy) {
    Formula = formula;
    DerivativeText = derivativeText;
    Memory = memory;
    OperatorLib = &operatorLib;
    VarMemory = &varMemory;
    ConstMemory = &constMemory;
    DoZeros = doZeros;
    DoExtrema = doExtrema;
    ShowDerivative = showDerivative;
    Min = min;
    Max = max;
    Steps = steps;
    Accuracy = accuracy;
    Result = 0;
    FormShow();
    exec();
    return Result;
}

void TFormAnalyzeResult::FormShow() {
    const char sep = decimalSeparator();
    Label1->setText(kFormulaCaption + QString::fromStdString(Formula));
    Label2->setText(kMinCaption + QString::fromStdString(zm::FloatToStr(Min, sep)));
    Label3->setText(kMaxCaption + QString::fromStdString(zm::FloatToStr(Max, sep)));
    Label4->setText(kStepsCaption + QString::number(Steps));
    Label5->setText(kAccuracyCaption + QString::number(Accuracy));
    ShowResultText(*Edit1, ShowDerivative ? QString::fromStdString(DerivativeText) : QString());
    Label6->setText(kZerosCaption);
    Label7->setText(kExtremaCaption);
    Zeros_->SetHeader({QStringLiteral(" X")});
    Extrema_->SetHeader({QString(), QStringLiteral(" X"), QStringLiteral(" Y")});
    Zeros_->Clear();
    Extrema_->Clear();
    if (!OperatorLib || !VarMemory || !ConstMemory) return;

    const TScanGrid grid(Min, Max, Steps);
    bool limited = false;
    if (DoZeros) {
        zm::TExpCal f(Formula, *OperatorLib, *VarMemory, *ConstMemory);
        const TZerosRun run = FindZeros(f, *VarMemory, grid);
        std::vector<QString> cells;
        cells.reserve(run.Rows.size());
        for (double x : run.Rows) cells.push_back(Rounded(x, Accuracy, sep));
        Zeros_->SetBody(std::move(cells));
        Label6->setText(kZerosCaption + QString::number(run.Rows.size()));
        limited = run.Limited;
    }
    if (DoExtrema) {
        zm::TExpCal f(Formula, *OperatorLib, *VarMemory, *ConstMemory);
        const TExtremaRun run = FindExtrema(f, *VarMemory, grid);
        std::vector<QString> cells;
        cells.reserve(run.Rows.size() * 3);
        for (const TExtremum& e : run.Rows) {
            cells.push_back(e.IsMax ? QStringLiteral("Max") : QStringLiteral("Min"));
            cells.push_back(Rounded(e.X, Accuracy, sep));
            cells.push_back(Rounded(e.Y, Accuracy, sep));
        }
        Extrema_->SetBody(std::move(cells));
        Label7->setText(kExtremaCaption + QString::number(run.Rows.size()));
        limited = limited || run.Limited;
    }
    if (limited) TellRowLimit(this);
}

QStringList TFormAnalyzeResult::ParameterLines() const {
    return {Label1->text(), Label2->text(), Label3->text(), Label4->text(), Label5->text()};
}

QStringList TFormAnalyzeResult::ClipboardLines() const {
    const QString tab = QStringLiteral("\t");
    QStringList lines = ParameterLines();
    lines << QString() << Label6->text() << QString();
    lines << Zeros_->Lines(tab);
    lines << QString() << QString() << Label7->text() << QString();
    lines << Extrema_->Lines(tab);
    return lines;
}

QStringList TFormAnalyzeResult::FileLines() const {
    const QString tab = QStringLiteral("\t");
    QStringList lines = ParameterLines();
    lines << QString() << QString() << Label6->text();
    lines << Zeros_->Lines(tab);
    lines << QString() << QString() << Label7->text();
    lines << Extrema_->Lines(tab);
    return lines;
}
