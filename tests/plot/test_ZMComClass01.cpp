#include "plot/ZMComClass01.h"

#include "platform/ZMCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

static_assert(StyleCanvas<TCanvas>, "a style must be able to set the canvas pen and brush");

// Records the order and values of the style setters.
struct FakeCanvas {
    std::vector<std::string> calls;
    void SetPenWidth(std::int32_t v) { calls.push_back("PenWidth " + std::to_string(v)); }
    void SetPenStyle(std::uint8_t v) { calls.push_back("PenStyle " + std::to_string(v)); }
    void SetPenColor(TColor v) { calls.push_back("PenColor " + std::to_string(v)); }
    void SetBrushColor(TColor v) { calls.push_back("BrushColor " + std::to_string(v)); }
    void SetBrushStyle(std::uint8_t v) { calls.push_back("BrushStyle " + std::to_string(v)); }
};

TEST(GraphStyle, DefaultsAndStyledConstructor) {
    const TGraphStyle d;
    EXPECT_EQ(d.LineWidth, 1);
    EXPECT_EQ(d.LineStyle, 0);
    EXPECT_EQ(d.LineColor, 0);
    EXPECT_EQ(d.BrushStyle, 5);
    EXPECT_EQ(d.BrushColor, 0);

    const TGraphStyle s = TGraphStyle::CreateStyled(3, 2, 255);
    EXPECT_EQ(s.LineWidth, 3);
    EXPECT_EQ(s.LineStyle, 2);
    EXPECT_EQ(s.LineColor, 255);
    EXPECT_EQ(s.BrushStyle, 5);
    EXPECT_EQ(s.BrushColor, 0);
}

TEST(GraphStyle, ApplyToCanvasSetsBrushColourBeforeBrushStyle) {
    TGraphStyle s;
    s.LineWidth = 4;
    s.LineStyle = 3;
    s.LineColor = -16777208;  // system window text stays as stored
    s.BrushStyle = 1;
    s.BrushColor = 16711680;
    FakeCanvas c;
    s.ApplyToCanvas(c);
    const std::vector<std::string> want = {"PenWidth 4", "PenStyle 3", "PenColor -16777208",
                                           "BrushColor 16711680", "BrushStyle 1"};
    EXPECT_EQ(c.calls, want);
}

TEST(ValueRecords, AssignCopiesEveryField) {
    TGraphStyle s;
    const TGraphStyle src{7, 4, 123, 6, 456};
    s.Assign(src);
    EXPECT_EQ(s, src);

    TInterval i;
    const TInterval isrc = TInterval::CreateRange(1, -2.5, 3.25);
    i.Assign(isrc);
    EXPECT_EQ(i.Min, -2.5);
    EXPECT_EQ(i.Max, 3.25);
    EXPECT_EQ(i.Enabled, 1);

    TPlotParameter p;
    p.Assign(TPlotParameter::CreateAll(10, 20, 30, 5));
    EXPECT_EQ(p, (TPlotParameter{10, 20, 30, 5}));
}

TEST(ValueRecords, IntervalAndPlotParameterConstructors) {
    const TInterval i;
    EXPECT_EQ(i.Min, 0);
    EXPECT_EQ(i.Max, 0);
    EXPECT_EQ(i.Enabled, 0);

    EXPECT_EQ(TPlotParameter(), (TPlotParameter{500, 50, 50, 300}));
    EXPECT_EQ(TPlotParameter::CreateSteps(1000, 20), (TPlotParameter{1000, 50, 50, 20}));
}

TEST(ValueRecords, IntervalRestrictsOnlyWhenMinBelowMax) {
    struct Case { double min, max; std::uint8_t enabled; bool restricts; };
    const Case cases[] = {
        {0, 0, 1, false},   // enabled but empty
        {-1, 1, 0, true},   // switch off still restricts
        {2, 1, 1, false},
        {0, 1e-300, 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TInterval::CreateRange(c.enabled, c.min, c.max).Restricts(), c.restricts)
            << c.min << ".." << c.max;
}

}  // namespace
