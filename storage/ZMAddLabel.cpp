#include "storage/ZMAddLabel.h"

#include "platform/ZMCanvas.h"
#include "storage/ZMXML.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000Fu);
constexpr int kMaxFontPixels = 1000;

QColor qColor(TColor c) { return QColor::fromRgb(ColorToRgb(c)); }

QFont qFont(const TFont& f) {
    QFont q(QString::fromStdString(f.Name));
    if (f.Height != 0) {
        const long long h = std::llabs(static_cast<long long>(f.Height));
        q.setPixelSize(static_cast<int>(std::min<long long>(h, kMaxFontPixels)));
    }
    q.setBold(f.HasStyle(fsBold));
    q.setItalic(f.HasStyle(fsItalic));
    q.setUnderline(f.HasStyle(fsUnderline));
    q.setStrikeOut(f.HasStyle(fsStrikeOut));
    if (f.Pitch == 2) q.setFixedPitch(true);
    return q;
}

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
    QLabel::setFont(qFont(font_));
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
