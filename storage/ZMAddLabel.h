#pragma once
// A text label on the plane's panel, anchored at world coordinates. It shows its caption
// as plain text, sizes itself to it, and paints its background colour unless transparent.
// x and y are the world anchor of its top-left corner (they hide QWidget::x()/y(); use
// pos() for the pixel position).

#include <QLabel>

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Restyle();

    std::string caption_;
    TColor color_;
    bool transparent_ = true;
    TFont font_;
};
