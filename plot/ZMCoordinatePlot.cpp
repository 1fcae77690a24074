// Drawing of the graphs of a graph list on the plane: sampled curves, implicit curves,
// relation regions and tables.

#include "plot/ZMCoordinate.h"

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>
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
    explicit WorldMap(TCoordinate& plane) : WorldMap(plane.GetCanvas(), plane.ScreenMapping()) {}
    // With the mapping the step has computed already; the canvas holds the step's pen.
    WorldMap(TCanvas& canvas, const TScreenMapping& map) : canvas_(canvas), map_(map) {
        const TCanvasPen& pen = canvas_.Pen();
        // A thin solid pen draws a polyline as the union of its segments (each leaves out
        // its end pixel), so a segment that starts where the pen stands may continue it.
        joinable_ = pen.Width <= 1 && (pen.Style == psSolid || pen.Style == psInsideFrame) && pen.Mode == pmCopy;
    }

    int X(double x) const { return map_.X(x); }
    int Y(double y) const { return map_.Y(y); }
    void MoveTo(TPoint p) const { canvas_.MoveTo(p.x, p.y); }
    void LineTo(TPoint p) const { canvas_.LineTo(p.x, p.y); }
    const TScreenMapping& Mapping() const { return map_; }
    // Separate segments in pixels, each from its first point to its second. With an opaque
    // pen the order does not change the pixels; a joinable pen draws them in the order that
    // continues the pen's path most often.
    void Segments(const std::array<TPoint, 3>& from, const std::array<TPoint, 3>& to) const {
        // the orders in turn; the first with the most joins wins
        static constexpr std::array<std::array<uint8_t, 3>, 6> kOrders{
            {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};
        TPoint at = canvas_.PenPos();
        size_t chosen = 0;
        if (joinable_) {
            int starts[3], joins[3][3];
            for (size_t i = 0; i < 3; ++i) {
                starts[i] = from[i] == at;
                for (size_t j = 0; j < 3; ++j) joins[i][j] = from[j] == to[i];
            }
            int best = -1;
            for (size_t k = 0; k < kOrders.size(); ++k) {
                const auto& o = kOrders[k];
                const int n = starts[o[0]] + joins[o[0]][o[1]] + joins[o[1]][o[2]];
                chosen = n > best ? k : chosen;
                best = std::max(n, best);
            }
        }
        for (size_t i : kOrders[chosen]) {
            if (!joinable_ || !(at == from[i])) canvas_.MoveTo(from[i].x, from[i].y);
            canvas_.LineTo(to[i].x, to[i].y);
            at = to[i];
        }
    }

private:
    TCanvas& canvas_;
    const TScreenMapping map_;
    bool joinable_;
};

// A box [x0, x1] x [y0, y1], in world units or in pixel positions.
struct Box {
    double x0, x1, y0, y1;
    // Edges included; not a number lies outside.
    bool Contains(double x, double y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

// The view's box in world units.
Box ViewBox(const TCoordinateSettings& s) { return {s.XInterval.Min, s.XInterval.Max, s.YInterval.Min, s.YInterval.Max}; }

// The part of the segment from (x0, y0) to (x1, y1) within the box: false
// when none of it is, else the parameters 0 <= t0 <= t1 <= 1 of its ends along the segment.
bool ClipSegment(double x0, double y0, double x1, double y1, const Box& box, double& t0, double& t1) {
    if ((x0 < box.x0 && x1 < box.x0) || (x0 > box.x1 && x1 > box.x1) || (y0 < box.y0 && y1 < box.y0) ||
        (y0 > box.y1 && y1 > box.y1))
        return false;
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) return false;
    const double dx = x1 - x0, dy = y1 - y0;
    t0 = 0;
    t1 = 1;
    // one side: the points p * t <= q lie on its inner side
    const auto side = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double r = q / p;
        if (p < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    return side(-dx, x0 - box.x0) && side(dx, box.x1 - x0) && side(-dy, y0 - box.y0) && side(dy, box.y1 - y0);
}

// A path of world points drawn as far as it lies within the plot frame: each segment is cut
// at the frame, and a point outside it starts no line of its own.
class FramePath {
public:
    explicit FramePath(const WorldMap& map) : map_(map) {
        const TScreenMapping& m = map.Mapping();
        // pixel positions that fall on the frame's columns and rows when cut
        box_ = {m.l, m.r + 1, m.t, m.b + 1};
    }

    // A new piece starting at (x, y).
    void Start(double x, double y) {
        at_ = Position(x, y);
        penThere_ = box_.Contains(at_[0], at_[1]);
        if (penThere_) map_.MoveTo(PixelAt(at_[0], at_[1]));
    }
    // The segment from the last point to (x, y).
    void To(double x, double y) {
        const std::array<double, 2> from = at_, to = Position(x, y);
        at_ = to;
        if (box_.Contains(to[0], to[1]) && box_.Contains(from[0], from[1])) {  // nothing to cut
            if (!penThere_) map_.MoveTo(PixelAt(from[0], from[1]));
            map_.LineTo(PixelAt(to[0], to[1]));
            penThere_ = true;
            return;
        }
        double t0, t1;
        if (!ClipSegment(from[0], from[1], to[0], to[1], box_, t0, t1)) {
            penThere_ = false;
            return;
        }
        const double dx = to[0] - from[0], dy = to[1] - from[1];
        if (!penThere_ || t0 > 0) map_.MoveTo(t0 > 0 ? PixelAt(from[0] + t0 * dx, from[1] + t0 * dy) : PixelAt(from[0], from[1]));
        map_.LineTo(t1 < 1 ? PixelAt(from[0] + t1 * dx, from[1] + t1 * dy) : PixelAt(to[0], to[1]));
        penThere_ = t1 == 1;
    }

private:
    std::array<double, 2> Position(double x, double y) const {
        const TScreenMapping& m = map_.Mapping();
        return {m.PosX(x), m.PosY(y)};
    }
    // A position within the box, cut to the pixel of the frame it falls on.
    TPoint PixelAt(double px, double py) const {
        const auto cut = [](double v, double lo, double hi) {
            return std::max(static_cast<int>(lo), std::min(TScreenMapping::Pixel(v), static_cast<int>(hi) - 1));
        };
        return {cut(px, box_.x0, box_.x1), cut(py, box_.y0, box_.y1)};
    }

    const WorldMap& map_;
    Box box_{};
    std::array<double, 2> at_{};
    bool penThere_ = false;  // the pen stands on the last point
};

void SmoothArc(FramePath& path, const TTableElemObj& a, const TTableElemObj& b, const TTableElemObj& c) {
    const double sx = (a.x + b.x) / 2, sy = (a.y + b.y) / 2;
    const double ex = (b.x + c.x) / 2, ey = (b.y + c.y) / 2;
    path.Start(sx, sy);
    for (double t = 0; t <= 1; t += 0.1) {
        const double u = 1 - t;
        path.To(u * u * sx + 2 * t * u * b.x + t * t * ex, u * u * sy + 2 * t * u * b.y + t * t * ey);
    }
}

}  // namespace

// Join-or-skip state of a sampled curve. A sample in the view is broken where it fails or
// jumps too far from the previous one; a sample outside it only where it fails, but no
// segment spans a jump. A good sample joins the previous one unless that one was broken
// or the two lie too far apart, as far as the segment between them lies within the frame.
// Every sample becomes the previous one, broken or not.
struct TCoordinate::Sampler {
    FramePath path;
    const Box view;  // in world units
    double gapX;
    double gapY;
    bool first = true;
    bool prevBroken = true;
    double px = 0;
    double py = 0;

    void Sample(double x, double y, bool failed) {
        const bool jump = !first && (std::abs(x - px) >= gapX || std::abs(y - py) >= gapY);
        const bool broken = failed || (jump && view.Contains(x, y));
        if (!broken) {
            if (prevBroken || jump)
                path.Start(x, y);
            else
                path.To(x, y);
        }
        prevBroken = broken;
        px = x;
        py = y;
        first = false;
    }
};

namespace {

constexpr size_t kChunk = 512;  // samples of a curve evaluated in one batch

// A curve takes at most this many samples per pixel of the plane's longer side, whatever
// its Steps: more change nothing a screen shows and only cost time.
constexpr int64_t kSamplesPerPixel = 256;

int32_t CurveSteps(int32_t steps, int width, int height) {
    const int64_t cap = kSamplesPerPixel * std::max({width, height, 1});
    return static_cast<int32_t>(std::min<int64_t>(steps, cap));
}

// Region cells are no smaller than a pixel: at most one per pixel of the box's extent.
int32_t RegionSteps(int32_t steps, double worldExtent, double pixelsPerUnit) {
    const double pixels = std::floor(std::abs(worldExtent * pixelsPerUnit));
    return !(pixels < steps) ? steps : std::max(1, static_cast<int32_t>(pixels));
}

// The values a sampling loop gives its variable: start, then one step more while keep
// holds; the loop also ends where a step no longer advances. After the loop v holds the
// value the variable was last set to.
template <class Keep>
struct ParameterSweep {
    double v;
    double step;
    Keep keep;
    bool done = false;

    // The next values, at most max of them; 0 at the end.
    size_t Fill(double* out, size_t max) {
        size_t n = 0;
        while (n < max && !done) {
            if (!keep(v)) {
                done = true;
                break;
            }
            out[n++] = v;
            const double next = v + step;
            if (!(next > v))
                done = true;
            else
                v = next;
        }
        return n;
    }
};

template <class Keep>
ParameterSweep<Keep> Sweep(double start, double step, Keep keep) {
    return {start, step, keep};
}

// One formula over the samples of a chunk.
struct Batch {
    TExpCal& e;
    std::vector<double> values = std::vector<double>(kChunk);
    std::vector<uint8_t> ok = std::vector<uint8_t>(kChunk);

    void Run(int slot, const double* samples, size_t n) {
        const zm::TBatchVariable bound{slot, samples};
        e.CalculateBatch({&bound, 1}, n, values.data(), ok.data());
    }
};

// A variable of the memory taken once for a drawing: set by name first, which adds it
// where it is missing, as the drawing always set it; by its index after that.
int TakeSlot(TVarMemory& vars, std::string_view name, double first) {
    vars.SetValue(name, first);
    return vars.IndexOf(name);
}

}  // namespace

void TCoordinate::DrawObjects(TMemory* memory, TOperatorLib& operatorLib, TVarMemory& varMemory,
                              TVarMemory& constMemory) {
    if (!memory) return;
    EnsureImage();
    // A view too narrow for a finite scale puts every point on the same few pixels: nothing
    // of it can be drawn.
    if (!ScreenMapping().Finite()) return;
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
    const int32_t steps = CurveSteps(pp.Steps, width(), height());
    const double dx = (s.XInterval.Max - s.XInterval.Min) / steps;
    const double dy = (s.YInterval.Max - s.YInterval.Min) / steps;
    // The free variable runs across its own axis; the formula gives the other coordinate.
    const TInterval& range = xOfY ? s.YInterval : s.XInterval;
    const double step = xOfY ? dy : dx;
    if (!(step > 0)) return;
    TExpCal e(graph.Exp, operatorLib, varMemory, constMemory);
    const TInterval& in = graph.Interval;
    const bool restricted = in.Min < in.Max;
    const double start = restricted && range.Min < in.Min ? in.Min : range.Min;
    const int slot = TakeSlot(varMemory, xOfY ? "y" : "x", start);
    SaveCanvas();
    graph.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(*this);
    Sampler smp{FramePath(map), ViewBox(s), pp.MaxGap * dx, pp.MaxGap * dy};
    auto sweep = Sweep(start, step, [&](double v) { return v <= range.Max && (!restricted || v <= in.Max); });
    std::vector<double> vs(kChunk);
    Batch f{e};
    while (const size_t n = sweep.Fill(vs.data(), kChunk)) {
        f.Run(slot, vs.data(), n);
        EvaluationCount += n;
        for (size_t i = 0; i < n; ++i) {
            const double w = f.values[i];
            if (xOfY)
                smp.Sample(w, vs[i], !f.ok[i]);
            else
                smp.Sample(vs[i], w, !f.ok[i]);
        }
    }
    varMemory.SetValueAt(slot, sweep.v);
    RestoreCanvas();
}

void TCoordinate::DrawParametric(TFunctionObj& graph, TOperatorLib& operatorLib, TVarMemory& varMemory,
                                 TVarMemory& constMemory) {
    const TCoordinateSettings& s = Settings;
    const TPlotParameter& pp = graph.PlotParameter;
    const TInterval& in = graph.Interval;
    if (pp.Steps < 1) return;
    const int32_t steps = CurveSteps(pp.Steps, width(), height());
    const double dt = (in.Max - in.Min) / steps;
    if (!(dt > 0)) return;
    const double dx = (s.XInterval.Max - s.XInterval.Min) / steps;
    const double dy = (s.YInterval.Max - s.YInterval.Min) / steps;
    TExpCal ex(graph.Exp, operatorLib, varMemory, constMemory);
    TExpCal ey(graph.AddExp, operatorLib, varMemory, constMemory);
    const int slot = TakeSlot(varMemory, "t", in.Min);
    SaveCanvas();
    graph.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(*this);
    Sampler smp{FramePath(map), ViewBox(s), pp.MaxGap * dx, pp.MaxGap * dy};
    auto sweep = Sweep(in.Min, dt, [&](double t) { return t <= in.Max; });
    std::vector<double> ts(kChunk);
    Batch fx{ex}, fy{ey};
    while (const size_t n = sweep.Fill(ts.data(), kChunk)) {
        fx.Run(slot, ts.data(), n);
        fy.Run(slot, ts.data(), n);
        EvaluationCount += 2 * n;
        for (size_t i = 0; i < n; ++i) {
            smp.Sample(fx.values[i], fy.values[i], !fx.ok[i] || !fy.ok[i]);
        }
    }
    varMemory.SetValueAt(slot, sweep.v);
    RestoreCanvas();
}

void TCoordinate::DrawPolar(TFunctionObj& graph, TOperatorLib& operatorLib, TVarMemory& varMemory,
                            TVarMemory& constMemory) {
    const TCoordinateSettings& s = Settings;
    const TPlotParameter& pp = graph.PlotParameter;
    const TInterval& in = graph.Interval;
    if (pp.Steps < 1) return;
    const int32_t steps = CurveSteps(pp.Steps, width(), height());
    const double da = std::numbers::pi * (in.Max - in.Min) / steps;
    if (!(da > 0)) return;
    const double dx = (s.XInterval.Max - s.XInterval.Min) / steps;
    const double dy = (s.YInterval.Max - s.YInterval.Min) / steps;
    TExpCal e(graph.Exp, operatorLib, varMemory, constMemory);
    const double amax = std::numbers::pi * in.Max;
    const double start = std::numbers::pi * in.Min;
    const int slot = TakeSlot(varMemory, "a", start);
    SaveCanvas();
    graph.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(*this);
    Sampler smp{FramePath(map), ViewBox(s), pp.MaxGap * dx, pp.MaxGap * dy};
    auto sweep = Sweep(start, da, [&](double a) { return a <= amax; });
    std::vector<double> as(kChunk), xs(kChunk), ys(kChunk);
    Batch f{e};
    double x = 0, y = 0;  // a failed evaluation keeps the previous point
    while (const size_t n = sweep.Fill(as.data(), kChunk)) {
        f.Run(slot, as.data(), n);
        EvaluationCount += n;
        // the points first, then the drawing: no drawing comes between the sines
        for (size_t i = 0; i < n; ++i) {
            if (f.ok[i]) {
                x = std::cos(as[i]) * f.values[i];
                y = std::sin(as[i]) * f.values[i];
            }
            xs[i] = x;
            ys[i] = y;
        }
        for (size_t i = 0; i < n; ++i) smp.Sample(xs[i], ys[i], !f.ok[i]);
    }
    varMemory.SetValueAt(slot, sweep.v);
    RestoreCanvas();
}

namespace {

// f at a point: its value, or NaN where it failed (a value that did not fail is finite).
constexpr double kFailed = std::numeric_limits<double>::quiet_NaN();

bool Failed(double f) { return std::isnan(f); }

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// The bits in which a and b differ: none for SameBits; combines without branches.
std::uint64_t DiffBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) ^ std::bit_cast<std::uint64_t>(b); }

// A cell of the implicit curve's subdivision with what is known of f on it.
struct ImplicitCell {
    double xa, ya, xb, yb;
    double f[4];  // at (xa, ya), (xb, ya), (xb, yb), (xa, yb)
    // f at the midpoints of the top and bottom edges, where a quarter test left it
    double mid[2];
    bool midKnown[2];
};

// The cells of one depth of the subdivision, in the order the cell-by-cell algorithm
// reaches them, and which of their quarters are traced.
struct ImplicitLevel {
    static constexpr uint8_t kLeaf = 0xFF;
    std::vector<ImplicitCell> cells;
    std::vector<uint8_t> traced;  // per cell: bit k for quarter k, or kLeaf
};

// The edge walk of a quarter test whose corners agree in sign: from the edge's first
// corner in steps of half its length while short of the far corner, so the midpoint and
// the far corner. Calls f(x) for each point.
template <class F>
void EdgeWalk(double xa, double xb, F&& f) {
    const double step = std::abs(xb - xa) / 2;
    int n = 0;
    for (double x = xa; x < xb && n < 3;) {
        const double next = x + step;
        if (!(next > x)) break;
        x = next;
        f(x);
        ++n;
    }
}

// The 3 x 3 points of a split (rows ya, my, yb; columns xa, mx, xb) of which f is not
// known yet: all but the corners and the edge midpoints a quarter test left.
template <class F>
void ForUnknownPoints(const ImplicitCell& c, F&& f) {
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) {
            const bool corner = r != 1 && k != 1;
            const bool knownMid = r != 1 && k == 1 && c.midKnown[r / 2];
            if (!corner && !knownMid) f(r, k);
        }
}

// The formula, the pixel sizes and the batch of points of one implicit-curve trace.
struct ImplicitTrace {
    TExpCal& e;
    std::uint64_t& count;
    double p;   // the smaller world size of a pixel
    double wx;  // world width of a pixel
    double wy;  // world height of a pixel
    int maxDepth;
    int xSlot;
    int ySlot;

    // Points asked for, evaluated together by Evaluate.
    std::vector<double> xs{}, ys{}, f{};
    std::vector<uint8_t> ok{};

    // The last point the cell-by-cell algorithm evaluates (each quarter test's corners and
    // edge points, each leaf's corners, in turn): "x" and "y" hold it after the drawing.
    // It lies on the chain of last quarters from the whole box down.
    bool chain = true;  // the last cell of the depth at hand continues the chain
    double lastX = 0;
    double lastY = 0;

    size_t Ask(double x, double y) {
        xs.push_back(x);
        ys.push_back(y);
        return xs.size() - 1;
    }
    void Reserve(size_t n) {
        xs.reserve(n);
        ys.reserve(n);
    }
    void Evaluate() {
        const size_t n = xs.size();
        ok.resize(n);
        f.resize(n);
        const zm::TBatchVariable bound[] = {{xSlot, xs.data()}, {ySlot, ys.data()}};
        e.CalculateBatch(bound, n, f.data(), ok.data());
        for (size_t i = 0; i < n; ++i)
            if (!ok[i]) f[i] = kFailed;
        count += n;
        xs.clear();
        ys.clear();
    }

    bool Splits(const ImplicitCell& c, int depth, double& mx, double& my) const {
        const double w = std::abs(c.xa - c.xb), h = std::abs(c.ya - c.yb);
        mx = (c.xa + c.xb) / 2;
        my = (c.ya + c.yb) / 2;
        const bool large = w > 4 * p || h > 4 * p;
        const bool withinPixel = w <= wx && h <= wy;
        const bool divisible = mx != c.xa && mx != c.xb && my != c.ya && my != c.yb;
        return large && !withinPixel && divisible && depth < maxDepth;
    }

    ImplicitLevel Split(std::vector<ImplicitCell> cells, int depth, std::vector<ImplicitCell>& next);
};

// How many splits before a split are looked at for a shared edge.
constexpr size_t kShareWindow = 3;

// Splits the cells of one depth that are large enough; the quarters that may hold a zero
// go to next, in order. All new points of the depth are evaluated in two batches: the
// points of the splits, then the edge points of the quarter tests.
ImplicitLevel ImplicitTrace::Split(std::vector<ImplicitCell> cells, int depth, std::vector<ImplicitCell>& next) {
    ImplicitLevel level{std::move(cells), {}};
    level.traced.assign(level.cells.size(), ImplicitLevel::kLeaf);
    // A split's 3 x 3 points (rows ya, my, yb; columns xa, mx, xb), f on them, and the
    // quarter tests of its four quarters.
    enum : uint8_t { kNoZero, kMixed, kWalkTop, kWalkBottom };
    constexpr uint32_t kKnown = UINT32_MAX, kAsk = UINT32_MAX - 1;
    struct SplitGrid {
        size_t cell;
        double gx[3], gy[3];
        double g[3][3];
        uint32_t at[3][3];  // where f of a point is in the batch, or kKnown
        uint8_t test[4];
        uint32_t firstAsk[4];  // the walk's points in the batch, but the far corner
        // every field is set before it is read: no need to clear them first
        struct Uninitialised {};
        explicit SplitGrid(Uninitialised) {}
    };
    std::vector<SplitGrid> splits;
    splits.reserve(level.cells.size());
    Reserve(5 * level.cells.size());
    for (size_t i = 0; i < level.cells.size(); ++i) {
        const ImplicitCell& c = level.cells[i];
        double mx, my;
        if (!Splits(c, depth, mx, my)) continue;
        SplitGrid& s = splits.emplace_back(SplitGrid::Uninitialised());
        s.cell = i;
        s.gx[0] = c.xa, s.gx[1] = mx, s.gx[2] = c.xb;
        s.gy[0] = c.ya, s.gy[1] = my, s.gy[2] = c.yb;
        s.g[0][0] = c.f[0];
        s.g[0][2] = c.f[1];
        s.g[2][2] = c.f[2];
        s.g[2][0] = c.f[3];
        for (int m = 0; m < 2; ++m)
            if (c.midKnown[m]) s.g[m * 2][1] = c.mid[m];
        std::fill_n(&s.at[0][0], 9, kKnown);
        ForUnknownPoints(c, [&](int r, int k) { s.at[r][k] = kAsk; });
        // A split just before may share an edge: its right midpoint is this one's left, its
        // bottom midpoint this one's top.
        for (size_t back = 2; back <= std::min(splits.size(), kShareWindow + 1); ++back) {
            const SplitGrid& t = splits[splits.size() - back];
            // without branches: whether a neighbour shares an edge is anybody's guess
            const bool left = (s.at[1][0] == kAsk) &
                              ((DiffBits(t.gx[2], s.gx[0]) | DiffBits(t.gy[0], s.gy[0]) | DiffBits(t.gy[2], s.gy[2])) == 0);
            const bool top = (s.at[0][1] == kAsk) &
                             ((DiffBits(t.gy[2], s.gy[0]) | DiffBits(t.gx[0], s.gx[0]) | DiffBits(t.gx[2], s.gx[2])) == 0);
            s.at[1][0] = left ? t.at[1][2] : s.at[1][0];
            s.at[0][1] = top ? t.at[2][1] : s.at[0][1];
            s.g[0][1] = top ? t.g[2][1] : s.g[0][1];
        }
        // the middle row, then the middle column: neighbours in the batch share a coordinate
        for (const auto& [r, k] : {std::pair{1, 2}, {1, 0}, {1, 1}, {0, 1}, {2, 1}})
            if (s.at[r][k] == kAsk) s.at[r][k] = static_cast<uint32_t>(Ask(s.gx[k], s.gy[r]));
    }
    if (chain && (splits.empty() || splits.back().cell + 1 != level.cells.size())) {
        // a leaf at the end of the chain: its corner is the last point
        lastX = level.cells.back().xa;
        lastY = level.cells.back().yb;
        chain = false;
    }
    if (splits.empty()) return level;
    Evaluate();

    // The quarters in order, with the corners from the grid; those whose corners agree in
    // sign look along one edge for the other sign. A failed corner takes no part.
    static constexpr unsigned kQuarter[4] = {0b000011011, 0b000110110, 0b011011000, 0b110110000};
    std::vector<double> fresh;  // the split points' values, in asking order
    fresh.swap(f);
    Reserve(8 * splits.size());
    for (SplitGrid& s : splits) {
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k < 3; ++k)
                if (s.at[r][k] != kKnown) s.g[r][k] = fresh[s.at[r][k]];
        unsigned good = 0, pos = 0, neg = 0;
        for (unsigned i = 0; i < 9; ++i) {
            const double v = s.g[i / 3][i % 3];
            good |= static_cast<unsigned>(!Failed(v)) << i;
            pos |= static_cast<unsigned>(v > 0) << i;
            neg |= static_cast<unsigned>(v < 0) << i;
        }
        for (int k = 0; k < 4; ++k) {
            const unsigned q = kQuarter[k], known = good & q;
            s.firstAsk[k] = static_cast<uint32_t>(xs.size());
            if (known == 0) {
                s.test[k] = kNoZero;
            } else if ((pos & q) != known && (neg & q) != known) {
                s.test[k] = kMixed;
            } else {
                const bool above = (pos & q) == known;
                s.test[k] = above ? kWalkTop : kWalkBottom;
                const int r0 = k / 2, c0 = k % 2;
                const double xb = s.gx[c0 + 1], ye = s.gy[above ? r0 : r0 + 1];
                EdgeWalk(s.gx[c0], xb, [&](double x) {
                    if (!SameBits(x, xb)) Ask(x, ye);
                });
            }
        }
    }
    Evaluate();
    next.reserve(4 * splits.size());
    for (size_t si = 0; si < splits.size(); ++si) {
        const SplitGrid& s = splits[si];
        uint8_t traced = 0;
        for (int k = 0; k < 4; ++k) {
            const int r0 = k / 2, c0 = k % 2;
            const double xa = s.gx[c0], xb = s.gx[c0 + 1];
            const double ya = s.gy[r0], yb = s.gy[r0 + 1];
            bool holdsZero = s.test[k] == kMixed;
            bool walked = false;
            const bool above = s.test[k] == kWalkTop;
            double walkX = 0, mid = 0;
            bool midKnown = false;
            if (s.test[k] == kWalkTop || s.test[k] == kWalkBottom) {
                const double far = above ? s.g[r0][c0 + 1] : s.g[r0 + 1][c0 + 1];
                const double cmx = (xa + xb) / 2;
                size_t at = s.firstAsk[k];
                EdgeWalk(xa, xb, [&](double x) {
                    const double v = SameBits(x, xb) ? far : f[at++];
                    if (!Failed(v) && (above ? v < 0 : v > 0)) holdsZero = true;
                    if (SameBits(x, cmx)) {
                        mid = v;
                        midKnown = true;
                    }
                    walkX = x;
                    walked = true;
                });
            }
            if (holdsZero) {
                traced = static_cast<uint8_t>(traced | 1u << k);
                ImplicitCell& q = next.emplace_back();
                q = {xa, ya, xb, yb, {s.g[r0][c0], s.g[r0][c0 + 1], s.g[r0 + 1][c0 + 1], s.g[r0 + 1][c0]}, {0, 0},
                     {false, false}};
                if (midKnown) {
                    q.mid[above ? 0 : 1] = mid;
                    q.midKnown[above ? 0 : 1] = true;
                }
            }
            if (k == 3 && chain && si + 1 == splits.size() && s.cell + 1 == level.cells.size()) {
                // the last quarter of the chain's cell: its corner, then its walk's last point
                lastX = walked ? walkX : xa;
                lastY = walked ? (above ? ya : yb) : yb;
                chain = holdsZero;
            }
        }
        level.traced[s.cell] = traced;
    }
    return level;
}

// The marks of a leaf whose corners all hold a value: the diagonal, the horizontal and the
// vertical edge between the corners of the smallest magnitudes.
void DrawLeafMarks(const WorldMap& map, const ImplicitCell& c) {
    const int xa = map.X(c.xa), ya = map.Y(c.ya), xb = map.X(c.xb), yb = map.Y(c.yb);
    const double a = std::abs(c.f[0]), cc = std::abs(c.f[1]), b = std::abs(c.f[2]), d = std::abs(c.f[3]);
    // diagonals, horizontal edges, vertical edges (chosen without branches)
    const bool diagonal = (a < cc) & (a < d) & (b < cc) & (b < d);
    const bool top = (a < b) & (a < d) & (cc < b) & (cc < d);
    const bool left = (a < b) & (a < cc) & (d < b) & (d < cc);
    const std::array<TPoint, 3> from{TPoint{diagonal ? xa : xb, ya}, TPoint{xa, top ? ya : yb}, TPoint{left ? xa : xb, ya}};
    const std::array<TPoint, 3> to{TPoint{diagonal ? xb : xa, yb}, TPoint{xb, top ? ya : yb}, TPoint{left ? xa : xb, yb}};
    map.Segments(from, to);
}

// The leaves' marks in the cell-by-cell order: a split cell goes through its traced
// quarters in turn (the next cells of the depth below).
void DrawImplicitLeaves(const WorldMap& map, const std::vector<ImplicitLevel>& levels, size_t depth, size_t cell,
                        std::vector<size_t>& cursor) {
    const ImplicitLevel& level = levels[depth];
    const uint8_t traced = level.traced[cell];
    if (traced != ImplicitLevel::kLeaf) {
        for (unsigned k = 0; k < 4; ++k)
            if (traced & 1u << k) DrawImplicitLeaves(map, levels, depth + 1, cursor[depth + 1]++, cursor);
        return;
    }
    const ImplicitCell& c = level.cells[cell];
    if (!Failed(c.f[0]) && !Failed(c.f[1]) && !Failed(c.f[2]) && !Failed(c.f[3])) DrawLeafMarks(map, c);
}

// The clipped box of a relation: the view, narrowed by restricted intervals.
Box RelationBox(const TCoordinateSettings& s, const TFunctionObj& g) {
    Box b = ViewBox(s);
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
    const Box b = RelationBox(Settings, graph);
    if (!(b.x0 < b.x1) || !(b.y0 < b.y1)) return;
    const TScreenMapping screen = ScreenMapping();
    const TPoint p1 = screen(b.x0, b.y1);
    const TPoint p2 = screen(b.x1, b.y0);
    const double dpx = static_cast<double>(p1.x) - p2.x;
    const double dpy = static_cast<double>(p1.y) - p2.y;
    if (dpx == 0 || dpy == 0) return;  // under a pixel wide or high
    const double wx = std::abs((b.x0 - b.x1) / dpx);
    const double wy = std::abs((b.y1 - b.y0) / dpy);
    const double p = std::min(wx, wy);
    if (!(p > 0) || !std::isfinite(p)) return;
    // After this many halvings a cell lies within a pixel both ways; the depth bound holds
    // the subdivision there even where rounding keeps the pixel sizes from stopping it.
    const int maxDepth = static_cast<int>(std::ceil(std::log2(std::max(std::abs(dpx), std::abs(dpy))))) + 2;
    ImplicitTrace t{e, EvaluationCount, p, wx, wy, maxDepth, varMemory.IndexOf("x"), varMemory.IndexOf("y")};
    // The box's corners, then the subdivision depth by depth, then the marks in order.
    ImplicitCell root{b.x0, b.y1, b.x1, b.y0, {}, {0, 0}, {false, false}};
    t.Ask(root.xa, root.ya);
    t.Ask(root.xb, root.ya);
    t.Ask(root.xb, root.yb);
    t.Ask(root.xa, root.yb);
    t.Evaluate();
    std::copy_n(t.f.begin(), 4, root.f);
    std::vector<ImplicitLevel> levels;
    std::vector<ImplicitCell> cells{root};
    for (int depth = 0; !cells.empty(); ++depth) {
        std::vector<ImplicitCell> next;
        levels.push_back(t.Split(std::move(cells), depth, next));
        cells = std::move(next);
    }
    SaveCanvas();
    graph.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(canvas_, screen);
    std::vector<size_t> cursor(levels.size() + 1, 0);
    DrawImplicitLeaves(map, levels, 0, 0, cursor);
    varMemory.SetValue("x", t.lastX);
    varMemory.SetValue("y", t.lastY);
    RestoreCanvas();
}

namespace {

// Pixels lo .. hi - 1 along one axis, as the canvas fills a rectangle.
struct Span {
    int lo, hi;
    bool Empty() const { return lo >= hi; }
};

// The pixels between two edges given in either order, cut to those of clip.
Span Between(int a, int b, Span clip) { return {std::max(std::min(a, b), clip.lo), std::min(std::max(a, b), clip.hi)}; }

}  // namespace

void TCoordinate::DrawRelationRegion(TFunctionObj& graph, TOperatorLib& operatorLib, TVarMemory& varMemory,
                                     TVarMemory& constMemory) {
    TExpCal e("(" + graph.Exp + ")" + graph.AddExp, operatorLib, varMemory, constMemory);
    const Box b = RelationBox(Settings, graph);
    const TPlotParameter& pp = graph.PlotParameter;
    if (pp.StepsOnX < 1 || pp.StepsOnY < 1) return;
    // a box whose extent is beyond the largest double holds no cells
    if (!std::isfinite(b.x1 - b.x0) || !std::isfinite(b.y1 - b.y0)) return;
    const TScreenMapping screen = ScreenMapping();
    const int32_t nx = RegionSteps(pp.StepsOnX, b.x1 - b.x0, screen.kx);
    const int32_t ny = RegionSteps(pp.StepsOnY, b.y1 - b.y0, screen.ky);
    const double cx = (b.x1 - b.x0) / nx;
    const double cy = (b.y1 - b.y0) / ny;
    if (!(cx > 0) || !(cy > 0)) return;
    graph.GraphStyle.LineWidth = 0;
    graph.GraphStyle.LineStyle = psClear;
    SaveCanvas();
    graph.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(canvas_, screen);
    const int sx = Settings.XAxesDirection == 0 ? -1 : 1;
    const int sy = Settings.YAxesDirection == 1 ? -1 : 1;
    // Every fill is cut to the box's pixels: from the edge columns and rows of the box to
    // the far side of the opposite ones.
    const auto edges = [](int p, int q) { return Span{std::min(p, q), std::max(p, q) + 1}; };
    const Span clipX = edges(map.X(b.x0), map.X(b.x1)), clipY = edges(map.Y(b.y0), map.Y(b.y1));
    // The grid nodes of a row, the same for every row, and their cells' pixel columns. Node k
    // lies k cells from the box's edge, so a set symmetric about a node is shaded so.
    std::vector<double> xs(static_cast<size_t>(nx) + 1);
    for (size_t k = 0; k < xs.size(); ++k) xs[k] = b.x0 + static_cast<double>(k) * cx;
    std::vector<Span> columns(xs.size());
    for (size_t i = 0; i < xs.size(); ++i) columns[i] = Between(map.X(xs[i] - cx / 2) + sx, map.X(xs[i] + cx / 2), clipX);
    // Neighbouring cells of a row drawn as one box give the same pixels when filling twice
    // changes nothing (copy mode; hatching is aligned to the image).
    const bool joinCells = canvas_.Pen().Mode == pmCopy;
    const int ySlot = TakeSlot(varMemory, "y", b.y0);
    const int xSlot = TakeSlot(varMemory, "x", b.x0);
    std::vector<double> values(xs.size());
    std::vector<uint8_t> ok(xs.size());
    const zm::TBatchVariable bound{xSlot, xs.data()};
    for (int32_t j = 0; j <= ny; ++j) {
        const double y = b.y0 + j * cy;
        varMemory.SetValueAt(ySlot, y);
        e.CalculateBatch({&bound, 1}, xs.size(), values.data(), ok.data());
        EvaluationCount += xs.size();
        const Span row = Between(map.Y(y - cy / 2), map.Y(y + cy / 2) + sy, clipY);
        if (row.Empty()) continue;
        bool open = false;
        Span run{};
        for (size_t i = 0; i < xs.size(); ++i) {
            const Span cell = columns[i];
            if (!ok[i] || values[i] == 0 || cell.Empty()) continue;
            if (!joinCells) {
                canvas_.Rectangle(cell.lo, row.lo, cell.hi, row.hi);
                continue;
            }
            if (open && cell.lo <= run.hi && cell.hi >= run.lo) {
                run = {std::min(run.lo, cell.lo), std::max(run.hi, cell.hi)};
                continue;
            }
            if (open) canvas_.Rectangle(run.lo, row.lo, run.hi, row.hi);
            run = cell;
            open = true;
        }
        if (open) canvas_.Rectangle(run.lo, row.lo, run.hi, row.hi);
    }
    varMemory.SetValueAt(xSlot, xs.back());
    RestoreCanvas();
}

void TCoordinate::DrawTable(const TTableObj& table) {
    if (table.ShowEnabled == 0 || table.Count() < 2) return;
    EnsureImage();
    SaveCanvas();
    table.GraphStyle.ApplyToCanvas(canvas_);
    const WorldMap map(*this);
    FramePath path(map);
    const std::vector<TTableElemObj>& pts = table.Points;
    path.Start(pts[0].x, pts[0].y);
    if (table.Smooth != 1) {
        for (const TTableElemObj& p : pts) path.To(p.x, p.y);
    } else if (pts.size() == 2) {
        path.To(pts[1].x, pts[1].y);
    } else {
        path.To((pts[0].x + pts[1].x) / 2, (pts[0].y + pts[1].y) / 2);
        for (size_t i = 0; i + 2 < pts.size(); ++i) SmoothArc(path, pts[i], pts[i + 1], pts[i + 2]);
        path.To(pts.back().x, pts.back().y);
    }
    RestoreCanvas();
}

void TCoordinate::DrawSmoothSegment(const TTableElemObj& a, const TTableElemObj& b, const TTableElemObj& c) {
    const WorldMap map(*this);
    FramePath path(map);
    SmoothArc(path, a, b, c);
}
