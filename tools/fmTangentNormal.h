#pragma once
// "Tangent or Normal": the straight line that touches a Y(x) or X(y) graph at a point, or stands
// perpendicular to it there, written as a formula and handed back, with its kind, for a new graph.

#include "tools/fmDerivativeTool.h"

class QRadioButton;

class TFormTangentNormal final : public TFormDerivativeTool {
    Q_OBJECT

public:
    explicit TFormTangentNormal(QWidget* parent = nullptr);

    // Kind chosen: also the point label follows it.
    void ComboBox2Change() override;
    // "Generate Tangent/Normal".
    void Button1Click() override;

private:
    QLabel* LabelPoint = nullptr;
    QLineEdit* Edit2 = nullptr;  // the point
    QRadioButton* RadioButton1 = nullptr;  // "Tangent"
    QRadioButton* RadioButton2 = nullptr;  // "Normal"
};
