#include "storage/ZMDocumentFile.h"

#include "platform/ZMError.h"
#include "storage/ZMAddLabel.h"
#include "storage/ZMXML.h"
#include "support/XmlTestHelpers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

void writeFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A drawing as the document window holds it.
struct Drawing {
    TMemory memory;
    TCoordinateSettings plane = TCoordinateSettings::Create(96);
    std::vector<std::unique_ptr<TAddLabel>> labels;

    void save(const std::string& path) const {
        SaveDocumentFile(path, memory, plane, [&](TXMLNode node) {
            for (const auto& l : labels) TZMXML::WriteAddLabel(node, "AddLabel", *l);
        });
    }
    bool load(const std::string& path) {
        TDocumentReader r;
        r.Memory = [&](std::unique_ptr<TMemory> m) { memory = std::move(*m); };
        r.Coordinate = [&](TXMLNode n) { TZMXML::ReadCoordinate(n, plane); };
        r.AddLabels = [&](TXMLNode n) {
            for (TXMLNode c = n.FirstChildElement(); c; c = c.NextSiblingElement())
                if (c.NodeName() == "AddLabel") labels.push_back(TZMXML::ReadAddLabel(c));
        };
        return LoadDocumentFile(path, r);
    }
};

Drawing sampleDrawing() {
    Drawing d;
    TFunctionObj f;
    f.Exp = "sin x";
    f.ShowEnabled = 1;
    d.memory.AddFunction(f);
    TTableObj t;
    t.AddPoint(1.5, -2);
    d.memory.AddTable(t);
    d.plane.XInterval = TInterval::CreateRange(1, -3, 3);
    d.plane.TitleTop = "title";
    d.plane.TitleTopFont.SetSize(16);
    d.plane.GridRadialEnabled = 1;
    for (int i = 0; i < 2; ++i) {  // two identical labels are both kept
        auto l = std::make_unique<TAddLabel>();
        l->SetCaption("same");
        l->x = 1;
        l->y = 2;
        d.labels.push_back(std::move(l));
    }
    auto l = std::make_unique<TAddLabel>();
    l->SetCaption("other");
    TFont font = l->Font();
    font.Style = fsBold;
    l->SetFont(font);
    l->SetTransparent(false);
    l->x = -0.5;
    d.labels.push_back(std::move(l));
    return d;
}

TEST(DocumentFile, SavedDrawingLoadsBackEqualAndSavesTheSameBytes) {
    QTemporaryDir dir;
    const std::string a = dir.filePath("a.xml").toStdString();
    const std::string b = dir.filePath("b.xml").toStdString();
    const Drawing d = sampleDrawing();
    d.save(a);

    Drawing back;
    ASSERT_TRUE(back.load(a));
    ASSERT_EQ(back.memory.Count(), 2u);
    EXPECT_TRUE(*back.memory.GetFunction(0) == *d.memory.GetFunction(0));
    EXPECT_TRUE(*back.memory.GetTable(1) == *d.memory.GetTable(1));
    EXPECT_TRUE(back.plane == d.plane);
    ASSERT_EQ(back.labels.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.labels[i]->Caption(), d.labels[i]->Caption());
        EXPECT_EQ(back.labels[i]->x, d.labels[i]->x);
        EXPECT_EQ(back.labels[i]->y, d.labels[i]->y);
        EXPECT_EQ(back.labels[i]->Transparent(), d.labels[i]->Transparent());
        EXPECT_EQ(back.labels[i]->Font(), d.labels[i]->Font());
    }
    back.save(b);
    EXPECT_EQ(fileText(b), fileText(a));

    // Root children in the order Memory, Coordinate, AddLabels.
    TXMLDocument doc;
    doc.LoadFromFile(a);
    std::string order;
    for (TXMLNode c = doc.GetDocumentElement().FirstChildElement(); c; c = c.NextSiblingElement())
        order += c.NodeName() + ";";
    EXPECT_EQ(doc.GetDocumentElement().NodeName(), "ZorvikMendalDocument");
    EXPECT_EQ(order, "Memory;Coordinate;AddLabels;");
}

TEST(DocumentFile, NoLabelsGiveAnEmptyElement) {
    TXMLDocument doc;
    BuildDocument(doc, TMemory(), TCoordinateSettings::Create(96), nullptr);
    const std::string xml = doc.SaveToXML();
    EXPECT_EQ(xml.rfind("<ZorvikMendalDocument>\n <Memory/>\n <Coordinate>\n", 0), 0u);
    EXPECT_NE(xml.find(" </Coordinate>\n <AddLabels/>\n</ZorvikMendalDocument>\n"), std::string::npos);
}

TEST(DocumentFile, ForeignRootStopsSilently) {
    for (const char* xml : {"<TableObj><Memory/></TableObj>", "<zorvikmendaldocument><Memory/></zorvikmendaldocument>"}) {
        TXMLDocument doc;
        doc.LoadFromXML(xml);
        bool called = false;
        TDocumentReader r;
        r.Memory = [&](std::unique_ptr<TMemory>) { called = true; };
        EXPECT_FALSE(ReadDocument(doc, r)) << xml;
        EXPECT_FALSE(called) << xml;
    }
}

TEST(DocumentFile, ChildrenAreDispatchedInDocumentOrderAndOthersSkipped) {
    TXMLDocument doc;
    doc.LoadFromXML(
        "<ZorvikMendalDocument><AddLabels/><Extra><Memory/></Extra><Coordinate/><Memory/><Memory/>"
        "</ZorvikMendalDocument>");
    std::string seen;
    TDocumentReader r;
    r.Memory = [&](std::unique_ptr<TMemory>) { seen += "M"; };
    r.Coordinate = [&](TXMLNode) { seen += "C"; };
    r.AddLabels = [&](TXMLNode) { seen += "L"; };
    EXPECT_TRUE(ReadDocument(doc, r));
    EXPECT_EQ(seen, "LCMM");

    TDocumentReader onlyPlane;  // a caller may take only some children
    onlyPlane.Coordinate = [&](TXMLNode) { seen += "c"; };
    EXPECT_TRUE(ReadDocument(doc, onlyPlane));
    EXPECT_EQ(seen, "LCMMc");
}

TEST(DocumentFile, FailuresLeaveTheCurrentGraphListAlone) {
    QTemporaryDir dir;
    const std::string bad = dir.filePath("bad.xml").toStdString();
    std::string deep;  // unknown elements nested 200,000 deep inside the graph list
    for (int i = 0; i < 200000; ++i) deep += "<a>";
    for (int i = 0; i < 200000; ++i) deep += "</a>";
    deep = "<ZorvikMendalDocument><Memory>" + deep + "</Memory></ZorvikMendalDocument>";
    struct Case { std::string text; const char* message; };
    const Case cases[] = {
        {"<ZorvikMendalDocument><Memory><FunctionObj><Exp>x</Exp></FunctionObj>"
         "<TableObj><Smooth>maybe</Smooth></TableObj></Memory></ZorvikMendalDocument>",
         "'maybe' is not a valid integer value"},
        {"not xml at all", nullptr},
        {"<ZorvikMendalDocument><Memory></ZorvikMendalDocument>", nullptr},
        {deep, "The file is nested too deeply (more than 256 levels of elements)"},
    };
    for (const Case& c : cases) {
        writeFile(bad, c.text);
        Drawing d = sampleDrawing();
        try {
            d.load(bad);
            ADD_FAILURE() << "no error for " << c.text.substr(0, 80);
        } catch (const ZmError& e) {
            if (c.message) {
                EXPECT_EQ(std::string(e.what()), c.message);
            }
        }
        EXPECT_EQ(d.memory.Count(), 2u) << c.text.substr(0, 80);  // the new list was never handed over
        EXPECT_EQ(d.memory.GetFunction(0)->Exp, "sin x") << c.text.substr(0, 80);
    }
    Drawing d;
    EXPECT_THROW(d.load(dir.filePath("missing.xml").toStdString()), ZmError);
}

TEST(DocumentFile, ReadsTheBenchmarkDocument) {
    Drawing d;
    ASSERT_TRUE(d.load(std::string(ZM_SOURCE_DIR) + "/tests/storage/data/plot-bench.xml"));
    size_t functions = 0;
    size_t points = 0;
    for (std::ptrdiff_t i = 0; i < static_cast<std::ptrdiff_t>(d.memory.Count()); ++i) {
        if (d.memory.GetFunction(i)) ++functions;
        if (const TTableObj* t = d.memory.GetTable(i)) points += t->Count();
    }
    EXPECT_EQ(functions, 9u);
    EXPECT_EQ(d.memory.Count(), 11u);
    EXPECT_EQ(points, 1200u);
    EXPECT_EQ(d.memory.GetFunction(0)->Caption(), "Y(x)=sin(3*x)*exp(-x*x/20)*8");
    EXPECT_EQ(d.plane.XInterval.Min, -10);
    EXPECT_TRUE(d.labels.empty());
}

TEST(DocumentFile, TreeCopyTakesElementsAndLeafTextsOnly) {
    struct Case {
        const char* what;
        const char* source;
        const char* copy;  // the copy under <Copy>, as saved
    };
    const Case cases[] = {
        {"a document's children, in order and nested",
         "<ZorvikMendalDocument><Memory><FunctionObj><Exp>sin(x)</Exp><Interval><Min>-1</Min></Interval>"
         "</FunctionObj></Memory><Coordinate/><AddLabels/></ZorvikMendalDocument>",
         "<Copy>\n <Memory>\n  <FunctionObj>\n   <Exp>sin(x)</Exp>\n   <Interval>\n    <Min>-1</Min>\n"
         "   </Interval>\n  </FunctionObj>\n </Memory>\n <Coordinate/>\n <AddLabels/>\n</Copy>\n"},
        {"comments, instructions, attributes and stray text left out",
         "<Other kind=\"x\"><!--note--><?tool run?><A b=\"1\">1</A>stray<B><C>2</C>more</B></Other>",
         "<Copy>\n <A>1</A>\n <B>\n  <C>2</C>\n </B>\n</Copy>\n"},
        {"CDATA texts, blank ones kept as CDATA",
         "<R><A><![CDATA[<b> & c]]></A><B><![CDATA[  ]]></B></R>",
         "<Copy>\n <A>&lt;b> &amp; c</A>\n <B><![CDATA[  ]]></B>\n</Copy>\n"},
        {"a leaf's text around a comment", "<R><A>12<!--x-->34</A><B><!--only--></B></R>",
         "<Copy>\n <A>1234</A>\n <B/>\n</Copy>\n"},
        {"nothing to copy", "<R/>", "<Copy/>\n"},
    };
    for (const Case& c : cases) {
        const Fragment source(c.source);
        TXMLDocument copy;
        CopyXMLNodeTree(source.root(), copy.AddChild("Copy"));
        const std::string bytes = copy.SaveToXML();
        EXPECT_EQ(bytes, c.copy) << c.what;
        TXMLDocument back;
        EXPECT_EQ(errorOf([&] { back.LoadFromXML(bytes); }), "<no error>") << c.what;
    }
}

}  // namespace
