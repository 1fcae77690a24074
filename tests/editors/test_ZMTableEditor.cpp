// The table editor without widgets: the recorded-cell buffers, the cell rules, the recording of
// manual edits, the one-step undo, the commands of the tool bar, the purge and both OKs.

#include "editors/ZMTableEditor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "editors/ZMTableFormula.h"
#include "editors/ZMTablePurge.h"
#include "editors/ZMTableRanges.h"
#include "editors/ZMTableSearch.h"
#include "editors/ZMTableSort.h"
#include "platform/ZMApplication.h"
#include "support/MessageRecorder.h"
#include "support/TableGridRows.h"

namespace {

constexpr int kLast = TTableGrid::RowCount;

// The user types into a cell after making it current.
void TypeAt(TTableEditor& e, int col, int row, const char* text) {
    e.CellSelected(col, row);
    e.Type(col, row, text);
}

TEST(StringGridStack, PushesPopsAndWritesNewestFirst) {
    TStringGridStack s;
    EXPECT_FALSE(s.Pop().has_value());
    TTableGrid grid;
    s.PopToGrid(grid);  // nothing on an empty stack
    EXPECT_EQ(grid.TakeWritten().Empty(), true);

    s.Push(1, 3, "a");
    s.Push(2, 4, "b");
    s.Push(1, 5, "c");
    ASSERT_EQ(s.Count(), 3u);
    EXPECT_EQ(s[0], TStringGridElem(1, 3, "a"));  // oldest first

    const auto top = s.Pop();
    ASSERT_TRUE(top.has_value());
    EXPECT_EQ(*top, TStringGridElem(1, 5, "c"));
    s.PopToGrid(grid);
    EXPECT_EQ(grid.Cell(2, 4), "b");
    EXPECT_EQ(s.Count(), 1u);

    TStringGridElem copy;
    copy.Assign(s[0]);
    copy.Row = 7;
    copy.ApplyToGrid(grid);
    EXPECT_EQ(grid.Cell(1, 7), "a");
    s.Clear();
    EXPECT_EQ(s.Count(), 0u);
    EXPECT_FALSE(s.Pop().has_value());
}

TEST(TableGrid, CellsOutsideTheGridReadEmptyAndTakeNoWrite) {
    TTableGrid grid;
    for (auto [col, row] : std::vector<std::pair<int, int>>{{0, 1}, {3, 1}, {1, 0}, {2, kLast + 1}}) {
        grid.SetCell(col, row, "z");
        EXPECT_EQ(grid.Cell(col, row), "") << col << "," << row;
    }
    EXPECT_TRUE(grid.TakeWritten().Empty());
    grid.SetCell(2, 9, "a");
    grid.SetCell(1, 4, "b");
    const TTableGrid::Range r = grid.TakeWritten();
    EXPECT_EQ((std::vector<int>{r.FirstCol, r.FirstRow, r.LastCol, r.LastRow}), (std::vector<int>{1, 4, 2, 9}));
    EXPECT_TRUE(grid.TakeWritten().Empty());
}

TEST(TableGrid, NumericAndBlankCells) {
    const struct {
        const char* text;
        char sep;
        bool numeric;
        bool blank;
    } cases[] = {
        {"1", '.', true, false},           {" 2.5 ", '.', true, false},   {"1e3", '.', true, false},
        {"-99999.999", '.', false, false}, {"-99999.9990", '.', false, false},
        {"-99999.998", '.', true, false},  {"abc", '.', false, false},    {"", '.', false, true},
        {"  ", '.', false, true},          {"1,5", ',', true, false},     {"1,5", '.', false, false},
        {"1.5", ',', false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNumericCell(c.text, c.sep), c.numeric) << "'" << c.text << "' " << c.sep;
        EXPECT_EQ(IsBlankCell(c.text), c.blank) << "'" << c.text << "'";
    }
    double v = 0;
    ASSERT_TRUE(IsNumericCell(" 1,25", ',', &v));
    EXPECT_EQ(v, 1.25);
}

TEST(TableEditor, ManualEditsAreRecordedWhenTheCursorLeavesAChangedCell) {
    const struct {
        const char* what;
        std::vector<Row> grid;
        std::function<void(TTableEditor&)> steps;
        bool undo;
        std::vector<TStringGridElem> step;
    } cases[] = {
        {"a move off an unchanged cell", {}, [](TTableEditor& e) { e.CellSelected(2, 1); }, false, {}},
        {"typing 1 into an empty cell and moving on", {},
         [](TTableEditor& e) {
             TypeAt(e, 1, 1, "1");
             e.CellSelected(1, 2);
         },
         true, {{1, 1, ""}}},
        {"typing without leaving the cell", {},
         [](TTableEditor& e) {
             TypeAt(e, 1, 1, "1");
             e.CellSelected(1, 1);
         },
         false, {}},
        {"typing the same text again", {{"5", "6"}},
         [](TTableEditor& e) {
             TypeAt(e, 2, 1, "7");
             e.Type(2, 1, "6");
             e.CellSelected(2, 2);
         },
         false, {}},
        {"the case of a letter counts", {{"a", ""}},
         [](TTableEditor& e) {
             TypeAt(e, 1, 1, "A");
             e.CellSelected(1, 2);
         },
         true, {{1, 1, "a"}}},
        {"Edit Table's untouched (1, 1)", {{"3", "4"}}, [](TTableEditor& e) { e.CellSelected(1, 2); }, false, {}},
        {"a later edit replaces the step", {},
         [](TTableEditor& e) {
             TypeAt(e, 1, 1, "1");
             TypeAt(e, 1, 2, "2");
             e.CellSelected(2, 2);
         },
         true, {{1, 2, ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TTableEditor e;
        Fill(e, c.grid);
        EXPECT_EQ(e.CurrentText, e.Grid.Cell(1, 1));
        c.steps(e);
        EXPECT_EQ(e.UndoEnabled, c.undo);
        EXPECT_EQ(std::vector<TStringGridElem>(e.UndoStack.begin(), e.UndoStack.end()), c.step);
    }
}

TEST(TableEditor, UndoAndRedoToggleOneStep) {
    TTableEditor e;
    Fill(e, {});
    TypeAt(e, 1, 1, "1");
    e.CellSelected(1, 2);
    const struct {
        void (TTableEditor::*command)();
        const char* cell;
        bool undo;
        bool redo;
    } steps[] = {
        {&TTableEditor::Undo, "", false, true},
        {&TTableEditor::Undo, "", false, true},  // disabled: nothing happens
        {&TTableEditor::Redo, "1", true, false},
        {&TTableEditor::Redo, "1", true, false},  // disabled
        {&TTableEditor::Undo, "", false, true},
    };
    for (const auto& s : steps) {
        (e.*s.command)();
        EXPECT_EQ(e.Grid.Cell(1, 1), s.cell);
        EXPECT_EQ(e.UndoEnabled, s.undo);
        EXPECT_EQ(e.RedoEnabled, s.redo);
    }
    EXPECT_EQ(e.UndoStack.Count(), 1u);  // Undo keeps its step
}

TEST(TableEditor, RedoAfterANewCommandWritesBackWhatUndoRestored) {
    TTableEditor e;
    Fill(e, {{"", ""}, {"7", "8"}});
    TypeAt(e, 1, 1, "1");
    e.CellSelected(1, 2);
    e.Undo();
    ASSERT_EQ(e.Grid.Cell(1, 1), "");
    e.Delete();  // row 2; Redo stays as it was
    EXPECT_TRUE(e.RedoEnabled);
    e.Redo();
    EXPECT_EQ(RowAt(e, 1), Row("1", ""));
    EXPECT_EQ(RowAt(e, 2), Row("", ""));
    EXPECT_TRUE(e.UndoEnabled);
    e.Undo();  // the Delete's step
    EXPECT_EQ(RowAt(e, 2), Row("7", "8"));
    EXPECT_EQ(RowAt(e, 1), Row("1", ""));
}

TEST(TableEditor, PasteKeepsColumnsOffsetsRowsAndDropsWhatFallsPastTheLastRow) {
    const struct {
        const char* what;
        std::vector<TStringGridElem> clipboard;
        int row;
        std::vector<std::pair<std::pair<int, int>, const char*>> cells;  // (col, row) -> text
        std::size_t recorded;
        bool undo;
    } cases[] = {
        {"rows 5..10 of X at row 4998",
         {{1, 0, "5"}, {1, 1, "6"}, {1, 2, "7"}, {1, 3, "8"}, {1, 4, "9"}, {1, 5, "10"}},
         4998,
         {{{1, 4998}, "5"}, {{1, 4999}, "6"}, {{1, 5000}, "7"}, {{2, 5000}, "old"}},
         3,
         true},
        {"columns stay", {{2, 0, "a"}, {1, 1, "b"}}, 10, {{{2, 10}, "a"}, {{1, 10}, ""}, {{1, 11}, "b"}}, 2, true},
        {"everything past row 5000", {{1, 1, "x"}, {2, 3, "y"}}, 5000, {{{1, 5000}, "old"}}, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TTableEditor e;
        Fill(e, {{"old", "old"}}, kLast);
        for (const auto& el : c.clipboard) e.ClipboardStack.Push(el.Col, el.Row, el.Text);
        e.PasteEnabled = true;
        e.CellSelected(1, c.row);
        e.Paste();
        for (const auto& [at, text] : c.cells) EXPECT_EQ(e.Grid.Cell(at.first, at.second), text) << at.second;
        EXPECT_EQ(e.UndoStack.Count(), c.recorded);
        EXPECT_EQ(e.UndoEnabled, c.undo);
        EXPECT_EQ(e.ClipboardStack.Count(), c.clipboard.size());  // pasted again as often as wished
        EXPECT_TRUE(e.PasteEnabled);
    }
}

TEST(TableEditor, PasteWithAnEmptyClipboardOnlyDisablesPaste) {
    TTableEditor e;
    Fill(e, {{"1", "2"}});
    TypeAt(e, 1, 2, "3");
    e.CellSelected(1, 3);
    ASSERT_TRUE(e.UndoEnabled);
    e.PasteEnabled = true;
    int states = 0;
    e.StatesChanged = [&states] { ++states; };
    e.Paste();
    EXPECT_FALSE(e.PasteEnabled);
    EXPECT_EQ(states, 1);
    EXPECT_TRUE(e.UndoEnabled);
    EXPECT_EQ(e.UndoStack.Count(), 1u);
    EXPECT_EQ(Rows(e, 1, 2), (std::vector<Row>{{"1", "2"}, {"3", ""}}));
}

TEST(TableEditor, DeleteAndInsertAreUndoneInOneStep) {
    const struct {
        const char* what;
        void (TTableEditor::*command)();
        int row;
        std::vector<std::pair<int, Row>> after;
    } cases[] = {
        {"Delete blanks the row; the rows below stay", &TTableEditor::Delete, 2,
         {{1, {"x1", "y1"}}, {2, {"", ""}}, {3, {"x3", "y3"}}}},
        {"Insert on row 1 moves every row down and drops row 5000", &TTableEditor::Insert, 1,
         {{1, {"", ""}}, {2, {"x1", "y1"}}, {4, {"x3", "y3"}}, {kLast, {"x4999", "y4999"}}}},
        {"Insert on row 5000 just blanks it", &TTableEditor::Insert, kLast,
         {{kLast - 1, {"x4999", "y4999"}}, {kLast, {"", ""}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TTableEditor e;
        Fill(e, Numbered(kLast));
        e.CellSelected(2, c.row);
        (e.*c.command)();
        for (const auto& [r, row] : c.after) EXPECT_EQ(RowAt(e, r), row) << r;
        EXPECT_EQ(e.CurrentText, "");
        EXPECT_TRUE(e.UndoEnabled);
        e.Undo();
        EXPECT_EQ(Rows(e, 1, kLast), Numbered(kLast));
        e.Redo();
        for (const auto& [r, row] : c.after) EXPECT_EQ(RowAt(e, r), row) << r;
    }
}

TEST(TableEditor, RowMovesCarryTheRecordedRowsWithTheirTexts) {
    const struct {
        int from;
        int to;
        std::vector<Row> rows;  // rows 1..8 after the move
    } moves[] = {
        {7, 3, {{"x1", "y1"}, {"x2", "y2"}, {"x7", "y7"}, {"x3", "y3"}, {"x4", "y4"}, {"x5", "y5"}, {"x6", "y6"}, {"x8", "y8"}}},
        {3, 7, {{"x1", "y1"}, {"x2", "y2"}, {"x4", "y4"}, {"x5", "y5"}, {"x6", "y6"}, {"x7", "y7"}, {"x3", "y3"}, {"x8", "y8"}}},
    };
    for (const auto& m : moves) {
        SCOPED_TRACE(std::to_string(m.from) + " to " + std::to_string(m.to));
        TTableEditor e;
        Fill(e, Numbered(8));
        e.RowMoved(m.from, m.to);
        EXPECT_EQ(Rows(e, 1, 8), m.rows);
        EXPECT_FALSE(e.UndoEnabled);  // not an undo step
    }

    // Delete row 5, drag it to row 2, Undo, drag it on to row 8, Redo: X and Y stay together.
    TTableEditor e;
    Fill(e, Numbered(8));
    e.CellSelected(1, 5);
    e.Delete();
    e.RowMoved(5, 2);
    EXPECT_EQ(RowAt(e, 2), Row("", ""));
    e.Undo();
    EXPECT_EQ(Rows(e, 1, 5), (std::vector<Row>{{"x1", "y1"}, {"x5", "y5"}, {"x2", "y2"}, {"x3", "y3"}, {"x4", "y4"}}));
    e.RowMoved(2, 8);
    e.Redo();
    EXPECT_EQ(RowAt(e, 8), Row("", ""));
    EXPECT_EQ(RowAt(e, 7), Row("x8", "y8"));
    e.Undo();
    EXPECT_EQ(RowAt(e, 8), Row("x5", "y5"));
}

TEST(TableEditor, ImportWritesThePointsFromRowOneAsOneStep) {
    const struct {
        const char* what;
        std::vector<TTableElemObj> points;
        std::vector<Row> rows;  // rows 1..3 after the import
        bool undo;
    } cases[] = {
        {"two points over three rows", {{1.5, -2}, {1e20, 0.0001}}, {{"1.5", "-2"}, {"1E20", "0.0001"}, {"a3", "b3"}}, true},
        {"a table without points", {}, {{"a1", "b1"}, {"a2", "b2"}, {"a3", "b3"}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TTableEditor e;
        Fill(e, {{"a1", "b1"}, {"a2", "b2"}, {"a3", "b3"}});
        TTableObj table;
        table.Points = c.points;
        e.Import(table, '.');
        EXPECT_EQ(Rows(e, 1, 3), c.rows);
        EXPECT_EQ(e.UndoEnabled, c.undo);
        e.Undo();
        EXPECT_EQ(Rows(e, 1, 3), (std::vector<Row>{{"a1", "b1"}, {"a2", "b2"}, {"a3", "b3"}}));
    }

    TTableEditor e;
    Fill(e, {});
    TTableObj big;
    for (int i = 1; i <= 6000; ++i) big.AddPoint(i, -i);
    e.Import(big, ',');
    EXPECT_EQ(RowAt(e, kLast), Row("5000", "-5000"));
    EXPECT_EQ(e.UndoStack.Count(), 10000u);
}

TEST(TableEditor, CommandsThatLeaveAnEmptyStepDisableUndoAndKeepTheRedoStep) {
    MessageRecorder boxes;  // Replace's count box
    const struct {
        const char* what;
        std::function<void(TTableEditor&)> command;
    } cases[] = {
        {"a Cut that took nothing",
         [](TTableEditor& e) {
             e.Command([&e] {
                 return CutCells(nullptr, e.ClipboardStack, e.UndoStack, e.Grid, {{false, "3", "9"}}, '.');
             });
         }},
        {"a Replace that found nothing",
         [](TTableEditor& e) {
             e.Command([&e] { return DoReplace(nullptr, e.Grid, e.UndoStack, 1, {"9", "1"}, '.') >= 1; });
         }},
        {"a Swap over empty rows",
         [](TTableEditor& e) {
             e.Command([&e] { return SwapCells(nullptr, e.Grid, e.UndoStack, {false, "3", "9"}).value_or(false); });
         }},
        {"a Paste past row 5000",
         [](TTableEditor& e) {
             e.ClipboardStack.Push(1, 1, "9");
             e.CellSelected(1, kLast);
             e.Paste();
         }},
        {"an import without points", [](TTableEditor& e) { e.Import(TTableObj(), '.'); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TTableEditor e;
        Fill(e, {{"1", "2"}, {"3", "4"}});
        e.Delete();
        e.Undo();
        e.Redo();
        e.Undo();  // Undo and Redo both had their turn; Redo is enabled now
        ASSERT_TRUE(e.RedoEnabled);
        e.CellSelected(1, 2);
        e.Delete();  // a new step, so Undo is enabled
        ASSERT_TRUE(e.UndoEnabled);
        c.command(e);
        EXPECT_FALSE(e.UndoEnabled);
        e.Undo();
        EXPECT_TRUE(e.RedoEnabled);
        e.Redo();
        EXPECT_EQ(RowAt(e, 1), Row("", ""));
    }
}

TEST(TableEditor, AfterACommandTheNextMoveRecordsNoEdit) {
    TTableEditor e;
    Fill(e, {{"1", "2"}});
    e.Delete();
    e.CellSelected(1, 2);
    e.Undo();
    EXPECT_EQ(RowAt(e, 1), Row("1", "2"));

    // A program write into the current cell is no edit either.
    e.CellSelected(2, 1);
    e.Command([&e] {
        e.UndoStack.Clear();
        e.UndoStack.Push(2, 1, e.Grid.Cell(2, 1));
        e.Grid.SetCell(2, 1, "20");
        return true;
    });
    e.CellSelected(1, 1);
    EXPECT_EQ(e.UndoStack.Count(), 1u);
    EXPECT_EQ(e.UndoStack[0], TStringGridElem(2, 1, "2"));
}

TEST(TableEditor, OneChangeSignalPerCommandAndProgramSelectionsMoveTheView) {
    TTableEditor e;
    std::vector<TTableGrid::Range> written;
    std::vector<std::pair<int, int>> moved;
    e.CellsWritten = [&written](const TTableGrid::Range& r) { written.push_back(r); };
    e.CurrentMoved = [&moved](int c, int r) { moved.push_back({c, r}); };
    Fill(e, Numbered(3));
    ASSERT_EQ(written.size(), 1u);
    e.CellSelected(1, 2);
    e.Insert();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ((std::vector<int>{written[1].FirstCol, written[1].FirstRow, written[1].LastCol, written[1].LastRow}),
              (std::vector<int>{1, 2, 2, kLast}));

    TypeAt(e, 2, 7, "q");
    e.Grid.Select(1, 9);  // as an operation selects a found cell
    EXPECT_EQ(moved.back(), std::make_pair(1, 9));
    EXPECT_EQ(e.CurrentRow, 9);
    EXPECT_EQ(e.UndoStack[0], TStringGridElem(2, 7, ""));
}

// Answers Yes, then `second`, then OK, noting how many ranges the view had been shown at each box.
class ShownAtEachBox final : public MessageSink {
public:
    ShownAtEachBox(MsgResult second, const std::vector<std::vector<int>>& shown) : second_(second), shown_(shown) {
        previous_ = ZMApplication::instance()->setMessageSink(this);
    }
    ~ShownAtEachBox() override { ZMApplication::instance()->setMessageSink(previous_); }
    MsgResult show(const MessageRequest&) override {
        Counts.push_back(shown_.size());
        return Counts.size() == 1 ? MsgResult::Yes : Counts.size() == 2 ? second_ : MsgResult::Ok;
    }
    std::vector<std::size_t> Counts;

private:
    MsgResult second_;
    const std::vector<std::vector<int>>& shown_;
    MessageSink* previous_ = nullptr;
};

TEST(TableEditor, AReplaceShowsWhatItReplacedBeforeEachBox) {
    // Row 6 holds (5, 5) and (1, 6) is current; the answers are for X and Y of row 6. The view
    // sees X replaced before the question about Y and Y before the count box, and the current
    // cell's new text is no edit although the command's end has nothing left to show.
    const struct {
        MsgResult forY;
        std::vector<std::vector<int>> shown;
        std::vector<std::size_t> shownAtBoxes;
        Row row;
    } cases[] = {
        {MsgResult::Yes, {{1, 6, 1, 6}, {2, 6, 2, 6}}, {0, 1, 2}, {"50", "50"}},
        {MsgResult::No, {{1, 6, 1, 6}}, {0, 1, 1}, {"50", "5"}},
    };
    for (const auto& c : cases) {
        TTableEditor e;
        std::vector<std::vector<int>> shown;
        e.CellsWritten = [&shown](const TTableGrid::Range& r) {
            shown.push_back({r.FirstCol, r.FirstRow, r.LastCol, r.LastRow});
        };
        Fill(e, {{"1", "2"}, {"5", "5"}}, 5);
        shown.clear();
        e.CellSelected(1, 6);
        ShownAtEachBox boxes(c.forY, shown);
        EXPECT_TRUE(e.Command([&e] { return DoReplace(nullptr, e.Grid, e.UndoStack, 5, {"5", "50"}, '.') >= 1; }));
        EXPECT_EQ(boxes.Counts, c.shownAtBoxes);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(RowAt(e, 6), c.row);
        EXPECT_EQ(e.CurrentText, "50");
    }
}

TEST(TablePurge, KeepsRowsOfTwoNumbersMovedUpWithTheirTexts) {
    TTableEditor e;
    Fill(e, {{"1", "2"},
             {"a", "3"},
             {"", "4"},
             {"  ", "5"},
             {"-99999.999", "1"},
             {" 3 ", "4.50"},
             {"", ""},
             {"7", "x"},
             {"1e2", "-0"}});
    PurgeGrid(e.Grid, e.UndoStack, '.');
    EXPECT_EQ(Rows(e, 1, 4), (std::vector<Row>{{"1", "2"}, {" 3 ", "4.50"}, {"1e2", "-0"}, {"", ""}}));
    EXPECT_EQ(e.UndoStack.Count(), 10000u);
    EXPECT_EQ(e.UndoStack[2], TStringGridElem(1, 2, "a"));
}

TEST(TablePurge, TheTwoOptionsChooseWhichRowsGo) {
    const std::vector<Row> rows{{"1", "2"},   {"a", "3"}, {"", "4"},  {"  ", "5"}, {"-99999.999", "1"},
                                {"", ""},     {"7", "x"}, {"b", ""},  {"1e2", "-0"}};
    const struct {
        TPurgeOptions options;
        std::vector<int> kept;  // rows of `rows`, 1-based
    } cases[] = {
        {{true, true}, {1, 9}},
        {{true, false}, {1, 2, 5, 7, 9}},
        {{false, true}, {1, 3, 4, 9}},
        {{false, false}, {1, 2, 3, 4, 5, 7, 8, 9}},  // only the fully blank row goes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.options.Unpaired) + std::to_string(c.options.Invalid));
        TTableEditor e;
        Fill(e, rows);
        PurgeGrid(e.Grid, e.UndoStack, '.', c.options);
        std::vector<Row> expected;
        for (int r : c.kept) expected.push_back(rows[static_cast<std::size_t>(r - 1)]);
        expected.resize(rows.size());
        EXPECT_EQ(Rows(e, 1, static_cast<int>(rows.size())), expected);
        EXPECT_EQ(e.UndoStack.Count(), 10000u);
    }
}

TEST(TableEditor, EveryWritingOperationIsOneUndoStepAndRedoBringsItsResultBack) {
    MessageRecorder boxes;  // Replace's count box
    const struct {
        const char* what;
        std::function<bool(TTableEditor&)> run;
    } cases[] = {
        {"Cut",
         [](TTableEditor& e) {
             return CutCells(nullptr, e.ClipboardStack, e.UndoStack, e.Grid, {{false, "1", "4"}, TColumnChoice::XAndY, false},
                             '.');
         }},
        {"Replace",
         [](TTableEditor& e) {
             return DoReplace(nullptr, e.Grid, e.UndoStack, 1, {"2", "5", TColumnChoice::XAndY, false, false, true}, '.') >= 1;
         }},
        {"Swap", [](TTableEditor& e) { return SwapCells(nullptr, e.Grid, e.UndoStack, {true}).value_or(false); }},
        {"Purge", [](TTableEditor& e) { return PurgeGrid(e.Grid, e.UndoStack, '.', {false, true}), true; }},
        {"Fill", [](TTableEditor& e) { return FillCells(nullptr, e.Grid, e.UndoStack, {2, "n", {false, "1", "10"}}, '.'); }},
        {"Modify", [](TTableEditor& e) { return ModifyCells(nullptr, e.Grid, e.UndoStack, {1, "x*y", {true}}, '.'); }},
        {"Sort, purged rows included",
         [](TTableEditor& e) { return SortGrid(e.Grid, e.UndoStack, TSortOrder::YDescending, '.'), true; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TTableEditor e;
        Fill(e, {{"3", "1"}, {"", "2"}, {"a", "b"}, {"1", "3"}, {"", ""}, {"2", "-99999.999"}, {"2", "2"}, {"  ", "7"}});
        e.Grid.SetCell(2, kLast, "9");
        e.CellSelected(2, 2);
        const std::vector<Row> before = AllRows(e.Grid);
        ASSERT_TRUE(e.Command([&] { return c.run(e); }));
        const std::vector<Row> after = AllRows(e.Grid);
        ASSERT_NE(after, before);
        EXPECT_TRUE(e.UndoEnabled);
        EXPECT_EQ(e.CurrentText, e.Grid.Cell(2, 2));
        for (int i = 0; i < 2; ++i) {
            e.Undo();
            EXPECT_EQ(AllRows(e.Grid), before);
            e.Redo();
            EXPECT_EQ(AllRows(e.Grid), after);
        }
    }
}

TTableProperties SomeProperties() {
    TTableProperties p;
    p.ShowEnabled = 0;
    p.Description = "measured";
    p.LineWidthRow = 2;
    p.LineStyle = 3;
    p.LineColor = 0x00FF00;
    p.SortingRow = 0;
    p.Smooth = 1;
    return p;
}

TEST(TableEditor, AddTableOkAppendsTheUsableRowsSilently) {
    const struct {
        const char* what;
        std::vector<Row> grid;
        int sortingRow;
        std::vector<TTableElemObj> points;
        std::uint8_t sortingType;
    } cases[] = {
        {"an empty grid", {}, 0, {}, 0},
        {"only complete numeric rows", {{"1", "2"}, {"a", "3"}, {"", "4"}}, 0, {{1, 2}}, 0},
        {"gaps close up", {{"", ""}, {"5", "6"}, {"", ""}, {"1", "2"}}, 0, {{5, 6}, {1, 2}}, 0},
        {"on x, as numbers", {{"10", "1"}, {"9", "2"}, {"9.5", "3"}}, 1, {{9, 2}, {9.5, 3}, {10, 1}}, 1},
        {"on y", {{"1", "3"}, {"2", "1"}, {"3", "2"}}, 2, {{2, 1}, {3, 2}, {1, 3}}, 2},
        {"no row chosen sorts on y", {{"1", "3"}, {"2", "1"}}, -1, {{2, 1}, {1, 3}}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TTableEditor e;
        Fill(e, c.grid);
        TMemory memory;
        TTableProperties p = SomeProperties();
        p.SortingRow = c.sortingRow;
        e.AddTableOK(memory, p, '.');
        ASSERT_EQ(memory.Count(), 1u);
        const TTableObj* t = memory.GetTable(0);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->Points, c.points);
        EXPECT_EQ(t->SortingType, c.sortingType);
        EXPECT_EQ(t->ShowEnabled, 0);
        EXPECT_EQ(t->Description, "measured");
        EXPECT_EQ(t->Smooth, 1);
        EXPECT_EQ(t->GraphStyle, TGraphStyle::CreateStyled(3, 3, 0x00FF00));
        EXPECT_EQ(t->Name, TTableObj().Name);
    }
}

TEST(TableEditor, EditTableKeepsPointsPastTheGridAndCancelChangesNothing) {
    TTableObj table;
    table.Name = "kept";
    table.Interval = TInterval::CreateRange(1, -3, 3);
    table.GraphStyle.LineWidth = 7;
    table.GraphStyle.BrushStyle = 2;
    table.SortingType = 5;
    for (int i = 1; i <= 6000; ++i) table.AddPoint(i, 6000 - i);
    const TTableObj before = table;

    TTableEditor e;
    const TTableProperties shown = e.Load(table, '.');
    e.Start();
    EXPECT_EQ(shown.LineWidthRow, -1);
    EXPECT_EQ(shown.SortingRow, 2);
    EXPECT_EQ(e.CurrentText, "1");
    EXPECT_EQ(RowAt(e, kLast), Row("5000", "1000"));
    EXPECT_EQ(e.PointsPastGrid.size(), 1000u);

    TypeAt(e, 2, 1, "x");  // row 1 is no point any more
    e.CellSelected(1, 2);
    EXPECT_EQ(table, before);  // Cancel is this: nothing reaches the table without OK

    TTableProperties p = shown;
    p.SortingRow = 0;
    e.EditTableOK(table, p, '.');
    ASSERT_EQ(table.Count(), 5999u);
    EXPECT_EQ(table.Points.front(), (TTableElemObj{2, 5998}));
    EXPECT_EQ(table.Points[4998], (TTableElemObj{5000, 1000}));
    EXPECT_EQ(table.Points[4999], (TTableElemObj{5001, 999}));
    EXPECT_EQ(table.Points.back(), (TTableElemObj{6000, 0}));
    EXPECT_EQ(table.GraphStyle.LineWidth, 7);
    EXPECT_EQ(table.GraphStyle.BrushStyle, TGraphStyle().BrushStyle);
    EXPECT_EQ(table.SortingType, 0);
    EXPECT_EQ(table.Name, "kept");
    EXPECT_EQ(table.Interval, before.Interval);

    // With a sorting type, the points past the grid are sorted with the rest.
    TTableObj again = before;
    TTableEditor e2;
    TTableProperties q = e2.Load(again, '.');
    e2.Start();
    q.SortingRow = 2;
    e2.EditTableOK(again, q, '.');
    ASSERT_EQ(again.Count(), 6000u);
    EXPECT_EQ(again.Points.front(), (TTableElemObj{6000, 0}));
    EXPECT_EQ(again.Points.back(), (TTableElemObj{1, 5999}));
}

}  // namespace
