#include "storage/ZMTableFile.h"

#include "support/ScopedLocale.h"
#include "support/SmallFileLimit.h"
#include "support/XmlTestHelpers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Points = std::vector<TTableElemObj>;
using F = TTableFileFormat;

TTableObj TableOf(const Points& points) {
    TTableObj t;
    t.Points = points;
    return t;
}

QByteArray Bytes(const char* text) { return QByteArray(text); }

const char* FormatName(F f) { return f == F::Xml ? "XML" : f == F::Text ? "TEXT" : "CSV"; }

}  // namespace

TEST(TableFile, TextAndCsvAreWrittenLineByLineWithCrLf) {
    const TTableObj table = TableOf({{1.5, -2}, {1e15, 0.0001}, {1.0 / 3, -1.25e-7}, {0, 1234567.5}});
    const struct {
        F format;
        QLocale::Language locale;
        const char* bytes;
    } cases[] = {
        {F::Text, QLocale::English,
         "1.5  -2\r\n1E15  0.0001\r\n0.333333333333333  -1.25E-7\r\n0  1234567.5\r\n"},
        {F::Csv, QLocale::English, "1.5,-2\r\n1E15,0.0001\r\n0.333333333333333,-1.25E-7\r\n0,1234567.5\r\n"},
        {F::Text, QLocale::German,
         "1,5  -2\r\n1E15  0,0001\r\n0,333333333333333  -1,25E-7\r\n0  1234567,5\r\n"},
        // Under a decimal comma the comma-separated file keeps its numbers apart with ".".
        {F::Csv, QLocale::German, "1.5,-2\r\n1E15,0.0001\r\n0.333333333333333,-1.25E-7\r\n0,1234567.5\r\n"},
    };
    for (const auto& c : cases) {
        ScopedLocale locale(c.locale);
        EXPECT_EQ(TableFileBytes(c.format, table), Bytes(c.bytes)) << FormatName(c.format) << " " << c.locale;
        EXPECT_EQ(TableFileBytes(c.format, TTableObj()), QByteArray()) << FormatName(c.format);
    }
}

TEST(TableFile, XmlHoldsOnlyThePointListUnderTheRoot) {
    ScopedLocale locale(QLocale::German);
    const QByteArray bytes = TableFileBytes(F::Xml, TableOf({{1.5, -2}, {0, 1e-5}}));
    EXPECT_EQ(bytes, Bytes("<TableObj>\n"
                           " <TableElemObjList>\n"
                           "  <TableElemObj>\n"
                           "   <x>1,5</x>\n"
                           "   <y>-2</y>\n"
                           "  </TableElemObj>\n"
                           "  <TableElemObj>\n"
                           "   <x>0</x>\n"
                           "   <y>1E-5</y>\n"
                           "  </TableElemObj>\n"
                           " </TableElemObjList>\n"
                           "</TableObj>\n"));
    Fragment tree(bytes.toStdString());
    EXPECT_EQ(tree.root().NodeName(), "TableObj");
    const TXMLNode list = tree.root().FirstChildElement();
    EXPECT_EQ(list.NodeName(), "TableElemObjList");
    EXPECT_TRUE(list.NextSiblingElement().IsNull());
    EXPECT_EQ(list.FirstChildElement().FirstChildElement().Text(), "1,5");

    EXPECT_EQ(TableFileBytes(F::Xml, TTableObj()), Bytes("<TableObj>\n <TableElemObjList/>\n</TableObj>\n"));
}

TEST(TableFile, EveryFormatReadsBackWhatItWrote) {
    const Points points{{0.1, -2.5}, {1e-7, 123456789012345}, {-1e300, 0}, {1234.5678, 1.0 / 3}};
    for (QLocale::Language language : {QLocale::English, QLocale::German}) {
        ScopedLocale locale(language);
        for (F format : {F::Xml, F::Text, F::Csv}) {
            const std::unique_ptr<TTableObj> back = ReadTableFile(format, TableFileBytes(format, TableOf(points)));
            ASSERT_NE(back, nullptr);
            EXPECT_EQ(back->Points, (Points{{0.1, -2.5}, {1e-7, 123456789012345}, {-1e300, 0}, {1234.5678, 0.333333333333333}}))
                << FormatName(format) << " " << language;
            EXPECT_EQ(back->Name, TTableObj().Name);
            EXPECT_EQ(back->ShowEnabled, 0);
        }
    }
}

TEST(TableFile, TextAndCsvLinesSplitAtTheFirstBlankOrComma) {
    const struct {
        F format;
        QLocale::Language locale;
        const char* bytes;
        Points points;
    } cases[] = {
        // Two blanks, one blank, a tab beside the blank, trimming; then the lines that are skipped:
        // a leading blank, no blank, a third number, an empty line, a tab only.
        {F::Text, QLocale::English, "1.5  2.5\r\n3 4\r\n5\t 6 \r\n 7 8\r\n9\r\n1 2 3\r\n\r\n10\t11\r\n",
         {{1.5, 2.5}, {3, 4}, {5, 6}}},
        // LF alone, a last line without an end, a byte-order mark, a lone CR kept inside the line.
        {F::Text, QLocale::English, "\xEF\xBB\xBF" "1 2\n3 4\r\n5 6", {{1, 2}, {3, 4}, {5, 6}}},
        {F::Text, QLocale::English, "1 2\r\r\n3\r4\r\n", {{1, 2}}},
        // A blank after the comma, none before it; a third number; a blank instead of a comma.
        {F::Csv, QLocale::English, "1, 2\r\n 3 ,4 \r\n1,2,3\r\n5 6\r\n,7\r\n8,\r\n", {{1, 2}, {3, 4}}},
        // The marker reads as no number.
        {F::Text, QLocale::English, "-99999.999 1\r\n1 -99999.999\r\n-99999.998 1\r\n", {{-99999.998, 1}}},
        {F::Csv, QLocale::English, "-99999.999,1\r\n2,-99999.9990\r\n", {}},
        // Non-numbers: infinities, NaN, group separators, hexadecimal, an exponent without digits.
        {F::Text, QLocale::English, "inf 1\r\n1 nan\r\nINF 1\r\n1,000.5 2\r\n0x10 1\r\n1e 2\r\n1e3 2\r\n", {{1000, 2}}},
        {F::Csv, QLocale::German, "1.000,5 2\r\n1.234.5,2\r\nNAN,1\r\n", {}},
    };
    for (const auto& c : cases) {
        ScopedLocale locale(c.locale);
        const std::unique_ptr<TTableObj> t = ReadTableFile(c.format, Bytes(c.bytes));
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->Points, c.points) << FormatName(c.format) << " " << c.bytes;
    }
}

TEST(TableFile, ReadingTakesEitherDecimalSeparatorWhateverTheLocale) {
    const struct {
        F format;
        const char* bytes;
        Points points;
    } cases[] = {
        {F::Xml, "<TableObj><L><TableElemObj><x>1,5</x><y>-2.5</y></TableElemObj>"
                 "<TableElemObj><x>1.5</x><y>-2,5</y></TableElemObj></L></TableObj>",
         {{1.5, -2.5}, {1.5, -2.5}}},
        {F::Text, "1,5  -2.5\r\n1.5  -2,5\r\n1,5  -2,5\r\n1,000  2\r\n", {{1.5, -2.5}, {1.5, -2.5}, {1.5, -2.5}, {1, 2}}},
        // A comma always splits a CSV line, so its numbers take only "."; a comma more skips the line.
        {F::Csv, "1.5,-2.5\r\n1,5,-2.5\r\n1.5,-2,5\r\n", {{1.5, -2.5}}},
    };
    for (QLocale::Language language : {QLocale::C, QLocale::English, QLocale::German, QLocale::French}) {
        ScopedLocale locale(language);
        for (const auto& c : cases) {
            const std::unique_ptr<TTableObj> t = ReadTableFile(c.format, Bytes(c.bytes));
            ASSERT_NE(t, nullptr);
            EXPECT_EQ(t->Points, c.points) << FormatName(c.format) << " " << language << " " << c.bytes;
        }
    }
}

TEST(TableFile, XmlTakesTheRootsFirstElementChildAsThePointList) {
    const struct {
        const char* what;
        const char* bytes;
        bool read;
        Points points;
    } cases[] = {
        {"any name", "<TableObj><Points><TableElemObj><x>1</x><y>2</y></TableElemObj></Points></TableObj>", true,
         {{1, 2}}},
        {"a comment first", "<TableObj><!-- c --><L><TableElemObj><x>3</x><y>4</y></TableElemObj></L></TableObj>", true,
         {{3, 4}}},
        {"the marker is kept", "<TableObj><L><TableElemObj><x>-99999.999</x><y>1</y></TableElemObj></L></TableObj>",
         true, {{-99999.999, 1}}},
        {"only the first list",
         "<TableObj><A><TableElemObj><x>1</x><y>1</y></TableElemObj></A>"
         "<TableElemObjList><TableElemObj><x>2</x><y>2</y></TableElemObj></TableElemObjList></TableObj>",
         true, {{1, 1}}},
        {"a document's table graph", "<TableObj><Name>T</Name><TableElemObjList><TableElemObj><x>1</x><y>2</y>"
         "</TableElemObj></TableElemObjList></TableObj>", true, {}},
        {"no child", "<TableObj/>", true, {}},
        {"a point without y", "<TableObj><L><TableElemObj><x>1</x></TableElemObj></L></TableObj>", true, {}},
        {"a document file", "<ZorvikMendalDocument><Memory/></ZorvikMendalDocument>", false, {}},
        {"another case", "<tableobj><TableElemObjList/></tableobj>", false, {}},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<TTableObj> t = ReadTableFile(F::Xml, Bytes(c.bytes));
        ASSERT_EQ(t != nullptr, c.read) << c.what;
        if (t) {
            EXPECT_EQ(t->Points, c.points) << c.what;
        }
    }
}

TEST(TableFile, BrokenXmlAndBadPointsRaiseTheReadersMessages) {
    const struct {
        const char* bytes;
        const char* message;
    } cases[] = {
        {"<TableObj><L><TableElemObj><x>1</x><y>two</y></TableElemObj></L></TableObj>",
         "'two' is not a valid floating point value"},
        {"<TableObj><L><TableElemObj><x>NAN</x><y>1</y></TableElemObj></L></TableObj>",
         "'NAN' is not a valid floating point value"},
        {"<TableObj><L><TableElemObj><x><a/></x><y>1</y></TableElemObj></L></TableObj>",
         "Element does not contain a single text node"},
        {"<TableObj><L><TableElemObj><x>1</x><y>2</y></TableElemObj></L>", "Premature end of document. (line 1, column 62)"},
        {"", "Premature end of document. (line 1, column 0)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { ReadTableFile(F::Xml, Bytes(c.bytes)); }), c.message) << c.bytes;
}

TEST(TableFile, AFailedWriteKeepsThePreviousFile) {
    QTemporaryDir dir;
    const TTableObj big = TableOf(Points(200, {1.0 / 3, 2.0 / 3}));
    for (F format : {F::Xml, F::Text, F::Csv}) {
        const QString path = dir.filePath(QStringLiteral("table"));
        WriteTableFile(format, path, TableOf({{1, 2}}));
        const std::string before = fileText(path.toStdString());
        EXPECT_EQ(before, TableFileBytes(format, TableOf({{1, 2}})).toStdString());
        {
            SmallFileLimit limit(1000);
            EXPECT_EQ(errorOf([&] { WriteTableFile(format, path, big); }),
                      "Cannot create file \"" + path.toStdString() + "\". File too large")
                << FormatName(format);
        }
        EXPECT_EQ(fileText(path.toStdString()), before) << FormatName(format);
    }
}
