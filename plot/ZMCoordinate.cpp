#include "plot/ZMCoordinate.h"

#include "engine/ZMNumber.h"
#include "platform/ZMLocale.h"
#include "platform/ZMScreen.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

using zm::TOperatorLib;
using zm::TVarMemory;

namespace {

int ClampPixel(int64_t v) {
    constexpr int64_t kLimit = TScreenMapping::kPixelLimit;
    return static_cast<int>(std::clamp<int64_t>(v, -kLimit, kLimit));
}

// base + offset for offsets a file may make huge.
int Offset(int base, int64_t offset) { return ClampPixel(static_cast<int64_t>(base) + offset); }

bool IsRegion(const TFunctionObj& f) { return f.FunctionObjType == 4 && zm::Trim(f.AddExp) != "=0"; }

// The crossed axis lies on 0 when the range holds it, else on the edge nearest to 0.
double AxisPosition(double lo, double hi) {
    if (lo > 0) return lo;
    if (hi < 0) return hi;
    return 0;
}

}  // namespace

TCoordinate::TCoordinate(QWidget* parent)
    : QWidget(parent), Settings(TCoordinateSettings::Create(ScreenPixelsPerInch())) {
    setMouseTracking(true);
    canvas_.SetFont(TFont::Default(ScreenPixelsPerInch()));
}

void TCoordinate::EnsureImage() {
    const QSize want(std::max(width(), 0), std::max(height(), 0));
    if (image_.size() == want && !(image_.isNull() && !want.isEmpty())) return;
    canvas_.Flush();
    image_ = want.isEmpty() ? QImage() : QImage(want, QImage::Format_RGB32);
    if (!image_.isNull()) {
        image_.setDevicePixelRatio(1);
        image_.fill(Qt::white);
    }
    canvas_.SetTarget(&image_);
}

const QImage& TCoordinate::Picture() {
    EnsureImage();
    canvas_.Flush();
    return image_;
}

TCanvas& TCoordinate::GetCanvas() {
    EnsureImage();
    return canvas_;
}

void TCoordinate::paintEvent(QPaintEvent*) {
    const QImage& img = Picture();
    QPainter p(this);
    p.drawImage(0, 0, img);
}

// Enough for every tick of a view zoomed far out, few enough to stay quick on steps read from a file.
int TCoordinate::StepCap() const { return 8 * (std::max(width(), height()) + 1) + 16; }

void TCoordinate::StepLoop(double start, double step, const std::function<bool(double)>& keep,
                           const std::function<void(double)>& f) const {
    if (!(step > 0) || !std::isfinite(step)) return;
    const int cap = StepCap();
    double v = start;
    for (int n = 0; n < cap && keep(v); ++n) {
        f(v);
        const double next = v + step;
        if (!(next > v)) break;
        v = next;
    }
}

std::string TCoordinate::NumberText(double v) const { return zm::FloatToStr(v, decimalSeparator()); }

void TCoordinate::SaveCanvas() {
    SavedPen = canvas_.Pen();
    SavedBrush = canvas_.Brush();
    SavedFont = canvas_.Font();
}

void TCoordinate::RestoreCanvas() {
    canvas_.SetPen(SavedPen);
    canvas_.SetBrush(SavedBrush);
    canvas_.SetFont(SavedFont);
}

void TCoordinate::ClearBackground() {
    EnsureImage();
    canvas_.SetPenColor(Settings.BackgroundColor);
    canvas_.SetBrushColor(Settings.BackgroundColor);
    canvas_.SetBrushStyle(bsSolid);
    canvas_.Rectangle(0, 0, width(), height());
}

// Everything the plane without graphs is drawn from: the size, every setting, the rows of
// the legend, the texts' decimal separator, the palette behind system colours and the
// canvas state the drawing starts from.
struct TCoordinate::PlaneKey {
    struct LegendRow {
        std::uint8_t show;
        TGraphStyle style;
        std::string caption;
        bool region;
        bool operator==(const LegendRow&) const = default;
    };
    int width, height;
    TCoordinateSettings settings;
    bool hasMemory;
    std::vector<LegendRow> legend;
    char separator;
    qint64 palette;
    TCanvasPen pen;
    TCanvasBrush brush;
    TCanvasFont font;
    TPoint penPos;
    bool operator==(const PlaneKey&) const = default;
};

// The picture of the plane without graphs and the canvas state its drawing ended with.
struct TCoordinate::KeptPlane {
    PlaneKey key;
    QImage picture;
    TCanvasPen pen;
    TCanvasBrush brush;
    TCanvasFont font;
    TPoint penPos;
};

TCoordinate::~TCoordinate() = default;

TCoordinate::PlaneKey TCoordinate::CurrentPlaneKey() const {
    PlaneKey k{width(), height(), Settings, Memory != nullptr, {}, decimalSeparator(),
               QGuiApplication::instance() ? QGuiApplication::palette().cacheKey() : 0,
               canvas_.Pen(), canvas_.Brush(), canvas_.Font(), canvas_.PenPos()};
    if (Settings.LegendEnabled != 0 && Memory) {
        for (size_t i = 0; i < Memory->Count(); ++i) {
            const auto idx = static_cast<std::ptrdiff_t>(i);
            const TFunctionObj* f = Memory->GetFunction(idx);
            k.legend.push_back({Memory->GetShowEnabled(idx), *Memory->GetGraphStyle(idx), Memory->GetCaption(idx),
                                f && IsRegion(*f)});
        }
    }
    return k;
}

void TCoordinate::DrawPlane() {
    // Recorded drawings are looked at primitive by primitive: those are always drawn.
    const bool keep = !canvas_.Recording();
    PlaneKey key = CurrentPlaneKey();
    if (keep && kept_ && kept_->key == key) {
        canvas_.Flush();
        image_ = kept_->picture;  // shared until the graphs are drawn on it
        canvas_.SetPen(kept_->pen);
        canvas_.SetBrush(kept_->brush);
        canvas_.SetFont(kept_->font);
        canvas_.SetPenPos(kept_->penPos);
        CalcMargins();
        return;
    }
    ClearBackground();
    DrawCoordinateSystem();
    if (!keep) {
        kept_.reset();
        return;
    }
    canvas_.Flush();
    kept_ = std::make_unique<KeptPlane>(
        KeptPlane{std::move(key), image_, canvas_.Pen(), canvas_.Brush(), canvas_.Font(), canvas_.PenPos()});
}

void TCoordinate::Redraw(TMemory* memory, TOperatorLib& operatorLib, TVarMemory& varMemory, TVarMemory& constMemory) {
    EnsureImage();
    Memory = memory;
    DrawPlane();
    DrawObjects(Memory, operatorLib, varMemory, constMemory);
    canvas_.Flush();
    update();
}

void TCoordinate::CalcMargins() {
    EnsureImage();
    const TCanvasFont font = canvas_.Font();  // own copy: a drawing step's saved state stays intact
    const auto side = [&](uint8_t enabled, const std::string& text, const TFont& f) {
        if (enabled != 1 || text.empty()) return 30;
        canvas_.SetFont(f);
        return canvas_.TextHeight(text) + 30;
    };
    const TCoordinateSettings& s = Settings;
    MarginTop = side(s.TitleTopEnabled, s.TitleTop, s.TitleTopFont);
    MarginBottom = side(s.TitleBottomEnabled, s.TitleBottom, s.TitleBottomFont);
    MarginLeft = side(s.TitleLeftEnabled, s.TitleLeft, s.TitleLeftFont);
    MarginRight = side(s.TitleRightEnabled, s.TitleRight, s.TitleRightFont);
    canvas_.SetFont(font);

    if (s.LegendEnabled == 1 && Memory) {
        for (size_t i = 0; i < Memory->Count(); ++i) {
            if (height() - MarginBottom < 151) break;
            if (Memory->GetShowEnabled(static_cast<std::ptrdiff_t>(i)) == 1) MarginBottom += 16;
        }
    }
    if (s.AxesStyle == 1)
        MarginBottom += 25;
    else if (s.YAxesDirection == 0 && s.YArrow.Enabled == 1)
        MarginBottom += 25;

    if (s.EqualScaleEnabled == 1) {
        const int h = height() - MarginTop - MarginBottom;
        const int w = width() - MarginLeft - MarginRight;
        const int d = std::abs(h - w) / 2;
        if (w >= h) {
            MarginLeft += d;
            MarginRight += d;
        } else {
            MarginTop += d;
            MarginBottom += d;
        }
    }
}

TScreenMapping TCoordinate::ScreenMapping() {
    CalcMargins();
    const TCoordinateSettings& s = Settings;
    const double l = MarginLeft, t = MarginTop;
    const double r = width() - MarginRight, b = height() - MarginBottom;
    return {l,
            t,
            r,
            b,
            s.XInterval.Min,
            s.YInterval.Min,
            (r - l) / (s.XInterval.Max - s.XInterval.Min),
            (b - t) / (s.YInterval.Max - s.YInterval.Min),
            s.XAxesDirection == 0,
            s.YAxesDirection == 1};
}

TPoint TCoordinate::WorldToScreen(double x, double y) { return ScreenMapping()(x, y); }

bool TCoordinate::ScreenToWorld(TPoint p, double& x, double& y) const {
    const TCoordinateSettings& s = Settings;
    const int l = MarginLeft, t = MarginTop;
    const int r = width() - MarginRight, b = height() - MarginBottom;
    if (r - l <= 0 || b - t <= 0) return false;
    if (p.x < l || p.x > r || p.y < t || p.y > b) return false;
    const double ux = (s.XInterval.Max - s.XInterval.Min) / (r - l);
    const double uy = (s.YInterval.Max - s.YInterval.Min) / (b - t);
    x = (s.XAxesDirection == 0 ? std::abs(p.x - l) : std::abs(r - p.x)) * ux + s.XInterval.Min;
    y = (s.YAxesDirection == 1 ? std::abs(b - p.y) : std::abs(p.y - t)) * uy + s.YInterval.Min;
    return true;
}

void TCoordinate::MoveToWorld(double x, double y) {
    const TPoint p = WorldToScreen(x, y);
    canvas_.MoveTo(p.x, p.y);
}

void TCoordinate::LineToWorld(double x, double y) {
    const TPoint p = WorldToScreen(x, y);
    canvas_.LineTo(p.x, p.y);
}

void TCoordinate::LineWorld(double x1, double y1, double x2, double y2) {
    MoveToWorld(x1, y1);
    LineToWorld(x2, y2);
}

void TCoordinate::DrawCoordinateSystem() {
    EnsureImage();
    DrawGrid();
    DrawPolarCircles();
    DrawPolarRays();
    if (Settings.AxesStyle == 0)
        DrawCrossedAxes();
    else
        DrawBorderAxes();
}

void TCoordinate::DrawGrid() {
    if (Settings.GridHorEnabled == 1) DrawGridHorizontal();
    if (Settings.GridVerEnabled == 1) DrawGridVertical();
}

void TCoordinate::DrawGridHorizontal() {
    SaveCanvas();
    const TCoordinateSettings& s = Settings;
    s.GridHorGraphStyle.ApplyToCanvas(canvas_);
    StepLoop(s.YInterval.Min + s.GridHorStep, s.GridHorStep, [&](double y) { return y < s.YInterval.Max; },
             [&](double y) { LineWorld(s.XInterval.Min, y, s.XInterval.Max, y); });
    RestoreCanvas();
}

void TCoordinate::DrawGridVertical() {
    SaveCanvas();
    const TCoordinateSettings& s = Settings;
    s.GridVerGraphStyle.ApplyToCanvas(canvas_);
    StepLoop(s.XInterval.Min + s.GridVerStep, s.GridVerStep, [&](double x) { return x < s.XInterval.Max; },
             [&](double x) { LineWorld(x, s.YInterval.Min, x, s.YInterval.Max); });
    RestoreCanvas();
}

void TCoordinate::DrawPolarCircles() {
    const TCoordinateSettings& s = Settings;
    if (s.GridRadialEnabled == 0) return;
    SaveCanvas();
    s.GridRadialGraphStyle.ApplyToCanvas(canvas_);
    const double bound = std::max({std::abs(s.XInterval.Max), std::abs(s.XInterval.Min), std::abs(s.YInterval.Max),
                                   std::abs(s.YInterval.Min)});
    // r advances before each circle; the first value tested is 0.
    StepLoop(0, s.GridRadialStep, [&](double r) { return bound > r; }, [&](double r) {
        const double rr = r + s.GridRadialStep;
        const TPoint a = WorldToScreen(-rr, rr);
        const TPoint b = WorldToScreen(rr, -rr);
        canvas_.Ellipse(a.x, a.y, b.x, b.y);
    });
    RestoreCanvas();
}

void TCoordinate::DrawPolarRays() {
    const TCoordinateSettings& s = Settings;
    if (s.GridAngularEnabled == 0) return;
    SaveCanvas();
    const double rmax = std::max({std::abs(s.XInterval.Max), std::abs(s.XInterval.Min), std::abs(s.YInterval.Max),
                                  std::abs(s.YInterval.Min)});
    s.GridAngularGraphStyle.ApplyToCanvas(canvas_);
    StepLoop(0, s.GridAngularStep, [](double k) { return k < 2; }, [&](double k0) {
        const double k = k0 + s.GridAngularStep;
        LineWorld(rmax * std::cos(std::numbers::pi * k), rmax * std::sin(std::numbers::pi * k), 0, 0);
    });
    RestoreCanvas();
}

void TCoordinate::DrawCrossedAxes() {
    DrawTitles();
    DrawLegend();
    DrawAxisX();
    DrawAxisY();
}

void TCoordinate::DrawBorderAxes() {
    DrawTitles();
    DrawLegend();
    DrawBorderAxisX();
    DrawBorderAxisY();
}

void TCoordinate::DrawAxisX() {
    SaveCanvas();
    const TCoordinateSettings& s = Settings;
    const double xmin = s.XInterval.Min, xmax = s.XInterval.Max;
    const double ya = AxisPosition(s.YInterval.Min, s.YInterval.Max);
    s.XAxesGraphStyle.ApplyToCanvas(canvas_);
    LineWorld(xmin, ya, xmax, ya);
    const int64_t len = static_cast<int64_t>(s.XAxesTicksLength) + 1;
    StepLoop(xmin, s.XAxesTicksStep, [&](double x) { return x <= xmax; }, [&](double x) {
        const TPoint p = WorldToScreen(x, ya);
        canvas_.MoveTo(p.x, Offset(p.y, -len));
        canvas_.LineTo(p.x, Offset(p.y, len));
    });
    StepLoop(xmin, s.XAxesLabelsStep, [&](double x) { return x <= xmax; }, [&](double x) {
        const TPoint p = WorldToScreen(x, ya);
        if (x == 0)
            canvas_.TextOut(p.x - 7, p.y + 1, "0");
        else if (s.XAxesLabelSide == 1)
            canvas_.TextOut(p.x - 4, p.y + 10, NumberText(x) + s.XAxesLabelsString);
        else
            canvas_.TextOut(p.x - 4, p.y - 21, NumberText(x) + s.XAxesLabelsString);
    });
    if (s.XArrow.Enabled == 1) {
        const TPoint p = WorldToScreen(xmax, ya);
        const int sg = s.XAxesDirection == 0 ? 1 : -1;
        canvas_.MoveTo(p.x, p.y);
        canvas_.LineTo(p.x + 10 * sg, p.y);
        canvas_.SetBrushColor(canvas_.Pen().Color);
        canvas_.SetBrushStyle(bsSolid);
        canvas_.Polygon({{p.x + 10 * sg, p.y - 4}, {p.x + 10 * sg, p.y + 4}, {p.x + 22 * sg, p.y}});
        canvas_.SetBrushColor(s.BackgroundColor);
        canvas_.TextOut(sg == 1 ? p.x + 12 : p.x - 17, p.y - 20, s.XArrow.Name);
    }
    RestoreCanvas();
}

void TCoordinate::DrawAxisY() {
    SaveCanvas();
    const TCoordinateSettings& s = Settings;
    const double ymin = s.YInterval.Min, ymax = s.YInterval.Max;
    const double xa = AxisPosition(s.XInterval.Min, s.XInterval.Max);
    s.YAxesGraphStyle.ApplyToCanvas(canvas_);
    LineWorld(xa, ymin, xa, ymax);
    const int64_t len = static_cast<int64_t>(s.YAxesTicksLength) + 1;
    StepLoop(ymin, s.YAxesTicksStep, [&](double y) { return y <= ymax; }, [&](double y) {
        const TPoint p = WorldToScreen(xa, y);
        canvas_.MoveTo(Offset(p.x, -len), p.y);
        canvas_.LineTo(Offset(p.x, len), p.y);
    });
    StepLoop(ymin, s.YAxesLabelsStep, [&](double y) { return y <= ymax; }, [&](double y) {
        const TPoint p = WorldToScreen(xa, y);
        if (y == 0)
            canvas_.TextOut(p.x - 7, p.y + 1, "0");
        else if (s.YAxesLabelSide == 0)
            canvas_.TextOut(p.x - 20, p.y - 7, NumberText(y) + s.YAxesLabelsString);
        else
            canvas_.TextOut(p.x + 10, p.y - 7, NumberText(y) + s.YAxesLabelsString);
    });
    if (s.YArrow.Enabled == 1) {
        const TPoint p = WorldToScreen(xa, ymax);
        const int sg = s.YAxesDirection == 1 ? -1 : 1;
        canvas_.MoveTo(p.x, p.y);
        canvas_.LineTo(p.x, p.y + 10 * sg);
        canvas_.SetBrushColor(canvas_.Pen().Color);
        canvas_.SetBrushStyle(bsSolid);
        canvas_.Polygon({{p.x - 4, p.y + 10 * sg}, {p.x + 4, p.y + 10 * sg}, {p.x, p.y + 22 * sg}});
        canvas_.SetBrushColor(s.BackgroundColor);
        canvas_.TextOut(p.x + 10, sg == -1 ? p.y - 22 : p.y + 10, s.YArrow.Name);
    }
    RestoreCanvas();
}

void TCoordinate::DrawBorderAxisX() {
    SaveCanvas();
    const TCoordinateSettings& s = Settings;
    const double xmin = s.XInterval.Min, xmax = s.XInterval.Max;
    s.XAxesGraphStyle.ApplyToCanvas(canvas_);
    LineWorld(xmin, s.YInterval.Min, xmax, s.YInterval.Min);
    LineWorld(xmin, s.YInterval.Max, xmax, s.YInterval.Max);
    const double yb = s.YAxesDirection == 1 ? s.YInterval.Min : s.YInterval.Max;
    const int64_t len = static_cast<int64_t>(s.XAxesTicksLength) + 1;
    StepLoop(xmin, s.XAxesTicksStep, [&](double x) { return x <= xmax; }, [&](double x) {
        const TPoint p = WorldToScreen(x, yb);
        canvas_.MoveTo(p.x, p.y);
        canvas_.LineTo(p.x, Offset(p.y, -len));
    });
    StepLoop(xmin, s.XAxesTicksStep, [&](double x) { return x <= xmax; }, [&](double x) {
        const TPoint p = WorldToScreen(x, yb);
        canvas_.TextOut(p.x - 4, p.y + 10, NumberText(x));
    });
    RestoreCanvas();
}

void TCoordinate::DrawBorderAxisY() {
    SaveCanvas();
    const TCoordinateSettings& s = Settings;
    const double ymin = s.YInterval.Min, ymax = s.YInterval.Max;
    s.YAxesGraphStyle.ApplyToCanvas(canvas_);
    LineWorld(s.XInterval.Min, ymin, s.XInterval.Min, ymax);
    LineWorld(s.XInterval.Max, ymin, s.XInterval.Max, ymax);
    const double xb = s.XAxesDirection == 0 ? s.XInterval.Min : s.XInterval.Max;
    const int64_t len = static_cast<int64_t>(s.YAxesTicksLength) + 1;
    StepLoop(ymin, s.YAxesTicksStep, [&](double y) { return y <= ymax; }, [&](double y) {
        const TPoint p = WorldToScreen(xb, y);
        canvas_.MoveTo(p.x, p.y);
        canvas_.LineTo(Offset(p.x, len), p.y);
    });
    StepLoop(ymin, s.YAxesTicksStep, [&](double y) { return y <= ymax; }, [&](double y) {
        const TPoint p = WorldToScreen(xb, y);
        canvas_.TextOut(p.x - 18, p.y - 5, NumberText(y));
    });
    RestoreCanvas();
}

void TCoordinate::DrawTitles() {
    SaveCanvas();
    const TCoordinateSettings& s = Settings;
    const int w = width(), h = height();
    if (s.TitleTopEnabled == 1) {
        canvas_.SetFont(s.TitleTopFont);
        canvas_.TextOut(w / 2 - canvas_.TextWidth(s.TitleTop) / 2, 5, s.TitleTop);
    }
    if (s.TitleBottomEnabled == 1) {
        canvas_.SetFont(s.TitleBottomFont);
        canvas_.TextOut(w / 2 - canvas_.TextWidth(s.TitleBottom) / 2, h - 10 - canvas_.TextHeight(s.TitleBottom),
                        s.TitleBottom);
    }
    if (s.TitleLeftEnabled == 1) {
        canvas_.SetFont(s.TitleLeftFont);
        const int tw = canvas_.TextWidth(s.TitleLeft), th = canvas_.TextHeight(s.TitleLeft);
        canvas_.SetFont(TCanvasFont{s.TitleLeftFont, -900});
        canvas_.TextOut(th + 10, h / 2 - tw / 2, s.TitleLeft);
    }
    if (s.TitleRightEnabled == 1) {
        canvas_.SetFont(s.TitleRightFont);
        const int tw = canvas_.TextWidth(s.TitleRight), th = canvas_.TextHeight(s.TitleRight);
        canvas_.SetFont(TCanvasFont{s.TitleRightFont, 900});
        canvas_.TextOut(w - 5 - th, h / 2 + tw / 2, s.TitleRight);
    }
    RestoreCanvas();
}

void TCoordinate::DrawLegend() {
    const TCoordinateSettings& s = Settings;
    if (s.LegendEnabled == 0 || !Memory) return;
    SaveCanvas();
    const int w = width(), h = height();
    int off = 20;
    if (s.TitleBottomEnabled == 1) {
        const TCanvasFont keep = canvas_.Font();
        canvas_.SetFont(s.TitleBottomFont);
        off = canvas_.TextHeight(s.TitleBottom) + 20;
        canvas_.SetFont(keep);
    }
    int x = w / 2;  // also for positions no editor writes
    if (s.LegendPosition == 0)
        x = 80;
    else if (s.LegendPosition == 2)
        x = (w / 4) * 3;
    for (size_t i = 0; i < Memory->Count(); ++i) {
        const auto idx = static_cast<std::ptrdiff_t>(i);
        if (Memory->GetShowEnabled(idx) == 1) {
            off += 16;
            const TGraphStyle& style = *Memory->GetGraphStyle(idx);
            style.ApplyToCanvas(canvas_);
            canvas_.SetFontColor(s.TextColorAsGraphEnabled == 1 ? style.LineColor : 0);
            if (s.ShowSampleEnabled != 0) {
                const TFunctionObj* f = Memory->GetFunction(idx);
                if (f && IsRegion(*f)) {
                    canvas_.SetPenStyle(psClear);
                    canvas_.Rectangle(x - 60, h - off + 1, x - 10, h - off + 15);
                } else {
                    canvas_.MoveTo(x - 60, h - off + 7);
                    canvas_.LineTo(x - 10, h - off + 7);
                }
            }
            canvas_.TextOut(x, h - off, Memory->GetCaption(idx));
        }
        if (h - off < 167) break;
    }
    RestoreCanvas();
}
