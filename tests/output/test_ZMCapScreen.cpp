// Capture settings: the numbered file names, the file of the next capture and the next number.
#include "output/ZMCapScreen.h"

#include <QDir>
#include <QString>

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

TEST(CapScreen, FileNamesPadTheNumberWithZerosUpToTheDigits) {
    const QString zeros254(254, QLatin1Char('0'));
    const struct {
        const char* prefix;
        std::int32_t index, digits;
        QString name;
    } cases[] = {
        {"Outputpic", 1, 2, QStringLiteral("Outputpic01")},
        {"Outputpic", 2, 2, QStringLiteral("Outputpic02")},
        {"Outputpic", 123, 2, QStringLiteral("Outputpic123")},  // never cut
        {"Outputpic", 7, 4, QStringLiteral("Outputpic0007")},
        {"Outputpic", 10, 1, QStringLiteral("Outputpic10")},
        {"Outputpic", 0, 2, QStringLiteral("Outputpic00")},
        {"Outputpic", 5, 0, QStringLiteral("Outputpic5")},
        {"Outputpic", 5, -3, QStringLiteral("Outputpic5")},
        {"Outputpic", -5, 2, QStringLiteral("Outputpic-5")},  // the minus sign counts as a digit
        {"Outputpic", -5, 3, QStringLiteral("Outputpic0-5")},
        {"", 7, 2, QStringLiteral("07")},
        {"", 0, 0, QStringLiteral("0")},
        {"a b.c", 3, 1, QStringLiteral("a b.c3")},
        {"x", INT32_MAX, 2, QStringLiteral("x2147483647")},
        {"x", INT32_MIN, 12, QStringLiteral("x0-2147483648")},
        {"x", 1, 255, QStringLiteral("x") + zeros254 + QStringLiteral("1")},
        {"x", 1, 256, QStringLiteral("x") + zeros254 + QStringLiteral("1")},  // the cap
        {"x", 1, INT32_MAX, QStringLiteral("x") + zeros254 + QStringLiteral("1")},
    };
    for (const auto& c : cases) {
        TCapScreen s;
        s.Prefix = QString::fromLatin1(c.prefix);
        s.Index = c.index;
        s.Digits = c.digits;
        EXPECT_EQ(s.GetFileName(), c.name) << c.prefix << " " << c.index << " " << c.digits;
    }
}

TEST(CapScreen, StartsWithTheDefaultSeries) {
    const TCapScreen s;
    EXPECT_EQ(s.Prefix, QStringLiteral("Outputpic"));
    EXPECT_EQ(s.Format, 0);
    EXPECT_EQ(s.Index, 1);
    EXPECT_EQ(s.Digits, 2);
}

TEST(CapScreen, TheNextFileLiesInTheFolderWithOrWithoutItsSeparator) {
    const struct {
        const char* directory;
        std::int32_t format;
        const char* path;
    } cases[] = {
        {"/tmp/shots", 0, "/tmp/shots/Outputpic01.bmp"},
        {"/tmp/shots/", 1, "/tmp/shots/Outputpic01.emf"},
        {"/tmp/shots//", 0, "/tmp/shots/Outputpic01.bmp"},
        {"/", 2, "/Outputpic01"},
        {"/tmp/shots", -1, "/tmp/shots/Outputpic01"},
    };
    for (const auto& c : cases) {
        TCapScreen s;
        s.Directory = QString::fromLatin1(c.directory);
        s.Format = c.format;
        EXPECT_EQ(s.FilePath(), QString::fromLatin1(c.path)) << c.directory << " " << c.format;
    }
}

TEST(CapScreen, TheNumberStepsByOneAndWrapsAtTheTop) {
    const struct {
        std::int32_t from, to;
    } cases[] = {{1, 2}, {-1, 0}, {0, 1}, {INT32_MAX, INT32_MIN}, {INT32_MIN, INT32_MIN + 1}};
    for (const auto& c : cases) {
        TCapScreen s;
        s.Index = c.from;
        s.NextIndex();
        EXPECT_EQ(s.Index, c.to) << c.from;
    }
}

}  // namespace
