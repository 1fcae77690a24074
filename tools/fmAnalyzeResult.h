#pragma once
// "Analysis Result": scans y = f(x) for zeros and extrema on the grid of TScanGrid when it is
// shown, lists them rounded to the chosen accuracy with the derivative text, and hands the report
// on as text.

#include "tools/ZMReportWindow.h"

#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class TMemory;
class TScanGrid;
class TToolGrid;
namespace zm {
class TExpCal;
class TOperatorLib;
class TVarMemory;
}  // namespace zm

// |f(x)| below this is a zero.
inline constexpr double kZeroLimit = 0.0001;

// The zeros found, in grid order, before rounding.
struct TZerosRun {
    std::vector<double> Rows;
    bool Limited = false;  // a zero beyond kToolGridMaxRows ended the scan
};

// Walks the grid and lists each zero once, in grid order. Neighbouring grid points where
// |f| < kZeroLimit form one zero, listed at the best of them or, where f changes sign in a step
// into, within or out of them, at the crossing found by bisecting that step if it is closer to 0.
// Between two other grid points where f evaluates, a change of sign gives the crossing found by
// bisecting the step, unless the bisection shows a pole: f fails at a midpoint, or |f| at both
// final ends exceeds |f| at both grid points. Points where f fails are skipped.
TZerosRun FindZeros(zm::TExpCal& f, zm::TVarMemory& vars, const TScanGrid& grid);

struct TExtremum {
    bool IsMax = false;
    double X = 0;
    double Y = 0;
};

struct TExtremaRun {
    std::vector<TExtremum> Rows;
    bool Limited = false;  // an extremum beyond kToolGridMaxRows ended the scan
};

// Walks the grid and compares f at each grid point with f at its neighbours x - h and x + h (the
// grid points next to it, or h beyond Min and Max): strictly greater than both is a maximum,
// strictly less than both a minimum. All three values must evaluate.
TExtremaRun FindExtrema(zm::TExpCal& f, zm::TVarMemory& vars, const TScanGrid& grid);

class TFormAnalyzeResult final : public TReportWindow {
    Q_OBJECT
public:
    explicit TFormAnalyzeResult(QWidget* parent = nullptr);

    // Stores everything, runs the scans with the given context (x in VarMemory ends at the last
    // point evaluated) and shows the report modally. Returns Result, always 0.
    std::uint8_t Execute(const std::string& formula, const std::string& derivativeText, TMemory* memory,
                         zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory, zm::TVarMemory& constMemory,
                         std::uint8_t doZeros, std::uint8_t doExtrema, std::uint8_t showDerivative, double min,
                         double max, std::int32_t steps, std::int32_t accuracy);
    // Fills the labels and the derivative, runs the chosen scans; one box when a table was cut.
    void FormShow();

    const TToolGrid& Zeros() const { return *Zeros_; }
    const TToolGrid& Extrema() const { return *Extrema_; }
    QStringList ClipboardLines() const override;
    QStringList FileLines() const override;

    std::string Formula;
    std::string DerivativeText;
    TMemory* Memory = nullptr;
    zm::TOperatorLib* OperatorLib = nullptr;
    zm::TVarMemory* VarMemory = nullptr;
    zm::TVarMemory* ConstMemory = nullptr;
    std::uint8_t DoZeros = 0;
    std::uint8_t DoExtrema = 0;
    std::uint8_t ShowDerivative = 0;
    double Min = 0;
    double Max = 0;
    std::int32_t Steps = 0;
    std::int32_t Accuracy = 0;
    std::uint8_t Result = 0;

private:
    QStringList ParameterLines() const;

    QLabel* Label1 = nullptr;  // "Y(x) = "
    QLabel* Label2 = nullptr;  // "Minimum of X = "
    QLabel* Label3 = nullptr;  // "Maximum of X ="
    QLabel* Label4 = nullptr;  // "Number of steps = "
    QLabel* Label5 = nullptr;  // "Accuracy (decimal signs) = "
    QLabel* Label6 = nullptr;  // "Zeros of function : "
    QLabel* Label7 = nullptr;  // "Extrema of function : "
    QLineEdit* Edit1 = nullptr;  // the derivative
    TToolGrid* Zeros_ = nullptr;
    TToolGrid* Extrema_ = nullptr;
};
