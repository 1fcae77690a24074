#include "tools/ZMScan.h"

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"

#include <cmath>

TScanGrid::TScanGrid(double min, double max, std::int64_t steps)
    : min_(min), max_(max), steps_(steps), h_(steps > 0 ? (max - min) / static_cast<double>(steps) : 0) {
    usable_ = steps > 0 && std::isfinite(min) && std::isfinite(h_) && h_ > 0;
}

double Midpoint(double a, double b) {
    const double m = (a + b) / 2;
    return std::isfinite(m) ? m : a / 2 + b / 2;
}

std::string FormatRounded(double Value, std::int32_t Accuracy, char decimalSeparator) {
    // Powers of ten up to 1E15 are exact doubles.
    static constexpr double kPowers[] = {1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7, 1e8,
                                         1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (Accuracy < 1 || Accuracy > 15) return zm::FloatToStr(Value, decimalSeparator);
    const double p = kPowers[Accuracy - 1];
    const double product = Value * p;
    if (!std::isfinite(product) || std::fabs(product) >= 0x1p63) return zm::FloatToStr(Value, decimalSeparator);
    return zm::FloatToStr(std::nearbyint(product) / p, decimalSeparator);
}

bool EvaluateAt(zm::TExpCal& f, zm::TVarMemory& vars, double x, double& y) {
    vars.SetValue("x", x);
    const bool ok = f.Calculate();
    y = f.Value;
    return ok;
}
