// Add-graph dialog: entries and presets, kind and relation changes, the checks of OK with their
// messages, and what reaches the graph list.

#include "editors/fmAddGraph.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/DialogFixture.h"
#include "editors/ZMGraphKindRows.h"
#include "platform/ZMColorBox.h"
#include "support/MessageRecorder.h"

namespace {

TEST(GraphKindRows, RowsAndTypesConvertBothWaysThroughOneTable) {
    const int typeOfRow[] = {0, 1, 3, 2, 4};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(zm::TypeOfKindRow(row), typeOfRow[row]) << row;
        EXPECT_EQ(zm::KindRowOfType(typeOfRow[row]), row) << row;
    }
    for (int bad : {-1, 5, 255}) {
        EXPECT_EQ(zm::TypeOfKindRow(bad), -1) << bad;
        EXPECT_EQ(zm::KindRowOfType(bad), -1) << bad;
    }
}

class AddGraphTest : public ::testing::Test {
protected:
    GraphContext ctx;
    MessageRecorder boxes;
    TFormAddGraph dialog;
};

// What an entry shows before the user does anything.
struct PresetCase {
    const char* what;
    std::function<bool(TFormAddGraph&, GraphContext&)> entry;
    int row;
    const char* label1;
    const char* edit1;
    bool relationShown;
    int relationRow;
    bool linePickers;
    const char* edit3;
    const char* edit4;
    bool pi;
};

TEST_F(AddGraphTest, EntriesPresetKindFormulaAndRelation) {
    const std::vector<PresetCase> cases = {
        {"Execute", [](TFormAddGraph& d, GraphContext& c) { return d.Execute(c.memory, c.ops, c.vars, c.consts); },
         0, "Y(x)=", "", false, 0, true, "-10", "10", false},
        {"ExecuteWithExpression",
         [](TFormAddGraph& d, GraphContext& c) {
             return d.ExecuteWithExpression(c.memory, c.ops, c.vars, c.consts, "x^2");
         },
         0, "Y(x)=", "x^2", false, 0, true, "-10", "10", false},
        {"ExecuteWithKind X(y)",
         [](TFormAddGraph& d, GraphContext& c) {
             return d.ExecuteWithKind(c.memory, c.ops, c.vars, c.consts, "y^2", 1);
         },
         1, "X(y)=", "y^2", false, 0, true, "-10", "10", false},
        {"ExecuteWithKind type 2 is row 3, R(a)",
         [](TFormAddGraph& d, GraphContext& c) {
             return d.ExecuteWithKind(c.memory, c.ops, c.vars, c.consts, "sin a", 2);
         },
         3, "R(a)=", "sin a", false, 0, true, "-1", "1", true},
        {"ExecuteWithKind type 3 selects nothing",
         [](TFormAddGraph& d, GraphContext& c) {
             return d.ExecuteWithKind(c.memory, c.ops, c.vars, c.consts, "cos t", 3);
         },
         0, "Y(x)=", "cos t", false, 0, true, "-10", "10", false},
        {"ExecuteWithExpressions <0",
         [](TFormAddGraph& d, GraphContext& c) {
             return d.ExecuteWithExpressions(c.memory, c.ops, c.vars, c.consts, "x^2+y^2-4", "<0", 4);
         },
         4, "f(x,y)=", "x^2+y^2-4", true, 2, false, "-10", "10", false},
        {"ExecuteWithExpressions blanks around >0",
         [](TFormAddGraph& d, GraphContext& c) {
             return d.ExecuteWithExpressions(c.memory, c.ops, c.vars, c.consts, "x-y", " >0 ", 4);
         },
         4, "f(x,y)=", "x-y", true, 0, false, "-10", "10", false},
        {"ExecuteWithExpressions unknown tail keeps =0",
         [](TFormAddGraph& d, GraphContext& c) {
             return d.ExecuteWithExpressions(c.memory, c.ops, c.vars, c.consts, "x-y", ">=0", 4);
         },
         4, "f(x,y)=", "x-y", true, 1, true, "-10", "10", false},
    };
    for (const PresetCase& c : cases) {
        SCOPED_TRACE(c.what);
        TFormAddGraph d;
        bool seen = false;
        WhileShown(d, [&] {
            seen = true;
            EXPECT_EQ(Control<QComboBox>(d, "ComboBox1")->currentIndex(), c.row);
            EXPECT_EQ(TextOf(d, "Label1"), QString::fromLatin1(c.label1));
            EXPECT_EQ(TextOf(d, "Edit1"), QString::fromLatin1(c.edit1));
            EXPECT_EQ(Shown(d, "ComboBox2"), c.relationShown);
            EXPECT_EQ(Control<QComboBox>(d, "ComboBox2")->currentIndex(), c.relationRow);
            EXPECT_EQ(Shown(d, "ComboboxLineWidth1"), c.linePickers);
            EXPECT_EQ(Shown(d, "ComboboxLineStyle1"), c.linePickers);
            EXPECT_EQ(Shown(d, "ComboboxBrushStyle1"), !c.linePickers);
            EXPECT_EQ(Shown(d, "GroupBox1"), c.row != 4);
            EXPECT_EQ(Shown(d, "GroupBox2"), c.row == 4);
            EXPECT_EQ(TextOf(d, "Edit3"), QString::fromLatin1(c.edit3));
            EXPECT_EQ(TextOf(d, "Edit4"), QString::fromLatin1(c.edit4));
            EXPECT_EQ(Shown(d, "LabelPiMin"), c.pi);
            EXPECT_EQ(Shown(d, "LabelPiMax"), c.pi);
            EXPECT_FALSE(Shown(d, "Edit7"));
            EXPECT_FALSE(d.Confirmed);
        });
        EXPECT_FALSE(c.entry(d, ctx));
        EXPECT_TRUE(seen);
        EXPECT_EQ(ctx.memory.Count(), 0u);
    }
}

TEST_F(AddGraphTest, APresetXIntervalShowsInTheRegionBoxWithYUnrestricted) {
    const TInterval none = TInterval::CreateRange(0, 0, 0);
    const struct {
        const char* what;
        std::uint8_t kind;
        TInterval preset;
        bool boxChecked;
        QStringList fields;  // minimum and maximum of X, then of Y
        TInterval interval;  // of the graph added on OK
        TInterval addInterval;
    } cases[] = {
        {"a region over [0, 1.5]", 4, TInterval::CreateRange(1, 0, 1.5), true, {"0", "1.5", "", ""},
         TInterval::CreateRange(1, 0, 1.5), none},
        {"no interval", 4, TInterval{}, false, {"-10", "10", "-10", "10"}, none, none},
        {"an interval that does not restrict", 4, TInterval::CreateRange(1, 2, 2), false,
         {"-10", "10", "-10", "10"}, none, none},
        {"a Y(x) graph", 0, TInterval::CreateRange(1, 0, 1.5), false, {"-10", "10", "-10", "10"}, none, none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GraphContext fresh;
        TFormAddGraph d;
        WhileShown(d, [&] {
            EXPECT_EQ(Control<QCheckBox>(d, "CheckBox4")->isChecked(), c.boxChecked);
            EXPECT_EQ(Control<QLineEdit>(d, "Edit8")->isEnabled(), c.boxChecked);
            QStringList fields;
            for (const char* name : {"Edit8", "Edit9", "Edit10", "Edit11"}) fields << TextOf(d, name);
            EXPECT_EQ(fields, c.fields);
            d.Button1Click();
        });
        EXPECT_TRUE(d.ExecuteWithExpressions(fresh.memory, fresh.ops, fresh.vars, fresh.consts, "((x^2)-y)*((x)-y)",
                                             "<0", c.kind, c.preset));
        ASSERT_EQ(fresh.memory.Count(), 1u);
        EXPECT_EQ(fresh.memory.GetFunction(0)->Interval, c.interval);
        EXPECT_EQ(fresh.memory.GetFunction(0)->AddInterval, c.addInterval);
    }
    EXPECT_EQ(boxes.count(), 0);
}

struct KindCase {
    int row;
    const char* label1;
    bool second;
    const char* min;
    const char* max;
    const char* edit3;
    const char* edit4;
    bool pi;
};

TEST_F(AddGraphTest, KindChangeSetsLabelsFieldsAndGroups) {
    const KindCase cases[] = {
        {0, "Y(x)=", false, "Minimum of X", "Maximum of X", "-10", "10", false},
        {1, "X(y)=", false, "Minimum of Y", "Maximum of Y", "-10", "10", false},
        {2, "X(t)=", true, "Minimum of T", "Maximum of T", "-10", "10", false},
        {3, "R(a)=", false, "Minimum of A", "Maximum of A", "-1", "1", true},
    };
    dialog.FormShow();
    Apply(dialog, {{"CheckBox3", "1"}, {"Edit5", "700"}});
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.row);
        Apply(dialog, {{"Edit1", "typed"}, {"Edit7", "typed"}, {"Edit3", "7"}, {"Edit4", "8"}});
        Apply(dialog, {{"ComboBox1", QString::number(c.row)}});
        EXPECT_EQ(TextOf(dialog, "Label1"), QString::fromLatin1(c.label1));
        EXPECT_EQ(TextOf(dialog, "Edit1"), QString());
        EXPECT_EQ(TextOf(dialog, "Edit7"), QString());
        EXPECT_EQ(Shown(dialog, "Edit7"), c.second);
        EXPECT_EQ(Shown(dialog, "Label10"), c.second);
        EXPECT_FALSE(Shown(dialog, "ComboBox2"));
        EXPECT_TRUE(Shown(dialog, "ComboboxLineWidth1"));
        EXPECT_FALSE(Shown(dialog, "ComboboxBrushStyle1"));
        EXPECT_TRUE(Shown(dialog, "GroupBox1"));
        EXPECT_FALSE(Shown(dialog, "GroupBox2"));
        EXPECT_EQ(TextOf(dialog, "LabelMin"), QString::fromLatin1(c.min));
        EXPECT_EQ(TextOf(dialog, "LabelMax"), QString::fromLatin1(c.max));
        EXPECT_EQ(TextOf(dialog, "Edit3"), QString::fromLatin1(c.edit3));
        EXPECT_EQ(TextOf(dialog, "Edit4"), QString::fromLatin1(c.edit4));
        EXPECT_EQ(Shown(dialog, "LabelPiMin"), c.pi);
        // Check boxes and plot parameters are left as they are.
        EXPECT_TRUE(Control<QCheckBox>(dialog, "CheckBox3")->isChecked());
        EXPECT_EQ(TextOf(dialog, "Edit5"), QStringLiteral("700"));
    }

    Apply(dialog, {{"Edit1", "typed"}, {"Edit12", "33"}, {"ComboBox2", "0"}});
    Apply(dialog, {{"ComboBox1", "4"}});
    EXPECT_EQ(TextOf(dialog, "Label1"), QStringLiteral("f(x,y)="));
    EXPECT_EQ(TextOf(dialog, "Edit1"), QString());
    EXPECT_FALSE(Shown(dialog, "Edit7"));
    EXPECT_TRUE(Shown(dialog, "ComboBox2"));
    EXPECT_EQ(Control<QComboBox>(dialog, "ComboBox2")->currentIndex(), 1);
    EXPECT_TRUE(Shown(dialog, "ComboboxLineWidth1"));
    EXPECT_FALSE(Shown(dialog, "ComboboxBrushStyle1"));
    EXPECT_FALSE(Shown(dialog, "GroupBox1"));
    EXPECT_TRUE(Shown(dialog, "GroupBox2"));
    EXPECT_EQ(TextOf(dialog, "Edit12"), QStringLiteral("33"));
}

TEST_F(AddGraphTest, RelationChangeSwapsLineAndShadingPickers) {
    dialog.FormShow();
    Apply(dialog, {{"ComboBox1", "4"}});
    const struct {
        int row;
        bool curve;
    } cases[] = {{0, false}, {1, true}, {2, false}};
    for (const auto& c : cases) {
        Apply(dialog, {{"ComboBox2", QString::number(c.row)}});
        EXPECT_EQ(Shown(dialog, "ComboboxLineWidth1"), c.curve) << c.row;
        EXPECT_EQ(Shown(dialog, "LabelLineWidth"), c.curve) << c.row;
        EXPECT_EQ(Shown(dialog, "ComboboxLineStyle1"), c.curve) << c.row;
        EXPECT_EQ(Shown(dialog, "LabelLineStyle"), c.curve) << c.row;
        EXPECT_EQ(Shown(dialog, "ComboboxBrushStyle1"), !c.curve) << c.row;
        EXPECT_EQ(Shown(dialog, "LabelBrushStyle"), !c.curve) << c.row;
    }
}

TEST_F(AddGraphTest, OnlyUserChoicesRunTheChangeHandlers) {
    dialog.FormShow();
    Apply(dialog, {{"Edit1", "x^2"}});
    auto* kind = Control<QComboBox>(dialog, "ComboBox1");
    kind->setCurrentIndex(2);
    EXPECT_EQ(TextOf(dialog, "Edit1"), QStringLiteral("x^2"));
    EXPECT_EQ(TextOf(dialog, "Label1"), QStringLiteral("Y(x)="));
    emit kind->activated(2);
    EXPECT_EQ(TextOf(dialog, "Edit1"), QString());
    EXPECT_EQ(TextOf(dialog, "Label1"), QStringLiteral("X(t)="));
}

TEST_F(AddGraphTest, CheckBoxesEnableTheFieldsTheyGovern) {
    dialog.FormShow();
    const struct {
        const char* box;
        std::vector<const char*> edits;
    } cases[] = {{"CheckBox2", {"Edit3", "Edit4"}},
                 {"CheckBox3", {"Edit5", "Edit6"}},
                 {"CheckBox4", {"Edit8", "Edit9", "Edit10", "Edit11"}},
                 {"CheckBox5", {"Edit12", "Edit13", "Edit14"}}};
    for (const auto& c : cases) {
        for (const char* e : c.edits) EXPECT_FALSE(Control<QLineEdit>(dialog, e)->isEnabled()) << e;
        Apply(dialog, {{c.box, "1"}});
        for (const char* e : c.edits) EXPECT_TRUE(Control<QLineEdit>(dialog, e)->isEnabled()) << e;
        Apply(dialog, {{c.box, "0"}});
        for (const char* e : c.edits) EXPECT_FALSE(Control<QLineEdit>(dialog, e)->isEnabled()) << e;
    }
}

struct FailCase {
    const char* what;
    std::vector<Input> inputs;
    int code;
};

const char* const kMessages[] = {
    "",
    "Expression cannot be null.",
    "Expression error.",
    "The maximum value of x must be greater than the minimum value of x.",
    "Number of Steps must be greater than Maximum gap, while Maximum gap must be greater than 0.",
    "The maximum value of y must be greater than the minimum value of y.",
    "Both Number of Steps and Maximu grap must be greater than 0.",
    "The maximum value of t must be greater than the minimum value of t.",
    "The maximum value of a must be greater than the minimum value of a.",
};

TEST_F(AddGraphTest, FailedOkShowsTheLastFailingCheckAndAddsNothing) {
    const std::vector<FailCase> cases = {
        {"empty formula", {}, 1},
        {"formula of blanks only", {{"Edit1", "   "}}, 1},
        {"unparsable formula", {{"Edit1", "x+"}}, 2},
        {"empty formula, inverted interval", {{"CheckBox2", "1"}, {"Edit3", "5"}, {"Edit4", "5"}}, 3},
        {"unparsable formula is not compiled after a failure",
         {{"Edit1", "x+"}, {"CheckBox2", "1"}, {"Edit3", "2"}, {"Edit4", "1"}},
         3},
        {"both ends not numbers", {{"Edit1", "x"}, {"CheckBox2", "1"}, {"Edit3", "abc"}, {"Edit4", "abc"}}, 3},
        {"X(y) interval", {{"ComboBox1", "1"}, {"Edit1", "y"}, {"CheckBox2", "1"}, {"Edit3", "3"}, {"Edit4", "-3"}}, 5},
        {"X(t) interval",
         {{"ComboBox1", "2"}, {"Edit1", "cos t"}, {"Edit7", "sin t"}, {"CheckBox2", "1"}, {"Edit3", "1"},
          {"Edit4", "0"}},
         7},
        {"R(a) interval", {{"ComboBox1", "3"}, {"Edit1", "1"}, {"CheckBox2", "1"}, {"Edit3", "1"}, {"Edit4", "-1"}}, 8},
        {"X(t) without Y(t)", {{"ComboBox1", "2"}, {"Edit1", "cos t"}, {"Edit7", "  "}}, 1},
        {"X(t) with a bad Y(t)", {{"ComboBox1", "2"}, {"Edit1", "cos t"}, {"Edit7", "sin("}}, 2},
        {"steps equal to gap", {{"Edit1", "x"}, {"CheckBox3", "1"}, {"Edit5", "500"}, {"Edit6", "500"}}, 4},
        {"gap 0", {{"Edit1", "x"}, {"CheckBox3", "1"}, {"Edit5", "500"}, {"Edit6", "0"}}, 4},
        {"498.5 rounds to even 498, equal to gap",
         {{"Edit1", "x"}, {"CheckBox3", "1"}, {"Edit5", "498.5"}, {"Edit6", "498"}},
         4},
        {"1e10 steps do not wrap", {{"Edit1", "x"}, {"CheckBox3", "1"}, {"Edit5", "1e10"}, {"Edit6", "100"}}, 4},
        {"interval then steps: steps win",
         {{"Edit1", "x"}, {"CheckBox2", "1"}, {"Edit3", "1"}, {"Edit4", "0"}, {"CheckBox3", "1"}, {"Edit5", "5"},
          {"Edit6", "5"}},
         4},
        {"f(x,y) empty formula", {{"ComboBox1", "4"}}, 1},
        {"f(x,y) x range", {{"ComboBox1", "4"}, {"Edit1", "x*y"}, {"CheckBox4", "1"}, {"Edit9", "-20"}}, 3},
        {"f(x,y) x and y ranges: y wins",
         {{"ComboBox1", "4"}, {"Edit1", "x*y"}, {"CheckBox4", "1"}, {"Edit9", "-20"}, {"Edit11", "-20"}},
         5},
        {"f(x,y) empty formula, y range", {{"ComboBox1", "4"}, {"CheckBox4", "1"}, {"Edit10", "10"}}, 5},
        {"f(x,y) 0.4 steps round to 0", {{"ComboBox1", "4"}, {"Edit1", "x*y"}, {"CheckBox5", "1"}, {"Edit12", "0.4"}}, 6},
        {"f(x,y) 1e10 steps do not wrap",
         {{"ComboBox1", "4"}, {"Edit1", "x*y"}, {"CheckBox5", "1"}, {"Edit13", "1e10"}},
         6},
        {"f(x,y) gap 0 after a range failure",
         {{"ComboBox1", "4"}, {"Edit1", "x*y"}, {"CheckBox4", "1"}, {"Edit11", "-20"}, {"CheckBox5", "1"},
          {"Edit14", "0"}},
         6},
        {"f(x,y) unparsable", {{"ComboBox1", "4"}, {"Edit1", "x*"}}, 2},
    };
    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.what);
        TFormAddGraph d;
        boxes.clear();
        WhileShown(d, [&] {
            Apply(d, c.inputs);
            d.Button1Click();
            EXPECT_TRUE(d.isVisible());
            EXPECT_FALSE(d.Confirmed);
            d.Button1Click();  // a second try gives the same single box
        });
        EXPECT_FALSE(d.Execute(ctx.memory, ctx.ops, ctx.vars, ctx.consts));
        ASSERT_EQ(boxes.count(), 2);
        for (const MessageRequest& box : boxes.boxes()) {
            EXPECT_EQ(box.kind, MsgKind::Warning);
            EXPECT_EQ(box.buttons, MsgButtons::Ok);
            EXPECT_EQ(box.text, QString::fromLatin1(kMessages[c.code]));
            EXPECT_EQ(box.parent, &d);
        }
        EXPECT_EQ(ctx.memory.Count(), 0u);
    }
}

struct PassCase {
    const char* what;
    std::vector<Input> inputs;
    int type;
    const char* exp;
    const char* addExp;
    TInterval interval;
    TInterval addInterval;
    TPlotParameter plot;
};

TEST_F(AddGraphTest, OkAppendsTheGraphOfEachKind) {
    const TInterval none = TInterval::CreateRange(0, 0, 0);
    const TPlotParameter defaults;
    const std::vector<PassCase> cases = {
        {"Y(x), nothing checked", {{"Edit1", "x^2"}}, 0, "x^2", "", none, none, defaults},
        {"Y(x), interval and steps",
         {{"Edit1", "sin x"}, {"CheckBox2", "1"}, {"Edit3", "-5"}, {"Edit4", "5.5"}, {"CheckBox3", "1"},
          {"Edit5", "1000"}, {"Edit6", "999"}},
         0, "sin x", "", TInterval::CreateRange(1, -5, 5.5), none, TPlotParameter::CreateSteps(1000, 999)},
        {"499.5 steps round to even 500",
         {{"Edit1", "x"}, {"CheckBox3", "1"}, {"Edit5", "499.5"}, {"Edit6", "499"}},
         0, "x", "", none, none, TPlotParameter::CreateSteps(500, 499)},
        {"gap 2.5 rounds to 2", {{"Edit1", "x"}, {"CheckBox3", "1"}, {"Edit5", "100"}, {"Edit6", "2.5"}},
         0, "x", "", none, none, TPlotParameter::CreateSteps(100, 2)},
        {"a minimum that is not a number counts as 0",
         {{"Edit1", "x"}, {"CheckBox2", "1"}, {"Edit3", "abc"}, {"Edit4", "3"}},
         0, "x", "", TInterval::CreateRange(1, 0, 3), none, defaults},
        {"compiled, not evaluated: ln of a negative at every x in view is accepted",
         {{"Edit1", "ln(-1-x*x)"}}, 0, "ln(-1-x*x)", "", none, none, defaults},
        {"X(y)", {{"ComboBox1", "1"}, {"Edit1", "y^2"}}, 1, "y^2", "", none, none, defaults},
        {"X(t) and Y(t), t domain [-10, 10]",
         {{"ComboBox1", "2"}, {"Edit1", "cos t"}, {"Edit7", "sin t"}},
         3, "cos t", "sin t", TInterval::CreateRange(1, -10, 10), none, defaults},
        {"R(a), angle domain [-1, 1]", {{"ComboBox1", "3"}, {"Edit1", "1"}},
         2, "1", "", TInterval::CreateRange(1, -1, 1), none, defaults},
        {"R(a), own domain",
         {{"ComboBox1", "3"}, {"Edit1", "a"}, {"CheckBox2", "1"}, {"Edit3", "0"}, {"Edit4", "0.5"}},
         2, "a", "", TInterval::CreateRange(1, 0, 0.5), none, defaults},
        {"f(x,y) curve", {{"ComboBox1", "4"}, {"Edit1", "x^2+y^2-4"}},
         4, "x^2+y^2-4", "=0", none, none, defaults},
        {"f(x,y) region with box and grid",
         {{"ComboBox1", "4"}, {"Edit1", "x-y"}, {"ComboBox2", "2"}, {"CheckBox4", "1"}, {"Edit8", "-3"},
          {"Edit9", "3"}, {"Edit10", "-2"}, {"Edit11", "2"}, {"CheckBox5", "1"}, {"Edit12", "40"},
          {"Edit13", "30"}, {"Edit14", "20"}},
         4, "x-y", "<0", TInterval::CreateRange(1, -3, 3), TInterval::CreateRange(1, -2, 2),
         TPlotParameter::CreateAll(800, 40, 30, 20)},
        {"f(x,y) region with both y fields empty: x alone restricted",
         {{"ComboBox1", "4"}, {"Edit1", "x-y"}, {"ComboBox2", "2"}, {"CheckBox4", "1"}, {"Edit8", "-3"},
          {"Edit9", "3"}, {"Edit10", ""}, {"Edit11", " "}},
         4, "x-y", "<0", TInterval::CreateRange(1, -3, 3), none, defaults},
    };
    for (const PassCase& c : cases) {
        SCOPED_TRACE(c.what);
        GraphContext fresh;
        TFormAddGraph d;
        WhileShown(d, [&] {
            Apply(d, c.inputs);
            d.Button1Click();
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_TRUE(d.Execute(fresh.memory, fresh.ops, fresh.vars, fresh.consts));
        EXPECT_EQ(boxes.count(), 0);
        ASSERT_EQ(fresh.memory.Count(), 1u);
        const TFunctionObj* g = fresh.memory.GetFunction(0);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->FunctionObjType, c.type);
        EXPECT_EQ(g->Exp, c.exp);
        EXPECT_EQ(g->AddExp, c.addExp);
        EXPECT_EQ(g->Interval, c.interval);
        EXPECT_EQ(g->AddInterval, c.addInterval);
        EXPECT_EQ(g->PlotParameter, c.plot);
        EXPECT_EQ(g->Name, "UnknownFunctionObj");
    }
}

TEST_F(AddGraphTest, OkTakesVisibilityDescriptionAndStyle) {
    WhileShown(dialog, [&] {
        Apply(dialog, {{"ComboBox1", "4"}, {"Edit1", "x*y"}, {"ComboBox2", "0"}, {"CheckBox1", "0"},
                       {"Edit2", "my region"}, {"ComboboxLineWidth1", "2"}, {"ComboboxLineStyle1", "3"},
                       {"ComboboxBrushStyle1", "6"}});
        Control<TColorBox>(dialog, "ColorBox1")->SetSelected(0x123456);
        dialog.Button1Click();
    });
    ASSERT_TRUE(dialog.Execute(ctx.memory, ctx.ops, ctx.vars, ctx.consts));
    const TFunctionObj* g = ctx.memory.GetFunction(0);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->AddExp, ">0");
    EXPECT_EQ(g->ShowEnabled, 0);
    EXPECT_EQ(g->Description, "my region");
    EXPECT_EQ(g->GraphStyle.LineWidth, 3);
    EXPECT_EQ(g->GraphStyle.LineStyle, 3);  // dash-dot
    EXPECT_EQ(g->GraphStyle.BrushStyle, 0);  // row 6: solid
    EXPECT_EQ(g->GraphStyle.LineColor, 0x123456);
    EXPECT_EQ(g->GraphStyle.BrushColor, 0x123456);
}

TEST_F(AddGraphTest, OkAppendsOneCopyAfterFailuresAndCancelAddsNothing) {
    TFunctionObj first;
    first.Exp = "1";
    ctx.memory.AddFunction(first);

    TFormAddGraph cancelled;
    WhileShown(cancelled, [&] {
        Apply(cancelled, {{"Edit1", "x"}});
        cancelled.Button2Click();
    });
    EXPECT_FALSE(cancelled.Execute(ctx.memory, ctx.ops, ctx.vars, ctx.consts));
    EXPECT_EQ(ctx.memory.Count(), 1u);

    WhileShown(dialog, [&] {
        dialog.Button1Click();  // empty formula
        Apply(dialog, {{"Edit1", "x+1"}, {"CheckBox3", "1"}, {"Edit6", "600"}});
        dialog.Button1Click();  // gap too large
        EXPECT_EQ(ctx.memory.Count(), 1u);
        Apply(dialog, {{"Edit6", "100"}});
        dialog.Button1Click();
    });
    EXPECT_TRUE(dialog.Execute(ctx.memory, ctx.ops, ctx.vars, ctx.consts));
    EXPECT_EQ(boxes.count(), 2);
    ASSERT_EQ(ctx.memory.Count(), 2u);
    EXPECT_EQ(*ctx.memory.GetFunction(0), first);
    EXPECT_EQ(ctx.memory.GetFunction(1)->Exp, "x+1");
    EXPECT_EQ(ctx.memory.GetFunction(1)->PlotParameter, TPlotParameter::CreateSteps(500, 100));
}

TEST_F(AddGraphTest, StartColourIsOneOfNineAtEveryShowing) {
    const TColor nine[] = {0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                           0x808000, 0x0000FF, 0xFF0000, 0xFF00FF};
    for (int i = 0; i < 9; ++i) {
        TFormAddGraph d;
        d.RandomIndex = [i](int count) {
            EXPECT_EQ(count, 9);
            return i;
        };
        d.FormShow();
        EXPECT_EQ(Control<TColorBox>(d, "ColorBox1")->Selected(), nine[i]) << i;
    }
    std::set<TColor> seen;
    for (int showing = 0; showing < 40; ++showing) {
        TFormAddGraph d;
        d.FormShow();
        const TColor c = Control<TColorBox>(d, "ColorBox1")->Selected();
        EXPECT_NE(std::find(std::begin(nine), std::end(nine), c), std::end(nine)) << c;
        seen.insert(c);
    }
    EXPECT_GT(seen.size(), 1u);
}

TEST_F(AddGraphTest, OkIsTheDefaultButton) {
    EXPECT_TRUE(Control<QPushButton>(dialog, "Button1")->isDefault());
    EXPECT_FALSE(Control<QPushButton>(dialog, "Button2")->autoDefault());
    EXPECT_FALSE(Control<QPushButton>(dialog, "Button3")->autoDefault());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Graph"));
}

TEST_F(AddGraphTest, HelpOpensTheGraphDialogTopic) {
    WhileShown(dialog, [&] {
        Control<QPushButton>(dialog, "Button3")->click();
        ExpectHelpShown(dialog, "ch02_01.htm", "211");
    });
    EXPECT_FALSE(dialog.Execute(ctx.memory, ctx.ops, ctx.vars, ctx.consts));
    EXPECT_EQ(boxes.count(), 0);
}

}  // namespace
