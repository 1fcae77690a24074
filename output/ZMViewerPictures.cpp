#include "output/ZMViewerPictures.h"

#include "platform/ZMIconPaint.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

constexpr int kSize = 24;

const QColor kOutline(0x20, 0x40, 0x80);
const QColor kFill(0x40, 0x80, 0xD0);
const QColor kPaper(0xF4, 0xF4, 0xF4);

// A fat arrow from the centre towards `angle` degrees (0 right, 90 up).
void Arrow(QPainter& p, double angle) {
    const QPolygonF shape({QPointF(-8, -3), QPointF(1, -3), QPointF(1, -8), QPointF(9, 0), QPointF(1, 8), QPointF(1, 3),
                           QPointF(-8, 3)});
    p.save();
    p.translate(kSize / 2.0, kSize / 2.0);
    p.rotate(-angle);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kFill);
    p.drawPolygon(shape);
    p.restore();
}

// A two-headed arrow along a line.
void DoubleArrow(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(kOutline, 1.5));
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    p.setBrush(kOutline);
    for (const auto& [tip, dir] : {std::pair{b, u}, std::pair{a, -u}})
        p.drawPolygon(QPolygonF({tip, tip - dir * 3.5 + n * 2.5, tip - dir * 3.5 - n * 2.5}));
}

// A magnifying glass with "+" or "-", and the axes it acts on below it.
void Zoom(QPainter& p, bool in, bool x, bool y) {
    const QPointF centre(9, 8);
    p.setPen(QPen(QColor(0x60, 0x40, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13.5, 12.5), QPointF(17, 16));
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(0xE0, 0xF0, 0xFF));
    p.drawEllipse(centre, 6, 6);
    p.setPen(QPen(kOutline, 2));
    p.drawLine(centre - QPointF(3.5, 0), centre + QPointF(3.5, 0));
    if (in) p.drawLine(centre - QPointF(0, 3.5), centre + QPointF(0, 3.5));
    if (x) DoubleArrow(p, QPointF(2, 21), QPointF(14, 21));
    if (y) DoubleArrow(p, QPointF(21, 9), QPointF(21, 22));
}

void Pen(QPainter& p) {
    p.translate(kSize / 2.0, kSize / 2.0);
    p.rotate(45);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0xF0, 0xC0, 0x30));
    p.drawRect(QRectF(-2.5, -10, 5, 14));
    p.setBrush(QColor(0xF0, 0xD8, 0xB0));
    p.drawPolygon(QPolygonF({QPointF(-2.5, 4), QPointF(2.5, 4), QPointF(0, 10)}));
    p.setBrush(QColor(0x00, 0x00, 0xFF));
    p.drawPolygon(QPolygonF({QPointF(-0.8, 8), QPointF(0.8, 8), QPointF(0, 10)}));
}

void Refresh(QPainter& p) {
    const QRectF ring(4, 4, 16, 16);
    p.setPen(QPen(QColor(0x20, 0x90, 0x40), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 30 * 16, 300 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x90, 0x40));
    p.drawPolygon(QPolygonF({QPointF(15, 2), QPointF(21, 8), QPointF(14, 10)}));
}

void Axes(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    DoubleArrow(p, QPointF(2, 12), QPointF(22, 12));
    DoubleArrow(p, QPointF(12, 22), QPointF(12, 2));
}

void Curve(QPainter& p, QRectF in, QColor colour) {
    QPainterPath path;
    for (int i = 0; i <= 20; ++i) {
        const QPointF at(in.left() + in.width() * i / 20.0, in.center().y() - in.height() / 2 * std::sin(i * 0.314));
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    p.setPen(QPen(colour, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Draw(QPainter& p, TViewerPicture picture) {
    switch (picture) {
    case TViewerPicture::PreviousSlide:
    case TViewerPicture::NextSlide: {
        // A triangle with a bar at its tip, like the skip buttons of a player.
        const bool next = picture == TViewerPicture::NextSlide;
        const int tip = next ? kSize - 6 : 5;
        const int base = next ? 5 : kSize - 6;
        p.setPen(QPen(kOutline, 1));
        p.setBrush(kFill);
        p.drawPolygon(QPolygon({QPoint(base, 4), QPoint(tip, kSize / 2), QPoint(base, kSize - 4)}));
        p.drawRect(next ? tip : tip - 3, 4, 3, kSize - 8);
        break;
    }
    case TViewerPicture::MoveUp: Arrow(p, 90); break;
    case TViewerPicture::MoveDown: Arrow(p, 270); break;
    case TViewerPicture::MoveLeft: Arrow(p, 180); break;
    case TViewerPicture::MoveRight: Arrow(p, 0); break;
    case TViewerPicture::Centre:
        p.setPen(QPen(kOutline, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 8, 8);
        p.drawLine(QPointF(12, 1), QPointF(12, 23));
        p.drawLine(QPointF(1, 12), QPointF(23, 12));
        p.setBrush(kFill);
        p.drawEllipse(QPointF(12, 12), 3, 3);
        break;
    case TViewerPicture::ZoomOutBoth: Zoom(p, false, true, true); break;
    case TViewerPicture::ZoomOutX: Zoom(p, false, true, false); break;
    case TViewerPicture::ZoomOutY: Zoom(p, false, false, true); break;
    case TViewerPicture::ZoomInBoth: Zoom(p, true, true, true); break;
    case TViewerPicture::ZoomInX: Zoom(p, true, true, false); break;
    case TViewerPicture::ZoomInY: Zoom(p, true, false, true); break;
    case TViewerPicture::Pen: Pen(p); break;
    case TViewerPicture::Refresh: Refresh(p); break;
    case TViewerPicture::GraphList:
        p.setPen(QPen(kOutline, 1));
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 2.5, 19, 19));
        for (int row = 0; row < 3; ++row) {
            const double y = 7 + row * 5.5;
            p.setPen(Qt::NoPen);
            p.setBrush(row == 1 ? QColor(0x30, 0xA0, 0x30) : QColor(0xC0, 0x20, 0x20));
            p.drawRect(QRectF(5, y - 1.5, 3, 3));
            p.setPen(QPen(kOutline, 1));
            p.drawLine(QPointF(10, y), QPointF(19, y));
        }
        break;
    case TViewerPicture::Grid:
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
        for (int i = 0; i < 5; ++i) {
            p.drawLine(QPointF(3.5 + 4 * i, 3), QPointF(3.5 + 4 * i, 21));
            p.drawLine(QPointF(3, 3.5 + 4 * i), QPointF(21, 3.5 + 4 * i));
        }
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(QPointF(11.5, 2), QPointF(11.5, 22));
        p.drawLine(QPointF(2, 11.5), QPointF(22, 11.5));
        break;
    case TViewerPicture::CoordinateStyle:
        Axes(p);
        Curve(p, QRectF(3, 5, 18, 12), QColor(0xC0, 0x20, 0x20));
        break;
    case TViewerPicture::CoordinateProperties:
        p.setPen(QPen(kOutline, 1));
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 2.5, 19, 19));
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(5, 12), QPointF(19, 12));
        p.drawLine(QPointF(12, 5), QPointF(12, 19));
        Curve(p, QRectF(5, 6, 14, 12), QColor(0x20, 0x60, 0xC0));
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        p.setBrush(QColor(0xF0, 0xC0, 0x30));
        p.drawEllipse(QPointF(18, 18), 4, 4);
        p.drawEllipse(QPointF(18, 18), 1.5, 1.5);
        break;
    case TViewerPicture::Capture:
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
        p.setBrush(QColor(0x60, 0x60, 0x70));
        p.drawRoundedRect(QRectF(2.5, 7.5, 19, 13), 2, 2);
        p.drawRect(QRectF(8.5, 4.5, 7, 3));
        p.setBrush(QColor(0xA0, 0xD0, 0xFF));
        p.drawEllipse(QPointF(12, 14), 4.5, 4.5);
        p.setBrush(QColor(0xFF, 0xE0, 0x40));
        p.drawRect(QRectF(17, 9, 3, 2));
        break;
    case TViewerPicture::Open:
        p.setPen(QPen(QColor(0x80, 0x60, 0x10), 1));
        p.setBrush(QColor(0xE8, 0xC0, 0x50));
        p.drawPolygon(QPolygonF({QPointF(2.5, 6.5), QPointF(9, 6.5), QPointF(11, 8.5), QPointF(19.5, 8.5),
                                 QPointF(19.5, 19.5), QPointF(2.5, 19.5)}));
        p.setBrush(QColor(0xF8, 0xD8, 0x70));
        p.drawPolygon(QPolygonF({QPointF(2.5, 19.5), QPointF(6, 11.5), QPointF(22.5, 11.5), QPointF(19.5, 19.5)}));
        break;
    case TViewerPicture::Close:
        p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
        break;
    }
}

}  // namespace

QPixmap ViewerPicture(TViewerPicture picture) {
    return PaintedPicture(kSize, [picture](QPainter& p) { Draw(p, picture); });
}
