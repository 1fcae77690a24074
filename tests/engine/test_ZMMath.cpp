#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "engine/MathContext.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <numbers>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// Counts the allocations made while gCountAllocations is set (not under the sanitizers,
// which bring their own operator new).
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZM_TEST_OWN_NEW 0
#endif
#endif
#if !defined(ZM_TEST_OWN_NEW) && !defined(__SANITIZE_ADDRESS__)
#define ZM_TEST_OWN_NEW 1
#endif
#ifndef ZM_TEST_OWN_NEW
#define ZM_TEST_OWN_NEW 0
#endif

static bool gCountAllocations = false;
static long gAllocations = 0;

#if ZM_TEST_OWN_NEW
// Kept out of line: inlined, GCC pairs the library's new with free and warns.
[[gnu::noinline]] void* operator new(std::size_t size) {
    if (gCountAllocations) ++gAllocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#endif

namespace {

using zm::TExpCal;

using Context = MathContext;

std::string Dump(const zm::TExpFactorList& list) {
    std::string s;
    for (const auto& t : list.Items()) {
        if (!s.empty()) s += ' ';
        s += t.Text;
    }
    return s;
}

std::string DumpQuads(const TExpCal& e) {
    std::string s;
    const auto& q = e.Quadruples().Items();
    for (size_t i = 0; i + 3 < q.size(); i += 4)
        s += "[" + q[i].Text + "," + q[i + 1].Text + "," + q[i + 2].Text + "," + q[i + 3].Text + "]";
    return s;
}

std::string MemoryDump(const zm::TVarMemory& m) {
    std::string s;
    for (int i = 0; i < m.Count(); ++i) s += m.GetVarItem(i)->Name + "=" + std::to_string(m.GetVarItem(i)->Value) + ";";
    return s;
}

TEST(TOperatorLib, RowsInOrderWithOperandsAndPriorities) {
    zm::TOperatorLib ops;
    const char* names[] = {"sin", "cos", "neg", "pos", "tan", "cot", "arcsin", "arccos", "arctan", "arccot",
                           "abs", "sqrt", "sqr", "ln", "log10", "log2", "exp", "int", "round", "frac", "sign",
                           "sinh", "cosh", "tanh", "coth", "arcsinh", "arccosh", "arctanh", "arccoth", "random",
                           "^", "*", "/", "+", "-", ">=", "<=", "<>", "=", "<", ">", "not", "and", "or", "xor"};
    ASSERT_EQ(ops.Count(), 45);
    for (int i = 0; i < 45; ++i) {
        const zm::TOperatorObj* o = ops.GetOperator(i);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->Name, names[i]);
        EXPECT_EQ(o->Symbol, o->Name);
        int priority = 35, operands = 1;
        const std::string n = names[i];
        if (n == "neg" || n == "pos") priority = 22;
        else if (n == "^") priority = 30, operands = 2;
        else if (n == "*" || n == "/") priority = 25, operands = 2;
        else if (n == "+" || n == "-") priority = 20, operands = 2;
        else if (i >= 35 && i <= 40) priority = 15, operands = 2;
        else if (n == "not") priority = 10;
        else if (i >= 42) priority = 5, operands = 2;
        EXPECT_EQ(o->Priority, priority) << n;
        EXPECT_EQ(o->OperandCount, operands) << n;
    }
    EXPECT_EQ(ops.GetOperator(34)->Description, "Subtration");
    EXPECT_EQ(ops.GetOperator(29)->Description, "random(x)=rnd*x, rnd is a random value, 0<=rnd<1");
    EXPECT_EQ(ops.GetOperator(-1), nullptr);
    EXPECT_EQ(ops.GetOperator(45), nullptr);
}

TEST(TOperatorLib, LookupsAndPrefixMatching) {
    zm::TOperatorLib ops;
    struct Case { const char* text; const char* row; };
    const Case cases[] = {
        {"sinh(x)", "sinh"}, {"sin(x)", "sin"}, {"SQRT 4", "sqrt"}, {"<=3", "<="}, {"<>1", "<>"},
        {">=", ">="}, {"> 2", ">"}, {"xor1", "xor"}, {"arcsinh x", "arcsinh"}, {"Log10(x)", "log10"},
        {"sqrx", "sqr"}, {"x+1", nullptr}, {"", nullptr}, {"si", nullptr},
    };
    for (const auto& c : cases) {
        const int i = ops.MatchPrefix(c.text);
        if (!c.row) {
            EXPECT_EQ(i, -1) << c.text;
        } else {
            ASSERT_GE(i, 0) << c.text;
            EXPECT_EQ(ops.GetOperator(i)->Name, c.row) << c.text;
        }
    }
    EXPECT_EQ(ops.GetPriority("nothing"), -1);
    EXPECT_EQ(ops.GetOperandCount("nothing"), 0);
    EXPECT_EQ(ops.GetPriority("SIN"), -1);  // exact names only
    EXPECT_EQ(ops.ComparePriority("*", "+"), 1);
    EXPECT_EQ(ops.ComparePriority("-", "+"), 0);
    EXPECT_EQ(ops.ComparePriority("neg", "^"), -1);
    EXPECT_EQ(ops.ComparePriority("nothing", "or"), -1);
}

TEST(TExpFactorList, TopPopAndIndexing) {
    zm::TExpFactorList list;
    EXPECT_EQ(list.Top(), nullptr);
    EXPECT_EQ(list.Pop(), nullptr);
    zm::TExpFactor t(zm::kNumber, "2", 2);
    EXPECT_EQ(t.DisplayText, "2");
    list.AddCopy(t);
    t.Text = "changed";
    ASSERT_NE(list.Top(), nullptr);
    EXPECT_EQ(list.Top()->Text, "2");
    EXPECT_EQ(list.Count(), 1);
    list.AddCopy(zm::TExpFactor(zm::kVariable, "x", 0));
    EXPECT_EQ(list.GetFactor(1)->Text, "x");
    EXPECT_EQ(list.GetFactor(2), nullptr);
    EXPECT_EQ(list.GetFactor(-1), nullptr);
    auto popped = list.Pop();
    ASSERT_NE(popped, nullptr);
    EXPECT_EQ(popped->Text, "x");
    EXPECT_EQ(list.Count(), 1);
    zm::TExpFactor copy;
    copy.Assign(*list.Top());
    EXPECT_EQ(copy.Kind, zm::kNumber);
    EXPECT_EQ(copy.Value, 2);
    EXPECT_EQ(copy.DisplayText, "2");
}

TEST(TVarMemory, OperationsAndNeutralResults) {
    zm::TVarMemory m;
    EXPECT_EQ(m.AddVar("x", 1), 0);
    EXPECT_EQ(m.AddVar("xy", 2), 1);
    EXPECT_EQ(m.AddVar("x", 5), -1);
    EXPECT_EQ(m.GetValue("x"), 1);
    m.SetValue("x", 7);
    EXPECT_EQ(m.GetValue("x"), 7);
    m.SetValue("z", 3);
    EXPECT_EQ(m.GetVarItem(2)->Name, "z");
    EXPECT_EQ(m.AddVar("", 4), 3);
    EXPECT_EQ(m.GetVarItem(3)->Name, "UnKnown");
    EXPECT_EQ(m.AddVar("", 4), -1);
    m.SetValue("", 9);
    EXPECT_EQ(m.GetValue("UnKnown"), 9);
    EXPECT_EQ(m.GetValue("absent"), 0);
    EXPECT_FALSE(m.DeleteVar("absent"));
    EXPECT_EQ(m.Count(), 4);
    EXPECT_TRUE(m.VarExists("xy"));
    EXPECT_FALSE(m.VarExists("XY"));
    EXPECT_EQ(m.GetVarItem(4), nullptr);
    EXPECT_EQ(m.GetVarItem(-1), nullptr);

    EXPECT_EQ(m.MatchPrefix("xy+1"), 1);
    EXPECT_EQ(m.MatchPrefix("x+1"), 0);
    EXPECT_EQ(m.MatchPrefix("XY"), -1);
    EXPECT_EQ(m.MatchPrefix(""), -1);

    zm::TVarMemory ab;
    ab.AddVar("a", 0);
    ab.AddVar("ab", 0);
    EXPECT_EQ(ab.MatchPrefix("abc"), 1);
    zm::TVarMemory pi;
    pi.AddVar("PI", 3);
    EXPECT_EQ(pi.MatchPrefix("pi"), -1);

    EXPECT_TRUE(m.DeleteVar("x"));
    EXPECT_EQ(m.GetVarItem(0)->Name, "xy");
}

TEST(TVarMemory, GenerationChangesOnlyWithTheSetOfNames) {
    zm::TVarMemory m;
    m.AddVar("x", 0);
    const auto g = m.Generation();
    m.SetValue("x", 5);
    m.AddVar("x", 1);
    m.DeleteVar("nothing");
    EXPECT_EQ(m.Generation(), g);
    m.SetValue("y", 1);
    EXPECT_NE(m.Generation(), g);
    const auto g2 = m.Generation();
    m.DeleteVar("y");
    EXPECT_NE(m.Generation(), g2);
}

TEST(TExpCal, TokensAfterFixUp) {
    Context c;
    struct Case { const char* formula; const char* tokens; };
    const Case cases[] = {
        {"2*x+sin x", "2 * x + sin x"},
        {"2x", "2 * x"},
        {"2PI", "2 * PI"},
        {"2sin x", "2 * sin x"},
        {"x(x+1)", "x * ( x + 1 )"},
        {"(x+1)(x-1)", "( x + 1 ) * ( x - 1 )"},
        {"PI x", "PI * x"},
        {"x y", "x * y"},
        {"x2", "x 2"},
        {"x PI", "x PI"},
        {"PI PI", "PI PI"},
        {"2 3", "2 3"},
        {")2", ") * 2"},
        {"(x)sin x", "( x ) * sin x"},
        {"x not y", "x * not y"},
        {"-x", "neg x"},
        {"+x", "pos x"},
        {"(-x)", "( neg x )"},
        {"x*-1", "x * neg 1"},
        {"x-1", "x - 1"},
        {"x+-1", "x + neg 1"},
        {"--x", "neg neg x"},
        {"-+x", "neg pos x"},
        {"()", "( 0 )"},
        {"sin()", "sin ( 0 )"},
        {"SIN(0)", "sin ( 0 )"},
        {"q+1", "pos 1"},
        {"1.5.2", "5.2"},
        {"2.50+007", "2.5 + 7"},
        {"  x  +\t1 \n", "x + 1"},
        {"xor1", "xor 1"},
        {"pi", ""},
        {"1000000000000000", "1000000000000000"},
        {"0.00001", "0.00001"},
        {"3.14159265358979323846", "3.14159265358979"},
        {"a<=b", "a <="},
        {"tanh t", "tanh t"},
    };
    for (const auto& cs : cases) {
        TExpCal e(cs.formula, c.ops, c.vars, c.consts);
        EXPECT_EQ(Dump(e.Tokens()), cs.tokens) << cs.formula;
    }
}

// The dropping rule applied literally: convert the longest run of digits and ".", or drop
// one character. A run of the shape of a number followed by "E" and digits converts with
// that exponent; nullopt when such a number overflows.
std::optional<std::vector<double>> NumbersByTheRule(std::string_view s) {
    std::vector<double> values;
    while (!s.empty()) {
        size_t n = 0;
        while (n < s.size() && (s[n] == '.' || (s[n] >= '0' && s[n] <= '9'))) ++n;
        size_t e = n < s.size() && s[n] == 'E' ? 1 : 0;
        while (e > 0 && n + e < s.size() && s[n + e] >= '0' && s[n + e] <= '9') ++e;
        if (e == 1) e = 0;
        const std::string_view run = s.substr(0, n);
        const size_t dots = static_cast<size_t>(std::count(run.begin(), run.end(), '.'));
        double v = 0;
        if (e > 0 && n > dots && dots <= 1) {
            if (!zm::TryStrToFloat(s.substr(0, n + e), v, '.')) return std::nullopt;
            values.push_back(v);
            s.remove_prefix(n + e);
        } else if (e == 0 && n > 0 && zm::TryStrToFloat(run, v, '.')) {
            values.push_back(v);
            s.remove_prefix(n);
        } else {
            s.remove_prefix(1);
        }
    }
    return values;
}

std::vector<double> TokenValues(const TExpCal& e) {
    std::vector<double> values;
    for (const auto& t : e.Tokens().Items()) values.push_back(t.Value);
    return values;
}

TEST(TExpCal, RunsOfDigitsAndPointsThatDoNotConvert) {
    Context c;
    struct Case { const char* formula; const char* tokens; };
    const Case cases[] = {
        {"1.5.2", "5.2"}, {"1..5", "0.5"}, {"..", ""}, {"3.4.5.6", "5.6"}, {"1.2.x", "2 * x"},
        {"0.0.0", "0"},   {".x", "x"},     {"1.2.3+4", "2.3 + 4"},
    };
    for (const auto& cs : cases) {
        TExpCal e(cs.formula, c.ops, c.vars, c.consts);
        EXPECT_EQ(Dump(e.Tokens()), cs.tokens) << cs.formula;
    }
    // Runs too large for a double lose digits until they fit; points and zeros mixed in at
    // random, and in the second round exponents.
    std::mt19937 random(7);
    for (const unsigned exponents : {0u, 3u}) {
        for (int i = 0; i < 400; ++i) {
            std::string run;
            const size_t length = random() % 700;
            for (size_t k = 0; k < length; ++k) {
                const unsigned r = random() % 100;
                run += r < exponents ? 'E' : r < exponents + 2 ? '.' : (r < 40 ? '0' : (r < 50 ? '1' : '9'));
            }
            TExpCal e(run, c.ops, c.vars, c.consts);
            const auto expected = NumbersByTheRule(run);
            ASSERT_EQ(e.Valid, expected ? 1 : 0) << run;
            if (expected) {
                ASSERT_EQ(TokenValues(e), *expected) << run;
            }
        }
    }
    // Long runs that never convert until their end cost linear time.
    std::string dots;
    for (int i = 0; i < 200000; ++i) dots += "1.";
    TExpCal points(dots, c.ops, c.vars, c.consts);
    EXPECT_EQ(Dump(points.Tokens()), "1");
    std::string nines(400000, '9');
    TExpCal big(nines, c.ops, c.vars, c.consts);
    ASSERT_EQ(big.Tokens().Count(), 1);
    EXPECT_EQ(TokenValues(big), NumbersByTheRule(std::string(308, '9')).value());
}

TEST(TExpCal, NumbersWithAnExponent) {
    struct Case {
        const char* variable;  // added to the variables when not empty
        const char* constant;  // added to the constants when not empty
        const char* formula;
        const char* tokens;
    };
    const Case cases[] = {
        {"", "", "1E-3", "0.001"},
        {"", "", "2.5e2", "250"},
        {"", "", "1E15", "1000000000000000"},
        {"", "", "1E3", "1000"},
        {"", "", "1e+3", "1000"},
        {"", "", "5.E-1", "0.5"},
        {"", "", ".5E1", "5"},
        {"", "", "1E-20", "0.00000000000000000001"},
        {"", "", "1E-400", "0"},
        {"", "", "x-1E-3", "x - 0.001"},
        {"", "", "2E3x", "2000 * x"},
        {"", "", "1.5.2E3", "5200"},
        {"", "", "1E-5*1E5", "0.00001 * 100000"},
        // no digit after the letter: the letter is dropped as before
        {"", "", "2E", "2"},
        {"", "", "3e+", "3 +"},
        {"", "", "2E+x", "2 + x"},
        {"", "", "e3", "3"},
        // a name at the letter is read as the name
        {"e", "", "1e-3", "1 * e - 3"},
        {"e", "", "1E-3", "0.001"},
        {"E2", "", "1E2", "1 * E2"},
        {"E2", "", "1E-2", "0.01"},
        {"E2", "", "1E25", "1 * E2 5"},
        {"", "E", "2E3", "2 * E 3"},
        {"", "e5", "1e5", "1 * e5"},
        {"", "e5", "1e6", "1000000"},
    };
    for (const Case& cs : cases) {
        Context c;
        if (*cs.variable) c.vars.AddVar(cs.variable, 0);
        if (*cs.constant) c.consts.AddVar(cs.constant, 0);
        TExpCal e(cs.formula, c.ops, c.vars, c.consts);
        EXPECT_EQ(Dump(e.Tokens()), cs.tokens) << cs.formula << " with " << cs.variable << cs.constant;
    }
}

TEST(TExpCal, TokenKindsAndValues) {
    Context c;
    c.vars.SetValue("x", 4);
    TExpCal e("2.5x+PI", c.ops, c.vars, c.consts);
    const auto& t = e.Tokens().Items();
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].Kind, zm::kNumber);
    EXPECT_EQ(t[0].Value, 2.5);
    EXPECT_EQ(t[1].Kind, zm::kOperator);
    EXPECT_EQ(t[2].Kind, zm::kVariable);
    EXPECT_EQ(t[2].Value, 4);
    EXPECT_EQ(t[4].Kind, zm::kConstant);
    EXPECT_EQ(t[4].Value, std::numbers::pi);
    EXPECT_FALSE(t[2].IsTemp);
}

TEST(TExpCal, PostfixAndQuadruples) {
    Context c;
    struct Case { const char* formula; const char* postfix; const char* quads; int valid; };
    const Case cases[] = {
        {"2*x+sin x", "2 x * x sin +",
         "[TempVariable1,2,x,*][TempVariable2,x,x,sin][TempVariable3,TempVariable1,TempVariable2,+]", 1},
        {"x", "x", "[TempVariable1,x,x,evaluate]", 1},
        {"5", "5", "[TempVariable1,5,5,evaluate]", 1},
        {"-x^2", "x 2 ^ neg", "[TempVariable1,x,2,^][TempVariable2,TempVariable1,TempVariable1,neg]", 1},
        {"2^3^2", "2 3 ^ 2 ^", "[TempVariable1,2,3,^][TempVariable2,TempVariable1,2,^]", 1},
        {"sin x^2", "x sin 2 ^", "[TempVariable1,x,x,sin][TempVariable2,TempVariable1,2,^]", 1},
        {"not x>0", "x 0 > not", "[TempVariable1,x,0,>][TempVariable2,TempVariable1,TempVariable1,not]", 1},
        {"x>0 and x<1", "x 0 > x 1 < and",
         "[TempVariable1,x,0,>][TempVariable2,x,1,<][TempVariable3,TempVariable1,TempVariable2,and]", 1},
        {"sin(cos x)", "x cos sin", "[TempVariable1,x,x,cos][TempVariable2,TempVariable1,TempVariable1,sin]", 1},
        {"x+-1", "x 1 neg +", "[TempVariable1,1,1,neg][TempVariable2,x,TempVariable1,+]", 1},
        {"2 3+4", "2 3 4 +", "[TempVariable1,3,4,+]", 1},
        {"(x+1", "x 1 + (", "[TempVariable1,x,1,+]", 1},
        {"x+1)", "x 1 +", "[TempVariable1,x,1,+]", 1},
        {"x2", "x 2", "", 1},
        {"", "", "", 1},
        {"sin cos x", "sin x cos", "", 0},
        {"--x", "neg x neg", "", 0},
        {"x+(", "x ( +", "", 0},
        {"(", "(", "", 0},
        {"+", "pos", "", 0},
    };
    for (const auto& cs : cases) {
        TExpCal e(cs.formula, c.ops, c.vars, c.consts);
        EXPECT_EQ(Dump(e.Postfix()), cs.postfix) << cs.formula;
        EXPECT_EQ(e.Valid, cs.valid) << cs.formula;
        if (cs.valid) { EXPECT_EQ(DumpQuads(e), cs.quads) << cs.formula; }
    }
}

struct EvalCase { const char* formula; double x; int valid; bool ok; double value; };

void CheckEvaluations(Context& c, const EvalCase* begin, const EvalCase* end) {
    for (const EvalCase* cs = begin; cs != end; ++cs) {
        c.vars.SetValue("x", cs->x);
        TExpCal e(cs->formula, c.ops, c.vars, c.consts);
        EXPECT_EQ(e.Valid, cs->valid) << cs->formula;
        const std::string before = MemoryDump(c.vars);
        EXPECT_EQ(e.Calculate(), cs->ok) << cs->formula;
        if (cs->ok)
            EXPECT_NEAR(e.Value, cs->value, 1e-12 * std::max(1.0, std::fabs(cs->value))) << cs->formula;
        else
            EXPECT_EQ(e.Value, 0) << cs->formula;
        EXPECT_EQ(MemoryDump(c.vars), before) << cs->formula;
    }
}

TEST(TExpCal, EvaluatesTheLanguage) {
    Context c;
    const double pi = std::numbers::pi;
    const EvalCase cases[] = {
        {"2x+1", 3, 1, true, 7},          {"2(x+1)", 1, 1, true, 4},       {"x(x-1)", 3, 1, true, 6},
        {"sin x", 0, 1, true, 0},         {"SIN(0)", 0, 1, true, 0},       {"-x^2", 3, 1, true, -9},
        {"2^3^2", 0, 1, true, 64},        {"sin x^2", 2, 1, true, std::sin(2) * std::sin(2)},
        {"x+-1", 1, 1, true, 0},          {"()", 0, 1, true, 0},           {"sin()", 0, 1, true, 0},
        {"q+1", 0, 1, true, 1},           {"1.5.2", 0, 1, true, 5.2},      {"2 3+4", 0, 1, true, 7},
        {"(x+1", 1, 1, true, 2},          {"", 0, 1, false, 0},            {"x2", 0, 1, false, 0},
        {"x*-1", 1, 0, false, 0},         {"sin cos x", 1, 0, false, 0},   {"--x", 1, 0, false, 0},
        {"x+(", 1, 0, false, 0},          {"2^-x", 1, 0, false, 0},        {"x/-2", 1, 0, false, 0},
        {"x<-1", -2, 1, true, 1},         {"x(x+1)(x-1)", 2, 1, true, 6},  {"2PI", 0, 1, true, 2 * pi},
        {"PI x", 2, 1, true, 2 * pi},     {"neg x", 2, 1, true, -2},       {"pos(x)", 2, 1, true, 2},
        {"x>0 and x<1", 0.5, 1, true, 1}, {"not x>0", 0.5, 1, true, 0},    {"(-2)^3", 0, 1, true, -8},
        {"-(x)", 5, 1, true, -5},         {"2*x+sin x", 1, 1, true, 2 + std::sin(1)},
    };
    CheckEvaluations(c, std::begin(cases), std::end(cases));
}

TEST(TExpCal, NumbersWithAnExponentEvaluate) {
    Context c;
    const double max = std::numeric_limits<double>::max();
    // A run that does not convert loses characters until its rest converts with the exponent.
    const std::string longRun = "1." + std::string(400, '9') + ".5E-300";
    const EvalCase cases[] = {
        {"1E-3*1000", 0, 1, true, 1},       {"2.5e2", 0, 1, true, 250},     {"1E15/1e14", 0, 1, true, 10},
        {"x*1E-5", 3, 1, true, 3e-5},       {"1E308*10", 0, 1, false, 0},    {"1.79769313486232E308", 0, 1, true, max},
        {"1E400", 0, 0, false, 0},          {"-1E400", 0, 0, false, 0},      {"x+1E400*0", 1, 0, false, 0},
        {"1.5.2E400", 0, 0, false, 0},      {"1E-400*x", 2, 1, true, 0},     {longRun.c_str(), 0, 1, true, 1e100},
    };
    CheckEvaluations(c, std::begin(cases), std::end(cases));
}

TEST(TExpCal, EveryOperatorAndItsDomain) {
    Context c;
    const double pi = std::numbers::pi;
    const EvalCase cases[] = {
        {"sin x", 1, 1, true, std::sin(1)},     {"cos x", 1, 1, true, std::cos(1)},
        {"tan x", 1, 1, true, std::tan(1)},     {"cot x", 1, 1, true, 1 / std::tan(1)},
        {"cot 0", 0, 1, false, 0},              {"arcsin x", 0.5, 1, true, std::asin(0.5)},
        {"arcsin 2", 0, 1, false, 0},           {"arccos x", -1, 1, true, pi},
        {"arccos(-1.5)", 0, 1, false, 0},       {"arctan x", 1, 1, true, pi / 4},
        {"arccot 0", 0, 1, true, pi / 2},       {"arccot(-1)", 0, 1, true, 3 * pi / 4},
        {"arccot 1", 0, 1, true, pi / 4},       {"arccot x", 1e-17, 1, true, pi / 2},
        {"abs x", -3, 1, true, 3},              {"sqrt x", 9, 1, true, 3},
        {"sqrt(-1)", 0, 1, false, 0},           {"sqr x", -3, 1, true, 9},
        {"ln x", std::exp(2), 1, true, 2},      {"ln 0", 0, 1, false, 0},
        {"log10 x", 1000, 1, true, 3},          {"log10(-1)", 0, 1, false, 0},
        {"log2 x", 8, 1, true, 3},              {"log2 0", 0, 1, false, 0},
        {"exp x", 1, 1, true, std::exp(1)},     {"exp 1000", 0, 1, false, 0},
        {"int(-2.7)", 0, 1, true, -2},          {"int x", 2.7, 1, true, 2},
        {"round 2.5", 0, 1, true, 2},           {"round 3.5", 0, 1, true, 4},
        {"round(-2.5)", 0, 1, true, -2},        {"round x", -2.6, 1, true, -3},
        {"round x", 1e300, 1, false, 0},        {"frac(-2.7)", 0, 1, true, -2.7 - -2.0},
        {"sign(-3)", 0, 1, true, -1},           {"sign 0", 0, 1, true, 0},
        {"sign x", 0.1, 1, true, 1},            {"sinh x", 1, 1, true, std::sinh(1)},
        {"cosh x", 1, 1, true, std::cosh(1)},   {"tanh x", 1, 1, true, std::tanh(1)},
        {"coth x", 1, 1, true, 1 / std::tanh(1)}, {"coth 0", 0, 1, false, 0},
        {"arcsinh x", 2, 1, true, std::asinh(2)}, {"arccosh x", 2, 1, true, std::acosh(2)},
        {"arccosh 0.5", 0, 1, false, 0},        {"arctanh x", 0.5, 1, true, std::atanh(0.5)},
        {"arctanh 1", 0, 1, false, 0},          {"arccoth x", 2, 1, true, std::atanh(0.5)},
        {"arccoth 0.5", 0, 1, false, 0},        {"arccoth(-1)", 0, 1, false, 0},
        {"random 0", 0, 1, true, 0},            {"random 1", 0, 1, true, 0},
        {"x^0", 0, 1, true, 1},                 {"0^0", 0, 1, true, 1},
        {"0^x", 2, 1, true, 0},                 {"0^(-1)", 0, 1, false, 0},
        {"(-8)^(1/3)", 0, 1, false, 0},         {"(-2)^3", 0, 1, true, -8},
        {"x^(-2)", 2, 1, true, 0.25},           {"x^0.5", 2, 1, true, std::sqrt(2)},
        {"x^2147483647", 1, 1, true, 1},        {"x^2147483647", -1, 1, true, -1},
        {"x^4294967296", 1, 1, true, 1},        {"x^1000", 10, 1, false, 0},
        {"x^(-400)", 10, 1, false, 0},          {"x*y", 3, 1, true, 0},
        {"x*x", 1e200, 1, false, 0},            {"sqr x", 1e200, 1, false, 0},
        {"x/4", 2, 1, true, 0.5},               {"1/0", 0, 1, false, 0},
        {"x+2", 1, 1, true, 3},                 {"x-2", 1, 1, true, -1},
        {"x>=1", 1, 1, true, 1},                {"x<=0", 1, 1, true, 0},
        {"x<>1", 1, 1, true, 0},                {"x=1", 1, 1, true, 1},
        {"x<2", 1, 1, true, 1},                 {"x>2", 1, 1, true, 0},
        {"3>2", 0, 1, true, 1},                 {"not x", 0, 1, true, 1},
        {"not x", 2, 1, true, 0},               {"x and 0", 1, 1, true, 0},
        {"x and 2", 1, 1, true, 1},             {"x or 0", 0, 1, true, 0},
        {"x or 2", 0, 1, true, 1},              {"2 xor 0", 0, 1, true, 1},
        {"x xor 3", 1, 1, true, 0},
    };
    CheckEvaluations(c, std::begin(cases), std::end(cases));
}

TEST(TExpCal, ProductsJoinedWithSumsKeepEveryFault) {
    Context c;
    c.vars.SetValue("y", 2);
    const EvalCase cases[] = {
        {"x*3+x*2", 2, 1, true, 10},       {"x*x-1", 3, 1, true, 8},          {"2-x*x", 3, 1, true, -7},
        {"(x*2+1)*3+1", 1, 1, true, 10},   {"x*y+x*y-x*y", 3, 1, true, 6},    {"x*x+x", 0.5, 1, true, 0.75},
        {"x*x+1", 1e200, 1, false, 0},     {"1+x*x", 1e200, 1, false, 0},     {"x*x-x*x", 1e200, 1, false, 0},
        {"x*x*x/x+1", 1e150, 1, false, 0}, {"sqrt(x*x-1)", 0, 1, false, 0}, {"x*x+x*x", 1e154, 1, false, 0},
        {"x*x+x*x", 9e153, 1, true, 1.62e308},
    };
    CheckEvaluations(c, std::begin(cases), std::end(cases));
}

// Sines and cosines of one operand are computed in pairs; every one keeps its own value.
TEST(TExpCal, SinesAndCosinesOfOneOperandKeepTheirValues) {
    Context c;
    c.vars.SetValue("y", 2);
    const double s1 = std::sin(1), c1 = std::cos(1), s2 = std::sin(2), c2 = std::cos(2);
    const EvalCase cases[] = {
        {"sin x+2*cos x", 1, 1, true, s1 + 2 * c1},
        {"cos x+2*sin x+3*cos x+4*sin x", 1, 1, true, 4 * c1 + 6 * s1},
        {"sin x+2*sin x+3*cos x+4*cos x+5*sin x", 1, 1, true, 8 * s1 + 7 * c1},
        {"sin x+2*cos y+3*cos x+4*sin y", 1, 1, true, s1 + 2 * c2 + 3 * c1 + 4 * s2},
        {"sin(sin x)+2*cos(sin x)+3*cos x", 1, 1, true, std::sin(s1) + 2 * std::cos(s1) + 3 * c1},
    };
    CheckEvaluations(c, std::begin(cases), std::end(cases));
}

TEST(TExpCal, RandomDrawsIntegersBelowItsOperand) {
    Context c;
    TExpCal e("random 10", c.ops, c.vars, c.consts);
    std::set<double> seen;
    for (int i = 0; i < 2000; ++i) {
        ASSERT_TRUE(e.Calculate());
        EXPECT_EQ(e.Value, std::trunc(e.Value));
        EXPECT_GE(e.Value, 0);
        EXPECT_LT(e.Value, 10);
        seen.insert(e.Value);
    }
    EXPECT_EQ(seen.size(), 10u);
    // Seeded once, not per evaluation: quick successive draws differ.
    TExpCal big("random 1000000000", c.ops, c.vars, c.consts);
    std::set<double> draws;
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(big.Calculate());
        draws.insert(big.Value);
    }
    EXPECT_GT(draws.size(), 45u);
    // A fixed seed gives a fixed sequence.
    zm::TOperatorLib first(42), second(42);
    TExpCal a("random 1000000", first, c.vars, c.consts), b("random 1000000", second, c.vars, c.consts);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(a.Calculate() && b.Calculate());
        EXPECT_EQ(a.Value, b.Value);
    }
    TExpCal negative("random(-5)", c.ops, c.vars, c.consts);
    ASSERT_TRUE(negative.Calculate());
    EXPECT_EQ(negative.Value, std::trunc(negative.Value));
}

TEST(TExpCal, VariablesAreReadAtEachEvaluationConstantsAtCompileTime) {
    Context c;
    TExpCal e("x+PI", c.ops, c.vars, c.consts);
    c.consts.SetValue("PI", 100);
    c.vars.SetValue("x", 1);
    ASSERT_TRUE(e.Calculate());
    EXPECT_DOUBLE_EQ(e.Value, 1 + std::numbers::pi);
    c.vars.SetValue("x", 2);
    ASSERT_TRUE(e.Calculate());
    EXPECT_DOUBLE_EQ(e.Value, 2 + std::numbers::pi);

    // Deleting a variable reads 0; adding it back reads the new value, wherever it now stands.
    TExpCal f("y*10+x", c.ops, c.vars, c.consts);
    c.vars.SetValue("y", 3);
    ASSERT_TRUE(f.Calculate());
    EXPECT_EQ(f.Value, 32);
    c.vars.DeleteVar("x");
    ASSERT_TRUE(f.Calculate());
    EXPECT_EQ(f.Value, 30);
    c.vars.DeleteVar("y");
    ASSERT_TRUE(f.Calculate());
    EXPECT_EQ(f.Value, 0);
    c.vars.SetValue("x", 5);
    c.vars.SetValue("y", 1);
    ASSERT_TRUE(f.Calculate());
    EXPECT_EQ(f.Value, 15);

    // Contents replaced by assignment: the same number of changes, the names in another order.
    zm::TVarMemory m;
    m.AddVar("x", 1);
    m.AddVar("y", 2);
    TExpCal g("y*10+x", c.ops, m, c.consts);
    ASSERT_TRUE(g.Calculate());
    EXPECT_EQ(g.Value, 21);
    zm::TVarMemory swapped;
    swapped.AddVar("y", 3);
    swapped.AddVar("x", 4);
    m = swapped;
    ASSERT_TRUE(g.Calculate());
    EXPECT_EQ(g.Value, 34);
    zm::TVarMemory moved;
    moved.AddVar("x", 5);
    moved.AddVar("y", 6);
    m = std::move(moved);
    ASSERT_TRUE(g.Calculate());
    EXPECT_EQ(g.Value, 65);
}

TEST(TExpCal, PrefixOperatorThatWouldPullAwayTheOperatorBeforeItIsInvalid) {
    Context c;
    struct Case { const char* formula; double x; int valid; double value; };
    const Case cases[] = {
        // after a two-operand operator
        {"1/x+x^-2", 2, 0, 0}, {"2+x*-1", 3, 0, 0}, {"x*-1", 1, 0, 0},  {"2^-x", 1, 0, 0},
        {"x/-2", 1, 0, 0},     {"x*+1", 1, 0, 0},   {"x>not x", 1, 0, 0},
        // after a function or another prefix operator
        {"2+x*sin-1", 3, 0, 0}, {"x*sin cos x", 1, 0, 0}, {"1+x^sin-1", 2, 0, 0}, {"sin-x", 1, 0, 0},
        {"sin cos x", 1, 0, 0}, {"--x", 1, 0, 0},         {"-not x", 1, 0, 0},    {"not not x", 1, 0, 0},
        {"x+sin+1", 1, 0, 0},
        // a prefix operator binding tighter than the one before it, or after "("
        {"x+-1", 1, 1, 0},     {"x<-1", 0, 1, 0},   {"-x^2", 3, 1, -9}, {"x-+1", 3, 1, 2},
        {"x*(-1)", 3, 1, -3},  {"x^(-2)", 2, 1, 0.25}, {"x and not x", 1, 1, 0}, {"x^sin x", 1, 1, 1},
        {"x*sin x", 0, 1, 0},  {"sin(-x)", 0, 1, 0}, {"sin(cos(x))", 0, 1, std::sin(1.0)},
        {"-sin x", 0, 1, 0},   {"not -x", 1, 1, 0},  {"2+x*sin(-1)", 3, 1, 2 - 3 * std::sin(1.0)},
    };
    for (const auto& cs : cases) {
        c.vars.SetValue("x", cs.x);
        TExpCal e(cs.formula, c.ops, c.vars, c.consts);
        EXPECT_EQ(e.Valid, cs.valid) << cs.formula;
        if (cs.valid) {
            ASSERT_TRUE(e.Calculate()) << cs.formula;
            EXPECT_DOUBLE_EQ(e.Value, cs.value) << cs.formula;
        }
    }
}

TEST(TExpCal, UserVariableNamedLikeATemporaryKeepsItsValue) {
    Context c;
    c.vars.SetValue("TempVariable1", 42);
    c.vars.SetValue("x", 2);
    TExpCal plain("x*3+1", c.ops, c.vars, c.consts);
    ASSERT_TRUE(plain.Calculate());
    EXPECT_EQ(plain.Value, 7);
    EXPECT_EQ(c.vars.GetValue("TempVariable1"), 42);

    TExpCal uses("TempVariable1+x*2", c.ops, c.vars, c.consts);
    ASSERT_EQ(Dump(uses.Tokens()), "TempVariable1 + x * 2");
    EXPECT_FALSE(uses.Tokens().Items()[0].IsTemp);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(uses.Calculate());
        EXPECT_EQ(uses.Value, 46);
    }
    EXPECT_EQ(c.vars.GetValue("TempVariable1"), 42);
    EXPECT_EQ(c.vars.Count(), 5);
    // A failed evaluation leaves it too.
    TExpCal fails("1/(x-2)", c.ops, c.vars, c.consts);
    EXPECT_FALSE(fails.Calculate());
    EXPECT_EQ(c.vars.GetValue("TempVariable1"), 42);
}

TEST(TExpCal, CalculateAllocatesNothing) {
    if (!ZM_TEST_OWN_NEW) GTEST_SKIP() << "allocations are not counted under the sanitizers";
    Context c;
    TExpCal e("sin(x)*x^2+sqrt(abs(x))-random 5+(x>0 and y<1)*arccot x/log2(x+3)+x^7", c.ops, c.vars, c.consts);
    c.vars.SetValue("x", 0.5);
    ASSERT_TRUE(e.Calculate());
    c.vars.DeleteVar("y");  // the slots are looked up again once, then reused
    gAllocations = 0;
    gCountAllocations = true;
    {
        TExpCal compiling("x+1", c.ops, c.vars, c.consts);  // compiling allocates: the counter counts
    }
    ASSERT_GT(gAllocations, 0);
    gAllocations = 0;
    bool ok = true;
    for (int i = 0; i < 100; ++i) {
        c.vars.SetValue("x", 0.5 + i);
        ok = e.Calculate() && ok;
    }
    gCountAllocations = false;
    EXPECT_TRUE(ok);
    EXPECT_EQ(gAllocations, 0);
}

TEST(TExpCal, HugeWholeExponentsAreFast) {
    Context c;
    c.vars.SetValue("x", 1.0000000001);
    TExpCal e("x^2147483647", c.ops, c.vars, c.consts);
    ASSERT_TRUE(e.Calculate());
    EXPECT_NEAR(e.Value, std::pow(1.0000000001, 2147483647.0), 1e-6 * e.Value);
    c.vars.SetValue("x", 0.5);
    TExpCal n("x^(-2147483647)", c.ops, c.vars, c.consts);
    EXPECT_FALSE(n.Calculate());  // 2^2147483647 overflows
}

TEST(TExpCal, WholeNegativePowersFailWhenTheProductOverflows) {
    // a^-n is 1 / (a * a * ... * a): an overflowing product is a fault, not a quotient of 0.
    Context c;
    struct Case { const char* formula; bool ok; double value; };
    const Case cases[] = {
        {"10^(0-400)", false, 0},    {"10^(0-309)", false, 0},          {"(0-10)^(0-309)", false, 0},
        {"10^(0-308)", true, 1e-308}, {"2^(0-1023)", true, 0x1p-1023}, {"2^(0-1024)", false, 0},
        {"0.1^(0-400)", false, 0},   {"0.1^400", true, 0},              {"x^(0-3)", true, 0.125},
    };
    c.vars.SetValue("x", 2);
    for (const Case& cs : cases) {
        // as typed, and with the exponent folded into a constant
        for (bool folded : {false, true}) {
            TExpCal e(cs.formula, c.ops, c.vars, c.consts);
            if (folded) e.Simplify();
            EXPECT_EQ(e.Calculate(), cs.ok) << cs.formula << (folded ? " folded" : "");
            EXPECT_NEAR(e.Value, cs.value, 1e-15 * cs.value) << cs.formula << (folded ? " folded" : "");
        }
    }
}

TEST(TExpCal, LongFormulasCompileAndEvaluate) {
    Context c;
    c.vars.SetValue("x", 1);
    std::string sum = "x";
    for (int i = 1; i < 50000; ++i) sum += "+x";
    TExpCal e(sum, c.ops, c.vars, c.consts);
    ASSERT_EQ(e.Valid, 1);
    EXPECT_EQ(e.QuadrupleCount(), 49999);
    ASSERT_TRUE(e.Calculate());
    EXPECT_EQ(e.Value, 50000);

    std::string nested(50000, '(');
    nested += "x";
    nested += std::string(50000, ')');
    TExpCal deep(nested, c.ops, c.vars, c.consts);
    ASSERT_EQ(deep.Valid, 1);
    ASSERT_TRUE(deep.Calculate());
    EXPECT_EQ(deep.Value, 1);

    std::string chain;
    for (int i = 0; i < 20000; ++i) chain += "sin(";
    chain += "x" + std::string(20000, ')');
    TExpCal fn(chain, c.ops, c.vars, c.consts);
    ASSERT_EQ(fn.Valid, 1);
    EXPECT_TRUE(fn.Calculate());
}

// Values a drawing may feed a formula: ordinary ones, whole numbers and halves, values at
// the edges of the domains, magnitudes from the smallest to the largest, and a few that
// are not finite.
std::vector<double> Inputs(uint64_t seed, size_t count) {
    const double specials[] = {0.0, -0.0, 1, -1, 0.5, -0.5, 2.5, -2.5, 2, 3, 1e-16, 1e300, -1e300, 1e-310,
                               1.7976931348623157e308, 9.3e18, std::numbers::pi / 2, 1 + 1e-16, 1 - 1e-16,
                               std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};
    std::mt19937_64 g(seed);
    std::uniform_real_distribution<double> unit(-3, 3), exponent(-320, 308);
    std::vector<double> out;
    for (size_t i = 0; out.size() < count; ++i) {
        switch (g() % 6) {
        case 0: out.push_back(specials[g() % std::size(specials)]); break;
        case 1: out.push_back(std::round(unit(g) * 4) / 2); break;
        case 2: out.push_back((g() % 2 ? -1 : 1) * std::pow(10.0, exponent(g))); break;
        default: out.push_back(unit(g)); break;
        }
    }
    return out;
}

TEST(TExpCal, BatchesGiveTheBitsOfSingleEvaluations) {
    const char* const formulas[] = {
        "sin x", "cos x", "-x", "+x", "tan x", "cot x", "arcsin x", "arccos x", "arctan x", "arccot x", "abs x",
        "sqrt x", "sqr x", "ln x", "log10 x", "log2 x", "exp x", "int x", "round x", "frac x", "sign x", "sinh x",
        "cosh x", "tanh x", "coth x", "arcsinh x", "arccosh x", "arctanh x", "arccoth x", "x^y", "x*y", "x/y", "x+y",
        "x-y", "x>=y", "x<=y", "x<>y", "x=y", "x<y", "x>y", "not x", "x and y", "x or y", "x xor y", "x", "5", "PI",
        "x^0", "x^2", "x^3", "x^7", "x^(0-3)", "x^(-400)", "y^1000", "x*y+x", "x-x*y", "x*y-3", "x*x*x/x+1",
        "sin(x)*x^2+sqrt(abs(x))", "2*x+sin x", "x^2+3*x-1",
        ("(x+1)*(x-2)/(x+3)+(x-4)*(x+5)/(x-6)+(x+7)*(x-8)/(x+9)+(x-10)*(x+11)/(x-12)"
         "+sin(x)*cos(x)+sqrt(x*x+1)-exp(x/10)+x^3-2*x^2+1"),
        "exp(x*y)/(1-x)", "ln(x)*y+arcsin(y)", "x^y^2", "tan(x*1e10)", "x*1e300*y", "sqrt(x-y)+ln(y-x)",
        "1/(x-y)", "(x>0)*sqrt(x)+(x<=0)*y", "arctan(ln x)+exp(cot y)", "x2", "", "q",
    };
    const size_t points = 4099;  // blocks and a part of one
    const std::vector<double> xs = Inputs(1, points), ys = Inputs(2, points);
    std::vector<double> xRuns(points), yRuns(points);  // each value again at the next points, as on a grid
    for (size_t i = 0; i < points; ++i) {
        xRuns[i] = xs[i / 3];
        yRuns[i] = ys[i / 2];
    }
    size_t goodTotal = 0, failedTotal = 0;
    for (const char* formula : formulas) {
        for (int variant = 0; variant < 5; ++variant) {
            // 0: x and y bound; 1: only x bound, y from the memory; 2: folded by Simplify;
            // 3: a few points, evaluated one by one; 4: both bound, values in runs
            const size_t count = variant == 3 ? 7 : points;
            const std::vector<double>& x = variant == 4 ? xRuns : xs;
            const std::vector<double>& y = variant == 4 ? yRuns : ys;
            Context c;
            c.vars.SetValue("y", 0.75);
            TExpCal e(formula, c.ops, c.vars, c.consts);
            if (variant == 2) e.Simplify();
            const zm::TBatchVariable bound[] = {{c.vars.IndexOf("x"), x.data()}, {c.vars.IndexOf("y"), y.data()}};
            std::vector<double> results(count, -1);
            std::vector<uint8_t> ok(count, 7);
            e.CalculateBatch({bound, variant == 1 ? 1u : 2u}, count, results.data(), ok.data());
            size_t good = 0;
            for (size_t i = 0; i < count; ++i) {
                c.vars.SetValue("x", x[i]);
                if (variant != 1) c.vars.SetValue("y", y[i]);
                const bool single = e.Calculate();
                good += single;
                ASSERT_EQ(ok[i], single ? 1 : 0) << formula << " variant " << variant << " x=" << x[i] << " y=" << y[i];
                ASSERT_EQ(std::bit_cast<uint64_t>(results[i]), std::bit_cast<uint64_t>(e.Value))
                    << formula << " variant " << variant << " x=" << x[i] << " y=" << y[i];
            }
            goodTotal += good;
            failedTotal += count - good;
        }
    }
    // both outcomes in numbers
    EXPECT_GT(goodTotal, 100000u);
    EXPECT_GT(failedTotal, 100000u);
}

TEST(TExpCal, BatchReadsUnboundVariablesFromTheMemoryAndChangesNothing) {
    Context c;
    c.vars.SetValue("y", std::numeric_limits<double>::infinity());
    c.vars.SetValue("t", 4);
    TExpCal e("x+t", c.ops, c.vars, c.consts), f("x+y", c.ops, c.vars, c.consts);
    const double xs[] = {1, 2, std::numeric_limits<double>::quiet_NaN()};
    const zm::TBatchVariable x{c.vars.IndexOf("x"), xs};
    double results[3];
    uint8_t ok[3];
    e.Value = 123;
    e.CalculateBatch({&x, 1}, 3, results, ok);
    EXPECT_EQ(std::vector<double>(results, results + 3), (std::vector<double>{5, 6, 0}));
    EXPECT_EQ(std::vector<int>(ok, ok + 3), (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(e.Value, 123);
    EXPECT_EQ(c.vars.GetValue("x"), 0);
    // an unbound variable that is not a finite number fails every point, as Calculate does
    f.CalculateBatch({&x, 1}, 3, results, ok);
    EXPECT_EQ(std::vector<int>(ok, ok + 3), (std::vector<int>{0, 0, 0}));
    // "random" draws point by point, in the order single evaluations draw
    zm::TOperatorLib batchOps(42), singleOps(42);
    TExpCal rb("random(x*1000)+x", batchOps, c.vars, c.consts), rs("random(x*1000)+x", singleOps, c.vars, c.consts);
    const std::vector<double> many = Inputs(3, 600);
    std::vector<double> drawn(many.size());
    std::vector<uint8_t> drawnOk(many.size());
    const zm::TBatchVariable m{c.vars.IndexOf("x"), many.data()};
    rb.CalculateBatch({&m, 1}, many.size(), drawn.data(), drawnOk.data());
    for (size_t i = 0; i < many.size(); ++i) {
        c.vars.SetValue("x", many[i]);
        ASSERT_EQ(rs.Calculate(), drawnOk[i] == 1) << many[i];
        ASSERT_EQ(std::bit_cast<uint64_t>(rs.Value), std::bit_cast<uint64_t>(drawn[i])) << many[i];
    }
}

}  // namespace
