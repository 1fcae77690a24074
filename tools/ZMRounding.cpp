#include "tools/ZMRounding.h"

#include <cmath>

double RoundToDecimals(double value, int decimals) {
    // Powers of ten up to 1E15 are exact doubles.
    static constexpr double kPowers[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (decimals < 0 || decimals > 15) return value;
    const double p = kPowers[decimals];
    const double product = value * p;
    if (!std::isfinite(product) || std::fabs(product) >= 0x1p63) return value;
    return std::nearbyint(product) / p + 0.0;
}
