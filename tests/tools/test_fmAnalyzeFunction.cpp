// Function analysis dialog: the checks and their messages, the formula test, the derivative text,
// the report it opens, and the context it borrows or makes.

#include "tools/fmAnalyzeFunction.h"

#include "support/ComboItems.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/ShownWatch.h"
#include "tools/fmAnalyzeResult.h"

#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// What the report was opened with, read while it was shown.
struct Opened {
    std::string Formula;
    std::string DerivativeText;
    QString Derivative;  // the derivative box
    TMemory* Memory = nullptr;
    zm::TVarMemory* VarMemory = nullptr;
    int DoZeros = -1, DoExtrema = -1, ShowDerivative = -1;
    double Min = 0, Max = 0;
    int Steps = 0, Accuracy = 0;
};

class AnalyzeFunctionTest : public ::testing::Test {
protected:
    // Runs fn while the dialog is shown, with the document context of `doc` or none.
    void Run(std::function<void()> fn, GraphContext* doc = nullptr) {
        WhileShown(dialog, std::move(fn));
        if (doc)
            dialog.Execute(&doc->memory, &doc->ops, &doc->vars, &doc->consts);
        else
            dialog.Execute(nullptr, nullptr, nullptr, nullptr);
    }
    void Enter(const char* formula, const char* min = "-10", const char* max = "10", const char* steps = "500",
               const char* accuracy = "3") {
        Apply(dialog, {{"ComboBox1", QString::fromUtf8(formula)},
                       {"Edit1", QString::fromUtf8(min)},
                       {"Edit2", QString::fromUtf8(max)},
                       {"Edit3", QString::fromUtf8(steps)},
                       {"Edit4", QString::fromUtf8(accuracy)}});
    }
    // Presses OK and returns what the report opened with, if one opened; closes the report.
    std::optional<Opened> Ok() {
        std::optional<Opened> seen;
        const ShownWatch<TFormAnalyzeResult> watch([&seen](TFormAnalyzeResult& report) {
            seen = Opened{report.Formula,   report.DerivativeText, TextOf(report, "Edit1"),
                          report.Memory,    report.VarMemory,      report.DoZeros,
                          report.DoExtrema, report.ShowDerivative, report.Min,
                          report.Max,       report.Steps,          report.Accuracy};
        });
        Control<QPushButton>(dialog, "Button1")->click();
        return seen;
    }

    MessageRecorder boxes;
    TFormAnalyzeFunction dialog;
};

TEST_F(AnalyzeFunctionTest, AFailedCheckShowsTheFirstFailureInAWarningAndKeepsTheEntries) {
    struct Case {
        const char* formula;
        const char* min;
        const char* max;
        const char* steps;
        const char* accuracy;
        const char* message;
    };
    const Case cases[] = {
        {"", "-10", "10", "500", "3", "Functional expression cannot be null."},
        {" \t", "", "", "", "", "Functional expression cannot be null."},
        {"x", "", "10", "500", "3", "The minimum value cannot be null."},
        {"x", "a", "10", "x", "3", "The minimum value must be a real number."},
        {"x", "-10", " ", "500", "3", "The maximum value cannot be null."},
        {"x", "-10", "b", "500", "3", "The maximum value must be a real number."},
        {"x", "5", "5", "500", "3", "The minimum value must be less than the maximum value."},
        {"x", "6", "5", "500", "3", "The minimum value must be less than the maximum value."},
        {"x", "-10", "10", "", "3", "The steplength cannot be null."},
        {"x", "-10", "10", "1.5", "3", "The steplength must be an integer."},
        {"x", "-10", "10", "0", "3", "The steplength must be greater than 0."},
        {"x", "-10", "10", "-3", "3", "The steplength must be greater than 0."},
        {"x", "-10", "10", "500", "", "The accuracy cannot be null."},
        {"x", "-10", "10", "500", "2.5", "The accuracy must be an integer."},
        {"x", "-10", "10", "500", "0", "The accuracy must be greater than 0."},
        {"x", "-10", "10", "500", "16", "The accuracy value must be less than or equal to 15."},
    };
    Run([&] {
        for (const Case& c : cases) {
            boxes.clear();
            Enter(c.formula, c.min, c.max, c.steps, c.accuracy);
            EXPECT_FALSE(Ok().has_value()) << c.message;
            ASSERT_EQ(boxes.count(), 1) << c.message;
            EXPECT_EQ(boxes.last().kind, MsgKind::Warning) << c.message;
            EXPECT_EQ(boxes.last().text, QString::fromUtf8(c.message));
            EXPECT_TRUE(dialog.isVisible()) << c.message;
            EXPECT_EQ(TextOf(dialog, "Edit3"), QString::fromUtf8(c.steps)) << c.message;
        }
    });
}

TEST_F(AnalyzeFunctionTest, OkRefusesOnlyAFormulaThatDoesNotCompile) {
    // A document whose x makes ln(x) fail: the formula is only compiled, never evaluated.
    GraphContext doc;
    doc.vars.SetValue("x", -5);
    for (GraphContext* context : {static_cast<GraphContext*>(nullptr), &doc}) {
        Run(
            [&] {
                boxes.clear();
                Enter("x+");
                EXPECT_FALSE(Ok().has_value());
                EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Expression is illegal.")});
                EXPECT_EQ(boxes.last().kind, MsgKind::Warning);
                boxes.clear();
                Enter("ln(x)");
                EXPECT_TRUE(Ok().has_value());
                EXPECT_EQ(boxes.count(), 0);
            },
            context);
    }
}

TEST_F(AnalyzeFunctionTest, TheReportGetsTheFieldsTheBoxesAndTheDerivativeText) {
    const QString noDerivative = QStringLiteral("The expression contains nondifferentiable function or operation.");
    std::optional<Opened> full, partial, none;
    Run([&] {
        Enter("x^2", "-1.5", "2E1", " 40", "15");
        full = Ok();
        Apply(dialog, {{"CheckBox1", QStringLiteral("0")}, {"CheckBox3", QStringLiteral("0")}});
        Enter("sin(x)*x");
        partial = Ok();
        Apply(dialog, {{"CheckBox2", QStringLiteral("0")}, {"CheckBox3", QStringLiteral("1")}});
        Enter("abs(x)");
        none = Ok();
    });
    EXPECT_EQ(boxes.count(), 0) << boxes.texts().join(QLatin1Char('|')).toStdString();
    ASSERT_TRUE(full && partial && none);
    EXPECT_EQ(full->Formula, "x^2");
    EXPECT_EQ(full->DerivativeText, "2*x");
    EXPECT_EQ(full->Derivative, QStringLiteral("2*x"));
    EXPECT_EQ(full->Min, -1.5);
    EXPECT_EQ(full->Max, 20);
    EXPECT_EQ(full->Steps, 40);
    EXPECT_EQ(full->Accuracy, 15);
    EXPECT_EQ((std::vector<int>{full->DoZeros, full->DoExtrema, full->ShowDerivative}), (std::vector<int>{1, 1, 1}));

    EXPECT_EQ(partial->DerivativeText, "((cos(x))*x)+(sin(x))");
    EXPECT_EQ(partial->Derivative, QString());  // not shown
    EXPECT_EQ((std::vector<int>{partial->DoZeros, partial->DoExtrema, partial->ShowDerivative}),
              (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(partial->Min, -10);
    EXPECT_EQ(partial->Steps, 500);

    EXPECT_EQ(QString::fromStdString(none->DerivativeText), noDerivative);
    EXPECT_EQ(none->Derivative, noDerivative);
    EXPECT_EQ((std::vector<int>{none->DoZeros, none->DoExtrema, none->ShowDerivative}), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(AnalyzeFunctionTest, ADocumentContextIsBorrowedAndItsXEndsWhereTheScansEnded) {
    struct Case {
        const char* zeros;
        const char* extrema;
        double x;  // of the document after the run, on [-2, 2] in 4 steps
    };
    const Case cases[] = {
        {"1", "1", 3},   // the extremum scan ends at Max + h
        {"1", "0", 2},   // the zero scan ends at Max
        {"0", "0", 7},   // no scan: untouched
    };
    for (const Case& c : cases) {
        GraphContext doc;
        doc.vars.SetValue("x", 7);
        std::optional<Opened> seen;
        Run(
            [&] {
                EXPECT_EQ(dialog.Memory, &doc.memory);
                EXPECT_EQ(dialog.OperatorLib, &doc.ops);
                EXPECT_EQ(dialog.VarMemory, &doc.vars);
                EXPECT_EQ(dialog.ConstMemory, &doc.consts);
                Apply(dialog, {{"CheckBox1", QString::fromLatin1(c.zeros)}, {"CheckBox2", QString::fromLatin1(c.extrema)}});
                Enter("x^2", "-2", "2", "4");
                seen = Ok();
            },
            &doc);
        ASSERT_TRUE(seen);
        EXPECT_EQ(seen->Memory, &doc.memory);
        EXPECT_EQ(seen->VarMemory, &doc.vars);
        EXPECT_EQ(doc.vars.GetValue("x"), c.x) << c.zeros << c.extrema;
        EXPECT_EQ(doc.vars.Count(), 4);  // x, y, t, a: nothing added
        EXPECT_EQ(dialog.VarMemory, nullptr);
    }
}

TEST_F(AnalyzeFunctionTest, WithoutADocumentTheDialogMakesItsOwnContextAndFreesIt) {
    std::vector<std::string> names;
    double pi = 0;
    std::optional<Opened> seen;
    Run([&] {
        ASSERT_NE(dialog.VarMemory, nullptr);
        EXPECT_EQ(dialog.Memory, nullptr);
        for (int i = 0; i < dialog.VarMemory->Count(); ++i) {
            names.push_back(dialog.VarMemory->GetVarItem(i)->Name);
            EXPECT_EQ(dialog.VarMemory->ValueAt(i), 0);
        }
        pi = dialog.ConstMemory->GetValue("PI");
        Enter("sin(x/PI)", "-2", "2", "4");
        seen = Ok();
        ASSERT_TRUE(seen);
        EXPECT_EQ(seen->VarMemory, dialog.VarMemory);
        EXPECT_EQ(dialog.VarMemory->GetValue("x"), 3);
    });
    EXPECT_EQ(names, (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(pi, 3.141592653589793);
    EXPECT_EQ(dialog.Memory, nullptr);
    EXPECT_EQ(dialog.OperatorLib, nullptr);
    EXPECT_EQ(dialog.VarMemory, nullptr);
    EXPECT_EQ(dialog.ConstMemory, nullptr);
}

TEST_F(AnalyzeFunctionTest, TheFormulaBoxOffersTheYOfXGraphsAndStartsWithTheFirst) {
    GraphContext doc;
    const struct {
        const char* exp;
        std::uint8_t type;
        std::uint8_t shown;
    } graphs[] = {{"y^2", 1, 1}, {"sin x", 0, 0}, {"2*a", 2, 1}, {"x^3", 0, 1}, {"x^2+y^2-4", 4, 1}};
    for (const auto& g : graphs) {
        TFunctionObj f;
        f.Exp = g.exp;
        f.FunctionObjType = g.type;
        f.ShowEnabled = g.shown;
        doc.memory.AddFunction(f);
        doc.memory.AddTable(TTableObj());
    }
    QStringList offered;
    QString text;
    bool focused = false;
    Run(
        [&] {
            auto* combo = Control<QComboBox>(dialog, "ComboBox1");
            offered = ComboItems(*combo);
            text = combo->currentText();
            focused = dialog.focusWidget() == combo || dialog.focusWidget() == combo->lineEdit();
        },
        &doc);
    EXPECT_EQ(offered, (QStringList{"sin x", "x^3"}));
    EXPECT_EQ(text, QStringLiteral("sin x"));
    EXPECT_TRUE(focused);

    Run([&] { EXPECT_EQ(Control<QComboBox>(dialog, "ComboBox1")->currentText(), QString()); });
}

TEST_F(AnalyzeFunctionTest, DefaultsAndHelp) {
    Run([&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Analyze Function"));
        EXPECT_EQ(TextOf(dialog, "Edit1"), QStringLiteral("-10"));
        EXPECT_EQ(TextOf(dialog, "Edit2"), QStringLiteral("10"));
        EXPECT_EQ(TextOf(dialog, "Edit3"), QStringLiteral("500"));
        EXPECT_EQ(TextOf(dialog, "Edit4"), QStringLiteral("3"));
        for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3"}) EXPECT_TRUE(Control<QCheckBox>(dialog, box)->isChecked());
        EXPECT_TRUE(Control<QPushButton>(dialog, "Button1")->isDefault());
        Control<QPushButton>(dialog, "Button3")->click();
        ExpectHelpShown(dialog, "ch04_01.htm", "43");
        Control<QPushButton>(dialog, "Button2")->click();
        EXPECT_FALSE(dialog.isVisible());
    });
}

}  // namespace
