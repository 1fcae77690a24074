#include "tools/fmIntersectionResult.h"

#include "engine/ZMNumber.h"
#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"
#include "tools/ZMCurvePair.h"
#include "tools/ZMScan.h"
#include "tools/ZMToolGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>
#include <cstddef>
#include <utility>

namespace {

// Y1 - Y2 at one point, with Y1 for its row.
struct TGapPoint {
    TScanPoint Gap;
    double Y1 = 0;
};

TGapPoint GapAt(TCurvePair& curves, double x) {
    TGapPoint p;
    p.Gap.X = x;
    double y2 = 0;
    p.Gap.Ok = curves.At(x, p.Y1, y2);
    p.Gap.Y = p.Y1 - y2;
    return p;
}

}  // namespace

TIntersectionRun FindIntersections(TCurvePair& curves, const TScanGrid& grid) {
    TIntersectionRun run;
    if (!grid.Usable()) return run;
    const auto gap = [&curves](double x) { return GapAt(curves, x).Gap; };
    TScanPoint previous;  // the grid point before, when it made no row
    for (std::int64_t k = 0;; ++k) {
        const double x = grid.At(k);
        const bool below = k < grid.Steps() && x < grid.Max();
        const TGapPoint p = GapAt(curves, x);
        const bool row = below && p.Gap.Ok && std::fabs(p.Gap.Y) < kIntersectionLimit;
        if (!row && SignsDiffer(previous, p.Gap)) {
            const TBisection b = Bisect(gap, previous, p.Gap);
            if (!b.Failed && !b.Grew(previous, p.Gap) && b.Best().X < grid.Max()) {
                const TGapPoint crossing = GapAt(curves, b.Best().X);
                if (crossing.Gap.Ok && !AddRow(run, std::make_pair(crossing.Gap.X, crossing.Y1))) break;
            }
        }
        if (row && !AddRow(run, std::make_pair(x, p.Y1))) break;
        // Max itself only closes the step up to it.
        if (!below || !grid.HasNext(k)) break;
        previous = row ? TScanPoint{} : p.Gap;
    }
    return run;
}

namespace {

const char* const kParameterCaptions[6] = {"Y1(x) = ",        "Y2(x) = ",
                                           "Minimum of X = ",  "Maximum of X = ",
                                           "Numbers of steps = ", "Accuracy (decimal signs) = "};
const QString kPointsCaption = QStringLiteral("Intersection Points: ");

}  // namespace

TFormIntersectionResult::TFormIntersectionResult(QWidget* parent)
    : TReportWindow(QStringLiteral("Intersections"), QStringLiteral("ch04_01.htm#44"), parent) {
    auto* top = new QVBoxLayout(this);

    auto* parameters = new QGroupBox(QStringLiteral("Parameters"), this);
    auto* parameterLayout = new QGridLayout(parameters);
    const char* const names[6] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};
    for (int i = 0; i < 6; ++i) {
        Labels_[i] = NamedLabel(parameters, names[i], "");
        if (i < 2)
            parameterLayout->addWidget(Labels_[i], i, 0, 1, 2);  // the formulas, one a row
        else
            parameterLayout->addWidget(Labels_[i], 1 + i / 2, i % 2);  // the numbers, two a row
    }
    top->addWidget(parameters);

    auto* results = new QGroupBox(QStringLiteral("Result Report"), this);
    auto* resultLayout = new QVBoxLayout(results);
    Label7 = NamedLabel(results, "Label7", "");
    Grid_ = new TToolGrid(2, this);
    QTableView* view = NewToolGridView(Grid_, results, QStringLiteral("StringGrid1"));
    view->setMinimumSize(360, 240);
    resultLayout->addWidget(Label7);
    resultLayout->addWidget(view);
    top->addWidget(results, 1);

    AddButtons(top);
}

std::uint8_t TFormIntersectionResult::Execute(const std::string& exp1, const std::string& exp2, double min,
                                              double max, std::int32_t steps, std::int32_t accuracy) {
    Exp1 = exp1;
    Exp2 = exp2;
    Min = min;
    Max = max;
    Steps = steps;
    Accuracy = accuracy;
    Result = 0;
    FormShow();
    exec();
    return Result;
}

void TFormIntersectionResult::FormShow() {
    const char sep = decimalSeparator();
    const QString values[6] = {QString::fromStdString(Exp1),
                               QString::fromStdString(Exp2),
                               QString::fromStdString(zm::FloatToStr(Min, sep)),
                               QString::fromStdString(zm::FloatToStr(Max, sep)),
                               QString::number(Steps),
                               QString::number(Accuracy)};
    for (int i = 0; i < 6; ++i) Labels_[i]->setText(QString::fromLatin1(kParameterCaptions[i]) + values[i]);
    Grid_->SetHeader({QStringLiteral(" x"), QStringLiteral(" y")});

    TCurvePair curves(Exp1, Exp2);
    const TIntersectionRun run = FindIntersections(curves, TScanGrid(Min, Max, Steps));
    std::vector<QString> cells;
    cells.reserve(run.Rows.size() * 2);
    for (const auto& [x, y] : run.Rows) {
        cells.push_back(QString::fromStdString(FormatRounded(x, Accuracy, sep)));
        cells.push_back(QString::fromStdString(FormatRounded(y, Accuracy, sep)));
    }
    Grid_->SetBody(std::move(cells));
    Label7->setText(kPointsCaption + QString::number(run.Rows.size()));
    if (run.Limited) TellRowLimit(this);
}

QStringList TFormIntersectionResult::ParameterLines() const {
    QStringList lines;
    for (const QLabel* label : Labels_) lines << label->text();
    return lines;
}

QStringList TFormIntersectionResult::ClipboardLines() const {
    QStringList lines = ParameterLines();
    lines << QString() << Label7->text();
    lines << Grid_->Lines(QStringLiteral("\t"));
    return lines;
}

QStringList TFormIntersectionResult::FileLines() const {
    QStringList lines = ParameterLines();
    lines << QString() << QString() << Label7->text();
    lines << Grid_->Lines(QStringLiteral("\t"));
    return lines;
}
