// Slide list files and slide-show files, without the dialogs.
#include "output/ZMSlideFiles.h"

#include "platform/ZMXmlDocument.h"
#include "plot/ZMCoordinateSettings.h"
#include "plot/ZMFunTabObj.h"
#include "storage/ZMDocumentFile.h"
#include "support/XmlTestHelpers.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kHeader =
    "Zorvik Mendal Information \r\n"
    "Slide List File - it consists of the Location Information about Document files.\r\n";

class SlideFiles : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QString Write(const char* name, const std::string& bytes) const {
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return f.fileName();
    }
    std::string Bytes(const QString& path) const { return fileText(path.toStdString()); }

    QTemporaryDir dir;
};

TEST_F(SlideFiles, SlideListFileHoldsTheHeaderThenOneSlideLinePerPath) {
    const QStringList slides{QStringLiteral("/home/u/a.xml"), QString::fromUtf8("/tmp/gr\xC3\xBC\xC3\x9F \xE6\x97\xA5/b.xml"),
                             QStringLiteral("/home/u/a.xml"), QStringLiteral("/x/trailing.xml  ")};
    const QString path = Path("list.txt");
    WriteSlideListFile(path, slides);
    EXPECT_EQ(Bytes(path), kHeader +
                               "[slide]/home/u/a.xml\r\n"
                               "[slide]/tmp/gr\xC3\xBC\xC3\x9F \xE6\x97\xA5/b.xml\r\n"
                               "[slide]/home/u/a.xml\r\n"
                               "[slide]/x/trailing.xml  \r\n");
    EXPECT_EQ(ReadSlideListFile(path), slides);

    WriteSlideListFile(path, {});
    EXPECT_EQ(Bytes(path), kHeader);
    EXPECT_EQ(ReadSlideListFile(path), QStringList());
}

TEST_F(SlideFiles, ReadingTakesTheRestOfEveryExactSlideLine) {
    struct Case {
        const char* what;
        std::string bytes;
        QStringList slides;
    };
    const Case cases[] = {
        {"LF only", "head\n[slide]/a.xml\n[slide]/b.xml\n", {"/a.xml", "/b.xml"}},
        {"CR LF", kHeader + "[slide]/a.xml\r\n[slide]/b.xml\r\n", {"/a.xml", "/b.xml"}},
        {"no line end at the end", kHeader + "[slide]/a.xml\r\n[slide]/b.xml", {"/a.xml", "/b.xml"}},
        {"no headers", "[slide]/a.xml\r\n", {"/a.xml"}},
        {"wrong case", "[Slide]/a.xml\r\n[SLIDE]/b.xml\r\n[slide]/c.xml\r\n", {"/c.xml"}},
        {"a blank before", " [slide]/a.xml\r\n\t[slide]/b.xml\r\n", {}},
        {"the mark alone", "[slide]\r\n[slide]", {"", ""}},
        {"trailing blanks kept", "[slide]/a b.xml  \r\n", {"/a b.xml  "}},
        {"only the first mark goes", "[slide][slide]/a.xml\r\n", {"[slide]/a.xml"}},
        {"other lines", "\r\n[slide\r\nslide]/a\r\nZorvik Mendal Information \r\n", {}},
        {"an empty file", "", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadSlideListFile(Write("in.txt", c.bytes)), c.slides) << c.what;
    EXPECT_THROW(ReadSlideListFile(Path("missing.txt")), ZmError);
}

TEST_F(SlideFiles, SlideShowCopiesEachListedDocumentUnderItsOwnElement) {
    const QString doc = Write("doc.xml",
                              "<ZorvikMendalDocument><!-- saved by hand -->\n"
                              "<Memory><FunctionObj><Exp><![CDATA[x<2]]></Exp><Name a=\"1\">f</Name></FunctionObj></Memory>"
                              "<Coordinate/><AddLabels><AddLabel><Caption><![CDATA[  ]]></Caption></AddLabel></AddLabels>"
                              "</ZorvikMendalDocument>");
    const QString foreign = Write("other.xml", "<?xml version=\"1.0\"?><TableObj kind=\"t\"><x>1</x></TableObj>");
    const QString out = Path("show.sld");
    WriteSlideShowFile(out, {doc, foreign, doc});

    const std::string slide =
        " <ZorvikMendalDocument>\n"
        "  <Memory>\n"
        "   <FunctionObj>\n"
        "    <Exp>x&lt;2</Exp>\n"
        "    <Name>f</Name>\n"
        "   </FunctionObj>\n"
        "  </Memory>\n"
        "  <Coordinate/>\n"
        "  <AddLabels>\n"
        "   <AddLabel>\n"
        "    <Caption><![CDATA[  ]]></Caption>\n"
        "   </AddLabel>\n"
        "  </AddLabels>\n"
        " </ZorvikMendalDocument>\n";
    EXPECT_EQ(Bytes(out), "<ZorvikMendalSlides>\n" + slide +
                              " <ZorvikMendalDocument>\n  <x>1</x>\n </ZorvikMendalDocument>\n" + slide +
                              "</ZorvikMendalSlides>\n");

    // It loads back through the XML layer, texts as they were.
    TXMLDocument back;
    back.LoadFromFile(out.toStdString());
    const TXMLNode first = back.GetDocumentElement().FirstChildElement();
    EXPECT_EQ(first.FirstChildElement().FirstChildElement().FirstChildElement().Text(), "x<2");

    WriteSlideShowFile(out, {});
    EXPECT_EQ(Bytes(out), "<ZorvikMendalSlides/>\n");
}

TEST_F(SlideFiles, ASavedDrawingIsCopiedWhole) {
    TMemory memory;
    TFunctionObj f;
    f.Exp = "sin(x)";
    memory.AddFunction(f);
    const QString doc = Path("drawing.xml");
    SaveDocumentFile(doc.toStdString(), memory, TCoordinateSettings::Create(96), nullptr);

    TXMLDocument show;
    BuildSlideShow(show, {doc});
    // The slide's element, renamed as a document's root, gives the document's own bytes.
    TXMLDocument again;
    CopyXMLNodeTree(show.GetDocumentElement().FirstChildElement(), again.AddChild("ZorvikMendalDocument"));
    EXPECT_EQ(again.SaveToXML(), Bytes(doc));
}

TEST_F(SlideFiles, ADocumentThatCannotBeLoadedWritesNothing) {
    const QString doc = Write("doc.xml", "<ZorvikMendalDocument><Memory/></ZorvikMendalDocument>");
    const QString broken = Write("broken.xml", "<ZorvikMendalDocument><Memory>");
    const QString out = Path("show.sld");
    for (const QString& bad : {Path("missing.xml"), broken, dir.path()}) {
        EXPECT_THROW(WriteSlideShowFile(out, {doc, bad}), ZmError) << bad.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out));
    }
    Write("show.sld", "old");
    EXPECT_THROW(WriteSlideShowFile(out, {doc, Path("missing.xml")}), ZmError);
    EXPECT_EQ(Bytes(out), "old");
}

}  // namespace
