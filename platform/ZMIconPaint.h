#pragma once
// What the program's drawn icons share: one palette and one way onto a transparent picture.

#include <QColor>
#include <QPixmap>

#include <functional>

class QPainter;

namespace icon {
inline const QColor kInk(40, 40, 40);
inline const QColor kPaper(255, 255, 255);
inline const QColor kBlue(30, 90, 190);
inline const QColor kGreen(20, 140, 60);
inline const QColor kRed(200, 30, 30);
inline const QColor kYellow(240, 190, 40);
}  // namespace icon

// A transparent, antialiased `size` x `size` picture; `draw` paints on a `grid` x `grid` square
// scaled to fit (0: the picture's own size).
QPixmap PaintedPicture(int size, const std::function<void(QPainter&)>& draw, int grid = 0);
