// Copy, Cut and Swap over a row interval: what they take, where it lands and what a refused
// interval leaves alone.

#include "editors/ZMTableRanges.h"

#include <gtest/gtest.h>

#include "editors/fmAddTableClass.h"
#include "support/MessageRecorder.h"
#include "support/TableGridRows.h"

namespace {

using Cells = std::vector<TStringGridElem>;

Cells Elements(const TStringGridStack& s) { return Cells(s.begin(), s.end()); }

// Rows 1..5: ("1", "x"), ("", "2"), (" 3 ", "4"), ("-99999.999", "5"), ("  ", "").
const std::vector<Row> kRows{{"1", "x"}, {"", "2"}, {" 3 ", "4"}, {"-99999.999", "5"}, {"  ", ""}};

TEST(TableCopyCut, TakeTheChosenCellsWithRowsFromTheIntervalStart) {
    const struct {
        const char* what;
        bool all;
        const char* from;
        const char* to;
        TColumnChoice columns;
        bool validOnly;
        Cells taken;  // the clipboard; Cut empties the same cells
    } cases[] = {
        {"rows 1..2, valid only", false, "1", "2", TColumnChoice::XAndY, true, {{1, 0, "1"}, {2, 1, "2"}}},
        {"rows 2..5, valid only", false, "2", "5", TColumnChoice::XAndY, true,
         {{2, 0, "2"}, {1, 1, " 3 "}, {2, 1, "4"}, {2, 2, "5"}}},
        {"rows 2..3 of Y", false, "2", "3", TColumnChoice::Y, true, {{2, 0, "2"}, {2, 1, "4"}}},
        {"rows 4..5 of X, everything", false, "4", "5", TColumnChoice::X, false,
         {{1, 0, "-99999.999"}, {1, 1, "  "}}},
        {"rows 1..2, everything", false, "1", "2", TColumnChoice::XAndY, false,
         {{1, 0, "1"}, {2, 0, "x"}, {1, 1, ""}, {2, 1, "2"}}},
        {"all rows, valid only", true, "", "", TColumnChoice::X, true, {{1, 0, "1"}, {1, 2, " 3 "}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MessageRecorder boxes;
        TTableGrid grid;
        PutRows(grid, kRows);
        const TCopyOptions options{{c.all, c.from, c.to}, c.columns, c.validOnly};
        TStringGridStack clipboard;
        clipboard.Push(1, 0, "old");
        ASSERT_TRUE(CopyCells(nullptr, clipboard, grid, options, '.'));
        EXPECT_EQ(Elements(clipboard), c.taken);
        EXPECT_EQ(Rows(grid, 1, 5), kRows);

        TStringGridStack undo;
        undo.Push(1, 1, "an older step");
        clipboard.Push(1, 0, "old");
        ASSERT_TRUE(CutCells(nullptr, clipboard, undo, grid, options, '.'));
        EXPECT_EQ(Elements(clipboard), c.taken);
        const int first = c.all ? 1 : std::stoi(c.from);
        ASSERT_EQ(undo.Count(), c.taken.size());
        for (std::size_t i = 0; i < c.taken.size(); ++i) {
            const TStringGridElem& t = c.taken[i];
            EXPECT_EQ(undo[i], TStringGridElem(t.Col, first + t.Row, t.Text));
            EXPECT_EQ(grid.Cell(t.Col, first + t.Row), "");
        }
        EXPECT_EQ(boxes.count(), 0);
    }
}

TEST(TableCopyCut, ARefusedIntervalLeavesGridAndBuffersAlone) {
    MessageRecorder boxes;
    TTableGrid grid;
    PutRows(grid, kRows);
    TStringGridStack clipboard;
    TStringGridStack undo;
    clipboard.Push(1, 0, "kept");
    undo.Push(2, 3, "kept");
    const TCopyOptions refused{{false, "3", "2"}};
    EXPECT_FALSE(CopyCells(nullptr, clipboard, grid, refused, '.'));
    EXPECT_FALSE(CutCells(nullptr, clipboard, undo, grid, refused, '.'));
    EXPECT_FALSE(SwapCells(nullptr, grid, undo, refused.Rows).has_value());
    EXPECT_EQ(boxes.count(), 3);
    EXPECT_EQ(Elements(clipboard), Cells({{1, 0, "kept"}}));
    EXPECT_EQ(Elements(undo), Cells({{2, 3, "kept"}}));
    EXPECT_EQ(Rows(grid, 1, 5), kRows);
}

TEST(TableSwap, ExchangesXAndYOfRowsWithAnyText) {
    const struct {
        const char* what;
        TRowInterval rows;
        std::optional<bool> swapped;
        std::vector<Row> after;  // rows 1..6
        Cells step;
    } cases[] = {
        {"all rows",
         {true, "", ""},
         true,
         {{"x", "1"}, {"2", ""}, {"4", " 3 "}, {"5", "-99999.999"}, {"", "  "}, {"", ""}},
         {{1, 1, "1"}, {2, 1, "x"}, {1, 2, ""}, {2, 2, "2"}, {1, 3, " 3 "}, {2, 3, "4"},
          {1, 4, "-99999.999"}, {2, 4, "5"}, {1, 5, "  "}, {2, 5, ""}}},
        {"row 2 only",
         {false, "2", "2"},
         true,
         {{"1", "x"}, {"2", ""}, {" 3 ", "4"}, {"-99999.999", "5"}, {"  ", ""}, {"", ""}},
         {{1, 2, ""}, {2, 2, "2"}}},
        {"empty rows", {false, "6", "4000"}, false, {kRows.begin(), kRows.end()}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TTableGrid grid;
        PutRows(grid, kRows);
        TStringGridStack undo;
        undo.Push(1, 1, "an older step");
        EXPECT_EQ(SwapCells(nullptr, grid, undo, c.rows), c.swapped);
        std::vector<Row> after = c.after;
        after.resize(6);
        EXPECT_EQ(Rows(grid, 1, 6), after);
        EXPECT_EQ(Elements(undo), c.step);
    }
}

}  // namespace
