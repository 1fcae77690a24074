#pragma once
// "Add Table": builds a new table graph from the grid and appends a copy of it to a graph list.

#include <functional>

#include "editors/fmTableBase.h"

namespace zm {
class TOperatorLib;
class TVarMemory;
}  // namespace zm

class TFormAddTable final : public TFormTableBase {
    Q_OBJECT

public:
    explicit TFormAddTable(QWidget* parent = nullptr);

    // Shows the dialog modally and returns Confirmed: True only when OK appended the new table
    // graph to memory. The formula context comes as every document command passes it; the
    // table needs none of it.
    bool Execute(TMemory& memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                 zm::TVarMemory& constMemory);

    // Picks the starting colour among the first 15 standard colours: returns an index in
    // 0 .. count - 1. Empty: a generator seeded from the clock at every showing.
    std::function<int(int count)> RandomIndex;

    void FormShow() override;
    void Button1Click() override;
};
