// Integration: the trapezoid sum against an independent sum, failing steps, the checks under both
// buttons, the region handed back, and the formulas offered.

#include "tools/fmIntegration.h"

#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "tools/ZMCurvePair.h"
#include "tools/ZMScan.h"

#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The N-trapezoid sum of d = Y1 - Y2 over [min, max] written out again: x_N is max itself, and a
// step where d is NaN adds nothing.
double TrapezoidSum(const std::function<double(double)>& d, double min, double max, int n, bool absolute) {
    const double h = (max - min) / n;
    double sum = 0;
    for (int k = 0; k < n; ++k) {
        const double a = min + k * h;
        const double b = k + 1 == n ? max : min + (k + 1) * h;
        const double t = (d(a) + d(b)) * h / 2;
        if (!std::isnan(t)) sum += absolute ? std::fabs(t) : t;
    }
    return sum;
}

TEST(Integrate, SumsExactlyNTrapezoids) {
    struct Case {
        const char* y1;
        const char* y2;
        std::function<double(double)> d;
        double min, max;
        int n;
        bool absolute;
        std::optional<double> value;  // where the sum is known
    };
    const auto x = [](double v) { return v; };
    const Case cases[] = {
        {"x", "0", x, 0, 8, 8, true, 32},
        {"x", "0", x, -4, 4, 8, true, 16},
        {"x", "0", x, -4, 4, 8, false, 0},
        {"x", "0", x, -10, 10, 500, true, 100},  // no trapezoid past Max on a decimal grid
        {"x", "0", x, -10, 10, 500, false, std::nullopt},
        {"x^2", "0", [](double v) { return v * v; }, 0, 1, 10, true, std::nullopt},
        {"sin(x)", "cos(x)", [](double v) { return std::sin(v) - std::cos(v); }, -3, 2, 7, true, std::nullopt},
        {"sin(x)", "cos(x)", [](double v) { return std::sin(v) - std::cos(v); }, -3, 2, 7, false, std::nullopt},
        {"PI", "x", [](double v) { return 3.141592653589793 - v; }, 0.1, 0.7, 3, false, std::nullopt},
        // Steps with a point where a formula fails add nothing.
        {"sqrt(x)", "0", [](double v) { return v < 0 ? kNaN : std::sqrt(v); }, -1, 1, 4, true, std::nullopt},
        {"1", "1/x", [](double v) { return v == 0 ? kNaN : 1 - 1 / v; }, -2, 2, 4, false, std::nullopt},
        {"ln(x-100)", "0", [](double) { return kNaN; }, -10, 10, 500, true, 0},
    };
    for (const Case& c : cases) {
        TCurvePair curves(c.y1, c.y2);
        const double sum = Integrate(curves, TScanGrid(c.min, c.max, c.n), c.absolute);
        const double expected = TrapezoidSum(c.d, c.min, c.max, c.n, c.absolute);
        EXPECT_NEAR(sum, expected, 1e-12 * std::max(1.0, std::fabs(expected)))
            << c.y1 << " - " << c.y2 << " on " << c.min << ".." << c.max << " in " << c.n;
        if (c.value) {
            EXPECT_NEAR(sum, *c.value, 1e-9) << c.y1 << " on " << c.min << ".." << c.max;
        }
    }
}

TEST(Integrate, AnUnusableGridOrAHugeMagnitudeGivesNothingAndEnds) {
    TCurvePair curves("1", "0");
    EXPECT_EQ(Integrate(curves, TScanGrid(-1e308, 1e308, 500), true), 0);
    EXPECT_EQ(Integrate(curves, TScanGrid(0, 1, 0), true), 0);
    EXPECT_EQ(Integrate(curves, TScanGrid(1e16, 1e16 + 10, 500), true), 0);  // 1E16 + h is 1E16
}

TEST(RegionText, PutsBothFormulasInParentheses) {
    EXPECT_EQ(RegionText("sin(x)", "0"), "((sin(x))-y)*((0)-y)");
    EXPECT_EQ(RegionText("x^2", "x+1"), "((x^2)-y)*((x+1)-y)");
}

class IntegrationTest : public ::testing::Test {
protected:
    std::uint8_t Run(std::function<void()> fn, const TMemory* memory = nullptr) {
        WhileShown(dialog, std::move(fn));
        return dialog.Execute(memory);
    }
    void Enter(const char* y1, const char* y2, const char* min = "-10", const char* max = "10",
               const char* steps = "500") {
        Apply(dialog, {{"ComboBox1", QString::fromUtf8(y1)},
                       {"ComboBox2", QString::fromUtf8(y2)},
                       {"Edit1", QString::fromUtf8(min)},
                       {"Edit2", QString::fromUtf8(max)},
                       {"Edit3", QString::fromUtf8(steps)}});
    }
    void Click(const char* button) { Control<QPushButton>(dialog, button)->click(); }

    MessageRecorder boxes;
    TFormIntegration dialog;
};

TEST_F(IntegrationTest, EachRefusalIsOneWarningUnderBothButtons) {
    struct Case {
        const char* y1;
        const char* y2;
        const char* min;
        const char* max;
        const char* steps;
        const char* calculate;  // the message under "Calculate"
        const char* addGraph;   // and under "Add Graph"
    };
    const Case cases[] = {
        {"", "0", "-10", "10", "500", "Expression - Y1(x)cannot be null.", "Expression - Y1(x) cannot be null."},
        {"x", " ", "", "", "", "Expression - Y2(x)cannot be null.", "Expression - Y2(x) cannot be null."},
        {"x", "0", "", "10", "500", "The minimum value of X cannot be null.", nullptr},
        {"x", "0", "a", "10", "x", "The minimum value of X must be a real number.", nullptr},
        {"x", "0", "-10", "", "500", "The maximum value of X cannot be null.", nullptr},
        {"x", "0", "-10", "b", "500", "The maximum value of X must be a real number.", nullptr},
        {"x", "0", "10", "-10", "500", "The minimum value of X must be less than the maximum value of X.", nullptr},
        {"x", "0", "-10", "10", "", "Number of integration step cannot be null.", nullptr},
        {"x", "0", "-10", "10", "5.5", "Number of integration step must be an integer.", nullptr},
        {"x", "0", "-10", "10", "-1", "Number of integration step must be greater than 0.", nullptr},
        {"x*", "0", "-10", "10", "500", "Expression - Y1(x) is illegal.", nullptr},
        {"x", "0-", "-10", "10", "500", "Expression - Y2(x) is illegal.", nullptr},
    };
    const std::uint8_t result = Run([&] {
        Enter("x", "0", "0", "8", "8");
        Click("Button2");
        const QString before = TextOf(dialog, "Edit4");
        for (const Case& c : cases) {
            for (const char* button : {"Button2", "Button1"}) {
                const char* expected = button == std::string("Button1") && c.addGraph ? c.addGraph : c.calculate;
                boxes.clear();
                Enter(c.y1, c.y2, c.min, c.max, c.steps);
                Click(button);
                ASSERT_EQ(boxes.count(), 1) << expected;
                EXPECT_EQ(boxes.last().kind, MsgKind::Warning) << expected;
                EXPECT_EQ(boxes.last().text, QString::fromUtf8(expected)) << button;
                EXPECT_TRUE(dialog.isVisible()) << expected;
                EXPECT_EQ(TextOf(dialog, "Edit4"), before) << expected;
                EXPECT_EQ(TextOf(dialog, "Edit3"), QString::fromUtf8(c.steps)) << expected;
            }
        }
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(dialog.RegionText, "");
}

TEST_F(IntegrationTest, CalculateShowsTheSumAndStaysOpen) {
    struct Case {
        const char* y1;
        const char* y2;
        const char* min;
        const char* max;
        const char* steps;
        const char* area;  // the absolute-value box checked, then not
        const char* sum;
    };
    const Case cases[] = {
        {"x", "0", "0", "8", "8", "32", "32"},
        {"x", "0", "-4", "4", "8", "16", "0"},
        {"x", "x^2", "0", "1", " 4", "0.15625", "0.15625"},
        {"0", "x", "0", "1", "2", "0.5", "-0.5"},
        {"sqrt(x)", "0", "-1", "0", "4", "0", "0"},
    };
    QStringList areas, sums;
    Run([&] {
        for (const Case& c : cases) {
            Enter(c.y1, c.y2, c.min, c.max, c.steps);
            Apply(dialog, {{"CheckBox1", QStringLiteral("1")}});
            Click("Button2");
            areas << TextOf(dialog, "Edit4");
            Apply(dialog, {{"CheckBox1", QStringLiteral("0")}});
            Click("Button2");
            sums << TextOf(dialog, "Edit4");
        }
        EXPECT_TRUE(dialog.isVisible());
    });
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(areas[static_cast<int>(i)], QString::fromLatin1(cases[i].area)) << cases[i].y1 << " " << cases[i].y2;
        EXPECT_EQ(sums[static_cast<int>(i)], QString::fromLatin1(cases[i].sum)) << cases[i].y1 << " " << cases[i].y2;
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(IntegrationTest, AddGraphHandsBackTheRegionOverTheRangeAndCloses) {
    const struct {
        const char* min;
        const char* max;
        TInterval range;
    } cases[] = {
        {"-10", "10", TInterval::CreateRange(1, -10, 10)},
        {"0", "1.5", TInterval::CreateRange(1, 0, 1.5)},
        {"-1E-3", "2.5e2", TInterval::CreateRange(1, -0.001, 250)},
    };
    for (const auto& c : cases) {
        const std::uint8_t result = Run([&] {
            Enter("sin(x)", "0", c.min, c.max);
            Click("Button1");
        });
        EXPECT_EQ(result, 1) << c.min;
        EXPECT_EQ(dialog.RegionText, "((sin(x))-y)*((0)-y)") << c.min;
        EXPECT_EQ(dialog.RegionInterval, c.range) << c.min;
    }
    EXPECT_EQ(boxes.count(), 0);

    // A second use starts afresh; Cancel hands back nothing.
    EXPECT_EQ(Run([&] { Click("Button3"); }), 0);
    EXPECT_EQ(dialog.RegionText, "");
    EXPECT_EQ(dialog.RegionInterval, TInterval());
}

TEST_F(IntegrationTest, Y1ShowsTheFirstYOfXGraphAndY2KeepsItsText) {
    GraphContext doc;
    for (const auto& [exp, type] : {std::pair<const char*, int>{"y^2", 1}, {"x^2", 0}, {"2*x", 0}}) {
        TFunctionObj f;
        f.Exp = exp;
        f.FunctionObjType = static_cast<std::uint8_t>(type);
        doc.memory.AddFunction(f);
    }
    QStringList texts, offered;
    Run(
        [&] {
            texts << Control<QComboBox>(dialog, "ComboBox1")->currentText()
                  << Control<QComboBox>(dialog, "ComboBox2")->currentText();
            auto* y2 = Control<QComboBox>(dialog, "ComboBox2");
            for (int row = 0; row < y2->count(); ++row) offered << y2->itemText(row);
        },
        &doc.memory);
    EXPECT_EQ(texts, (QStringList{"x^2", "0"}));
    EXPECT_EQ(offered, (QStringList{"x^2", "2*x"}));
}

TEST_F(IntegrationTest, DefaultsAndHelp) {
    Run([&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Integration"));
        EXPECT_EQ(Control<QComboBox>(dialog, "ComboBox2")->currentText(), QStringLiteral("0"));
        EXPECT_EQ(TextOf(dialog, "Edit1"), QStringLiteral("-10"));
        EXPECT_EQ(TextOf(dialog, "Edit2"), QStringLiteral("10"));
        EXPECT_EQ(TextOf(dialog, "Edit3"), QStringLiteral("500"));
        EXPECT_TRUE(Control<QCheckBox>(dialog, "CheckBox1")->isChecked());
        EXPECT_TRUE(Control<QPushButton>(dialog, "Button2")->isDefault());
        Click("Button4");
        ExpectHelpShown(dialog, "ch04_01.htm", "47");
    });
}

}  // namespace
