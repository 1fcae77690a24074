#include "PlaneFixture.h"

#include "engine/ZMNumber.h"

#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPalette>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr TColor kGrid = 0x808080;

TFunctionObj Graph(int kind, const std::string& exp, const std::string& addExp = "", uint8_t show = 1) {
    TFunctionObj f;
    f.FunctionObjType = static_cast<uint8_t>(kind);
    f.Exp = exp;
    f.AddExp = addExp;
    f.ShowEnabled = show;
    return f;
}

// Height of a text in a font, as the plane measures it.
int TextHeightIn(TCoordinate& plane, const TFont& f, const std::string& s) {
    TCanvas& c = plane.GetCanvas();
    const TCanvasFont keep = c.Font();
    c.SetFont(f);
    const int h = c.TextHeight(s);
    c.SetFont(keep);
    return h;
}

}  // namespace

TEST(Coordinate, DefaultsOfANewPlane) {
    TCoordinate plane;
    const TCoordinateSettings& s = plane.Settings;
    EXPECT_EQ(s.XInterval, TInterval::CreateRange(1, -10, 10));
    EXPECT_EQ(s.YInterval, TInterval::CreateRange(1, -10, 10));
    EXPECT_EQ(s.PlotParameter, TPlotParameter{});
    EXPECT_EQ(s.BackgroundColor, 0xFFFFFF);
    EXPECT_EQ(s.YAxesDirection, 1);
    EXPECT_EQ(s.XAxesDirection, 0);
    EXPECT_EQ(s.XArrow, TAxesArrow::Create(1, "X"));
    EXPECT_EQ(s.YArrow, TAxesArrow::Create(1, "Y"));
    EXPECT_EQ(s.XAxesTicksLength, 2);
    EXPECT_EQ(s.XAxesLabelSide, 1);
    EXPECT_EQ(s.YAxesLabelSide, 1);
    EXPECT_EQ(s.ShowSampleEnabled, 1);
    EXPECT_EQ(s.LegendPosition, 1);
    EXPECT_EQ(s.GridAngularStep, 0.25);
    EXPECT_EQ(s.GridHorGraphStyle, TGraphStyle::CreateStyled(1, 2, kGrid));
    TGraphStyle radial = TGraphStyle::CreateStyled(1, 2, kGrid);
    radial.BrushStyle = 1;
    radial.BrushColor = 0xFFFFFF;
    EXPECT_EQ(s.GridRadialGraphStyle, radial);
    EXPECT_EQ(s.TitleTopFont.Name, "MS Sans Serif");
    EXPECT_EQ(s.TitleTopFont.Size(), 8);
    EXPECT_EQ(plane.MarginTop, 30);
    EXPECT_EQ(plane.Memory, nullptr);
}

TEST(Coordinate, WorldToScreenTruncatesTowardZeroAndMirrors) {
    // 460 x 460 with margins of 30: plot rectangle 30..430, 20 pixels per unit.
    struct Case {
        const char* name;
        uint8_t xdir, ydir;
        double x, y;
        TPoint want;
    };
    const Case cases[] = {
        {"origin", 0, 1, 0, 0, {230, 230}},
        {"top right corner", 0, 1, 10, 10, {430, 30}},
        {"bottom left corner", 0, 1, -10, -10, {30, 430}},
        {"fraction cut", 0, 1, 0.099, -0.099, {231, 231}},
        {"negative pixel cut toward zero", 0, 1, -11.51, 11.51, {0, 0}},
        {"far negative", 0, 1, -12.01, 0, {-10, 230}},
        {"mirrored x", 1, 1, 10, 0, {30, 230}},
        {"mirrored x, any other value", 7, 1, -10, 0, {430, 230}},
        {"y downwards", 0, 0, 0, -10, {230, 30}},
        {"y downwards, any other value (no arrow room)", 0, 2, 0, 10, {230, 430}},
        {"huge value saturates", 0, 1, 1e300, -1e300, {1 << 30, 1 << 30}},
        {"NaN gives 0", 0, 1, std::nan(""), 0, {0, 230}},
    };
    for (const Case& c : cases) {
        TCoordinate plane;
        plane.resize(460, 460);
        plane.Settings.XAxesDirection = c.xdir;
        plane.Settings.YAxesDirection = c.ydir;
        EXPECT_EQ(plane.WorldToScreen(c.x, c.y), c.want) << c.name;
    }
}

TEST(Coordinate, ScreenToWorldUsesStoredMarginsAndInclusiveEdges) {
    TCoordinate plane;
    plane.resize(460, 460);
    plane.WorldToScreen(0, 0);
    struct Case {
        TPoint p;
        bool ok;
        double x, y;
    };
    const Case cases[] = {
        {{230, 230}, true, 0, 0},   {{30, 30}, true, -10, 10},  {{430, 430}, true, 10, -10},
        {{29, 230}, false, 0, 0},   {{431, 230}, false, 0, 0},  {{230, 29}, false, 0, 0},
        {{230, 431}, false, 0, 0},  {{240, 220}, true, 0.5, 0.5},
    };
    for (const Case& c : cases) {
        double x = 99, y = 99;
        EXPECT_EQ(plane.ScreenToWorld(c.p, x, y), c.ok) << c.p.x << "," << c.p.y;
        EXPECT_DOUBLE_EQ(x, c.ok ? c.x : 99);
        EXPECT_DOUBLE_EQ(y, c.ok ? c.y : 99);
    }
    plane.Settings.XAxesDirection = 1;
    plane.Settings.YAxesDirection = 3;
    plane.WorldToScreen(0, 0);  // y downwards: the arrow room joins the bottom margin
    double x = 0, y = 0;
    ASSERT_TRUE(plane.ScreenToWorld({30, 30}, x, y));
    EXPECT_DOUBLE_EQ(x, 10);
    EXPECT_DOUBLE_EQ(y, -10);

    // An empty plot rectangle fails instead of dividing by zero.
    for (auto [w, h] : {std::pair{60, 200}, std::pair{200, 60}, std::pair{10, 10}}) {
        TCoordinate small;
        small.resize(w, h);
        small.WorldToScreen(0, 0);
        double sx = 7, sy = 7;
        EXPECT_FALSE(small.ScreenToWorld({30, 30}, sx, sy)) << w << "x" << h;
        EXPECT_EQ(sx, 7);
        EXPECT_EQ(sy, 7);
    }
}

TEST(Coordinate, MarginsFollowTitlesLegendArrowsAndEqualScale) {
    struct Case {
        const char* name;
        int w, h;
        std::function<void(TCoordinateSettings&, TMemory&)> set;
        // expected margins; -1 = the title height + 30 of the top font
        int top, left, right, bottom;
    };
    const Case cases[] = {
        {"defaults", 460, 460, [](TCoordinateSettings&, TMemory&) {}, 30, 30, 30, 30},
        {"top title", 460, 460, [](TCoordinateSettings& s, TMemory&) { s.TitleTopEnabled = 1; s.TitleTop = "Top"; }, -1, 30, 30, 30},
        {"enabled title without text", 460, 460, [](TCoordinateSettings& s, TMemory&) { s.TitleTopEnabled = 1; }, 30, 30, 30, 30},
        {"title switch other than 1", 460, 460, [](TCoordinateSettings& s, TMemory&) { s.TitleTopEnabled = 2; s.TitleTop = "T"; }, 30, 30, 30, 30},
        {"legend rows of shown graphs", 460, 460,
         [](TCoordinateSettings& s, TMemory& m) {
             s.LegendEnabled = 1;
             m.AddFunction(Graph(0, "x"));
             m.AddFunction(Graph(0, "x", "", 0));
             TTableObj t;
             t.ShowEnabled = 1;
             m.AddTable(t);
             m.AddFunction(Graph(4, "x", ">0"));
         },
         30, 30, 30, 78},
        {"legend margin stops at 151", 460, 220,
         [](TCoordinateSettings& s, TMemory& m) {
             s.LegendEnabled = 1;
             for (int i = 0; i < 6; ++i) m.AddFunction(Graph(0, "x"));
         },
         30, 30, 30, 78},
        {"legend switch other than 1 adds no rows", 460, 460,
         [](TCoordinateSettings& s, TMemory& m) { s.LegendEnabled = 2; m.AddFunction(Graph(0, "x")); }, 30, 30, 30, 30},
        {"boxed axes", 460, 460, [](TCoordinateSettings& s, TMemory&) { s.AxesStyle = 1; }, 30, 30, 30, 55},
        {"axes style 2 is boxed but adds no room", 460, 460, [](TCoordinateSettings& s, TMemory&) { s.AxesStyle = 2; }, 30, 30, 30, 30},
        {"y downwards with its arrow", 460, 460, [](TCoordinateSettings& s, TMemory&) { s.YAxesDirection = 0; }, 30, 30, 30, 55},
        {"y downwards without arrow", 460, 460,
         [](TCoordinateSettings& s, TMemory&) { s.YAxesDirection = 0; s.YArrow.Enabled = 0; }, 30, 30, 30, 30},
        {"equal scale on a wide plane", 660, 460, [](TCoordinateSettings& s, TMemory&) { s.EqualScaleEnabled = 1; }, 30, 130, 130, 30},
        {"equal scale on a tall plane, odd difference", 460, 661,
         [](TCoordinateSettings& s, TMemory&) { s.EqualScaleEnabled = 1; }, 130, 30, 30, 130},
    };
    for (const Case& c : cases) {
        TCoordinate plane;
        plane.resize(c.w, c.h);
        TMemory m;
        c.set(plane.Settings, m);
        plane.SetMemory(&m);
        plane.CalcMargins();
        const int top = c.top == -1 ? TextHeightIn(plane, plane.Settings.TitleTopFont, "Top") + 30 : c.top;
        EXPECT_EQ(plane.MarginTop, top) << c.name;
        EXPECT_EQ(plane.MarginLeft, c.left) << c.name;
        EXPECT_EQ(plane.MarginRight, c.right) << c.name;
        EXPECT_EQ(plane.MarginBottom, c.bottom) << c.name;
        plane.SetMemory(nullptr);
    }
}

TEST(Coordinate, MarginsFollowTheGraphListTheyArePointedAt) {
    TCoordinate plane;
    plane.resize(460, 460);
    plane.Settings.LegendEnabled = 1;
    auto old = std::make_unique<TMemory>();
    old->AddFunction(Graph(0, "x"));
    plane.SetMemory(old.get());
    plane.CalcMargins();
    EXPECT_EQ(plane.MarginBottom, 46);
    TMemory fresh;
    plane.SetMemory(&fresh);  // before the old list goes
    old.reset();
    EXPECT_EQ(plane.WorldToScreen(0, -10).y, 430);
}

TEST(Coordinate, GridLinesFallOnMinPlusMultiplesOfTheStep) {
    PlaneFixture f;
    TCoordinateSettings& s = f.plane.Settings;
    s.YInterval = TInterval::CreateRange(1, -9.5, 10);
    s.GridHorEnabled = 1;
    s.GridHorStep = 2;
    s.GridHorGraphStyle.LineColor = 0x0000F0;
    s.GridVerEnabled = 1;
    s.GridVerStep = 5;
    s.GridVerGraphStyle.LineColor = 0x00F000;
    f.Redraw();

    std::vector<int> rows;
    for (const TCanvasRecord& r : f.Records(0x0000F0))
        if (r.kind == TCanvasRecord::MoveTo) {
            rows.push_back(r.pts[0].y);
            EXPECT_EQ(r.pts[0].x, 30);
        }
    std::vector<int> want;
    for (double y = -7.5; y < 10; y += 2) want.push_back(f.plane.WorldToScreen(0, y).y);
    EXPECT_EQ(rows, want);  // -7.5, -5.5, ..., 8.5: not on multiples of 2

    std::vector<int> cols;
    for (const TCanvasRecord& r : f.Records(0x00F000))
        if (r.kind == TCanvasRecord::MoveTo) cols.push_back(r.pts[0].x);
    EXPECT_EQ(cols, (std::vector<int>{130, 230, 330}));  // -5, 0, 5; 10 is not < XMax
    // grid pens are dotted by default, the lines drawn with them
    EXPECT_EQ(f.Records(0x0000F0).front().pen.Style, psDot);
}

TEST(Coordinate, CirclesAndRaysAddTheStepBeforeDrawing) {
    PlaneFixture f;
    TCoordinateSettings& s = f.plane.Settings;
    s.GridRadialEnabled = 2;  // any non-zero value
    s.GridRadialStep = 3;
    s.GridAngularEnabled = 1;
    s.GridAngularGraphStyle.LineColor = 0x0000F0;
    f.Redraw();
    const auto ellipses = f.Records(TCanvasRecord::Ellipse);
    ASSERT_EQ(ellipses.size(), 4u);  // 3, 6, 9 and 12, the first reaching 10
    for (size_t i = 0; i < ellipses.size(); ++i) {
        const double r = 3.0 * static_cast<double>(i + 1);
        EXPECT_EQ(ellipses[i].pts[0], f.plane.WorldToScreen(-r, r));
        EXPECT_EQ(ellipses[i].pts[1], f.plane.WorldToScreen(r, -r));
        EXPECT_EQ(ellipses[i].brush.Style, bsClear);
    }
    std::vector<TPoint> rayStarts;
    for (const TCanvasRecord& r : f.Records(0x0000F0))
        if (r.kind == TCanvasRecord::MoveTo) rayStarts.push_back(r.pts[0]);
    ASSERT_EQ(rayStarts.size(), 8u);
    const double c = 10 * std::cos(M_PI / 4);
    EXPECT_EQ(rayStarts.front(), f.plane.WorldToScreen(c, c));
    EXPECT_EQ(rayStarts.back(), f.plane.WorldToScreen(10, 10 * std::sin(2 * M_PI)));
    EXPECT_EQ(rayStarts.back(), (TPoint{430, 230}));
}

TEST(Coordinate, CrossedAxesTicksNumbersAndArrows) {
    PlaneFixture f;
    TCoordinateSettings& s = f.plane.Settings;
    s.XInterval = TInterval::CreateRange(1, -9.5, 10);
    s.YInterval = TInterval::CreateRange(1, 2, 12);  // x axis on YMin
    s.XAxesLabelsStep = 2;
    s.XAxesLabelsString = "u";
    s.XAxesGraphStyle.LineColor = 0x0000F0;
    s.YAxesGraphStyle.LineColor = 0x00F000;
    f.Redraw();

    const auto xs = f.Records(0x0000F0);
    ASSERT_FALSE(xs.empty());
    EXPECT_EQ(xs[0].kind, TCanvasRecord::MoveTo);
    EXPECT_EQ(xs[0].pts[0], f.plane.WorldToScreen(-9.5, 2)) << "the axis lies on YMin";
    const TPoint p0 = f.plane.WorldToScreen(-9.5, 2);
    // first tick: from 3 above to 3 below
    EXPECT_EQ(xs[2].pts[0], (TPoint{p0.x, p0.y - 3}));
    EXPECT_EQ(xs[3].pts[0], (TPoint{p0.x, p0.y + 3}));
    int ticks = 0;
    for (const auto& r : xs)
        if (r.kind == TCanvasRecord::MoveTo) ++ticks;
    EXPECT_EQ(ticks, 1 + 20 + 1);  // axis, ticks -9.5..9.5, arrow stem

    const TCanvasRecord* n = f.Text("-9.5u");
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->pts[0], (TPoint{p0.x - 4, p0.y + 10}));
    EXPECT_NE(f.Text("8.5u"), nullptr);
    for (const std::string& t : f.Texts()) EXPECT_NE(t, "0u") << "no number is exactly 0 here";

    // x arrow at XMax, caption on a box of the background colour
    const TPoint pe = f.plane.WorldToScreen(10, 2);
    const auto polys = f.Records(TCanvasRecord::Polygon);
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].pts, (std::vector<TPoint>{{pe.x + 10, pe.y - 4}, {pe.x + 10, pe.y + 4}, {pe.x + 22, pe.y}}));
    EXPECT_EQ(polys[0].brush, (TCanvasBrush{bsSolid, 0x0000F0}));
    const TCanvasRecord* cap = f.Text("X");
    ASSERT_NE(cap, nullptr);
    EXPECT_EQ(cap->pts[0], (TPoint{pe.x + 12, pe.y - 20}));
    EXPECT_EQ(cap->brush, (TCanvasBrush{bsSolid, 0xFFFFFF}));

    // y axis at x = 0; arrow up from YMax, caption right of it
    const TPoint py = f.plane.WorldToScreen(0, 12);
    EXPECT_EQ(polys[1].pts, (std::vector<TPoint>{{py.x - 4, py.y - 10}, {py.x + 4, py.y - 10}, {py.x, py.y - 22}}));
    EXPECT_EQ(f.Text("Y")->pts[0], (TPoint{py.x + 10, py.y - 22}));
    const TPoint y2 = f.plane.WorldToScreen(0, 2);
    EXPECT_EQ(f.Text("2")->pts[0], (TPoint{y2.x + 10, y2.y - 7}));
}

TEST(Coordinate, CrossedAxesZeroSidesAndMirroredArrow) {
    PlaneFixture f;
    TCoordinateSettings& s = f.plane.Settings;
    s.XAxesDirection = 1;
    s.XAxesLabelSide = 0;
    s.YAxesLabelSide = 0;
    s.YAxesLabelsString = "m";
    f.Redraw();
    const TPoint o = f.plane.WorldToScreen(0, 0);
    // "0" twice (both axes), without suffix, at the special place
    int zeros = 0;
    for (const auto& r : f.rec)
        if (r.kind == TCanvasRecord::TextOut && r.text == "0") {
            ++zeros;
            EXPECT_EQ(r.pts[0], (TPoint{o.x - 7, o.y + 1}));
        }
    EXPECT_EQ(zeros, 2);
    const TPoint p3 = f.plane.WorldToScreen(3, 0);
    EXPECT_EQ(f.Text("3")->pts[0], (TPoint{p3.x - 4, p3.y - 21})) << "x numbers above";
    const TPoint q3 = f.plane.WorldToScreen(0, 3);
    EXPECT_EQ(f.Text("3m")->pts[0], (TPoint{q3.x - 20, q3.y - 7})) << "y numbers left";
    const TPoint pe = f.plane.WorldToScreen(10, 0);
    EXPECT_EQ(pe.x, 30);
    const auto polys = f.Records(TCanvasRecord::Polygon);
    ASSERT_FALSE(polys.empty());
    EXPECT_EQ(polys[0].pts[2], (TPoint{pe.x - 22, pe.y}));
    EXPECT_EQ(f.Text("X")->pts[0], (TPoint{pe.x - 17, pe.y - 20}));

    // arrows switched off by any value other than 1
    PlaneFixture g;
    g.plane.Settings.XArrow.Enabled = 2;
    g.plane.Settings.YArrow.Enabled = 0;
    g.Redraw();
    EXPECT_TRUE(g.Records(TCanvasRecord::Polygon).empty());
    EXPECT_EQ(g.Text("X"), nullptr);
}

TEST(Coordinate, BoxedAxesNumberEveryTickWithoutSuffix) {
    PlaneFixture f;
    TCoordinateSettings& s = f.plane.Settings;
    s.AxesStyle = 1;
    s.XAxesTicksStep = 5;
    s.YAxesTicksStep = 10;
    s.XAxesLabelsString = "u";
    s.XAxesGraphStyle.LineColor = 0x0000F0;
    f.Redraw();
    EXPECT_EQ(f.Texts(), (std::vector<std::string>{"-10", "-5", "0", "5", "10", "-10", "0", "10"}));
    const TPoint p = f.plane.WorldToScreen(0, -10);
    EXPECT_EQ(f.Text("0")->pts[0], (TPoint{p.x - 4, p.y + 10})) << "no special zero";
    const TPoint q = f.plane.WorldToScreen(-10, 10);
    EXPECT_EQ(f.rec.back().pts[0], (TPoint{q.x - 18, q.y - 5}));
    // ticks point into the rectangle
    const auto xs = f.Records(0x0000F0);
    ASSERT_GE(xs.size(), 6u);
    const TPoint t0 = f.plane.WorldToScreen(-10, -10);
    EXPECT_EQ(xs[4].pts[0], t0);
    EXPECT_EQ(xs[5].pts[0], (TPoint{t0.x, t0.y - 3}));
    EXPECT_TRUE(f.Records(TCanvasRecord::Polygon).empty()) << "no arrows";

    // y downwards: the x scale stays on the lower screen edge (YMax)
    PlaneFixture g;
    g.plane.Settings.AxesStyle = 1;
    g.plane.Settings.YAxesDirection = 0;
    g.plane.Settings.XAxesTicksStep = 20;
    g.Redraw();
    const TPoint low = g.plane.WorldToScreen(-10, 10);
    EXPECT_EQ(g.Text("-10")->pts[0], (TPoint{low.x - 4, low.y + 10}));
}

TEST(Coordinate, TitlesAreCentredAndSideTitlesTurned) {
    PlaneFixture f(400, 300);
    TCoordinateSettings& s = f.plane.Settings;
    s.TitleTopEnabled = 1;
    s.TitleTop = "Top title";
    s.TitleBottomEnabled = 1;
    s.TitleBottom = "Bottom";
    s.TitleLeftEnabled = 1;
    s.TitleLeft = "Left side";
    s.TitleRightEnabled = 1;
    s.TitleRight = "Right side";
    for (TFont* ft : {&s.TitleTopFont, &s.TitleBottomFont, &s.TitleLeftFont, &s.TitleRightFont}) {
        ft->Color = 255;
        ft->SetSize(12);
    }
    f.Redraw();
    TCanvas& c = f.plane.GetCanvas();
    c.SetFont(s.TitleTopFont);
    const int th = c.TextHeight("x");
    const auto tw = [&](const std::string& t) { return c.TextWidth(t); };
    EXPECT_EQ(f.Text("Top title")->pts[0], (TPoint{200 - tw("Top title") / 2, 5}));
    EXPECT_EQ(f.Text("Bottom")->pts[0], (TPoint{200 - tw("Bottom") / 2, 300 - 10 - th}));
    EXPECT_EQ(f.Text("Left side")->pts[0], (TPoint{th + 10, 150 - tw("Left side") / 2}));
    EXPECT_EQ(f.Text("Right side")->pts[0], (TPoint{400 - 5 - th, 150 + tw("Right side") / 2}));
    EXPECT_EQ(s.TitleLeftFont.Color, 255) << "the title font itself is unchanged";

    // the turned titles put red ink into the side margins, reading along y
    const QImage& img = f.plane.Picture();
    int leftInk = 0, rightInk = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            const QRgb p = img.pixel(x, y);
            if (qRed(p) > 150 && qGreen(p) < 120) {
                if (x < 30) ++leftInk;
                if (x > 370) ++rightInk;
            }
        }
    EXPECT_GT(leftInk, 20);
    EXPECT_GT(rightInk, 20);
    // margins grew by the title height
    EXPECT_EQ(f.plane.MarginLeft, th + 30);
}

TEST(Coordinate, LegendRowsColumnsAndSamples) {
    for (auto [pos, col] : {std::pair{0, 80}, std::pair{1, 300}, std::pair{2, 450}, std::pair{9, 300}}) {
        PlaneFixture f(600, 460);
        TCoordinateSettings& s = f.plane.Settings;
        s.LegendEnabled = 3;  // drawn for any non-zero value
        s.LegendPosition = static_cast<uint8_t>(pos);
        TFunctionObj a = Graph(0, "x");
        a.GraphStyle.LineColor = 0x0000F0;
        f.memory.AddFunction(a);
        f.memory.AddFunction(Graph(1, "y", "", 0));  // hidden: no row
        TFunctionObj r = Graph(4, "x-y", " = 0");      // a region (blank inside)
        r.GraphStyle.LineColor = 0x00F000;
        f.memory.AddFunction(r);
        f.plane.SetMemory(&f.memory);
        f.rec.clear();
        f.plane.ClearBackground();
        f.plane.GetCanvas().SetRecording(&f.rec);
        f.plane.DrawCoordinateSystem();
        f.plane.GetCanvas().SetRecording(nullptr);

        const TCanvasRecord* t1 = f.Text("Y(x)=x");
        const TCanvasRecord* t2 = f.Text("f(x,y)=x-y = 0");
        ASSERT_NE(t1, nullptr) << pos;
        ASSERT_NE(t2, nullptr) << pos;
        EXPECT_EQ(f.Text("X(y)=y"), nullptr);
        EXPECT_EQ(t1->pts[0], (TPoint{col, 460 - 36})) << pos;
        EXPECT_EQ(t2->pts[0], (TPoint{col, 460 - 52})) << pos;
        // line sample in the graph's pen before the first row
        bool line = false;
        for (size_t i = 0; i + 1 < f.rec.size(); ++i)
            if (f.rec[i].kind == TCanvasRecord::MoveTo && f.rec[i].pts[0] == TPoint{col - 60, 460 - 36 + 7} &&
                f.rec[i + 1].pts[0] == TPoint{col - 10, 460 - 36 + 7} && f.rec[i + 1].pen.Color == 0x0000F0)
                line = true;
        EXPECT_TRUE(line) << pos;
        // area sample of the region, with a clear pen
        bool area = false;
        for (const auto& rr : f.Records(TCanvasRecord::Rect))
            if (rr.pts == std::vector<TPoint>{{col - 60, 460 - 52 + 1}, {col - 10, 460 - 52 + 15}}) {
                area = true;
                EXPECT_EQ(rr.pen.Style, psClear);
                EXPECT_EQ(rr.brush.Style, bsBDiagonal);
            }
        EXPECT_TRUE(area) << pos;
    }
}

TEST(Coordinate, LegendStopsAtItsOwnRowTest) {
    PlaneFixture f(460, 250);
    f.plane.Settings.LegendEnabled = 1;
    f.plane.Settings.ShowSampleEnabled = 0;
    for (int i = 0; i < 8; ++i) f.memory.AddFunction(Graph(0, "x+" + std::to_string(i)));
    f.Redraw();
    int rows = 0;
    for (const std::string& t : f.Texts())
        if (t.rfind("Y(x)=", 0) == 0) ++rows;
    // rows at off 36, 52, 68, 84: stop once 250 - off < 167
    EXPECT_EQ(rows, 4);
    // the margin counter stops at 151 instead: 30 + 16 * 5 rows
    EXPECT_EQ(f.plane.MarginBottom, 30 + 16 * 5);
    EXPECT_TRUE(f.Records(TCanvasRecord::Rect).size() <= 1u) << "no samples";
}

TEST(Coordinate, DegeneratePlanesReturnPromptly) {
    struct Case {
        const char* name;
        std::function<void(TCoordinateSettings&)> set;
    };
    const Case cases[] = {
        {"view where the step stops advancing",
         [](TCoordinateSettings& s) {
             s.XInterval = TInterval::CreateRange(1, 1e16, 1e16 + 1000);
             s.GridVerEnabled = 1;
         }},
        {"tiny steps",
         [](TCoordinateSettings& s) {
             s.XAxesTicksStep = s.YAxesTicksStep = s.XAxesLabelsStep = s.YAxesLabelsStep = 1e-300;
             s.GridHorEnabled = s.GridVerEnabled = s.GridRadialEnabled = s.GridAngularEnabled = 1;
             s.GridHorStep = s.GridVerStep = s.GridRadialStep = s.GridAngularStep = 1e-300;
         }},
        {"zero and negative steps",
         [](TCoordinateSettings& s) {
             s.XAxesTicksStep = 0;
             s.YAxesTicksStep = -1;
             s.XAxesLabelsStep = std::nan("");
             s.YAxesLabelsStep = -0.0;
             s.GridHorEnabled = s.GridVerEnabled = s.GridRadialEnabled = s.GridAngularEnabled = 1;
             s.GridHorStep = 0;
             s.GridVerStep = -2;
             s.GridRadialStep = 0;
             s.GridAngularStep = -0.25;
         }},
        {"empty and reversed views",
         [](TCoordinateSettings& s) {
             s.XInterval = TInterval::CreateRange(1, 3, 3);
             s.YInterval = TInterval::CreateRange(1, 5, -5);
             s.GridHorEnabled = s.GridVerEnabled = s.GridRadialEnabled = s.GridAngularEnabled = 1;
         }},
        {"huge ranges and tick lengths",
         [](TCoordinateSettings& s) {
             s.XInterval = TInterval::CreateRange(1, -1e308, 1e308);
             s.YInterval = TInterval::CreateRange(1, -std::numeric_limits<double>::infinity(), 0);
             s.XAxesTicksLength = std::numeric_limits<int32_t>::max();
             s.YAxesTicksLength = std::numeric_limits<int32_t>::min();
             s.GridRadialEnabled = s.GridAngularEnabled = 1;
             s.AxesStyle = 1;
         }},
    };
    for (const Case& c : cases) {
        PlaneFixture f(300, 200);
        c.set(f.plane.Settings);
        const auto t0 = std::chrono::steady_clock::now();
        f.Redraw();
        const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        EXPECT_LT(secs, 5.0) << c.name;
        // a few primitives per pixel at most
        EXPECT_LT(f.rec.size(), 60000u) << c.name;
    }
}

TEST(Coordinate, ImageFollowsTheWidgetSizeWithoutAResizeEvent) {
    PlaneFixture f(200, 150);
    f.plane.Settings.BackgroundColor = RGBColor(10, 20, 30);
    f.Redraw();
    EXPECT_EQ(f.plane.Picture().size(), QSize(200, 150));
    f.plane.resize(320, 240);  // hidden: no resize event
    f.plane.ClearBackground();
    const QImage& img = f.plane.Picture();
    ASSERT_EQ(img.size(), QSize(320, 240));
    EXPECT_EQ(img.format(), QImage::Format_RGB32);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{319, 239}, std::pair{319, 0}})
        EXPECT_EQ(img.pixel(x, y) & 0xFFFFFFu, 0x0A141Eu);
}

namespace {

uint32_t Rgb(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFFu; }

// True when the box holds a pixel that is neither the background nor close to it.
bool InkIn(const QImage& img, int x1, int y1, int x2, int y2, uint32_t background = 0xFFFFFF) {
    for (int y = std::max(y1, 0); y < std::min(y2, img.height()); ++y)
        for (int x = std::max(x1, 0); x < std::min(x2, img.width()); ++x)
            if (Rgb(img, x, y) != background) return true;
    return false;
}

}  // namespace

TEST(Coordinate, DrawnPixelsOfAxesArrowsTicksAndGrids) {
    // 460 x 460, margins 30: 20 pixels per unit, origin at (230, 230).
    constexpr uint32_t W = 0xFFFFFF, B = 0x000000, G = 0x808080;
    struct Px { int x, y; uint32_t rgb; };
    struct Case {
        const char* name;
        std::function<void(TCoordinateSettings&)> set;
        std::vector<Px> px;
    };
    const Case cases[] = {
        {"default plane", [](TCoordinateSettings&) {},
         {{100, 230, B}, {100, 229, W}, {100, 231, W},           // x axis, one pixel wide
          {230, 100, B}, {229, 100, W}, {231, 100, W},           // y axis
          {250, 227, B}, {250, 232, B}, {250, 226, W}, {250, 233, W},  // tick at x = 1, end pixel left out
          {227, 210, B}, {232, 210, B}, {226, 210, W}, {233, 210, W},  // tick at y = 1
          {435, 230, B}, {444, 230, B}, {441, 227, B}, {453, 230, W}, {441, 224, W},  // x arrow, filled
          {230, 25, B}, {230, 15, B}, {228, 18, B}, {230, 7, W}, {225, 18, W},        // y arrow, filled
          {5, 5, W}, {100, 100, W}}},
        {"solid grids on Min plus the step",
         [](TCoordinateSettings& s) {
             s.GridHorEnabled = s.GridVerEnabled = 1;
             s.GridHorGraphStyle.LineStyle = s.GridVerGraphStyle.LineStyle = psSolid;
         },
         {{100, 410, G}, {100, 50, G}, {50, 100, G}, {410, 100, G},  // -9 and 9 on both axes
          {100, 30, W}, {30, 100, W},                                 // none on Min itself
          {100, 430, W}, {430, 100, W},                               // nor on Max
          {29, 410, W}, {100, 230, B}}},                              // axes drawn over the grid
        {"boxed axes: the box, inward ticks and a taller bottom margin",
         [](TCoordinateSettings& s) { s.AxesStyle = 1; },
         // bottom edge at 460 - 55 = 405; x = 1 at 250; y = 0 at (405 + 30) / 2 = 217.5
         {{100, 405, B}, {100, 30, B}, {30, 300, B}, {430, 300, B}, {100, 230, W},
          {250, 403, B}, {250, 402, W}, {250, 406, W},  // x = 1 tick from 405 up to 402, end left out
          {32, 217, B}, {33, 217, W}, {29, 217, W}}},   // y = 0 tick from 30 right to 33
        {"mirrored x: the arrow points left from XMax",
         [](TCoordinateSettings& s) { s.XAxesDirection = 1; },
         {{25, 230, B}, {15, 230, B}, {7, 230, W}, {437, 230, W}}},
        {"view without 0 in y: the x axis lies on YMin",
         [](TCoordinateSettings& s) { s.YInterval = TInterval::CreateRange(1, 2, 12); },
         {{100, 430, B}, {100, 230, W}}},
    };
    for (const Case& c : cases) {
        PlaneFixture f;
        c.set(f.plane.Settings);
        f.Redraw();
        const QImage& img = f.plane.Picture();
        for (const Px& p : c.px)
            EXPECT_EQ(Rgb(img, p.x, p.y), p.rgb) << c.name << " at " << p.x << "," << p.y;
    }
}

TEST(Coordinate, NumberTextsAndArrowCaptionsLeaveInk) {
    PlaneFixture f;
    f.Redraw();
    const QImage& img = f.plane.Picture();
    TCanvas& c = f.plane.GetCanvas();
    const int th = c.TextHeight("0");
    // "1" under the x axis, "0" at the special place, captions of both arrows
    EXPECT_TRUE(InkIn(img, 246, 240, 246 + c.TextWidth("1"), 240 + th));
    EXPECT_TRUE(InkIn(img, 223, 231, 223 + c.TextWidth("0"), 231 + th));
    EXPECT_TRUE(InkIn(img, 442, 210, 442 + c.TextWidth("X"), 210 + th));
    EXPECT_TRUE(InkIn(img, 240, 8, 240 + c.TextWidth("Y"), 8 + th));
}

TEST(Coordinate, NumbersNotExactlyZeroAreWrittenInFull) {
    PlaneFixture f;
    f.plane.Settings.XInterval = TInterval::CreateRange(1, -1, 1);
    f.plane.Settings.XAxesLabelsStep = 0.1;
    f.Redraw();
    double v = -1;
    for (int i = 0; i < 10; ++i) v += 0.1;
    ASSERT_NE(v, 0.0);
    const std::string near0 = zm::FloatToStr(v);
    EXPECT_NE(near0.find('E'), std::string::npos) << near0;
    EXPECT_NE(f.Text(near0), nullptr) << near0;
    EXPECT_NE(f.Text("-0.9"), nullptr);
    int zeros = 0;
    for (const std::string& t : f.Texts()) zeros += t == "0";
    EXPECT_EQ(zeros, 1) << "only the y axis has an exact 0";
}

TEST(Coordinate, ZoomedOutViewKeepsEveryTick) {
    PlaneFixture f;
    f.plane.Settings.XInterval = TInterval::CreateRange(1, -1000, 1000);
    f.plane.Settings.XAxesGraphStyle.LineColor = 0x0000F0;
    f.Redraw();
    int ticks = 0;
    for (const TCanvasRecord& r : f.Records(0x0000F0)) ticks += r.kind == TCanvasRecord::MoveTo;
    EXPECT_EQ(ticks, 1 + 2001 + 1);  // axis, ticks -1000..1000, arrow stem
    EXPECT_NE(f.Text("1000"), nullptr);
}

TEST(Coordinate, LegendSwitchesAndBottomTitleOffset) {
    struct Case {
        const char* name;
        std::uint8_t bottomEnabled;
        const char* bottom;
        std::uint8_t colourAsGraph;
        std::uint8_t showSample;
        bool titleOffset, redText, sample;
    };
    const Case cases[] = {
        {"plain", 0, "", 0, 1, false, false, true},
        {"bottom title moves the rows up", 1, "Bottom", 0, 1, true, false, true},
        {"bottom title enabled without text still counts", 1, "", 0, 1, true, false, true},
        {"bottom title switch other than 1", 2, "Bottom", 0, 1, false, false, true},
        {"text in the graph colour", 0, "", 1, 1, false, true, true},
        {"colour switch other than 1 gives black", 0, "", 2, 1, false, false, true},
        {"sample switch: any non-zero value", 0, "", 0, 7, false, false, true},
        {"no sample", 0, "", 0, 0, false, false, false},
    };
    for (const Case& c : cases) {
        PlaneFixture f(600, 460);
        TCoordinateSettings& s = f.plane.Settings;
        s.LegendEnabled = 1;
        s.TitleBottomEnabled = c.bottomEnabled;
        s.TitleBottom = c.bottom;
        s.TextColorAsGraphEnabled = c.colourAsGraph;
        s.ShowSampleEnabled = c.showSample;
        TFunctionObj g = Graph(0, "x");
        g.GraphStyle.LineColor = 255;
        f.memory.AddFunction(g);
        f.Redraw();
        const int th = TextHeightIn(f.plane, s.TitleBottomFont, "Bottom");
        const int y = 460 - ((c.titleOffset ? th + 20 : 20) + 16);
        const TCanvasRecord* row = f.Text("Y(x)=x");
        ASSERT_NE(row, nullptr) << c.name;
        EXPECT_EQ(row->pts[0], (TPoint{300, y})) << c.name;

        const QImage& img = f.plane.Picture();
        TCanvas& cv = f.plane.GetCanvas();
        bool red = false, dark = false;
        for (int yy = y; yy < y + cv.TextHeight("Y"); ++yy)
            for (int xx = 300; xx < 300 + 40; ++xx) {
                const QRgb p = img.pixel(xx, yy);
                if (qRed(p) > 150 && qGreen(p) < 100) red = true;
                if (qRed(p) < 100 && qGreen(p) < 100) dark = true;
            }
        EXPECT_EQ(red, c.redText) << c.name;
        EXPECT_EQ(dark, !c.redText) << c.name;
        EXPECT_EQ(Rgb(img, 260, y + 7) == 0xFF0000u, c.sample) << c.name;  // sample line x - 60 .. x - 10
    }
}

TEST(Coordinate, TheKeptPlaneIsThePlaneAFreshDrawingGives) {
    // One plane redrawn after each change against a new plane that draws everything.
    PlaneFixture f(520, 480);
    TCoordinateSettings& s = f.plane.Settings;
    s.TitleTopEnabled = 1;
    s.TitleTop = "Kept";
    s.LegendEnabled = 1;
    s.XInterval = TInterval::CreateRange(1, -3.5, 7.25);
    TFunctionObj g = Graph(0, "sin(x)*3");
    f.memory.AddFunction(g);
    const QPalette palette = QGuiApplication::palette();
    struct Step {
        const char* name;
        std::function<void()> change;
    };
    const Step steps[] = {
        {"first drawing", [] {}},
        {"nothing changed", [] {}},
        {"the palette behind the title's colour",
         [&] {
             QPalette p = palette;
             p.setColor(QPalette::WindowText, Qt::darkGreen);
             QGuiApplication::setPalette(p);
         }},
        {"view", [&] { s.YInterval = TInterval::CreateRange(1, -2, 2.5); }},
        {"title", [&] { s.TitleTop = "Changed"; }},
        {"grid", [&] { s.GridVerEnabled = 0; }},
        {"background", [&] { s.BackgroundColor = 0xE0F0FF; }},
        {"size", [&] { f.plane.resize(480, 500); }},
        {"a graph more", [&] { f.memory.AddFunction(Graph(4, "x*x+y*y-4", ">0")); }},
        {"a graph hidden", [&] { f.memory.GetFunction(0)->ShowEnabled = 0; }},
        {"a graph's colour", [&] { f.memory.GetGraphStyle(1)->LineColor = 0x00A0A0; }},
        {"a graph's formula", [&] { f.memory.GetFunction(1)->Exp = "x*x+y*y-9"; }},
        {"the decimal separator", [] { QLocale::setDefault(QLocale(QLocale::German)); }},
        {"the canvas font", [&] { f.plane.GetCanvas().SetFont(TFont{1, 0x0000FF, -15, "Sans", 0, 96}); }},
    };
    for (const Step& st : steps) {
        st.change();
        f.plane.Redraw(&f.memory, f.ops, f.vars, f.consts);
        PlaneFixture fresh(f.plane.width(), f.plane.height());
        fresh.plane.Settings = s;
        fresh.plane.GetCanvas().SetFont(f.plane.GetCanvas().Font());
        fresh.plane.ClearBackground();
        fresh.plane.SetMemory(&f.memory);
        fresh.plane.DrawCoordinateSystem();
        fresh.plane.DrawObjects(&f.memory, fresh.ops, fresh.vars, fresh.consts);
        EXPECT_TRUE(f.plane.Picture() == fresh.plane.Picture()) << st.name;
        EXPECT_EQ(f.plane.MarginBottom, fresh.plane.MarginBottom) << st.name;
    }
    QLocale::setDefault(QLocale::c());
    QGuiApplication::setPalette(palette);

    // With no graph to draw, a redraw with nothing changed is the kept picture itself.
    f.memory.GetFunction(1)->ShowEnabled = 0;
    f.plane.Redraw(&f.memory, f.ops, f.vars, f.consts);
    const qint64 kept = f.plane.Picture().cacheKey();
    f.plane.Redraw(&f.memory, f.ops, f.vars, f.consts);
    EXPECT_EQ(f.plane.Picture().cacheKey(), kept);
    s.XAxesTicksLength = 4;
    f.plane.Redraw(&f.memory, f.ops, f.vars, f.consts);
    EXPECT_NE(f.plane.Picture().cacheKey(), kept);
}
