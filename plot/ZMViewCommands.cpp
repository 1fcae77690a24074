#include "plot/ZMViewCommands.h"

#include <algorithm>
#include <cmath>

namespace {

void ScaleX(TCoordinateSettings& v, double f) {
    v.XInterval.Min *= f;
    v.XInterval.Max *= f;
    v.XAxesTicksStep *= f;
    v.XAxesLabelsStep *= f;
    if (v.GridVerEnabled) v.GridVerStep *= f;
}

void ScaleY(TCoordinateSettings& v, double f) {
    v.YInterval.Min *= f;
    v.YInterval.Max *= f;
    v.YAxesTicksStep *= f;
    v.YAxesLabelsStep *= f;
    if (v.GridHorEnabled) v.GridHorStep *= f;
}

void ScaleBoth(TCoordinateSettings& v, double f) {
    if (v.GridRadialEnabled) v.GridRadialStep *= f;
    ScaleX(v, f);
    ScaleY(v, f);
}

void Shift(TInterval& i, double d) {
    i.Min += d;
    i.Max += d;
}

double HalfWidth(const TInterval& i) { return std::abs(i.Max - i.Min) / 2; }

void Center(TInterval& i) {
    const double h = HalfWidth(i);
    if (h != 0) {
        i.Min = -h;
        i.Max = h;
    }
}

// More pixels than a plot can span on an axis.
constexpr double kPlotPixels = 2147483648.0;

// True when the plot's pixels per unit along the axis are a finite number, however wide the plot.
bool FiniteScale(const TInterval& i) { return std::isfinite(kPlotPixels / std::abs(i.Max - i.Min)); }

// An axis the change made infinite, empty or too narrow for a finite scale; one that was so
// before does not count.
bool UsableAxis(const TInterval& before, const TInterval& after) {
    const bool wasFinite = std::isfinite(before.Min) && std::isfinite(before.Max);
    if (wasFinite && !(std::isfinite(after.Min) && std::isfinite(after.Max))) return false;
    if (FiniteScale(before) && !FiniteScale(after)) return false;
    return before.Min == before.Max || after.Min != after.Max;
}

// A step that could be drawn before must stay finite and above 0.
bool UsableStep(double before, double after) {
    if (!(before > 0) || !std::isfinite(before)) return true;
    return std::isfinite(after) && after > 0;
}

}  // namespace

TCoordinateSettings ApplyViewCommand(const TCoordinateSettings& view, TViewCommand command) {
    TCoordinateSettings v = view;
    switch (command) {
    case TViewCommand::ExpandHor: ScaleX(v, 2); break;
    case TViewCommand::ExpandVer: ScaleY(v, 2); break;
    case TViewCommand::ExpandBoth: ScaleBoth(v, 2); break;
    case TViewCommand::ContractHor: ScaleX(v, 0.5); break;
    case TViewCommand::ContractVer: ScaleY(v, 0.5); break;
    case TViewCommand::ContractBoth: ScaleBoth(v, 0.5); break;
    case TViewCommand::MoveLeft: Shift(v.XInterval, -v.XAxesTicksStep); break;
    case TViewCommand::MoveRight: Shift(v.XInterval, v.XAxesTicksStep); break;
    case TViewCommand::MoveUp: Shift(v.YInterval, v.YAxesTicksStep); break;
    case TViewCommand::MoveDown: Shift(v.YInterval, -v.YAxesTicksStep); break;
    case TViewCommand::MoveLeftMore: Shift(v.XInterval, -HalfWidth(v.XInterval)); break;
    case TViewCommand::MoveRightMore: Shift(v.XInterval, HalfWidth(v.XInterval)); break;
    case TViewCommand::MoveUpMore: Shift(v.YInterval, HalfWidth(v.YInterval)); break;
    case TViewCommand::MoveDownMore: Shift(v.YInterval, -HalfWidth(v.YInterval)); break;
    case TViewCommand::ViewCenter:
        Center(v.XInterval);
        Center(v.YInterval);
        break;
    }
    return v;
}

bool IsUsableView(const TCoordinateSettings& before, const TCoordinateSettings& after) {
    return UsableAxis(before.XInterval, after.XInterval) && UsableAxis(before.YInterval, after.YInterval) &&
           UsableStep(before.XAxesTicksStep, after.XAxesTicksStep) &&
           UsableStep(before.YAxesTicksStep, after.YAxesTicksStep) &&
           UsableStep(before.XAxesLabelsStep, after.XAxesLabelsStep) &&
           UsableStep(before.YAxesLabelsStep, after.YAxesLabelsStep) &&
           UsableStep(before.GridVerStep, after.GridVerStep) &&
           UsableStep(before.GridHorStep, after.GridHorStep) &&
           UsableStep(before.GridRadialStep, after.GridRadialStep);
}

double RoundTo3(double v) {
    const double scaled = v * 1000;
    if (!std::isfinite(scaled)) return v;
    return std::nearbyint(scaled) / 1000;
}

void BandToIntervals(double x1, double y1, double x2, double y2, TInterval& x, TInterval& y) {
    auto axis = [](double a, double b, TInterval& out) {
        double lo = std::min(a, b);
        double hi = std::max(a, b);
        if (lo == hi) hi = lo + 1.0;
        out.Min = RoundTo3(lo);
        out.Max = RoundTo3(hi);
        if (out.Max == out.Min) out.Max = out.Min + 0.001;
    };
    axis(x1, x2, x);
    axis(y1, y2, y);
}
