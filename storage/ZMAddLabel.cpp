#include "storage/ZMAddLabel.h"

#include "platform/ZMCanvas.h"
#include "storage/ZMXML.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPalette>

namespace {

constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000Fu);

QColor qColor(TColor c) { return QColor::fromRgb(ColorToRgb(c)); }

}  // namespace

TAddLabel::TAddLabel(QWidget* parent) : QLabel(parent), color_(clBtnFace), font_(TFont::Default(ScreenPixelsPerInch())) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    Restyle();
}

void TAddLabel::SetCaption(const std::string& caption) {
    caption_ = caption;
    setText(QString::fromStdString(caption));
    adjustSize();
}

void TAddLabel::SetColor(TColor color) {
    color_ = color;
    Restyle();
}

void TAddLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Restyle();
}

void TAddLabel::SetFont(const TFont& font) {
    font_ = font;
    Restyle();
}

void TAddLabel::AssignLook(const TAddLabel& source) {
    caption_ = source.caption_;
    setText(QString::fromStdString(caption_));
    font_.Assign(source.font_);
    transparent_ = source.transparent_;
    color_ = source.color_;
    Restyle();
}

void TAddLabel::Restyle() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, qColor(color_));
    pal.setColor(QPalette::WindowText, qColor(font_.Color));
    setPalette(pal);
    QLabel::setFont(ToQFont(font_));
    adjustSize();
    update();
}

// The background is filled here rather than through autoFillBackground: Qt takes an
// auto-filled widget for opaque, and moving an opaque widget scans all of its siblings, so
// placing thousands of labels would take time growing with the square of their number.
void TAddLabel::paintEvent(QPaintEvent* event) {
    if (!transparent_) {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
    }
    QLabel::paintEvent(event);
}
