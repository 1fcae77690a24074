#include "storage/ZMXML.h"

#include "support/ScopedLocale.h"
#include "support/XmlTestHelpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TMemory sampleMemory() {
    TMemory m;
    const char* exps[5][2] = {{"sin x", ""}, {"y^2", ""}, {"2*a", ""}, {"cos t", "sin t"}, {"x^2+y^2-4", "<=0"}};
    for (int type = 0; type < 5; ++type) {
        TFunctionObj f;
        f.Name = "graph " + std::to_string(type);
        f.Exp = exps[type][0];
        f.AddExp = exps[type][1];
        f.ShowEnabled = static_cast<std::uint8_t>(type % 2);
        f.Description = "<desc> & \"quotes\" " + std::to_string(type);
        f.GraphStyle = TGraphStyle{type + 1, static_cast<std::uint8_t>(type), 255 << (8 * (type % 3)),
                                   static_cast<std::uint8_t>(7 - type), -16777208};
        f.Interval = TInterval::CreateRange(1, -1.5 * type, 2.25 + type);
        f.AddInterval = TInterval::CreateRange(0, -1e-7, 1e20);
        f.PlotParameter = TPlotParameter::CreateAll(100 + type, 10, 20, 50);
        f.FunctionObjType = static_cast<std::uint8_t>(type);
        m.AddFunction(f);
    }
    TTableObj t;
    t.Name = "points";
    t.ShowEnabled = 1;
    t.Smooth = 1;
    t.SortingType = 2;
    t.GraphStyle = TGraphStyle::CreateStyled(3, 1, 16711680);
    t.Interval = TInterval::CreateRange(1, 0, 10);
    t.PlotParameter = TPlotParameter::CreateSteps(42, 7);
    t.AddPoint(0, 0);
    t.AddPoint(-1.25, 1234567.5);
    t.AddPoint(1e15, 0.0001);
    t.AddPoint(-0.00001, 123456789012345.0);
    m.AddTable(t);
    m.AddTable(TTableObj());  // no points
    return m;
}

std::string written(const TMemory& m) {
    TZMXML doc;
    TZMXML::WriteMemory(doc.AddChild(kDocumentRootName), "Memory", m);
    return doc.SaveToXML();
}

std::unique_ptr<TMemory> readBack(const std::string& xml) {
    Fragment f(xml);
    return TZMXML::ReadMemory(f.root().FirstChildElement());
}

void expectSameMemory(const TMemory& a, const TMemory& b) {
    ASSERT_EQ(a.Count(), b.Count());
    for (std::ptrdiff_t i = 0; i < static_cast<std::ptrdiff_t>(a.Count()); ++i) {
        ASSERT_EQ(a.GetObjKind(i), b.GetObjKind(i)) << i;
        if (a.GetFunction(i)) EXPECT_TRUE(*a.GetFunction(i) == *b.GetFunction(i)) << i;
        else EXPECT_TRUE(*a.GetTable(i) == *b.GetTable(i)) << i;
    }
}

TEST(XmlGraphList, RoundTripKeepsEveryFieldAndTheBytes) {
    const TMemory m = sampleMemory();
    const std::string first = written(m);
    const auto back = readBack(first);
    expectSameMemory(m, *back);
    EXPECT_EQ(written(*back), first);
}

TEST(XmlGraphList, WrittenLayout) {
    TMemory m;
    TTableObj t;
    t.AddPoint(2.5, -1);
    m.AddTable(t);
    TFunctionObj f;
    f.Exp = "x";
    m.AddFunction(f);
    EXPECT_EQ(written(m),
              "<ZorvikMendalDocument>\n"
              " <Memory>\n"
              "  <TableObj>\n"
              "   <Name>UnknownTableObj</Name>\n"
              "   <ShowEnabled>0</ShowEnabled>\n"
              "   <Description>Unknown Description</Description>\n"
              "   <GraphStyle>\n"
              "    <LineWidth>1</LineWidth>\n"
              "    <LineStyle>0</LineStyle>\n"
              "    <LineColor>0</LineColor>\n"
              "    <BrushStyle>5</BrushStyle>\n"
              "    <BrushColor>0</BrushColor>\n"
              "   </GraphStyle>\n"
              "   <Interval>\n"
              "    <Min>0</Min>\n"
              "    <Max>0</Max>\n"
              "    <Enabled>0</Enabled>\n"
              "   </Interval>\n"
              "   <PlotParameter>\n"
              "    <Steps>500</Steps>\n"
              "    <StepsOnX>50</StepsOnX>\n"
              "    <StepsOnY>50</StepsOnY>\n"
              "    <MaxGap>300</MaxGap>\n"
              "   </PlotParameter>\n"
              "   <Smooth>0</Smooth>\n"
              "   <SortingType>0</SortingType>\n"
              "   <TableElemObjList>\n"
              "    <TableElemObj>\n"
              "     <x>2.5</x>\n"
              "     <y>-1</y>\n"
              "    </TableElemObj>\n"
              "   </TableElemObjList>\n"
              "  </TableObj>\n"
              "  <FunctionObj>\n"
              "   <Name>UnknownFunctionObj</Name>\n"
              "   <Exp>x</Exp>\n"
              "   <AddExp/>\n"
              "   <ShowEnabled>0</ShowEnabled>\n"
              "   <Description>Unknown Description</Description>\n"
              "   <GraphStyle>\n"
              "    <LineWidth>1</LineWidth>\n"
              "    <LineStyle>0</LineStyle>\n"
              "    <LineColor>0</LineColor>\n"
              "    <BrushStyle>5</BrushStyle>\n"
              "    <BrushColor>0</BrushColor>\n"
              "   </GraphStyle>\n"
              "   <Interval>\n"
              "    <Min>0</Min>\n"
              "    <Max>0</Max>\n"
              "    <Enabled>0</Enabled>\n"
              "   </Interval>\n"
              "   <AddInterval>\n"
              "    <Min>0</Min>\n"
              "    <Max>0</Max>\n"
              "    <Enabled>0</Enabled>\n"
              "   </AddInterval>\n"
              "   <PlotParameter>\n"
              "    <Steps>500</Steps>\n"
              "    <StepsOnX>50</StepsOnX>\n"
              "    <StepsOnY>50</StepsOnY>\n"
              "    <MaxGap>300</MaxGap>\n"
              "   </PlotParameter>\n"
              "   <FunctionObjType>0</FunctionObjType>\n"
              "  </FunctionObj>\n"
              " </Memory>\n"
              "</ZorvikMendalDocument>\n");
    EXPECT_EQ(written(TMemory()), "<ZorvikMendalDocument>\n <Memory/>\n</ZorvikMendalDocument>\n");
    EXPECT_EQ(readBack(written(TMemory()))->Count(), 0u);
}

TEST(XmlGraphList, MissingChildrenTakeDefaults) {
    const Fragment f("<FunctionObj><Exp>x^2</Exp></FunctionObj>");
    const TFunctionObj g = TZMXML::ReadFunctionObj(f.root());
    TFunctionObj want;
    want.Exp = "x^2";
    EXPECT_TRUE(g == want);

    const Fragment t("<TableObj><Name>t</Name></TableObj>");
    const TTableObj table = TZMXML::ReadTableObj(t.root());
    EXPECT_EQ(table.ShowEnabled, 0);
    EXPECT_EQ(table.Count(), 0u);
    EXPECT_EQ(table.Description, "Unknown Description");
}

TEST(XmlGraphList, ReadingRule) {
    // Reverse order, foreign elements, comments and text between: the same as in writing order.
    const Fragment rev(
        "<FunctionObj><FunctionObjType>3</FunctionObjType><Foo><Name>no</Name></Foo>"
        "<PlotParameter><MaxGap>9</MaxGap></PlotParameter><!-- c -->text"
        "<AddInterval><Max>2</Max></AddInterval><Interval><Min>-1</Min></Interval>"
        "<GraphStyle><BrushColor>7</BrushColor></GraphStyle><Description>d</Description>"
        "<ShowEnabled>1</ShowEnabled><AddExp>sin t</AddExp><Exp>cos t</Exp><Name>first</Name>"
        "<Name>second</Name></FunctionObj>");
    const TFunctionObj g = TZMXML::ReadFunctionObj(rev.root());
    EXPECT_EQ(g.Name, "second");  // the last repeat wins
    EXPECT_EQ(g.Caption(), "X(t)=cos t ; Y(t)=sin t");
    EXPECT_EQ(g.ShowEnabled, 1);
    EXPECT_EQ(g.Description, "d");
    EXPECT_EQ(g.GraphStyle, (TGraphStyle{1, 0, 0, 5, 7}));
    EXPECT_EQ(g.Interval, TInterval::CreateRange(0, -1, 0));
    EXPECT_EQ(g.AddInterval, TInterval::CreateRange(0, 0, 2));
    EXPECT_EQ(g.PlotParameter, TPlotParameter::CreateAll(500, 50, 50, 9));

    // Stored as read: bytes keep their low 8 bits, codes are not range-checked.
    const Fragment raw(
        "<FunctionObj><ShowEnabled>257</ShowEnabled><FunctionObjType>9</FunctionObjType>"
        "<GraphStyle><LineWidth>-3</LineWidth><LineStyle>300</LineStyle><LineColor>-16777208</LineColor>"
        "</GraphStyle></FunctionObj>");
    const TFunctionObj r = TZMXML::ReadFunctionObj(raw.root());
    EXPECT_EQ(r.ShowEnabled, 1);
    EXPECT_EQ(r.FunctionObjType, 9);
    EXPECT_EQ(r.Caption(), "");
    EXPECT_EQ(r.GraphStyle.LineWidth, -3);
    EXPECT_EQ(r.GraphStyle.LineStyle, 44);
    EXPECT_EQ(r.GraphStyle.LineColor, -16777208);
}

TEST(XmlGraphList, MemoryKeepsDocumentOrderAndSkipsOthers) {
    const auto m = readBack(
        "<R><Memory><TableObj/><Label/><FunctionObj><Exp>a</Exp></FunctionObj><FunctionObj><Exp>b</Exp></FunctionObj>"
        "</Memory></R>");
    ASSERT_EQ(m->Count(), 3u);
    EXPECT_EQ(m->GetObjKind(0), 1);
    EXPECT_EQ(m->GetFunction(1)->Exp, "a");
    EXPECT_EQ(m->GetFunction(2)->Exp, "b");
}

TEST(XmlGraphList, PointsArePositionalAndMalformedOnesSkipped) {
    const Fragment f(
        "<TableObj><TableElemObjList>\n"
        "  <TableElemObj>\n   <x>1</x>\n   <!-- between -->\n   <y>2</y>\n  </TableElemObj>\n"  // indented file
        "  <TableElemObj><x>3</x></TableElemObj>\n"                   // no y
        "  <TableElemObj><y>4</y><x>5</x></TableElemObj>\n"           // wrong order
        "  <TableElemObj/>\n"                                         // empty
        "  <TableElemObj><x>6</x><z>0</z><y>7</y></TableElemObj>\n"   // y not second
        "  <Other><x>8</x><y>9</y></Other>\n"
        "  <TableElemObj><x>10</x><y>11</y><extra/></TableElemObj>\n"
        "</TableElemObjList><TableElemObjList><TableElemObj><x>12</x><y>13</y></TableElemObj></TableElemObjList>"
        "</TableObj>");
    const TTableObj t = TZMXML::ReadTableObj(f.root());
    ASSERT_EQ(t.Count(), 3u);
    EXPECT_EQ(*t.GetPoint(0), (TTableElemObj{1, 2}));
    EXPECT_EQ(*t.GetPoint(1), (TTableElemObj{10, 11}));
    EXPECT_EQ(*t.GetPoint(2), (TTableElemObj{12, 13}));  // a second list appends
}

TEST(XmlGraphList, BadValuesRaiseTheExactMessage) {
    struct Case { const char* xml; const char* message; };
    const Case cases[] = {
        {"<FunctionObj><ShowEnabled>yes</ShowEnabled></FunctionObj>", "'yes' is not a valid integer value"},
        {"<FunctionObj><ShowEnabled/></FunctionObj>", "'' is not a valid integer value"},
        {"<FunctionObj><GraphStyle><LineWidth> 1 </LineWidth></GraphStyle></FunctionObj>",
         "' 1 ' is not a valid integer value"},
        {"<FunctionObj><PlotParameter><Steps>5000000000</Steps></PlotParameter></FunctionObj>",
         "'5000000000' is not a valid integer value"},
        {"<FunctionObj><Interval><Min>1;5</Min></Interval></FunctionObj>", "'1;5' is not a valid floating point value"},
        {"<FunctionObj><Interval><Max>NAN</Max></Interval></FunctionObj>", "'NAN' is not a valid floating point value"},
        {"<FunctionObj><Exp><b>x</b></Exp></FunctionObj>", "Element does not contain a single text node"},
        {"<FunctionObj><FunctionObjType>1<!--c--></FunctionObjType></FunctionObj>",
         "Element does not contain a single text node"},
    };
    for (const Case& c : cases) {
        const Fragment f(c.xml);
        EXPECT_EQ(errorOf([&] { (void)TZMXML::ReadFunctionObj(f.root()); }), c.message) << c.xml;
    }
    const Fragment p("<TableObj><TableElemObjList><TableElemObj><x>1</x><y>two</y></TableElemObj>"
                     "</TableElemObjList></TableObj>");
    EXPECT_EQ(errorOf([&] { (void)TZMXML::ReadTableObj(p.root()); }), "'two' is not a valid floating point value");
}

TEST(XmlGraphList, FailedReadLeavesNoPartialList) {
    TMemory current = sampleMemory();
    std::unique_ptr<TMemory> next;
    const std::string xml =
        "<R><Memory><FunctionObj><Exp>ok</Exp></FunctionObj><FunctionObj><ShowEnabled>x</ShowEnabled>"
        "</FunctionObj></Memory></R>";
    EXPECT_THROW(next = readBack(xml), ZmError);
    EXPECT_EQ(next, nullptr);
    EXPECT_EQ(current.Count(), 7u);
}

TEST(XmlGraphList, WritesTheLocalesDecimalSeparatorAndReadsEitherInEveryLocale) {
    TMemory m;
    TTableObj t;
    t.AddPoint(2.5, 1e-5);
    t.Interval = TInterval::CreateRange(1, -0.5, 7.25);
    m.AddTable(t);
    std::string comma;
    std::string point;
    {
        ScopedLocale de(QLocale::German);
        comma = written(m);
        EXPECT_NE(comma.find("<x>2,5</x>"), std::string::npos);
        EXPECT_NE(comma.find("<y>1E-5</y>"), std::string::npos);
        EXPECT_NE(comma.find("<Min>-0,5</Min>"), std::string::npos);
    }
    {
        ScopedLocale c(QLocale::C);
        point = written(m);
        EXPECT_NE(point.find("<x>2.5</x>"), std::string::npos);
    }
    for (QLocale::Language language : {QLocale::C, QLocale::German, QLocale::French}) {
        ScopedLocale locale(language);
        for (const std::string* text : {&comma, &point}) expectSameMemory(m, *readBack(*text));
    }
}

}  // namespace
