#pragma once
// The formula context a tool makes for one action when it does not borrow a document's: an
// operator table, the variables it names at 0 and the constant PI. It is freed with the action.

#include <initializer_list>

#include "engine/ZMMath.h"

struct TToolContext {
    zm::TOperatorLib OperatorLib;
    zm::TVarMemory VarMemory;
    zm::TVarMemory ConstMemory;

    explicit TToolContext(std::initializer_list<const char*> variables) {
        for (const char* name : variables) VarMemory.AddVar(name, 0);
        ConstMemory.AddVar("PI", 3.141592653589793);
    }
};
