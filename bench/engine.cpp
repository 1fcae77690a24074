// Formula evaluation against muparser and the same formulas as native C++.
#include "engine/ZMMath.h"
#include "tests/engine/MathContext.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#ifdef ZM_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

struct Formula {
    const char* ours;
    const char* muparser;
    double (*native)(double);
};

const Formula kFormulas[] = {
    {"sin(x)*x^2+sqrt(abs(x))", "sin(x)*x^2+sqrt(abs(x))",
     [](double x) { return std::sin(x) * (x * x) + std::sqrt(std::fabs(x)); }},
    {"2*x+sin x", "2*x+sin(x)", [](double x) { return 2 * x + std::sin(x); }},
    {"x^2+3*x-1", "x^2+3*x-1", [](double x) { return x * x + 3 * x - 1; }},
    // 40 operations
    {"(x+1)*(x-2)/(x+3)+(x-4)*(x+5)/(x-6)+(x+7)*(x-8)/(x+9)+(x-10)*(x+11)/(x-12)"
     "+sin(x)*cos(x)+sqrt(x*x+1)-exp(x/10)+x^3-2*x^2+1",
     "(x+1)*(x-2)/(x+3)+(x-4)*(x+5)/(x-6)+(x+7)*(x-8)/(x+9)+(x-10)*(x+11)/(x-12)"
     "+sin(x)*cos(x)+sqrt(x*x+1)-exp(x/10)+x^3-2*x^2+1",
     [](double x) {
         return (x + 1) * (x - 2) / (x + 3) + (x - 4) * (x + 5) / (x - 6) + (x + 7) * (x - 8) / (x + 9) +
                (x - 10) * (x + 11) / (x - 12) + std::sin(x) * std::cos(x) + std::sqrt(x * x + 1) -
                std::exp(x / 10) + x * x * x - 2 * (x * x) + 1;
     }},
};

constexpr double kStart = 0.5, kStep = 1e-9;

void Ours(benchmark::State& state) {
    const Formula& f = kFormulas[state.range(0)];
    MathContext c;
    zm::TExpCal e(f.ours, c.ops, c.vars, c.consts);
    double x = kStart;
    for (auto _ : state) {
        c.vars.SetValue("x", x);
        e.Calculate();
        benchmark::DoNotOptimize(e.Value);
        x += kStep;
    }
    if (!e.Calculate()) state.SkipWithError("evaluation failed");
}

// The same without setting x: what Calculate alone costs.
void OursCalculateOnly(benchmark::State& state) {
    const Formula& f = kFormulas[state.range(0)];
    MathContext c;
    c.vars.SetValue("x", kStart);
    zm::TExpCal e(f.ours, c.ops, c.vars, c.consts);
    for (auto _ : state) {
        e.Calculate();
        benchmark::DoNotOptimize(e.Value);
    }
    if (!e.Calculate()) state.SkipWithError("evaluation failed");
}

void Native(benchmark::State& state) {
    const Formula& f = kFormulas[state.range(0)];
    double x = kStart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        double v = f.native(x);
        benchmark::DoNotOptimize(v);
        x += kStep;
    }
}

constexpr size_t kBatch = 1024;

std::vector<double> BatchInputs() {
    std::vector<double> xs(kBatch);
    for (size_t i = 0; i < kBatch; ++i) xs[i] = kStart + kStep * static_cast<double>(i);
    return xs;
}

// The time of one point as a counter: the run's time divided by the points evaluated.
void PerPoint(benchmark::State& state) {
    state.counters["per_point"] = benchmark::Counter(static_cast<double>(kBatch),
                                                     benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// kBatch points of x through one call.
void OursBatch(benchmark::State& state) {
    const Formula& f = kFormulas[state.range(0)];
    MathContext c;
    zm::TExpCal e(f.ours, c.ops, c.vars, c.consts);
    const std::vector<double> xs = BatchInputs();
    std::vector<double> values(kBatch);
    std::vector<uint8_t> ok(kBatch);
    const zm::TBatchVariable x{c.vars.IndexOf("x"), xs.data()};
    for (auto _ : state) {
        e.CalculateBatch({&x, 1}, kBatch, values.data(), ok.data());
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
    }
    if (!ok[0]) state.SkipWithError("evaluation failed");
    PerPoint(state);
}

// The same formula in C++ over the same array: the compiler may vectorise it.
void NativeBatch(benchmark::State& state) {
    const Formula& f = kFormulas[state.range(0)];
    const std::vector<double> xs = BatchInputs();
    std::vector<double> values(kBatch);
    for (auto _ : state) {
        for (size_t i = 0; i < kBatch; ++i) values[i] = f.native(xs[i]);
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
    }
    PerPoint(state);
}

#ifdef ZM_HAVE_MUPARSER
void MuParser(benchmark::State& state) {
    const Formula& f = kFormulas[state.range(0)];
    double x = kStart;
    mu::Parser p;
    p.DefineVar("x", &x);
    p.SetExpr(f.muparser);
    p.Eval();
    for (auto _ : state) {
        double v = p.Eval();
        benchmark::DoNotOptimize(v);
        x += kStep;
    }
}
BENCHMARK(MuParser)->DenseRange(0, 3);
#endif

BENCHMARK(Ours)->DenseRange(0, 3);
BENCHMARK(OursCalculateOnly)->DenseRange(0, 3);
BENCHMARK(Native)->DenseRange(0, 3);
BENCHMARK(OursBatch)->DenseRange(0, 3);
BENCHMARK(NativeBatch)->DenseRange(0, 3);

// Compiling a mid-size formula.
const char* kMidSize = "sin(x)*x^2+sqrt(abs(x))-3*cos(2*x)/(1+x^2)+ln(x^2+1)";

void CompileOurs(benchmark::State& state) {
    MathContext c;
    for (auto _ : state) {
        zm::TExpCal e(kMidSize, c.ops, c.vars, c.consts);
        benchmark::DoNotOptimize(e.Valid);
    }
}
BENCHMARK(CompileOurs);

#ifdef ZM_HAVE_MUPARSER
void CompileMuParser(benchmark::State& state) {
    double x = 0;
    for (auto _ : state) {
        mu::Parser p;
        p.DefineVar("x", &x);
        p.SetExpr(kMidSize);
        double v = p.Eval();  // muparser compiles on the first evaluation
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(CompileMuParser);
#endif

// The shorter derivative text of sin(sin(...(x)...)) with range(0) sines: the text grows
// with the square of the depth; past its bound (beyond about 265 levels) it is given up.
void DerivativeOfAChain(benchmark::State& state) {
    MathContext c;
    std::string chain;
    for (int64_t i = 0; i < state.range(0); ++i) chain += "sin(";
    chain += 'x';
    chain.append(static_cast<size_t>(state.range(0)), ')');
    for (auto _ : state) {
        std::string text;
        benchmark::DoNotOptimize(zm::ShorterDerivativeText(chain, "x", c.ops, c.vars, c.consts, text));
        benchmark::DoNotOptimize(text.size());
    }
}
BENCHMARK(DerivativeOfAChain)->Arg(50)->Arg(100)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

// One curve: 500 samples, x set by name each time.
void Samples500(benchmark::State& state) {
    MathContext c;
    zm::TExpCal e(kFormulas[0].ours, c.ops, c.vars, c.consts);
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i <= 500; ++i) {
            c.vars.SetValue("x", -10 + i * 0.04);
            if (e.Calculate()) sum += e.Value;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(Samples500);

}  // namespace

BENCHMARK_MAIN();
