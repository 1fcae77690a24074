// Fill and Modify: the variables each formula sees, the formula context of their own, failed
// rows, and the order of their messages.

#include "editors/ZMTableFormula.h"

#include <gtest/gtest.h>

#include "editors/fmAddTableClass.h"
#include "support/MessageRecorder.h"
#include "support/TableGridRows.h"

namespace {

using Operation = bool (*)(QWidget*, TTableGrid&, TStringGridStack&, const TFormulaOptions&, char);

// Rows 1..3: ("1", "10"), ("", "20"), ("3", "abc").
const std::vector<Row> kRows{{"1", "10"}, {"", "20"}, {"3", "abc"}};

TEST(TableFormula, FillAndModifyComputeEveryRowOfTheInterval) {
    const struct {
        const char* what;
        Operation run;
        TFormulaOptions options;
        char sep;
        std::vector<Row> after;  // rows 1..4
    } cases[] = {
        {"Fill Y from x and n", &FillCells, {2, "x*2+n", {false, "1", "3"}}, '.',
         {{"1", "3"}, {"", "2"}, {"3", "9"}, {"", ""}}},
        {"Fill X from y and n; x stays 0", &FillCells, {1, "x+y+n/10", {false, "1", "4"}}, '.',
         {{"10.1", "10"}, {"20.2", "20"}, {"0.3", "abc"}, {"0.4", ""}}},
        {"Modify X from x, y and n", &ModifyCells, {1, "x+y+n/10", {false, "2", "3"}}, '.',
         {{"1", "10"}, {"20.2", "20"}, {"3.3", "abc"}, {"", ""}}},
        {"Modify Y sees x too", &ModifyCells, {2, "x*y", {false, "1", "3"}}, '.',
         {{"1", "10"}, {"", "0"}, {"3", "0"}, {"", ""}}},
        {"PI is 3.1415926", &FillCells, {2, "PI", {false, "1", "1"}}, '.',
         {{"1", "3.1415926"}, {"", "20"}, {"3", "abc"}, {"", ""}}},
        {"a failing row gets 0", &ModifyCells, {2, "1/(x-1)", {false, "1", "3"}}, '.',
         {{"1", "0"}, {"", "-1"}, {"3", "0.5"}, {"", ""}}},
        {"1/0 everywhere", &FillCells, {1, "1/0", {false, "1", "2"}}, '.',
         {{"0", "10"}, {"0", "20"}, {"3", "abc"}, {"", ""}}},
        {"the user's separator", &FillCells, {2, "x/4", {false, "1", "1"}}, ',',
         {{"1", "0,25"}, {"", "20"}, {"3", "abc"}, {"", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MessageRecorder boxes;
        TTableGrid grid;
        PutRows(grid, kRows);
        TStringGridStack undo;
        undo.Push(1, 1, "an older step");
        ASSERT_TRUE(c.run(nullptr, grid, undo, c.options, c.sep));
        EXPECT_EQ(Rows(grid, 1, 4), c.after);
        EXPECT_EQ(boxes.count(), 0);
        // One old text per row of the interval, in the column written.
        const int target = c.options.TargetCol;
        int r = std::stoi(c.options.Rows.From);
        ASSERT_EQ(undo.Count(), static_cast<std::size_t>(std::stoi(c.options.Rows.UpTo) - r + 1));
        for (const TStringGridElem& e : undo) {
            const Row before = r <= 3 ? kRows[static_cast<std::size_t>(r - 1)] : Row();
            EXPECT_EQ(e, TStringGridElem(target, r, target == 1 ? before.first : before.second));
            ++r;
        }
    }
}

TEST(TableFormula, TheDocumentsNamesAreNotSeen) {
    MessageRecorder boxes;
    TTableGrid grid;
    TStringGridStack undo;
    EXPECT_FALSE(FillCells(nullptr, grid, undo, {1, "t+a", {false, "1", "1"}}, '.'));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Expression error")});
}

TEST(TableFormula, FailedChecksShowTheirMessagesInOrderAndChangeNothing) {
    const QString lower = QStringLiteral("Lower limit must be a natural number up to 5000");
    const QString upper = QStringLiteral("Upper limit must be a natural number up to 5000");
    const struct {
        const char* what;
        TFormulaOptions options;
        QStringList fill;
        QStringList modify;
    } cases[] = {
        {"a blank formula comes first", {1, "  ", {false, "x", "9000"}},
         {QStringLiteral("Expression cannot be null.")}, {QStringLiteral("Expression cannot be null.")}},
        {"then the interval", {1, "x+", {false, "x", "9000"}}, {lower, upper}, {lower, upper}},
        {"then the formula", {1, "x+", {false, "1", "10"}},
         {QStringLiteral("Expression error")}, {QStringLiteral("Expression error.")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& [run, texts] : {std::make_pair(&FillCells, c.fill), std::make_pair(&ModifyCells, c.modify)}) {
            MessageRecorder boxes;
            TTableGrid grid;
            PutRows(grid, kRows);
            TStringGridStack undo;
            undo.Push(2, 2, "kept");
            EXPECT_FALSE(run(nullptr, grid, undo, c.options, '.'));
            EXPECT_EQ(boxes.texts(), texts);
            for (const MessageRequest& box : boxes.boxes()) EXPECT_EQ(box.kind, MsgKind::Warning);
            EXPECT_EQ(Rows(grid, 1, 3), kRows);
            ASSERT_EQ(undo.Count(), 1u);
            EXPECT_EQ(undo[0], TStringGridElem(2, 2, "kept"));
        }
    }
}

}  // namespace
