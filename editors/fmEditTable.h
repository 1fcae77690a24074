#pragma once
// "Edit Table": loads a table graph into the grid and writes the grid back into it.

#include "editors/fmTableBase.h"

namespace zm {
class TOperatorLib;
class TVarMemory;
}  // namespace zm

class TFormEditTable final : public TFormTableBase {
    Q_OBJECT

public:
    explicit TFormEditTable(QWidget* parent = nullptr);

    // Shows the dialog modally on tableObj and returns Confirmed: True only when OK rewrote it;
    // Cancel leaves it exactly as it was. The formula context comes as every document command
    // passes it; the table needs none of it.
    bool Execute(TTableObj& tableObj, TMemory& memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                 zm::TVarMemory& constMemory);

    TTableObj* TableObj = nullptr;

    void FormShow() override;
    void Button1Click() override;
};
