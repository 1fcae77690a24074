// The value table's fill of 100,000 rows into its grid model with a view attached, against two
// yardsticks of the same run: the tabulation alone, and the same cells put into a QTableWidget.
#include "bench/QtBenchMain.h"
#include "tools/ZMToolContext.h"
#include "tools/ZMToolGrid.h"
#include "tools/fmValueTable.h"

#include <QApplication>
#include <QTableView>
#include <QTableWidget>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr double kUpTo = kToolGridMaxRows;  // x = 1 .. 100000 by 1

TValueTableRun Tabulate() {
    TToolContext ctx;
    ctx.VarMemory.SetValue("x", 1);
    zm::TExpCal f("x^2-3*x+sin x", ctx.OperatorLib, ctx.VarMemory, ctx.ConstMemory);
    return TabulateValues(f, ctx.VarMemory, "x", 1, kUpTo, 1);
}

// What "Calculate" does after its checks: tabulate, write the texts, fill the grid, and let the
// shown view catch up.
void ValueTableFill(benchmark::State& state) {
    TToolGrid grid(2);
    grid.SetHeader({QStringLiteral("x"), QStringLiteral("f(x)")});
    QTableView* view = NewToolGridView(&grid, nullptr, QStringLiteral("StringGrid1"));
    view->resize(300, 400);
    view->show();
    for (auto _ : state) {
        grid.SetBody(ValueTableCells(Tabulate(), '.'));
        QApplication::processEvents();
    }
    state.counters["rows"] = grid.RowCount() - 1;
    delete view;
}
BENCHMARK(ValueTableFill)->Unit(benchmark::kMillisecond);

void TabulationAlone(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Tabulate().Rows.data());
}
BENCHMARK(TabulationAlone)->Unit(benchmark::kMillisecond);

// The widget grid the model replaces: one item per cell.
void QTableWidgetFill(benchmark::State& state) {
    QTableWidget table(0, 2);
    table.resize(300, 400);
    table.show();
    for (auto _ : state) {
        const std::vector<QString> cells = ValueTableCells(Tabulate(), '.');
        table.setRowCount(0);
        table.setRowCount(static_cast<int>(cells.size() / 2));
        for (size_t i = 0; i < cells.size(); ++i)
            table.setItem(static_cast<int>(i / 2), static_cast<int>(i % 2), new QTableWidgetItem(cells[i]));
        QApplication::processEvents();
    }
}
BENCHMARK(QTableWidgetFill)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
