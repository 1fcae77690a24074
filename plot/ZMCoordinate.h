#pragma once
// The coordinate plane control: a widget holding an image of its own size on which it
// draws the view's grids, axes, titles and legend and then the graphs of a graph list.

#include "platform/ZMCanvas.h"
#include "plot/ZMCoordinateSettings.h"
#include "plot/ZMFunTabObj.h"

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include <cstdint>
#include <functional>
#include <memory>

namespace zm {
class TOperatorLib;
class TVarMemory;
}  // namespace zm

// The plane's world-to-pixel mapping for fixed margins and settings.
struct TScreenMapping {
    double l, t, r, b;
    double xmin, ymin, kx, ky;
    bool xLeftToRight, yBottomToTop;
    // The pixel column of x and the row of y: cut towards zero and held within 2^30 either
    // way (headroom for the offsets callers add); not a number lands on 0.
    int X(double x) const { return Pixel(PosX(x)); }
    int Y(double y) const { return Pixel(PosY(y)); }
    // The same positions before they are cut to whole pixels.
    double PosX(double x) const { return xLeftToRight ? l + (x - xmin) * kx : r - (x - xmin) * kx; }
    double PosY(double y) const { return yBottomToTop ? b - (y - ymin) * ky : t + (y - ymin) * ky; }
    TPoint operator()(double x, double y) const { return {X(x), Y(y)}; }
    static constexpr int kPixelLimit = 1 << 30;
    static int Pixel(double v) {
        constexpr double kLimit = kPixelLimit;
        return std::isnan(v) ? 0 : static_cast<int>(std::clamp(v, -kLimit, kLimit));
    }
    // False for a view too narrow (or empty) for its scale to be a finite number.
    bool Finite() const { return std::isfinite(kx) && std::isfinite(ky); }
};

class TCoordinate : public QWidget {
    Q_OBJECT

public:
    explicit TCoordinate(QWidget* parent = nullptr);
    ~TCoordinate() override;

    // Persistent settings; editors, the document reader and the viewer change them in
    // place and then call Redraw.
    TCoordinateSettings Settings;

    // Pixel distances from the edges to the plot rectangle, as last computed.
    int MarginTop = 30;
    int MarginLeft = 30;
    int MarginRight = 30;
    int MarginBottom = 30;

    // Graph list last drawn (not owned). Re-point it with SetMemory before the old list
    // is freed: every mapping reads its legend rows.
    TMemory* Memory = nullptr;
    void SetMemory(TMemory* memory) { Memory = memory; }

    // Background, grids, axes, titles and legend, then the graphs. The plane without graphs
    // is kept as a picture and reused while everything it is drawn from stays the same.
    void Redraw(TMemory* memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory, zm::TVarMemory& constMemory);

    TPoint WorldToScreen(double x, double y);
    // Computes the margins; the mapping holds until the size, settings or legend change.
    TScreenMapping ScreenMapping();
    // False when p lies outside the plot rectangle or the rectangle is empty (x, y untouched).
    bool ScreenToWorld(TPoint p, double& x, double& y) const;
    void ClearBackground();
    void CalcMargins();
    void MoveToWorld(double x, double y);
    void LineToWorld(double x, double y);
    void LineWorld(double x1, double y1, double x2, double y2);
    void SaveCanvas();
    void RestoreCanvas();
    void DrawCoordinateSystem();

    // Graphs of a list, in list order.
    void DrawObjects(TMemory* memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory, zm::TVarMemory& constMemory);
    void DrawFunction(TFunctionObj& graph, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory, zm::TVarMemory& constMemory);
    void DrawImplicit(TFunctionObj& graph, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory, zm::TVarMemory& constMemory);
    void DrawTable(const TTableObj& table);
    void DrawSmoothSegment(const TTableElemObj& a, const TTableElemObj& b, const TTableElemObj& c);

    // The image, flushed; sized to the widget.
    const QImage& Picture();
    TCanvas& GetCanvas();

    // Counts formula evaluations made by the graph drawing (for measurements).
    std::uint64_t EvaluationCount = 0;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct PlaneKey;
    struct KeptPlane;
    PlaneKey CurrentPlaneKey() const;
    // ClearBackground and DrawCoordinateSystem, or the kept picture of their work.
    void DrawPlane();

    void EnsureImage();
    int StepCap() const;
    // Calls f(v) for v = start, start + step, ... while keep(v); stops when the step is
    // not positive, when v stops advancing, and after StepCap() values.
    void StepLoop(double start, double step, const std::function<bool(double)>& keep,
                  const std::function<void(double)>& f) const;
    std::string NumberText(double v) const;

    void DrawGrid();
    void DrawGridHorizontal();
    void DrawGridVertical();
    void DrawPolarCircles();
    void DrawPolarRays();
    void DrawCrossedAxes();
    void DrawAxisX();
    void DrawAxisY();
    void DrawBorderAxes();
    void DrawBorderAxisX();
    void DrawBorderAxisY();
    void DrawTitles();
    void DrawLegend();

    // Sampled curves and relations.
    struct Sampler;
    // y of x, or x of y when xOfY.
    void DrawExplicit(TFunctionObj& graph, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory, zm::TVarMemory& constMemory,
                      bool xOfY);
    void DrawPolar(TFunctionObj& graph, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory, zm::TVarMemory& constMemory);
    void DrawParametric(TFunctionObj& graph, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory, zm::TVarMemory& constMemory);
    void DrawImplicitCurve(TFunctionObj& graph, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory, zm::TVarMemory& constMemory);
    void DrawRelationRegion(TFunctionObj& graph, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory, zm::TVarMemory& constMemory);

    QImage image_;
    TCanvas canvas_;
    std::unique_ptr<KeptPlane> kept_;
    TCanvasPen SavedPen;
    TCanvasBrush SavedBrush;
    TCanvasFont SavedFont;
};
