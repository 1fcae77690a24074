// The table editor's heavy commands on a full grid, through the model with a view attached:
// Insert on row 1, Undo and Redo of that step, Add Table's OK on 5000 reversed rows sorted on X,
// and the Sort operation by X ascending on those rows and its Undo, with and without the view.
// The yardstick copies the 10,000 cell texts of the same grid once.
#include "bench/QtBenchMain.h"
#include "editors/ZMTableEditor.h"
#include "editors/ZMTableGridView.h"
#include "editors/ZMTableSort.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// An editor with its view on screen (offscreen), or the editor alone; every row filled.
struct Fixture {
    TTableEditor editor;
    std::unique_ptr<TTableGridView> view;

    explicit Fixture(bool withView = true) {
        if (withView) {
            view = std::make_unique<TTableGridView>(editor, nullptr);
            view->resize(260, 400);
            view->show();
        }
        Refill();
    }
    // Row r holds x = 5001 - r and y = r: reversed on X.
    void Refill() {
        for (int r = 1; r <= TTableGrid::RowCount; ++r) {
            editor.Grid.SetCell(1, r, std::to_string(TTableGrid::RowCount + 1 - r));
            editor.Grid.SetCell(2, r, std::to_string(r) + ".5");
        }
        editor.Start();
        Settle();
    }
    static void Settle() { QCoreApplication::processEvents(); }
};

void CopyCellTexts(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        std::vector<std::string> texts;
        texts.reserve(2 * TTableGrid::RowCount);
        for (int r = 1; r <= TTableGrid::RowCount; ++r) {
            texts.push_back(f.editor.Grid.Cell(1, r));
            texts.push_back(f.editor.Grid.Cell(2, r));
        }
        benchmark::DoNotOptimize(texts.data());
    }
}
BENCHMARK(CopyCellTexts)->Unit(benchmark::kMillisecond);

void InsertOnRowOne(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        f.editor.Insert();
        Fixture::Settle();
        state.PauseTiming();
        f.editor.Grid.SetCell(1, 1, "1");  // full again
        f.editor.Grid.SetCell(2, 1, "1");
        f.editor.Grid.TakeWritten();
        state.ResumeTiming();
    }
}
BENCHMARK(InsertOnRowOne)->Unit(benchmark::kMillisecond);

void UndoInsert(benchmark::State& state) {
    Fixture f;
    f.editor.Insert();
    for (auto _ : state) {
        f.editor.Undo();
        Fixture::Settle();
        state.PauseTiming();
        f.editor.Redo();
        state.ResumeTiming();
    }
}
BENCHMARK(UndoInsert)->Unit(benchmark::kMillisecond);

void RedoInsert(benchmark::State& state) {
    Fixture f;
    f.editor.Insert();
    for (auto _ : state) {
        state.PauseTiming();
        f.editor.Undo();
        state.ResumeTiming();
        f.editor.Redo();
        Fixture::Settle();
    }
}
BENCHMARK(RedoInsert)->Unit(benchmark::kMillisecond);

void AddTableOkOnX(benchmark::State& state) {
    Fixture f;
    TTableProperties onX;
    onX.SortingRow = 1;
    TMemory memory;
    for (auto _ : state) {
        f.editor.AddTableOK(memory, onX, '.');
        Fixture::Settle();
        state.PauseTiming();
        if (memory.Count() != 1 || memory.GetTable(0)->Count() != TTableGrid::RowCount ||
            memory.GetTable(0)->Points.front().x != 1)
            state.SkipWithError("wrong table");
        memory.Clear();
        f.Refill();
        state.ResumeTiming();
    }
}
BENCHMARK(AddTableOkOnX)->Unit(benchmark::kMillisecond);

// The Sort operation by X ascending: purge, then 12,497,500 exchanges' worth of reversal.
bool SortOnX(TTableEditor& e) {
    return e.Command([&e] {
        SortGrid(e.Grid, e.UndoStack, TSortOrder::XAscending, '.');
        return true;
    });
}

void SortByXAscending(benchmark::State& state) {
    Fixture f(state.range(0) != 0);
    for (auto _ : state) {
        SortOnX(f.editor);
        Fixture::Settle();
        state.PauseTiming();
        if (f.editor.Grid.Cell(1, 1) != "1" || f.editor.Grid.Cell(2, 1) != "5000.5") state.SkipWithError("not sorted");
        f.Refill();
        state.ResumeTiming();
    }
}
BENCHMARK(SortByXAscending)->ArgName("view")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void UndoSortByX(benchmark::State& state) {
    Fixture f(state.range(0) != 0);
    SortOnX(f.editor);
    for (auto _ : state) {
        f.editor.Undo();
        Fixture::Settle();
        state.PauseTiming();
        if (f.editor.Grid.Cell(1, 1) != "5000") state.SkipWithError("not undone");
        f.editor.Redo();
        state.ResumeTiming();
    }
}
BENCHMARK(UndoSortByX)->ArgName("view")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
