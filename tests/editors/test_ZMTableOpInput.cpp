// What the table operations read: the row interval with its boxes, and how each operation reads
// a blank cell, a cell of blanks, the not-a-number marker and a text that is no number.

#include "editors/ZMTableOpInput.h"

#include <gtest/gtest.h>

#include "editors/ZMTableFormula.h"
#include "editors/ZMTableInfo.h"
#include "editors/ZMTablePurge.h"
#include "editors/ZMTableRanges.h"
#include "editors/ZMTableSearch.h"
#include "support/MessageRecorder.h"
#include "support/TableGridRows.h"

namespace {

const QString kLower = QStringLiteral("Lower limit must be a natural number up to 5000");
const QString kUpper = QStringLiteral("Upper limit must be a natural number up to 5000");
const QString kExceed = QStringLiteral("Lower limit can not exceed upper limit");

TEST(TableOpInterval, NamesItsRowsOrShowsEachFailedTestInOrder) {
    const struct {
        TRowInterval interval;
        int from;  // 0: refused
        int to;
        QStringList boxes;
    } cases[] = {
        {{true, "abc", "7000"}, 1, 5000, {}},
        {{false, "1", "100"}, 1, 100, {}},
        {{false, "  7", "9"}, 7, 9, {}},  // leading blanks are allowed
        {{false, "5000", "5000"}, 5000, 5000, {}},
        {{false, "7 ", "9"}, 0, 0, {kLower}},  // trailing ones are not
        {{false, "abc", "7000"}, 0, 0, {kLower, kUpper}},
        {{false, "9", "3"}, 0, 0, {kExceed}},
        {{false, "0", "0"}, 0, 0, {kLower}},
        {{false, "", ""}, 0, 0, {kLower, kUpper}},
        {{false, "6000", "7000"}, 0, 0, {kUpper}},
        {{false, "6000", "100"}, 0, 0, {kExceed}},
        {{false, "1", "2.5"}, 0, 0, {kUpper}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.interval.From + " / " + c.interval.UpTo);
        MessageRecorder boxes;
        const std::optional<TRows> rows = CheckRows(nullptr, c.interval);
        ASSERT_EQ(rows.has_value(), c.from != 0);
        if (rows) {
            EXPECT_EQ(std::make_pair(rows->From, rows->To), std::make_pair(c.from, c.to));
        }
        EXPECT_EQ(boxes.texts(), c.boxes);
        for (const MessageRequest& box : boxes.boxes()) EXPECT_EQ(box.kind, MsgKind::Warning);
    }
}

TEST(TableOpCells, EachOperationReadsBlanksTheMarkerAndNonNumbersAsItsOwn) {
    // Row 1 holds the text in X and 1 in Y. Copy and Info take only numbers; Modify reads a text
    // that does not convert as 0 but the marker as its value; Find never matches what is no
    // number, not even when looking for 0; Purge drops the row unless the text is a number.
    const struct {
        const char* text;
        bool copied;
        const char* modifiedByX;  // Modify of X with the formula x
        bool foundAsZero;
        bool keptByPurge;
        int countedByInfo;
    } cases[] = {
        {"", false, "0", false, false, 0},
        {"   ", false, "0", false, false, 0},
        {"-99999.999", false, "-99999.999", false, false, 0},
        {"abc", false, "0", false, false, 0},
        {" 0 ", true, "0", true, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "'");
        MessageRecorder boxes;
        TTableGrid grid;
        PutRows(grid, {{c.text, "1"}});

        TStringGridStack clipboard;
        ASSERT_TRUE(CopyCells(nullptr, clipboard, grid, {{false, "1", "1"}, TColumnChoice::X}, '.'));
        EXPECT_EQ(clipboard.Count(), c.copied ? 1u : 0u);

        EXPECT_EQ(ColumnFigures(grid, 1, '.').N, c.countedByInfo);

        TTableFind find(1);
        find.FindNext(nullptr, grid, {"0", TColumnChoice::X}, '.');
        EXPECT_EQ(find.Found, c.foundAsZero);

        TTableGrid purged = grid;
        TStringGridStack undo;
        PurgeGrid(purged, undo, '.');
        EXPECT_EQ(RowAt(purged, 1) == Row(c.text, "1"), c.keptByPurge);

        ASSERT_TRUE(ModifyCells(nullptr, grid, undo, {1, "x", {false, "1", "1"}}, '.'));
        EXPECT_EQ(grid.Cell(1, 1), c.modifiedByX);
    }
}

}  // namespace
