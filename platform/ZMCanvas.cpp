#include "platform/ZMCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPolygon>
#include <QVector>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kMaxPenWidth = 1000;
constexpr int kMaxFontPixels = 2000;
constexpr int64_t kCoordLimit = int64_t(1) << 24;  // far outside any image, safe for Qt

QPalette::ColorRole systemRole(uint32_t index) {
    switch (index) {
    case 5: return QPalette::Base;
    case 8: return QPalette::WindowText;
    case 15: return QPalette::Button;
    case 18: return QPalette::ButtonText;
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 16: return QPalette::Dark;
    case 20: return QPalette::Light;
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::WindowText;
    }
}

QColor toQColor(TColor c) {
    const uint32_t u = static_cast<uint32_t>(c);
    if ((u >> 24) == 0xFFu) {
        const QPalette pal = QGuiApplication::instance() ? QGuiApplication::palette() : QPalette();
        return pal.color(QPalette::Active, systemRole(u & 0xFFu));
    }
    return QColor(int(u & 0xFF), int((u >> 8) & 0xFF), int((u >> 16) & 0xFF));
}

Qt::PenStyle penStyle(uint8_t code) {
    switch (code) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;  // solid, inside frame and unknown codes
    }
}

Qt::BrushStyle brushStyle(uint8_t code) {
    switch (code) {
    case bsSolid: return Qt::SolidPattern;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;  // clear and unknown codes
    }
}

// On and off runs, in pixels, of the thin styled pens; empty for solid.
std::vector<int> dashRuns(uint8_t style) {
    switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

QPen toQPen(const TCanvasPen& p) {
    const QColor c = toQColor(p.Color);
    const Qt::PenStyle s = penStyle(p.Style);
    if (s == Qt::NoPen) return QPen(Qt::NoPen);
    if (p.Width <= 1) {
        QPen pen(QBrush(c), 0, s, Qt::FlatCap, Qt::MiterJoin);
        // outlines of boxes and ellipses dash like the thin lines
        const std::vector<int> runs = dashRuns(p.Style);
        if (!runs.empty()) pen.setDashPattern(QList<qreal>(runs.begin(), runs.end()));
        return pen;
    }
    return QPen(QBrush(c), std::min(p.Width, kMaxPenWidth), s, Qt::RoundCap, Qt::RoundJoin);
}

QBrush toQBrush(const TCanvasBrush& b) {
    const Qt::BrushStyle s = brushStyle(b.Style);
    if (s == Qt::NoBrush) return QBrush(Qt::NoBrush);
    return QBrush(toQColor(b.Color), s);
}

QFont toQFont(const TFont& f) {
    QFont q(QString::fromStdString(f.Name));
    if (f.Height != 0) {
        const int64_t h = std::llabs(static_cast<int64_t>(f.Height));
        q.setPixelSize(static_cast<int>(std::min<int64_t>(h, kMaxFontPixels)));
    }
    q.setBold(f.HasStyle(fsBold));
    q.setItalic(f.HasStyle(fsItalic));
    q.setUnderline(f.HasStyle(fsUnderline));
    q.setStrikeOut(f.HasStyle(fsStrikeOut));
    if (f.Pitch == 2) q.setFixedPitch(true);
    return q;
}

int clampCoord(int64_t v) { return static_cast<int>(std::clamp(v, -kCoordLimit, kCoordLimit)); }

__extension__ using Int128 = __int128;

// The pixels of a thin pen's polyline, as one-pixel-thick runs. Each segment colours its
// start pixel and leaves out its end pixel whichever way it runs (the toolkit's stroker
// always leaves out the lower-right end instead). A dash pattern runs on across the
// segments. Only pixels inside w x h are produced, so far-away points cost nothing.
class ThinPolyline {
public:
    ThinPolyline(int w, int h, uint8_t style) : w_(w), h_(h) {
        const std::vector<int> runs = dashRuns(style);
        for (size_t r = 0; r < runs.size(); ++r) on_.insert(on_.end(), static_cast<size_t>(runs[r]), r % 2 == 0);
        period_ = static_cast<int64_t>(on_.size());
    }

    void Segment(QPoint a, QPoint b, QVector<QRect>& out) {
        const int64_t dx = int64_t(b.x()) - a.x(), dy = int64_t(b.y()) - a.y();
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        const int64_t n = std::max(std::llabs(dx), std::llabs(dy));
        if (n == 0) return;
        const int64_t a0 = xMajor ? a.x() : a.y(), a1 = xMajor ? a.y() : a.x();
        const int64_t dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
        const int64_t sMajor = dMajor < 0 ? -1 : 1, sMinor = dMinor < 0 ? -1 : 1;
        const int64_t adMinor = std::llabs(dMinor);
        const int64_t limMajor = xMajor ? w_ : h_, limMinor = xMajor ? h_ : w_;
        // minor coordinate of the i-th pixel: the ideal line rounded half away from the start
        const auto minorAt = [&](int64_t i) {
            return a1 + sMinor * static_cast<int64_t>((Int128(2) * i * adMinor + n) / (Int128(2) * n));
        };
        // i range whose major coordinate lies inside the image
        int64_t lo = sMajor > 0 ? -a0 : a0 - (limMajor - 1);
        int64_t hi = sMajor > 0 ? limMajor - 1 - a0 : a0;
        lo = std::max<int64_t>(lo, 0);
        hi = std::min<int64_t>(hi, n - 1);
        // the minor coordinate moves monotonically: narrow the range by bisection
        const auto inside = [&](int64_t i) {
            const int64_t m = minorAt(i);
            return m >= 0 && m < limMinor;
        };
        const auto beforeImage = [&](int64_t i) {  // still short of the image along the minor axis
            const int64_t m = minorAt(i);
            return sMinor > 0 ? m < 0 : m >= limMinor;
        };
        if (lo <= hi && adMinor != 0) {
            int64_t l = lo, r = hi + 1;  // first i not before the image
            while (l < r) {
                const int64_t mid = l + (r - l) / 2;
                if (beforeImage(mid)) l = mid + 1;
                else r = mid;
            }
            lo = l;
            l = lo;
            r = hi + 1;  // first i past the image
            while (l < r) {
                const int64_t mid = l + (r - l) / 2;
                if (inside(mid)) l = mid + 1;
                else r = mid;
            }
            hi = l - 1;
        }
        // runs of pixels on one row (x major) or column (y major) become one box each
        bool open = false;
        int64_t runLo = 0, runHi = 0, runMinor = 0;
        const auto close = [&] {
            if (!open) return;
            const int lo2 = int(runLo), len = int(runHi - runLo + 1);
            out.append(xMajor ? QRect(lo2, int(runMinor), len, 1) : QRect(int(runMinor), lo2, 1, len));
            open = false;
        };
        // walk incrementally: minor offset q with remainder r of (2 i |dMinor| + n) / 2n
        const Int128 num = Int128(2) * lo * adMinor + n;
        int64_t q = static_cast<int64_t>(num / (Int128(2) * n));
        int64_t r = static_cast<int64_t>(num % (Int128(2) * n));
        int64_t k = period_ ? static_cast<int64_t>((Int128(pos_) + lo) % period_) : 0;
        for (int64_t i = lo; i <= hi; ++i) {
            const int64_t mj = a0 + sMajor * i, mn = a1 + sMinor * q;
            const bool on = (!period_ || on_[static_cast<size_t>(k)]) && mn >= 0 && mn < limMinor;
            r += 2 * adMinor;
            if (r >= 2 * n) {
                r -= 2 * n;
                ++q;
            }
            if (period_ && ++k == period_) k = 0;
            if (!on) {
                close();
                continue;
            }
            if (open && mn == runMinor && (mj == runHi + 1 || mj == runLo - 1)) {
                runLo = std::min(runLo, mj);
                runHi = std::max(runHi, mj);
                continue;
            }
            close();
            open = true;
            runLo = runHi = mj;
            runMinor = mn;
        }
        close();
        pos_ = period_ ? static_cast<int64_t>((Int128(pos_) + n) % period_) : 0;
    }

private:
    int64_t w_, h_;
    std::vector<bool> on_;  // per pixel of one period
    int64_t period_ = 0;
    int64_t pos_ = 0;
};

struct Box {
    int64_t x1, y1, x2, y2;
};

Box normalised(int x1, int y1, int x2, int y2) {
    return {std::min<int64_t>(x1, x2), std::min<int64_t>(y1, y2), std::max<int64_t>(x1, x2), std::max<int64_t>(y1, y2)};
}

}  // namespace

uint32_t ColorToRgb(TColor c) { return toQColor(c).rgb() & 0xFFFFFFu; }

struct TCanvas::Impl {
    QImage* target = nullptr;
    QPainter painter;
    bool active = false;

    TCanvasPen pen;
    TCanvasBrush brush;
    TCanvasFont font;
    TPoint pos;

    QPolygon pending;  // consecutive LineTo points, drawn as one polyline

    bool penDirty = true;
    bool brushDirty = true;
    bool modeDirty = true;

    bool fontValid = false;
    QFont qfont;
    std::unique_ptr<QFontMetrics> metrics;

    std::vector<TCanvasRecord>* rec = nullptr;

    bool begin() {
        if (active) return true;
        if (!target || target->isNull()) return false;
        if (!painter.begin(target)) return false;
        active = true;
        penDirty = brushDirty = modeDirty = true;
        return true;
    }

    void applyState() {
        if (modeDirty) {
            painter.setCompositionMode(pen.Mode == pmNotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                            : QPainter::CompositionMode_SourceOver);
            modeDirty = false;
        }
        if (penDirty) {
            painter.setPen(toQPen(pen));
            penDirty = false;
        }
        if (brushDirty) {
            painter.setBrush(toQBrush(brush));
            brushDirty = false;
        }
    }

    // Readies the painter for a primitive; false when there is no image to draw on.
    bool prepare() {
        if (!begin()) return false;
        applyState();
        return true;
    }

    void flushLines() {
        if (pending.size() >= 2 && prepare()) {
            if (pen.Width <= 1 && penStyle(pen.Style) != Qt::NoPen)
                drawThin();
            else
                painter.drawPolyline(pending);
        }
        pending.clear();
    }

    // Thin pens are rasterised here, pixel by pixel, to get the end-pixel rule right.
    void drawThin() {
        ThinPolyline line(target->width(), target->height(), pen.Style);
        QVector<QRect> runs;
        for (qsizetype i = 0; i + 1 < pending.size(); ++i) line.Segment(pending[i], pending[i + 1], runs);
        if (runs.isEmpty()) return;
        painter.setPen(Qt::NoPen);
        painter.setBrush(toQColor(pen.Color));
        painter.drawRects(runs.constData(), static_cast<int>(runs.size()));
        penDirty = brushDirty = true;
    }

    void end() {
        flushLines();
        if (active) {
            painter.end();
            active = false;
        }
    }

    const QFont& qFont() {
        if (!fontValid) {
            qfont = toQFont(font.Font);
            metrics = target && !target->isNull() ? std::make_unique<QFontMetrics>(qfont, target)
                                                  : std::make_unique<QFontMetrics>(qfont);
            fontValid = true;
        }
        return qfont;
    }
    const QFontMetrics& fm() {
        qFont();
        return *metrics;
    }

    void record(TCanvasRecord::Kind kind, std::vector<TPoint> pts, std::string text = {}) {
        if (rec) rec->push_back(TCanvasRecord{kind, std::move(pts), std::move(text), pen, brush});
    }
};

TCanvas::TCanvas(QImage* target) : d(std::make_unique<Impl>()) { d->target = target; }

TCanvas::~TCanvas() { d->end(); }

void TCanvas::SetTarget(QImage* target) {
    d->end();
    d->target = target;
    d->fontValid = false;
}

QImage* TCanvas::Target() const { return d->target; }

void TCanvas::Flush() { d->end(); }

const TCanvasPen& TCanvas::Pen() const { return d->pen; }

void TCanvas::SetPen(const TCanvasPen& pen) {
    if (pen == d->pen) return;
    d->flushLines();
    if (pen.Mode != d->pen.Mode) d->modeDirty = true;
    d->pen = pen;
    d->penDirty = true;
}

void TCanvas::SetPenWidth(int32_t width) {
    TCanvasPen p = d->pen;
    p.Width = std::max<int32_t>(width, 0);
    SetPen(p);
}

void TCanvas::SetPenStyle(uint8_t style) {
    TCanvasPen p = d->pen;
    p.Style = style;
    SetPen(p);
}

void TCanvas::SetPenColor(TColor color) {
    TCanvasPen p = d->pen;
    p.Color = color;
    SetPen(p);
}

void TCanvas::SetPenMode(uint8_t mode) {
    TCanvasPen p = d->pen;
    p.Mode = mode == pmNotXor ? pmNotXor : pmCopy;
    SetPen(p);
}

const TCanvasBrush& TCanvas::Brush() const { return d->brush; }

void TCanvas::SetBrush(const TCanvasBrush& brush) {
    if (brush == d->brush) return;
    d->flushLines();
    d->brush = brush;
    d->brushDirty = true;
}

void TCanvas::SetBrushColor(TColor color) {
    TCanvasBrush b = d->brush;
    b.Color = color;
    if (b.Style == bsClear) b.Style = bsSolid;
    SetBrush(b);
}

void TCanvas::SetBrushStyle(uint8_t style) {
    TCanvasBrush b = d->brush;
    b.Style = style;
    SetBrush(b);
}

const TCanvasFont& TCanvas::Font() const { return d->font; }

void TCanvas::SetFont(const TCanvasFont& font) {
    if (font == d->font) return;
    d->flushLines();
    if (!(font.Font == d->font.Font)) d->fontValid = false;
    d->font = font;
}

void TCanvas::SetFont(const TFont& font) { SetFont(TCanvasFont{font, 0}); }

void TCanvas::SetFontColor(TColor color) {
    TCanvasFont f = d->font;
    f.Font.Color = color;
    SetFont(f);
}

void TCanvas::SetFontEscapement(int32_t escapement) {
    TCanvasFont f = d->font;
    f.Escapement = escapement;
    SetFont(f);
}

TPoint TCanvas::PenPos() const { return d->pos; }

void TCanvas::SetPenPos(TPoint p) { MoveTo(p.x, p.y); }

void TCanvas::MoveTo(int x, int y) {
    d->flushLines();
    d->pos = {x, y};
    d->record(TCanvasRecord::MoveTo, {d->pos});
}

void TCanvas::LineTo(int x, int y) {
    if (d->pending.isEmpty()) d->pending.append(QPoint(d->pos.x, d->pos.y));
    d->pending.append(QPoint(x, y));
    d->pos = {x, y};
    d->record(TCanvasRecord::LineTo, {d->pos});
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    d->flushLines();
    d->record(TCanvasRecord::Rect, {{x1, y1}, {x2, y2}});
    Box b = normalised(x1, y1, x2, y2);
    if (b.x2 - b.x1 <= 0 || b.y2 - b.y1 <= 0 || !d->prepare()) return;
    if (penStyle(d->pen.Style) == Qt::NoPen) {
        FillRect(x1, y1, x2, y2);
        if (d->rec) d->rec->pop_back();  // recorded as the rectangle above
        return;
    }
    // An outline far outside the image is invisible: pull it in to keep Qt's numbers small.
    const int64_t m = int64_t(std::min(std::max(d->pen.Width, 1), kMaxPenWidth)) + 2;
    const int64_t w = d->target->width(), h = d->target->height();
    b.x1 = std::clamp(b.x1, -m, w + m);
    b.x2 = std::clamp(b.x2, -m, w + m);
    b.y1 = std::clamp(b.y1, -m, h + m);
    b.y2 = std::clamp(b.y2, -m, h + m);
    if (b.x2 - b.x1 <= 0 || b.y2 - b.y1 <= 0) return;
    d->painter.drawRect(QRect(int(b.x1), int(b.y1), int(b.x2 - b.x1 - 1), int(b.y2 - b.y1 - 1)));
}

void TCanvas::FillRect(int x1, int y1, int x2, int y2) {
    d->flushLines();
    d->record(TCanvasRecord::Fill, {{x1, y1}, {x2, y2}});
    Box b = normalised(x1, y1, x2, y2);
    if (!d->prepare()) return;
    const int64_t w = d->target->width(), h = d->target->height();
    b.x1 = std::clamp<int64_t>(b.x1, 0, w);
    b.x2 = std::clamp<int64_t>(b.x2, 0, w);
    b.y1 = std::clamp<int64_t>(b.y1, 0, h);
    b.y2 = std::clamp<int64_t>(b.y2, 0, h);
    if (b.x2 - b.x1 <= 0 || b.y2 - b.y1 <= 0) return;
    d->painter.setPen(Qt::NoPen);
    d->penDirty = true;
    d->painter.drawRect(QRect(int(b.x1), int(b.y1), int(b.x2 - b.x1), int(b.y2 - b.y1)));
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    d->flushLines();
    d->record(TCanvasRecord::Ellipse, {{x1, y1}, {x2, y2}});
    Box b = normalised(x1, y1, x2, y2);
    if (b.x2 - b.x1 <= 0 || b.y2 - b.y1 <= 0 || !d->prepare()) return;
    b = {clampCoord(b.x1), clampCoord(b.y1), clampCoord(b.x2), clampCoord(b.y2)};
    d->painter.drawEllipse(QRect(int(b.x1), int(b.y1), int(b.x2 - b.x1 - 1), int(b.y2 - b.y1 - 1)));
}

void TCanvas::Polygon(const std::vector<TPoint>& pts) {
    d->flushLines();
    d->record(TCanvasRecord::Polygon, pts);
    if (pts.empty() || !d->prepare()) return;
    QPolygon poly;
    poly.reserve(static_cast<qsizetype>(pts.size()));
    for (const TPoint& p : pts) poly.append(QPoint(p.x, p.y));
    d->painter.drawPolygon(poly, Qt::OddEvenFill);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    d->flushLines();
    d->record(TCanvasRecord::TextOut, {{x, y}}, text);
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int tw = d->fm().horizontalAdvance(s);
    if (d->prepare()) {
        const int th = d->fm().height();
        const int ascent = d->fm().ascent();
        QPainter& p = d->painter;
        p.translate(clampCoord(x), clampCoord(y));
        if (d->font.Escapement == -900)
            p.rotate(90);
        else if (d->font.Escapement == 900)
            p.rotate(-90);
        if (d->brush.Style == bsSolid) p.fillRect(QRect(0, 0, tw, th), toQColor(d->brush.Color));
        p.setFont(d->qFont());
        p.setPen(toQColor(d->font.Font.Color));
        p.drawText(0, ascent, s);
        p.resetTransform();
        d->penDirty = true;
    }
    const int64_t nx = std::clamp<int64_t>(int64_t(x) + tw, INT32_MIN, INT32_MAX);
    d->pos = {static_cast<int>(nx), y};
}

int TCanvas::TextWidth(const std::string& text) {
    return d->fm().horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

int TCanvas::TextHeight(const std::string&) { return d->fm().height(); }

void TCanvas::SetRecording(std::vector<TCanvasRecord>* sink) { d->rec = sink; }
