#include "platform/ZMCanvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

#include "support/PixelSum.h"

#include <climits>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <utility>

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

uint32_t px(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFFu; }

QImage whiteImage(int w = 40, int h = 40) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// Black 1-px solid pen, clear brush.
void plainState(TCanvas& c) {
    c.SetPenWidth(1);
    c.SetPenStyle(psSolid);
    c.SetPenColor(0);
    c.SetBrushStyle(bsClear);
}

std::set<std::pair<int, int>> inked(const QImage& img) {
    std::set<std::pair<int, int>> s;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (px(img, x, y) != kWhite) s.insert({x, y});
    return s;
}

}  // namespace

TEST(Canvas, ColorByteOrderAndSystemColours) {
    const uint32_t windowText = QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText).rgb() & 0xFFFFFF;
    const uint32_t base = QGuiApplication::palette().color(QPalette::Active, QPalette::Base).rgb() & 0xFFFFFF;
    const struct {
        TColor in;
        uint32_t rgb;
    } cases[] = {
        {255, 0xFF0000},                                 // red
        {0xFF0000, 0x0000FF},                            // blue
        {0x00FF00, 0x00FF00},                            // green
        {16777215, 0xFFFFFF},                            // white
        {0, 0x000000},                                   // black
        {RGBColor(0x12, 0x34, 0x56), 0x123456},          // r | g << 8 | b << 16
        {-16777208, windowText},                         // system window text
        {static_cast<TColor>(0xFF000005u), base},        // system window
        {static_cast<TColor>(0xFF0000EEu), windowText},  // unknown system index
        {static_cast<TColor>(0x7F563412u), 0x123456},    // other top byte: low 24 bits
    };
    for (const auto& c : cases) EXPECT_EQ(ColorToRgb(c.in), c.rgb) << c.in;

    QImage img = whiteImage();
    TCanvas cv(&img);
    cv.SetPenColor(255);
    cv.SetBrushColor(255);
    cv.SetBrushStyle(bsSolid);
    cv.Rectangle(0, 0, 5, 5);
    cv.Flush();
    EXPECT_EQ(px(img, 2, 2), 0xFF0000u) << "255 must paint pure red";
}

TEST(Canvas, PrimitivesFollowGdiPixelRules) {
    struct Case {
        const char* name;
        std::function<void(TCanvas&)> draw;
        std::vector<std::pair<int, int>> set;
        std::vector<std::pair<int, int>> clear;
    };
    const Case cases[] = {
        {"line leaves out its end pixel", [](TCanvas& c) { c.MoveTo(2, 2); c.LineTo(10, 2); },
         {{2, 2}, {9, 2}}, {{10, 2}, {1, 2}}},
        {"polyline draws its corners, not its last point",
         [](TCanvas& c) { c.MoveTo(2, 2); c.LineTo(10, 2); c.LineTo(10, 10); },
         {{10, 2}, {10, 9}}, {{10, 10}}},
        {"line to the left leaves out its end pixel too", [](TCanvas& c) { c.MoveTo(10, 2); c.LineTo(2, 2); },
         {{10, 2}, {3, 2}}, {{2, 2}, {11, 2}}},
        {"upward line leaves out its end pixel", [](TCanvas& c) { c.MoveTo(5, 10); c.LineTo(5, 2); },
         {{5, 10}, {5, 3}}, {{5, 2}, {5, 11}}},
        {"reversed diagonal keeps its start, not its end", [](TCanvas& c) { c.MoveTo(8, 8); c.LineTo(2, 2); },
         {{8, 8}, {5, 5}, {3, 3}}, {{2, 2}}},
        {"shallow slope rounds to the nearest row", [](TCanvas& c) { c.MoveTo(0, 0); c.LineTo(10, 3); },
         {{0, 0}, {1, 0}, {2, 1}, {5, 2}, {9, 3}}, {{10, 3}, {2, 0}, {5, 1}}},
        {"reversed polyline: start and corners drawn, last point not",
         [](TCanvas& c) { c.MoveTo(10, 10); c.LineTo(10, 2); c.LineTo(2, 2); },
         {{10, 10}, {10, 3}, {10, 2}, {3, 2}}, {{2, 2}, {10, 11}, {1, 2}}},
        {"rectangle outline leaves out right and bottom edge", [](TCanvas& c) { c.Rectangle(2, 2, 10, 8); },
         {{2, 2}, {9, 2}, {9, 7}, {2, 7}}, {{10, 2}, {2, 8}, {5, 5}}},
        {"reversed box is normalised", [](TCanvas& c) { c.Rectangle(10, 8, 2, 2); },
         {{2, 2}, {9, 2}, {9, 7}, {2, 7}}, {{10, 2}, {2, 8}, {5, 5}}},
        {"clear pen fills the box exactly",
         [](TCanvas& c) { c.SetPenStyle(psClear); c.SetBrushColor(0); c.SetBrushStyle(bsSolid); c.Rectangle(2, 2, 10, 8); },
         {{2, 2}, {9, 7}, {5, 5}}, {{10, 2}, {2, 8}, {1, 1}}},
        {"fill rect with brush only",
         [](TCanvas& c) { c.SetBrushColor(0); c.SetBrushStyle(bsSolid); c.FillRect(12, 10, 3, 4); },
         {{3, 4}, {11, 9}}, {{12, 9}, {3, 10}, {2, 4}}},
        {"ellipse spans x1..x2-1", [](TCanvas& c) { c.Ellipse(2, 2, 13, 13); },
         {{2, 7}, {12, 7}, {7, 2}, {7, 12}}, {{13, 7}, {7, 13}, {7, 7}}},
        {"unknown pen code draws solid", [](TCanvas& c) { c.SetPenStyle(77); c.MoveTo(2, 2); c.LineTo(20, 2); },
         {{2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}, {8, 2}, {19, 2}}, {}},
        {"clear pen draws no line", [](TCanvas& c) { c.SetPenStyle(psClear); c.MoveTo(2, 2); c.LineTo(20, 2); },
         {}, {{2, 2}, {10, 2}}},
        {"unknown brush code fills nothing",
         [](TCanvas& c) { c.SetPenStyle(psClear); c.SetBrushColor(0); c.SetBrushStyle(99); c.Rectangle(2, 2, 10, 8); },
         {}, {{2, 2}, {5, 5}}},
        {"width 3 covers three rows", [](TCanvas& c) { c.SetPenWidth(3); c.MoveTo(5, 10); c.LineTo(30, 10); },
         {{15, 9}, {15, 10}, {15, 11}}, {{15, 8}, {15, 12}}},
        {"width 2 covers two rows", [](TCanvas& c) { c.SetPenWidth(2); c.MoveTo(5, 25); c.LineTo(30, 25); },
         {{15, 24}, {15, 25}}, {{15, 23}, {15, 26}}},
        {"negative width is a thin pen", [](TCanvas& c) { c.SetPenWidth(-4); c.MoveTo(5, 10); c.LineTo(30, 10); },
         {{15, 10}}, {{15, 9}, {15, 11}}},
        {"backward diagonal hatch rises to the right",
         [](TCanvas& c) { c.SetPenStyle(psClear); c.SetBrushColor(0); c.SetBrushStyle(bsBDiagonal); c.Rectangle(0, 0, 8, 8); },
         {{7, 0}, {6, 1}, {0, 7}}, {{0, 0}, {1, 1}}},
        {"forward diagonal hatch falls to the right",
         [](TCanvas& c) { c.SetPenStyle(psClear); c.SetBrushColor(0); c.SetBrushStyle(bsFDiagonal); c.Rectangle(0, 0, 8, 8); },
         {{0, 0}, {1, 1}, {7, 7}}, {{7, 0}, {0, 7}}},
        {"polygon fills with the brush",
         [](TCanvas& c) { c.SetBrushColor(0); c.SetBrushStyle(bsSolid); c.Polygon({{10, 10}, {30, 10}, {20, 30}}); },
         {{20, 15}, {10, 10}}, {{5, 5}, {30, 30}}},
        {"huge coordinates keep their slope",
         [](TCanvas& c) { c.MoveTo(0, 0); c.LineTo(2000000000, 1000000000); },
         {{0, 0}, {20, 10}, {30, 15}}, {{20, 0}, {0, 20}}},
    };
    for (const Case& k : cases) {
        QImage img = whiteImage();
        TCanvas cv(&img);
        plainState(cv);
        k.draw(cv);
        cv.Flush();
        for (auto [x, y] : k.set) EXPECT_NE(px(img, x, y), kWhite) << k.name << " at " << x << "," << y;
        for (auto [x, y] : k.clear) EXPECT_EQ(px(img, x, y), kWhite) << k.name << " at " << x << "," << y;
    }
}

TEST(Canvas, ExtremeCoordinatesDoNotFail) {
    QImage img = whiteImage();
    TCanvas cv(&img);
    plainState(cv);
    cv.SetBrushColor(0);
    cv.SetBrushStyle(bsSolid);
    cv.MoveTo(INT_MIN, INT_MIN);
    cv.LineTo(INT_MAX, INT_MAX);
    cv.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    cv.Ellipse(INT_MIN, 5, INT_MAX, 6);
    cv.FillRect(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    cv.Polygon({{INT_MIN, 0}, {INT_MAX, 0}, {0, INT_MAX}});
    cv.TextOut(INT_MAX, INT_MIN, "x");
    cv.Flush();
    EXPECT_EQ(px(img, 20, 20), kBlack) << "a box over everything fills the image";
}

TEST(Canvas, ConsecutiveLineTosStayDashed) {
    // 2-px segments: batched they keep the dash pattern; drawn one by one they would be solid.
    QImage img = whiteImage(200, 10);
    TCanvas cv(&img);
    plainState(cv);
    cv.SetPenStyle(psDash);
    cv.MoveTo(0, 5);
    for (int x = 2; x <= 200; x += 2) cv.LineTo(x, 5);
    cv.Flush();
    int gaps = 0;
    for (int x = 0; x < 199; ++x)
        if (px(img, x, 5) == kWhite) ++gaps;
    EXPECT_GT(gaps, 20);
    EXPECT_NE(px(img, 0, 5), kWhite);
}

TEST(Canvas, DashPatternKeepsItsPhaseOutsideTheImage) {
    // 240000 is a whole number of every pattern's period, so the visible part must match
    // a line that starts at 0.
    for (uint8_t style : {psDash, psDot, psDashDot, psDashDotDot}) {
        QImage far = whiteImage(100, 10), near = whiteImage(100, 10);
        for (auto [img, x0] : {std::pair{&far, -240000}, std::pair{&near, 0}}) {
            TCanvas cv(img);
            plainState(cv);
            cv.SetPenStyle(style);
            cv.MoveTo(x0, 5);
            cv.LineTo(100, 5);
        }
        EXPECT_EQ(far, near) << int(style);
        EXPECT_NE(near, whiteImage(100, 10)) << int(style);
    }
}

TEST(Canvas, NotXorTwiceRestoresTheImage) {
    QImage img = whiteImage(60, 60);
    {
        TCanvas cv(&img);
        cv.SetPenColor(255);
        cv.MoveTo(0, 0);
        cv.LineTo(59, 59);
        cv.SetBrushColor(RGBColor(0, 128, 0));
        cv.SetBrushStyle(bsSolid);
        cv.Rectangle(30, 5, 50, 25);
    }
    const QImage before = img.copy();
    TCanvas cv(&img);
    cv.SetPenMode(pmNotXor);
    cv.SetPenStyle(psDot);
    cv.SetPenColor(0);
    cv.SetBrushColor(0xFFFFFF);
    cv.SetBrushStyle(bsSolid);
    cv.Rectangle(10, 10, 45, 40);
    cv.Flush();
    EXPECT_NE(img, before) << "the first band shows";
    EXPECT_EQ(px(img, 40, 15), px(before, 40, 15)) << "a white fill leaves the inside unchanged";
    cv.Rectangle(10, 10, 45, 40);
    cv.Flush();
    EXPECT_EQ(img, before);
    // a thin polyline running back over itself, in every direction
    for (int pass = 0; pass < 2; ++pass) {
        cv.MoveTo(55, 55);
        cv.LineTo(5, 50);
        cv.LineTo(20, 3);
        cv.LineTo(58, 30);
        cv.LineTo(5, 50);
        cv.Flush();
        if (pass == 0) {
            EXPECT_NE(img, before);
        }
    }
    EXPECT_EQ(img, before);
    EXPECT_EQ(img.format(), QImage::Format_RGB32);
}

TEST(Canvas, ThinLinesAreTheSameOnEveryImageFormat) {
    // 32-bit images take the pixels straight; other formats go through the painter.
    const auto draw = [](QImage::Format format) {
        QImage img(90, 70, format);
        img.fill(Qt::white);
        TCanvas cv(&img);
        plainState(cv);
        const TColor colors[] = {255, RGBColor(0x12, 0x34, 0x56), -16777208};
        const uint8_t styles[] = {psSolid, psDash, psDot, psDashDot, psDashDotDot, psInsideFrame};
        int n = 0;
        for (int a = 0; a < 360; a += 15, ++n) {  // every octant, some ends far outside the image
            const double r = a % 45 == 0 ? 400.0 : 30.0;
            cv.SetPenColor(colors[n % 3]);
            cv.SetPenStyle(styles[n % 6]);
            cv.MoveTo(45, 35);
            cv.LineTo(45 + int(r * std::cos(a * 0.0174533)), 35 + int(r * std::sin(a * 0.0174533)));
            cv.LineTo(45 + (n % 7) * 6, 2 + n * 3);
            if (n % 5 == 0) cv.Flush();
        }
        cv.Flush();
        return img.convertToFormat(QImage::Format_RGB32);
    };
    const QImage viaPainter = draw(QImage::Format_RGB888);
    EXPECT_NE(viaPainter, whiteImage(90, 70));
    for (QImage::Format f : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied})
        EXPECT_EQ(draw(f), viaPainter) << int(f);
}

TEST(Canvas, ThinPolylinesKeepTheirPixels) {
    // Polylines of every thin pen style and a few colours: mostly marks of a few pixels in
    // every direction, some zero-length steps and some long runs far out of the image;
    // against stored pixels, in copy and in not-xor mode, on every image format.
    const auto draw = [](QImage::Format format, uint8_t mode) {
        QImage img(240, 160, format);
        img.fill(Qt::white);
        TCanvas cv(&img);
        plainState(cv);
        cv.SetPenMode(mode);
        uint32_t seed = 12345;
        const auto next = [&](int n) {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<int>((seed >> 8) % static_cast<uint32_t>(n));
        };
        const uint8_t styles[] = {psSolid, psDash, psDot, psDashDot, psDashDotDot, psInsideFrame};
        const TColor colors[] = {255, RGBColor(0x12, 0x34, 0x56), -16777208, 0xFF0000};
        for (int run = 0; run < 90; ++run) {
            cv.SetPenStyle(styles[run % 6]);
            cv.SetPenColor(colors[run % 4]);
            int x = next(280) - 20, y = next(200) - 20;
            cv.MoveTo(x, y);
            const int reach = run % 7 == 0 ? 900 : run % 3 == 0 ? 40 : 4;
            for (int k = 0; k < 14; ++k) {
                x += next(2 * reach + 1) - reach;
                y += next(2 * reach + 1) - reach;
                cv.LineTo(x, y);
            }
        }
        cv.Flush();
        return img.convertToFormat(QImage::Format_RGB32);
    };
    struct Case {
        uint8_t mode;
        uint64_t pixels;
    };
    const Case cases[] = {{pmCopy, 0x3452bb1cd84b2c08ull}, {pmNotXor, 0x95d7da3043f78f47ull}};
    for (const Case& c : cases)
        for (QImage::Format f : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
            const QImage img = draw(f, c.mode);
            EXPECT_EQ(PixelSum(img), c.pixels) << int(c.mode) << " format " << int(f);
        }
}

TEST(Canvas, EachPrimitiveDrawsInItsOwnPenAndBrush) {
    // Thin lines, fills and text each leave the painter in another state; the next
    // primitive must not pick it up, within one painting or after a flush, on an image the
    // thin lines write straight into and on one they reach through the painter.
    constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888})
        for (bool flushBetween : {false, true}) {
            QImage img(100, 60, format);
            img.fill(Qt::white);
            TCanvas cv(&img);
            plainState(cv);
            TFont f = TFont::Default();
            f.Color = RGBColor(0, 255, 0);
            cv.SetFont(f);
            const auto step = [&] {
                if (flushBetween) cv.Flush();
            };
            cv.SetPenColor(255);
            cv.MoveTo(0, 1);
            cv.LineTo(100, 1);  // thin red
            step();
            cv.SetPenColor(RGBColor(0, 0, 255));
            cv.Rectangle(2, 4, 20, 20);  // blue outline, clear brush
            step();
            cv.SetBrushColor(RGBColor(0, 255, 0));
            cv.FillRect(24, 4, 40, 20);  // green, no outline
            step();
            cv.Rectangle(44, 4, 60, 20);  // blue outline round green
            step();
            cv.SetBrushStyle(bsClear);
            cv.TextOut(64, 4, "Ag");  // green text
            step();
            cv.Ellipse(2, 24, 20, 40);  // blue outline, clear brush
            step();
            cv.SetPenWidth(3);
            cv.MoveTo(24, 32);
            cv.LineTo(40, 32);  // wide blue
            step();
            cv.SetPenWidth(1);
            cv.SetPenColor(255);
            cv.MoveTo(0, 50);
            cv.LineTo(100, 50);  // thin red
            cv.Rectangle(44, 24, 60, 40);  // red outline, clear brush
            cv.SetPenColor(RGBColor(0, 0, 255));
            cv.MoveTo(0, 55);
            cv.LineTo(100, 55);  // thin blue
            cv.Flush();
            const QImage out = img.convertToFormat(QImage::Format_RGB32);
            const std::string name = std::to_string(int(format)) + (flushBetween ? " flushed" : " one painting");
            const struct {
                int x, y;
                uint32_t rgb;
            } expect[] = {
                {50, 1, kRed},   {2, 10, kBlue},   {10, 10, kWhite}, {24, 4, kGreen},  {39, 19, kGreen},
                {40, 12, kWhite}, {44, 10, kBlue}, {50, 10, kGreen}, {2, 32, kBlue},   {10, 32, kWhite},
                {30, 31, kBlue}, {30, 33, kBlue},  {44, 30, kRed},   {50, 30, kWhite}, {50, 50, kRed},
                {50, 55, kBlue},
            };
            for (const auto& e : expect) EXPECT_EQ(px(out, e.x, e.y), e.rgb) << name << " at " << e.x << "," << e.y;
            bool blueInText = false, greenInText = false;
            for (int y = 4; y < 20; ++y)
                for (int x = 64; x < 90; ++x) {
                    const uint32_t c = px(out, x, y);
                    if ((c & 0xFF) > 0x80 && (c & 0xFF00) < 0x8000) blueInText = true;
                    if ((c & 0xFF00) > 0x8000 && (c & 0xFF0000) < 0x800000) greenInText = true;
                }
            EXPECT_TRUE(greenInText) << name;
            EXPECT_FALSE(blueInText) << name << ": text takes the font colour";
        }
}

TEST(Canvas, TextIsOpaqueOnlyOverASolidBrush) {
    TFont f = TFont::Default();
    f.Color = 0;
    for (bool solid : {true, false}) {
        QImage img = whiteImage(120, 40);
        TCanvas cv(&img);
        cv.SetFont(f);
        cv.SetBrushColor(255);
        cv.SetBrushStyle(solid ? bsSolid : bsClear);
        const int tw = cv.TextWidth("Ag");
        const int th = cv.TextHeight("Ag");
        cv.TextOut(10, 5, "Ag");
        cv.Flush();
        bool ink = false;
        for (int y = 5; y < 5 + th; ++y)
            for (int x = 10; x < 10 + tw; ++x)
                if (px(img, x, y) != kWhite && px(img, x, y) != 0xFF0000u) ink = true;
        EXPECT_TRUE(ink) << solid;
        EXPECT_EQ(px(img, 10 + tw - 1, 5 + th - 1), solid ? 0xFF0000u : kWhite) << solid;
        EXPECT_EQ(px(img, 10 + tw, 5), kWhite) << "nothing right of the box";
        EXPECT_EQ(px(img, 9, 5), kWhite) << "nothing left of the box";
        EXPECT_EQ(cv.PenPos(), (TPoint{10 + tw, 5}));
    }
}

TEST(Canvas, MetricsComeFromQFontMetrics) {
    QImage img = whiteImage();
    TCanvas cv(&img);
    TFont f = TFont::Default();
    f.Height = -13;
    f.Style = fsBold;
    cv.SetFont(f);
    QFont q(QStringLiteral("MS Sans Serif"));
    q.setPixelSize(13);
    q.setBold(true);
    QFontMetrics fm(q, &img);
    EXPECT_EQ(cv.TextWidth("Hello, world"), fm.horizontalAdvance(QStringLiteral("Hello, world")));
    EXPECT_EQ(cv.TextHeight("Hello"), fm.height());
    EXPECT_EQ(cv.TextHeight(""), fm.height());
    EXPECT_EQ(cv.TextWidth(""), 0);
    f.Height = 0;  // default size, no warning
    cv.SetFont(f);
    EXPECT_GT(cv.TextHeight("x"), 0);
}

TEST(Canvas, RotatedTextStaysInItsTurnedBox) {
    TFont f = TFont::Default();
    f.Color = 0;
    for (int esc : {-900, 900}) {
        QImage img = whiteImage(80, 80);
        TCanvas cv(&img);
        cv.SetFont(TCanvasFont{f, esc});
        cv.SetBrushStyle(bsClear);
        const int tw = cv.TextWidth("Title");
        const int th = cv.TextHeight("Title");
        const int ax = 30, ay = esc == -900 ? 10 : 70;
        cv.TextOut(ax, ay, "Title");
        cv.Flush();
        const auto ink = inked(img);
        ASSERT_FALSE(ink.empty()) << esc;
        for (auto [x, y] : ink) {
            // one pixel of antialiasing may bleed over the box edge
            if (esc == -900) {  // reads downwards: x in [ax-th, ax], y in [ay, ay+tw]
                EXPECT_TRUE(x >= ax - th - 1 && x <= ax + 1 && y >= ay - 1 && y <= ay + tw + 1) << x << "," << y;
            } else {  // reads upwards: x in [ax, ax+th], y in [ay-tw, ay]
                EXPECT_TRUE(x >= ax - 1 && x <= ax + th + 1 && y >= ay - tw - 1 && y <= ay + 1) << x << "," << y;
            }
        }
        // the text runs along y, so its ink is taller than wide
        int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
        for (auto [x, y] : ink) {
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
        EXPECT_GT(maxY - minY, maxX - minX) << esc;
    }
}

TEST(Canvas, StateSettersFollowThePlatform) {
    TCanvas cv;
    cv.SetBrushStyle(bsClear);
    cv.SetBrushColor(255);
    EXPECT_EQ(cv.Brush().Style, bsSolid) << "colouring a clear brush makes it solid";
    cv.SetBrushStyle(bsClear);
    EXPECT_EQ(cv.Brush().Style, bsClear);
    EXPECT_EQ(cv.Brush().Color, 255);
    cv.SetPenWidth(-5);
    EXPECT_EQ(cv.Pen().Width, 0);
    cv.SetPenMode(9);
    EXPECT_EQ(cv.Pen().Mode, pmCopy);
    // save/restore of the state values
    const TCanvasPen pen = cv.Pen();
    const TCanvasBrush brush = cv.Brush();
    const TCanvasFont font = cv.Font();
    cv.SetPen({7, psDot, 99, pmNotXor});
    cv.SetBrush({bsCross, 5});
    cv.SetFontEscapement(900);
    cv.SetPen(pen);
    cv.SetBrush(brush);
    cv.SetFont(font);
    EXPECT_EQ(cv.Pen(), pen);
    EXPECT_EQ(cv.Brush(), brush);
    EXPECT_EQ(cv.Font(), font);
}

TEST(Canvas, RecordsPrimitivesWithTheirState) {
    std::vector<TCanvasRecord> rec;
    TCanvas cv;  // no image: recording alone
    cv.SetRecording(&rec);
    cv.SetPenColor(255);
    cv.MoveTo(1, 2);
    cv.LineTo(3, 4);
    cv.SetPenStyle(psDash);
    cv.LineTo(5, 6);
    cv.SetBrushColor(77);
    cv.Rectangle(1, 1, 9, 9);
    cv.Ellipse(2, 2, 4, 4);
    cv.FillRect(0, 0, 2, 2);
    cv.Polygon({{0, 0}, {1, 0}, {0, 1}});
    cv.TextOut(7, 8, "hi");
    cv.SetRecording(nullptr);
    cv.LineTo(0, 0);

    ASSERT_EQ(rec.size(), 8u);
    const TCanvasRecord::Kind kinds[] = {TCanvasRecord::MoveTo, TCanvasRecord::LineTo, TCanvasRecord::LineTo,
                                         TCanvasRecord::Rect,   TCanvasRecord::Ellipse, TCanvasRecord::Fill,
                                         TCanvasRecord::Polygon, TCanvasRecord::TextOut};
    for (size_t i = 0; i < rec.size(); ++i) EXPECT_EQ(rec[i].kind, kinds[i]) << i;
    EXPECT_EQ(rec[0].pts, (std::vector<TPoint>{{1, 2}}));
    EXPECT_EQ(rec[1].pen.Style, psSolid);
    EXPECT_EQ(rec[2].pen.Style, psDash);
    EXPECT_EQ(rec[2].pen.Color, 255);
    EXPECT_EQ(rec[3].pts, (std::vector<TPoint>{{1, 1}, {9, 9}}));
    EXPECT_EQ(rec[3].brush.Color, 77);
    EXPECT_EQ(rec[6].pts.size(), 3u);
    EXPECT_EQ(rec[7].text, "hi");
    EXPECT_EQ(rec[7].pts, (std::vector<TPoint>{{7, 8}}));
}

TEST(Font, SizeAndHeightAreOneValue) {
    const TFont d = TFont::Default(96);
    EXPECT_EQ(d.Name, "MS Sans Serif");
    EXPECT_EQ(d.Height, -11);
    EXPECT_EQ(d.Size(), 8);
    EXPECT_EQ(d.Color, -16777208);
    EXPECT_EQ(d.Charset, 1);
    EXPECT_EQ(d.Pitch, 0);
    EXPECT_EQ(d.Style, 0);

    TFont f = TFont::Default(120);
    f.SetSize(12);
    EXPECT_EQ(f.Height, -20);
    f.PixelsPerInch = 0;  // from a file
    EXPECT_EQ(f.Size(), 0);

    // Assign keeps the target's resolution and carries the size over.
    TFont src = TFont::Default(96);
    src.SetSize(12);
    src.Name = "Courier New";
    src.Style = fsItalic | fsStrikeOut;
    src.Color = 255;
    TFont dst = TFont::Default(144);
    dst.Assign(src);
    EXPECT_EQ(dst.PixelsPerInch, 144);
    EXPECT_EQ(dst.Size(), 12);
    EXPECT_EQ(dst.Height, -24);
    EXPECT_EQ(dst.Name, "Courier New");
    EXPECT_EQ(dst.Style, fsItalic | fsStrikeOut);
    EXPECT_EQ(dst.Color, 255);
    TFont same = TFont::Default(96);
    src.Height = -17;
    same.Assign(src);
    EXPECT_EQ(same.Height, -17) << "same resolution copies the height itself";
}
