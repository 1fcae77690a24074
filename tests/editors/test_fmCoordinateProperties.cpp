// Coordinate properties dialog: loading and writing every plane setting, the checks of OK, the
// title fonts, the page tree and the help links.

#include "editors/fmCoordinateProperties.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "engine/ZMNumber.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMLinkLabel.h"
#include "platform/ZMRadioGroup.h"
#include "platform/ZMUpDownEdit.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "plot/ZMCoordinate.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/ScriptedFontChooser.h"

namespace {

// A value as the dialog's 15-digit text gives it back.
double Shown15(double v) {
    double out = 0;
    EXPECT_TRUE(zm::TryStrToFloat(zm::FloatToStr(v), out));
    return out;
}

TFont FontOf(const char* name, int size, std::uint8_t style, TColor color, int ppi = 96) {
    TFont f;
    f.Name = name;
    f.PixelsPerInch = ppi;
    f.SetSize(size);
    f.Style = style;
    f.Color = color;
    return f;
}

// Settings unlike the defaults in every field the dialog edits, and in the ones it leaves alone.
TCoordinateSettings Unusual() {
    TCoordinateSettings s = TCoordinateSettings::Create(96);
    s.XInterval = TInterval::CreateRange(0, -3.25, 0.1 + 0.2);  // Enabled 0 is not edited
    s.YInterval = TInterval::CreateRange(1, 1.0 / 3, 1e12);
    s.PlotParameter.Steps = 1234;
    s.PlotParameter.MaxGap = 77;
    s.PlotParameter.StepsOnX = 7;
    s.PlotParameter.StepsOnY = 9;
    s.AxesStyle = 1;
    s.BackgroundColor = 0x123456;
    s.EqualScaleEnabled = 1;
    s.XAxesDirection = 1;
    s.YAxesDirection = 0;
    s.XAxesGraphStyle = {3, 3, 0x0000FF, 2, 0xFF0000};
    s.YAxesGraphStyle = {5, 4, static_cast<TColor>(0xFF000008u), 7, 0x00FF00};
    s.XArrow = {0, "horizontal"};
    s.YArrow = {1, " y name "};
    s.XAxesTicksStep = 0.5;
    s.XAxesTicksLength = 15;  // beyond the arrows' 10
    s.YAxesTicksStep = 2.0 / 3;
    s.YAxesTicksLength = 4;
    s.XAxesLabelsStep = 0.1 * 3;
    s.XAxesLabelsString = "cm";
    s.YAxesLabelsStep = 2;
    s.YAxesLabelsString = "m";
    s.XAxesLabelSide = 0;
    s.YAxesLabelSide = 0;
    s.TitleTopEnabled = 1;
    s.TitleTop = "Top  title ";
    s.TitleTopFont = FontOf("Courier New", 14, fsBold, 0x0000FF);
    s.TitleBottomEnabled = 0;
    s.TitleBottom = "bottom";
    s.TitleLeftEnabled = 1;
    s.TitleLeft = "left";
    s.TitleLeftFont = FontOf("Arial", 10, fsItalic | fsUnderline, 0, 120);
    s.TitleRightEnabled = 1;
    s.TitleRight = "right";
    s.LegendEnabled = 1;
    s.ShowSampleEnabled = 0;
    s.TextColorAsGraphEnabled = 1;
    s.LegendPosition = 0;
    s.GridHorEnabled = 1;
    s.GridHorStep = 0.7;
    s.GridHorGraphStyle = {2, 1, 0x00FFFF, 3, 0x111111};
    s.GridVerEnabled = 1;
    s.GridVerStep = 1e-5;
    s.GridRadialEnabled = 1;
    s.GridRadialStep = 3;
    s.GridRadialGraphStyle = {4, 0, 0x808000, 1, 0xFFFFFF};
    s.GridAngularEnabled = 1;
    s.GridAngularStep = 1.0 / 6;
    s.GridAngularGraphStyle = {1, 3, 0x800080, 5, 0};
    return s;
}

class CoordinatePropertiesTest : public ::testing::Test {
protected:
    CoordinatePropertiesTest() { dialog.SetFontChooser(&fonts); }

    // Runs the dialog on the plane with `inside` acting in its modal loop.
    bool Run(std::function<void()> inside) {
        WhileShown(dialog, std::move(inside));
        return dialog.Execute(plane);
    }
    bool RunOk(const std::vector<Input>& inputs = {}) {
        return Run([&] {
            Apply(dialog, inputs);
            dialog.Button1Click();
        });
    }

    TCoordinate plane;
    MessageRecorder boxes;
    ScriptedFontChooser fonts;
    TFormCoordinateProperties dialog;
};

TEST_F(CoordinatePropertiesTest, UnchangedOkWritesEveryFieldAsItsTextAndKeepsTheRest) {
    plane.Settings = Unusual();
    TCoordinateSettings expected = Unusual();
    for (double* v : {&expected.XInterval.Max, &expected.YInterval.Min, &expected.YAxesTicksStep,
                      &expected.XAxesLabelsStep, &expected.GridAngularStep})
        *v = Shown15(*v);
    EXPECT_NE(expected.XInterval.Max, Unusual().XInterval.Max);  // 0.1 + 0.2 comes back as 0.3

    EXPECT_TRUE(RunOk());
    EXPECT_TRUE(plane.Settings == expected);
    EXPECT_EQ(plane.Settings.XInterval.Enabled, 0);
    EXPECT_EQ(plane.Settings.PlotParameter.StepsOnX, 7);
    EXPECT_EQ(plane.Settings.XAxesGraphStyle.BrushStyle, 2);
    EXPECT_EQ(plane.Settings.XAxesTicksLength, 15);
    EXPECT_EQ(plane.Settings.YArrow.Name, " y name ");
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(CoordinatePropertiesTest, ShowReplacesTheStartingTextsWithThePlanes) {
    plane.Settings = Unusual();
    Run([&] {
        EXPECT_EQ(TextOf(dialog, "EditXMin"), QStringLiteral("-3.25"));
        EXPECT_EQ(TextOf(dialog, "EditXMax"), QStringLiteral("0.3"));
        EXPECT_EQ(TextOf(dialog, "EditYMin"), QStringLiteral("0.333333333333333"));
        EXPECT_EQ(TextOf(dialog, "EditYMax"), QStringLiteral("1000000000000"));
        EXPECT_EQ(TextOf(dialog, "EditSteps"), QStringLiteral("1234"));
        EXPECT_EQ(TextOf(dialog, "EditMaxGap"), QStringLiteral("77"));
        EXPECT_EQ(TextOf(dialog, "EditXTickLength"), QStringLiteral("15"));
        EXPECT_EQ(Control<UpDownEdit>(dialog, "UpDownXTickLength")->Position(), 10);
        EXPECT_EQ(TextOf(dialog, "EditGridVerStep"), QStringLiteral("1E-5"));
        EXPECT_EQ(Control<TColorBox>(dialog, "ColorBackground")->Selected(), 0x123456);
        EXPECT_EQ(Control<TComboboxLineWidth>(dialog, "XAxisWidth")->currentIndex(), 2);
        EXPECT_EQ(Control<TComboboxLineStyle>(dialog, "XAxisStyle")->currentIndex(), 3);
        EXPECT_EQ(Control<QStackedWidget>(dialog, "PageControl1")->currentIndex(), 0);
    });
}

// Stored values other than 0 and 1: what the control shows and what an unchanged OK writes.
TEST_F(CoordinatePropertiesTest, OddStoredValuesLoadAndWriteBackByTheirRules) {
    struct Case {
        const char* what;
        std::function<void(TCoordinateSettings&)> store;
        std::function<bool(QDialog&)> shown;
        std::function<int(const TCoordinateSettings&)> written;
        int expected;
    };
    auto row = [](const char* name, int r) {
        return [name, r](QDialog& d) { return d.findChild<QComboBox*>(QString::fromLatin1(name))->currentIndex() == r; };
    };
    auto radio = [](const char* name, int r) {
        return [name, r](QDialog& d) { return d.findChild<TRadioGroup*>(QString::fromLatin1(name))->ItemIndex() == r; };
    };
    auto checked = [](const char* name, bool on) {
        return [name, on](QDialog& d) { return d.findChild<QCheckBox*>(QString::fromLatin1(name))->isChecked() == on; };
    };
    const Case cases[] = {
        {"axes style 7 is boxed", [](auto& s) { s.AxesStyle = 7; }, radio("RadioAxesView", 1),
         [](auto& s) { return s.AxesStyle; }, 1},
        {"x direction 5 is right to left", [](auto& s) { s.XAxesDirection = 5; }, row("ComboXDirection", 1),
         [](auto& s) { return s.XAxesDirection; }, 1},
        {"y direction 1 is bottom to top", [](auto& s) { s.YAxesDirection = 1; }, row("ComboYDirection", 0),
         [](auto& s) { return s.YAxesDirection; }, 1},
        {"y direction 2 is top to bottom", [](auto& s) { s.YAxesDirection = 2; }, row("ComboYDirection", 1),
         [](auto& s) { return s.YAxesDirection; }, 0},
        {"x labels side 3 is below", [](auto& s) { s.XAxesLabelSide = 3; }, checked("CheckXLabelSide", false),
         [](auto& s) { return s.XAxesLabelSide; }, 1},
        {"x labels side 0 is on top", [](auto& s) { s.XAxesLabelSide = 0; }, checked("CheckXLabelSide", true),
         [](auto& s) { return s.XAxesLabelSide; }, 0},
        {"y labels side 9 is right", [](auto& s) { s.YAxesLabelSide = 9; }, checked("CheckYLabelSide", false),
         [](auto& s) { return s.YAxesLabelSide; }, 1},
        {"legend position 7 is right", [](auto& s) { s.LegendPosition = 7; }, radio("RadioPosition", 2),
         [](auto& s) { return s.LegendPosition; }, 2},
        {"equal scale 2 is on", [](auto& s) { s.EqualScaleEnabled = 2; }, checked("CheckEqualScale", true),
         [](auto& s) { return s.EqualScaleEnabled; }, 1},
        {"arrow 255 is shown", [](auto& s) { s.XArrow.Enabled = 255; }, checked("CheckXArrow", true),
         [](auto& s) { return s.XArrow.Enabled; }, 1},
        {"angular grid 4 is on", [](auto& s) { s.GridAngularEnabled = 4; }, checked("CheckGridAngular", true),
         [](auto& s) { return s.GridAngularEnabled; }, 1},
    };
    for (const Case& c : cases) {
        TCoordinate target;
        c.store(target.Settings);
        TFormCoordinateProperties d;
        bool shown = false;
        WhileShown(d, [&] {
            shown = c.shown(d);
            d.Button1Click();
        });
        EXPECT_TRUE(d.Execute(target)) << c.what;
        EXPECT_TRUE(shown) << c.what;
        EXPECT_EQ(c.written(target.Settings), c.expected) << c.what;
    }
}

TEST_F(CoordinatePropertiesTest, FailedChecksShowTheFirstMessageAndChangeNothing) {
    struct Case {
        std::vector<Input> inputs;
        const char* message;
    };
    const Case cases[] = {
        // One failure per code, 1 to 42.
        {{{"EditXMin", " \t "}}, "The minimum value of X cannot be null."},
        {{{"EditXMin", "abc"}}, "The minimum value of X must be a number."},
        {{{"EditXMax", ""}}, "The maximum value of X cannot be null."},
        {{{"EditXMax", "1,5"}}, "The maximum value of X must be a number."},
        {{{"EditXMin", "3"}, {"EditXMax", "3"}}, "The minimum value of X must be less than the maximum value of X."},
        {{{"EditYMin", ""}}, "The minimum value of Y cannot be null."},
        {{{"EditYMin", "-9999999.999"}}, "The minimum value of Y must be a number."},
        {{{"EditYMax", "  "}}, "The maximum value of Y cannot be null."},
        {{{"EditYMax", "1e"}}, "The maximum value of Y must be a number."},
        {{{"EditYMin", "2E12"}}, "The minimum value of Y must be less than the maximum value of Y."},
        {{{"EditSteps", ""}, {"EditMaxGap", "5"}}, "Number of Steps cannot be null."},  // 17 fails too
        {{{"EditSteps", "500 "}}, "Number of Steps must be an integer."},
        {{{"EditSteps", "0"}}, "Number of Steps must be greater than 0."},
        {{{"EditMaxGap", ""}}, "Maximum gap cannot be null."},
        {{{"EditMaxGap", "1.0"}}, "Maximum gap must be an integer."},
        {{{"EditMaxGap", "-4"}}, "Maximum gap must be greater than 0."},
        {{{"EditSteps", "400"}, {"EditMaxGap", "400"}}, "Maximum gap must be less than Number of Steps."},
        {{{"EditXTickStep", ""}}, "Step of X-Axis cannot be null."},
        {{{"EditXTickStep", "one"}}, "Step of X-Axis must be a number."},
        {{{"EditXTickStep", "0"}}, "Step of X-Axis must be greater than 0."},
        {{{"EditYTickStep", ""}}, "Step of Y-Axis cannot be null."},
        {{{"EditYTickStep", "1..2"}}, "Step of Y-Axis must be a number."},
        {{{"EditYTickStep", "-1E-300"}}, "Step of Y-Axis must be greater than 0."},
        {{{"EditXLabelStep", ""}}, "Label step of X-Axis cannot be null."},
        {{{"EditXLabelStep", "x"}}, "Label step of X-Axis must be a number."},
        {{{"EditXLabelStep", "-0"}}, "Label step of X-Axis must be greater than 0."},
        {{{"EditYLabelStep", ""}}, "Label step of Y-Axis cannot be null."},
        {{{"EditYLabelStep", "$10"}}, "Label step of Y-Axis must be a number."},
        {{{"EditYLabelStep", "-2"}}, "Label step of Y-Axis must be greater than 0."},
        {{{"EditGridHorStep", ""}}, "Step of Horizontol Lines cannot be null."},
        {{{"EditGridHorStep", "?"}}, "Step of Horizontol Lines must be a number."},
        {{{"EditGridHorStep", "0"}}, "Step of Horizontol Lines must be greater than 0."},
        {{{"EditGridVerStep", ""}}, "Step of Vertical Lines cannot be null."},
        {{{"EditGridVerStep", "1 1"}}, "Step of Vertical Lines must be a number."},
        {{{"EditGridVerStep", "0"}}, "Step of Vertical Lines must be greater than 0."},
        {{{"EditGridRadialStep", ""}}, "Step of Radial Grid cannot be null."},
        {{{"EditGridRadialStep", "r"}}, "Step of Radial Grid must be a number."},
        {{{"EditGridRadialStep", "0"}}, "Step of Radial Grid must be greater than 0."},
        {{{"EditGridAngularStep", ""}}, "Step of Angular Grid cannot be null."},
        {{{"EditGridAngularStep", "pi"}}, "Step of Angular Grid must be a number."},
        {{{"EditGridAngularStep", "0"}}, "Step of Angular Grid must be between 0 and 2."},   // 41
        {{{"EditGridAngularStep", "2"}}, "Step of Angular Grid must be between 0 and 2."},   // 42
        // Several at once: the oldest failure's message.
        {{{"EditGridAngularStep", "5"}, {"EditYMax", ""}, {"EditXTickStep", "0"}},
         "The maximum value of Y cannot be null."},
        {{{"EditXMin", ""}, {"EditXMax", ""}}, "The minimum value of X cannot be null."},
        // A hexadecimal count passes as an integer, but the range checks read it as no number.
        {{{"EditSteps", "$20"}, {"EditMaxGap", "19"}}, "Number of Steps must be greater than 0."},
    };
    for (const Case& c : cases) {
        TCoordinate target;
        target.Settings = Unusual();
        TFormCoordinateProperties d;
        MessageRecorder seen;
        bool stayedOpen = false;
        bool asTyped = true;
        WhileShown(d, [&] {
            d.findChild<QTreeWidget*>(QStringLiteral("TreeView1"))->setCurrentItem(
                d.findChild<QTreeWidget*>(QStringLiteral("TreeView1"))->topLevelItem(2));
            Apply(d, c.inputs);
            d.Button1Click();
            stayedOpen = d.isVisible() && d.findChild<QStackedWidget*>(QStringLiteral("PageControl1"))->currentIndex() == 6;
            for (const Input& in : c.inputs) asTyped = asTyped && TextOf(d, in.name) == in.value;
        });
        EXPECT_FALSE(d.Execute(target)) << c.message;
        ASSERT_EQ(seen.count(), 1) << c.message;
        EXPECT_EQ(seen.last().kind, MsgKind::Warning);
        EXPECT_EQ(seen.last().text, QString::fromLatin1(c.message));
        EXPECT_TRUE(stayedOpen) << c.message;
        EXPECT_TRUE(asTyped) << c.message;
        EXPECT_TRUE(target.Settings == Unusual()) << c.message;
    }
}

TEST_F(CoordinatePropertiesTest, BlankRulesAndLimitsThatPass) {
    // Blanks around a number pass the number checks; only the integers take no trailing blank.
    EXPECT_TRUE(RunOk({{"EditXMin", "  -5  "},
                       {"EditXMax", " 1.5E1"},
                       {"EditSteps", "  20"},
                       {"EditMaxGap", " 19"},
                       {"EditGridAngularStep", "1.999"}}));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(plane.Settings.XInterval.Min, -5);
    EXPECT_EQ(plane.Settings.XInterval.Max, 15);
    EXPECT_EQ(plane.Settings.PlotParameter.Steps, 20);
    EXPECT_EQ(plane.Settings.PlotParameter.MaxGap, 19);
    EXPECT_EQ(plane.Settings.GridAngularStep, 1.999);
}

TEST_F(CoordinatePropertiesTest, TickLengthsAndTextsAreWrittenByTheirOwnRules) {
    struct Case {
        const char* typed;
        std::int32_t length;
    };
    // Not checked: a length that is not an integer becomes 2 without a message.
    const Case lengths[] = {{"15", 15}, {"3000000", 3000000}, {" 7", 7}, {"7 ", 2},
                            {"3.5", 2}, {"abc", 2},         {"", 2},    {"-4", -4}};
    for (const Case& c : lengths) {
        TCoordinate target;
        TFormCoordinateProperties d;
        MessageRecorder seen;
        WhileShown(d, [&] {
            Apply(d, {{"EditYTickLength", QString::fromLatin1(c.typed)}});
            d.Button1Click();
        });
        EXPECT_TRUE(d.Execute(target)) << c.typed;
        EXPECT_EQ(target.Settings.YAxesTicksLength, c.length) << c.typed;
        EXPECT_EQ(seen.count(), 0) << c.typed;
    }

    // "Additional String" is trimmed of blanks and control characters; names and titles stay as typed.
    EXPECT_TRUE(RunOk({{"EditXLabelString", QStringLiteral(" \t cm\u00a0 \n")},
                       {"EditYLabelString", QStringLiteral("  ")},
                       {"EditXName", QStringLiteral("  x axis ")},
                       {"EditTitleBottom", QStringLiteral(" Title\t")}}));
    EXPECT_EQ(plane.Settings.XAxesLabelsString, "cm\u00a0");
    EXPECT_EQ(plane.Settings.YAxesLabelsString, "");
    EXPECT_EQ(plane.Settings.XArrow.Name, "  x axis ");
    EXPECT_EQ(plane.Settings.TitleBottom, " Title\t");
}

TEST_F(CoordinatePropertiesTest, ControlsWriteTheirChanges) {
    EXPECT_TRUE(RunOk({{"CheckEqualScale", "1"},
                       {"ColorBackground", "12"},
                       {"CheckXArrow", "0"},
                       {"ComboYDirection", "1"},
                       {"CheckYLabelSide", "1"},
                       {"CheckTitleLeft", "1"},
                       {"EditTitleLeft", "Left"},
                       {"CheckLegend", "1"},
                       {"CheckShowSamples", "0"},
                       {"CheckGridHor", "1"},
                       {"GridHorColor", "9"},
                       {"GridRadialWidth", "3"}}));
    const TCoordinateSettings& s = plane.Settings;
    EXPECT_EQ(s.EqualScaleEnabled, 1);
    EXPECT_EQ(s.BackgroundColor, TColorBox::StandardColor(12));
    EXPECT_EQ(s.XArrow.Enabled, 0);
    EXPECT_EQ(s.YAxesDirection, 0);
    EXPECT_EQ(s.YAxesLabelSide, 0);
    EXPECT_EQ(s.TitleLeftEnabled, 1);
    EXPECT_EQ(s.TitleLeft, "Left");
    EXPECT_EQ(s.LegendEnabled, 1);
    EXPECT_EQ(s.ShowSampleEnabled, 0);
    EXPECT_EQ(s.GridHorEnabled, 1);
    EXPECT_EQ(s.GridHorGraphStyle.LineColor, TColorBox::StandardColor(9));
    EXPECT_EQ(s.GridRadialGraphStyle.LineWidth, 4);
    EXPECT_EQ(s.GridRadialGraphStyle.BrushStyle, 1);  // the brush stays

    // The radio groups by a click.
    EXPECT_TRUE(Run([&] {
        Control<TRadioGroup>(dialog, "RadioAxesView")->Button(1)->click();
        Control<TRadioGroup>(dialog, "RadioPosition")->Button(0)->click();
        dialog.Button1Click();
    }));
    EXPECT_EQ(plane.Settings.AxesStyle, 1);
    EXPECT_EQ(plane.Settings.LegendPosition, 0);
}

TEST_F(CoordinatePropertiesTest, PickersLeftAloneWriteBackWhatTheyWereGiven) {
    struct Case {
        const char* what;
        TGraphStyle stored;
        std::vector<Input> chosen;
        int width;
        int style;
    };
    const Case cases[] = {
        {"width 0 and a clear pen", {0, 5, 0, 1, 0}, {}, 0, 5},
        {"width 7 and an inside-frame pen", {7, 6, 0, 1, 0}, {}, 7, 6},
        {"width 3 dotted", {3, 2, 0, 1, 0}, {}, 3, 2},
        {"width row chosen, style kept", {0, 5, 0, 1, 0}, {{"XAxisWidth", "1"}}, 2, 5},
        {"style row chosen, width kept", {7, 6, 0, 1, 0}, {{"XAxisStyle", "0"}}, 7, 0},
        {"the shown rows chosen again", {3, 2, 0, 1, 0}, {{"XAxisWidth", "2"}, {"XAxisStyle", "2"}}, 3, 2},
    };
    for (const Case& c : cases) {
        TCoordinate target;
        target.Settings.XAxesGraphStyle = c.stored;
        TFormCoordinateProperties d;
        WhileShown(d, [&] {
            Apply(d, c.chosen);
            d.Button1Click();
        });
        EXPECT_TRUE(d.Execute(target)) << c.what;
        EXPECT_EQ(target.Settings.XAxesGraphStyle.LineWidth, c.width) << c.what;
        EXPECT_EQ(target.Settings.XAxesGraphStyle.LineStyle, c.style) << c.what;
        EXPECT_EQ(target.Settings.XAxesGraphStyle.BrushStyle, 1) << c.what;
    }
}

TEST_F(CoordinatePropertiesTest, CancelCloseAndEscapeWriteNothing) {
    for (const auto& close : WaysToCancel("Button2")) {
        TCoordinate target;
        target.Settings = Unusual();
        TFormCoordinateProperties d;
        WhileShown(d, [&] {
            Apply(d, {{"EditXMin", "-1"}, {"CheckLegend", "0"}, {"ComboXDirection", "0"}});
            close(d);
        });
        EXPECT_FALSE(d.Execute(target));
        EXPECT_TRUE(target.Settings == Unusual());
    }
    EXPECT_TRUE(Control<QPushButton>(dialog, "Button1")->isDefault());
    EXPECT_FALSE(Control<QPushButton>(dialog, "Button2")->autoDefault());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Coordinate Properties"));
}

TEST_F(CoordinatePropertiesTest, TitleFontsApplyAtOnceAndTheChooserReopensOnItsLastFont) {
    const TFont first = FontOf("Liberation Serif", 16, fsBold, 0x0000FF);
    const TFont second = FontOf("DejaVu Sans Mono", 9, fsItalic, 0x008000);
    const TCoordinateSettings before = plane.Settings;
    fonts.answer(first);         // top
    fonts.answer(std::nullopt);  // bottom: cancelled
    fonts.answer(second);        // right
    EXPECT_FALSE(Run([&] {
        Control<QPushButton>(dialog, "ButtonFontTop")->click();
        Control<QPushButton>(dialog, "ButtonFontBottom")->click();
        Control<QPushButton>(dialog, "ButtonFontRight")->click();
        dialog.Button2Click();
    }));
    ASSERT_EQ(fonts.starts().size(), 3u);
    EXPECT_TRUE(fonts.starts()[0] == TFont{});  // the chooser's own default, not the title's font
    EXPECT_TRUE(fonts.starts()[1] == first);
    EXPECT_TRUE(fonts.starts()[2] == first);  // a cancelled chooser returned nothing
    // Kept after Cancel; a cancelled chooser changed nothing.
    EXPECT_TRUE(plane.Settings.TitleTopFont == first);
    EXPECT_TRUE(plane.Settings.TitleBottomFont == before.TitleBottomFont);
    EXPECT_TRUE(plane.Settings.TitleRightFont == second);
    EXPECT_TRUE(plane.Settings.TitleLeftFont == before.TitleLeftFont);

    // Assigned into the title's font: a title at another resolution keeps it and takes the size.
    TCoordinate other;
    other.Settings.TitleLeftFont = FontOf("Arial", 8, 0, 0, 144);
    TFormCoordinateProperties d;
    ScriptedFontChooser chooser;
    d.SetFontChooser(&chooser);
    chooser.answer(first);
    WhileShown(d, [&] {
        d.FontButtonClick(2);
        d.Button1Click();
    });
    EXPECT_TRUE(d.Execute(other));
    const TFont& left = other.Settings.TitleLeftFont;
    EXPECT_EQ(left.PixelsPerInch, 144);
    EXPECT_EQ(left.Size(), 16);
    EXPECT_EQ(left.Name, first.Name);
    EXPECT_EQ(left.Style, fsBold);
    EXPECT_EQ(left.Color, first.Color);
}

TEST_F(CoordinatePropertiesTest, TreeShowsThePageOfTheCurrentNodeByMouseAndKeys) {
    Run([&] {
        auto* tree = Control<QTreeWidget>(dialog, "TreeView1");
        auto* pages = Control<QStackedWidget>(dialog, "PageControl1");
        auto* heading = Control<QLabel>(dialog, "LabelHeading");
        ASSERT_EQ(pages->count(), 9);
        // On show: both parents expanded, the first node current, page 0.
        EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));
        EXPECT_TRUE(tree->topLevelItem(1)->isExpanded());
        EXPECT_TRUE(tree->topLevelItem(3)->isExpanded());
        EXPECT_EQ(heading->text(), QStringLiteral("Plot Parameters"));

        struct Step {
            std::function<void()> move;
            const char* node;
            int page;
        };
        auto click = [tree](int top, int child) {
            QTreeWidgetItem* item = child < 0 ? tree->topLevelItem(top) : tree->topLevelItem(top)->child(child);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(item).center());
        };
        auto key = [tree](Qt::Key k) { return [tree, k] { QTest::keyClick(tree, k); }; };
        const Step steps[] = {
            {[&] { click(1, 2); }, "Ticks", 3},
            {key(Qt::Key_Down), "Labels", 4},
            {key(Qt::Key_Down), "Titles", 5},
            {key(Qt::Key_Down), "Legend Properties", 6},
            {key(Qt::Key_Down), "Grid Properties", 7},
            {key(Qt::Key_Down), "Cartesian", 7},
            {key(Qt::Key_End), "Polar", 8},
            {[&] { click(1, -1); }, "Axes Properties", 1},
            {key(Qt::Key_Down), "View", 1},
            {[&] { click(1, 1); }, "Style", 2},
            {key(Qt::Key_Home), "Plot Parameters", 0},
        };
        for (const Step& s : steps) {
            s.move();
            EXPECT_EQ(tree->currentItem()->text(0), QString::fromLatin1(s.node));
            EXPECT_EQ(pages->currentIndex(), s.page) << s.node;
            EXPECT_EQ(heading->text(), QString::fromLatin1(s.node));
            EXPECT_EQ(dialog.PageCaption(s.page), QString::fromLatin1(s.node));
        }
        dialog.TreeView1Change(nullptr);
        EXPECT_EQ(pages->currentIndex(), 0);
    });
}

TEST_F(CoordinatePropertiesTest, HelpNoteAndTopics) {
    const QStringList note = Control<QPlainTextEdit>(dialog, "MemoHelp")->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(note, (QStringList{"In the this window, you can ", "set many specific properties ",
                                 "and parameters in the option ", "card such as", "  (1) Plot Parameters",
                                 "  (2) Axes Properties", "  (3) Legend Properties", "  (4) Grid Properties",
                                 "click HERE to get more info."}));
    EXPECT_TRUE(Control<QPlainTextEdit>(dialog, "MemoHelp")->isReadOnly());
    EXPECT_EQ(Control<TLinkLabel>(dialog, "LinkSpecific")->text(), QStringLiteral("Specific Descriptions"));

    Run([&] {
        Control<QPushButton>(dialog, "Button3")->click();
        ExpectHelpShown(dialog, "ch03_01.htm", "");
        QWidget* link = Control<TLinkLabel>(dialog, "LinkSpecific");
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, link->rect().center());
        ExpectHelpShown(dialog, "ch03_01.htm", "3121");
    });
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(CoordinatePropertiesTest, ExtremeValidEntriesAreTakenAndTheRedrawReturns) {
    EXPECT_TRUE(RunOk({{"EditXMin", "-1E308"},
                       {"EditXMax", "1.7E308"},
                       {"EditYMin", "-1.7E308"},
                       {"EditYMax", "-1E307"},
                       {"EditXTickStep", "1E-300"},
                       {"EditYTickStep", "1E-300"},
                       {"EditXLabelStep", "1E-300"},
                       {"EditYLabelStep", "1E-300"},
                       {"EditXTickLength", "5000000"},
                       {"EditGridHorStep", "1E-300"},
                       {"EditGridVerStep", "1E-300"},
                       {"EditGridRadialStep", "1E-300"},
                       {"EditGridAngularStep", "1E-300"},
                       {"CheckGridHor", "1"},
                       {"CheckGridVer", "1"},
                       {"CheckGridRadial", "1"},
                       {"CheckGridAngular", "1"},
                       {"CheckLegend", "1"}}));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(plane.Settings.XInterval.Max, 1.7e308);
    EXPECT_EQ(plane.Settings.XAxesTicksLength, 5000000);
    EXPECT_EQ(plane.Settings.GridAngularStep, 1e-300);

    GraphContext ctx;
    TFunctionObj f;
    f.Exp = "sin(x)";
    ctx.memory.AddFunction(f);
    plane.resize(400, 300);
    for (int boxed : {0, 1}) {
        EXPECT_TRUE(Run([&] {
            Control<TRadioGroup>(dialog, "RadioAxesView")->Button(boxed)->click();
            dialog.Button1Click();
        }));
        plane.Redraw(&ctx.memory, ctx.ops, ctx.vars, ctx.consts);
        EXPECT_FALSE(plane.Picture().isNull());
    }
}

}  // namespace
