#include "platform/ZMTextFile.h"

#include "support/SmallFileLimit.h"
#include "support/XmlTestHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(TextFile, LinesEndAtLineFeedAfterAtMostOneCarriageReturn) {
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},           // a last line without an ending
        {"a\r\r\nb\r", {"a\r", "b\r"}},  // only one CR goes, and only before LF
        {"a\rb\n", {"a\rb"}},
        {"\r\n\r\n", {"", ""}},
        {"\xEF\xBB\xBFhead\r\n", {"head"}},  // a byte-order mark is not text
        {"x\xEF\xBB\xBF\n", {QString::fromUtf8("x\xEF\xBB\xBF")}},
        {"\xC3\xA9t\xC3\xA9  \r\n", {QString::fromUtf8("\xC3\xA9t\xC3\xA9  ")}},
    };
    for (const Case& c : cases) EXPECT_EQ(TextFileLines(c.bytes), c.lines) << c.bytes.toStdString();
}

TEST(TextFile, WritesEveryLineWithCrLfAndReadsItBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    const QStringList lines{QStringLiteral("one "), QString(), QString::fromUtf8("gr\xC3\xBC\xC3\x9F")};
    WriteTextFile(path, lines);
    EXPECT_EQ(fileText(path.toStdString()), "one \r\n\r\ngr\xC3\xBC\xC3\x9F\r\n");
    EXPECT_EQ(ReadTextFile(path), lines);
    WriteTextFile(path, {});
    EXPECT_EQ(fileText(path.toStdString()), "");
}

TEST(TextFile, FilesThatCannotBeReadOrWrittenRaise) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    EXPECT_EQ(errorOf([&] { ReadTextFile(missing); }),
              "Cannot open file \"" + missing.toStdString() + "\". No such file or directory");
    EXPECT_NE(errorOf([&] { ReadTextFile(dir.path()); }), "<no error>");

    // A write cut short keeps the old file.
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    WriteTextFile(path, {QStringLiteral("old")});
    {
        SmallFileLimit limit(8);
        EXPECT_NE(errorOf([&] { WriteTextFile(path, {QString(100, QLatin1Char('z'))}); }), "<no error>");
    }
    EXPECT_EQ(fileText(path.toStdString()), "old\r\n");
}

}  // namespace
