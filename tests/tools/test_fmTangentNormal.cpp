// Tangent or normal dialog: the line text, its kind and the state of "Add Graph" after
// "Generate Tangent/Normal", over formulas, kinds, points and both options.

#include "tools/fmTangentNormal.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include "plot/ZMFunTabObj.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/ScopedLocale.h"

namespace {

struct Generation {
    const char* formula;
    int kind;  // kind row: 0 Y(x), 1 X(y)
    const char* point;
    bool normal;
    const char* line;  // the result field
    const char* label;
    int resultKind;
};

class TangentNormalTest : public ::testing::Test {
protected:
    // A fresh dialog over a graph list, given one generation.
    void Generate(TFormTangentNormal& d, const Generation& g) {
        d.Memory = &memory;
        d.FormShow();
        Apply(d, {{"ComboBox2", QString::number(g.kind)},
                  {"ComboBox1", QString::fromLatin1(g.formula)},
                  {"Edit2", QString::fromLatin1(g.point)},
                  {g.normal ? "RadioButton2" : "RadioButton1", QStringLiteral("1")}});
        d.Button1Click();
    }
    void Check(const std::vector<Generation>& cases) {
        for (const Generation& g : cases) {
            SCOPED_TRACE(std::string(g.formula) + " at " + g.point + (g.normal ? " normal" : " tangent"));
            TFormTangentNormal d;
            Generate(d, g);
            const bool line = QString::fromLatin1(g.line) != QLatin1String("<none>");
            EXPECT_EQ(TextOf(d, "Edit1"), QString::fromLatin1(g.line));
            EXPECT_EQ(TextOf(d, "LabelResult"), QString::fromLatin1(g.label));
            EXPECT_EQ(d.ResultKind, g.resultKind);
            EXPECT_EQ(Control<QPushButton>(d, "Button2")->isEnabled(), line);
        }
        EXPECT_EQ(boxes.count(), 0);
    }

    TMemory memory;
    MessageRecorder boxes;
};

TEST_F(TangentNormalTest, LinesOfBothKindsAndOptions) {
    Check({
        {"x^2", 0, "1", false, "2*x-1", "Y(x) =", 0},
        {"x^2", 0, "1", true, "-0.5*x+1.5", "Y(x) =", 0},
        {"y^2", 1, "2", false, "4*y-4", "X(y) =", 1},
        {"y^2", 1, "2", true, "-0.25*y+4.5", "X(y) =", 1},
        {"x^2", 0, "-3", false, "-6*x-9", "Y(x) =", 0},          // negative slope and intercept
        {"x^3-x", 0, "0", false, "-1*x+0", "Y(x) =", 0},         // zero intercept
        {"x^3-x", 0, "0", true, "1*x+0", "Y(x) =", 0},
        {"x^2", 0, "0.1", false, "0.2*x-0.01", "Y(x) =", 0},     // 15 significant digits
        {"PI*x", 0, "0", false, "3.14159265358979*x+0", "Y(x) =", 0},
        {"x^2+1", 0, "one", false, "0*x+1", "Y(x) =", 0},        // not a number: the point is 0
        {"x^2", 0, " 2 ", false, "4*x-4", "Y(x) =", 0},
    });
}

TEST_F(TangentNormalTest, NormalOfAZeroSlopeIsTheLineOfTheOtherKindThroughThePoint) {
    Check({
        {"x^2", 0, "0", true, "0", "X(y) =", 1},
        {"x^2-2*x", 0, "1", true, "1", "X(y) =", 1},     // x = 1
        {"y^2-4*y", 1, "2", true, "2", "Y(x) =", 0},     // y = 2
        {"x^2-2*x", 0, "1", false, "0*x-1", "Y(x) =", 0},  // the tangent stays
        {"cos x", 0, "0", false, "0*x+1", "Y(x) =", 0},    // a slope of -0
        {"cos x", 0, "0", true, "0", "X(y) =", 1},
    });
}

TEST_F(TangentNormalTest, TinyAndHugeNumbersAreWrittenAsTheFormulaLanguageReadsThem) {
    // The exponent form "2E-6" would read back as 2-6.
    Check({
        {"x/500000", 0, "0", false, "0.000002*x+0", "Y(x) =", 0},
        {"x/500000", 0, "0", true, "-500000*x+0", "Y(x) =", 0},
        {"x*100000000000000000000", 0, "1", false, "100000000000000000000*x+0", "Y(x) =", 0},
        {"x*100000000000000000000", 0, "0", true, "-0.00000000000000000001*x+0", "Y(x) =", 0},
        {"x+2000000000000000", 0, "0", false, "1*x+2000000000000000", "Y(x) =", 0},
        {"5", 0, "1E20", true, "100000000000000000000", "X(y) =", 1},
    });
}

TEST_F(TangentNormalTest, NoDerivativeFailingEvaluationOrInfiniteInterceptGiveNone) {
    Check({
        {"abs x", 0, "1", false, "<none>", "Y(x) = ", 0},
        {"abs y", 1, "1", true, "<none>", "Y(x) = ", 0},
        {"sqrt x", 0, "0", false, "<none>", "Y(x) = ", 0},     // the slope fails
        {"sqrt y", 1, "0", true, "<none>", "Y(x) = ", 0},
        {"x+0*ln x", 0, "0", false, "<none>", "Y(x) = ", 0},   // the function value fails
        {"x^2", 0, "1E154", false, "<none>", "Y(x) = ", 0},    // f(p) - m * p overflows
    });
}

TEST_F(TangentNormalTest, TheLineIsWrittenWithAPointWhateverTheLocale) {
    ScopedLocale de(QLocale::German);
    Check({
        {"x^2", 0, "0,5", false, "1*x-0.25", "Y(x) =", 0},
        {"x^2-3*x", 0, "1,5", true, "1.5", "X(y) =", 1},
        {"x^2", 0, "0.5", false, "0*x+0", "Y(x) =", 0},  // not a number here
    });
}

TEST_F(TangentNormalTest, AnIllegalFormulaWarnsAndLeavesTheResultAsItWas) {
    TFormTangentNormal d;
    Generate(d, {"x^2", 0, "1", false, "", "", 0});
    ASSERT_EQ(TextOf(d, "Edit1"), QStringLiteral("2*x-1"));
    for (const char* formula : {"", "   ", "x+", "2*(x", "sin"}) {
        SCOPED_TRACE(formula);
        boxes.clear();
        Apply(d, {{"ComboBox1", QString::fromLatin1(formula)}, {"RadioButton2", QStringLiteral("1")}});
        d.Button1Click();
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().kind, MsgKind::Warning);
        EXPECT_EQ(boxes.last().text, QStringLiteral("Expression is illegal."));
        EXPECT_EQ(TextOf(d, "Edit1"), QStringLiteral("2*x-1"));
        EXPECT_TRUE(Control<QPushButton>(d, "Button2")->isEnabled());
    }
}

}  // namespace
