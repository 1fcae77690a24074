#include "shell/fmSetOption.h"

#include "platform/ZMGuardedClick.h"
#include "platform/ZMNamedControls.h"
#include "shell/ZMOptionFiles.h"
#include "shell/ZMProductPictures.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QGroupBox* Group(QWidget* parent, const char* name, const char* caption, QCheckBox* box) {
    auto* group = new QGroupBox(QString::fromLatin1(caption), parent);
    group->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(box);
    return group;
}

}  // namespace

TFormSetOption::TFormSetOption(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Options"));
    constexpr int kWidth = 320;
    auto* top = new QVBoxLayout(this);

    auto* banner = NamedLabel(this, "Image1", "");
    banner->setPixmap(OptionsBanner(kWidth));
    top->addWidget(banner);

    CheckBox1 = NamedCheck(this, "CheckBox1", "Delete Graph");
    CheckBox2 = NamedCheck(this, "CheckBox2", "Show Tips on Startup");
    top->addWidget(Group(this, "GroupBox1", "Confirmation", CheckBox1));
    top->addWidget(Group(this, "GroupBox2", "Others", CheckBox2));

    Button1 = NamedButton(this, "Button1", "OK");
    Button2 = NamedButton(this, "Button2", "Cancel");
    AddButtonRow(top, {Button1, Button2});
    top->setSizeConstraint(QLayout::SetFixedSize);

    onClick(Button1, this, &TFormSetOption::Button1Click);
    onClick(Button2, this, &TFormSetOption::Button2Click);
}

bool TFormSetOption::Execute() {
    FormShow();
    exec();
    return true;
}

void TFormSetOption::FormShow() {
    CheckBox1->setChecked(ConfirmDeleteOption());
    CheckBox2->setChecked(TipsEnabled(TipsIni()));
}

void TFormSetOption::Button1Click() {
    // A failed write leaves the dialog open; what was written before stays.
    SetConfirmDeleteOption(CheckBox1->isChecked());
    SetTipsEnabled(TipsIni(), CheckBox2->isChecked());
    accept();
}

void TFormSetOption::Button2Click() { reject(); }
