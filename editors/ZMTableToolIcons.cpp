#include "editors/ZMTableToolIcons.h"

#include "platform/ZMIconPaint.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <array>

namespace {

const QColor kLine(50, 50, 60);
const QColor kSheet(250, 250, 245);
const QColor kCellBlue(70, 110, 200);
const QColor kOk(30, 150, 70);
const QColor kStop(210, 40, 40);
const QColor kWood(190, 140, 70);

// A small two-column table with `rows` rows at (x, y).
void Sheet(QPainter& p, double x, double y, double w, int rows) {
    const double h = rows * 4.0;
    p.setPen(QPen(kLine, 1));
    p.setBrush(kSheet);
    p.drawRect(QRectF(x, y, w, h));
    for (int r = 1; r < rows; ++r) p.drawLine(QPointF(x, y + 4 * r), QPointF(x + w, y + 4 * r));
    p.drawLine(QPointF(x + w / 2, y), QPointF(x + w / 2, y + h));
}

// A filled triangle pointing from `base` towards `tip`.
void Head(QPainter& p, QPointF base, QPointF tip, QColor c) {
    const QPointF d = tip - base;
    const QPointF n(-d.y() * 0.6, d.x() * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF{base + n, tip, base - n});
}

// A bent arrow for Undo (leftwards) and Redo (rightwards).
void Turn(QPainter& p, bool left) {
    const double s = left ? 1 : -1;
    const double cx = 12;
    QPainterPath path(QPointF(cx + s * 7, 18));
    path.cubicTo(QPointF(cx + s * 9, 8), QPointF(cx - s * 1, 5), QPointF(cx - s * 4, 8));
    p.setPen(QPen(kCellBlue, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    Head(p, QPointF(cx - s * 3, 8.5), QPointF(cx - s * 9, 11), kCellBlue);
}

void Lens(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(kLine, 2));
    p.setBrush(QColor(215, 235, 255));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(kWood, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(r * 0.75, r * 0.75), c + QPointF(r * 1.7, r * 1.7));
}

void Letter(QPainter& p, const QRectF& box, const QString& text, QColor c, int px, bool bold = true) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(c);
    p.drawText(box, Qt::AlignCenter, text);
}

void Copy(QPainter& p) {
    Sheet(p, 2, 2, 12, 4);
    Sheet(p, 9, 8, 12, 4);
}

void Cut(QPainter& p) {
    p.setPen(QPen(kLine, 1.6));
    p.drawLine(QPointF(6, 2), QPointF(15, 15));
    p.drawLine(QPointF(18, 2), QPointF(9, 15));
    p.setPen(QPen(kStop, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(7, 18), 3.2, 3.2);
    p.drawEllipse(QPointF(17, 18), 3.2, 3.2);
}

void Paste(QPainter& p) {
    p.setPen(QPen(kLine, 1));
    p.setBrush(kWood);
    p.drawRoundedRect(QRectF(3, 3, 14, 18), 2, 2);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(7, 1.5, 6, 3));
    Sheet(p, 10, 9, 11, 3);
}

void Find(QPainter& p) { Lens(p, QPointF(10, 10), 6); }

void Replace(QPainter& p) {
    Lens(p, QPointF(7, 7), 4.5);
    Letter(p, QRectF(11, 11, 12, 12), QStringLiteral("b"), kOk, 12);
}

void Delete(QPainter& p) {
    Sheet(p, 2, 4, 16, 4);
    p.setPen(QPen(kStop, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 13), QPointF(21, 21));
    p.drawLine(QPointF(21, 13), QPointF(13, 21));
}

void Insert(QPainter& p) {
    Sheet(p, 7, 2, 15, 5);
    p.setPen(QPen(kOk, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(1, 8), QPointF(6, 8));
    Head(p, QPointF(5, 8), QPointF(9, 8), kOk);
    p.fillRect(QRectF(7.5, 6.5, 14, 3), QColor(190, 235, 200));
}

void Swap(QPainter& p) {
    p.setPen(QPen(kCellBlue, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4, 8), QPointF(17, 8));
    Head(p, QPointF(16, 8), QPointF(22, 8), kCellBlue);
    p.setPen(QPen(kOk, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(20, 16), QPointF(7, 16));
    Head(p, QPointF(8, 16), QPointF(2, 16), kOk);
}

void Undo(QPainter& p) { Turn(p, true); }
void Redo(QPainter& p) { Turn(p, false); }

void Purge(QPainter& p) {
    // An eraser over a row.
    Sheet(p, 2, 12, 18, 2);
    QPolygonF block{QPointF(9, 3), QPointF(17, 3), QPointF(13, 13), QPointF(5, 13)};
    p.setPen(QPen(kLine, 1));
    p.setBrush(QColor(240, 150, 170));
    p.drawPolygon(block);
    p.setBrush(QColor(120, 150, 220));
    p.drawPolygon(QPolygonF{QPointF(7, 8), QPointF(15, 8), QPointF(13, 13), QPointF(5, 13)});
}

void Fill(QPainter& p) {
    Sheet(p, 3, 2, 10, 5);
    p.fillRect(QRectF(8.5, 2.5, 4, 19), QColor(255, 210, 90));
    Letter(p, QRectF(12, 6, 12, 14), QStringLiteral("n"), kCellBlue, 13);
}

void Modify(QPainter& p) {
    // A pencil across a cell.
    Sheet(p, 2, 14, 14, 2);
    QPolygonF body{QPointF(9, 15), QPointF(19, 3), QPointF(22, 6), QPointF(12, 18)};
    p.setPen(QPen(kLine, 1));
    p.setBrush(QColor(250, 200, 60));
    p.drawPolygon(body);
    p.setBrush(kLine);
    p.drawPolygon(QPolygonF{QPointF(9, 15), QPointF(12, 18), QPointF(7.5, 19.5)});
}

void Sort(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kCellBlue);
    for (int i = 0; i < 4; ++i) p.drawRect(QRectF(2, 3 + i * 5, 4 + i * 3, 3));
    p.setPen(QPen(kOk, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(19, 2), QPointF(19, 16));
    Head(p, QPointF(19, 15), QPointF(19, 22), kOk);
}

void Info(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kCellBlue);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    Letter(p, QRectF(2, 2, 20, 20), QStringLiteral("i"), Qt::white, 15);
}

using Draw = void (*)(QPainter&);
constexpr std::array<Draw, 15> kPictures{Copy,   Cut,    Paste, Find,  Replace, Delete, Insert, Swap,
                                         Undo,   Redo,   Purge, Fill,  Modify,  Sort,   Info};

}  // namespace

QIcon TableToolIcon(int picture) {
    if (picture < 0 || picture >= static_cast<int>(kPictures.size())) return {};
    return QIcon(PaintedPicture(kTableToolIconSize, kPictures[static_cast<std::size_t>(picture)]));
}
