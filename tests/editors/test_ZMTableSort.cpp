// Sort: the purge first, the four orders, equal keys keeping their order, numeric keys, and the
// number of exchanges the bubble sort would make.

#include "editors/ZMTableSort.h"

#include <gtest/gtest.h>

#include <random>

#include "editors/fmAddTableClass.h"
#include "support/TableGridRows.h"

namespace {

TEST(TableSort, FourOrdersKeepEqualKeysInOrderAndMoveTextsUnchanged) {
    // After the purge: (10, 1), (9, 2), (9.5, 3), (9.0, 2.0), (1e1, -1).
    const std::vector<Row> rows{{"10", "1"}, {"9", "2"}, {"", "7"}, {"9.5", "3"}, {"x", "1"}, {" 9.0", "2.0 "},
                                {"1e1", "-1"}};
    const struct {
        TSortOrder order;
        std::vector<Row> sorted;
        std::int64_t swaps;
    } cases[] = {
        {TSortOrder::XAscending, {{"9", "2"}, {" 9.0", "2.0 "}, {"9.5", "3"}, {"10", "1"}, {"1e1", "-1"}}, 4},
        {TSortOrder::XDescending, {{"10", "1"}, {"1e1", "-1"}, {"9.5", "3"}, {"9", "2"}, {" 9.0", "2.0 "}}, 4},
        {TSortOrder::YAscending, {{"1e1", "-1"}, {"10", "1"}, {"9", "2"}, {" 9.0", "2.0 "}, {"9.5", "3"}}, 5},
        {TSortOrder::YDescending, {{"9.5", "3"}, {"9", "2"}, {" 9.0", "2.0 "}, {"10", "1"}, {"1e1", "-1"}}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.order));
        TTableGrid grid;
        PutRows(grid, rows);
        TStringGridStack undo;
        const TSortRun run = SortGrid(grid, undo, c.order, '.');
        EXPECT_EQ(run.Rows, 5);
        EXPECT_EQ(run.Swaps, c.swaps);
        EXPECT_EQ(run.MaxSwaps(), 15);
        std::vector<Row> expected = c.sorted;
        expected.resize(8);
        EXPECT_EQ(Rows(grid, 1, 8), expected);
        // The step is the purge's: every cell as it was before.
        ASSERT_EQ(undo.Count(), 10000u);
        EXPECT_EQ(undo[4], TStringGridElem(1, 3, ""));
        EXPECT_EQ(undo[9], TStringGridElem(2, 5, "1"));
    }
}

TEST(TableSort, AnEmptyGridSortsNothing) {
    TTableGrid grid;
    TStringGridStack undo;
    const TSortRun run = SortGrid(grid, undo, TSortOrder::XDescending, '.');
    EXPECT_EQ(run.Rows, 0);
    EXPECT_EQ(run.Swaps, 0);
    EXPECT_EQ(undo.Count(), 10000u);
}

// The exchange sort the order must equal, pass by pass, counting its exchanges.
std::int64_t BubbleSort(std::vector<Row>& rows, bool byY, bool descending) {
    const auto key = [byY](const Row& r) { return std::stod(byY ? r.second : r.first); };
    std::int64_t swaps = 0;
    for (std::size_t end = rows.size(); end-- > 1;) {
        bool swapped = false;
        for (std::size_t j = 0; j < end; ++j) {
            const double a = key(rows[j]);
            const double b = key(rows[j + 1]);
            if (descending ? a < b : a > b) {
                std::swap(rows[j], rows[j + 1]);
                ++swaps;
                swapped = true;
            }
        }
        if (!swapped) break;
    }
    return swaps;
}

TEST(TableSort, GivesTheBubbleSortsOrderAndExchangeCount) {
    std::mt19937 random(31);
    const char* keys[] = {"-2", "-0", "0", "0.0", "1", "1e0", "2.5", "3", "1e300", "-1e-300"};
    for (int round = 0; round < 40; ++round) {
        const int n = 1 + static_cast<int>(random() % 300);
        std::vector<Row> rows;
        for (int i = 0; i < n; ++i)
            rows.push_back({keys[random() % 10] + std::string(i % 2 ? "" : " "), keys[random() % 10]});
        for (int order = 0; order < 4; ++order) {
            TTableGrid grid;
            PutRows(grid, rows);
            TStringGridStack undo;
            const TSortRun run = SortGrid(grid, undo, static_cast<TSortOrder>(order), '.');
            std::vector<Row> expected = rows;
            const std::int64_t swaps = BubbleSort(expected, order >= 2, order % 2 == 1);
            ASSERT_EQ(run.Swaps, swaps) << round << " " << order;
            ASSERT_EQ(Rows(grid, 1, n), expected) << round << " " << order;
        }
    }

    // 5000 reversed rows: every pair is out of order.
    TTableGrid grid;
    for (int r = 1; r <= TTableGrid::RowCount; ++r) PutRows(grid, {{std::to_string(5001 - r), std::to_string(r)}}, r);
    TStringGridStack undo;
    const TSortRun run = SortGrid(grid, undo, TSortOrder::XAscending, '.');
    EXPECT_EQ(run.Swaps, 5000LL * 4999 / 2);
    EXPECT_EQ(RowAt(grid, 1), Row("1", "5000"));
    EXPECT_EQ(RowAt(grid, 5000), Row("5000", "1"));
}

}  // namespace
