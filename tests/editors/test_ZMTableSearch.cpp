// Find and Replace: matching by value, the presses of "Find Next =>", the direction switch, and
// Replace's prompt, its answers, Replace All, direction, start row and count box.

#include "editors/ZMTableSearch.h"

#include <gtest/gtest.h>

#include "editors/fmAddTableClass.h"
#include "support/MessageRecorder.h"
#include "support/TableGridRows.h"

namespace {

using Cell = std::pair<int, int>;

TEST(TableFind, PressesWalkTheRowsAndTheDirectionSwitchRestartsAtTheEnd) {
    MessageRecorder boxes;
    TTableGrid grid;
    PutRows(grid, {{"1", "7"}, {"2", "2.0"}, {" 2 ", "x"}, {"abc", ""}});
    std::vector<Cell> selected;
    grid.OnSelect = [&selected](int c, int r) { selected.push_back({c, r}); };

    TTableFind find(1);
    const struct {
        const char* what;
        bool backward;        // the direction of this press
        bool chooseBackward;  // chosen before the press; false: nothing chosen
        std::vector<Cell> selects;
        int currentRow;
        bool enabled;
        QStringList boxes;
    } presses[] = {
        {"X and Y of row 2", false, false, {{1, 2}, {2, 2}}, 3, true, {}},
        {"X of row 3", false, false, {{1, 3}}, 4, true, {}},
        {"nothing further", false, false, {}, 5001, false, {QStringLiteral("Cannot find '2'")}},
        {"Backward restarts at 5000", true, true, {{1, 3}}, 2, true, {}},
        {"row 2 again", true, false, {{1, 2}, {2, 2}}, 1, true, {}},
        {"nothing above", true, false, {}, 0, false, {QStringLiteral("Cannot find '2'")}},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(p.what);
        boxes.clear();
        selected.clear();
        if (p.chooseBackward) find.DirectionChosen(true);
        find.FindNext(nullptr, grid, {"2", TColumnChoice::XAndY, p.backward}, '.');
        EXPECT_EQ(selected, p.selects);
        EXPECT_EQ(find.CurrentRow, p.currentRow);
        EXPECT_EQ(find.Enabled, p.enabled);
        EXPECT_EQ(boxes.texts(), p.boxes);
    }
    EXPECT_TRUE(find.Found);
    EXPECT_EQ(find.Lines, (std::vector<std::string>{
                              "Value '2' is located at [X,2]", "Value '2' is located at [Y,2]",
                              "Value '2' is located at [X,3]", "Value '2' is located at [X,3]",
                              "Value '2' is located at [X,2]", "Value '2' is located at [Y,2]"}));

    // A disabled button does nothing; Forward brings the search back to row 1.
    boxes.clear();
    find.FindNext(nullptr, grid, {"2"}, '.');
    EXPECT_EQ(boxes.count(), 0);
    find.DirectionChosen(false);
    EXPECT_EQ(find.CurrentRow, 1);
    EXPECT_TRUE(find.Enabled);
}

TEST(TableFind, TheDirectionChangesTheRowOnlyPastTheEndItHeadsFor) {
    const struct {
        int row;
        bool enabled;
        bool backward;
        int rowAfter;
        bool enabledAfter;
    } cases[] = {
        {5001, false, true, 5000, true}, {5001, false, false, 5001, false}, {0, false, false, 1, true},
        {0, false, true, 0, false},      {7, true, true, 7, true},          {7, false, false, 7, false},
    };
    for (const auto& c : cases) {
        TTableFind find(c.row);
        find.Enabled = c.enabled;
        find.DirectionChosen(c.backward);
        EXPECT_EQ(find.CurrentRow, c.rowAfter) << c.row << " " << c.backward;
        EXPECT_EQ(find.Enabled, c.enabledAfter) << c.row << " " << c.backward;
    }
}

TEST(TableFind, OnlyANumberIsLookedForAndOnlyInTheChosenColumns) {
    const struct {
        std::string value;
        TColumnChoice columns;
        QStringList boxes;
        std::vector<std::string> lines;
    } cases[] = {
        {"", TColumnChoice::XAndY, {QStringLiteral("The value to find must be a number")}, {}},
        {"   ", TColumnChoice::XAndY, {QStringLiteral("The value to find must be a number")}, {}},
        {"two", TColumnChoice::XAndY, {QStringLiteral("The value to find must be a number")}, {}},
        {"-99999.999", TColumnChoice::XAndY, {QStringLiteral("The value to find must be a number")}, {}},
        {" 5", TColumnChoice::X, {}, {"Value ' 5' is located at [X,3]"}},
        {"5.0", TColumnChoice::Y, {}, {"Value '5.0' is located at [Y,2]"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        MessageRecorder boxes;
        TTableGrid grid;
        PutRows(grid, {{"1", "1"}, {"", "5"}, {"5", "1"}});
        TTableFind find(1);
        find.FindNext(nullptr, grid, {c.value, c.columns}, '.');
        EXPECT_EQ(boxes.texts(), c.boxes);
        EXPECT_EQ(find.Lines, c.lines);
        EXPECT_EQ(find.CurrentRow, c.lines.empty() ? 1 : 4 - (c.columns == TColumnChoice::Y));
    }
}

TEST(TableReplace, PromptAnswersReplaceAllDirectionAndTheCountBox) {
    // Rows 1..4: (1, 9), (9, 9.0), (2, 2), (9, 1).
    const std::vector<Row> rows{{"1", "9"}, {"9", "9.0"}, {"2", "2"}, {"9", "1"}};
    const struct {
        const char* what;
        TReplaceOptions options;
        int startRow;
        std::vector<MsgResult> answers;
        std::vector<Row> after;
        int count;
        QStringList prompts;  // the places asked about
    } cases[] = {
        {"first row only, no prompt", {"9", "0", TColumnChoice::XAndY, false, false}, 1, {},
         {{"1", "0"}, {"9", "9.0"}, {"2", "2"}, {"9", "1"}}, 1, {}},
        {"all rows, no prompt", {"9", "0", TColumnChoice::XAndY, false, false, true}, 1, {},
         {{"1", "0"}, {"0", "0"}, {"2", "2"}, {"0", "1"}}, 4, {}},
        {"from row 2 on, X only, all", {"9", "0", TColumnChoice::X, false, false, true}, 2, {},
         {{"1", "9"}, {"0", "9.0"}, {"2", "2"}, {"0", "1"}}, 2, {}},
        {"backward from row 3, Y only", {"9", "0", TColumnChoice::Y, true, false}, 3, {},
         {{"1", "9"}, {"9", "0"}, {"2", "2"}, {"9", "1"}}, 1, {}},
        {"Yes, No, Yes, then the run goes on", {"9", "0", TColumnChoice::XAndY, false, true, true}, 1,
         {MsgResult::Yes, MsgResult::No, MsgResult::Yes, MsgResult::No},
         {{"1", "0"}, {"9", "0"}, {"2", "2"}, {"9", "1"}}, 2, {"[Y,1]", "[X,2]", "[Y,2]", "[X,4]"}},
        {"No ends the run at a hit row without Replace All", {"9", "0"}, 1, {MsgResult::No},
         {rows.begin(), rows.end()}, 0, {"[Y,1]"}},
        {"Cancel keeps what was replaced", {"9", "0", TColumnChoice::XAndY, false, true, true}, 1,
         {MsgResult::Yes, MsgResult::Yes, MsgResult::Cancel},
         {{"1", "0"}, {"0", "9.0"}, {"2", "2"}, {"9", "1"}}, 2, {"[Y,1]", "[X,2]", "[Y,2]"}},
        {"Cancel at the first prompt", {"9", "0", TColumnChoice::XAndY, false, true, true}, 1, {MsgResult::Cancel},
         {rows.begin(), rows.end()}, 0, {"[Y,1]"}},
        {"nothing matches", {"3", "0", TColumnChoice::XAndY, false, true, true}, 1, {},
         {rows.begin(), rows.end()}, 0, {}},
        {"the replacement is written as typed", {"2", " 2.50 "}, 1, {},
         {{"1", "9"}, {"9", "9.0"}, {" 2.50 ", " 2.50 "}, {"9", "1"}}, 2, {"[X,3]", "[Y,3]"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MessageRecorder boxes;
        for (MsgResult a : c.answers) boxes.answer(a);
        TTableGrid grid;
        PutRows(grid, rows);
        TStringGridStack undo;
        undo.Push(1, 1, "an older step");
        EXPECT_EQ(DoReplace(nullptr, grid, undo, c.startRow, c.options, '.'), c.count);
        EXPECT_EQ(Rows(grid, 1, 4), c.after);
        ASSERT_EQ(boxes.count(), c.prompts.size() + 1);
        for (int i = 0; i < c.prompts.size(); ++i) {
            const MessageRequest& box = boxes.boxes()[static_cast<std::size_t>(i)];
            EXPECT_EQ(box.kind, MsgKind::Confirmation);
            EXPECT_EQ(box.buttons, MsgButtons::YesNoCancel);
            EXPECT_EQ(box.text, QStringLiteral("Replace the value '%1'which is located at %2 ?")
                                    .arg(QString::fromStdString(c.options.Value), c.prompts[i]));
        }
        EXPECT_EQ(boxes.last().kind, MsgKind::Information);
        EXPECT_EQ(boxes.last().text, QStringLiteral("%1 items have been replaced.").arg(c.count));
        // The step holds the old text of each replaced cell, once.
        ASSERT_EQ(undo.Count(), static_cast<std::size_t>(c.count));
        for (const TStringGridElem& e : undo) {
            const Row& before = rows[static_cast<std::size_t>(e.Row - 1)];
            EXPECT_EQ(e.Text, e.Col == 1 ? before.first : before.second) << e.Col << "," << e.Row;
            EXPECT_EQ(grid.Cell(e.Col, e.Row), c.options.With);
        }
    }
}

TEST(TableReplace, OkChecksTheValueThenTheReplacement) {
    const struct {
        std::string value;
        std::string with;
        QStringList boxes;
    } cases[] = {
        {"1", "2", {}},
        {" ", "2", {QStringLiteral("The value to find  must be a number")}},
        {"a", "b", {QStringLiteral("The value to find  must be a number")}},
        {"1", "", {QStringLiteral("The value to replace  must be a number")}},
        {"1", "-99999.999", {QStringLiteral("The value to replace  must be a number")}},
        {"1,5", "2", {}},
    };
    for (const auto& c : cases) {
        MessageRecorder boxes;
        EXPECT_EQ(CheckReplace(nullptr, {c.value, c.with}, ','), c.boxes.isEmpty()) << c.value << " " << c.with;
        EXPECT_EQ(boxes.texts(), c.boxes);
    }
}

}  // namespace
