#include "engine/ZMMath.h"
#include "engine/MathContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

namespace {

using zm::TExpCal;

// The shared context with helpers that evaluate and simplify formulas in it.
struct Context : MathContext {
    // The formula's value with every variable at a fixed value and `var` at v.
    std::optional<double> ValueAt(const std::string& formula, const std::string& var, double v) {
        vars.SetValue("x", 0.45);
        vars.SetValue("y", 1.3);
        vars.SetValue("t", 0.9);
        vars.SetValue("a", 0.7);
        vars.SetValue(var, v);
        TExpCal e(formula, ops, vars, consts);
        if (!e.Valid || !e.Calculate()) return std::nullopt;
        return e.Value;
    }

    std::string Simplified(const std::string& formula) {
        TExpCal e(formula, ops, vars, consts);
        e.Simplify();
        return e.Simplified;
    }
};

std::string MemoryDump(const zm::TVarMemory& m) {
    std::string s;
    for (int i = 0; i < m.Count(); ++i) s += m.GetVarItem(i)->Name + "=" + std::to_string(m.GetVarItem(i)->Value) + ";";
    return s;
}

// The derivative text agrees with a central difference of the formula wherever
// both are defined; at least two points must be checked.
void ExpectMatchesCentralDifference(Context& c, const std::string& formula, const std::string& var,
                                    const std::string& derivative) {
    int checked = 0;
    for (double v : {-1.7, -0.6, 0.35, 0.8, 1.9, 2.6}) {
        const double h = 1e-5;
        const auto d = c.ValueAt(derivative, var, v);
        const auto above = c.ValueAt(formula, var, v + h);
        const auto below = c.ValueAt(formula, var, v - h);
        if (!d || !above || !below) continue;
        const double difference = (*above - *below) / (2 * h);
        EXPECT_NEAR(*d, difference, 1e-5 * std::max(1.0, std::fabs(*d)))
            << formula << " by " << var << " at " << v << ": " << derivative;
        ++checked;
    }
    EXPECT_GE(checked, 2) << formula << ": " << derivative;
}

struct DerivativeCase {
    const char* formula;
    const char* var;
    const char* raw;
    const char* simplified;
    const char* chosen;  // empty when not derivable
};

// Exact texts for every rule, chains, constants and the three "*" branches.
const DerivativeCase kDerivatives[] = {
    {"x", "x", "1", "1", "1"},
    {"5", "x", "0", "0", "0"},
    {"PI", "x", "0", "0", "0"},
    {"2*x+sin x", "x", "(2)+((cosx)*1)", "2+(cos(x))", "2+(cos(x))"},
    {"x-1", "x", "1-0", "1", "1"},
    {"-x", "x", "-1", "-1", "-1"},
    {"+x", "x", "+1", "1", "1"},
    {"3*x", "x", "3", "3", "3"},                                     // number times the variable
    {"PI*x", "x", "PI", "PI", "PI"},                                 // constant times the variable
    {"2*sin x", "x", "2*((cosx)*1)", "2*(cos(x))", "2*(cos(x))"},    // constant factor
    {"x*x", "x", "1*x+x*1", "x+x", "x+x"},                           // product rule
    {"x*y", "y", "0*y+x*1", "x", "x"},
    {"x*sin x", "x", "1*(sin(x))+x*((cosx)*1)", "(sin(x))+(x*(cos(x)))", "(sin(x))+(x*(cos(x)))"},
    {"x/2", "x", "(1*2-x*0)/(2)^2", "0.5", "0.5"},
    {"exp(2*x)/x", "x", "(((exp(2*x))*(2))*x-(exp((2*x)))*1)/(x)^2",
     "((((exp((2*x)))*2)*x)-(exp((2*x))))/(x^2)", "((((exp((2*x)))*2)*x)-(exp((2*x))))/(x^2)"},
    {"x^2", "x", "(2*x^(2-1))*1", "2*x", "2*x"},
    {"a^3", "a", "(3*a^(3-1))*1", "3*(a^2)", "3*(a^2)"},
    {"x^(y+1)", "x", "((y+1)*x^((y+1)-1))*1", "(y+1)*(x^((y+1)-1))", "(y+1)*(x^((y+1)-1))"},
    {"sin x", "x", "(cosx)*1", "cos(x)", "cos(x)"},
    {"sin y", "y", "(cosy)*1", "cos(y)", "cos(y)"},
    {"cos x", "x", "-(sinx)*1", "-((sin(x)))", "-(sinx)*1"},
    {"tan x", "x", "1/(cosx)^2*1", "1/((cos(x))^2)", "1/(cosx)^2*1"},
    {"cot x", "x", "-1/(sinx)^2*1", "-((1/((sin(x))^2)))", "-1/(sinx)^2*1"},
    {"arcsin x", "x", "1/sqrt(1-x^2)*1", "1/(sqrt((1-(x^2))))", "1/sqrt(1-x^2)*1"},
    {"arccos x", "x", "-1/sqrt(1-x^2)*1", "-((1/(sqrt((1-(x^2))))))", "-1/sqrt(1-x^2)*1"},
    {"arctan x", "x", "1/(1+x^2)*1", "1/(1+(x^2))", "1/(1+(x^2))"},
    {"arccot x", "x", "-1/(1+x^2)*1", "-((1/(1+(x^2))))", "-1/(1+x^2)*1"},
    {"sqrt x", "x", "1/(2*sqrtx)*1", "1/(2*(sqrt(x)))", "1/(2*sqrtx)*1"},
    {"sqr x", "x", "(2*x)*1", "2*x", "2*x"},
    {"ln x", "x", "1/(x)*1", "1/x", "1/x"},
    {"log10 x", "x", "1/(ln10*x)*1", "1/(2.30258509299405*x)", "1/(ln10*x)*1"},
    {"log2 x", "x", "1/(ln2*x)*1", "1/(0.693147180559945*x)", "1/(ln2*x)*1"},
    {"exp x", "x", "(expx)*1", "exp(x)", "exp(x)"},
    {"sinh x", "x", "(coshx)*1", "cosh(x)", "cosh(x)"},
    {"cosh x", "x", "(sinhx)*1", "sinh(x)", "sinh(x)"},
    {"tanh x", "x", "1/(coshx^2)*1", "1/((cosh(x))^2)", "1/(coshx^2)*1"},
    {"arcsinh x", "x", "1/sqrt(1+sqrx)*1", "1/(sqrt((1+(sqr(x)))))", "1/sqrt(1+sqrx)*1"},
    {"arccosh x", "x", "1/sqrt(sqrx-1)*1", "1/(sqrt(((sqr(x))-1)))", "1/sqrt(sqrx-1)*1"},
    {"arctanh x", "x", "1/(1-x^2)*1", "1/(1-(x^2))", "1/(1-(x^2))"},
    // chains
    {"sin(2*x)", "x", "(cos(2*x))*(2)", "(cos((2*x)))*2", "(cos((2*x)))*2"},
    {"ln(x^2+1)", "x", "1/(((x^2)+1))*(((2*x^(2-1))*1)+0)", "(1/((x^2)+1))*(2*x)", "(1/((x^2)+1))*(2*x)"},
    {"sqrt(sin t)", "t", "1/(2*sqrt(sin(t)))*((cost)*1)", "(1/(2*(sqrt((sin(t))))))*(cos(t))",
     "1/(2*sqrt(sin(t)))*((cost)*1)"},
    // another variable only
    {"x^2", "z", "(2*x^(2-1))*0", "0", "0"},
    {"sin t", "x", "(cost)*0", "0", "0"},
    // a negative exponent: folded numbers keep their sign in parentheses
    {"x^(-1)", "x", "((-(1))*x^((-(1))-1))*1", "-1*(x^(-2))", "-1*(x^(-2))"},
    // not derivable: the text is still built
    {"abs x", "x", "abs(1)", "1", ""},
    {"int x", "x", "int(1)", "1", ""},
    {"round x", "x", "round(1)", "1", ""},
    {"frac x", "x", "frac(1)", "0", ""},
    {"sign x", "x", "sign(1)", "1", ""},
    {"coth x", "x", "coth(1)", "1.31303528549933", ""},
    {"arccoth x", "x", "arccoth(1)", "arccoth(1)", ""},
    {"not x", "x", "not(1)", "0", ""},
    {"x>1", "x", "1 > 0", "1", ""},
    {"x<>y", "y", "0 <> 1", "1", ""},
    {"x and 1", "x", "1 and 0", "0", ""},
    {"x xor y", "x", "1 xor 0", "1", ""},
    {"x+abs(x)", "x", "1+(abs(1))", "2", ""},
    // an exponent holding the variable
    {"x^x", "x", "(x*x^(x-1))*1", "x*(x^(x-1))", ""},
    {"2^x", "x", "(x*2^(x-1))*0", "0", ""},
    {"x^(2*x)", "x", "((2*x)*x^((2*x)-1))*1", "(2*x)*(x^((2*x)-1))", ""},
    // a word operator copied into a rule keeps its blanks
    {"x^(x or 2)", "a", "((x or 2)*x^((x or 2)-1))*0", "0", "0"},
    // numbers typed with an exponent are written out in full
    {"1E-3*x^2", "x", "0.001*((2*x^(2-1))*1)", "0.001*(2*x)", "0.001*(2*x)"},
    {"x/1E15", "x", "(1*1000000000000000-x*0)/(1000000000000000)^2", "0.000000000000001", "0.000000000000001"},
    {"sin(1E-7*x)", "x", "(cos(0.0000001*x))*(0.0000001)", "(cos((0.0000001*x)))*0.0000001",
     "(cos((0.0000001*x)))*0.0000001"},
    {"x^1E-3", "x", "(0.001*x^(0.001-1))*1", "0.001*(x^(-0.999))", "0.001*(x^(-0.999))"},
};

TEST(TExpCalDerivative, RawSimplifiedAndChosenTexts) {
    Context c;
    for (const DerivativeCase& d : kDerivatives) {
        const bool derivable = *d.chosen != '\0';
        TExpCal e(d.formula, c.ops, c.vars, c.consts);
        ASSERT_EQ(e.Valid, 1) << d.formula;
        e.DiffVariable = d.var;
        EXPECT_EQ(e.Derivative(), derivable ? 1 : 0) << d.formula;
        EXPECT_EQ(e.Derivable, derivable ? 1 : 0) << d.formula;
        EXPECT_EQ(e.DerivativeText, d.raw) << d.formula;

        TExpCal again(e.DerivativeText, c.ops, c.vars, c.consts);
        ASSERT_EQ(again.Valid, 1) << d.raw;
        EXPECT_TRUE(again.Simplify());
        EXPECT_EQ(again.Simplified, d.simplified) << d.formula;

        std::string chosen = "unchanged";
        const zm::TDerivativeOutcome outcome = zm::ShorterDerivativeText(d.formula, d.var, c.ops, c.vars, c.consts, chosen);
        if (derivable) {
            EXPECT_EQ(outcome, zm::TDerivativeOutcome::Ok) << d.formula;
            EXPECT_EQ(chosen, d.chosen) << d.formula;
            ExpectMatchesCentralDifference(c, d.formula, d.var, d.raw);
            ExpectMatchesCentralDifference(c, d.formula, d.var, d.simplified);
        } else {
            EXPECT_EQ(outcome, zm::TDerivativeOutcome::NotDerivable) << d.formula;
            EXPECT_EQ(chosen, "unchanged") << d.formula;
        }
    }
}

TEST(TExpCalDerivative, InvalidAndEmptyFormulas) {
    Context c;
    TExpCal invalid("x+(", c.ops, c.vars, c.consts);
    ASSERT_EQ(invalid.Valid, 0);
    EXPECT_EQ(invalid.Derivative(), 0);
    EXPECT_EQ(invalid.DerivativeText, "");

    for (const char* formula : {"", "x2"}) {  // valid, but no quadruple
        TExpCal e(formula, c.ops, c.vars, c.consts);
        ASSERT_EQ(e.Valid, 1);
        EXPECT_EQ(e.Derivative(), 0) << formula;
        EXPECT_EQ(e.DerivativeText, "") << formula;
    }

    std::string text = "unchanged";
    EXPECT_EQ(zm::ShorterDerivativeText("x+(", "x", c.ops, c.vars, c.consts, text), zm::TDerivativeOutcome::Invalid);
    EXPECT_EQ(zm::ShorterDerivativeText("   ", "x", c.ops, c.vars, c.consts, text), zm::TDerivativeOutcome::Invalid);
    EXPECT_EQ(zm::ShorterDerivativeText("x2", "x", c.ops, c.vars, c.consts, text),
              zm::TDerivativeOutcome::NotDerivable);
    EXPECT_EQ(text, "unchanged");
}

TEST(TExpCalDerivative, RunsAgainWithAnotherVariableAndResetsDerivable) {
    Context c;
    TExpCal e("x*y+abs(t)", c.ops, c.vars, c.consts);
    EXPECT_EQ(e.Derivative(), 0);
    EXPECT_EQ(e.DerivativeText, "(1*y+x*0)+(abs(0))");
    e.DiffVariable = "y";
    EXPECT_EQ(e.Derivative(), 0);
    EXPECT_EQ(e.DerivativeText, "(0*y+x*1)+(abs(0))");

    TExpCal f("x*y", c.ops, c.vars, c.consts);
    f.DiffVariable = "x";
    EXPECT_EQ(f.Derivative(), 1);
    EXPECT_EQ(f.DerivativeText, "1*y+x*0");
    f.DiffVariable = "y";
    EXPECT_EQ(f.Derivative(), 1);
    EXPECT_EQ(f.DerivativeText, "0*y+x*1");

    TExpCal g("x^y", c.ops, c.vars, c.consts);
    g.DiffVariable = "y";
    EXPECT_EQ(g.Derivative(), 0);  // exponent holds y
    g.DiffVariable = "x";
    EXPECT_EQ(g.Derivative(), 1);  // Derivable is 1 again
    EXPECT_EQ(g.Derivable, 1);
    EXPECT_EQ(g.DerivativeText, "(y*x^(y-1))*1");
}

TEST(TExpCalDerivative, InfixTexts) {
    Context c;
    TExpCal e("2*x+sin x", c.ops, c.vars, c.consts);
    EXPECT_EQ(e.InfixText(1), "(2*x)");
    EXPECT_EQ(e.InfixText(2), "(sin(x))");
    EXPECT_EQ(e.InfixText(3), "((2*x)+(sin(x)))");
    EXPECT_EQ(e.InfixText(0), "");
    EXPECT_EQ(e.InfixText(4), "");
    TExpCal n("-x", c.ops, c.vars, c.consts);
    EXPECT_EQ(n.InfixText(1), "(-(x))");
    TExpCal one("x", c.ops, c.vars, c.consts);
    EXPECT_EQ(one.InfixText(1), "(x)");
    // Word operators keep blanks, or 'x or 2' would read back as 'xor2'.
    TExpCal word("x or 2 and y xor x", c.ops, c.vars, c.consts);
    EXPECT_EQ(word.InfixText(word.QuadrupleCount()), "(((x or 2)and y)xor x)");
    EXPECT_EQ(TExpCal(word.InfixText(word.QuadrupleCount()), c.ops, c.vars, c.consts).Valid, 1);
}

// A function name glued to a name that would lengthen it into another operator.
TEST(TExpCalDerivative, GluedNamesNeverReadAsALongerOperator) {
    Context c;
    c.vars.AddVar("h", 0);
    c.vars.AddVar("H", 0);
    const struct {
        const char* formula;
        const char* var;
        const char* raw;
    } cases[] = {
        {"sin h", "h", "(cos(h))*1"},      // not cosh
        {"cos h", "h", "-(sin(h))*1"},     // not sinh
        {"tan h", "h", "1/(cos(h))^2*1"},
        {"cot h", "h", "-1/(sin(h))^2*1"},
        {"sin H", "H", "(cos(H))*1"},      // names are read in any letter case
        {"arcsinh t", "t", "1/sqrt(1+sqr(t))*1"},  // not sqrt
        {"arccosh t", "t", "1/sqrt(sqr(t)-1)*1"},
        {"cosh h", "h", "(sinhh)*1"},      // nothing longer than sinh
        {"sqrt t", "t", "1/(2*sqrtt)*1"},
    };
    for (const auto& k : cases) {
        TExpCal e(k.formula, c.ops, c.vars, c.consts);
        e.DiffVariable = k.var;
        EXPECT_EQ(e.Derivative(), 1) << k.formula;
        EXPECT_EQ(e.DerivativeText, k.raw) << k.formula;
        c.vars.SetValue("h", 0.6);
        c.vars.SetValue("H", 0.6);
        c.vars.SetValue("t", 1.4);
        TExpCal d(e.DerivativeText, c.ops, c.vars, c.consts);
        ASSERT_TRUE(d.Calculate()) << k.raw;
        const double v = 0.6 + (k.var[0] == 't' ? 0.8 : 0), step = 1e-5;
        c.vars.SetValue(k.var, v + step);
        TExpCal f(k.formula, c.ops, c.vars, c.consts);
        ASSERT_TRUE(f.Calculate());
        const double above = f.Value;
        c.vars.SetValue(k.var, v - step);
        ASSERT_TRUE(f.Calculate());
        EXPECT_NEAR(d.Value, (above - f.Value) / (2 * step), 1e-5) << k.formula;
    }
}

// A user variable named like a temporary is a plain variable.
TEST(TExpCalDerivative, UserVariableNamedLikeATemporary) {
    Context c;
    c.vars.AddVar("TempVariable1", 3);
    c.vars.AddVar("TempVariable2", 5);
    TExpCal e("sin TempVariable1*TempVariable2", c.ops, c.vars, c.consts);
    ASSERT_EQ(e.Valid, 1);
    e.DiffVariable = "TempVariable1";
    EXPECT_EQ(e.Derivative(), 1);
    EXPECT_EQ(e.DerivativeText, "((cosTempVariable1)*1)*TempVariable2+(sin(TempVariable1))*0");
    e.DiffVariable = "x";
    EXPECT_EQ(e.Derivative(), 1);
    EXPECT_EQ(e.DerivativeText, "((cosTempVariable1)*0)*TempVariable2+(sin(TempVariable1))*0");

    TExpCal s("TempVariable1*1+0", c.ops, c.vars, c.consts);
    s.Simplify();
    EXPECT_EQ(s.Simplified, "TempVariable1");
    ASSERT_TRUE(s.Calculate());
    EXPECT_EQ(s.Value, 3);
}

struct SimplifyCase {
    const char* formula;
    const char* simplified;
};

const SimplifyCase kSimplifications[] = {
    {"1*x+x*1", "x+x"},
    {"(2*x^(2-1))*1", "2*x"},
    {"x+0", "x"},
    {"0+x", "x"},
    {"x-0", "x"},
    {"0-x", "-(x)"},          // rewritten in place
    {"0-2", "-(2)"},          // the rewrite leaves nothing to fold in that pass
    {"(0-2)*1", "-2"},        // a later pass folds it
    {"x+(0-2)*0", "x"},
    {"x*1", "x"},
    {"1*x", "x"},
    {"x*0", "0"},
    {"0*x", "0"},
    {"0*x+1", "1"},
    {"0/x", "0"},
    {"x/1", "x/1"},
    {"x^1", "x"},
    {"x^0", "1"},
    {"0^0", "1"},
    {"2*PI", "6.28318530717959"},   // constants fold like numbers, with their exact value
    {"sin(0)", "0"},
    {"2^3^2", "64"},
    {"3>2", "1"},
    {"2 xor 0", "1"},
    {"not 0", "1"},
    {"1/0", "1/0"},                 // a failing fold is skipped
    {"sqrt(-1)", "sqrt(-1)"},
    {"x", "x"},
    {"5", "5"},
    {"PI", "PI"},
    {"-x", "-(x)"},
    {"-x^2", "-((x^2))"},
    {"sin x^2", "(sin(x))^2"},
    {"2*x+sin x", "(2*x)+(sin(x))"},
    {"x>1 and x<2", "(x>1)and(x<2)"},
    {"", "0"},
    {"   ", "0"},
    {"x2", "0"},
    // folded numbers are written positionally with 15 significant digits, and the next
    // fold reads them as written
    {"0.00001*x", "0.00001*x"},
    {"1/100000/10*x", "0.000001*x"},
    {"10^20*x", "100000000000000000000*x"},
    {"sqrt(2)", "1.4142135623731"},
    {"(1/3)*3", "0.999999999999999"},
    {"2*PI*x", "6.28318530717959*x"},
    {"2^70*x", "1180591620717410000000*x"},
    // negative folded numbers
    {"x*(-1)", "x*(-1)"},
    {"x/(-2)", "x/(-2)"},
    {"x^(-2)", "x^(-2)"},
    {"(-2)^x", "(-2)^x"},
    {"x+(-2)", "x+-2"},
    {"x-(-2)", "x--2"},
    {"x>(-2)", "x>-2"},
    {"cos(PI)^2", "1"},             // the fold of (-1)^2
    {"(0-3)^2", "(-(3))^2"},
    {"-(2)^2", "-4"},
    {"sin(-1)*x", "-0.841470984807897*x"},
    // numbers typed with an exponent
    {"1E-3*1E-3*x", "0.000001*x"},
    {"1E-5*x+1E20", "(0.00001*x)+100000000000000000000"},
    // invalid formulas come back trimmed
    {"x+(", "x+("},
    {"  x*-1  ", "x*-1"},
};

TEST(TExpCalSimplify, SimplificationTable) {
    Context c;
    for (const SimplifyCase& s : kSimplifications) {
        TExpCal e(s.formula, c.ops, c.vars, c.consts);
        EXPECT_TRUE(e.Simplify());
        EXPECT_EQ(e.Simplified, s.simplified) << s.formula;
        // A simplified text of a valid formula reads back with the same value, to the 15
        // significant digits its numbers are written with.
        if (!e.Valid || e.QuadrupleCount() == 0) continue;
        for (double x : {-1.5, 0.5, 2.0}) {
            const auto before = c.ValueAt(s.formula, "x", x);
            const auto after = c.ValueAt(s.simplified, "x", x);
            ASSERT_EQ(before.has_value(), after.has_value()) << s.formula << " at " << x;
            if (before) {
                EXPECT_NEAR(*before, *after, 1e-14 * std::fabs(*before)) << s.formula << " at " << x;
            }
        }
    }
}

TEST(TExpCalSimplify, EvaluatesTheSurvivingQuadruplesAfterwards) {
    Context c;
    const std::string memory = MemoryDump(c.vars);
    const struct {
        const char* formula;
        double x, value;
    } cases[] = {
        {"x*1+0", 3, 3}, {"x*0", 3, 0}, {"(2*x^(2-1))*1", 4, 8}, {"2*PI*x", 1, 2 * std::numbers::pi},
        {"0-2", 1, -2},  {"x+(0-2)*0", 7, 7}, {"5", 0, 5},
    };
    for (const auto& k : cases) {
        TExpCal e(k.formula, c.ops, c.vars, c.consts);
        e.Simplify();
        c.vars.SetValue("x", k.x);
        ASSERT_TRUE(e.Calculate()) << k.formula;
        EXPECT_DOUBLE_EQ(e.Value, k.value) << k.formula;
        c.vars.SetValue("x", 0);
        EXPECT_EQ(MemoryDump(c.vars), memory) << k.formula;
        EXPECT_FALSE(c.vars.VarExists("TempVariableNull"));
    }
    // The result temporaries of eliminated quadruples are marked.
    TExpCal e("x*1+0", c.ops, c.vars, c.consts);
    e.Simplify();
    const auto& q = e.Quadruples().Items();
    ASSERT_EQ(e.QuadrupleCount(), 2);
    EXPECT_EQ(q[0].Text, "TempVariableNull");
    EXPECT_EQ(q[4].Text, "TempVariableNull");

    TExpCal invalid("x+(", c.ops, c.vars, c.consts);
    invalid.Simplify();
    EXPECT_FALSE(invalid.Calculate());
    TExpCal empty("", c.ops, c.vars, c.consts);
    empty.Simplify();
    EXPECT_FALSE(empty.Calculate());
}

TEST(TExpCalSimplify, SecondSimplifyStartsFromTheFirst) {
    Context c;
    TExpCal e("0-2", c.ops, c.vars, c.consts);
    e.Simplify();
    EXPECT_EQ(e.Simplified, "-(2)");
    e.Simplify();
    EXPECT_EQ(e.Simplified, "-2");
    ASSERT_TRUE(e.Calculate());
    EXPECT_EQ(e.Value, -2);

    // The derivative of a simplified formula uses its quadruples.
    TExpCal f("x*(-1)+0*x", c.ops, c.vars, c.consts);
    f.Simplify();
    EXPECT_EQ(f.Simplified, "x*(-1)");
    EXPECT_EQ(f.Derivative(), 1);
    EXPECT_EQ(f.DerivativeText, "1*(-1)+x*0");
    TExpCal g("x^(0-3)", c.ops, c.vars, c.consts);
    g.Simplify();
    g.Simplify();
    EXPECT_EQ(g.Simplified, "x^(-3)");
    EXPECT_EQ(g.Derivative(), 1);
    EXPECT_EQ(g.DerivativeText, "((-3)*x^((-3)-1))*1");
    ExpectMatchesCentralDifference(c, "x^(-3)", "x", g.DerivativeText);
    TExpCal h("sin x*1", c.ops, c.vars, c.consts);
    h.Simplify();
    EXPECT_EQ(h.Derivative(), 1);
    EXPECT_EQ(h.DerivativeText, "(cosx)*1");
    TExpCal k("x*1", c.ops, c.vars, c.consts);  // the last quadruple was replaced by x
    k.Simplify();
    EXPECT_EQ(k.Derivative(), 1);
    EXPECT_EQ(k.DerivativeText, "1");
}

// sin(sin(...sin(x)...)) with depth sines.
std::string ChainOf(int depth) {
    std::string chain;
    for (int i = 0; i < depth; ++i) chain += "sin(";
    return chain + "x" + std::string(static_cast<size_t>(depth), ')');
}

TEST(TExpCalDerivative, LongAndDeepFormulasNeedNoDeepStack) {
    Context c;
    std::string sum = "x";
    for (int i = 1; i < 50000; ++i) sum += "+x";
    std::string text;
    ASSERT_EQ(zm::ShorterDerivativeText(sum, "x", c.ops, c.vars, c.consts, text), zm::TDerivativeOutcome::Ok);
    c.vars.SetValue("x", 1.5);
    TExpCal d(text, c.ops, c.vars, c.consts);
    ASSERT_TRUE(d.Calculate());
    EXPECT_EQ(d.Value, 50000);

    std::string nested;
    for (int i = 0; i < 50000; ++i) nested += "x+(";
    nested += "x" + std::string(50000, ')');
    TExpCal deep(nested, c.ops, c.vars, c.consts);
    ASSERT_EQ(deep.Valid, 1);
    EXPECT_EQ(deep.Derivative(), 1);
    TExpCal raw(deep.DerivativeText, c.ops, c.vars, c.consts);
    raw.Simplify();
    EXPECT_EQ(raw.Simplified, "50001");

    TExpCal fn(ChainOf(1000), c.ops, c.vars, c.consts);
    EXPECT_FALSE(fn.InfixText(fn.QuadrupleCount()).empty());
}

// A long chain below the bound: the derivative is the product of the cosines along it.
TEST(TExpCalDerivative, ALongChainBelowTheBoundGetsItsDerivative) {
    Context c;
    const int depth = 150;
    std::string text;
    ASSERT_EQ(zm::ShorterDerivativeText(ChainOf(depth), "x", c.ops, c.vars, c.consts, text),
              zm::TDerivativeOutcome::Ok);
    double s = 0.8, expected = 1;
    for (int i = 0; i < depth; ++i) {
        expected *= std::cos(s);
        s = std::sin(s);
    }
    c.vars.SetValue("x", 0.8);
    TExpCal d(text, c.ops, c.vars, c.consts);
    ASSERT_TRUE(d.Calculate());
    EXPECT_NEAR(d.Value, expected, 1e-12 * std::fabs(expected));
}

// Each level of a chain or a product repeats its operand's text, so the derivative text grows
// with the square of the length; past a fixed size the formula is not derivable, and the text
// is given up as soon as it grows past that size.
TEST(TExpCalDerivative, DerivativeTextsBeyondTheirBoundAreNotDerivable) {
    Context c;
    std::string product = "x";
    for (int i = 1; i < 3000; ++i) product += "*x";
    std::string wide = "x^2";
    for (int i = 1; i < 50000; ++i) wide += "+x^2";
    for (const std::string& formula : {ChainOf(1000), ChainOf(3000), product, wide}) {
        TExpCal e(formula, c.ops, c.vars, c.consts);
        ASSERT_EQ(e.Valid, 1);
        EXPECT_EQ(e.Derivative(), 0);
        EXPECT_EQ(e.Derivable, 0);
        EXPECT_EQ(e.DerivativeText, "");
        std::string text = "unchanged";
        EXPECT_EQ(zm::ShorterDerivativeText(formula, "x", c.ops, c.vars, c.consts, text),
                  zm::TDerivativeOutcome::NotDerivable);
        EXPECT_EQ(text, "unchanged");
    }
}

}  // namespace
