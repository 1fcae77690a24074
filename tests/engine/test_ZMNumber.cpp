#include "engine/ZMNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FormatCase { double v; char sep; const char* text; };

TEST(ZMNumber, FloatToStrGeneralFormat) {
    const FormatCase cases[] = {
        {0.0, '.', "0"},           {-0.0, '.', "0"},
        {1e15, '.', "1E15"},       {1e-5, '.', "1E-5"},
        {0.0001, '.', "0.0001"},   {999999999999999.9, '.', "1E15"},
        {123456789012345678.0, '.', "1.23456789012346E17"},
        {1234567.5, ',', "1234567,5"}, {1000000, '.', "1000000"},
        {-1.25e-7, '.', "-1.25E-7"},   {0.000123456789012346, '.', "0.000123456789012346"},
        {3.141592653589793, '.', "3.14159265358979"}, {-2.5, ',', "-2,5"},
        {100, '.', "100"},         {1e100, '.', "1E100"},
        {std::numeric_limits<double>::quiet_NaN(), '.', "NAN"},
        {std::numeric_limits<double>::infinity(), '.', "INF"},
        {-std::numeric_limits<double>::infinity(), '.', "-INF"},
    };
    for (const auto& c : cases) EXPECT_EQ(zm::FloatToStr(c.v, c.sep), c.text) << c.v;
}

TEST(ZMNumber, StrictRealReading) {
    struct Case { const char* text; char sep; bool ok; double v; };
    const Case cases[] = {
        {"1.5", '.', true, 1.5},     {" -2 ", '.', true, -2},   {"+3", '.', true, 3},
        {".5", '.', true, 0.5},      {"5.", '.', true, 5},      {"1E15", '.', true, 1e15},
        {"1e-5", '.', true, 1e-5},   {"1,5", ',', true, 1.5},   {"1,5", '.', false, 0},
        {"1.5", ',', false, 0},      {".", '.', false, 0},      {"", '.', false, 0},
        {"inf", '.', false, 0},      {"nan", '.', false, 0},    {"0x10", '.', false, 0},
        {"1e", '.', false, 0},       {"1e400", '.', false, 0},  {"1e-400", '.', true, 0},
        {"1.2.3", '.', false, 0},    {"1 2", '.', false, 0},    {"--1", '.', false, 0},
        {"0.000e999", '.', true, 0}, {"-1e-400", '.', true, -0.0},
        {"0.0001", '.', true, 0.0001}, {"-0", '.', true, -0.0},    {"1E-5", '.', true, 1e-5},
        {"999999999999999.9", '.', true, 999999999999999.9},       {"1234567,5", ',', true, 1234567.5},
        {"1.234,5", ',', false, 0},  {"1 000", '.', false, 0},
    };
    for (const auto& c : cases) {
        double v = 12345;
        EXPECT_EQ(zm::TryStrToFloat(c.text, v, c.sep), c.ok) << c.text;
        if (c.ok) { EXPECT_EQ(v, c.v) << c.text; }
    }
}

TEST(ZMNumber, GeneralFormatReadsBack) {
    for (double v : {0.1, 1.0 / 3, 12345.678, -9.87654321e-12, 6.02214076e23})
        for (char sep : {'.', ','}) {
            double back = 0;
            ASSERT_TRUE(zm::TryStrToFloat(zm::FloatToStr(v, sep), back, sep));
            EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
        }
}

TEST(ZMNumber, FormulaTextHas15DigitsWithoutExponent) {
    const std::string max(std::string("179769313486232") + std::string(294, '0'));
    const std::string tiny("0." + std::string(323, '0') + "494065645841247");
    struct Case { double v; std::string text; };
    const Case cases[] = {
        {0.0, "0"},                          {-0.0, "0"},
        {123.0, "123"},                      {-0.1, "-0.1"},
        {2e-6, "0.000002"},                  {1e-5, "0.00001"},
        {1e20, "100000000000000000000"},     {1.0 / 3, "0.333333333333333"},
        {2 * 3.141592653589793, "6.28318530717959"},
        {1.4142135623730951, "1.4142135623731"},
        {0.1 + 0.2, "0.3"},                  {999999999999999.9, "1000000000000000"},
        {-2.302585092994046, "-2.30258509299405"},
        {std::numeric_limits<double>::max(), max},
        {std::numeric_limits<double>::denorm_min(), tiny},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zm::FloatToFormulaText(c.v), c.text) << c.v;
        // The text reads back as the 15-digit value, whatever its size.
        double back = 0;
        ASSERT_TRUE(zm::TryStrToFloat(c.text, back)) << c.text;
        double general = 0;
        ASSERT_TRUE(zm::TryStrToFloat(zm::FloatToStr(c.v), general)) << c.v;
        EXPECT_EQ(back, general) << c.text;
    }
}

TEST(ZMNumber, LargestDoubleReadsBackFromItsRoundedText) {
    const double max = std::numeric_limits<double>::max();
    struct Case { std::string text; char sep; bool ok; double v; };
    const Case cases[] = {
        {"1.79769313486232E308", '.', true, max},
        {"-1.79769313486232E308", '.', true, -max},
        {"1,79769313486232E308", ',', true, max},
        {"1.7976931348623158E308", '.', true, max},
        {"1.797693134862320000E308", '.', true, max},
        {"0.0179769313486232E310", '.', true, max},
        {"179769313486232" + std::string(294, '0'), '.', true, max},
        {"179769313486232" + std::string(294, '0') + ".0", '.', true, max},
        {"1.7976931348623157E308", '.', true, max},
        {"1.797693134862321E308", '.', false, 0},
        {"1.79769313486233E308", '.', false, 0},
        {"-1.8E308", '.', false, 0},
        {"1E309", '.', false, 0},
        {"179769313486232" + std::string(294, '0') + ".5", '.', false, 0},
        {"1797693134862320" + std::string(294, '0'), '.', false, 0},
    };
    for (const auto& c : cases) {
        double v = 12345;
        EXPECT_EQ(zm::TryStrToFloat(c.text, v, c.sep), c.ok) << c.text;
        if (c.ok) { EXPECT_EQ(v, c.v) << c.text; }
    }
    for (double v : {max, -max}) {
        double back = 0;
        ASSERT_TRUE(zm::TryStrToFloat(zm::FloatToStr(v, ','), back, ',')) << v;
        EXPECT_EQ(back, v);
    }
}

TEST(ZMNumber, IntegerReading) {
    struct Case { const char* text; bool ok; int32_t v; };
    const Case cases[] = {
        {"12", true, 12},      {"  -7", true, -7},   {"+5", true, 5},
        {"$10", true, 16},     {"-$10", true, -16},  {"0x1F", true, 31},
        {"x1f", true, 31},     {"$FFFFFFFF", true, -1},
        {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, {"12 ", false, 0}, {"", false, 0},
        {"$", false, 0},       {"0x", false, 0},     {"1.0", false, 0},
        {"$123456789", false, 0},
    };
    for (const auto& c : cases) {
        int32_t v = 99;
        EXPECT_EQ(zm::TryStrToInt(c.text, v), c.ok) << c.text;
        if (c.ok) { EXPECT_EQ(v, c.v) << c.text; }
    }
    uint8_t b = 0;
    ASSERT_TRUE(zm::TryStrToByte("257", b));
    EXPECT_EQ(b, 1);
    ASSERT_TRUE(zm::TryStrToByte("-1", b));
    EXPECT_EQ(b, 255);
}

TEST(ZMNumber, RoundingAndTruncation) {
    int32_t r = 0;
    ASSERT_TRUE(zm::TryRoundToInt32(2.5, r));
    EXPECT_EQ(r, 2);
    ASSERT_TRUE(zm::TryRoundToInt32(499.5, r));
    EXPECT_EQ(r, 500);
    EXPECT_FALSE(zm::TryRoundToInt32(1e10, r));
    EXPECT_FALSE(zm::TryRoundToInt32(std::nan(""), r));
    EXPECT_EQ(zm::TruncSat(-1.9), -1);
    EXPECT_EQ(zm::TruncSat(1e300), 2147483647);
    EXPECT_EQ(zm::TruncSat(-std::numeric_limits<double>::infinity()), -2147483647 - 1);
    EXPECT_EQ(zm::TruncSat(std::nan("")), 0);
    EXPECT_EQ(zm::Trim("\t a b \x01"), "a b");
}

}  // namespace
