// Formula text: compile, evaluate at a few values, differentiate, compile the derivative
// again, simplify, and the shorter derivative text the tools use. Besides crashes, hangs
// and undefined behaviour it stops on a broken promise of the engine:
//  - a failed evaluation leaves Value 0, a successful one a finite Value;
//  - evaluation leaves the variable memory as it found it (names, order, values);
//  - a derivative text of a derivable formula compiles;
//  - the text ShorterDerivativeText hands out compiles.
#include "engine/ZMMath.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The operator table and the constants live for the whole run, as in the program;
// the variables start afresh for every input.
struct Context {
    zm::TOperatorLib ops;
    zm::TVarMemory vars;
    zm::TVarMemory consts;
    Context() { consts.AddVar("PI", 3.141592653589793); }
    void Reset() {
        vars = zm::TVarMemory();
        for (const char* n : {"x", "y", "t", "a"}) vars.AddVar(n, 0);
    }
};

[[noreturn]] void Broken(const char* what, std::string_view text) {
    std::fprintf(stderr, "broken promise: %s\ntext: '%.*s'\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

// The set of names changes only with the generation; the values are compared one by one.
struct Snapshot {
    explicit Snapshot(const zm::TVarMemory& m) : Generation(m.Generation()), Count(m.Count()) {
        for (int i = 0; i < Count && i < 8; ++i) Values[i] = m.GetVarItem(i)->Value;
    }
    bool operator==(const Snapshot& o) const {
        if (Generation != o.Generation || Count != o.Count) return false;
        for (int i = 0; i < Count && i < 8; ++i)
            if (Values[i] != o.Values[i]) return false;
        return true;
    }
    uint64_t Generation;
    int Count;
    double Values[8] = {};
};

void Evaluate(zm::TExpCal& e, Context& c, std::string_view text) {
    static constexpr double kSamples[] = {0.0, 1.0, -2.5, 1e300};
    for (double x : kSamples) {
        c.vars.SetValue("x", x);
        c.vars.SetValue("y", -x);
        const Snapshot before(c.vars);
        const bool ok = e.Calculate();
        if (ok ? !std::isfinite(e.Value) : e.Value != 0) Broken("evaluation result", text);
        if (!(Snapshot(c.vars) == before)) Broken("evaluation changed the variable memory", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string formula(reinterpret_cast<const char*>(data), size);
    static Context c;
    c.Reset();
    zm::TExpCal e(formula, c.ops, c.vars, c.consts);
    Evaluate(e, c, formula);

    e.DiffVariable = "x";
    const uint8_t derivable = e.Derivative();
    zm::TExpCal d(e.DerivativeText, c.ops, c.vars, c.consts);
    if (derivable && !d.Valid) Broken("derivative text does not compile", e.DerivativeText);
    Evaluate(d, c, e.DerivativeText);

    std::string shorter;
    if (zm::ShorterDerivativeText(formula, "a", c.ops, c.vars, c.consts, shorter) == zm::TDerivativeOutcome::Ok) {
        zm::TExpCal s(shorter, c.ops, c.vars, c.consts);
        if (!s.Valid) Broken("shorter derivative text does not compile", shorter);
        Evaluate(s, c, shorter);
    }

    e.Simplify();
    Evaluate(e, c, formula);
    zm::TExpCal again(e.Simplified, c.ops, c.vars, c.consts);
    Evaluate(again, c, e.Simplified);
    return 0;
}
