#pragma once
// A text label on the plane's panel, anchored at world coordinates. It shows its caption
// as plain text, one line per line of the caption, sizes itself to it, and paints its
// background colour unless transparent. The screen and the pictures of the drawing paint it
// through Picture().
// x and y are the world anchor of its top-left corner (they hide QWidget::x()/y(); use
// pos() for the pixel position).

#include <QImage>
#include <QLabel>
#include <QRect>
#include <QSize>

#include <string>

#include "platform/ZMFont.h"

class TAddLabel : public QLabel {
    Q_OBJECT

public:
    explicit TAddLabel(QWidget* parent = nullptr);

    double x = 0;
    double y = 0;

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);

    // Caption, font (by font assignment), transparency and colour of another label.
    void AssignLook(const TAddLabel& source);

    // The part `part` (in the label's pixels) of the label as it shows, drawn through the canvas:
    // the background colour unless transparent, then the caption in the font. Where the label
    // is transparent the pixels are too. Null for a part outside the label.
    QImage Picture(const QRect& part) const;
    QSize sizeHint() const override { return size_; }
    QSize minimumSizeHint() const override { return size_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Sizes the label to its caption in its font.
    void Measure();

    std::string caption_;
    TColor color_;
    bool transparent_ = true;
    TFont font_;
    QSize size_;
};
