// Table Information: the figures of each column, the values that count, N = 0, and values near
// the largest double, whose sums and squares overflow.

#include "editors/ZMTableInfo.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/TableGridRows.h"

namespace {

TEST(TableInfo, FiguresOfTheNumbersOfEachColumn) {
    TTableGrid grid;
    // X: 1, 2, 3, 6 (the marker, a word and blanks do not count); Y: 4 and -4.
    PutRows(grid, {{"1", ""},
                   {" 2 ", "4"},
                   {"-99999.999", "x"},
                   {"3", "  "},
                   {"abc", "-4"},
                   {"6", "-99999.999"}});
    const TColumnFigures x = ColumnFigures(grid, 1, '.');
    EXPECT_EQ(x.N, 4);
    EXPECT_EQ(x.Minimum, 1);
    EXPECT_EQ(x.Maximum, 6);
    EXPECT_EQ(x.Average, 3);
    EXPECT_EQ(x.StdDeviation, std::sqrt(3.5));
    EXPECT_EQ(x.StdError, 1.5);

    const TColumnFigures y = ColumnFigures(grid, 2, '.');
    EXPECT_EQ(y.N, 2);
    EXPECT_EQ(y.Minimum, -4);
    EXPECT_EQ(y.Maximum, 4);
    EXPECT_EQ(y.Average, 0);
    EXPECT_EQ(y.StdDeviation, 4);
    EXPECT_EQ(y.StdError, 4);

    const TColumnFigures none = ColumnFigures(TTableGrid(), 1, '.');
    EXPECT_EQ(none.N, 0);
    for (double f : {none.Minimum, none.Maximum, none.Average, none.StdDeviation, none.StdError}) EXPECT_EQ(f, 0);
}

TEST(TableInfo, SumsAndSquaresThatOverflowStillGiveTheFigures) {
    const double big = 1.7976931348623157e308;
    const struct {
        const char* what;
        std::vector<std::string> values;
        double average;
        double deviation;
        double absDeviation;
    } cases[] = {
        // The sum overflows; so does everything after it.
        {"two of the largest", {"1.79769313486232E308", "1.79769313486232E308"}, big, 0, 0},
        // The mean is finite and stays bit for bit; the squares overflow.
        {"1E308 and -1E308", {"1E308", "-1E308"}, 0, 1e308, 1e308},
        // The deviations themselves overflow.
        {"1E308 and twice -1E308", {"1E308", "-1E308", "-1E308"}, -1e308 / 3, 1e308 / 3 * std::sqrt(8.0),
         1e308 / 9 * 8},
        {"near the largest, of both signs", {"1.7E308", "-1.7E308", "1.7E308", "1.7E308"}, 0.85e308,
         1.7e308 * std::sqrt(0.75), 1.275e308},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TTableGrid grid;
        for (std::size_t i = 0; i < c.values.size(); ++i) grid.SetCell(2, static_cast<int>(i) + 1, c.values[i]);
        const TColumnFigures f = ColumnFigures(grid, 2, '.');
        EXPECT_DOUBLE_EQ(f.Average, c.average);
        EXPECT_DOUBLE_EQ(f.StdDeviation, c.deviation);
        EXPECT_DOUBLE_EQ(f.StdError, c.absDeviation);
    }

    // A finite mean is the plain one, bit for bit.
    TTableGrid grid;
    PutRows(grid, {{"", "1E308"}, {"", "-1E308"}, {"", "0.1"}});
    EXPECT_EQ(ColumnFigures(grid, 2, '.').Average, (1e308 + -1e308 + 0.1) / 3);
}

}  // namespace
