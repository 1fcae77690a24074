// The command language without widgets: dispatch, answers, assignments and derivatives.
#include "engine/ZMMath.h"
#include "shell/ZMCommandLanguage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cmd = zm::command;

namespace {

// A document's formula context: x, y, t, a at 0 and PI.
struct DocumentContext {
    DocumentContext() {
        for (const char* name : {"x", "y", "t", "a"}) vars.AddVar(name, 0);
        consts.AddVar("PI", 3.141592653589793);
    }
    cmd::TCommandContext context() { return {&ops, &vars, &consts}; }
    std::optional<std::string> run(const std::string& line, char sep = '.') {
        return cmd::RunCommand(line, context(), sep).Answer;
    }
    zm::TOperatorLib ops;
    zm::TVarMemory vars;
    zm::TVarMemory consts;
};

struct Exchange {
    const char* line;
    const char* answer;
};

}  // namespace

TEST(CommandLanguage, DispatchesOnCaseInsensitivePrefixesInOrder) {
    const struct {
        const char* line;
        cmd::TCommandKind kind;
    } cases[] = {
        {"?1", cmd::TCommandKind::Evaluate},
        {"var k=1", cmd::TCommandKind::SetVariable},
        {"VARIABLE", cmd::TCommandKind::SetVariable},
        {"Const c=1", cmd::TCommandKind::SetConstant},
        {"deri x x", cmd::TCommandKind::Derivative},
        {"Derivative", cmd::TCommandKind::Derivative},
        {"DrawFx x", cmd::TCommandKind::Draw},
        {"drawxy x", cmd::TCommandKind::Draw},
        {"va", cmd::TCommandKind::Unknown},
        {"cons", cmd::TCommandKind::Unknown},
        {"der", cmd::TCommandKind::Unknown},
        {"=3", cmd::TCommandKind::Unknown},
        {"", cmd::TCommandKind::Unknown},
        {" ?1", cmd::TCommandKind::Unknown},  // the caller trims first
    };
    for (const auto& c : cases) EXPECT_EQ(cmd::ClassifyCommand(c.line), c.kind) << c.line;
}

TEST(CommandLanguage, TrimRemovesBlanksAndControlCharactersOnly) {
    EXPECT_EQ(cmd::TrimLine(" \t\x01?1+2\r\x1f "), "?1+2");
    EXPECT_EQ(cmd::TrimLine("\xc2\xa0?1"), "\xc2\xa0?1");  // a no-break space is not a blank
    DocumentContext doc;
    EXPECT_EQ(doc.run("\x02\t  ?1+2\x03"), "=3");
}

// One session of lines in a document: every command form, assignments changing later answers.
TEST(CommandLanguage, SessionAnswersLineByLine) {
    const Exchange session[] = {
        {"?1+2", "=3"},
        {"   ?1+2", "=3"},
        {"? 2^10", "=1024"},
        {"?", "=Syntax Error"},
        {"?1/3", "=0.333333333333333"},
        {"?10^200*10^200", "=Syntax Error"},
        {"?1/0", "=Syntax Error"},
        {"?sqrt(-1)", "=Syntax Error"},
        {"?x+(", "=Syntax Error"},
        {"?x", "=0"},
        {"var x = 3", "OK."},
        {"?x*2", "=6"},
        {"VAR k = 2*PI", "OK."},
        {"?k", "=6.28318530717959"},
        {"var k=k+1", "OK."},
        {"?k", "=7.28318530717959"},
        {"var =3", "Syntax Error"},
        {"var k", "Syntax Error"},
        {"var k = ", "Syntax Error"},
        {"var k = 1/0", "Syntax Error"},
        {"?k", "=7.28318530717959"},  // a failed assignment changes nothing
        {"variable = 5", "OK."},       // "var" + the name "iable"
        {"?iable", "=5"},
        {"const c = 4", "OK."},
        {"?c/8", "=0.5"},
        {"const PI = 3", "OK."},
        {"?PI", "=3"},
        {"const = 1", "Syntax Error"},
        {"CONST", "Syntax Error"},
        {"=3", "Syntax Error"},
        {"hello", "Syntax Error"},
        {"", "Syntax Error"},
    };
    DocumentContext doc;
    for (const Exchange& e : session) EXPECT_EQ(doc.run(e.line), std::optional<std::string>(e.answer)) << e.line;
    EXPECT_EQ(doc.vars.GetValue("x"), 3);
    EXPECT_TRUE(doc.vars.VarExists("k"));
    EXPECT_TRUE(doc.consts.VarExists("c"));
    EXPECT_FALSE(doc.vars.VarExists("c"));
    EXPECT_EQ(doc.consts.GetValue("PI"), 3);
}

TEST(CommandLanguage, NumberAnswersUseTheGivenSeparator) {
    DocumentContext doc;
    EXPECT_EQ(doc.run("?1/4", ','), "=0,25");
    EXPECT_EQ(doc.run("?10^15", ','), "=1E15");
    EXPECT_EQ(doc.run("?-1/100000", ','), "=-1E-5");
}

TEST(CommandLanguage, EvaluationSeesTheValuesLeftInTheVariableMemory) {
    DocumentContext doc;
    doc.vars.SetValue("x", 2.5);  // as the plotter leaves its last sample
    EXPECT_EQ(doc.run("?x*2"), "=5");
    EXPECT_EQ(doc.run("var y = x+1"), "OK.");
    EXPECT_EQ(doc.vars.GetValue("y"), 3.5);
    EXPECT_EQ(doc.vars.Count(), 4);  // no temporaries left behind
}

TEST(CommandLanguage, ConstantsStayFrozenInFormulasCompiledEarlier) {
    DocumentContext doc;
    zm::TExpCal before("2*PI", doc.ops, doc.vars, doc.consts);
    EXPECT_EQ(doc.run("const PI = 3"), "OK.");
    ASSERT_TRUE(before.Calculate());
    EXPECT_DOUBLE_EQ(before.Value, 2 * 3.141592653589793);
    EXPECT_EQ(doc.run("?2*PI"), "=6");
    // A variable is read at every evaluation.
    zm::TExpCal withX("x+1", doc.ops, doc.vars, doc.consts);
    EXPECT_EQ(doc.run("var x = 9"), "OK.");
    ASSERT_TRUE(withX.Calculate());
    EXPECT_EQ(withX.Value, 10);
}

TEST(CommandLanguage, WithoutContextOnlyDerivativeAndBadLinesAnswer) {
    const cmd::TCommandContext none;
    const Exchange cases[] = {{"deri x x^2", "=2*x"}, {"bad", "Syntax Error"}};
    for (const Exchange& e : cases)
        EXPECT_EQ(cmd::RunCommand(e.line, none, '.').Answer, std::optional<std::string>(e.answer)) << e.line;
    for (const char* line : {"?1+2", "var k=1", "const c=1", "drawfx x"})
        EXPECT_FALSE(cmd::RunCommand(line, none, '.').Answer.has_value()) << line;
}

TEST(CommandLanguage, DerivativeAnswers) {
    const Exchange cases[] = {
        {"deri x x^2", "=2*x"},                // simplified is shorter than (2*x^(2-1))*1
        {"deri x 3*x", "=3"},
        {"deri x x/2", "=0.5"},
        {"deri y x*y", "=x"},
        {"deri a a^3", "=3*(a^2)"},             // the power keeps its parentheses
        {"deri x 2*x+sin x", "=2+(cos(x))"},
        {"deri x 2*PI*x", "=6.28318530717959"},  // 15 digits: shorter than the raw text
        {"DERIVATIVE x x^2", "=2*x"},
        {"deri x   x^2  ", "=2*x"},
        {"deri z x^2", "=0"},                  // any name may be the variable
        {"deri x abs x", "=Syntax Error"},     // no derivative
        {"deri x x>1", "=Syntax Error"},
        {"deri x x+(", "Syntax Error"},        // does not compile
        {"deri x x2", "=Syntax Error"},        // compiles to nothing
        {"deri t t^2", "Syntax Error"},        // its own context has no t
        {"deri x ", "Syntax Error"},
        {"deri x^2", "Syntax Error"},          // no variable
        {"deri  x^2", "Syntax Error"},
        {"deri", "Syntax Error"},
        {"derix^2", "Syntax Error"},
    };
    DocumentContext doc;
    for (const Exchange& e : cases) EXPECT_EQ(doc.run(e.line), std::optional<std::string>(e.answer)) << e.line;
}

TEST(CommandLanguage, DerivativeIgnoresTheDocumentMemories) {
    DocumentContext doc;
    ASSERT_EQ(doc.run("var k = 2"), "OK.");
    ASSERT_EQ(doc.run("const c = 2"), "OK.");
    EXPECT_EQ(doc.run("deri x k*x"), "Syntax Error");  // k vanishes: "*x" does not compile
    EXPECT_EQ(doc.run("deri x PI*x"), "=PI");
    EXPECT_EQ(doc.vars.Count(), 5);
}

TEST(CommandLanguage, DrawCommandsGiveTheFormulaAndKind) {
    const struct {
        const char* line;
        const char* expression;
        int type;
    } cases[] = {
        {"drawfx x^2", "x^2", 0},
        {"DrawFy y+1", "y+1", 1},
        {"DRAWRA 1", "1", 2},
        {"drawra   sin(2a) ", "sin(2a)", 2},
        {"drawxy x", "x", 0},
        {"draw x", "x", 0},
        {"drawra", "drawra", 0},  // no blank: no word, the whole line is the formula
    };
    for (const auto& c : cases) {
        const cmd::TDrawRequest request = cmd::ParseDraw(cmd::TrimLine(c.line));
        EXPECT_EQ(request.Expression, c.expression) << c.line;
        EXPECT_EQ(request.FunctionObjType, c.type) << c.line;
    }
}

TEST(CommandLanguage, DeriveExpressionInTheDocumentContext) {
    DocumentContext doc;
    std::string text;
    EXPECT_EQ(cmd::DeriveExpression("t^2", "t", doc.context(), text), cmd::TDeriveOutcome::Done);
    EXPECT_EQ(text, "2*t");
    EXPECT_EQ(cmd::DeriveExpression("  ", "x", doc.context(), text), cmd::TDeriveOutcome::Invalid);
    EXPECT_EQ(cmd::DeriveExpression("x*-1", "x", doc.context(), text), cmd::TDeriveOutcome::Invalid);
    EXPECT_EQ(cmd::DeriveExpression("round x", "x", doc.context(), text), cmd::TDeriveOutcome::NotDerivable);
    EXPECT_EQ(cmd::DeriveExpression("x", "x", {}, text), cmd::TDeriveOutcome::Invalid);
}
