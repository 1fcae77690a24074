// Drawing of the graphs of a graph list on the plane: sampled curves, implicit curves,
// relation regions and tables.

#include "plot/ZMCoordinate.h"

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numbers>
#include <string_view>

using zm::TExpCal;
using zm::TOperatorLib;
using zm::TVarMemory;

namespace {

// The plane's world-to-pixel mapping with its margins computed once, for one drawing
// step: nothing a step does changes the margins, so every point lands on the pixel
// WorldToScreen gives it.
class WorldMap {
public:
    explicit WorldMap(TCoordinate& plane) : canvas_(plane.GetCanvas()), map_(plane.ScreenMapping()) {
        const TCanvasPen& pen = canvas_.Pen();
        // A thin solid pen draws a polyline as the union of its segments (each leaves out
        // its end pixel), so a segment that starts where the pen stands may continue it.
        joinable_ = pen.Width <= 1 && (pen.Style == psSolid || pen.Style == psInsideFrame) && pen.Mode == pmCopy;
    }

    TPoint operator()(double x, double y) const { return map_(x, y); }
    void MoveTo(double x, double y) const {
        const TPoint p = (*this)(x, y);
        canvas_.MoveTo(p.x, p.y);
    }
    void LineTo(double x, double y) const {
        const TPoint p = (*this)(x, y);
        canvas_.LineTo(p.x, p.y);
    }
    // Separate segments, each from its first point to its second. With an opaque pen the
    // order does not change the pixels; a joinable pen draws them in the order that
    // continues the pen's path most often.
    void Segments(const std::array<std::array<double, 4>, 3>& segs) const {
        std::array<TPoint, 3> from, to;
        for (size_t i = 0; i < 3; ++i) {
            from[i] = (*this)(segs[i][0], segs[i][1]);
            to[i] = (*this)(segs[i][2], segs[i][3]);
        }
        std::array<size_t, 3> order{0, 1, 2};
        if (joinable_) {
            const TPoint at = canvas_.PenPos();
            std::array<size_t, 3> perm{0, 1, 2};
            int best = -1;
            do {
                const int joins = (from[perm[0]] == at) + (from[perm[1]] == to[perm[0]]) + (from[perm[2]] == to[perm[1]]);
                if (joins > best) {
                    best = joins;
                    order = perm;
                }
            } while (best < 3 && std::next_permutation(perm.begin(), perm.end()));
        }
        for (size_t i : order) {
            if (!joinable_ || !(canvas_.PenPos() == from[i])) canvas_.MoveTo(from[i].x, from[i].y);
            canvas_.LineTo(to[i].x, to[i].y);
        }
    }

private:
    TCanvas& canvas_;
    const TScreenMapping map_;
    bool joinable_;
};

void SmoothArc(const WorldMap& map, const TTableElemObj& a, const TTableElemObj& b, const TTableElemObj& c) {
    const double sx = (a.x + b.x) / 2, sy = (a.y + b.y) / 2;
    const double ex = (b.x + c.x) / 2, ey = (b.y + c.y) / 2;
    map.MoveTo(sx, sy);
    for (double t = 0; t <= 1; t += 0.1) {
        const double u = 1 - t;
        map.LineTo(u * u * sx + 2 * t * u * b.x + t * t * ex, u * u * sy + 2 * t * u * b.y + t * t * ey);
    }
}

}  // namespace

// Join-or-skip state of a sampled curve: a good sample joins the previous one unless that
// one was broken; every sample becomes the previous one, broken or not.
struct TCoordinate::Sampler {
    const WorldMap& map;
    double gapX;
    double gapY;
    bool first = true;
    bool prevBroken = true;
    double px = 0;
    double py = 0;

    void Sample(double x, double y, bool broken) {
        if (!first && !broken && (std::abs(x - px) >= gapX || std::abs(y - py) >= gapY)) broken = true;
        if (!broken) {
            if (prevBroken)
                map.MoveTo(x, y);
            else
                map.LineTo(x, y);
        }
        prevBroken = broken;
        px = x;
        py = y;
        first = false;
    }
};

namespace {

bool OutsideRange(double v, double lo, double hi) { return v > hi || v < lo; }

}  // namespace

void TCoordinate::DrawObjects(TMemory* memory, TOperatorLib& operatorLib, TVarMemory& varMemory,
                              TVarMemory& constMemory) {
    if (!memory) return;
    EnsureImage();
    for (size_t i = 0; i < memory->Count(); ++i) {
        const auto idx = static_cast<std::ptrdiff_t>(i);
        if (TFunctionObj* f = memory->GetFunction(idx))
            DrawFunction(*f, operatorLib, varMemory, constMemory);
        else if (const TTableObj* t = memory->GetTable(idx))
            DrawTable(*t);
    }
}

void TCoordinate::DrawFunction(TFunctionObj& graph, TOperatorLib& operatorLib, TVarMemory& varMemory,
                               TVarMemory& constMemory) {
    if (graph.ShowEnabled == 0) return;
    switch (graph.FunctionObjType) {
    case 0: DrawExplicit(graph, operatorLib, varMemory, constMemory, false); break;
    case 1: DrawExplicit(graph, operatorLib, varMemory, constMemory, true); break;
    case 2: DrawPolar(graph, operatorLib, varMemory, constMemory); break;
    case 3: DrawParametric(graph, operatorLib, varMemory, constMemory); break;
    case 4: DrawImplicit(graph, operatorLib, varMemory, constMemory); break;
    default: break;
    }
}

void TCoordinate::DrawImplicit(TFunctionObj& graph, TOperatorLib& operatorLib, TVarMemory& varMemory,
                               TVarMemory& constMemory) {
    if (zm::Trim(graph.AddExp) == "=0")
        DrawImplicitCurve(graph, operatorLib, varMemory, constMemory);
    else
        DrawRelationRegion(graph, operatorLib, varMemory, constMemory);
}

void TCoordinate::DrawExplicit(TFunctionObj& graph, TOperatorLib& operatorLib, TVarMemory& varMemory,
                               TVarMemory& constMemory, bool xOfY) {
    const TCoordinateSettings& s = Settings;
    const TPlotParameter& pp = graph.PlotParameter;
    if (pp.Steps < 1) return;
    const double dx = (s.XInterval.Max - s.XInterval.Min) / pp.Steps;
    const double dy = (s.YInterval.Max - s.YInterval.Min) / pp.Steps;
    // The free variable runs across its own axis; the formula gives the other coordinate.
    const TInterval& range = xOfY ? s.YInterval : s.XInterval;
    const TInterval& valueRange = xOfY ? s.XInterval : s.YInterval;
    const double step = xOfY ? dy : dx;
    const std::string_view name = xOfY ? "y" : "x";
    if (!(step > 0)) return;
    TExpCal e(graph.Exp, operatorLib, varMemory, constMemory);
    const TInterval& in = graph.Interval;
    const bool restricted = in.Min < in.Max;
    double v = range.Min;
    if (restricted && range.Min < in.Min) v = in.Min;
    varMemory.SetValue(name, v);
    SaveCanvas();
    graph.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(*this);
    Sampler smp{map, pp.MaxGap * dx, pp.MaxGap * dy};
    while (v <= range.Max && (!restricted || v <= in.Max)) {
        const bool ok = e.Calculate();
        ++EvaluationCount;
        const double w = e.Value;
        const bool broken = !ok || OutsideRange(w, valueRange.Min, valueRange.Max);
        if (xOfY)
            smp.Sample(w, v, broken);
        else
            smp.Sample(v, w, broken);
        const double next = v + step;
        if (!(next > v)) break;
        v = next;
        varMemory.SetValue(name, v);
    }
    RestoreCanvas();
}

void TCoordinate::DrawParametric(TFunctionObj& graph, TOperatorLib& operatorLib, TVarMemory& varMemory,
                                 TVarMemory& constMemory) {
    const TCoordinateSettings& s = Settings;
    const TPlotParameter& pp = graph.PlotParameter;
    const TInterval& in = graph.Interval;
    if (pp.Steps < 1) return;
    const double dt = (in.Max - in.Min) / pp.Steps;
    if (!(dt > 0)) return;
    const double dx = (s.XInterval.Max - s.XInterval.Min) / pp.Steps;
    const double dy = (s.YInterval.Max - s.YInterval.Min) / pp.Steps;
    TExpCal ex(graph.Exp, operatorLib, varMemory, constMemory);
    TExpCal ey(graph.AddExp, operatorLib, varMemory, constMemory);
    double t = in.Min;
    varMemory.SetValue("t", t);
    SaveCanvas();
    graph.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(*this);
    Sampler smp{map, pp.MaxGap * dx, pp.MaxGap * dy};
    while (t <= in.Max) {
        const bool okx = ex.Calculate();
        const bool oky = ey.Calculate();
        EvaluationCount += 2;
        const double x = ex.Value, y = ey.Value;
        smp.Sample(x, y,
                   !okx || !oky || OutsideRange(x, s.XInterval.Min, s.XInterval.Max) ||
                       OutsideRange(y, s.YInterval.Min, s.YInterval.Max));
        const double next = t + dt;
        if (!(next > t)) break;
        t = next;
        varMemory.SetValue("t", t);
    }
    RestoreCanvas();
}

void TCoordinate::DrawPolar(TFunctionObj& graph, TOperatorLib& operatorLib, TVarMemory& varMemory,
                            TVarMemory& constMemory) {
    const TCoordinateSettings& s = Settings;
    const TPlotParameter& pp = graph.PlotParameter;
    const TInterval& in = graph.Interval;
    if (pp.Steps < 1) return;
    const double da = std::numbers::pi * (in.Max - in.Min) / pp.Steps;
    if (!(da > 0)) return;
    const double dx = (s.XInterval.Max - s.XInterval.Min) / pp.Steps;
    const double dy = (s.YInterval.Max - s.YInterval.Min) / pp.Steps;
    TExpCal e(graph.Exp, operatorLib, varMemory, constMemory);
    const double amax = std::numbers::pi * in.Max;
    double a = std::numbers::pi * in.Min;
    varMemory.SetValue("a", a);
    SaveCanvas();
    graph.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(*this);
    Sampler smp{map, pp.MaxGap * dx, pp.MaxGap * dy};
    double x = 0, y = 0;  // a failed evaluation keeps the previous point
    while (a <= amax) {
        const bool ok = e.Calculate();
        ++EvaluationCount;
        if (ok) {
            x = std::cos(a) * e.Value;
            y = std::sin(a) * e.Value;
        }
        smp.Sample(x, y,
                   !ok || OutsideRange(x, s.XInterval.Min, s.XInterval.Max) ||
                       OutsideRange(y, s.YInterval.Min, s.YInterval.Max));
        const double next = a + da;
        if (!(next > a)) break;
        a = next;
        varMemory.SetValue("a", a);
    }
    RestoreCanvas();
}

// The formula and pixel sizes shared by one implicit-curve trace.
struct TCoordinate::ImplicitTrace {
    TExpCal& e;
    TVarMemory& vars;
    std::uint64_t& count;
    const WorldMap& map;
    double p;   // the smaller world size of a pixel
    double wx;  // world width of a pixel
    double wy;  // world height of a pixel

    // Bits of the last values set: a corner often shares one of them with the one before.
    std::uint64_t setX = 0;
    std::uint64_t setY = 0;
    bool anySet = false;

    bool Eval(double x, double y, double& v) {
        const auto bx = std::bit_cast<std::uint64_t>(x), by = std::bit_cast<std::uint64_t>(y);
        if (!anySet || bx != setX) vars.SetValue("x", x);
        if (!anySet || by != setY) vars.SetValue("y", y);
        setX = bx;
        setY = by;
        anySet = true;
        ++count;
        const bool ok = e.Calculate();
        v = e.Value;
        return ok;
    }
};

namespace {

// The clipped box of a relation: the view, narrowed by restricted intervals.
struct WorldBox {
    double x0, x1, y0, y1;
};

WorldBox RelationBox(const TCoordinateSettings& s, const TFunctionObj& g) {
    WorldBox b{s.XInterval.Min, s.XInterval.Max, s.YInterval.Min, s.YInterval.Max};
    if (g.Interval.Min < g.Interval.Max) {
        b.x0 = std::max(g.Interval.Min, s.XInterval.Min);
        b.x1 = std::min(g.Interval.Max, s.XInterval.Max);
    }
    if (g.AddInterval.Min < g.AddInterval.Max) {
        b.y0 = std::max(g.AddInterval.Min, s.YInterval.Min);
        b.y1 = std::min(g.AddInterval.Max, s.YInterval.Max);
    }
    return b;
}

}  // namespace

void TCoordinate::DrawImplicitCurve(TFunctionObj& graph, TOperatorLib& operatorLib, TVarMemory& varMemory,
                                    TVarMemory& constMemory) {
    TExpCal e(graph.Exp, operatorLib, varMemory, constMemory);
    const WorldBox b = RelationBox(Settings, graph);
    if (!(b.x0 < b.x1) || !(b.y0 < b.y1)) return;
    const TPoint p1 = WorldToScreen(b.x0, b.y1);
    const TPoint p2 = WorldToScreen(b.x1, b.y0);
    const double dpx = static_cast<double>(p1.x) - p2.x;
    const double dpy = static_cast<double>(p1.y) - p2.y;
    if (dpx == 0 || dpy == 0) return;  // under a pixel wide or high
    const double wx = std::abs((b.x0 - b.x1) / dpx);
    const double wy = std::abs((b.y1 - b.y0) / dpy);
    const double p = std::min(wx, wy);
    if (!(p > 0) || !std::isfinite(p)) return;
    SaveCanvas();
    graph.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(*this);
    ImplicitTrace t{e, varMemory, EvaluationCount, map, p, wx, wy};
    TraceImplicitCell(t, b.x0, b.y1, b.x1, b.y0);
    RestoreCanvas();
}

void TCoordinate::TraceImplicitCell(ImplicitTrace& t, double xa, double ya, double xb, double yb) {
    const double w = std::abs(xa - xb), h = std::abs(ya - yb);
    const double mx = (xa + xb) / 2, my = (ya + yb) / 2;
    const bool large = w > 4 * t.p || h > 4 * t.p;
    const bool withinPixel = w <= t.wx && h <= t.wy;
    const bool divisible = mx != xa && mx != xb && my != ya && my != yb;
    if (large && !withinPixel && divisible) {
        const double q[4][4] = {{xa, ya, mx, my}, {mx, ya, xb, my}, {xa, my, mx, yb}, {mx, my, xb, yb}};
        for (const auto& c : q)
            if (CellMayHoldZero(t, c[0], c[1], c[2], c[3])) TraceImplicitCell(t, c[0], c[1], c[2], c[3]);
        return;
    }
    double a = 0, c = 0, b = 0, d = 0;
    bool ok = t.Eval(xa, ya, a);
    ok = t.Eval(xb, ya, c) && ok;
    ok = t.Eval(xb, yb, b) && ok;
    ok = t.Eval(xa, yb, d) && ok;
    if (!ok) return;  // a leaf with a failed corner draws nothing
    a = std::abs(a);
    b = std::abs(b);
    c = std::abs(c);
    d = std::abs(d);
    std::array<std::array<double, 4>, 3> marks;
    // diagonals
    if (a < c && a < d && b < c && b < d)
        marks[0] = {xa, ya, xb, yb};
    else
        marks[0] = {xb, ya, xa, yb};
    // horizontal edges
    if (a < b && a < d && c < b && c < d)
        marks[1] = {xa, ya, xb, ya};
    else
        marks[1] = {xa, yb, xb, yb};
    // vertical edges
    if (a < b && a < c && d < b && d < c)
        marks[2] = {xa, ya, xa, yb};
    else
        marks[2] = {xb, ya, xb, yb};
    t.map.Segments(marks);
}

bool TCoordinate::CellMayHoldZero(ImplicitTrace& t, double xa, double ya, double xb, double yb) {
    const double cx[4] = {xa, xb, xb, xa};
    const double cy[4] = {ya, ya, yb, yb};
    int good = 0, pos = 0, neg = 0;
    for (int i = 0; i < 4; ++i) {
        double v = 0;
        if (!t.Eval(cx[i], cy[i], v)) continue;  // a failed corner takes no part in the sign test
        ++good;
        if (v > 0) ++pos;
        if (v < 0) ++neg;
    }
    if (good == 0) return false;
    if (pos != good && neg != good) return true;
    // All of one sign: look for the other sign along one edge, from its midpoint to its
    // far corner.
    const bool above = pos == good;
    const double ye = above ? ya : yb;
    const double step = std::abs(xb - xa) / 2;
    bool other = false;
    double x = xa;
    while (x < xb) {
        const double next = x + step;
        if (!(next > x)) break;
        x = next;
        double v = 0;
        if (t.Eval(x, ye, v) && (above ? v < 0 : v > 0)) other = true;
    }
    return other;
}

void TCoordinate::DrawRelationRegion(TFunctionObj& graph, TOperatorLib& operatorLib, TVarMemory& varMemory,
                                     TVarMemory& constMemory) {
    TExpCal e("(" + graph.Exp + ")" + graph.AddExp, operatorLib, varMemory, constMemory);
    const WorldBox b = RelationBox(Settings, graph);
    const TPlotParameter& pp = graph.PlotParameter;
    if (pp.StepsOnX < 1 || pp.StepsOnY < 1) return;
    const double cx = (b.x1 - b.x0) / pp.StepsOnX;
    const double cy = (b.y1 - b.y0) / pp.StepsOnY;
    if (!(cx > 0) || !(cy > 0)) return;
    graph.GraphStyle.LineWidth = 0;
    graph.GraphStyle.LineStyle = psClear;
    SaveCanvas();
    graph.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(*this);
    const int sx = Settings.XAxesDirection == 0 ? -1 : 1;
    const int sy = Settings.YAxesDirection == 1 ? -1 : 1;
    for (double y = b.y0; y <= b.y1;) {
        varMemory.SetValue("y", y);
        for (double x = b.x0; x <= b.x1;) {
            varMemory.SetValue("x", x);
            ++EvaluationCount;
            if (e.Calculate() && e.Value != 0) {
                const TPoint pa = map(x - cx / 2, y - cy / 2);
                const TPoint pb = map(x + cx / 2, y + cy / 2);
                canvas_.Rectangle(pa.x + sx, pa.y, pb.x, pb.y + sy);
            }
            const double next = x + cx;
            if (!(next > x)) break;
            x = next;
        }
        const double next = y + cy;
        if (!(next > y)) break;
        y = next;
    }
    RestoreCanvas();
}

void TCoordinate::DrawTable(const TTableObj& table) {
    if (table.ShowEnabled == 0 || table.Count() < 2) return;
    EnsureImage();
    SaveCanvas();
    table.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(*this);
    const std::vector<TTableElemObj>& pts = table.Points;
    map.MoveTo(pts[0].x, pts[0].y);
    if (table.Smooth != 1) {
        for (const TTableElemObj& p : pts) map.LineTo(p.x, p.y);
    } else if (pts.size() == 2) {
        map.LineTo(pts[1].x, pts[1].y);
    } else {
        map.LineTo((pts[0].x + pts[1].x) / 2, (pts[0].y + pts[1].y) / 2);
        for (size_t i = 0; i + 2 < pts.size(); ++i) SmoothArc(map, pts[i], pts[i + 1], pts[i + 2]);
        map.LineTo(pts.back().x, pts.back().y);
    }
    RestoreCanvas();
}

void TCoordinate::DrawSmoothSegment(const TTableElemObj& a, const TTableElemObj& b, const TTableElemObj& c) {
    SmoothArc(WorldMap(*this), a, b, c);
}
