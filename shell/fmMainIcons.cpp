#include "shell/fmMainIcons.h"

#include "platform/ZMIconPaint.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <functional>

namespace {

constexpr int kSize = 24;

using Painter = std::function<void(QPainter&)>;

using namespace icon;

void page(QPainter& p, QRectF r = QRectF(5, 2, 14, 19)) {
    QPolygonF shape;
    shape << r.topLeft() << QPointF(r.right() - 4, r.top()) << QPointF(r.right(), r.top() + 4)
          << r.bottomRight() << r.bottomLeft();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPolygon(shape);
    p.drawLine(QPointF(r.right() - 4, r.top()), QPointF(r.right() - 4, r.top() + 4));
    p.drawLine(QPointF(r.right() - 4, r.top() + 4), QPointF(r.right(), r.top() + 4));
}

void axes(QPainter& p, QColor c = kInk) {
    p.setPen(QPen(c, 1));
    p.drawLine(QPointF(3, 12), QPointF(21, 12));
    p.drawLine(QPointF(12, 3), QPointF(12, 21));
}

void curve(QPainter& p, QColor c = kBlue) {
    QPainterPath path(QPointF(2, 19));
    path.cubicTo(QPointF(8, 0), QPointF(14, 24), QPointF(22, 4));
    p.setPen(QPen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void plus(QPainter& p, QPointF at, QColor c = kGreen) {
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(at + QPointF(-4, 0), at + QPointF(4, 0));
    p.drawLine(at + QPointF(0, -4), at + QPointF(0, 4));
}

void grid(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, 3.5), QColor(190, 210, 240));
    for (double y = r.top() + 4; y < r.bottom(); y += 4) p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
}

void arrow(QPainter& p, QPointF from, QPointF to, QColor c, double width = 2) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
    QLineF line(to, from);
    QLineF a = line;
    a.setLength(5);
    a.setAngle(line.angle() + 35);
    QLineF b = line;
    b.setLength(5);
    b.setAngle(line.angle() - 35);
    p.setBrush(c);
    p.setPen(QPen(c, 1));
    p.drawPolygon(QPolygonF() << to << a.p2() << b.p2());
}

void picture(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(200, 225, 255));
    p.drawRect(r);
    QPolygonF hill;
    hill << QPointF(r.left(), r.bottom()) << QPointF(r.left() + r.width() * 0.4, r.top() + r.height() * 0.45)
         << QPointF(r.left() + r.width() * 0.65, r.top() + r.height() * 0.7)
         << QPointF(r.left() + r.width() * 0.8, r.top() + r.height() * 0.55) << r.bottomRight();
    p.setBrush(kGreen);
    p.drawPolygon(hill);
    p.setBrush(kYellow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(r.right() - 4, r.top() + 4), 2, 2);
}

void floppy(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kBlue);
    p.drawRect(r);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top(), r.width() * 0.6, r.height() * 0.4));
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(QRectF(r.left() + r.width() * 0.25, r.top() + r.height() * 0.6, r.width() * 0.5, r.height() * 0.4));
}

void screen(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(2, 3, 20, 14));
    p.fillRect(QRectF(4, 5, 17, 11), QColor(230, 240, 255));
    p.drawLine(QPointF(12, 17), QPointF(12, 20));
    p.drawLine(QPointF(7, 21), QPointF(17, 21));
}

void magnifier(QPainter& p, bool in) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(230, 245, 255));
    p.drawEllipse(QPointF(10, 10), 7, 7);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 15), QPointF(21, 21));
    p.setPen(QPen(in ? kGreen : kRed, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(6, 10), QPointF(14, 10));
    if (in) p.drawLine(QPointF(10, 6), QPointF(10, 14));
}

void zoom(QPainter& p, bool in, bool x, bool y) {
    magnifier(p, in);
    p.setPen(QPen(kBlue, 1));
    QFont f = p.font();
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    const QString tag = x && y ? QStringLiteral("XY") : x ? QStringLiteral("X") : QStringLiteral("Y");
    p.drawText(QRectF(12, 0, 12, 9), Qt::AlignRight | Qt::AlignTop, tag);
}

void text(QPainter& p, const QString& s, QColor c, int px, QRectF r = QRectF(0, 0, kSize, kSize), bool italic = false) {
    QFont f = p.font();
    f.setPixelSize(px);
    f.setBold(true);
    f.setItalic(italic);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, s);
}

void calculator(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(210, 210, 215));
    p.drawRoundedRect(QRectF(5, 2, 14, 20), 2, 2);
    p.fillRect(QRectF(7, 4, 10, 4), QColor(200, 240, 200));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) p.fillRect(QRectF(7 + c * 3.5, 10 + r * 3.7, 2.5, 2.5), kInk);
}

const QHash<QString, Painter>& painters() {
    static const QHash<QString, Painter> table = {
        {QStringLiteral("ActionFileNew"), [](QPainter& p) { page(p); plus(p, QPointF(17, 17), kYellow.darker(120)); }},
        {QStringLiteral("ActionDocOpen"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(kYellow.darker(110));
             p.drawPolygon(QPolygonF() << QPointF(2, 6) << QPointF(9, 6) << QPointF(11, 8) << QPointF(20, 8)
                                       << QPointF(20, 20) << QPointF(2, 20));
             p.setBrush(kYellow);
             p.drawPolygon(QPolygonF() << QPointF(5, 11) << QPointF(23, 11) << QPointF(20, 20) << QPointF(2, 20));
         }},
        {QStringLiteral("ActionDocSave"), [](QPainter& p) { floppy(p, QRectF(3, 3, 18, 18)); }},
        {QStringLiteral("Print1"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(kPaper);
             p.drawRect(QRectF(7, 2, 10, 8));
             p.setBrush(QColor(170, 170, 175));
             p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
             p.setBrush(kPaper);
             p.drawRect(QRectF(6, 15, 12, 7));
             p.fillRect(QRectF(18, 11, 2, 2), kGreen);
         }},
        {QStringLiteral("ActionImportTable"),
         [](QPainter& p) { grid(p, QRectF(9, 4, 13, 17)); arrow(p, QPointF(1, 12), QPointF(11, 12), kGreen); }},
        {QStringLiteral("ActionExportTable"),
         [](QPainter& p) { grid(p, QRectF(2, 4, 13, 17)); arrow(p, QPointF(12, 12), QPointF(23, 12), kRed); }},
        {QStringLiteral("ActionSaveAsPicture"),
         [](QPainter& p) { picture(p, QRectF(2, 2, 18, 14)); floppy(p, QRectF(13, 13, 10, 10)); }},
        {QStringLiteral("ActionCopyAsPicture"),
         [](QPainter& p) { picture(p, QRectF(1, 1, 14, 11)); picture(p, QRectF(8, 10, 15, 12)); }},
        {QStringLiteral("ViewPopup"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(kPaper);
             p.drawRect(QRectF(2, 3, 20, 18));
             p.fillRect(QRectF(2.5, 3.5, 19.5, 3), kBlue);
             p.fillRect(QRectF(3, 7, 6, 13.5), QColor(220, 220, 220));
             curve(p);
         }},
        {QStringLiteral("ActionAddGraph"), [](QPainter& p) { axes(p, Qt::gray); curve(p); plus(p, QPointF(18, 18)); }},
        {QStringLiteral("ActionAddTable"), [](QPainter& p) { grid(p, QRectF(2, 2, 15, 18)); plus(p, QPointF(18, 18)); }},
        {QStringLiteral("ActionDeleteGraph"),
         [](QPainter& p) {
             axes(p, Qt::gray);
             curve(p);
             p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::FlatCap));
             p.drawLine(QPointF(14, 14), QPointF(22, 22));
             p.drawLine(QPointF(22, 14), QPointF(14, 22));
         }},
        {QStringLiteral("ActionEditGraph"),
         [](QPainter& p) {
             axes(p, Qt::gray);
             curve(p);
             p.setPen(QPen(QColor(150, 90, 20), 3, Qt::SolidLine, Qt::FlatCap));
             p.drawLine(QPointF(12, 22), QPointF(22, 12));
             p.setPen(QPen(kInk, 1));
             p.drawLine(QPointF(10, 23), QPointF(12, 22));
         }},
        {QStringLiteral("ActionFormulaCalculator"), [](QPainter& p) { calculator(p); }},
        {QStringLiteral("ActionValueTable"),
         [](QPainter& p) {
             grid(p, QRectF(3, 2, 18, 20));
             text(p, QStringLiteral("x"), kRed, 7, QRectF(3, 6, 9, 6));
             text(p, QStringLiteral("y"), kRed, 7, QRectF(12, 6, 9, 6));
         }},
        {QStringLiteral("ActionAnalyzeFunction"),
         [](QPainter& p) {
             curve(p);
             p.setPen(QPen(kInk, 2));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(15, 15), 5, 5);
             p.drawLine(QPointF(19, 19), QPointF(23, 23));
         }},
        {QStringLiteral("ActionIntersection"),
         [](QPainter& p) {
             p.setPen(QPen(kBlue, 2));
             p.drawLine(QPointF(2, 20), QPointF(22, 4));
             p.setPen(QPen(kGreen, 2));
             p.drawLine(QPointF(2, 6), QPointF(22, 18));
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             p.drawEllipse(QPointF(12.4, 11.8), 3, 3);
         }},
        {QStringLiteral("ActionDerivative"), [](QPainter& p) { text(p, QStringLiteral("f'"), kBlue, 16, QRectF(0, 0, kSize, kSize), true); }},
        {QStringLiteral("ActionTangentNormal"),
         [](QPainter& p) {
             QPainterPath path(QPointF(2, 4));
             path.quadTo(QPointF(12, 34), QPointF(22, 4));
             p.setPen(QPen(kBlue, 2));
             p.drawPath(path);
             p.setPen(QPen(kRed, 1.5));
             p.drawLine(QPointF(2, 19), QPointF(22, 19));
             p.setPen(QPen(kGreen, 1.5));
             p.drawLine(QPointF(12, 21), QPointF(12, 5));
         }},
        {QStringLiteral("ActionIntegration"),
         [](QPainter& p) {
             QPainterPath area(QPointF(4, 20));
             area.lineTo(4, 12);
             area.cubicTo(QPointF(9, 2), QPointF(15, 10), QPointF(20, 6));
             area.lineTo(20, 20);
             area.closeSubpath();
             p.setPen(QPen(kBlue, 1));
             p.setBrush(QColor(150, 190, 240));
             p.drawPath(area);
             p.setPen(QPen(kInk, 1));
             p.drawLine(QPointF(1, 20), QPointF(23, 20));
         }},
        {QStringLiteral("ActionViewCurrentDocument"), [](QPainter& p) { screen(p); curve(p); }},
        {QStringLiteral("ActionViewSlideShow"),
         [](QPainter& p) {
             screen(p);
             p.setPen(Qt::NoPen);
             p.setBrush(kGreen);
             p.drawPolygon(QPolygonF() << QPointF(9, 6) << QPointF(16, 10.5) << QPointF(9, 15));
         }},
        {QStringLiteral("ActionCoordinateProperties"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.5));
             arrow(p, QPointF(3, 21), QPointF(22, 21), kInk, 1.5);
             arrow(p, QPointF(3, 21), QPointF(3, 2), kInk, 1.5);
             p.setPen(QPen(Qt::gray, 1, Qt::DotLine));
             for (int x = 8; x < 22; x += 5) p.drawLine(QPointF(x, 5), QPointF(x, 20));
             for (int y = 16; y > 4; y -= 5) p.drawLine(QPointF(4, y), QPointF(20, y));
         }},
        {QStringLiteral("ActionCoordExpandBoth"), [](QPainter& p) { zoom(p, false, true, true); }},
        {QStringLiteral("ActionCoordExpandHor"), [](QPainter& p) { zoom(p, false, true, false); }},
        {QStringLiteral("ActionCoordExpandVer"), [](QPainter& p) { zoom(p, false, false, true); }},
        {QStringLiteral("ActionCoordContractBoth"), [](QPainter& p) { zoom(p, true, true, true); }},
        {QStringLiteral("ActionCoordContractHor"), [](QPainter& p) { zoom(p, true, true, false); }},
        {QStringLiteral("ActionCoordContractVer"), [](QPainter& p) { zoom(p, true, false, true); }},
        {QStringLiteral("ActionCoordMoveLeft"), [](QPainter& p) { arrow(p, QPointF(18, 12), QPointF(5, 12), kBlue, 3); }},
        {QStringLiteral("ActionCoordMoveRight"), [](QPainter& p) { arrow(p, QPointF(6, 12), QPointF(19, 12), kBlue, 3); }},
        {QStringLiteral("ActionCoordMoveUp"), [](QPainter& p) { arrow(p, QPointF(12, 18), QPointF(12, 5), kBlue, 3); }},
        {QStringLiteral("ActionCoordMoveDown"), [](QPainter& p) { arrow(p, QPointF(12, 6), QPointF(12, 19), kBlue, 3); }},
        {QStringLiteral("ActionCoordMoveLeftMore"),
         [](QPainter& p) { arrow(p, QPointF(22, 12), QPointF(9, 12), kGreen, 3); arrow(p, QPointF(14, 12), QPointF(1, 12), kGreen, 3); }},
        {QStringLiteral("ActionCoordMoveRightMore"),
         [](QPainter& p) { arrow(p, QPointF(2, 12), QPointF(15, 12), kGreen, 3); arrow(p, QPointF(10, 12), QPointF(23, 12), kGreen, 3); }},
        {QStringLiteral("ActionCoordMoveUpMore"),
         [](QPainter& p) { arrow(p, QPointF(12, 22), QPointF(12, 9), kGreen, 3); arrow(p, QPointF(12, 14), QPointF(12, 1), kGreen, 3); }},
        {QStringLiteral("ActionCoordMoveDownMore"),
         [](QPainter& p) { arrow(p, QPointF(12, 2), QPointF(12, 15), kGreen, 3); arrow(p, QPointF(12, 10), QPointF(12, 23), kGreen, 3); }},
        {QStringLiteral("ActionSelectInterval"),
         [](QPainter& p) {
             axes(p, Qt::gray);
             p.setPen(QPen(kInk, 1, Qt::DashLine));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(5, 6, 13, 11));
             p.setPen(QPen(kRed, 1));
             p.drawLine(QPointF(18, 17), QPointF(22, 21));
         }},
        {QStringLiteral("ActionCoordViewCenter"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.5));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(12, 12), 8, 8);
             p.drawLine(QPointF(12, 1), QPointF(12, 23));
             p.drawLine(QPointF(1, 12), QPointF(23, 12));
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
         }},
        {QStringLiteral("ToolButton52"),
         [](QPainter& p) {
             p.setPen(QPen(kBlue, 2.5, Qt::SolidLine, Qt::FlatCap));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(4, 4, 16, 16), 90 * 16, 270 * 16);
             p.setPen(Qt::NoPen);
             p.setBrush(kBlue);
             p.drawPolygon(QPolygonF() << QPointF(12, 0) << QPointF(17, 4) << QPointF(12, 8));
         }},
        {QStringLiteral("ActionAddLabel"),
         [](QPainter& p) {
             text(p, QStringLiteral("A"), kInk, 17, QRectF(0, 0, 16, 24));
             p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::FlatCap));
             p.drawLine(QPointF(14, 21), QPointF(22, 9));
         }},
    };
    return table;
}

}  // namespace

QIcon MainWindowIcon(const QString& actionName) {
    const auto it = painters().constFind(actionName);
    if (it == painters().constEnd()) return {};
    return QIcon(PaintedPicture(kSize, it.value()));
}
