#pragma once
// The font dialog behind a seam, as the file dialogs are: a window that asks for a font holds a
// FontChooser* (a QtFontChooser by default) that tests replace with a double.
//
// The program's font dialog is Qt's font widget with a colour box under it. What it gives back is
// a TFont: the face, style flags and colour chosen, the size in whole points at the screen's
// resolution, and the starting font's Charset and Pitch. A face left as it was shown keeps the
// starting font's name, also where the system substitutes another face for it.

#include "platform/ZMFont.h"

#include <QDialog>
#include <QString>

class QFontDialog;
class TColorBox;

class FontChooser {
public:
    virtual ~FontChooser() = default;
    // Opens on `font`. True with the chosen font in `font` when the user confirmed; false leaves
    // `font` alone.
    virtual bool choose(QWidget* parent, TFont& font) = 0;
};

class TFontColorDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFontColorDialog(QWidget* parent = nullptr);

    // The font the dialog starts from.
    void SetStartFont(const TFont& font);
    // The font as chosen so far.
    TFont ChosenFont() const;

    QFontDialog* FontWidget() const { return fontWidget_; }
    TColorBox* ColorBox() const { return colorBox_; }

private:
    QFontDialog* fontWidget_;
    TColorBox* colorBox_;
    TFont start_;
    QString shownFamily_;
};

class QtFontChooser final : public FontChooser {
public:
    bool choose(QWidget* parent, TFont& font) override;
};
