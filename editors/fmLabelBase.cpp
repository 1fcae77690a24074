#include "editors/fmLabelBase.h"

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "engine/ZMNumber.h"
#include "platform/ZMCanvas.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMFontChooser.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"

namespace {

// The text as typed: every line break as "\n" (the text box keeps CR LF and CR as breaks), and
// no-break spaces kept (toPlainText would make them blanks).
QString TypedText(const QPlainTextEdit* memo) {
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

}  // namespace

TFormLabelBase::TFormLabelBase(const QString& caption, QWidget* parent)
    : QDialog(parent), ownChooser_(std::make_unique<QtFontChooser>()), chooser_(ownChooser_.get()) {
    setWindowTitle(caption);
    auto* top = new QVBoxLayout(this);

    auto* text = Named(new QGroupBox(QStringLiteral("Text"), this), "GroupBox1");
    auto* textColumn = new QVBoxLayout(text);
    Memo1 = Named(new QPlainTextEdit(text), "Memo1");
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setMinimumSize(320, 120);
    textColumn->addWidget(Memo1);
    top->addWidget(text);

    auto* look = new QHBoxLayout;
    CheckBox1 = NamedCheck(this, "CheckBox1", "Transparent");
    CheckBox1->setChecked(true);
    look->addWidget(CheckBox1);
    look->addSpacing(16);
    look->addWidget(NamedLabel(this, "Label1", "Background Color"));
    ColorBox1 = Named(new TColorBox(this), "ColorBox1");
    ColorBox1->SetSelected(0xFFFFFF);
    look->addWidget(ColorBox1);
    look->addStretch(1);
    top->addLayout(look);

    Button3 = NamedButton(this, "Button3", "Set Font...");
    Button1 = NamedButton(this, "Button1", "OK");
    Button2 = NamedButton(this, "Button2", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button3);
    top->addLayout(buttons);
    AddButtonRow(buttons, {Button1, Button2});
    top->setSizeConstraint(QLayout::SetFixedSize);

    onClick(Button1, this, &TFormLabelBase::Button1Click);
    onClick(Button2, this, &TFormLabelBase::Button2Click);
    onClick(Button3, this, &TFormLabelBase::Button3Click);

    // The font dialog's own default; the text box shows it until another is chosen.
    dialogFont_ = TFont{};
    SetTextFont(TFont{});
}

TFormLabelBase::~TFormLabelBase() = default;

void TFormLabelBase::SetFontChooser(FontChooser* chooser) { chooser_ = chooser ? chooser : ownChooser_.get(); }

bool TFormLabelBase::RunModal() {
    Confirmed = false;
    Result.reset();
    Memo1->setFocus();
    exec();
    return Confirmed;
}

void TFormLabelBase::SetTextFont(const TFont& font) {
    textFont_ = font;
    Memo1->setFont(ToQFont(font));
    QPalette p = Memo1->palette();
    p.setColor(QPalette::Text, QColor::fromRgb(ColorToRgb(font.Color)));
    Memo1->setPalette(p);
}

void TFormLabelBase::Button1Click() {
    const std::string caption = zm::Trim(TypedText(Memo1).toStdString());
    if (caption.empty()) {
        message(this, MsgKind::Warning, QStringLiteral("Label string cannot be null."));
        return;
    }
    Result = TLabelLook{caption, textFont_, ColorBox1->Selected(), CheckBox1->isChecked()};
    Confirmed = true;
    accept();
}

void TFormLabelBase::Button2Click() { reject(); }

void TFormLabelBase::Button3Click() {
    TFont font = dialogFont_;
    if (!chooser_->choose(this, font)) return;
    dialogFont_ = font;
    SetTextFont(font);
}
