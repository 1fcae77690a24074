#pragma once
// A document context for the graph dialogs: a graph list, the variables x, y, t, a at 0 and
// the constant PI.

#include "engine/ZMMath.h"
#include "plot/ZMFunTabObj.h"

struct GraphContext {
    TMemory memory;
    zm::TOperatorLib ops;
    zm::TVarMemory vars;
    zm::TVarMemory consts;
    GraphContext() {
        for (const char* name : {"x", "y", "t", "a"}) vars.AddVar(name, 0);
        consts.AddVar("PI", 3.141592653589793);
    }
};
