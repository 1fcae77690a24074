#include "editors/ZMTableInfo.h"

#include <cmath>
#include <vector>

#include "editors/ZMTableGrid.h"

namespace {

struct Spread {
    double Mean = 0;
    double Deviation = 0;
    double AbsDeviation = 0;
};

// The mean and the deviations of the values multiplied by 2^-shift.
Spread SpreadOf(const std::vector<double>& values, int shift) {
    const double n = static_cast<double>(values.size());
    Spread s;
    double sum = 0;
    for (double v : values) sum += std::ldexp(v, -shift);
    s.Mean = sum / n;
    double squares = 0;
    double absolutes = 0;
    for (double v : values) {
        const double d = std::ldexp(v, -shift) - s.Mean;
        squares += d * d;
        absolutes += std::fabs(d);
    }
    s.Deviation = std::sqrt(squares / n);
    s.AbsDeviation = absolutes / n;
    return s;
}

// `figure` as it came, or when it is not finite, the one of the scaled values scaled back.
double Mended(double figure, double scaled, int shift) {
    return std::isfinite(figure) ? figure : std::ldexp(scaled, shift);
}

}  // namespace

TColumnFigures ColumnFigures(const TTableGrid& grid, int col, char sep) {
    std::vector<double> values;
    TColumnFigures f;
    for (int r = 1; r <= TTableGrid::RowCount; ++r) {
        double v = 0;
        if (!IsNumericCell(grid.Cell(col, r), sep, &v)) continue;
        if (values.empty() || v < f.Minimum) f.Minimum = v;
        if (values.empty() || v > f.Maximum) f.Maximum = v;
        values.push_back(v);
    }
    f.N = static_cast<int>(values.size());
    if (values.empty()) return f;

    const Spread plain = SpreadOf(values, 0);
    f.Average = plain.Mean;
    f.StdDeviation = plain.Deviation;
    f.StdError = plain.AbsDeviation;
    if (std::isfinite(f.Average) && std::isfinite(f.StdDeviation) && std::isfinite(f.StdError)) return f;

    // Below 2^500 no sum of 5000 values or of their squares can overflow.
    int exponent = 0;
    std::frexp(std::fmax(std::fabs(f.Minimum), std::fabs(f.Maximum)), &exponent);
    const int shift = exponent > 500 ? exponent - 500 : 0;
    const Spread scaled = SpreadOf(values, shift);
    f.Average = Mended(f.Average, scaled.Mean, shift);
    f.StdDeviation = Mended(f.StdDeviation, scaled.Deviation, shift);
    f.StdError = Mended(f.StdError, scaled.AbsDeviation, shift);
    return f;
}
