#pragma once
// The command window's language, without widgets: which command a line is, and the answer
// lines of the commands that need no dialog. Texts are UTF-8; the decimal separator of the
// number answers is passed in.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zm {
class TOperatorLib;
class TVarMemory;
}  // namespace zm

namespace zm::command {

inline constexpr std::string_view kSyntaxError = "Syntax Error";
inline constexpr std::string_view kOk = "OK.";
inline constexpr std::string_view kAbort = "Abort.";

enum class TCommandKind { Evaluate, SetVariable, SetConstant, Derivative, Draw, Unknown };

// The line with blanks and control characters removed from both ends.
std::string TrimLine(std::string_view line);

// Tested in this order on prefixes of the trimmed line, ignoring letter case:
// "?", "var", "const", "deri", "draw".
TCommandKind ClassifyCommand(std::string_view s);

// The document's formula context; any link may be missing.
struct TCommandContext {
    TOperatorLib* OperatorLib = nullptr;
    TVarMemory* VarMemory = nullptr;
    TVarMemory* ConstMemory = nullptr;
    bool Complete() const { return OperatorLib && VarMemory && ConstMemory; }
};

// "?" expression: "=" + the value, or "=Syntax Error". Nothing without a complete context.
std::optional<std::string> CmdEvaluate(std::string_view s, const TCommandContext& context, char sep);

// "var name = expression" (into the variable memory) and "const name = expression" (into the
// constant memory): "OK." or "Syntax Error". Nothing without a complete context.
std::optional<std::string> CmdSetVariable(std::string_view s, const TCommandContext& context);
std::optional<std::string> CmdSetConstant(std::string_view s, const TCommandContext& context);

// "deri variable expression", worked out in a context of its own: "=" + the shorter
// derivative text, "Syntax Error" for a missing variable or an expression that does not
// compile, "=Syntax Error" when there is no derivative.
std::string CmdDerivative(std::string_view s);

// Differentiates a formula in the given context; on Done `text` is the shorter derivative text.
// Invalid: the formula is empty or does not compile; Failed: an error was raised on the way.
enum class TDeriveOutcome { Invalid, NotDerivable, Failed, Done };
TDeriveOutcome DeriveExpression(std::string_view expression, const std::string& variable,
                                const TCommandContext& context, std::string& text);

// "drawfx", "drawfy", "drawra" expression: the formula and the graph kind to preset.
struct TDrawRequest {
    std::string Expression;
    std::uint8_t FunctionObjType = 0;
};
TDrawRequest ParseDraw(std::string_view s);

// One command line: its kind, the trimmed line, and the answer of every command but the draw
// commands (which need the add-graph dialog; the caller runs them with ParseDraw). No answer
// when "?", "var" or "const" lack the context.
struct TCommandResult {
    TCommandKind Kind = TCommandKind::Unknown;
    std::string Line;
    std::optional<std::string> Answer;
};
TCommandResult RunCommand(std::string_view line, const TCommandContext& context, char sep);

}  // namespace zm::command
