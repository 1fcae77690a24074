// The scan grid and the rounding of scan results.

#include "tools/ZMScan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(ScanGrid, PointsComeFromTheIndexAndTheLastIsMax) {
    struct Case {
        double min, max;
        std::int64_t steps;
    };
    const Case cases[] = {{-10, 10, 500}, {0, 1, 10}, {-4, 4, 8}, {0.1, 0.7, 3}, {-1e-9, 3e-9, 7}};
    for (const Case& c : cases) {
        const TScanGrid grid(c.min, c.max, c.steps);
        ASSERT_TRUE(grid.Usable()) << c.min << " to " << c.max;
        const double h = (c.max - c.min) / static_cast<double>(c.steps);
        EXPECT_EQ(grid.H(), h);
        for (std::int64_t k = 0; k < c.steps; ++k) {
            EXPECT_EQ(grid.At(k), c.min + static_cast<double>(k) * h) << k;
            EXPECT_TRUE(grid.HasNext(k)) << k;
        }
        EXPECT_EQ(grid.At(c.steps), c.max);
        EXPECT_FALSE(grid.HasNext(c.steps));
    }
}

TEST(ScanGrid, AGridWithoutAFinitePositiveStepIsNotUsable) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double min, max;
        std::int64_t steps;
    };
    const Case cases[] = {{0, 1, 0}, {0, 1, -5}, {-1e308, 1e308, 500}, {1, 1, 10}, {2, 1, 10}, {-inf, 0, 10}};
    for (const Case& c : cases) EXPECT_FALSE(TScanGrid(c.min, c.max, c.steps).Usable()) << c.min << " " << c.steps;
}

TEST(ScanGrid, TheWalkEndsWhereTheMagnitudeSwallowsTheStep) {
    const TScanGrid grid(1e16, 1e16 + 10, 500);
    ASSERT_TRUE(grid.Usable());
    EXPECT_FALSE(grid.HasNext(0));  // 1E16 + 0.02 is 1E16
}

TEST(FormatRounded, RoundsToTheAccuracyWithHalvesToEven) {
    struct Case {
        double value;
        std::int32_t accuracy;
        const char* text;
    };
    const Case cases[] = {
        {1.23456, 3, "1.235"},
        {0.125, 2, "0.12"},   // exact halves go to the even neighbour
        {0.375, 2, "0.38"},
        {2.5, 1, "2.5"},
        {0.25, 1, "0.2"},
        {-0.25, 1, "-0.2"},
        // The product as computed in double decides, not the decimal value typed.
        {0.35, 1, "0.4"},     // 3.5: to even
        {2.675, 2, "2.68"},   // 267.5: to even
        {1.415, 2, "1.42"},   // 141.5: to even
        {2.665, 2, "2.66"},   // 266.5: to even
        {1.005, 2, "1"},      // 100.49999999999999
        {0.285, 2, "0.28"},   // 28.499999999999996
        {8.345, 2, "8.35"},   // 834.5000000000001
        {-1.42, 3, "-1.42"},  // no trailing zeros
        {-0.0001, 3, "0"},    // never "-0"
        {-0.0004999, 3, "0"},
        {-0.0005, 3, "0"},    // -0.5 to even is -0
        {0.1 + 0.2, 15, "0.3"},
        {1e-20, 15, "0"},
        {123456789.123456789, 5, "123456789.12346"},
        {9e15, 3, "9E15"},                      // the product is 9E18 < 2^63
        {1e16, 3, "1E16"},                      // the product is 1E19 >= 2^63: the value itself
        {-1e16, 3, "-1E16"},
        {1e300, 15, "1E300"},                   // the product overflows
        {1.23456789, 0, "1.23456789"},          // accuracy outside 1..15: the value itself
        {1.23456789, 16, "1.23456789"},
        {1.23456789, -3, "1.23456789"},
        {0.1234567890123456, 15, "0.123456789012346"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatRounded(c.value, c.accuracy, '.'), c.text) << c.value << " " << c.accuracy;
    EXPECT_EQ(FormatRounded(-1.23456, 3, ','), "-1,235");
    EXPECT_EQ(FormatRounded(std::numeric_limits<double>::quiet_NaN(), 3, '.'), "NAN");
}

}  // namespace
