#include "shell/ZMCalcKeyIcons.h"

#include "platform/ZMIconPaint.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void DrawBackspace(QPainter& p, int s) {
    QPainterPath outline;
    outline.moveTo(2, s / 2.0);
    outline.lineTo(7, 4);
    outline.lineTo(s - 2, 4);
    outline.lineTo(s - 2, s - 4);
    outline.lineTo(7, s - 4);
    outline.closeSubpath();
    p.drawPath(outline);
    p.drawLine(10, 7, 15, s - 7);
    p.drawLine(15, 7, 10, s - 7);
}

void DrawGraph(QPainter& p, int s) {
    p.drawLine(2, s - 4, s - 2, s - 4);
    p.drawLine(4, 2, 4, s - 2);
    p.setPen(QPen(QColor(0, 0, 160), 1.6));
    QPainterPath curve;
    curve.moveTo(4, s - 6);
    curve.cubicTo(8, 0, 12, 22, s - 2, 3);
    p.drawPath(curve);
}

}  // namespace

QIcon CalcKeyIcon(const QString& label) {
    const int s = kCalcKeyIconSize;
    return QIcon(PaintedPicture(s, [&](QPainter& p) {
        p.setPen(QPen(Qt::black, 1.2));
        if (label == QLatin1String("backspace")) {
            DrawBackspace(p, s);
        } else if (label == QLatin1String("graph")) {
            DrawGraph(p, s);
        } else {
            // Word keys ("var", "or", "xor") share one small face; symbols are large and bold.
            bool word = label.size() > 1;
            for (const QChar c : label) word = word && c.isLetter();
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(word || label.size() > 2 ? 9 : label.size() == 2 ? 11 : 15);
            font.setBold(!word && label.size() <= 2);
            p.setFont(font);
            p.drawText(QRect(0, 0, s, s), Qt::AlignCenter, label);
        }
    }));
}
