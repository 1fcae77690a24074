#pragma once
// The kinds the derivative and tangent tools offer. The row of a kind is its FunctionObjType:
// 0 Y(x), 1 X(y), 2 R(a) (the tangent tool offers the first two only).

#include <array>

namespace zm {

// The kind's text in the kind list and the result label.
inline constexpr std::array<const char*, 3> kDerivativeKindTexts{"Y(x) =", "X(y) =", "R(a) ="};
// The variable a formula of the kind is differentiated by.
inline constexpr std::array<const char*, 3> kDerivativeKindVariables{"x", "y", "a"};

}  // namespace zm
