#include "tools/ZMUnitIcons.h"

#include "platform/ZMIconPaint.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <functional>

namespace {

constexpr int kSize = 32;

using Painter = std::function<void(QPainter&)>;

using namespace icon;
const QColor kLightBlue(150, 190, 240);
const QColor kGrey(150, 150, 150);

void pen(QPainter& p, const QColor& c, double width = 2) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void arrowHead(QPainter& p, QPointF tip, QPointF dir, const QColor& c) {
    const QPointF side(-dir.y(), dir.x());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF() << tip << tip - dir * 6 + side * 4 << tip - dir * 6 - side * 4);
}

void area(QPainter& p) {
    pen(p, kInk, 1.5);
    p.setBrush(kLightBlue);
    p.drawRect(QRectF(5, 5, 22, 22));
    pen(p, kBlue, 1);
    for (int k = 1; k < 4; ++k) {
        p.drawLine(QPointF(5 + 5.5 * k, 5), QPointF(5 + 5.5 * k, 27));
        p.drawLine(QPointF(5, 5 + 5.5 * k), QPointF(27, 5 + 5.5 * k));
    }
}

void bits(QPainter& p) {
    const bool on[2][4] = {{true, false, true, true}, {false, true, true, false}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) {
            pen(p, kInk, 1);
            p.setBrush(on[r][c] ? kGreen : kPaper);
            p.drawRect(QRectF(3 + 7 * c, 8 + 9 * r, 5, 7));
        }
}

void density(QPainter& p) {
    pen(p, kInk, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(5, 10, 17, 17));
    p.drawPolygon(QPolygonF() << QPointF(5, 10) << QPointF(10, 5) << QPointF(27, 5) << QPointF(22, 10));
    p.drawPolygon(QPolygonF() << QPointF(22, 10) << QPointF(27, 5) << QPointF(27, 22) << QPointF(22, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    for (QPointF d : {QPointF(9, 14), QPointF(15, 13), QPointF(12, 19), QPointF(18, 21), QPointF(8, 23)})
        p.drawEllipse(d, 1.8, 1.8);
}

void energy(QPainter& p) {
    pen(p, kInk, 1);
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF() << QPointF(19, 2) << QPointF(7, 18) << QPointF(15, 18) << QPointF(12, 30)
                              << QPointF(25, 12) << QPointF(17, 12) << QPointF(21, 2));
}

void force(QPainter& p) {
    pen(p, kInk, 1.5);
    p.setBrush(kGrey);
    p.drawRect(QRectF(17, 9, 12, 14));
    pen(p, kRed, 3);
    p.drawLine(QPointF(2, 16), QPointF(10, 16));
    arrowHead(p, QPointF(16, 16), QPointF(1, 0), kRed);
}

void length(QPainter& p) {
    pen(p, kInk, 1.5);
    p.setBrush(kYellow);
    p.drawRect(QRectF(2, 11, 28, 10));
    pen(p, kInk, 1);
    for (int k = 1; k < 7; ++k) p.drawLine(QPointF(2 + 4 * k, 11), QPointF(2 + 4 * k, k % 2 ? 15 : 18));
}

void mass(QPainter& p) {
    pen(p, kInk, 1.5);
    p.setBrush(kGrey);
    p.drawPolygon(QPolygonF() << QPointF(9, 11) << QPointF(23, 11) << QPointF(28, 28) << QPointF(4, 28));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(12, 4, 8, 7));
    QFont f = p.font();
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kPaper);
    p.drawText(QRectF(4, 14, 24, 13), Qt::AlignCenter, QStringLiteral("kg"));
}

void power(QPainter& p) {
    pen(p, kInk, 1.5);
    p.setBrush(kYellow);
    p.drawEllipse(QRectF(8, 3, 16, 16));
    p.setBrush(kGrey);
    p.drawRect(QRectF(12, 19, 8, 8));
    pen(p, kInk, 1);
    p.drawLine(QPointF(12, 22), QPointF(20, 22));
    p.drawLine(QPointF(14, 29), QPointF(18, 29));
}

void dial(QPainter& p, const QColor& face, double needleDeg) {
    pen(p, kInk, 1.5);
    p.setBrush(face);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    pen(p, kInk, 1);
    for (int k = 0; k <= 4; ++k) {
        p.save();
        p.translate(16, 16);
        p.rotate(-135 + 67.5 * k);
        p.drawLine(QPointF(0, -12), QPointF(0, -9));
        p.restore();
    }
    p.save();
    p.translate(16, 16);
    p.rotate(needleDeg);
    pen(p, kRed, 2);
    p.drawLine(QPointF(0, 2), QPointF(0, -10));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(16, 16), 2, 2);
}

void pressure(QPainter& p) { dial(p, kPaper, 50); }

void speed(QPainter& p) {
    pen(p, kBlue, 2);
    p.drawLine(QPointF(2, 10), QPointF(14, 10));
    p.drawLine(QPointF(5, 16), QPointF(20, 16));
    p.drawLine(QPointF(2, 22), QPointF(14, 22));
    arrowHead(p, QPointF(30, 16), QPointF(1, 0), kBlue);
    pen(p, kBlue, 3);
    p.drawLine(QPointF(18, 16), QPointF(25, 16));
}

void temperature(QPainter& p) {
    pen(p, kInk, 1.5);
    p.setBrush(kPaper);
    QPainterPath tube;
    tube.addRoundedRect(QRectF(13, 2, 6, 22), 3, 3);
    p.drawPath(tube);
    p.setBrush(kRed);
    p.drawEllipse(QRectF(10, 20, 12, 11));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(14.5, 10, 3, 12));
    pen(p, kInk, 1);
    for (int k = 0; k < 4; ++k) p.drawLine(QPointF(20, 5 + 4 * k), QPointF(23, 5 + 4 * k));
}

void volume(QPainter& p) {
    pen(p, kInk, 1.5);
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF() << QPointF(7, 3) << QPointF(25, 3) << QPointF(25, 29) << QPointF(7, 29));
    p.setPen(Qt::NoPen);
    p.setBrush(kLightBlue);
    p.drawRect(QRectF(8, 14, 16.5, 14.5));
    pen(p, kInk, 1);
    for (int k = 0; k < 5; ++k) p.drawLine(QPointF(7, 8 + 4.5 * k), QPointF(k % 2 ? 11 : 14, 8 + 4.5 * k));
}

QPixmap render(int size, const Painter& draw) { return PaintedPicture(size, draw, kSize); }

}  // namespace

QIcon UnitCategoryIcon(int index) {
    static const std::array<Painter, 12> painters{area,  bits,     density,  energy, force,       length,
                                                  mass,  power,    pressure, speed,  temperature, volume};
    if (index < 0 || index >= static_cast<int>(painters.size())) return {};
    const Painter& draw = painters[static_cast<std::size_t>(index)];
    QIcon icon;
    // The same picture when selected: the style would otherwise tint it.
    for (int size : {16, 24, 32}) {
        const QPixmap pix = render(size, draw);
        icon.addPixmap(pix, QIcon::Normal);
        icon.addPixmap(pix, QIcon::Selected);
    }
    return icon;
}

QPixmap UnitConverterPicture() {
    return render(48, [](QPainter& p) {
        // Two scales with arrows between them: one value read on both.
        length(p);
        pen(p, kGreen, 2);
        p.drawLine(QPointF(8, 6), QPointF(22, 6));
        arrowHead(p, QPointF(28, 6), QPointF(1, 0), kGreen);
        pen(p, kGreen, 2);
        p.drawLine(QPointF(24, 26), QPointF(10, 26));
        arrowHead(p, QPointF(4, 26), QPointF(-1, 0), kGreen);
    });
}
