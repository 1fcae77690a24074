#include "tools/fmTangentNormal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/ZMNumber.h"
#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"
#include "tools/ZMDerivativeKinds.h"
#include "tools/ZMTangentLine.h"
#include "tools/ZMToolFields.h"

namespace {

QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* title) {
    return Named(new QGroupBox(QString::fromLatin1(title), parent), name);
}

}  // namespace

TFormTangentNormal::TFormTangentNormal(QWidget* parent)
    : TFormDerivativeTool(QStringLiteral("Tangent or Normal"), QStringLiteral("Generate Tangent/Normal"), 2,
                          QStringLiteral("ch04_01.htm#46"), parent) {
    auto* top = new QVBoxLayout(this);

    QGroupBox* calculate = MakeGroup(this, "GroupBox1", "Calculate");
    {
        auto* g = new QHBoxLayout(calculate);
        g->addWidget(ComboBox1, 1);
        g->addWidget(ComboBox2);
        g->addWidget(Button1);
    }
    top->addWidget(calculate);

    QGroupBox* result = MakeGroup(this, "GroupBox2", "Tangent/Normal");
    {
        auto* g = new QHBoxLayout(result);
        g->addWidget(LabelResult);
        g->addWidget(Edit1, 1);
    }
    top->addWidget(result);

    auto* middle = new QHBoxLayout;
    QGroupBox* point = MakeGroup(this, "GroupBox3", "Point to Find Tangent/Normal");
    {
        auto* g = new QHBoxLayout(point);
        // The start text differs from the kind texts by its trailing blank.
        LabelPoint = NamedLabel(point, "LabelPoint", "X = ");
        Edit2 = NamedEdit(point, "Edit2", "0");
        g->addWidget(LabelPoint);
        g->addWidget(Edit2, 1);
    }
    middle->addWidget(point, 1);
    QGroupBox* option = MakeGroup(this, "GroupBox4", "Option");
    {
        auto* g = new QHBoxLayout(option);
        RadioButton1 = Named(new QRadioButton(QStringLiteral("Tangent"), option), "RadioButton1");
        RadioButton2 = Named(new QRadioButton(QStringLiteral("Normal"), option), "RadioButton2");
        RadioButton1->setChecked(true);
        g->addWidget(RadioButton1);
        g->addWidget(RadioButton2);
    }
    middle->addWidget(option);
    top->addLayout(middle);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {Button2, Button3, Button4}) buttons->addWidget(b);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormTangentNormal::ComboBox2Change() {
    TFormDerivativeTool::ComboBox2Change();
    LabelPoint->setText(QString::fromLatin1(Kind() == 1 ? "Y" : "X") + QStringLiteral(" ="));
}

void TFormTangentNormal::Button1Click() {
    // A point that is not a number counts as 0.
    double point = 0;
    if (!zm::TryStrToFloat(Edit2->text().toStdString(), point, decimalSeparator())) point = 0;
    const zm::TTangentLine line = zm::TangentNormalLine(ComboBox1->currentText().toStdString(),
                                                        static_cast<std::uint8_t>(Kind()), point,
                                                        RadioButton2->isChecked());
    switch (line.Outcome) {
    case zm::TLineOutcome::Invalid: WarnIllegal(); return;
    case zm::TLineOutcome::None:
        Edit1->setText(QStringLiteral("<none>"));
        Button2->setEnabled(false);
        return;
    case zm::TLineOutcome::Line: break;
    }
    LabelResult->setText(QString::fromLatin1(zm::kDerivativeKindTexts[line.Kind]));
    ResultKind = line.Kind;
    ShowResultText(*Edit1, QString::fromStdString(line.Text));
    Button2->setEnabled(Memory != nullptr);
}
