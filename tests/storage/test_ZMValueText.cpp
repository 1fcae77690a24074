#include "storage/ZMValueText.h"

#include "support/XmlTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(ValueText, RealsWritten) {
    struct Case { double v; char sep; const char* text; };
    const Case cases[] = {
        {0, '.', "0"},
        {-0.0, '.', "0"},
        {0.1, '.', "0.1"},
        {2.5, ',', "2,5"},
        {1234567.5, '.', "1234567.5"},
        {1000000, '.', "1000000"},
        {0.0001, '.', "0.0001"},
        {0.00001, '.', "1E-5"},
        {1e15, '.', "1E15"},
        {999999999999999, '.', "999999999999999"},
        {123456789012345678.0, '.', "1.23456789012346E17"},
        {-0.000000125, ',', "-1,25E-7"},
        {1.0 / 3, '.', "0.333333333333333"},
        {std::numeric_limits<double>::infinity(), '.', "INF"},
        {-std::numeric_limits<double>::infinity(), '.', "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), '.', "NAN"},
    };
    for (const Case& c : cases) EXPECT_EQ(RealText(c.v, c.sep), c.text) << c.text;
}

TEST(ValueText, RealsReadWithEitherDecimalSeparator) {
    struct Case { const char* text; double v; };
    const Case ok[] = {
        {"2.5", 2.5},   {"2,5", 2.5},  {" -1E-5 ", -1e-5}, {"-1,25E-7", -1.25e-7}, {"1E15", 1e15},
        {".5", 0.5},    {",5", 0.5},   {"5.", 5},          {"5,", 5},              {"+3", 3},
        {"1e-400", 0},  {"1,000", 1},  {"0.333333333333333", 0.333333333333333},
        {"123456789012345678", 123456789012345678.0},
    };
    for (const Case& c : ok) EXPECT_EQ(ReadRealText(c.text), c.v) << c.text;

    const char* bad[] = {
        "",     "1.000,5", "1,000.5", "1,5,5", "1.5.5", "NAN", "INF", "-INF", "nan", "1e400",
        "0x10", "1E",      ".",       ",",     "1 2",   "1;5",
    };
    for (const char* b : bad)
        EXPECT_EQ(errorOf([&] { (void)ReadRealText(b); }), std::string("'") + b + "' is not a valid floating point value")
            << b;
}

TEST(ValueText, IntegersBothWays) {
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(-3), "-3");
    EXPECT_EQ(IntegerText(-16777208), "-16777208");
    EXPECT_EQ(IntegerText(2147483647), "2147483647");

    struct Case { const char* text; std::int32_t v; };
    const Case ok[] = {
        {"12", 12},   {"  -12", -12}, {"+7", 7},  {"$10", 16},  {"-$10", -16}, {"x1F", 31}, {"X1f", 31},
        {"0x10", 16}, {"0X10", 16},   {"-2147483648", -2147483647 - 1},         {"$FFFFFFFF", -1},
        {"-16777208", -16777208},
    };
    for (const Case& c : ok) EXPECT_EQ(ReadIntegerText(c.text), c.v) << c.text;

    for (const char* bad : {"", " ", "12 ", "1.5", "2147483648", "$", "0x", "$123456789", "abc", "1e3", "--1", "123456789012345678"})
        EXPECT_EQ(errorOf([&] { (void)ReadIntegerText(bad); }), std::string("'") + bad + "' is not a valid integer value")
            << bad;
}

TEST(ValueText, BytesKeepTheLowEightBits) {
    struct Case { const char* text; std::uint8_t v; };
    const Case cases[] = {{"0", 0}, {"1", 1}, {"255", 255}, {"256", 0}, {"257", 1}, {"-1", 255}, {"9", 9}, {"$1FF", 255}};
    for (const Case& c : cases) EXPECT_EQ(ReadByteText(c.text), c.v) << c.text;
    EXPECT_EQ(errorOf([] { (void)ReadByteText("on"); }), "'on' is not a valid integer value");
    EXPECT_EQ(ReadColorText("16777215"), 0xFFFFFF);
    EXPECT_EQ(errorOf([] { (void)ReadColorText("clRed"); }), "'clRed' is not a valid integer value");
}

}  // namespace
