#pragma once
// The formula memories every document and every viewer starts with.

#include <memory>

#include "engine/ZMMath.h"

// Variables x, y, t and a, all 0.
inline std::unique_ptr<zm::TVarMemory> NewDocumentVariables() {
    auto vars = std::make_unique<zm::TVarMemory>();
    for (const char* name : {"x", "y", "t", "a"}) vars->AddVar(name, 0);
    return vars;
}

// The constant PI.
inline std::unique_ptr<zm::TVarMemory> NewDocumentConstants() {
    auto consts = std::make_unique<zm::TVarMemory>();
    consts->AddVar("PI", 3.141592653589793);
    return consts;
}
