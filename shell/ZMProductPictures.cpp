#include "shell/ZMProductPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

const QColor kInk(40, 40, 40);
const QColor kBlue(30, 90, 190);
const QColor kRed(200, 40, 40);
const QColor kGrid(200, 212, 232);

// A curve through `r`: y = f(x) with x and y in 0..1, y upwards.
QPainterPath CurveIn(const QRectF& r, const std::function<double(double)>& f) {
    QPainterPath path;
    constexpr int kSteps = 120;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const QPointF at(r.left() + t * r.width(), r.bottom() - f(t) * r.height());
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    return path;
}

// A small plane with axes and a wave, used on the banner.
void SmallPlot(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRect(r);
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.setPen(QPen(QColor(255, 220, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(CurveIn(r.adjusted(2, 4, -2, -4), [](double t) { return 0.5 + 0.45 * std::sin(t * 2 * std::numbers::pi); }));
}

}  // namespace

QPixmap OptionsBanner(int width) {
    constexpr int kHeight = 56;
    QPixmap pixmap(width, kHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, width, 0);
    sky.setColorAt(0, QColor(20, 60, 140));
    sky.setColorAt(1, QColor(70, 130, 210));
    p.fillRect(pixmap.rect(), sky);
    SmallPlot(p, QRectF(10, 8, 40, 40));
    QFont f = p.font();
    f.setPixelSize(24);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(62, 0, width - 70, kHeight), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zorvik Mendal"));
    return pixmap;
}

QPixmap TipsPicture() {
    constexpr int kSize = 48;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Glow, glass, then the screw base.
    QRadialGradient glow(QPointF(24, 19), 22);
    glow.setColorAt(0, QColor(255, 240, 150, 160));
    glow.setColorAt(1, QColor(255, 240, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(24, 19), 22, 22);
    QRadialGradient glass(QPointF(20, 14), 16);
    glass.setColorAt(0, QColor(255, 255, 220));
    glass.setColorAt(1, QColor(250, 200, 40));
    p.setBrush(glass);
    p.setPen(QPen(QColor(150, 110, 0), 1.5));
    QPainterPath bulb;
    bulb.moveTo(18, 32);
    bulb.cubicTo(QPointF(18, 26), QPointF(10, 24), QPointF(10, 17));
    bulb.cubicTo(QPointF(10, 9), QPointF(16.5, 4), QPointF(24, 4));
    bulb.cubicTo(QPointF(31.5, 4), QPointF(38, 9), QPointF(38, 17));
    bulb.cubicTo(QPointF(38, 24), QPointF(30, 26), QPointF(30, 32));
    bulb.closeSubpath();
    p.drawPath(bulb);
    p.setPen(QPen(QColor(150, 110, 0), 1));
    p.drawLine(QPointF(21, 31), QPointF(22.5, 18));
    p.drawLine(QPointF(27, 31), QPointF(25.5, 18));
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(170, 170, 175));
    for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(17.5, 33 + i * 3.5, 13, 3.5), 1.5, 1.5);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(21, 43, 6, 3));
    return pixmap;
}

QPixmap AboutPicture() {
    constexpr int kWidth = 400;
    constexpr int kHeight = 240;
    QPixmap pixmap(kWidth, kHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 0, kHeight);
    paper.setColorAt(0, QColor(250, 252, 255));
    paper.setColorAt(1, QColor(220, 232, 250));
    p.fillRect(pixmap.rect(), paper);

    p.setPen(QPen(kGrid, 1));
    for (int x = 20; x < kWidth; x += 20) p.drawLine(x, 0, x, kHeight);
    for (int y = 20; y < kHeight; y += 20) p.drawLine(0, y, kWidth, y);

    // The axes cross low on the right, clear of the texts on the left.
    const QPointF origin(300, 180);
    p.setPen(QPen(QColor(120, 130, 150), 1.5));
    p.drawLine(QPointF(0, origin.y()), QPointF(kWidth, origin.y()));
    p.drawLine(QPointF(origin.x(), 0), QPointF(origin.x(), kHeight));

    // The curves keep to the right half, away from the texts.
    const QRectF band(190, 60, kWidth - 190, 150);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(kBlue.red(), kBlue.green(), kBlue.blue(), 150), 2.5));
    p.drawPath(CurveIn(band, [](double t) { return 0.5 + 0.4 * std::sin(t * 3 * std::numbers::pi) * std::exp(-t); }));
    p.setPen(QPen(QColor(kRed.red(), kRed.green(), kRed.blue(), 120), 2, Qt::DashLine));
    p.drawPath(CurveIn(band, [](double t) { return 0.15 + 0.7 * t * t; }));
    return pixmap;
}
