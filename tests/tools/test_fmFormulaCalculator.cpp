// Formula calculator: results in the number format, the variable grid, and the messages that
// keep the earlier result.

#include "tools/fmFormulaCalculator.h"

#include "platform/ZMHelpViewer.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/ScopedLocale.h"
#include "tools/ZMToolGrid.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FormulaCalculatorTest : public ::testing::Test {
protected:
    void Run(std::function<void()> fn) {
        WhileShown(dialog, std::move(fn));
        dialog.Execute();
    }
    void Click(const char* button) { Control<QPushButton>(dialog, button)->click(); }
    QString Calculate(const char* formula) {
        Apply(dialog, {{"Edit1", QString::fromUtf8(formula)}});
        Click("Button3");
        return TextOf(dialog, "Edit4");
    }
    void Update(const char* name, const char* value) {
        Apply(dialog, {{"Edit2", QString::fromUtf8(name)}, {"Edit3", QString::fromUtf8(value)}});
        Click("Button1");
    }
    // The variable grid, the header first, cells apart by "/".
    QStringList Variables() const { return dialog.VariableGrid().Lines(QStringLiteral("/")); }

    MessageRecorder boxes;
    TFormFormulaCalculator dialog;
};

TEST_F(FormulaCalculatorTest, CalculatesWithTheVariablesItHolds) {
    Run([&] {
        EXPECT_EQ(Variables(), (QStringList{"Variable Name/Value", "x/0"}));
        EXPECT_EQ(Calculate("x^2"), QStringLiteral("0"));
        Update("x", "3");
        EXPECT_EQ(Calculate("x^2"), QStringLiteral("9"));
        Update("a", "2");
        EXPECT_EQ(Calculate("x*a+PI"), QStringLiteral("9.14159265358979"));
        Update("b", "not a number");
        Update("", "1.5");
        EXPECT_EQ(Variables(), (QStringList{"Variable Name/Value", "x/3", "a/2", "b/0", "UnKnown/1.5"}));
        EXPECT_EQ(Calculate("1/3"), QStringLiteral("0.333333333333333"));
        EXPECT_EQ(Calculate("10^20"), QStringLiteral("1E20"));
    });
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(FormulaCalculatorTest, NumbersFollowTheLocaleSeparator) {
    const ScopedLocale locale(QLocale::German);
    Run([&] {
        Update("x", "2,5");
        EXPECT_EQ(Calculate("x/2"), QStringLiteral("1,25"));
        EXPECT_EQ(Variables(), (QStringList{"Variable Name/Value", "x/2,5"}));
    });
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(FormulaCalculatorTest, AnIllegalOrFailingFormulaWarnsAndKeepsTheResult) {
    const struct {
        const char* formula;
        const char* message;
    } cases[] = {
        {"x+", "Expression is illegal."},
        {"1/0", "An error occurs during expression calculation."},
        {"", "An error occurs during expression calculation."},  // compiles, yields nothing
        {"sqrt(x-1)", "An error occurs during expression calculation."},
    };
    Run([&] {
        ASSERT_EQ(Calculate("2+3"), QStringLiteral("5"));
        for (const auto& c : cases) {
            boxes.clear();
            EXPECT_EQ(Calculate(c.formula), QStringLiteral("5")) << c.formula;
            ASSERT_EQ(boxes.count(), 1) << c.formula;
            EXPECT_EQ(boxes.last().kind, MsgKind::Warning) << c.formula;
            EXPECT_EQ(boxes.last().text, QString::fromUtf8(c.message)) << c.formula;
        }
    });
}

TEST_F(FormulaCalculatorTest, EachShowingStartsWithItsOwnContext) {
    Run([&] { Update("x", "7"); });
    Run([&] { EXPECT_EQ(Variables(), (QStringList{"Variable Name/Value", "x/0"})); });
}

TEST_F(FormulaCalculatorTest, TheHelpLinkOpensTheCalculatorTopic) {
    Run([&] {
        auto* link = Control<QLabel>(dialog, "Label6");
        QTest::mouseClick(link, Qt::RightButton);
        EXPECT_EQ(dialog.findChild<THelpViewer*>(QString(), Qt::FindDirectChildrenOnly), nullptr);
        QTest::mouseClick(link, Qt::LeftButton);
        ExpectHelpShown(dialog, "ch04_01.htm", "41");
    });
}

}  // namespace
