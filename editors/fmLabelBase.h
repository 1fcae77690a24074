#pragma once
// The add-label and edit-label dialogs share one layout and one OK: the text in a box that shows
// it in the chosen font and colour, "Transparent", "Background Color" and "Set Font...". OK trims
// the text and leaves the label's look in Result; the dialogs never touch a label control.

#include <QDialog>

#include <memory>
#include <optional>
#include <string>

#include "platform/ZMFont.h"

class FontChooser;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QtFontChooser;
class TColorBox;

// What a label dialog gives back: caption, font, background colour and transparency.
struct TLabelLook {
    std::string Caption;
    TFont Font;
    TColor Color = 0xFFFFFF;
    bool Transparent = true;
};

class TFormLabelBase : public QDialog {
    Q_OBJECT
public:
    ~TFormLabelBase() override;

    // Set by an OK that passed; empty before.
    std::optional<TLabelLook> Result;
    bool Confirmed = false;

    // Tests put their own font dialog in; nullptr restores the program's.
    void SetFontChooser(FontChooser* chooser);

    // The font the text is shown in, which OK gives back.
    const TFont& TextFont() const { return textFont_; }

    // Handlers; public so that tests can drive them.
    void Button1Click();  // OK
    void Button2Click();  // Cancel
    void Button3Click();  // Set Font...

protected:
    TFormLabelBase(const QString& caption, QWidget* parent);

    // Clears the result, shows the dialog modally and returns Confirmed.
    bool RunModal();
    // The text box shows `font` (face, size, style, colour).
    void SetTextFont(const TFont& font);

    // The font dialog's font: where "Set Font..." starts, then the font it last returned.
    TFont dialogFont_;

    QPlainTextEdit* Memo1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    TColorBox* ColorBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

private:
    TFont textFont_;
    std::unique_ptr<QtFontChooser> ownChooser_;
    FontChooser* chooser_ = nullptr;
};
