#pragma once
// A document's parts linked to a command window as the document window links them: graph
// list, plane, list box, the variables x, y, t, a at 0 and the constant PI.

#include "engine/ZMMath.h"
#include "plot/ZMCoordinate.h"
#include "plot/ZMFunTabObj.h"
#include "plot/ZMMemoryListBox.h"
#include "shell/ZMCommandMemo.h"

struct LinkedDocument {
    LinkedDocument() {
        for (const char* name : {"x", "y", "t", "a"}) vars.AddVar(name, 0);
        consts.AddVar("PI", 3.141592653589793);
        listBox.Memory = &memory;
        memo.Memory = &memory;
        memo.Plane = &plane;
        memo.ListBox = &listBox;
        memo.VarMemory = &vars;
        memo.ConstMemory = &consts;
        memo.OperatorLib = &ops;
    }
    TMemory memory;
    zm::TOperatorLib ops;
    zm::TVarMemory vars;
    zm::TVarMemory consts;
    TCoordinate plane;
    TMemoryListBox listBox;
    TZMCommandMemo memo;
};
