#include "platform/ZMCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPolygon>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <span>
#include <string_view>
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
std::span<const int> dashRuns(uint8_t style) {
    static constexpr int kDash[] = {18, 6};
    static constexpr int kDot[] = {3, 3};
    static constexpr int kDashDot[] = {9, 6, 3, 6};
    static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case psDash: return kDash;
    case psDot: return kDot;
    case psDashDot: return kDashDot;
    case psDashDotDot: return kDashDotDot;
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
        const std::span<const int> runs = dashRuns(p.Style);
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

int clampCoord(int64_t v) { return static_cast<int>(std::clamp(v, -kCoordLimit, kCoordLimit)); }

__extension__ using Int128 = __int128;

bool InImage(QPoint p, int64_t w, int64_t h) { return p.x() >= 0 && p.x() < w && p.y() >= 0 && p.y() < h; }

// The pixels of a thin pen's polyline. Each segment colours its start pixel and leaves
// out its end pixel whichever way it runs (the toolkit's stroker always leaves out the
// lower-right end instead). A dash pattern runs on across the segments. Only pixels
// inside w x h are walked, so far-away points cost nothing.
class ThinPolyline {
public:
    // dash: on/off per pixel of one period; empty for a solid pen.
    ThinPolyline(int w, int h, std::span<const uint8_t> dash) : w_(w), h_(h), on_(dash), period_(int64_t(dash.size())) {}

    // Calls sink.pixel(xMajor, major, minor) for each pixel the pen colours and
    // sink.gap() for each pixel a dash leaves out, in drawing order, then sink.end().
    template <class Sink>
    void Segment(QPoint a, QPoint b, Sink& sink) {
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
        // i range whose major coordinate lies inside the image; all of it when both ends do
        int64_t lo = 0, hi = n - 1;
        const bool whole = InImage(a, w_, h_) && InImage(b, w_, h_);
        if (!whole) {
            lo = std::max<int64_t>(sMajor > 0 ? -a0 : a0 - (limMajor - 1), 0);
            hi = std::min<int64_t>(sMajor > 0 ? limMajor - 1 - a0 : a0, n - 1);
        }
        // the minor coordinate moves monotonically: narrow the range by bisection
        const auto inside = [&](int64_t i) {
            const int64_t m = minorAt(i);
            return m >= 0 && m < limMinor;
        };
        const auto beforeImage = [&](int64_t i) {  // still short of the image along the minor axis
            const int64_t m = minorAt(i);
            return sMinor > 0 ? m < 0 : m >= limMinor;
        };
        if (!whole && lo <= hi && adMinor != 0 && !(inside(lo) && inside(hi))) {
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
        // walk incrementally: minor offset q with remainder r of (2 i |dMinor| + n) / 2n
        int64_t q = 0, r = n;
        if (lo > 0) {
            const Int128 num = Int128(2) * lo * adMinor + n;
            q = static_cast<int64_t>(num / (Int128(2) * n));
            r = static_cast<int64_t>(num % (Int128(2) * n));
        }
        int64_t k = period_ ? (pos_ + lo) % period_ : 0;
        for (int64_t i = lo; i <= hi; ++i) {
            const int64_t mj = a0 + sMajor * i, mn = a1 + sMinor * q;
            const bool on = (!period_ || on_[static_cast<size_t>(k)]) && mn >= 0 && mn < limMinor;
            r += 2 * adMinor;
            if (r >= 2 * n) {
                r -= 2 * n;
                ++q;
            }
            if (period_ && ++k == period_) k = 0;
            if (on)
                sink.pixel(xMajor, mj, mn);
            else
                sink.gap();
        }
        sink.end();
        if (period_) pos_ = (pos_ + n) % period_;
    }

private:
    int64_t w_, h_;
    std::span<const uint8_t> on_;
    int64_t period_;
    int64_t pos_ = 0;
};

// Collects the pixels as boxes: runs on one row (x major) or column (y major).
class ThinRuns {
public:
    explicit ThinRuns(std::vector<QRect>& out) : out_(out) {}

    void pixel(bool xMajor, int64_t mj, int64_t mn) {
        if (open_ && mn == runMinor_ && (mj == runHi_ + 1 || mj == runLo_ - 1)) {
            runLo_ = std::min(runLo_, mj);
            runHi_ = std::max(runHi_, mj);
            return;
        }
        end();
        open_ = true;
        xMajor_ = xMajor;
        runLo_ = runHi_ = mj;
        runMinor_ = mn;
    }
    void gap() { end(); }
    void end() {
        if (!open_) return;
        const int lo = int(runLo_), len = int(runHi_ - runLo_ + 1);
        out_.push_back(xMajor_ ? QRect(lo, int(runMinor_), len, 1) : QRect(int(runMinor_), lo, 1, len));
        open_ = false;
    }

private:
    std::vector<QRect>& out_;
    bool open_ = false;
    bool xMajor_ = true;
    int64_t runLo_ = 0, runHi_ = 0, runMinor_ = 0;
};

// Sets the pixels straight in a 32-bit image (copy mode, opaque colour).
class ThinPixels {
public:
    ThinPixels(uchar* bits, qsizetype stride, uint32_t argb) : bits_(bits), stride_(stride), argb_(argb) {}

    void pixel(bool xMajor, int64_t mj, int64_t mn) {
        const int64_t x = xMajor ? mj : mn, y = xMajor ? mn : mj;
        reinterpret_cast<uint32_t*>(bits_ + y * stride_)[x] = argb_;
    }
    void gap() {}
    void end() {}

private:
    uchar* bits_;
    qsizetype stride_;
    uint32_t argb_;
};

struct Box {
    int64_t x1, y1, x2, y2;
};

Box normalised(int x1, int y1, int x2, int y2) {
    return {std::min<int64_t>(x1, x2), std::min<int64_t>(y1, y2), std::max<int64_t>(x1, x2), std::max<int64_t>(y1, y2)};
}

}  // namespace

uint32_t ColorToRgb(TColor c) { return toQColor(c).rgb() & 0xFFFFFFu; }

QFont ToQFont(const TFont& f) {
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

struct TCanvas::Impl {
    QImage* target = nullptr;
    QPainter painter;
    bool active = false;
    uchar* bits = nullptr;  // the target's pixels while the painter is active
    qsizetype stride = 0;
    int width = 0, height = 0;  // the target's, while the painter is active

    TCanvasPen pen;
    TCanvasBrush brush;
    TCanvasFont font;
    TPoint pos;

    std::vector<QPoint> pending;  // consecutive LineTo points, drawn as one polyline

    // What the painter holds, so that unchanged state is not set again.
    enum class PenSet { Stale, Canvas, None };
    enum class BrushSet { Stale, Canvas, Thin };
    PenSet penSet = PenSet::Stale;
    BrushSet brushSet = BrushSet::Stale;
    QColor thinBrush;  // the solid colour of BrushSet::Thin
    bool modeDirty = true;

    // The thin pen's colour and whether its pixels go straight into the image, worked out
    // once per pen and painting.
    bool thinReady = false;
    bool thinDirect = false;
    bool thinAtOnce = false;  // a thin solid pen writing straight into the image
    QColor thinColor;
    QRgb thinArgb = 0;

    // Reused by every flush of thin lines.
    std::vector<QRect> thinRuns;
    std::vector<uint8_t> dash;  // on/off per pixel of the pen's pattern
    uint8_t dashStyle = psSolid;

    bool fontValid = false;
    QFont qfont;
    std::unique_ptr<QFontMetrics> metrics;

    std::vector<TCanvasRecord>* rec = nullptr;

    bool begin() {
        if (active) return true;
        if (!target || target->isNull()) return false;
        if (!painter.begin(target)) return false;
        active = true;
        thinReady = false;
        penSet = PenSet::Stale;
        brushSet = BrushSet::Stale;
        modeDirty = true;
        const QImage::Format f = target->format();
        const bool direct = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
        bits = direct ? target->bits() : nullptr;  // the painter has detached the image already
        stride = target->bytesPerLine();
        width = target->width();
        height = target->height();
        return true;
    }

    void applyMode() {
        if (!modeDirty) return;
        painter.setCompositionMode(pen.Mode == pmNotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                        : QPainter::CompositionMode_SourceOver);
        modeDirty = false;
    }
    void applyPen() {
        if (penSet == PenSet::Canvas) return;
        painter.setPen(toQPen(pen));
        penSet = PenSet::Canvas;
    }
    void applyNoPen() {
        if (penSet == PenSet::None) return;
        painter.setPen(Qt::NoPen);
        penSet = PenSet::None;
    }
    void applyBrush() {
        if (brushSet == BrushSet::Canvas) return;
        painter.setBrush(toQBrush(brush));
        brushSet = BrushSet::Canvas;
    }

    // Readies the painter for a primitive in the canvas pen and brush; false when there is
    // no image to draw on.
    bool prepare() {
        if (!begin()) return false;
        applyMode();
        applyPen();
        applyBrush();
        return true;
    }

    void flushLines() {
        if (pending.size() >= 2 && begin()) {
            applyMode();
            if (pen.Width <= 1 && penStyle(pen.Style) != Qt::NoPen) {
                drawThin();
            } else {
                applyPen();
                painter.drawPolyline(pending.data(), static_cast<int>(pending.size()));
            }
        }
        pending.clear();
    }

    std::span<const uint8_t> dashPattern() {
        if (dash.empty() || dashStyle != pen.Style) {
            dash.clear();
            dashStyle = pen.Style;
            const std::span<const int> runs = dashRuns(pen.Style);
            for (size_t r = 0; r < runs.size(); ++r) dash.insert(dash.end(), static_cast<size_t>(runs[r]), r % 2 == 0);
        }
        return dash;
    }

    void prepareThin() {
        if (thinReady) return;
        thinColor = toQColor(pen.Color);  // system colours follow the palette
        thinArgb = thinColor.rgba();
        thinDirect = bits && pen.Mode == pmCopy && thinColor.alpha() == 255 && painter.transform().isIdentity();
        thinAtOnce = thinDirect && pen.Width <= 1 && penStyle(pen.Style) == Qt::SolidLine;
        thinReady = true;
    }

    // A thin solid pen whose pixels go straight into the image draws each segment as it
    // comes: nothing carries over from one segment to the next.
    bool drawsSegmentsAtOnce() {
        if (!begin()) return false;
        prepareThin();
        return thinAtOnce;
    }
    void drawSegment(QPoint a, QPoint b) {
        if (InImage(a, width, height) && InImage(b, width, height)) {
            // the walk of ThinPolyline::Segment with nothing to clip: the minor coordinate
            // of the i-th pixel is (2 i |dMinor| + n) / 2n rounded down, kept as q and r
            const int dx = b.x() - a.x(), dy = b.y() - a.y();
            const bool xMajor = std::abs(dx) >= std::abs(dy);
            const int n = std::max(std::abs(dx), std::abs(dy));
            const int64_t adMinor = std::abs(xMajor ? dy : dx);
            const qsizetype xStep = dx < 0 ? -1 : 1, yStep = dy < 0 ? -stride / 4 : stride / 4;
            const qsizetype majorStep = xMajor ? xStep : yStep, minorStep = xMajor ? yStep : xStep;
            uint32_t* px = reinterpret_cast<uint32_t*>(bits + a.y() * stride) + a.x();
            int64_t r = n;
            for (int i = 0; i < n; ++i) {
                *px = thinArgb;
                px += majorStep;
                r += 2 * adMinor;
                if (r >= 2 * int64_t(n)) {
                    r -= 2 * int64_t(n);
                    px += minorStep;
                }
            }
            return;
        }
        ThinPolyline line(width, height, {});
        ThinPixels sink(bits, stride, thinArgb);
        line.Segment(a, b, sink);
    }

    // Thin pens are rasterised here, pixel by pixel, to get the end-pixel rule right. In
    // copy mode with an opaque colour the pixels are set straight in the image; otherwise
    // (not-xor, other formats) they go to the painter as boxes.
    void drawThin() {
        const std::span<const uint8_t> pattern = penStyle(pen.Style) == Qt::SolidLine ? std::span<const uint8_t>() : dashPattern();
        ThinPolyline line(width, height, pattern);
        prepareThin();
        const QColor& color = thinColor;
        if (thinDirect) {
            ThinPixels sink(bits, stride, thinArgb);
            for (size_t i = 0; i + 1 < pending.size(); ++i) line.Segment(pending[i], pending[i + 1], sink);
            return;
        }
        thinRuns.clear();
        ThinRuns sink(thinRuns);
        for (size_t i = 0; i + 1 < pending.size(); ++i) line.Segment(pending[i], pending[i + 1], sink);
        if (thinRuns.empty()) return;
        applyNoPen();
        if (brushSet != BrushSet::Thin || thinBrush != color) {
            painter.setBrush(color);
            brushSet = BrushSet::Thin;
            thinBrush = color;
        }
        painter.drawRects(thinRuns.data(), static_cast<int>(thinRuns.size()));
    }

    void end() {
        flushLines();
        if (active) {
            painter.end();
            active = false;
            bits = nullptr;
        }
    }

    const QFont& qFont() {
        if (!fontValid) {
            qfont = ToQFont(font.Font);
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

    void record(TCanvasRecord::Kind kind, std::initializer_list<TPoint> pts, std::string_view text = {}) {
        if (rec) rec->push_back(TCanvasRecord{kind, std::vector<TPoint>(pts), std::string(text), pen, brush});
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
    d->thinReady = false;
    if (d->penSet == Impl::PenSet::Canvas) d->penSet = Impl::PenSet::Stale;
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
    if (d->brushSet == Impl::BrushSet::Canvas) d->brushSet = Impl::BrushSet::Stale;
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
    if (d->rec) d->record(TCanvasRecord::MoveTo, {d->pos});
}

void TCanvas::LineTo(int x, int y) {
    if (d->pending.empty() && d->drawsSegmentsAtOnce()) {
        d->drawSegment(QPoint(d->pos.x, d->pos.y), QPoint(x, y));
    } else {
        if (d->pending.empty()) d->pending.emplace_back(d->pos.x, d->pos.y);
        d->pending.emplace_back(x, y);
    }
    d->pos = {x, y};
    if (d->rec) d->record(TCanvasRecord::LineTo, {d->pos});
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
    if (!d->begin()) return;
    const int64_t w = d->target->width(), h = d->target->height();
    b.x1 = std::clamp<int64_t>(b.x1, 0, w);
    b.x2 = std::clamp<int64_t>(b.x2, 0, w);
    b.y1 = std::clamp<int64_t>(b.y1, 0, h);
    b.y2 = std::clamp<int64_t>(b.y2, 0, h);
    if (b.x2 - b.x1 <= 0 || b.y2 - b.y1 <= 0) return;
    d->applyMode();
    d->applyNoPen();
    d->applyBrush();
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
    if (d->rec) d->rec->push_back(TCanvasRecord{TCanvasRecord::Polygon, pts, {}, d->pen, d->brush});
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
    if (d->begin()) {
        d->applyMode();
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
        d->penSet = Impl::PenSet::Stale;
    }
    const int64_t nx = std::clamp<int64_t>(int64_t(x) + tw, INT32_MIN, INT32_MAX);
    d->pos = {static_cast<int>(nx), y};
}

int TCanvas::TextWidth(const std::string& text) {
    return d->fm().horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

int TCanvas::TextHeight(const std::string&) { return d->fm().height(); }

void TCanvas::SetRecording(std::vector<TCanvasRecord>* sink) { d->rec = sink; }

bool TCanvas::Recording() const { return d->rec != nullptr; }

void TCanvas::StretchDraw(int x1, int y1, int x2, int y2, const QImage& image) {
    d->flushLines();
    if (x2 <= x1 || y2 <= y1 || image.isNull() || !d->begin()) return;
    // Only the part of the box on the image is drawn, so that far-away boxes keep Qt's numbers
    // small; the source part is the same fraction of the image.
    const int64_t bw = int64_t(x2) - x1, bh = int64_t(y2) - y1;
    const int64_t cx1 = std::max<int64_t>(x1, 0), cy1 = std::max<int64_t>(y1, 0);
    const int64_t cx2 = std::min<int64_t>(x2, d->target->width()), cy2 = std::min<int64_t>(y2, d->target->height());
    if (cx2 <= cx1 || cy2 <= cy1) return;
    QPainter& p = d->painter;
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect clip(int(cx1), int(cy1), int(cx2 - cx1), int(cy2 - cy1));
    if (bw == image.width() && bh == image.height()) {
        p.drawImage(clip.topLeft(), image, QRect(int(cx1 - x1), int(cy1 - y1), clip.width(), clip.height()));
    } else if (cx1 == x1 && cy1 == y1 && cx2 == x2 && cy2 == y2) {
        p.drawImage(clip, image);
    } else {
        const double sx = double(image.width()) / double(bw), sy = double(image.height()) / double(bh);
        const QRectF source(double(cx1 - x1) * sx, double(cy1 - y1) * sy, double(clip.width()) * sx,
                            double(clip.height()) * sy);
        p.drawImage(QRectF(clip), image, source);
    }
    d->modeDirty = true;
}

void TCanvas::Draw(int x, int y, const QImage& image) {
    d->flushLines();
    if (image.isNull() || !d->begin()) return;
    // Only the part on the target is handed to the painter, so far-away points stay small.
    const int64_t x1 = std::max<int64_t>(x, 0), y1 = std::max<int64_t>(y, 0);
    const int64_t x2 = std::min<int64_t>(int64_t(x) + image.width(), d->target->width());
    const int64_t y2 = std::min<int64_t>(int64_t(y) + image.height(), d->target->height());
    if (x2 <= x1 || y2 <= y1) return;
    QPainter& p = d->painter;
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(QPoint(int(x1), int(y1)), image, QRect(int(x1 - x), int(y1 - y), int(x2 - x1), int(y2 - y1)));
    d->modeDirty = true;
}
