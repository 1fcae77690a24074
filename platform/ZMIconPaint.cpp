#include "platform/ZMIconPaint.h"

#include <QPainter>

QPixmap PaintedPicture(int size, const std::function<void(QPainter&)>& draw, int grid) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (grid > 0 && grid != size) p.scale(size / double(grid), size / double(grid));
    draw(p);
    return pixmap;
}
