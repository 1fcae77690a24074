#include "tools/fmDerivativeTool.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/ZMGuard.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/cstCHMHelpClass.h"
#include "tools/ZMDerivativeKinds.h"
#include "tools/ZMFormulaList.h"
#include "tools/ZMToolFields.h"

TFormDerivativeTool::TFormDerivativeTool(const QString& caption, const QString& generate, int kinds,
                                         const QString& helpTopic, QWidget* parent)
    : QDialog(parent), helpTopic_(helpTopic) {
    setWindowTitle(caption);

    ComboBox1 = NewFormulaBox(this, "ComboBox1");
    ComboBox1->setMinimumWidth(260);
    ComboBox2 = Named(new QComboBox(this), "ComboBox2");
    for (int row = 0; row < kinds; ++row)
        ComboBox2->addItem(QString::fromLatin1(zm::kDerivativeKindTexts[static_cast<std::size_t>(row)]));
    ComboBox2->setCurrentIndex(0);

    // The start text differs from the kind texts by its trailing blank.
    LabelResult = Named(new QLabel(QStringLiteral("Y(x) = "), this), "LabelResult");
    Edit1 = Named(new QLineEdit(this), "Edit1");
    Edit1->setReadOnly(true);

    Button1 = Named(new QPushButton(generate, this), "Button1");
    Button2 = Named(new QPushButton(QStringLiteral("Add Graph"), this), "Button2");
    Button3 = Named(new QPushButton(QStringLiteral("Cancel"), this), "Button3");
    Button4 = Named(new QPushButton(QStringLiteral("Help"), this), "Button4");
    Button1->setDefault(true);
    for (QPushButton* b : {Button2, Button3, Button4}) b->setAutoDefault(false);
    Button2->setEnabled(false);

    // User actions only: the kind list is never changed by the program.
    connect(ComboBox2, &QComboBox::activated, this, [this] { guarded(this, [this] { ComboBox2Change(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { guarded(this, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
}

std::uint8_t TFormDerivativeTool::Execute(TMemory* memory) {
    Confirmed = 0;
    Memory = memory;
    ResultExp.clear();
    ResultKind = 0;
    FormShow();
    exec();
    return Confirmed;
}

void TFormDerivativeTool::FormShow() {
    FillFormulaList(*ComboBox1, Memory, 0);
    ComboBox1->setFocus();
}

void TFormDerivativeTool::ComboBox2Change() {
    FillFormulaList(*ComboBox1, Memory, Kind());
    Edit1->clear();
    Button2->setEnabled(false);
}

void TFormDerivativeTool::Button2Click() {
    Confirmed = 1;
    ResultExp = Edit1->text().toStdString();
    accept();
}

void TFormDerivativeTool::Button3Click() { reject(); }

void TFormDerivativeTool::Button4Click() { TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), helpTopic_, 1); }

int TFormDerivativeTool::Kind() const { return ComboBox2->currentIndex() < 0 ? 0 : ComboBox2->currentIndex(); }

void TFormDerivativeTool::WarnIllegal() { message(this, MsgKind::Warning, QStringLiteral("Expression is illegal.")); }
