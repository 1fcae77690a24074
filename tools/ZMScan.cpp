#include "tools/ZMScan.h"

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "tools/ZMRounding.h"

#include <algorithm>
#include <cmath>

TScanGrid::TScanGrid(double min, double max, std::int64_t steps)
    : min_(min), max_(max), steps_(steps), h_(steps > 0 ? (max - min) / static_cast<double>(steps) : 0) {
    usable_ = steps > 0 && std::isfinite(min) && std::isfinite(h_) && h_ > 0;
}

double Midpoint(double a, double b) {
    const double m = (a + b) / 2;
    return std::isfinite(m) ? m : a / 2 + b / 2;
}

bool SignsDiffer(const TScanPoint& a, const TScanPoint& b) {
    return a.Ok && b.Ok && std::signbit(a.Y) != std::signbit(b.Y);
}

const TScanPoint& TBisection::Best() const { return std::fabs(Hi.Y) < std::fabs(Lo.Y) ? Hi : Lo; }

bool TBisection::Grew(const TScanPoint& a, const TScanPoint& b) const {
    return std::min(std::fabs(Lo.Y), std::fabs(Hi.Y)) > std::max(std::fabs(a.Y), std::fabs(b.Y));
}

TBisection Bisect(const std::function<TScanPoint(double)>& at, const TScanPoint& a, const TScanPoint& b) {
    // 200 halvings shrink any step below the rounding of its ends, except near 0 where the
    // doubles grow dense; there 2^-200 of the step is closer than any report shows.
    constexpr int kHalvings = 200;
    TBisection r{a, b, false};
    for (int halving = 0; halving < kHalvings; ++halving) {
        const double m = Midpoint(r.Lo.X, r.Hi.X);
        if (m == r.Lo.X || m == r.Hi.X) break;
        const TScanPoint mid = at(m);
        if (!mid.Ok) {
            r.Failed = true;
            break;
        }
        if (mid.Y == 0) {
            r.Lo = r.Hi = mid;
            break;
        }
        (std::signbit(mid.Y) == std::signbit(r.Lo.Y) ? r.Lo : r.Hi) = mid;
    }
    return r;
}

std::string FormatRounded(double Value, std::int32_t Accuracy, char decimalSeparator) {
    if (Accuracy < 1 || Accuracy > 15) return zm::FloatToStr(Value, decimalSeparator);
    return zm::FloatToStr(RoundToDecimals(Value, Accuracy), decimalSeparator);
}

bool EvaluateAt(zm::TExpCal& f, zm::TVarMemory& vars, double x, double& y) {
    vars.SetValue("x", x);
    const bool ok = f.Calculate();
    y = f.Value;
    return ok;
}
