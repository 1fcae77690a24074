#include "shell/fmShowTips.h"

#include "platform/ZMGuardedClick.h"
#include "platform/ZMIniFile.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMProgramDir.h"
#include "shell/ZMOptionFiles.h"
#include "shell/ZMProductPictures.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdint>

int NextTipNumber(int TipNum, int TipCount) {
    // In 64 bits: a stored 2147483647 must not overflow.
    std::int64_t next = std::int64_t{TipNum} + 1;
    if (next > TipCount) next = 1;
    if (next < 1) next = 1;
    return static_cast<int>(next);
}

TFormShowTips::TFormShowTips(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Tip of the Day"));
    auto* top = new QVBoxLayout(this);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    panel->setPalette(white);
    auto* panelLayout = new QHBoxLayout(panel);
    auto* image = NamedLabel(panel, "Image1", "");
    image->setPixmap(TipsPicture());
    image->setAlignment(Qt::AlignTop);
    panelLayout->addWidget(image, 0, Qt::AlignTop);
    auto* text = new QVBoxLayout;
    auto* heading = NamedLabel(panel, "Label1", "Do you know?");
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    heading->setFont(big);
    text->addWidget(heading);
    Memo1 = new QPlainTextEdit(panel);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setFixedSize(340, 110);
    text->addWidget(Memo1);
    panelLayout->addLayout(text);
    top->addWidget(panel);

    auto* bottom = new QHBoxLayout;
    CheckBox1 = NamedCheck(this, "CheckBox1", "Show Tips on Startup");
    Button1 = NamedButton(this, "Button1", "Next Tip");
    Button2 = NamedButton(this, "Button2", "OK");
    Button2->setDefault(true);
    bottom->addWidget(CheckBox1);
    bottom->addStretch(1);
    bottom->addWidget(Button1);
    bottom->addWidget(Button2);
    top->addLayout(bottom);
    top->setSizeConstraint(QLayout::SetFixedSize);

    onClick(Button1, this, &TFormShowTips::Button1Click);
    onClick(Button2, this, &TFormShowTips::Button2Click);
}

bool TFormShowTips::Execute(const QString& FileName) {
    TipsPath = programFile(FileName);
    // Esc and the close box reject the dialog, which writes nothing.
    if (TipsEnabled(IniFile(TipsPath))) {
        FormShow();
        exec();
    }
    return true;
}

void TFormShowTips::FormShow() {
    const IniFile tips(TipsPath);
    CheckBox1->setChecked(true);
    TipCount = tips.readInt(TipsSection(), QStringLiteral("TipCount"), 0);
    TipNum = tips.readInt(TipsSection(), QStringLiteral("TipNum"), 1);
    NextTipIndex();
    ShowTip();
    Button2->setFocus();
}

void TFormShowTips::Button1Click() {
    NextTipIndex();
    ShowTip();
}

void TFormShowTips::Button2Click() {
    IniFile tips(TipsPath);
    SetTipsEnabled(tips, CheckBox1->isChecked());
    tips.writeInt(TipsSection(), QStringLiteral("TipNum"), TipNum);
    accept();
}

void TFormShowTips::NextTipIndex() { TipNum = NextTipNumber(TipNum, TipCount); }

void TFormShowTips::ShowTip() {
    const QString tip = IniFile(TipsPath).readString(TipsSection(), QStringLiteral("Tip") + QString::number(TipNum), QString());
    Memo1->clear();
    Memo1->setPlainText(tip);
}
