// Intersections dialog: the checks and their messages, the compile test of both formulas, the
// report it opens, and the formulas it offers.

#include "tools/fmIntersection.h"

#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/ShownWatch.h"
#include "tools/fmIntersectionResult.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct Opened {
    std::string Exp1, Exp2;
    double Min = 0, Max = 0;
    int Steps = 0, Accuracy = 0;
    bool operator==(const Opened&) const = default;
};

class IntersectionTest : public ::testing::Test {
protected:
    void Run(std::function<void()> fn, const TMemory* memory = nullptr) {
        WhileShown(dialog, std::move(fn));
        dialog.Execute(memory);
    }
    void Enter(const char* y1, const char* y2, const char* min = "-10", const char* max = "10",
               const char* steps = "5000", const char* accuracy = "3") {
        Apply(dialog, {{"ComboBox1", QString::fromUtf8(y1)},
                       {"ComboBox2", QString::fromUtf8(y2)},
                       {"Edit1", QString::fromUtf8(min)},
                       {"Edit2", QString::fromUtf8(max)},
                       {"Edit3", QString::fromUtf8(steps)},
                       {"Edit4", QString::fromUtf8(accuracy)}});
    }
    // Presses OK and returns what the report opened with, if one opened; closes the report.
    std::optional<Opened> Ok() {
        std::optional<Opened> seen;
        const ShownWatch<TFormIntersectionResult> watch([&seen](TFormIntersectionResult& r) {
            seen = Opened{r.Exp1, r.Exp2, r.Min, r.Max, r.Steps, r.Accuracy};
        });
        Control<QPushButton>(dialog, "Button1")->click();
        return seen;
    }

    MessageRecorder boxes;
    TFormIntersection dialog;
};

TEST_F(IntersectionTest, EachRefusalIsOneWarningWithTheFirstFailureAndKeepsTheEntries) {
    struct Case {
        const char* y1;
        const char* y2;
        const char* min;
        const char* max;
        const char* steps;
        const char* accuracy;
        const char* message;
    };
    const Case cases[] = {
        {"", "x", "-10", "10", "5000", "3", "Expression - Y1(x) cannot be null."},
        {" ", "", "", "", "", "", "Expression - Y1(x) cannot be null."},
        {"x", "", "-10", "10", "5000", "3", "Expression - Y2(x) cannot be null."},
        {"x", "0", "", "10", "5000", "3", "The minimum value of X cannot be null."},
        {"x", "0", "a", "10", "s", "3", "The minimum value of X must be a real number."},
        {"x", "0", "-10", "", "5000", "3", "The maximum value of X cannot be null."},
        {"x", "0", "-10", "b", "5000", "3", "The maximum value of X must be a real number."},
        {"x", "0", "10", "10", "5000", "3", "The minimum value of X must be less than the maximum value of X."},
        {"x", "0", "-10", "10", "", "3", "Number of steps cannot be null."},
        {"x", "0", "-10", "10", "2.5", "3", "Number of steps must be an integer."},
        {"x", "0", "-10", "10", "0", "3", "Number of steps must be greater than 0."},
        {"x", "0", "-10", "10", "5000", "", "Accuracy cannot be null."},
        {"x", "0", "-10", "10", "5000", "1.5", "Accuracy must be an integer."},
        {"x", "0", "-10", "10", "5000", "0", "The accuracy must be greater than 0."},
        {"x", "0", "-10", "10", "5000", "16", "Accuracy must be less than or equal to 15."},
        {"x+", "0-", "-10", "10", "5000", "3", "Expression - Y1(x) is illegal."},
        {"x", "0-", "-10", "10", "5000", "3", "Expression - Y2(x) is illegal."},
    };
    Run([&] {
        for (const Case& c : cases) {
            boxes.clear();
            Enter(c.y1, c.y2, c.min, c.max, c.steps, c.accuracy);
            EXPECT_FALSE(Ok().has_value()) << c.message;
            ASSERT_EQ(boxes.count(), 1) << c.message;
            EXPECT_EQ(boxes.last().kind, MsgKind::Warning) << c.message;
            EXPECT_EQ(boxes.last().text, QString::fromUtf8(c.message));
            EXPECT_TRUE(dialog.isVisible()) << c.message;
            EXPECT_EQ(Control<QComboBox>(dialog, "ComboBox2")->currentText(), QString::fromUtf8(c.y2)) << c.message;
        }
    });
}

TEST_F(IntersectionTest, OkOpensTheReportWithTheFieldsAndStaysOpen) {
    std::optional<Opened> first, second;
    bool open = false;
    Run([&] {
        Enter("sin(x)", "cos(x)*PI", "-1.5", "2E1", " 40", "15");
        first = Ok();
        Enter("x", "ln(x)", "0", "1", "+16", "2");  // ln(x) fails on part of the range: only compiled
        second = Ok();
        open = dialog.isVisible();
    });
    EXPECT_EQ(first, (Opened{"sin(x)", "cos(x)*PI", -1.5, 20, 40, 15}));
    EXPECT_EQ(second, (Opened{"x", "ln(x)", 0, 1, 16, 2}));
    EXPECT_TRUE(open);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(IntersectionTest, BothBoxesOfferTheYOfXGraphsAndStartEmpty) {
    GraphContext doc;
    const struct {
        const char* exp;
        std::uint8_t type;
    } graphs[] = {{"y^2", 1}, {"sin x", 0}, {"2*a", 2}, {"x^3", 0}};
    for (const auto& g : graphs) {
        TFunctionObj f;
        f.Exp = g.exp;
        f.FunctionObjType = g.type;
        doc.memory.AddFunction(f);
    }
    QStringList offered[2], texts;
    Run(
        [&] {
            int i = 0;
            for (const char* name : {"ComboBox1", "ComboBox2"}) {
                auto* combo = Control<QComboBox>(dialog, name);
                for (int row = 0; row < combo->count(); ++row) offered[i] << combo->itemText(row);
                texts << combo->currentText();
                ++i;
            }
            EXPECT_EQ(dialog.Memory, &doc.memory);
        },
        &doc.memory);
    EXPECT_EQ(offered[0], (QStringList{"sin x", "x^3"}));
    EXPECT_EQ(offered[1], (QStringList{"sin x", "x^3"}));
    EXPECT_EQ(texts, (QStringList{"", ""}));
}

TEST_F(IntersectionTest, DefaultsAndHelp) {
    Run([&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Intersections"));
        EXPECT_EQ(TextOf(dialog, "Edit1"), QStringLiteral("-10"));
        EXPECT_EQ(TextOf(dialog, "Edit2"), QStringLiteral("10"));
        EXPECT_EQ(TextOf(dialog, "Edit3"), QStringLiteral("5000"));
        EXPECT_EQ(TextOf(dialog, "Edit4"), QStringLiteral("3"));
        EXPECT_TRUE(Control<QPushButton>(dialog, "Button1")->isDefault());
        Control<QPushButton>(dialog, "Button3")->click();
        ExpectHelpShown(dialog, "ch04_01.htm", "44");
        Control<QPushButton>(dialog, "Button2")->click();
        EXPECT_FALSE(dialog.isVisible());
    });
}

}  // namespace
