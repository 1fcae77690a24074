#pragma once
// "Intersections" report: scans the grid of TScanGrid for the points where Y1(x) and Y2(x) come
// closer than kIntersectionLimit when it is shown, lists them rounded to the chosen accuracy, and
// hands the list on as text.

#include "tools/ZMReportWindow.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class TCurvePair;
class TScanGrid;
class TToolGrid;

// |Y1 - Y2| below this lists the point.
inline constexpr double kIntersectionLimit = 0.01;

struct TIntersectionRun {
    std::vector<std::pair<double, double>> Rows;  // x and Y1(x), before rounding
    bool Limited = false;                         // a row beyond kToolGridMaxRows ended the scan
};

// Tests the grid points x_k for k < Steps that lie below Max, never Max itself; each within the
// limit is a row. Where Y1 - Y2 changes sign between two neighbouring grid points (Max included)
// and neither is a row, the crossing found by bisecting the step is one more row, unless it lies
// at Max or the bisection shows a pole (a formula fails at a midpoint, or |Y1 - Y2| grows).
// Points where a formula fails are skipped; neighbouring rows are not merged.
TIntersectionRun FindIntersections(TCurvePair& curves, const TScanGrid& grid);

class TFormIntersectionResult final : public TReportWindow {
    Q_OBJECT
public:
    explicit TFormIntersectionResult(QWidget* parent = nullptr);

    // Stores everything, runs the scan in a context of its own and shows the report modally.
    // Returns Result, always 0.
    std::uint8_t Execute(const std::string& exp1, const std::string& exp2, double min, double max,
                         std::int32_t steps, std::int32_t accuracy);
    // Fills the labels and runs the scan; one box when the table was cut.
    void FormShow();

    const TToolGrid& Grid() const { return *Grid_; }
    QStringList ClipboardLines() const override;
    QStringList FileLines() const override;

    std::string Exp1;
    std::string Exp2;
    double Min = 0;
    double Max = 0;
    std::int32_t Steps = 0;
    std::int32_t Accuracy = 0;
    std::uint8_t Result = 0;

private:
    QStringList ParameterLines() const;

    QLabel* Labels_[6] = {};  // "Y1(x) = " ... "Accuracy (decimal signs) = "
    QLabel* Label7 = nullptr;  // "Intersection Points: "
    TToolGrid* Grid_ = nullptr;
};
