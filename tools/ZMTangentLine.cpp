#include "tools/ZMTangentLine.h"

#include <cmath>

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "tools/ZMDerivativeKinds.h"
#include "tools/ZMToolContext.h"

namespace zm {

namespace {

// The value of text with the context's current variables; false when it does not compile, its
// evaluation fails or the value is not finite.
bool Evaluate(std::string_view text, TToolContext& context, double& value) {
    TExpCal cal(text, context.OperatorLib, context.VarMemory, context.ConstMemory);
    if (!cal.Valid || !cal.Calculate() || !std::isfinite(cal.Value)) return false;
    value = cal.Value;
    return true;
}

}  // namespace

std::string FormulaNumberText(double v) {
    std::string text = FloatToStr(v, '.');
    // The formula language reads "2E-6" as 2-6.
    if (text.find('E') != std::string::npos) text = FloatToFormulaText(v);
    return text;
}

TTangentLine TangentNormalLine(std::string_view formula, std::uint8_t kind, double point, bool normal) {
    TTangentLine line;
    if (kind > 1) kind = 0;
    const std::string_view variable = kDerivativeKindVariables[kind];
    TToolContext context({"x", "y", "a"});

    std::string derivative;
    switch (ShorterDerivativeText(formula, variable, context.OperatorLib, context.VarMemory, context.ConstMemory,
                                  derivative)) {
    case TDerivativeOutcome::Invalid: line.Outcome = TLineOutcome::Invalid; return line;
    case TDerivativeOutcome::NotDerivable: return line;
    case TDerivativeOutcome::Ok: break;
    }

    context.VarMemory.SetValue(variable, point);
    double slope = 0;
    double value = 0;
    if (!Evaluate(derivative, context, slope)) return line;
    if (normal && slope != 0) slope = -1 / slope;
    if (!Evaluate(formula, context, value) || !std::isfinite(slope)) return line;

    if (normal && slope == 0) {
        // Parallel to the other axis: x = p under a Y(x) graph, y = p under an X(y) graph.
        line.Kind = static_cast<std::uint8_t>(1 - kind);
        line.Text = FormulaNumberText(point);
    } else {
        // Through (p, f(p)) for Y(x), (f(p), p) for X(y): either way f(p) - m * p.
        const double intercept = value - slope * point;
        if (!std::isfinite(intercept)) return line;
        line.Kind = kind;
        line.Text = FormulaNumberText(slope) + "*" + std::string(variable);
        if (intercept >= 0) line.Text += "+";
        line.Text += FormulaNumberText(intercept);
    }
    line.Outcome = TLineOutcome::Line;
    return line;
}

}  // namespace zm
