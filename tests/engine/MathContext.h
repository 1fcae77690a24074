#pragma once
// A document-like context for formula tests: x, y, t, a at 0 and the constant PI.

#include "engine/ZMMath.h"

#include <numbers>

struct MathContext {
    zm::TOperatorLib ops;
    zm::TVarMemory vars;
    zm::TVarMemory consts;
    MathContext() {
        for (const char* n : {"x", "y", "t", "a"}) vars.AddVar(n, 0);
        consts.AddVar("PI", std::numbers::pi);
    }
};
