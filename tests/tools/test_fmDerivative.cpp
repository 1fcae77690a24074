// Derivative dialog: what "Generate Derivative" shows over formulas and kinds, and what it
// leaves for "Add Graph".

#include "tools/fmDerivative.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include "plot/ZMFunTabObj.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"

namespace {

class DerivativeTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Memory = &memory;
        dialog.FormShow();
    }
    void Generate(int kind, const char* formula) {
        Apply(dialog, {{"ComboBox2", QString::number(kind)}, {"ComboBox1", QString::fromLatin1(formula)}});
        dialog.Button1Click();
    }

    TMemory memory;
    MessageRecorder boxes;
    TFormDerivative dialog;
};

TEST_F(DerivativeTest, ShowsTheDerivativeByTheKindsVariableOrSaysThereIsNone) {
    // One dialog throughout, so that each row also shows the switch from the row before.
    const struct {
        int kind;
        const char* formula;
        const char* derivative;  // null: none
        const char* label;
    } cases[] = {
        {0, "x^2", "2*x", "Y(x) ="},
        {0, "abs x", nullptr, "Y(x) ="},
        {1, "sin y", "cos(y)", "X(y) ="},
        {1, "x*y", "x", "X(y) ="},
        {1, "abs y", nullptr, "X(y) ="},
        {2, "ln a", "1/a", "R(a) ="},
        {0, "1/x", "-1/(x^2)", "Y(x) ="},  // shown although it fails at 0
        {0, "y^2", "0", "Y(x) ="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula);
        Generate(c.kind, c.formula);
        const bool derivable = c.derivative != nullptr;
        EXPECT_EQ(Shown(dialog, "LabelMessage"), !derivable);
        EXPECT_EQ(Shown(dialog, "LabelResult"), derivable);
        EXPECT_EQ(Shown(dialog, "Edit1"), derivable);
        EXPECT_EQ(TextOf(dialog, "Edit1"), QString::fromLatin1(derivable ? c.derivative : ""));
        EXPECT_EQ(TextOf(dialog, "LabelResult"), QString::fromLatin1(c.label));
        EXPECT_EQ(dialog.ResultKind, c.kind);
        EXPECT_EQ(Control<QPushButton>(dialog, "Button2")->isEnabled(), derivable);
    }
    EXPECT_EQ(TextOf(dialog, "LabelMessage"),
              QStringLiteral("The expression contains nondifferentiable function or operation."));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(DerivativeTest, AnIllegalFormulaWarnsAndChangesNothingElse) {
    Generate(2, "sin a");
    ASSERT_EQ(TextOf(dialog, "Edit1"), QStringLiteral("cos(a)"));
    for (const char* formula : {"", "  ", "a+", "2*(a", "sin"}) {
        SCOPED_TRACE(formula);
        boxes.clear();
        Apply(dialog, {{"ComboBox1", QString::fromLatin1(formula)}});
        dialog.Button1Click();
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().kind, MsgKind::Warning);
        EXPECT_EQ(boxes.last().text, QStringLiteral("Expression is illegal."));
        EXPECT_EQ(TextOf(dialog, "Edit1"), QStringLiteral("cos(a)"));
        EXPECT_TRUE(Shown(dialog, "Edit1"));
        EXPECT_FALSE(Shown(dialog, "LabelMessage"));
        EXPECT_TRUE(Control<QPushButton>(dialog, "Button2")->isEnabled());
        EXPECT_EQ(dialog.ResultKind, 2);
    }
}

}  // namespace
