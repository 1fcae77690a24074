#pragma once
// The straight line that touches a graph at a point (tangent) or stands perpendicular to it
// there (normal), written as a formula. Plain C++: the tangent dialog's logic.

#include <cstdint>
#include <string>
#include <string_view>

namespace zm {

// A number as the formula language reads it: the 15-digit text with ".", written positionally
// where that text would take the exponent form (below 0.0001 or from 1E15 in magnitude).
std::string FormulaNumberText(double v);

enum class TLineOutcome : std::uint8_t {
    Line,     // Text and Kind hold the line
    Invalid,  // the formula does not compile or is blank
    None,     // no derivative, an evaluation failed, or a number of the line is not finite
};

struct TTangentLine {
    TLineOutcome Outcome = TLineOutcome::None;
    std::string Text;       // "m*v+b", "m*v-b", or p alone when the normal is parallel to the other axis
    std::uint8_t Kind = 0;  // FunctionObjType of Text
};

// The line at `point` of `formula` of kind 0 (y = f(x)) or 1 (x = f(y)), computed in a context of
// its own. The slope is the shorter derivative text evaluated at the point; the normal's slope
// is -1/slope, and a zero slope gives the normal of the other kind through the point.
TTangentLine TangentNormalLine(std::string_view formula, std::uint8_t kind, double point, bool normal);

}  // namespace zm
