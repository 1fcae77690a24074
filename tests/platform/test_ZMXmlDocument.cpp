#include "platform/ZMXmlDocument.h"

#include "support/SmallFileLimit.h"
#include "support/XmlTestHelpers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

TXMLDocument parsed(const std::string& xml) {
    TXMLDocument d;
    d.LoadFromXML(xml);
    return d;
}

TEST(XmlNode, TextOfALeaf) {
    struct Case { const char* xml; const char* text; };
    const Case ok[] = {
        {"<a/>", ""},
        {"<a></a>", ""},
        {"<a>12</a>", "12"},
        {"<a>&lt;b&gt; &amp; \"q\"</a>", "<b> & \"q\""},
        {"<a><![CDATA[  ]]></a>", "  "},
        {"<a><![CDATA[<b>]]></a>", "<b>"},
    };
    for (const Case& c : ok) EXPECT_EQ(parsed(c.xml).GetDocumentElement().Text(), c.text) << c.xml;

    const char* bad[] = {
        "<a><b>1</b></a>",       // an element, not text (text() would give "1")
        "<a>1<b/>2</a>",         // more than one node
        "<a><!--c-->1</a>",      // a comment is a node too
        "<a><b/></a>",
    };
    for (const char* xml : bad) {
        const TXMLDocument d = parsed(xml);
        EXPECT_EQ(errorOf([&] { (void)d.GetDocumentElement().Text(); }), "Element does not contain a single text node")
            << xml;
    }
}

TEST(XmlNode, SetTextSurvivesSaveAndLoad) {
    struct Case { std::string set, read; };
    const Case cases[] = {
        {"plain", "plain"},
        {"", ""},
        {"   ", "   "},            // blank-only text would be dropped by the parser
        {"\n", "\n"},
        {" \t\r\n ", " \t\n "},  // CDATA cannot escape CR, so line ends normalise
        {"  lead and trail  ", "  lead and trail  "},
        {"a\r\nb", "a\r\nb"},
        {"<b>&amp;\"'</b>", "<b>&amp;\"'</b>"},
        {"x]]>y", "x]]>y"},
        {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
        {std::string("a\x01" "b\x0c" "c\x1f", 7) + std::string(1, '\0') + "d", "abcd"},  // illegal in XML 1.0
        {"\xEF\xBF\xBE" "e", "e"},  // U+FFFE
    };
    for (const Case& c : cases) {
        TXMLDocument d;
        TXMLNode root = d.AddChild("R");
        root.AddChild("T").SetText(c.set);
        const std::string bytes = d.SaveToXML();
        TXMLDocument back;
        ASSERT_NO_THROW(back.LoadFromXML(bytes)) << bytes;
        EXPECT_EQ(back.GetDocumentElement().FirstChildElement().Text(), c.read) << bytes;
    }
}

TEST(XmlNode, SetTextReplacesChildren) {
    TXMLDocument d = parsed("<a><b/>old<!--c--></a>");
    TXMLNode a = d.GetDocumentElement();
    a.SetText("new");
    EXPECT_EQ(a.Text(), "new");
    a.SetText("");
    EXPECT_TRUE(a.FirstChild().IsNull());
}

TEST(XmlNode, ElementWalkSkipsOtherNodes) {
    const TXMLDocument d = parsed("<r>\n <!--c--> <a/>text<?pi x?><b>1</b>\n</r>");
    std::string names;
    for (TXMLNode c = d.GetDocumentElement().FirstChildElement(); c; c = c.NextSiblingElement())
        names += c.NodeName() + ";";
    EXPECT_EQ(names, "a;b;");
    const TXMLNode first = d.GetDocumentElement().FirstChild();
    EXPECT_FALSE(first.IsElement());  // the blank text or the comment comes first in the full walk
}

TEST(XmlDocument, WritesStableBytes) {
    TXMLDocument d;
    TXMLNode root = d.AddChild("Root");
    TXMLNode m = root.AddChild("Memory");
    m.AddChild("Name").SetText("a & b");
    root.AddChild("Empty");
    EXPECT_EQ(d.SaveToXML(), "<Root>\n <Memory>\n  <Name>a &amp; b</Name>\n </Memory>\n <Empty/>\n</Root>\n");
    TXMLDocument again;
    again.LoadFromXML(d.SaveToXML());
    EXPECT_EQ(again.SaveToXML(), d.SaveToXML());
}

TEST(XmlDocument, AddChildReplacesTheRoot) {
    TXMLDocument d;
    d.AddChild("First");
    d.AddChild("Second");
    EXPECT_EQ(d.GetDocumentElement().NodeName(), "Second");
    EXPECT_EQ(d.SaveToXML(), "<Second/>\n");
}

TEST(XmlDocument, MalformedInputRaisesAndKeepsTheDocument) {
    TXMLDocument d = parsed("<keep/>");
    for (const char* xml : {"", "not xml", "<a>", "<a></b>", "<a/><b/>"}) {
        EXPECT_THROW(d.LoadFromXML(xml), ZmError) << xml;
        EXPECT_EQ(d.GetDocumentElement().NodeName(), "keep") << xml;
    }
    const std::string msg = errorOf([&] { d.LoadFromXML("<a>\n<b></a>"); });
    EXPECT_NE(msg.find("line 2"), std::string::npos) << msg;
}

// `depth` nested elements, closed or not.
std::string nested(int depth, bool closed = true) {
    std::string xml;
    for (int i = 0; i < depth; ++i) xml += "<a>";
    if (closed)
        for (int i = 0; i < depth; ++i) xml += "</a>";
    return xml;
}

TEST(XmlDocument, DeepNestingIsRefusedBeforeParsing) {
    const std::string tooDeep = "The file is nested too deeply (more than 256 levels of elements)";
    struct Case { std::string xml; std::string error; };  // the error's beginning
    const Case cases[] = {
        {nested(256), "<no error>"},
        {nested(257), tooDeep},
        {"<r><!--c--><b/>" + nested(300) + "</r>", tooDeep},
        {nested(200000), tooDeep},           // the DOM parser alone takes minutes on it
        {nested(200000, false), tooDeep},    // refused before the missing end is reached
        {nested(10, false), "Premature end of document"},  // the parser's own message
    };
    for (const Case& c : cases) {
        TXMLDocument d = parsed("<keep/>");
        const std::string error = errorOf([&] { d.LoadFromXML(c.xml); });
        EXPECT_EQ(error.substr(0, c.error.size()), c.error) << c.xml.size();
        EXPECT_EQ(d.GetDocumentElement().NodeName(), c.error == "<no error>" ? "a" : "keep") << c.xml.size();
    }
}

TEST(XmlDocument, FilesSaveAndLoad) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("doc.xml").toStdString();

    TXMLDocument d;
    d.AddChild("Root").AddChild("V").SetText("1");
    d.SaveToFile(path);
    EXPECT_EQ(fileText(path), "<Root>\n <V>1</V>\n</Root>\n");

    TXMLDocument back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.GetDocumentElement().FirstChildElement().Text(), "1");

    const std::string missing = dir.filePath("none.xml").toStdString();
    EXPECT_EQ(errorOf([&] { back.LoadFromFile(missing); }).rfind("Cannot open file \"" + missing + "\".", 0), 0u);
    EXPECT_EQ(back.GetDocumentElement().NodeName(), "Root");

    const std::string noFolder = dir.filePath("no/such/folder/doc.xml").toStdString();
    EXPECT_EQ(errorOf([&] { d.SaveToFile(noFolder); }),
              "Cannot create file \"" + noFolder + "\". No such file or directory");

    // A file that is not XML fails on load and leaves the document as it was.
    std::ofstream(dir.filePath("bad.xml").toStdString()) << "<<<";
    EXPECT_THROW(back.LoadFromFile(dir.filePath("bad.xml").toStdString()), ZmError);
    EXPECT_EQ(back.GetDocumentElement().NodeName(), "Root");
}

}  // namespace

TEST(XmlDocument, AWriteThatFailsPartWayKeepsThePreviousFile) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("doc.xml").toStdString();
    TXMLDocument small;
    small.AddChild("Root").AddChild("V").SetText("previous");
    small.SaveToFile(path);
    const std::string previous = fileText(path);

    TXMLDocument big;
    TXMLNode root = big.AddChild("Root");
    for (int i = 0; i < 200; ++i) root.AddChild("V").SetText(std::to_string(i));
    std::string msg;
    {
        const SmallFileLimit limit(previous.size());
        msg = errorOf([&] { big.SaveToFile(path); });
    }
    EXPECT_EQ(msg, "Cannot create file \"" + path + "\". File too large");
    EXPECT_EQ(fileText(path), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"doc.xml"});  // no temporary left
}
