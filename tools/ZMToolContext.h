#pragma once
// The formula context a tool makes for itself when it borrows no document's: a new operator
// table, the given variables at 0 (in that order) and the constant PI.

#include "engine/ZMMath.h"

#include <initializer_list>

struct TToolContext {
    zm::TOperatorLib OperatorLib;
    zm::TVarMemory VarMemory;
    zm::TVarMemory ConstMemory;

    explicit TToolContext(std::initializer_list<const char*> variables = {"x"}) {
        for (const char* name : variables) VarMemory.AddVar(name, 0);
        ConstMemory.AddVar("PI", 3.141592653589793);
    }
};
