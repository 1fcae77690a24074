// Edit-graph dialog: loading a graph of each kind, unchanged and changed OK, and a graph left
// exactly as it was by a failed OK and Cancel.

#include "editors/fmEditGraph.h"

#include <gtest/gtest.h>

#include "support/DialogFixture.h"
#include "platform/ZMColorBox.h"
#include "support/MessageRecorder.h"

namespace {

TFunctionObj Graph(std::uint8_t type, const char* exp, const char* addExp) {
    TFunctionObj g;
    g.Name = "kept name";
    g.FunctionObjType = type;
    g.Exp = exp;
    g.AddExp = addExp;
    g.ShowEnabled = 1;
    g.Description = "described";
    g.GraphStyle = TGraphStyle::CreateStyled(2, 1, 0x008000);
    g.GraphStyle.BrushColor = 0x008000;
    return g;
}

// Graphs that an unchanged OK must give back exactly.
std::vector<TFunctionObj> StableGraphs() {
    std::vector<TFunctionObj> graphs;
    TFunctionObj yx = Graph(0, "x^2", "");
    yx.Interval = TInterval::CreateRange(1, -2.5, 1e-7);
    yx.PlotParameter = TPlotParameter::CreateSteps(1000, 250);
    graphs.push_back(yx);
    TFunctionObj xy = Graph(1, "sin y", "");
    xy.GraphStyle = TGraphStyle::CreateStyled(5, 4, 0x123456);  // a colour of the custom row
    xy.GraphStyle.BrushColor = 0x123456;
    graphs.push_back(xy);
    TFunctionObj polar = Graph(2, "1+cos a", "");
    polar.Interval = TInterval::CreateRange(1, 0, 2);
    graphs.push_back(polar);
    TFunctionObj param = Graph(3, "cos t", "sin t");
    param.Interval = TInterval::CreateRange(1, -3, 3);
    param.ShowEnabled = 0;
    graphs.push_back(param);
    TFunctionObj curve = Graph(4, "x^2+y^2-4", "=0");
    curve.PlotParameter = TPlotParameter::CreateAll(800, 60, 70, 80);
    graphs.push_back(curve);
    TFunctionObj region = Graph(4, "x-y", ">0");
    region.GraphStyle.BrushStyle = 6;
    region.Interval = TInterval::CreateRange(1, -1, 1);
    region.AddInterval = TInterval::CreateRange(1, -4, 4);
    region.PlotParameter = TPlotParameter::CreateAll(800, 20, 30, 40);
    graphs.push_back(region);
    return graphs;
}

class EditGraphTest : public ::testing::Test {
protected:
    GraphContext ctx;
    MessageRecorder boxes;
};

TEST_F(EditGraphTest, UnchangedOkGivesBackTheGraphOfEachKind) {
    for (const TFunctionObj& original : StableGraphs()) {
        SCOPED_TRACE(original.Caption());
        TFunctionObj g = original;
        TFormEditGraph d;
        WhileShown(d, [&] { d.Button1Click(); });
        EXPECT_TRUE(d.Execute(g, ctx.ops, ctx.vars, ctx.consts));
        EXPECT_EQ(boxes.count(), 0);
        EXPECT_EQ(g, original);
    }
}

struct LoadCase {
    const char* what;
    TFunctionObj graph;
    std::vector<std::pair<const char*, const char*>> texts;
    std::vector<std::pair<const char*, bool>> checked;
    int kindRow;
    int relationRow;
    bool linePickers;
    int widthRow;
    TColor colour;
};

TEST_F(EditGraphTest, ShowsTheGraphsOwnValues) {
    TFunctionObj yx = Graph(0, "x^3", "");
    yx.Interval = TInterval::CreateRange(1, -0.5, 0.25);
    yx.PlotParameter = TPlotParameter::CreateSteps(900, 450);
    TFunctionObj zeroEnds = Graph(1, "y", "");
    zeroEnds.Interval = TInterval::CreateRange(1, 0, 0);
    TFunctionObj polarOff = Graph(2, "a", "");
    polarOff.Interval = TInterval::CreateRange(0, 5, 6);
    TFunctionObj param = Graph(3, "cos t", "sin t");
    TFunctionObj region = Graph(4, "x*y", " <0 ");
    region.GraphStyle = TGraphStyle::CreateStyled(1, 0, 0x000080);
    region.GraphStyle.BrushColor = 0xFF0000;
    region.Interval = TInterval::CreateRange(1, -1, 2);
    region.AddInterval = TInterval::CreateRange(0, -3, 4);
    region.PlotParameter = TPlotParameter::CreateAll(800, 11, 12, 13);
    TFunctionObj curve = Graph(4, "x*y-1", "=0");
    curve.GraphStyle.BrushColor = 0xFF0000;

    const std::vector<LoadCase> cases = {
        {"Y(x) with its domain", yx,
         {{"Edit1", "x^3"}, {"Edit3", "-0.5"}, {"Edit4", "0.25"}, {"Edit5", "900"}, {"Edit6", "450"},
          {"Edit2", "described"}, {"LabelMin", "Minimum of X"}},
         {{"CheckBox1", true}, {"CheckBox2", true}, {"CheckBox3", true}},
         0, 0, true, 1, 0x008000},
        {"X(y) with both ends 0 keeps the field defaults", zeroEnds,
         {{"Edit3", "-10"}, {"Edit4", "10"}, {"LabelMin", "Minimum of Y"}},
         {{"CheckBox2", true}, {"CheckBox3", true}},
         1, 0, true, 1, 0x008000},
        {"R(a) with the interval switched off", polarOff,
         {{"Edit3", "-1"}, {"Edit4", "1"}, {"Label1", "R(a)="}},
         {{"CheckBox2", false}, {"CheckBox3", true}},
         3, 0, true, 1, 0x008000},
        {"X(t) and Y(t)", param, {{"Edit1", "cos t"}, {"Edit7", "sin t"}, {"Label1", "X(t)="}}, {}, 2, 0, true, 1,
         0x008000},
        {"f(x,y) region takes its brush colour", region,
         {{"Edit1", "x*y"}, {"Edit8", "-1"}, {"Edit9", "2"}, {"Edit10", "-10"}, {"Edit11", "10"},
          {"Edit12", "11"}, {"Edit13", "12"}, {"Edit14", "13"}},
         {{"CheckBox4", true}, {"CheckBox5", true}},
         4, 2, false, 0, 0xFF0000},
        {"f(x,y) curve takes its line colour", curve, {{"Edit1", "x*y-1"}}, {{"CheckBox4", false}}, 4, 1, true, 1,
         0x008000},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.what);
        TFunctionObj g = c.graph;
        TFormEditGraph d;
        d.FunctionObj = &g;
        d.FormShow();
        for (const auto& [name, text] : c.texts) EXPECT_EQ(TextOf(d, name), QString::fromLatin1(text)) << name;
        for (const auto& [name, on] : c.checked) EXPECT_EQ(Control<QCheckBox>(d, name)->isChecked(), on) << name;
        EXPECT_EQ(Control<QComboBox>(d, "ComboBox1")->currentIndex(), c.kindRow);
        EXPECT_EQ(Control<QComboBox>(d, "ComboBox2")->currentIndex(), c.relationRow);
        EXPECT_EQ(Shown(d, "ComboboxLineWidth1"), c.linePickers);
        EXPECT_EQ(Shown(d, "ComboboxBrushStyle1"), !c.linePickers);
        EXPECT_EQ(Control<QComboBox>(d, "ComboboxLineWidth1")->currentIndex(), c.widthRow);
        EXPECT_EQ(Control<TColorBox>(d, "ColorBox1")->Selected(), c.colour);
        // A checked box has its fields enabled.
        for (const auto& [name, on] : c.checked) {
            const char* field = QByteArray(name) == "CheckBox2"   ? "Edit3"
                                : QByteArray(name) == "CheckBox3" ? "Edit5"
                                : QByteArray(name) == "CheckBox4" ? "Edit8"
                                : QByteArray(name) == "CheckBox5" ? "Edit12"
                                                                  : nullptr;
            if (field) {
                EXPECT_EQ(Control<QLineEdit>(d, field)->isEnabled(), on) << field;
            }
        }
    }
}

TEST_F(EditGraphTest, FailedOkThenCancelLeavesTheGraphAsItWas) {
    for (const TFunctionObj& original : StableGraphs()) {
        SCOPED_TRACE(original.Caption());
        TFunctionObj g = original;
        TFormEditGraph d;
        boxes.clear();
        WhileShown(d, [&] {
            const bool relation = original.FunctionObjType == 4;
            Apply(d, {{"Edit1", "changed+1"}, {"Edit2", "changed"}, {"CheckBox1", "0"}});
            if (relation)
                Apply(d, {{"CheckBox4", "1"}, {"Edit8", "3"}, {"Edit9", "-3"}});
            else
                Apply(d, {{"CheckBox2", "1"}, {"Edit3", "3"}, {"Edit4", "-3"}});
            d.Button1Click();
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(g, original);
            d.Button2Click();
        });
        EXPECT_FALSE(d.Execute(g, ctx.ops, ctx.vars, ctx.consts));
        EXPECT_EQ(boxes.count(), 1);
        EXPECT_EQ(g, original);
    }
}

TEST_F(EditGraphTest, OkRewritesTheGraphAndKeepsItsOwnPlotParametersWhenUnchecked) {
    TFunctionObj g = Graph(0, "x", "");
    g.PlotParameter = TPlotParameter::CreateAll(700, 61, 62, 300);
    TFormEditGraph d;
    WhileShown(d, [&] {
        Apply(d, {{"ComboBox1", "2"}, {"Edit1", "t^2"}, {"Edit7", "t"}, {"CheckBox3", "0"}, {"Edit2", "new"},
                  {"ComboboxLineWidth1", "4"}});
        d.Button1Click();
    });
    ASSERT_TRUE(d.Execute(g, ctx.ops, ctx.vars, ctx.consts));
    EXPECT_EQ(g.FunctionObjType, 3);
    EXPECT_EQ(g.Exp, "t^2");
    EXPECT_EQ(g.AddExp, "t");
    EXPECT_EQ(g.Interval, TInterval::CreateRange(1, -10, 10));
    EXPECT_EQ(g.PlotParameter, TPlotParameter::CreateAll(700, 61, 62, 300));
    EXPECT_EQ(g.Description, "new");
    EXPECT_EQ(g.GraphStyle.LineWidth, 5);
    EXPECT_EQ(g.Name, "kept name");
}

TEST_F(EditGraphTest, CaptionIsEditGraph) {
    TFormEditGraph d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Edit Graph"));
}

}  // namespace
