#include "output/ZMPanelImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace {
constexpr int kSize = 24;
}  // namespace

TPanelImage::TPanelImage(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::NoFocus); }

void TPanelImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

QPixmap TPanelImage::Draw(Picture picture) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x40, 0x80), 1));
    p.setBrush(QColor(0x40, 0x80, 0xD0));
    // A triangle with a bar at its tip, like the skip buttons of a player.
    const bool next = picture == Picture::NextSlide;
    const int tip = next ? kSize - 6 : 5;
    const int base = next ? 5 : kSize - 6;
    p.drawPolygon(QPolygon({QPoint(base, 4), QPoint(tip, kSize / 2), QPoint(base, kSize - 4)}));
    p.drawRect(next ? tip : tip - 3, 4, 3, kSize - 8);
    return pixmap;
}
