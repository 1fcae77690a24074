// One full offscreen redraw of a heavy document at 1280x960, and the formula evaluations
// of the same redraw timed alone.
#include "bench/QtBenchMain.h"
#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "plot/ZMCoordinate.h"
#include "storage/ZMDocumentFile.h"
#include "storage/ZMXML.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

std::string DocumentPath() {
    return std::string(ZM_SOURCE_DIR) + "/bench/data/plot-bench.xml";
}

// A document window's drawing: graph list, plane and formula context.
struct Drawing {
    TMemory memory;
    TCoordinate plane;
    zm::TOperatorLib ops;
    zm::TVarMemory vars;
    zm::TVarMemory consts;
    bool loaded = false;

    Drawing() {
        plane.resize(1280, 960);
        for (const char* v : {"x", "y", "t", "a"}) vars.AddVar(v, 0);
        consts.AddVar("PI", 3.141592653589793);
        TDocumentReader r;
        r.Memory = [&](std::unique_ptr<TMemory> m) { memory = std::move(*m); };
        r.Coordinate = [&](TXMLNode n) { TZMXML::ReadCoordinate(n, plane.Settings); };
        loaded = LoadDocumentFile(DocumentPath(), r);
    }
    void Redraw() { plane.Redraw(&memory, ops, vars, consts); }
};

Drawing& TheDrawing() {
    static Drawing d;
    return d;
}

void Redraw(benchmark::State& state) {
    Drawing& d = TheDrawing();
    if (!d.loaded) {
        state.SkipWithError("document not read");
        return;
    }
    d.Redraw();
    const std::uint64_t before = d.plane.EvaluationCount;
    for (auto _ : state) {
        d.Redraw();
        benchmark::DoNotOptimize(d.plane.Picture().constBits());
    }
    const double perRedraw = static_cast<double>(d.plane.EvaluationCount - before) / static_cast<double>(state.iterations());
    state.counters["evaluations"] = perRedraw;
}
BENCHMARK(Redraw)->Unit(benchmark::kMillisecond);

// The plane alone: background, grids, axes, titles and legend.
void RedrawWithoutGraphs(benchmark::State& state) {
    Drawing& d = TheDrawing();
    for (auto _ : state) {
        d.plane.SetMemory(&d.memory);
        d.plane.ClearBackground();
        d.plane.DrawCoordinateSystem();
        benchmark::DoNotOptimize(d.plane.Picture().constBits());
    }
}
BENCHMARK(RedrawWithoutGraphs)->Unit(benchmark::kMillisecond);

// A yardstick for the drawing: the lines and boxes one redraw puts on the canvas, drawn
// straight with QPainter (thin pens as cosmetic polylines, one per pen run; no text).
void QPainterSamePrimitives(benchmark::State& state) {
    Drawing& d = TheDrawing();
    std::vector<TCanvasRecord> rec;
    d.plane.GetCanvas().SetRecording(&rec);
    d.Redraw();
    d.plane.GetCanvas().SetRecording(nullptr);
    QImage image(d.plane.width(), d.plane.height(), QImage::Format_RGB32);
    const auto color = [](TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); };
    for (auto _ : state) {
        QPainter p(&image);
        QPolygon run;
        const auto flush = [&] {
            if (run.size() > 1) p.drawPolyline(run);
            run.clear();
        };
        for (const TCanvasRecord& r : rec) {
            switch (r.kind) {
            case TCanvasRecord::MoveTo:
                flush();
                p.setPen(QPen(color(r.pen.Color), r.pen.Width <= 1 ? 0 : r.pen.Width));
                run << QPoint(r.pts[0].x, r.pts[0].y);
                break;
            case TCanvasRecord::LineTo: run << QPoint(r.pts[0].x, r.pts[0].y); break;
            case TCanvasRecord::Rect:
            case TCanvasRecord::Fill:
                flush();
                p.fillRect(QRect(QPoint(r.pts[0].x, r.pts[0].y), QPoint(r.pts[1].x - 1, r.pts[1].y - 1)),
                           QBrush(color(r.brush.Color), Qt::BDiagPattern));
                break;
            default: flush(); break;
            }
        }
        flush();
    }
    state.counters["primitives"] = static_cast<double>(rec.size());
}
BENCHMARK(QPainterSamePrimitives)->Unit(benchmark::kMillisecond);

// The evaluations of one redraw without the drawing: every graph's formulas evaluated as
// often as its drawing evaluates them, at points spread over the range it samples.
struct Sweep {
    std::unique_ptr<zm::TExpCal> f, g;  // g: Y(t) of a parametric curve
    int kind = 0;
    bool grid = false;
    std::uint64_t count = 0;
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;  // sampled range; y only for grids
};

std::vector<Sweep> Sweeps(Drawing& d) {
    std::vector<Sweep> out;
    const TCoordinateSettings& s = d.plane.Settings;
    for (std::size_t i = 0; i < d.memory.Count(); ++i) {
        TFunctionObj* gr = d.memory.GetFunction(static_cast<std::ptrdiff_t>(i));
        if (!gr || gr->ShowEnabled == 0) continue;
        Sweep w;
        const std::uint64_t before = d.plane.EvaluationCount;
        d.plane.DrawFunction(*gr, d.ops, d.vars, d.consts);
        w.count = d.plane.EvaluationCount - before;
        w.kind = gr->FunctionObjType;
        const bool restricted = gr->Interval.Min < gr->Interval.Max;
        std::string exp = gr->Exp;
        switch (w.kind) {
        case 0: w.x0 = s.XInterval.Min, w.x1 = s.XInterval.Max; break;
        case 1: w.x0 = s.YInterval.Min, w.x1 = s.YInterval.Max; break;
        case 2: w.x0 = std::numbers::pi * gr->Interval.Min, w.x1 = std::numbers::pi * gr->Interval.Max; break;
        case 3: w.x0 = gr->Interval.Min, w.x1 = gr->Interval.Max; break;
        default:
            w.grid = true;
            w.x0 = restricted ? gr->Interval.Min : s.XInterval.Min;
            w.x1 = restricted ? gr->Interval.Max : s.XInterval.Max;
            w.y0 = s.YInterval.Min, w.y1 = s.YInterval.Max;
            if (zm::Trim(gr->AddExp) != "=0") exp = "(" + gr->Exp + ")" + gr->AddExp;
            break;
        }
        w.f = std::make_unique<zm::TExpCal>(exp, d.ops, d.vars, d.consts);
        if (w.kind == 3) w.g = std::make_unique<zm::TExpCal>(gr->AddExp, d.ops, d.vars, d.consts);
        out.push_back(std::move(w));
    }
    return out;
}

double RunSweep(Sweep& w, zm::TVarMemory& vars) {
    static const char* const kVar[] = {"x", "y", "a", "t"};
    double sum = 0;
    if (w.grid) {
        const auto side = static_cast<std::uint64_t>(std::ceil(std::sqrt(static_cast<double>(w.count))));
        for (std::uint64_t n = 0; n < w.count; ++n) {
            vars.SetValue("x", w.x0 + (w.x1 - w.x0) * static_cast<double>(n % side) / static_cast<double>(side));
            vars.SetValue("y", w.y0 + (w.y1 - w.y0) * static_cast<double>(n / side) / static_cast<double>(side));
            if (w.f->Calculate()) sum += w.f->Value;
        }
        return sum;
    }
    const std::uint64_t samples = w.g ? w.count / 2 : w.count;
    const double step = (w.x1 - w.x0) / static_cast<double>(samples);
    for (std::uint64_t n = 0; n < samples; ++n) {
        vars.SetValue(kVar[w.kind], w.x0 + step * static_cast<double>(n));
        if (w.f->Calculate()) sum += w.f->Value;
        if (w.g && w.g->Calculate()) sum += w.g->Value;
    }
    return sum;
}

void EvaluationsAlone(benchmark::State& state) {
    Drawing& d = TheDrawing();
    if (!d.loaded) {
        state.SkipWithError("document not read");
        return;
    }
    std::vector<Sweep> sweeps = Sweeps(d);
    std::uint64_t total = 0;
    for (const Sweep& w : sweeps) total += w.count;
    for (auto _ : state) {
        double sum = 0;
        for (Sweep& w : sweeps) sum += RunSweep(w, d.vars);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["evaluations"] = static_cast<double>(total);
}
BENCHMARK(EvaluationsAlone)->Unit(benchmark::kMillisecond);

// sin(x) evaluated many times through the engine, right after the image library has
// filled an image (which may leave the AVX registers' upper halves in use), and without.
// The fill itself is not timed.
void SinLoop(benchmark::State& state, bool fill) {
    zm::TOperatorLib ops;
    zm::TVarMemory vars, consts;
    vars.AddVar("x", 0);
    zm::TExpCal e("sin(x)", ops, vars, consts);
    QImage image(1280, 960, QImage::Format_RGB32);
    constexpr int kPoints = 1000;
    for (auto _ : state) {
        state.PauseTiming();  // in both, so that both pay the same for it
        if (fill) image.fill(Qt::white);
        state.ResumeTiming();
        double sum = 0;
        for (int i = 0; i < kPoints; ++i) {
            vars.SetValueAt(0, 0.5 + i * 1e-3);
            if (e.Calculate()) sum += e.Value;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["per_sin"] =
        benchmark::Counter(kPoints, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
void SinAfterFill(benchmark::State& state) { SinLoop(state, true); }
void SinWithoutFill(benchmark::State& state) { SinLoop(state, false); }
BENCHMARK(SinAfterFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(SinWithoutFill)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
