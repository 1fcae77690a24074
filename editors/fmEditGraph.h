#pragma once
// "Edit Graph": changes a function graph in place.

#include "editors/fmGraphBase.h"

class TFormEditGraph final : public TFormGraphBase {
    Q_OBJECT

public:
    explicit TFormEditGraph(QWidget* parent = nullptr);

    // Shows the dialog modally on functionObj and returns Confirmed: True only when OK rewrote it.
    // A failed OK or Cancel leaves functionObj exactly as it was.
    bool Execute(TFunctionObj& functionObj, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                 zm::TVarMemory& constMemory);

    TFunctionObj* FunctionObj = nullptr;

    void FormShow() override;
    void Button1Click() override;
};
