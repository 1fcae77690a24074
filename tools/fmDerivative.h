#pragma once
// "Derivative": shows the derivative of a formula by the variable of the chosen kind (x, y or a)
// and hands it back, with the kind, for a new graph.

#include "tools/fmDerivativeTool.h"

class QGroupBox;

class TFormDerivative final : public TFormDerivativeTool {
    Q_OBJECT

public:
    explicit TFormDerivative(QWidget* parent = nullptr);

    // Kind chosen: also ResultKind and the result label follow it.
    void ComboBox2Change() override;
    // "Generate Derivative".
    void Button1Click() override;

private:
    QGroupBox* GroupBox1 = nullptr;  // "Derivative"
    QLabel* LabelMessage = nullptr;  // shown when there is no derivative
};
