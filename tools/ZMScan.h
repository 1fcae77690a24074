#pragma once
// What the scans of the analysis tools share: the index grid over an x range and the rounding of
// the numbers they report. Plain C++.

#include <cstdint>
#include <functional>
#include <string>

namespace zm {
class TExpCal;
class TVarMemory;
}  // namespace zm

// The grid of a scan over [Min, Max] in Steps steps: h = (Max - Min) / Steps, x_k = Min + k * h
// for k < Steps and x_Steps = Max. Points come from their index, never from adding up steps, so
// the last point is Max itself. A scan walks the grid while the next point is greater than the
// current one, which also ends it where the magnitude swallows h (near 1E16 and beyond).
class TScanGrid {
public:
    TScanGrid(double min, double max, std::int64_t steps);

    // h is finite and positive (and Min finite): otherwise a scan computes nothing.
    bool Usable() const { return usable_; }
    double H() const { return h_; }
    std::int64_t Steps() const { return steps_; }
    double Min() const { return min_; }
    double Max() const { return max_; }
    // x_k for 0 <= k <= Steps.
    double At(std::int64_t k) const { return k < steps_ ? min_ + static_cast<double>(k) * h_ : max_; }
    // Whether the walk goes on from x_k to x_{k+1}: k < Steps and x_{k+1} > x_k.
    bool HasNext(std::int64_t k) const { return k < steps_ && At(k + 1) > At(k); }

private:
    double min_;
    double max_;
    std::int64_t steps_;
    double h_;
    bool usable_;
};

// The midpoint of a and b, also where a + b would overflow.
double Midpoint(double a, double b);

// A function of a scan at one point.
struct TScanPoint {
    double X = 0;
    double Y = 0;
    bool Ok = false;  // the function evaluated there
};

// Whether a and b both evaluated and their values lie on different sides of 0 (-0 counts as
// below, +0 as above).
bool SignsDiffer(const TScanPoint& a, const TScanPoint& b);

// Where a change of sign between a and b ends when the step is halved again and again, keeping
// the half whose ends differ in sign, until the halves no longer shrink or a value is 0.
struct TBisection {
    TScanPoint Lo;          // the end on a's side
    TScanPoint Hi;          // the end on b's side
    bool Failed = false;    // the function failed at a midpoint: no end was found

    // Of the two ends, the one with the smaller magnitude (Lo on a tie).
    const TScanPoint& Best() const;
    // The magnitude at both ends exceeds that at both a and b: the sign changes across a pole.
    bool Grew(const TScanPoint& a, const TScanPoint& b) const;
};

// Bisects the step from a to b (SignsDiffer(a, b)) with `at`, which evaluates the function.
TBisection Bisect(const std::function<TScanPoint(double)>& at, const TScanPoint& a, const TScanPoint& b);

// The text of a result: with 1 <= Accuracy <= 15, Value * 10^Accuracy rounded to the nearest
// integer (exact halves to the even one) and divided by 10^Accuracy again, in the 15-digit
// format; any other Accuracy, or a product that is not finite or of magnitude 2^63 or more, gives
// the value itself.
std::string FormatRounded(double Value, std::int32_t Accuracy, char decimalSeparator);

// f at x: sets the variable x of `vars` to x and evaluates f. False when f fails there.
bool EvaluateAt(zm::TExpCal& f, zm::TVarMemory& vars, double x, double& y);
