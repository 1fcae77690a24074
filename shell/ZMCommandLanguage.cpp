#include "shell/ZMCommandLanguage.h"

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "tools/ZMToolContext.h"

#include <exception>

namespace zm::command {

namespace {

// "=" + text (appended, which keeps GCC's overlap warning quiet).
std::string WithEquals(std::string_view text) {
    std::string answer = "=";
    answer.append(text);
    return answer;
}

bool IsNameGiven(const std::string& name) { return !name.empty(); }

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && LowerAscii(s.substr(0, prefix.size())) == prefix;
}

// Compiles and evaluates a formula with the document's memories.
bool EvaluateText(std::string_view expression, const TCommandContext& context, double& value) {
    TExpCal cal(expression, *context.OperatorLib, *context.VarMemory, *context.ConstMemory);
    if (!cal.Valid || !cal.Calculate()) return false;
    value = cal.Value;
    return true;
}

std::optional<std::string> Assign(std::string_view s, std::size_t prefixLength, TVarMemory* target,
                                  const TCommandContext& context) {
    if (!context.Complete()) return std::nullopt;
    const std::string rest = Trim(s.substr(prefixLength));
    const std::size_t p = rest.find('=');
    if (p == std::string::npos) return std::string(kSyntaxError);
    const std::string name = Trim(std::string_view(rest).substr(0, p));
    if (!IsNameGiven(name)) return std::string(kSyntaxError);
    double value = 0;
    if (!EvaluateText(Trim(std::string_view(rest).substr(p + 1)), context, value))
        return std::string(kSyntaxError);
    target->SetValue(name, value);
    return std::string(kOk);
}

}  // namespace

std::string TrimLine(std::string_view line) { return Trim(line); }

TCommandKind ClassifyCommand(std::string_view s) {
    if (StartsWithNoCase(s, "?")) return TCommandKind::Evaluate;
    if (StartsWithNoCase(s, "var")) return TCommandKind::SetVariable;
    if (StartsWithNoCase(s, "const")) return TCommandKind::SetConstant;
    if (StartsWithNoCase(s, "deri")) return TCommandKind::Derivative;
    if (StartsWithNoCase(s, "draw")) return TCommandKind::Draw;
    return TCommandKind::Unknown;
}

std::optional<std::string> CmdEvaluate(std::string_view s, const TCommandContext& context, char sep) {
    if (!context.Complete()) return std::nullopt;
    double value = 0;
    if (!EvaluateText(s.substr(s.empty() ? 0 : 1), context, value))
        return WithEquals(kSyntaxError);
    return WithEquals(FloatToStr(value, sep));
}

std::optional<std::string> CmdSetVariable(std::string_view s, const TCommandContext& context) {
    return Assign(s, 3, context.VarMemory, context);
}

std::optional<std::string> CmdSetConstant(std::string_view s, const TCommandContext& context) {
    return Assign(s, 5, context.ConstMemory, context);
}

std::string CmdDerivative(std::string_view s) {
    // "deri" needs a blank before the variable and one between variable and expression.
    const std::size_t first = s.find(' ');
    if (first == std::string_view::npos) return std::string(kSyntaxError);
    const std::string_view rest = s.substr(first + 1);
    const std::size_t second = rest.find(' ');
    if (second == std::string_view::npos) return std::string(kSyntaxError);
    const std::string variable = Trim(rest.substr(0, second));
    const std::string expression = Trim(rest.substr(second + 1));
    if (variable.empty() || expression.empty()) return std::string(kSyntaxError);

    TToolContext context({"x", "y", "a"});
    std::string text;
    switch (DeriveExpression(expression, variable, {&context.OperatorLib, &context.VarMemory, &context.ConstMemory},
                             text)) {
    case TDeriveOutcome::Invalid: return std::string(kSyntaxError);
    case TDeriveOutcome::NotDerivable:
    case TDeriveOutcome::Failed: return WithEquals(kSyntaxError);
    case TDeriveOutcome::Done: break;
    }
    return WithEquals(text);
}

TDeriveOutcome DeriveExpression(std::string_view expression, const std::string& variable,
                                const TCommandContext& context, std::string& text) {
    if (!context.Complete() || TrimView(expression).empty()) return TDeriveOutcome::Invalid;
    try {
        switch (ShorterDerivativeText(expression, variable, *context.OperatorLib, *context.VarMemory,
                                      *context.ConstMemory, text)) {
        case TDerivativeOutcome::Ok: return TDeriveOutcome::Done;
        case TDerivativeOutcome::Invalid: return TDeriveOutcome::Invalid;
        case TDerivativeOutcome::NotDerivable: return TDeriveOutcome::NotDerivable;
        }
        return TDeriveOutcome::Invalid;
    } catch (const std::exception&) {
        return TDeriveOutcome::Failed;
    }
}

TDrawRequest ParseDraw(std::string_view s) {
    TDrawRequest request;
    std::string word;
    const std::size_t blank = s.find(' ');
    if (blank == std::string_view::npos) {
        request.Expression = std::string(s);
    } else {
        word = LowerAscii(Trim(s.substr(0, blank)));
        request.Expression = Trim(s.substr(blank + 1));
    }
    if (word == "drawfy") request.FunctionObjType = 1;
    else if (word == "drawra") request.FunctionObjType = 2;
    else request.FunctionObjType = 0;
    return request;
}

TCommandResult RunCommand(std::string_view line, const TCommandContext& context, char sep) {
    TCommandResult result;
    result.Line = TrimLine(line);
    result.Kind = ClassifyCommand(result.Line);
    switch (result.Kind) {
    case TCommandKind::Evaluate: result.Answer = CmdEvaluate(result.Line, context, sep); break;
    case TCommandKind::SetVariable: result.Answer = CmdSetVariable(result.Line, context); break;
    case TCommandKind::SetConstant: result.Answer = CmdSetConstant(result.Line, context); break;
    case TCommandKind::Derivative: result.Answer = CmdDerivative(result.Line); break;
    case TCommandKind::Draw: break;
    case TCommandKind::Unknown: result.Answer = std::string(kSyntaxError); break;
    }
    return result;
}

}  // namespace zm::command
