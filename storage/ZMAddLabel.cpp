#include "storage/ZMAddLabel.h"

#include "platform/ZMCanvas.h"
#include "storage/ZMXML.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000Fu);

std::vector<std::string> CaptionLines(const std::string& caption) {
    std::vector<std::string> lines;
    std::string_view rest = caption;
    for (;;) {
        const std::size_t end = rest.find('\n');
        lines.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos) return lines;
        rest.remove_prefix(end + 1);
    }
}

// A label's pixels: 32-bit with alpha, fully transparent to begin with.
QImage ClearImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (!image.isNull()) image.fill(Qt::transparent);
    return image;
}

}  // namespace

TAddLabel::TAddLabel(QWidget* parent) : QLabel(parent), color_(clBtnFace), font_(TFont::Default(ScreenPixelsPerInch())) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    Measure();
}

void TAddLabel::SetCaption(const std::string& caption) {
    caption_ = caption;
    setText(QString::fromStdString(caption));
    Measure();
}

void TAddLabel::SetColor(TColor color) {
    color_ = color;
    update();
}

void TAddLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void TAddLabel::SetFont(const TFont& font) {
    font_ = font;
    Measure();
}

void TAddLabel::AssignLook(const TAddLabel& source) {
    caption_ = source.caption_;
    setText(QString::fromStdString(caption_));
    font_.Assign(source.font_);
    transparent_ = source.transparent_;
    color_ = source.color_;
    Measure();
}

void TAddLabel::Measure() {
    // Measured on the kind of image the label is drawn on.
    QImage probe = ClearImage(QSize(1, 1));
    TCanvas canvas(&probe);
    canvas.SetFont(font_);
    const std::vector<std::string> lines = CaptionLines(caption_);
    int width = 0;
    for (const std::string& line : lines) width = std::max(width, canvas.TextWidth(line));
    const int64_t height = int64_t(canvas.TextHeight({})) * int64_t(lines.size());
    size_ = QSize(width, static_cast<int>(std::min<int64_t>(height, QWIDGETSIZE_MAX)));
    adjustSize();
    update();
}

QImage TAddLabel::Picture(const QRect& part) const {
    const QRect shown = part & QRect(QPoint(0, 0), size_);
    QImage image = ClearImage(shown.size());
    if (shown.isEmpty() || image.isNull()) return {};
    TCanvas canvas(&image);
    const int left = -shown.x();
    const int top = -shown.y();
    if (!transparent_) {
        canvas.SetBrush(TCanvasBrush{bsSolid, color_});
        canvas.FillRect(left, top, left + size_.width(), top + size_.height());
    }
    canvas.SetBrushStyle(bsClear);
    canvas.SetFont(font_);
    const int lineHeight = canvas.TextHeight({});
    int lineTop = top;
    for (const std::string& line : CaptionLines(caption_)) {
        if (lineTop + lineHeight > 0 && lineTop < shown.height()) canvas.TextOut(left, lineTop, line);
        lineTop += lineHeight;
    }
    canvas.Flush();
    return image;
}

// Qt takes a widget that fills its own background for transparent, so moving one does not
// scan its siblings: placing thousands of labels would take time growing with the square of
// their number.
void TAddLabel::paintEvent(QPaintEvent* event) {
    const QRect part = event->rect() & QRect(QPoint(0, 0), size_);
    const QImage image = Picture(part);
    if (image.isNull()) return;
    QPainter painter(this);
    painter.drawImage(part.topLeft(), image);
}
