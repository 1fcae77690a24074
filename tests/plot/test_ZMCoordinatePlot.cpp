#include "PlaneFixture.h"
#include "support/PixelSum.h"

#include "storage/ZMDocumentFile.h"
#include "storage/ZMXML.h"

#include <QImage>

#include <array>
#include <chrono>
#include <cmath>
#include <functional>

namespace {

constexpr TColor kInk = 0x0000F0;

TFunctionObj Graph(int kind, const std::string& exp, const std::string& addExp = "") {
    TFunctionObj f;
    f.FunctionObjType = static_cast<uint8_t>(kind);
    f.Exp = exp;
    f.AddExp = addExp;
    f.ShowEnabled = 1;
    f.GraphStyle.LineColor = kInk;
    return f;
}

// Polyline runs of the graph's pen: each starts at a MoveTo.
std::vector<std::vector<TPoint>> Runs(const PlaneFixture& f) {
    std::vector<std::vector<TPoint>> runs;
    for (const TCanvasRecord& r : f.Records(kInk)) {
        if (r.kind == TCanvasRecord::MoveTo) runs.push_back({r.pts[0]});
        if (r.kind == TCanvasRecord::LineTo && !runs.empty()) runs.back().push_back(r.pts[0]);
    }
    return runs;
}

// The plot frame in pixels, as the last mapping laid it out: columns l..r, rows t..b.
struct Frame {
    int l, t, r, b;
    bool Holds(int x, int y) const { return x >= l && x <= r && y >= t && y <= b; }
};

Frame PlotFrame(const TCoordinate& plane) {
    return {plane.MarginLeft, plane.MarginTop, plane.width() - plane.MarginRight, plane.height() - plane.MarginBottom};
}

// Whether a pixel of the picture is not the white background.
bool Inked(const QImage& img, int x, int y) { return (img.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu; }

size_t SegmentCount(const std::vector<std::vector<TPoint>>& runs) {
    size_t n = 0;
    for (const auto& r : runs) n += r.size() - 1;
    return n;
}

}  // namespace

TEST(Plot, CurvesBreakWhereTheyShould) {
    struct Case {
        const char* name;
        TFunctionObj graph;
        // world x values no drawn segment may cross
        std::vector<double> cuts;
        size_t minRuns;
    };
    TFunctionObj xofy = Graph(1, "1/y");
    const Case cases[] = {
        {"1/x: the two branches are not joined", Graph(0, "1/x"), {0}, 2},
        {"tan x broken at its poles", Graph(0, "tan(x)"),
         {-5 * M_PI / 2, -3 * M_PI / 2, -M_PI / 2, M_PI / 2, 3 * M_PI / 2, 5 * M_PI / 2}, 7},
        {"sqrt fails left of 0", Graph(0, "sqrt(x)"), {}, 1},
    };
    for (const Case& c : cases) {
        PlaneFixture f;
        f.memory.AddFunction(c.graph);
        f.DrawObjects();
        const auto runs = Runs(f);
        EXPECT_GE(runs.size(), c.minRuns) << c.name;
        EXPECT_GT(SegmentCount(runs), 200u) << c.name;
        for (const auto& run : runs)
            for (size_t i = 1; i < run.size(); ++i)
                for (double cut : c.cuts) {
                    const int px = f.plane.WorldToScreen(cut, 0).x;
                    EXPECT_FALSE(run[i - 1].x < px && run[i].x > px) << c.name << " joined across " << cut;
                }
    }
    // sqrt draws nothing left of the origin
    PlaneFixture g;
    g.memory.AddFunction(Graph(0, "sqrt(x)"));
    g.DrawObjects();
    for (const auto& run : Runs(g))
        for (const TPoint& p : run) EXPECT_GE(p.x, 230);

    // x = 1/y: broken across y = 0
    PlaneFixture h;
    h.memory.AddFunction(xofy);
    h.DrawObjects();
    const auto runs = Runs(h);
    EXPECT_GE(runs.size(), 2u);
    for (const auto& run : runs)
        for (size_t i = 1; i < run.size(); ++i) EXPECT_FALSE((run[i - 1].y - 230) * (run[i].y - 230) < 0);
}

TEST(Plot, JumpTestAndFirstSample) {
    // View 0..500 x 0..500 with 500 steps: dx = dy = 1; MaxGap 3 makes the limit exactly 3.
    struct Case {
        const char* exp;
        bool broken;
    };
    const Case cases[] = {{"3*(x>=250.5)+100", true}, {"2.9*(x>=250.5)+100", false}};
    for (const Case& c : cases) {
        PlaneFixture f(560, 560);
        f.plane.Settings.XInterval = TInterval::CreateRange(1, 0, 500);
        f.plane.Settings.YInterval = TInterval::CreateRange(1, 0, 500);
        TFunctionObj g = Graph(0, c.exp);
        g.PlotParameter.MaxGap = 3;
        f.memory.AddFunction(g);
        f.DrawObjects();
        const auto runs = Runs(f);
        EXPECT_EQ(runs.size(), c.broken ? 2u : 1u) << c.exp;
        // no jump test on the first sample: it starts at x = XMin even though y is far from 0
        ASSERT_FALSE(runs.empty());
        EXPECT_EQ(runs[0][0], f.plane.WorldToScreen(0, 100)) << c.exp;
    }
}

TEST(Plot, AFailedSampleCountsAsZeroForTheNextJumpTest) {
    // y = 15 right of x = 5, failing left of it; limit in y is 100 * 40 / 500 = 8.
    PlaneFixture f;
    f.plane.Settings.YInterval = TInterval::CreateRange(1, -20, 20);
    TFunctionObj g = Graph(0, "15+0*sqrt(x-5)");
    g.PlotParameter.MaxGap = 100;
    f.memory.AddFunction(g);
    f.DrawObjects();
    const auto runs = Runs(f);
    ASSERT_EQ(runs.size(), 1u);
    // the first good sample (x = 5) jumps from y = 0 and is dropped; the run starts one step later
    const double dx = 20.0 / 500;
    double x = -10;
    while (x < 5) x += dx;
    EXPECT_EQ(runs[0][0], f.plane.WorldToScreen(x + dx, 15));
}

TEST(Plot, RestrictedIntervalsAndTheLastSampledValue) {
    struct Case {
        const char* name;
        uint8_t enabled;
        double min, max;
        double firstX;
    };
    const Case cases[] = {
        {"restricted 2..4", 1, 2, 4, 2},
        {"restricted whatever Enabled says", 0, 2, 4, 2},
        {"interval wider than the view", 1, -50, 50, -10},
    };
    for (const Case& c : cases) {
        PlaneFixture f;
        TFunctionObj g = Graph(0, "x");
        g.Interval = TInterval::CreateRange(c.enabled, c.min, c.max);
        f.memory.AddFunction(g);
        f.DrawObjects();
        const auto runs = Runs(f);
        ASSERT_EQ(runs.size(), 1u) << c.name;
        EXPECT_EQ(runs[0].front(), f.plane.WorldToScreen(c.firstX, c.firstX)) << c.name;
        const double end = std::min(c.max, 10.0);
        EXPECT_LE(runs[0].back().x, f.plane.WorldToScreen(end, 0).x) << c.name;
        EXPECT_GE(runs[0].back().x, f.plane.WorldToScreen(end - 0.04, 0).x) << c.name;
        // x keeps the last value set: the first one beyond the end
        const double last = f.vars.GetValue("x");
        EXPECT_GT(last, end) << c.name;
        EXPECT_LT(last, end + 0.05) << c.name;
    }
    // the empty interval 0..0 leaves the view's range in force
    PlaneFixture f;
    f.memory.AddFunction(Graph(0, "x/2"));
    f.DrawObjects();
    EXPECT_EQ(Runs(f).at(0).front(), f.plane.WorldToScreen(-10, -5));
}

TEST(Plot, PolarAndParametricFullTurns) {
    struct Case {
        const char* name;
        TFunctionObj graph;
        const char* var;
        double lastAtLeast;
    };
    TFunctionObj polar = Graph(2, "5");
    polar.Interval = TInterval::CreateRange(0, 0, 2);
    TFunctionObj param = Graph(3, "5*cos(t)", "5*sin(t)");
    param.Interval = TInterval::CreateRange(0, 0, 2 * M_PI);
    const Case cases[] = {{"polar circle", polar, "a", 2 * M_PI}, {"parametric circle", param, "t", 2 * M_PI}};
    for (const Case& c : cases) {
        PlaneFixture f;
        f.memory.AddFunction(c.graph);
        f.DrawObjects();
        const auto runs = Runs(f);
        ASSERT_EQ(runs.size(), 1u) << c.name;
        EXPECT_GE(runs[0].size(), 500u) << c.name;
        const TPoint first = runs[0].front(), last = runs[0].back();
        EXPECT_EQ(first, f.plane.WorldToScreen(5, 0)) << c.name;
        EXPECT_LE(std::abs(first.x - last.x) + std::abs(first.y - last.y), 2) << c.name << ": the turn closes";
        for (const TPoint& p : runs[0]) {
            const double r = std::hypot(p.x - 230.0, p.y - 230.0);
            EXPECT_NEAR(r, 100, 2) << c.name;
        }
        EXPECT_GE(f.vars.GetValue(c.var), c.lastAtLeast - 1e-9) << c.name;
    }
    // Min >= Max draws nothing; the range never comes from the view
    for (auto [lo, hi] : {std::pair{0.0, 0.0}, std::pair{2.0, 1.0}}) {
        for (int kind : {2, 3}) {
            PlaneFixture f;
            TFunctionObj g = kind == 2 ? polar : param;
            g.Interval = TInterval::CreateRange(1, lo, hi);
            f.memory.AddFunction(g);
            f.DrawObjects();
            EXPECT_TRUE(Runs(f).empty()) << kind << " " << lo << ".." << hi;
        }
    }
}

TEST(Plot, ParametricBreaksWhereXFails) {
    PlaneFixture f;
    TFunctionObj g = Graph(3, "5*cos(t)+0*sqrt(t-3)", "5*sin(t)");
    g.Interval = TInterval::CreateRange(1, 0, 2 * M_PI);
    f.memory.AddFunction(g);
    f.DrawObjects();
    const auto runs = Runs(f);
    ASSERT_EQ(runs.size(), 1u);
    // starts at the first t >= 3, not at t = 0
    const TPoint start = runs[0].front();
    EXPECT_NEAR(start.x, f.plane.WorldToScreen(5 * std::cos(3.0), 0).x, 2);
    EXPECT_NEAR(start.y, f.plane.WorldToScreen(0, 5 * std::sin(3.0)).y, 2);
}

TEST(Plot, ImplicitCurveAndRelationRegion) {
    // the circle of radius 5 as a chain of marks
    PlaneFixture f;
    f.memory.AddFunction(Graph(4, "x*x+y*y-25", " =0 "));
    f.DrawObjects();
    const auto marks = Runs(f);
    ASSERT_GT(marks.size(), 100u);
    int quadrant[4] = {0, 0, 0, 0};
    for (const auto& m : marks)
        for (const TPoint& p : m) {
            const double r = std::hypot(p.x - 230.0, p.y - 230.0);
            EXPECT_NEAR(r, 100, 6);
            quadrant[(p.x > 230 ? 1 : 0) + (p.y > 230 ? 2 : 0)]++;
        }
    for (int q : quadrant) EXPECT_GT(q, 20);
    EXPECT_TRUE(f.Records(TCanvasRecord::Rect).empty() || f.Records(TCanvasRecord::Rect).size() == 1u);

    // the outside of the circle, cell by cell, in the graph's brush without outline
    // ">0": the outside of the circle; "= 0" (blank inside) is a region too: x = y on grid nodes
    for (const char* tail : {">0", "= 0"}) {
        PlaneFixture g;
        const bool outside = std::string(tail) == ">0";
        TFunctionObj region = Graph(4, outside ? "x*x+y*y-25" : "x-y", tail);
        region.GraphStyle.BrushColor = kInk;
        g.memory.AddFunction(region);
        g.DrawObjects();
        std::vector<TCanvasRecord> cells;
        for (const auto& r : g.Records(TCanvasRecord::Rect))
            if (r.brush.Color == kInk) cells.push_back(r);
        // a box per run of drawn cells in a row: one or two a row outside, one on the diagonal
        EXPECT_GT(cells.size(), outside ? 50u : 20u) << tail;
        EXPECT_TRUE(Runs(g).empty()) << tail << ": no curve marks";
        for (const auto& c : cells) {
            EXPECT_EQ(c.pen.Style, psClear);
            EXPECT_EQ(c.brush.Style, bsBDiagonal);
            const double cx = (c.pts[0].x + c.pts[1].x) / 2.0, cy = (c.pts[0].y + c.pts[1].y) / 2.0;
            if (outside)
                EXPECT_GT(std::hypot(cx - 230, cy - 230), 90) << "cell inside the circle";
            else
                EXPECT_NEAR(cx - 230, 230 - cy, 2) << "cell off the diagonal";
        }
        // the region writes its outline settings into the graph
        const TGraphStyle* st = g.memory.GetGraphStyle(0);
        EXPECT_EQ(st->LineWidth, 0);
        EXPECT_EQ(st->LineStyle, psClear);
    }

    // cells: neighbouring rectangles touch (one pixel widened on one side), so a row of
    // drawn cells is one box from the first cell's widened side to the last cell's far side,
    // cut to the box
    PlaneFixture h;
    TFunctionObj all = Graph(4, "1", "");
    all.PlotParameter.StepsOnX = 4;
    all.PlotParameter.StepsOnY = 4;
    h.memory.AddFunction(all);
    h.DrawObjects();
    const auto cells = h.Records(TCanvasRecord::Rect);
    ASSERT_EQ(cells.size(), 5u);
    const TPoint a = h.plane.WorldToScreen(-10, -10);
    const TPoint b = h.plane.WorldToScreen(10, -10 + 2.5);
    EXPECT_EQ(cells[0].pts, (std::vector<TPoint>{{a.x, b.y - 1}, {b.x + 1, a.y + 1}}));
}

TEST(Plot, TablesPolylineAndSmoothed) {
    struct Case {
        const char* name;
        std::vector<std::pair<double, double>> pts;
        uint8_t smooth;
        std::vector<std::pair<double, double>> moves;  // MoveTo points in world units
        size_t lineTos;
    };
    const Case cases[] = {
        {"one point draws nothing", {{1, 1}}, 1, {}, 0},
        {"polyline through every point", {{0, 0}, {2, 4}, {4, 0}}, 0, {{0, 0}}, 3},
        {"two points smoothed: a straight segment", {{0, 0}, {4, 4}}, 1, {{0, 0}}, 1},
        {"three points smoothed: midpoint, one arc, last point", {{0, 0}, {2, 4}, {4, 0}}, 1, {{0, 0}, {1, 2}}, 1 + 11 + 1},
        {"four points smoothed: two arcs", {{0, 0}, {2, 4}, {4, 0}, {6, 4}}, 1, {{0, 0}, {1, 2}, {3, 2}}, 1 + 22 + 1},
    };
    for (const Case& c : cases) {
        PlaneFixture f;
        TTableObj t;
        t.ShowEnabled = 1;
        t.Smooth = c.smooth;
        t.GraphStyle.LineColor = kInk;
        for (auto [x, y] : c.pts) t.AddPoint(x, y);
        f.memory.AddTable(t);
        f.DrawObjects();
        std::vector<TPoint> moves;
        size_t lines = 0;
        TPoint last{};
        for (const auto& r : f.Records(kInk)) {
            if (r.kind == TCanvasRecord::MoveTo) moves.push_back(r.pts[0]);
            if (r.kind == TCanvasRecord::LineTo) {
                ++lines;
                last = r.pts[0];
            }
        }
        std::vector<TPoint> want;
        for (auto [x, y] : c.moves) want.push_back(f.plane.WorldToScreen(x, y));
        EXPECT_EQ(moves, want) << c.name;
        EXPECT_EQ(lines, c.lineTos) << c.name;
        if (c.lineTos) {
            EXPECT_EQ(last, f.plane.WorldToScreen(c.pts.back().first, c.pts.back().second)) << c.name;
        }
    }
    // an arc passes through the midpoints, not through the inner point
    PlaneFixture f;
    f.plane.GetCanvas().SetRecording(&f.rec);
    f.plane.DrawSmoothSegment({0, 0}, {2, 4}, {4, 0});
    ASSERT_EQ(f.rec.size(), 12u);
    EXPECT_EQ(f.rec[1].pts[0], f.plane.WorldToScreen(1, 2));
    EXPECT_EQ(f.rec[6].pts[0], f.plane.WorldToScreen(2, 3));  // t = 0.5: the curve's apex
    EXPECT_EQ(f.rec[11].pts[0], f.plane.WorldToScreen(3, 2));
}

TEST(Plot, HiddenGraphsAndUnknownKindsDrawNothing) {
    PlaneFixture f;
    TFunctionObj hidden = Graph(0, "x");
    hidden.ShowEnabled = 0;
    f.memory.AddFunction(hidden);
    f.memory.AddFunction(Graph(9, "x"));
    TTableObj t;
    t.AddPoint(0, 0);
    t.AddPoint(1, 1);
    t.GraphStyle.LineColor = kInk;
    f.memory.AddTable(t);  // ShowEnabled 0
    f.DrawObjects();
    EXPECT_TRUE(f.Records(kInk).empty());
    f.plane.DrawObjects(nullptr, f.ops, f.vars, f.consts);
}

TEST(Plot, SamplingGuardsEndEveryLoop) {
    struct Case {
        const char* name;
        std::function<void(TCoordinateSettings&, TFunctionObj&)> set;
    };
    const Case cases[] = {
        {"no steps", [](TCoordinateSettings&, TFunctionObj& g) { g.PlotParameter.Steps = 0; }},
        {"negative steps", [](TCoordinateSettings&, TFunctionObj& g) { g.PlotParameter.Steps = -3; }},
        {"empty view", [](TCoordinateSettings& s, TFunctionObj&) { s.XInterval.Max = s.XInterval.Min; s.YInterval.Max = s.YInterval.Min; }},
        {"reversed view", [](TCoordinateSettings& s, TFunctionObj&) { s.XInterval = s.YInterval = TInterval::CreateRange(1, 5, -5); }},
        {"step lost in the view's magnitude",
         [](TCoordinateSettings& s, TFunctionObj&) {
             s.XInterval = TInterval::CreateRange(1, 1e17, 1e17 + 16);
             s.YInterval = TInterval::CreateRange(1, 1e17, 1e17 + 16);
         }},
        {"no region cells", [](TCoordinateSettings&, TFunctionObj& g) { g.PlotParameter.StepsOnX = 0; g.PlotParameter.StepsOnY = -1; }},
    };
    const std::vector<std::pair<int, std::string>> kinds = {{0, ""}, {1, ""}, {2, ""}, {3, "t"}, {4, "=0"}, {4, ">0"}};
    for (const Case& c : cases)
        for (const auto& [kind, add] : kinds) {
            PlaneFixture f(300, 300);
            TFunctionObj g = Graph(kind, kind == 4 ? "x-y" : "x", add);
            g.Interval = TInterval::CreateRange(1, 1e17, 1e17 + 16);
            if (kind == 2 || kind == 3) g.Interval = TInterval::CreateRange(1, 0, 2);
            c.set(f.plane.Settings, g);
            f.memory.AddFunction(g);
            const auto t0 = std::chrono::steady_clock::now();
            f.DrawObjects();
            EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(), 5.0)
                << c.name << " kind " << kind << add;
            EXPECT_LT(f.plane.EvaluationCount, 2000000u) << c.name << " kind " << kind << add;
        }
    // no region cells: the graph keeps its style
    PlaneFixture f;
    TFunctionObj g = Graph(4, "x", ">0");
    g.PlotParameter.StepsOnX = 0;
    f.memory.AddFunction(g);
    f.DrawObjects();
    EXPECT_EQ(f.memory.GetGraphStyle(0)->LineWidth, 1);
}

TEST(Plot, ImplicitCurveOnVeryUnequalScalesStaysCheap) {
    PlaneFixture f(640, 480);
    f.plane.Settings.XInterval = TInterval::CreateRange(1, 0, 10);
    f.plane.Settings.YInterval = TInterval::CreateRange(1, 0, 0.01);
    f.memory.AddFunction(Graph(4, "y-0.005-0.0004*sin(x)", "=0"));
    f.DrawObjects();
    EXPECT_LT(f.plane.EvaluationCount, 400000u);
    const auto marks = Runs(f);
    ASSERT_FALSE(marks.empty());
    int minX = 1 << 20, maxX = -1;
    for (const auto& m : marks)
        for (const TPoint& p : m) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
        }
    EXPECT_LE(minX, 32);
    EXPECT_GE(maxX, 608) << "the whole width is traced";

    // an interval outside the view leaves an empty box: nothing drawn
    PlaneFixture g;
    TFunctionObj outside = Graph(4, "x*x+y*y-25", "=0");
    outside.Interval = TInterval::CreateRange(1, 20, 30);
    g.memory.AddFunction(outside);
    g.DrawObjects();
    EXPECT_TRUE(Runs(g).empty());
    EXPECT_EQ(g.plane.EvaluationCount, 0u);
}

namespace {

using Segment = std::pair<TPoint, TPoint>;

// Every segment of the graph's pen, whether it started with a MoveTo or went on from
// the pen position.
std::vector<Segment> Segments(const PlaneFixture& f) {
    std::vector<Segment> out;
    TPoint at{};
    for (const TCanvasRecord& r : f.Records(kInk)) {
        if (r.kind == TCanvasRecord::LineTo) out.push_back({at, r.pts[0]});
        at = r.pts[0];
    }
    std::sort(out.begin(), out.end(), [](const Segment& a, const Segment& b) {
        return std::tie(a.first.x, a.first.y, a.second.x, a.second.y) <
               std::tie(b.first.x, b.first.y, b.second.x, b.second.y);
    });
    return out;
}

// A view of 32 pixels per unit on a 460 x 460 plane, so boxes of 1/4 are 8 pixels.
void PowerOfTwoView(PlaneFixture& f) {
    f.plane.Settings.XInterval = TInterval::CreateRange(1, -6.25, 6.25);
    f.plane.Settings.YInterval = TInterval::CreateRange(1, -6.25, 6.25);
}

// f(x, y) with the given values at the corners of the box [0, s] x [0, s], bilinear.
std::string Bilinear(double s, double topLeft, double topRight, double bottomRight, double bottomLeft) {
    const auto num = [](double v) { return "(" + std::to_string(v) + ")"; };
    const std::string u = "(x/" + std::to_string(s) + ")", v = "(y/" + std::to_string(s) + ")";
    // bottom-left + (bottom-right - bottom-left) u + (top-left - bottom-left) v + twist u v
    return num(bottomLeft) + "+" + num(bottomRight - bottomLeft) + "*" + u + "+" + num(topLeft - bottomLeft) + "*" + v +
           "+" + num(topRight - topLeft - bottomRight + bottomLeft) + "*" + u + "*" + v;
}

}  // namespace

TEST(Plot, ImplicitLeafDrawsOneMarkPerPairingOfCorners) {
    // A box of 4 pixels a side is a single leaf. Corners: A top-left, C top-right,
    // B bottom-right, D bottom-left; the two smallest magnitudes choose the marks.
    enum Corner { A, C, B, D };
    struct Case {
        const char* name;
        std::string exp;
        std::vector<std::pair<Corner, Corner>> marks;
    };
    const double s = 0.125;
    const Case cases[] = {
        {"A and B smallest: the diagonal A-B", Bilinear(s, 1, 9, -1, 8), {{A, B}, {D, B}, {C, B}}},
        {"C and D smallest: the other diagonal", Bilinear(s, 9, 1, 8, -1), {{C, D}, {D, B}, {C, B}}},
        {"A and C smallest: the top edge", Bilinear(s, -1, 1, 9, 8), {{C, D}, {A, C}, {C, B}}},
        {"A and D smallest: the left edge", Bilinear(s, 1, 9, 8, -1), {{C, D}, {D, B}, {A, D}}},
        {"B and D smallest: bottom edge, right edge", Bilinear(s, 8, 9, 1, -1), {{C, D}, {D, B}, {C, B}}},
        {"comparisons are strict: a tie takes the second choice", Bilinear(s, 2, 2, 2, 2), {{C, D}, {D, B}, {C, B}}},
        {"a magnitude, not a sign: -1 is as small as 1", Bilinear(s, -1, 5, 1, 5), {{A, B}, {D, B}, {C, B}}},
        {"a failed corner draws nothing", "sqrt(x-0.01)+y", {}},
    };
    for (const Case& c : cases) {
        PlaneFixture f;
        PowerOfTwoView(f);
        TFunctionObj g = Graph(4, c.exp, "=0");
        g.Interval = TInterval::CreateRange(1, 0, s);
        g.AddInterval = TInterval::CreateRange(1, 0, s);
        f.memory.AddFunction(g);
        f.DrawObjects();
        const TPoint corner[] = {f.plane.WorldToScreen(0, s), f.plane.WorldToScreen(s, s), f.plane.WorldToScreen(s, 0),
                                 f.plane.WorldToScreen(0, 0)};
        ASSERT_EQ(corner[C].x - corner[A].x, 4) << c.name;
        ASSERT_EQ(corner[D].y - corner[A].y, 4) << c.name;
        PlaneFixture want;
        want.memory.AddFunction(Graph(0, "0"));  // only for the record helper
        for (auto [p, q] : c.marks) {
            want.rec.push_back({TCanvasRecord::MoveTo, {corner[p]}, "", {1, psSolid, kInk, pmCopy}, {}});
            want.rec.push_back({TCanvasRecord::LineTo, {corner[q]}, "", {1, psSolid, kInk, pmCopy}, {}});
        }
        EXPECT_EQ(Segments(f), Segments(want)) << c.name;
        EXPECT_EQ(f.plane.EvaluationCount, 4u) << c.name << ": four corners, no quarter tests";
    }
}

TEST(Plot, ImplicitQuarterTestLooksAlongOneEdge) {
    // A box of 8 pixels splits once; each 4-pixel quarter is tested, then traced as a leaf.
    // Each point is evaluated once: the 3 x 3 points of the split, and of each edge walk
    // its midpoint (its far corner is a point of the split); a leaf reuses its corners.
    struct Case {
        const char* name;
        const char* exp;
        uint64_t evaluations;
        bool drawn;
    };
    const Case cases[] = {
        {"all corners positive, negative at the top midpoint: traced",
         "100*((x-0.0625)^2+(y-0.25)^2)-0.01", 9 + 4, true},
        {"all corners positive, negative only at the bottom midpoint: skipped",
         "100*((x-0.0625)^2+y^2)-0.01", 9 + 4, false},
        {"all corners negative, positive at the bottom midpoint: traced",
         "0.01-100*((x-0.0625)^2+(y-0.125)^2)", 9 + 4, true},
        {"a failed corner takes no part: the others agree, so skipped", "1+0*sqrt(x-0.0625)", 9 + 4, false},
        {"every corner fails: skipped without an edge walk", "sqrt(-1-x)", 9, false},
        {"mixed signs: traced without an edge walk", "x-0.0001", 9 + 2, true},
    };
    for (const Case& c : cases) {
        PlaneFixture f;
        PowerOfTwoView(f);
        TFunctionObj g = Graph(4, c.exp, "=0");
        g.Interval = TInterval::CreateRange(1, 0, 0.25);
        g.AddInterval = TInterval::CreateRange(1, 0, 0.25);
        f.memory.AddFunction(g);
        f.DrawObjects();
        EXPECT_EQ(f.plane.EvaluationCount, c.evaluations) << c.name;
        EXPECT_EQ(!Segments(f).empty(), c.drawn) << c.name;
    }
    // the top-midpoint case traces the top-left quarter only
    PlaneFixture f;
    PowerOfTwoView(f);
    TFunctionObj g = Graph(4, cases[0].exp, "=0");
    g.Interval = TInterval::CreateRange(1, 0, 0.25);
    g.AddInterval = TInterval::CreateRange(1, 0, 0.25);
    f.memory.AddFunction(g);
    f.DrawObjects();
    const TPoint tl = f.plane.WorldToScreen(0, 0.25), mid = f.plane.WorldToScreen(0.125, 0.125);
    for (const Segment& sg : Segments(f))
        for (const TPoint& p : {sg.first, sg.second}) {
            EXPECT_TRUE(p.x >= tl.x && p.x <= mid.x && p.y >= tl.y && p.y <= mid.y) << p.x << "," << p.y;
        }
}

TEST(Plot, SampledPointsLandOnThePlanesPixels) {
    // the drawing maps every sample as WorldToScreen does, whatever the view
    struct Case {
        const char* name;
        int w, h;
        std::function<void(TCoordinateSettings&)> set;
    };
    const Case cases[] = {
        {"default view", 460, 460, [](TCoordinateSettings&) {}},
        {"x runs right to left", 460, 460, [](TCoordinateSettings& s) { s.XAxesDirection = 1; }},
        {"y runs downwards", 460, 460, [](TCoordinateSettings& s) { s.YAxesDirection = 0; }},
        {"equal scale on a wide plane", 700, 400, [](TCoordinateSettings& s) { s.EqualScaleEnabled = 1; }},
        {"a title and a legend take room", 500, 420,
         [](TCoordinateSettings& s) {
             s.TitleTopEnabled = 1;
             s.TitleTop = "Title";
             s.LegendEnabled = 1;
         }},
        {"odd view", 333, 271,
         [](TCoordinateSettings& s) {
             s.XInterval = TInterval::CreateRange(1, -0.3, 7.1);
             s.YInterval = TInterval::CreateRange(1, -3.3, 1.7);
         }},
    };
    for (const Case& c : cases) {
        PlaneFixture f(c.w, c.h);
        c.set(f.plane.Settings);
        TFunctionObj g = Graph(0, "x/3");
        g.PlotParameter.MaxGap = 400;
        f.memory.AddFunction(g);
        f.DrawObjects();
        const TCoordinateSettings& s = f.plane.Settings;
        std::vector<TPoint> want;
        const double dx = (s.XInterval.Max - s.XInterval.Min) / 500;
        for (double x = s.XInterval.Min; x <= s.XInterval.Max; x += dx)
            if (x / 3 >= s.YInterval.Min && x / 3 <= s.YInterval.Max) want.push_back(f.plane.WorldToScreen(x, x / 3));
        std::vector<TPoint> got;
        for (const auto& run : Runs(f)) got.insert(got.end(), run.begin(), run.end());
        // where the curve leaves the view it ends on the frame
        if (s.XInterval.Max / 3 > s.YInterval.Max) {
            ASSERT_FALSE(got.empty()) << c.name;
            EXPECT_EQ(got.back().y, PlotFrame(f.plane).t) << c.name;
            got.pop_back();
        }
        EXPECT_EQ(got, want) << c.name;
    }
}

TEST(Plot, SampledVariableKeepsTheFirstValueBeyondTheRange) {
    struct Case {
        int kind;
        const char* var;
        double start, step, end;  // the loop as the drawing runs it
    };
    const Case cases[] = {
        {0, "x", -10, 20.0 / 500, 10},
        {1, "y", -10, 20.0 / 500, 10},
        {2, "a", 0, M_PI * 1.5 / 500, M_PI * 1.5},
        {3, "t", 0, 1.5 / 500, 1.5},
    };
    for (const Case& c : cases) {
        PlaneFixture f;
        TFunctionObj g = Graph(c.kind, "1", "1");
        if (c.kind >= 2) g.Interval = TInterval::CreateRange(1, 0, 1.5);
        f.vars.SetValue(c.var, 123);
        f.memory.AddFunction(g);
        f.DrawObjects();
        double v = c.start;
        while (v <= c.end) v += c.step;
        EXPECT_EQ(f.vars.GetValue(c.var), v) << c.var;
        for (const char* other : {"x", "y", "a", "t"}) {
            if (std::string(other) != c.var) {
                EXPECT_EQ(f.vars.GetValue(other), 0) << c.var << " touched " << other;
            }
        }
    }
}

TEST(Plot, PolarFailureKeepsThePreviousPointForTheJumpTest) {
    // r = 5 fails for a in (1, 1.05); a limit of 0.4 lets the circle resume at once
    // (jump from the last good point), where (0, 0) would have broken one more sample.
    PlaneFixture f;
    TFunctionObj g = Graph(2, "5+0*sqrt(abs(a-1.025)-0.025)");
    g.Interval = TInterval::CreateRange(1, 0, 2);
    g.PlotParameter.MaxGap = 10;  // 10 * 20 / 500 = 0.4
    f.memory.AddFunction(g);
    f.DrawObjects();
    const auto runs = Runs(f);
    ASSERT_EQ(runs.size(), 2u);
    const double da = 2 * M_PI / 500;
    double a = 0;
    while (!(std::abs(a - 1.025) - 0.025 >= 0 && a > 1)) a += da;
    EXPECT_EQ(runs[1].front(), f.plane.WorldToScreen(5 * std::cos(a), 5 * std::sin(a)));

    // Interval 0..1 is a half turn: from (5, 0) over the top to (-5, 0)
    PlaneFixture h;
    TFunctionObj half = Graph(2, "5");
    half.Interval = TInterval::CreateRange(1, 0, 1);
    h.memory.AddFunction(half);
    h.DrawObjects();
    const auto hr = Runs(h);
    ASSERT_EQ(hr.size(), 1u);
    EXPECT_EQ(hr[0].front(), h.plane.WorldToScreen(5, 0));
    EXPECT_LE(std::abs(hr[0].back().x - h.plane.WorldToScreen(-5, 0).x), 1);
    for (const TPoint& p : hr[0]) EXPECT_LE(p.y, 230);
}

TEST(Plot, RegionCompilesTheTailAfterTheBracketedFormula) {
    struct Case {
        const char* exp;
        const char* tail;
        bool cells;
    };
    const Case cases[] = {
        {"x+y+100", "*0", false},  // "(x+y+100)*0", never "x+y+100*0"
        {"x+y+100", " >0", true},
        {"x*x+y*y", "<0", false},
    };
    // nodes per row: k cells from the edge for k = 0 .. 50
    const size_t nodes = 51;
    for (const Case& c : cases) {
        PlaneFixture f;
        TFunctionObj g = Graph(4, c.exp, c.tail);
        g.GraphStyle.BrushColor = kInk;
        f.memory.AddFunction(g);
        f.DrawObjects();
        EXPECT_EQ(f.plane.EvaluationCount, nodes * nodes) << c.exp << c.tail;
        // every cell drawn: one box a row
        EXPECT_EQ(f.Records(TCanvasRecord::Rect).size(), c.cells ? nodes : 0u) << c.exp << c.tail;
    }
}

TEST(Plot, RegionCellsWidenTowardsTheAxesDirections) {
    struct Case {
        uint8_t xDir, yDir;
        int sx, sy;
    };
    const Case cases[] = {{0, 1, -1, -1}, {1, 1, 1, -1}, {0, 0, -1, 1}, {1, 0, 1, 1}};
    for (const Case& c : cases) {
        PlaneFixture f;
        f.plane.Settings.XAxesDirection = c.xDir;
        f.plane.Settings.YAxesDirection = c.yDir;
        TFunctionObj column = Graph(4, "x>5", "");  // one cell a row: the column at x = 10
        column.PlotParameter.StepsOnX = 2;
        column.PlotParameter.StepsOnY = 2;
        f.memory.AddFunction(column);
        f.DrawObjects();
        const auto cells = f.Records(TCanvasRecord::Rect);
        ASSERT_EQ(cells.size(), 3u);
        // the last cell is centred on (10, 10): corners (a.x + sx, a.y) and (b.x, b.y + sy),
        // cut to the frame's pixels
        const TPoint a = f.plane.WorldToScreen(5, 5), b = f.plane.WorldToScreen(15, 15);
        const TPoint p{a.x + c.sx, a.y}, q{b.x, b.y + c.sy};
        const Frame fr = PlotFrame(f.plane);
        EXPECT_EQ(cells.back().pts, (std::vector<TPoint>{{std::max(std::min(p.x, q.x), fr.l), std::max(std::min(p.y, q.y), fr.t)},
                                                          {std::min(std::max(p.x, q.x), fr.r + 1), std::min(std::max(p.y, q.y), fr.b + 1)}}))
            << int(c.xDir) << int(c.yDir);
    }
}

TEST(Plot, LaterGraphsPaintOverEarlierOnes) {
    PlaneFixture f;
    for (TColor c : {TColor(0x0000FF), TColor(0xFF0000)}) {
        TFunctionObj g = Graph(0, "2");
        g.GraphStyle.LineColor = c;
        f.memory.AddFunction(g);
    }
    f.DrawObjects();
    const TPoint p = f.plane.WorldToScreen(1, 2);
    EXPECT_EQ(f.plane.Picture().pixel(p.x, p.y) & 0xFFFFFF, 0x0000FFu);  // blue, as QRgb
}

TEST(Plot, JoinedImplicitMarksPaintTheSamePixelsAsSeparateOnes) {
    for (uint8_t style : {psSolid, psDot}) {
        PlaneFixture f;
        TFunctionObj g = Graph(4, "x*x+y*y-25", "=0");
        g.GraphStyle.LineStyle = style;
        f.memory.AddFunction(g);
        f.DrawObjects();
        const auto segs = Segments(f);
        const size_t moves = f.Records(TCanvasRecord::MoveTo).size();
        if (style == psSolid)
            EXPECT_LT(moves, segs.size() * 3 / 4) << "a thin solid pen continues its path";
        else
            EXPECT_EQ(moves, segs.size()) << "a dotted pen starts every mark afresh";
        const QImage drawn = f.plane.Picture().copy();
        f.plane.ClearBackground();
        TCanvas& canvas = f.plane.GetCanvas();
        canvas.SetPen({1, style, kInk, pmCopy});
        for (const Segment& s : segs) {
            canvas.MoveTo(s.first.x, s.first.y);
            canvas.LineTo(s.second.x, s.second.y);
        }
        EXPECT_TRUE(f.plane.Picture() == drawn) << int(style);
    }
}

namespace {

TFunctionObj Styled(TFunctionObj g, int32_t width, uint8_t lineStyle, uint8_t brushStyle = bsBDiagonal) {
    g.GraphStyle.LineWidth = width;
    g.GraphStyle.LineStyle = lineStyle;
    g.GraphStyle.BrushStyle = brushStyle;
    g.GraphStyle.BrushColor = 0x00A000;
    return g;
}

TFunctionObj Within(TFunctionObj g, double x0, double x1, double y0, double y1) {
    g.Interval = TInterval::CreateRange(1, x0, x1);
    g.AddInterval = TInterval::CreateRange(1, y0, y1);
    return g;
}

TFunctionObj Steps(TFunctionObj g, int32_t steps, int32_t onX, int32_t onY, double maxGap = 300) {
    g.PlotParameter.Steps = steps;
    g.PlotParameter.StepsOnX = onX;
    g.PlotParameter.StepsOnY = onY;
    g.PlotParameter.MaxGap = maxGap;
    return g;
}

TTableObj Table(uint8_t smooth) {
    TTableObj t;
    t.ShowEnabled = 1;
    t.Smooth = smooth;
    t.GraphStyle.LineColor = 0x804000;
    t.GraphStyle.LineWidth = 2;
    for (int i = 0; i <= 40; ++i) t.AddPoint(-9 + i * 0.45, 6 * std::sin(i * 0.7));
    return t;
}

void LoadBenchmarkDocument(PlaneFixture& f) {
    TDocumentReader r;
    r.Memory = [&](std::unique_ptr<TMemory> m) { f.memory = std::move(*m); };
    r.Coordinate = [&](TXMLNode n) { TZMXML::ReadCoordinate(n, f.plane.Settings); };
    ASSERT_TRUE(LoadDocumentFile(std::string(ZM_SOURCE_DIR) + "/bench/data/plot-bench.xml", r));
}

}  // namespace

// The graphs of the plot tests' views and of the benchmark document, drawn onto a cleared
// plane, against the pixels and the last sampled values looked at and stored for them.
TEST(Plot, DrawingsKeepTheirPixelsAndLastSampledValues) {
    using Settings = TCoordinateSettings;
    struct Case {
        const char* name;
        int w, h;
        std::function<void(PlaneFixture&)> setUp;
        uint64_t pixels;
        double x, y, t, a;  // values left in the variable memory
    };
    const auto graphs = [](std::vector<TFunctionObj> list, std::function<void(Settings&)> view = {}) {
        return [list = std::move(list), view = std::move(view)](PlaneFixture& f) {
            if (view) view(f.plane.Settings);
            for (const TFunctionObj& g : list) f.memory.AddFunction(g);
        };
    };
    const auto powerOfTwo = [](Settings& s) {
        s.XInterval = TInterval::CreateRange(1, -6.25, 6.25);
        s.YInterval = TInterval::CreateRange(1, -6.25, 6.25);
    };
    TFunctionObj polar = Graph(2, "5+0*sqrt(abs(a-1.025)-0.025)");
    polar.Interval = TInterval::CreateRange(1, 0, 2);
    TFunctionObj param = Graph(3, "5*cos(t)+0*sqrt(t-3)", "5*sin(2*t)");
    param.Interval = TInterval::CreateRange(1, 0, 2 * M_PI);
    TFunctionObj wide = Styled(Graph(3, "8*sin(3*t)", "8*cos(5*t)"), 3, psSolid);
    wide.Interval = TInterval::CreateRange(1, -4, 4);
    const Case cases[] = {
        {"y of x: 1/x, tan x, sqrt x, restricted", 460, 460,
         graphs({Graph(0, "1/x"), Styled(Graph(0, "tan(x)"), 1, psDash), Styled(Graph(0, "sqrt(x)"), 2, psSolid),
                 Within(Graph(0, "x/2+1"), 2, 4, 0, 0)}),
         0x693000f7fc42412eull, 4.000000000000002, 0, 0, 0},
        {"x of y and jumps", 460, 460,
         graphs({Graph(1, "1/y"), Steps(Graph(1, "3*(y>=1.5)+y"), 500, 50, 50, 3),
                 Steps(Graph(0, "15+0*sqrt(x-5)"), 500, 50, 50, 100)}),
         0x4b3622c73473f25eull, 10.039999999999926, 10.039999999999926, 0, 0},
        {"polar and parametric turns", 460, 460,
         graphs({Steps(polar, 500, 50, 50, 10), param, wide, Styled(Graph(2, "3*cos(4*a)"), 1, psDot)}),
         0xddefb4eefdb1d256ull, 0, 0, 4.000000000000006, 6.283185307179631},
        {"implicit circle, thin solid", 460, 460, graphs({Graph(4, "x*x+y*y-25", " =0 ")}), 0x65eb1c25330448b6ull, 10, -5, 0, 0},
        {"implicit circle, dotted and wide", 460, 460,
         graphs({Styled(Graph(4, "x*x+y*y-25", "=0"), 1, psDot), Styled(Graph(4, "x*x/4+y*y-36", "=0"), 3, psSolid)}),
         0xda797de276e332a6ull, 10, -7.5, 0, 0},
        {"implicit with failing corners", 460, 460,
         graphs({Graph(4, "ln(x)+y", "=0"), Graph(4, "sqrt(x*x+y*y-9)-2+0*sqrt(y)", "=0"),
                 Graph(4, "1/(x-y)-0.5", "=0")}),
         0x3a38b838ca4675e3ull, 10, -10, 0, 0},
        {"implicit sin x*sin y-0.2, restricted", 500, 420,
         graphs({Within(Graph(4, "sin x*sin y-0.2", "=0"), -7, 5, -3, 9)}), 0x2fb7aeaad9e1a343ull, 5, -3, 0, 0},
        {"implicit on very unequal scales", 640, 480,
         graphs({Graph(4, "y-0.005-0.0004*sin(x)", "=0")},
                [](Settings& s) {
                    s.XInterval = TInterval::CreateRange(1, 0, 10);
                    s.YInterval = TInterval::CreateRange(1, 0, 0.01);
                }),
         0x5ab452ca53bd9d66ull, 10, 0, 0, 0},
        {"implicit on a power-of-two view", 460, 460,
         graphs({Within(Graph(4, "100*((x-0.0625)^2+(y-0.25)^2)-0.01", "=0"), 0, 0.25, 0, 0.25),
                 Graph(4, "x*x-y*y*y-2", "=0")},
                powerOfTwo),
         0xef1fa83194632f16ull, 6.25, -3.125, 0, 0},
        {"regions: outside a circle, x = y, everything", 460, 460,
         graphs({Graph(4, "x*x+y*y-25", ">0"), Styled(Graph(4, "x-y", "= 0"), 1, psSolid, bsSolid),
                 Steps(Styled(Graph(4, "1", ""), 1, psSolid, bsCross), 500, 4, 4)}),
         0x29a1e3c6cf2497feull, 10, 10, 0, 0},
        {"regions: fine and uneven cells, restricted", 460, 460,
         graphs({Steps(Styled(Graph(4, "sin(x)*cos(y)-0.3", ">0"), 1, psSolid, bsDiagCross), 500, 100, 37),
                 Within(Steps(Styled(Graph(4, "x^2/16+y^2/4-1", "<0"), 1, psSolid, bsFDiagonal), 500, 60, 60), -3, 7,
                        -2, 9)}),
         0x2748b234ea1779ebull, 7, 9, 0, 0},
        {"x right to left, y downwards", 460, 460,
         graphs({Graph(0, "x/3"), Graph(4, "x*x+y*y-25", "=0"), Graph(4, "x+y", ">0"), polar},
                [](Settings& s) {
                    s.XAxesDirection = 1;
                    s.YAxesDirection = 0;
                }),
         0x976e3b6477eae3d3ull, 10, 10, 0, 6.283185307179631},
        {"odd view and equal scale", 700, 400,
         graphs({Graph(0, "x/3"), Graph(4, "x*x-y*y-1", "=0"), Graph(4, "sin(x*y)", ">0")},
                [](Settings& s) {
                    s.XInterval = TInterval::CreateRange(1, -0.3, 7.1);
                    s.YInterval = TInterval::CreateRange(1, -3.3, 1.7);
                    s.EqualScaleEnabled = 1;
                }),
         0xf83482ae46ce70f3ull, 7.1, 1.7000000000000002, 0, 0},
        {"tables", 460, 460,
         [](PlaneFixture& f) {
             f.memory.AddTable(Table(0));
             f.memory.AddTable(Table(1));
         },
         0x84027325998c107eull, 0, 0, 0, 0},
        {"the benchmark document", 1280, 960, LoadBenchmarkDocument, 0x2abe3e32ad99428cull, 10, 10, 6.289468492486653, 6.289468492486653},
    };
    for (const Case& c : cases) {
        PlaneFixture f(c.w, c.h);
        c.setUp(f);
        f.DrawObjects();
        EXPECT_EQ(PixelSum(f.plane.Picture()), c.pixels) << c.name;
        const double left[] = {f.vars.GetValue("x"), f.vars.GetValue("y"), f.vars.GetValue("t"), f.vars.GetValue("a")};
        EXPECT_EQ(left[0], c.x) << c.name;
        EXPECT_EQ(left[1], c.y) << c.name;
        EXPECT_EQ(left[2], c.t) << c.name;
        EXPECT_EQ(left[3], c.a) << c.name;
    }
}

TEST(Plot, RegionBoxesPaintTheCellsPixels) {
    // Each drawn cell as its own rectangle, centred on node k of its row at k cells from the
    // box's edge, against the drawing, which fills a run of neighbouring cells as one box and
    // cuts every fill to the box.
    struct Case {
        const char* name;
        TFunctionObj graph;
        uint8_t xDir, yDir;
        uint8_t penMode;
    };
    const auto region = [](const char* exp, uint8_t brush, int32_t onX, int32_t onY) {
        TFunctionObj g = Steps(Styled(Graph(4, exp, ">0"), 1, psSolid, brush), 500, onX, onY);
        g.GraphStyle.BrushColor = kInk;
        return g;
    };
    const Case cases[] = {
        {"hatched, default view", region("sin(x)*cos(y)-0.3", bsBDiagonal, 50, 50), 0, 1, pmCopy},
        {"solid, uneven cells", region("x*x/16+y*y/4-1", bsSolid, 37, 61), 0, 1, pmCopy},
        {"crossed, x right to left", region("sin(x*y)", bsDiagCross, 80, 30), 1, 1, pmCopy},
        {"vertical, y downwards", region("x-y*y/5", bsVertical, 23, 41), 0, 0, pmCopy},
        {"both reversed, cells of a few pixels", region("cos(x)+cos(y)", bsHorizontal, 100, 100), 1, 0, pmCopy},
        {"restricted box", Within(region("1", bsFDiagonal, 7, 5), -3.3, 6.1, -2, 8.8), 0, 1, pmCopy},
        {"not-xor pen: cells one by one", region("sin(x)*cos(y)-0.3", bsSolid, 50, 50), 0, 1, pmNotXor},
    };
    for (const Case& c : cases) {
        PlaneFixture f;
        f.plane.Settings.XAxesDirection = c.xDir;
        f.plane.Settings.YAxesDirection = c.yDir;
        f.memory.AddFunction(c.graph);
        f.plane.SetMemory(&f.memory);
        f.plane.ClearBackground();
        TCanvas& canvas = f.plane.GetCanvas();
        canvas.SetPenMode(c.penMode);
        canvas.SetRecording(&f.rec);
        f.plane.DrawObjects(&f.memory, f.ops, f.vars, f.consts);
        canvas.SetRecording(nullptr);
        const QImage drawn = f.plane.Picture().copy();

        canvas.SetPenMode(pmCopy);
        f.plane.ClearBackground();
        canvas.SetPenMode(c.penMode);
        c.graph.GraphStyle.ApplyToCanvas(canvas);
        canvas.SetPenStyle(psClear);
        const TCoordinateSettings& s = f.plane.Settings;
        const TFunctionObj& g = c.graph;
        const double x0 = std::max(g.Interval.Min < g.Interval.Max ? g.Interval.Min : s.XInterval.Min, s.XInterval.Min);
        const double x1 = std::min(g.Interval.Min < g.Interval.Max ? g.Interval.Max : s.XInterval.Max, s.XInterval.Max);
        const double y0 = std::max(g.AddInterval.Min < g.AddInterval.Max ? g.AddInterval.Min : s.YInterval.Min, s.YInterval.Min);
        const double y1 = std::min(g.AddInterval.Min < g.AddInterval.Max ? g.AddInterval.Max : s.YInterval.Max, s.YInterval.Max);
        const double cx = (x1 - x0) / g.PlotParameter.StepsOnX, cy = (y1 - y0) / g.PlotParameter.StepsOnY;
        const int sx = c.xDir == 0 ? -1 : 1, sy = c.yDir == 1 ? -1 : 1;
        zm::TExpCal e("(" + g.Exp + ")" + g.AddExp, f.ops, f.vars, f.consts);
        size_t cells = 0;
        for (int j = 0; j <= g.PlotParameter.StepsOnY; ++j)
            for (int k = 0; k <= g.PlotParameter.StepsOnX; ++k) {
                const double x = x0 + k * cx, y = y0 + j * cy;
                f.vars.SetValue("x", x);
                f.vars.SetValue("y", y);
                if (!e.Calculate() || e.Value == 0) continue;
                const TPoint a = f.plane.WorldToScreen(x - cx / 2, y - cy / 2);
                const TPoint b = f.plane.WorldToScreen(x + cx / 2, y + cy / 2);
                canvas.Rectangle(a.x + sx, a.y, b.x, b.y + sy);
                ++cells;
            }
        EXPECT_GT(cells, 20u) << c.name;
        // the same pixels within the box, none beyond it
        const TPoint p0 = f.plane.WorldToScreen(x0, y0), p1 = f.plane.WorldToScreen(x1, y1);
        const QImage& cellByCell = f.plane.Picture();
        int differ = 0, beyond = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const bool inBox = x >= std::min(p0.x, p1.x) && x <= std::max(p0.x, p1.x) && y >= std::min(p0.y, p1.y) &&
                                   y <= std::max(p0.y, p1.y);
                if (inBox)
                    differ += drawn.pixel(x, y) != cellByCell.pixel(x, y);
                else
                    beyond += Inked(drawn, x, y);
            }
        EXPECT_EQ(differ, 0) << c.name;
        EXPECT_EQ(beyond, 0) << c.name;
        const size_t boxes = f.Records(TCanvasRecord::Rect).size();
        if (c.penMode == pmCopy)
            EXPECT_LT(boxes * 2, cells) << c.name;
        else
            EXPECT_EQ(boxes, cells) << c.name;
    }
}

TEST(Plot, HugeStepCountsAreBoundedByThePlanesPixels) {
    // A curve takes at most 256 samples per pixel of the plane's longer side, a region at
    // most a cell per pixel; the graph keeps the counts it was given.
    constexpr int32_t kHuge = 2147483647;
    const int side = 200;  // the plot rectangle of the default view: 140 pixels a side
    const int32_t curveCap = 256 * side;
    struct Case {
        const char* name;
        TFunctionObj graph;
        uint64_t mostEvaluations;
        int32_t cappedSteps, cappedOnX, cappedOnY;  // drawing with these gives the same picture
    };
    TFunctionObj polar = Steps(Graph(2, "4*cos(3*a)"), kHuge, 50, 50);
    polar.Interval = TInterval::CreateRange(1, 0, 2);
    TFunctionObj param = Steps(Graph(3, "6*cos(3*t)", "6*sin(2*t)"), kHuge, 50, 50);
    param.Interval = TInterval::CreateRange(1, 0, 7);
    const Case cases[] = {
        {"y of x", Steps(Graph(0, "sin(3*x)*5"), kHuge, 50, 50), curveCap + 2u, curveCap, 50, 50},
        {"x of y", Steps(Graph(1, "y^3/50-y"), kHuge, 50, 50), curveCap + 2u, curveCap, 50, 50},
        {"polar", polar, curveCap + 2u, curveCap, 50, 50},
        {"parametric", param, 2 * (curveCap + 2u), curveCap, 50, 50},
        {"region", Steps(Graph(4, "sin(x)*cos(y)-0.3", ">0"), 500, kHuge, kHuge), 142u * 142u, 500, 140, 140},
        {"region, one count huge", Steps(Graph(4, "x*x+y*y-25", "<0"), 500, 20, kHuge), 22u * 142u, 500, 20, 140},
    };
    // drawn without recording: the primitives of so many samples cost more than the drawing
    const auto draw = [](PlaneFixture& f) {
        f.plane.ClearBackground();
        f.plane.DrawObjects(&f.memory, f.ops, f.vars, f.consts);
    };
    for (const Case& c : cases) {
        PlaneFixture f(side, side);
        f.memory.AddFunction(c.graph);
        draw(f);
        EXPECT_LE(f.plane.EvaluationCount, c.mostEvaluations) << c.name;
        EXPECT_GT(f.plane.EvaluationCount, c.mostEvaluations / 4) << c.name;
        EXPECT_EQ(f.memory.GetFunction(0)->PlotParameter.Steps, c.graph.PlotParameter.Steps) << c.name;
        EXPECT_EQ(f.memory.GetFunction(0)->PlotParameter.StepsOnX, c.graph.PlotParameter.StepsOnX) << c.name;
        EXPECT_EQ(f.memory.GetFunction(0)->PlotParameter.StepsOnY, c.graph.PlotParameter.StepsOnY) << c.name;
        PlaneFixture capped(side, side);
        capped.memory.AddFunction(Steps(c.graph, c.cappedSteps, c.cappedOnX, c.cappedOnY));
        draw(capped);
        EXPECT_TRUE(f.plane.Picture() == capped.plane.Picture()) << c.name;
    }
}

TEST(Plot, AViewTooNarrowForAFiniteScaleDrawsNothing) {
    // 400 pixels over 2E-307 make a scale beyond the largest double: nothing can be drawn
    // there. One a little wider still has a finite scale and draws with a bounded effort.
    struct Case {
        double half;  // the view's y interval is -half .. half
        bool drawn;
    };
    const Case cases[] = {{1e-307, false}, {4e-306, true}, {1e-305, true}};
    for (const Case& c : cases) {
        PlaneFixture f;
        f.plane.Settings.YInterval = TInterval::CreateRange(1, -c.half, c.half);
        TFunctionObj polar = Graph(2, "5");
        polar.Interval = TInterval::CreateRange(1, 0, 2);
        TFunctionObj param = Graph(3, "t", "t*1e-307");
        param.Interval = TInterval::CreateRange(1, -5, 5);
        for (const TFunctionObj& g : {Graph(4, "x^2+y^2-16", "=0"), Graph(4, "x*x+y", ">0"), Graph(0, "0*x"),
                                      Graph(1, "y*1e306"), polar, param})
            f.memory.AddFunction(g);
        f.memory.AddTable(Table(0));
        f.DrawObjects();
        EXPECT_EQ(!f.rec.empty(), c.drawn) << c.half;
        EXPECT_LT(f.plane.EvaluationCount, 200000u) << c.half;
        if (!c.drawn) {
            EXPECT_EQ(f.plane.EvaluationCount, 0u) << c.half;
        }
    }
}


TEST(Plot, TanBranchesReachTheTopAndBottomOfTheFrame) {
    PlaneFixture f;
    f.memory.AddFunction(Graph(0, "tan(x)"));
    f.DrawObjects();
    const QImage& img = f.plane.Picture();
    const Frame fr = PlotFrame(f.plane);
    // the branches between the poles in view, with the frame rows each one runs to
    struct Branch {
        double from, to;
        bool top, bottom;
    };
    const double p = M_PI / 2;
    const Branch branches[] = {{-10, -5 * p, true, false}, {-5 * p, -3 * p, true, true}, {-3 * p, -p, true, true},
                               {-p, p, true, true},        {p, 3 * p, true, true},       {3 * p, 5 * p, true, true},
                               {5 * p, 10, false, true}};
    for (const Branch& br : branches) {
        const int x0 = f.plane.WorldToScreen(br.from, 0).x + 1, x1 = f.plane.WorldToScreen(br.to, 0).x - 1;
        int top = img.height(), bottom = -1;
        for (int x = std::max(x0, fr.l); x <= std::min(x1, fr.r); ++x)
            for (int y = 0; y < img.height(); ++y)
                if (Inked(img, x, y)) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        if (br.top) {
            EXPECT_LE(top, fr.t + 1) << "branch " << br.from << " .. " << br.to;
        }
        if (br.bottom) {
            EXPECT_GE(bottom, fr.b - 1) << "branch " << br.from << " .. " << br.to;
        }
    }
}

TEST(Plot, CurvesLeavingTheViewAreDrawnToTheFrame) {
    // Curves crossing sides of the frame with samples far apart: each side crossed has ink
    // within a pixel of it.
    constexpr unsigned kLeft = 1, kRight = 2, kTop = 4, kBottom = 8;
    struct Case {
        const char* name;
        TFunctionObj graph;
        unsigned sides;
    };
    TFunctionObj polar = Steps(Graph(2, "12"), 50, 50, 50);
    polar.Interval = TInterval::CreateRange(1, 0, 2);
    TFunctionObj param = Steps(Graph(3, "12*cos(t)", "12*sin(t)"), 50, 50, 50);
    param.Interval = TInterval::CreateRange(1, 0, 2 * M_PI);
    const Case cases[] = {
        {"y of x", Steps(Graph(0, "12*(sin(0.6283185307179586*x))^3"), 50, 50, 50), kTop | kBottom},
        {"x of y", Steps(Graph(1, "12*(sin(0.6283185307179586*y))^3"), 50, 50, 50), kLeft | kRight},
        {"polar", polar, kLeft | kRight | kTop | kBottom},
        {"parametric", param, kLeft | kRight | kTop | kBottom},
    };
    for (const Case& c : cases) {
        PlaneFixture f;
        f.memory.AddFunction(c.graph);
        f.DrawObjects();
        const QImage& img = f.plane.Picture();
        const Frame fr = PlotFrame(f.plane);
        unsigned reached = 0;
        for (int y = fr.t; y <= fr.b; ++y)
            for (int x = fr.l; x <= fr.r; ++x)
                if (Inked(img, x, y))
                    reached |= (x <= fr.l + 1 ? kLeft : 0u) | (x >= fr.r - 1 ? kRight : 0u) | (y <= fr.t + 1 ? kTop : 0u) |
                               (y >= fr.b - 1 ? kBottom : 0u);
        EXPECT_EQ(reached & c.sides, c.sides) << c.name;
    }
}

TEST(Plot, NoGraphPixelLiesOutsideThePlotFrame) {
    struct Case {
        const char* name;
        std::function<void(PlaneFixture&)> setUp;
    };
    const auto graph = [](TFunctionObj g, double lo = 0, double hi = 0) {
        if (lo < hi) g.Interval = TInterval::CreateRange(1, lo, hi);
        return [g](PlaneFixture& f) { f.memory.AddFunction(g); };
    };
    const auto table = [](uint8_t smooth) {
        return [smooth](PlaneFixture& f) {
            TTableObj t;
            t.ShowEnabled = 1;
            t.Smooth = smooth;
            t.GraphStyle.LineColor = kInk;
            for (int i = 0; i <= 12; ++i) t.AddPoint(-14 + i * 2.5, (i % 2 ? 1 : -1) * (6 + i));
            f.memory.AddTable(t);
        };
    };
    TFunctionObj region = Graph(4, "x*x+y*y-25", ">0");
    region.GraphStyle.BrushStyle = bsSolid;
    const Case cases[] = {
        {"y of x", graph(Graph(0, "x^3"))},
        {"x of y", graph(Graph(1, "y^3"))},
        {"polar spiral", graph(Graph(2, "a"), 0, 8)},
        {"parametric", graph(Graph(3, "15*cos(t)", "15*sin(3*t)"), 0, 2 * M_PI)},
        {"implicit curve", graph(Graph(4, "x*x+y*y-150", "=0"))},
        {"region", graph(region)},
        {"table", table(0)},
        {"smoothed table", table(1)},
    };
    for (const Case& c : cases)
        for (uint8_t reversed : {0, 1}) {
            PlaneFixture f;
            f.plane.Settings.XAxesDirection = reversed;
            f.plane.Settings.YAxesDirection = reversed ? 0 : 1;
            c.setUp(f);
            f.DrawObjects();
            const QImage& img = f.plane.Picture();
            const Frame fr = PlotFrame(f.plane);
            int inside = 0, outside = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (Inked(img, x, y)) ++(fr.Holds(x, y) ? inside : outside);
            EXPECT_GT(inside, 100) << c.name << (reversed ? ", reversed axes" : "");
            EXPECT_EQ(outside, 0) << c.name << (reversed ? ", reversed axes" : "");
        }
}

namespace {

// The extreme shaded columns and rows of a picture: left, top, right, bottom.
std::array<int, 4> ShadedBounds(const QImage& img) {
    std::array<int, 4> b{img.width(), img.height(), -1, -1};
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (Inked(img, x, y)) {
                b[0] = std::min(b[0], x);
                b[1] = std::min(b[1], y);
                b[2] = std::max(b[2], x);
                b[3] = std::max(b[3], y);
            }
    return b;
}

TFunctionObj Shaded(const char* exp, const char* tail) {
    TFunctionObj g = Graph(4, exp, tail);
    g.GraphStyle.BrushStyle = bsSolid;
    g.GraphStyle.BrushColor = kInk;
    return g;
}

}  // namespace

TEST(Plot, ADiscIsShadedSymmetricAboutItsCentre) {
    for (double half : {10.0, 5.0, 6.4}) {
        PlaneFixture f;
        f.plane.Settings.XInterval = TInterval::CreateRange(1, -half, half);
        f.plane.Settings.YInterval = TInterval::CreateRange(1, -half, half);
        f.memory.AddFunction(Shaded("x^2+y^2-16", "<0"));
        f.DrawObjects();
        const std::array<int, 4> b = ShadedBounds(f.plane.Picture());
        const TScreenMapping m = f.plane.ScreenMapping();
        // the centre's position between pixels; pixel c covers c .. c + 1
        const double cx = m.l + half * m.kx, cy = m.t + half * m.ky;
        EXPECT_NEAR(cx - b[0], b[2] + 1 - cx, 1) << "view +-" << half;
        EXPECT_NEAR(cy - b[1], b[3] + 1 - cy, 1) << "view +-" << half;
        // half a cell beyond the last node inside, and a pixel
        EXPECT_NEAR(b[2] + 1 - cx, 4 * m.kx, m.kx * half / 50 + 1) << "view +-" << half;
    }
}

TEST(Plot, RegionsStayWithinTheirIntervals) {
    struct Case {
        const char* name;
        double x0, x1, y0, y1;  // restricted intervals; 0, 0 leaves the view's range
    };
    const Case cases[] = {
        {"0 <= x <= 1", 0, 1, 0, 0},
        {"-2.5 <= y <= 3.3", 0, 0, -2.5, 3.3},
        {"both restricted", -7.7, 1.9, 0, 1},
    };
    for (const Case& c : cases)
        for (uint8_t reversed : {0, 1}) {
            PlaneFixture f;
            f.plane.Settings.XAxesDirection = reversed;
            f.plane.Settings.YAxesDirection = reversed ? 0 : 1;
            TFunctionObj g = Shaded("1", "");
            g.Interval = TInterval::CreateRange(1, c.x0, c.x1);
            g.AddInterval = TInterval::CreateRange(1, c.y0, c.y1);
            f.memory.AddFunction(g);
            f.DrawObjects();
            const std::array<int, 4> b = ShadedBounds(f.plane.Picture());
            const bool rx = c.x0 < c.x1, ry = c.y0 < c.y1;
            const TPoint lo = f.plane.WorldToScreen(rx ? c.x0 : -10, ry ? c.y0 : -10);
            const TPoint hi = f.plane.WorldToScreen(rx ? c.x1 : 10, ry ? c.y1 : 10);
            const std::string name = std::string(c.name) + (reversed ? ", reversed axes" : "");
            // shaded to within a pixel of the box's edge pixels, nothing beyond them
            const int edges[4] = {std::min(lo.x, hi.x), std::min(lo.y, hi.y), std::max(lo.x, hi.x), std::max(lo.y, hi.y)};
            for (int i = 0; i < 4; ++i) {
                const int inward = i < 2 ? 1 : -1;
                EXPECT_TRUE(b[i] == edges[i] || b[i] == edges[i] + inward) << name << ": edge " << i << " at " << b[i];
            }
        }
}

TEST(Plot, ARegionOnAViewWiderThanTheLargestDoubleDrawsNothing) {
    // The view's width overflows: its cells have no size to be drawn with.
    struct Case {
        const char* name;
        bool wideX, wideY;
    };
    const Case cases[] = {{"x from -1E308 to 1E308", true, false},
                          {"y from -1E308 to 1E308", false, true},
                          {"both", true, true}};
    for (const Case& c : cases)
        for (const char* tail : {">0", "<0"}) {
            PlaneFixture f;
            if (c.wideX) f.plane.Settings.XInterval = TInterval::CreateRange(1, -1e308, 1e308);
            if (c.wideY) f.plane.Settings.YInterval = TInterval::CreateRange(1, -1e308, 1e308);
            f.memory.AddFunction(Shaded("x^2+y^2-16", tail));
            f.DrawObjects();
            EXPECT_TRUE(f.Records(TCanvasRecord::Rect).empty()) << c.name << " " << tail;
            EXPECT_EQ(f.plane.EvaluationCount, 0u) << c.name << " " << tail;
        }
}
