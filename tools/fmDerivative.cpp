#include "tools/fmDerivative.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

#include "engine/ZMMath.h"
#include "platform/ZMNamedControls.h"
#include "tools/ZMDerivativeKinds.h"
#include "tools/ZMToolContext.h"
#include "tools/ZMToolFields.h"

namespace {

// Hidden widgets keep their room, so the group does not jump between the message and the result.
void KeepRoomWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

}  // namespace

TFormDerivative::TFormDerivative(QWidget* parent)
    : TFormDerivativeTool(QStringLiteral("Derivative"), QStringLiteral("Generate Derivative"), 3,
                          QStringLiteral("ch04_01.htm#45"), parent) {
    auto* top = new QVBoxLayout(this);

    auto* input = new QGridLayout;
    input->addWidget(new QLabel(QStringLiteral("Choose"), this), 0, 0);
    input->addWidget(ComboBox2, 0, 1, Qt::AlignLeft);
    input->addWidget(new QLabel(QStringLiteral("Input Formula"), this), 1, 0);
    input->addWidget(ComboBox1, 1, 1);
    input->setColumnStretch(1, 1);
    top->addLayout(input);

    GroupBox1 = Named(new QGroupBox(QStringLiteral("Derivative"), this), "GroupBox1");
    auto* group = new QGridLayout(GroupBox1);
    LabelMessage =
        NamedLabel(GroupBox1, "LabelMessage", "The expression contains nondifferentiable function or operation.");
    group->addWidget(LabelMessage, 0, 0, 1, 2);
    group->addWidget(LabelResult, 1, 0);
    group->addWidget(Edit1, 1, 1);
    for (QWidget* w : {static_cast<QWidget*>(LabelMessage), static_cast<QWidget*>(LabelResult),
                       static_cast<QWidget*>(Edit1)}) {
        KeepRoomWhenHidden(w);
        w->hide();
    }
    top->addWidget(GroupBox1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch(1);
    for (QPushButton* b : {Button2, Button3, Button4}) buttons->addWidget(b);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormDerivative::ComboBox2Change() {
    TFormDerivativeTool::ComboBox2Change();
    ResultKind = static_cast<std::uint8_t>(Kind());
    LabelResult->setText(QString::fromLatin1(zm::kDerivativeKindTexts[static_cast<std::size_t>(Kind())]));
}

void TFormDerivative::Button1Click() {
    TToolContext context({"x", "y", "a"});
    std::string derivative;
    const zm::TDerivativeOutcome outcome = zm::ShorterDerivativeText(
        ComboBox1->currentText().toStdString(), zm::kDerivativeKindVariables[static_cast<std::size_t>(Kind())],
        context.OperatorLib, context.VarMemory, context.ConstMemory, derivative);
    if (outcome == zm::TDerivativeOutcome::Invalid) {
        WarnIllegal();
        return;
    }
    const bool derivable = outcome == zm::TDerivativeOutcome::Ok;
    Button2->setEnabled(derivable && Memory != nullptr);
    LabelMessage->setVisible(!derivable);
    LabelResult->setVisible(derivable);
    Edit1->setVisible(derivable);
    ShowResultText(*Edit1, QString::fromStdString(derivative));
}
