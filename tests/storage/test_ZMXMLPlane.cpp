// Fonts and the plane settings element.
#include "storage/ZMXML.h"

#include "support/XmlTestHelpers.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

std::string writtenFont(const TFont& f) {
    TXMLDocument d;
    TZMXML::WriteFont(d.AddChild("R"), "Font", f);
    return d.SaveToXML();
}

TFont fontFrom(const std::string& body) {
    const Fragment f("<Font>" + body + "</Font>");
    return TZMXML::ReadFont(f.root());
}

// Every setting away from its default.
TCoordinateSettings unusualPlane() {
    TCoordinateSettings c = TCoordinateSettings::Create(96);
    c.XInterval = TInterval::CreateRange(0, -2.5, 7.125);
    c.YInterval = TInterval::CreateRange(1, -1e-5, 1e15);
    c.PlotParameter = TPlotParameter::CreateAll(800, 40, 30, 200);
    c.AxesStyle = 1;
    c.BackgroundColor = 0x00FFEE;
    c.EqualScaleEnabled = 1;
    c.XAxesDirection = 1;
    c.YAxesDirection = 0;
    c.XAxesGraphStyle = TGraphStyle{2, 1, 255, 0, 7};
    c.YAxesGraphStyle = TGraphStyle{3, 3, 16711680, 6, -16777201};
    c.XArrow = TAxesArrow::Create(0, "time");
    c.YArrow = TAxesArrow::Create(0, "<v> & w");
    c.XAxesTicksStep = 0.5;
    c.XAxesTicksLength = 4;
    c.YAxesTicksStep = 2.5;
    c.YAxesTicksLength = -1;
    c.XAxesLabelsStep = 2;
    c.XAxesLabelsString = " s";
    c.YAxesLabelsStep = 0.25;
    c.YAxesLabelsString = "m";
    c.XAxesLabelSide = 0;
    c.YAxesLabelSide = 0;
    c.TitleTopEnabled = 1;
    c.TitleTop = "Top";
    c.TitleTopFont.Name = "Courier New";
    c.TitleTopFont.SetSize(14);
    c.TitleTopFont.Style = fsBold | fsStrikeOut;
    c.TitleBottomEnabled = 1;
    c.TitleBottom = "Bottom";
    c.TitleBottomFont.Color = 255;
    c.TitleBottomFont.Style = fsItalic;
    c.TitleLeftEnabled = 1;
    c.TitleLeft = "Left";
    c.TitleLeftFont.Charset = 0;
    c.TitleLeftFont.Pitch = 2;
    c.TitleRightEnabled = 1;
    c.TitleRight = "Right";
    c.TitleRightFont.Style = fsUnderline;
    c.TitleRightFont.SetSize(20);
    c.LegendEnabled = 1;
    c.ShowSampleEnabled = 0;
    c.TextColorAsGraphEnabled = 1;
    c.LegendPosition = 2;
    c.GridHorEnabled = 1;
    c.GridHorStep = 0.2;
    c.GridHorGraphStyle = TGraphStyle{1, 4, 100, 2, 3};
    c.GridVerEnabled = 1;
    c.GridVerStep = 5;
    c.GridVerGraphStyle = TGraphStyle{2, 5, 101, 3, 4};
    c.GridRadialEnabled = 1;
    c.GridRadialStep = 1.5;
    c.GridRadialGraphStyle = TGraphStyle{3, 6, 102, 7, 5};
    c.GridAngularEnabled = 1;
    c.GridAngularStep = 0.125;
    c.GridAngularGraphStyle = TGraphStyle{4, 0, 103, 4, 6};
    return c;
}

std::string writtenPlane(const TCoordinateSettings& c) {
    TXMLDocument d;
    TZMXML::WriteCoordinate(d.AddChild("R"), "Coordinate", c);
    return d.SaveToXML();
}

TEST(XmlFont, WrittenLayout) {
    TFont f = TFont::Default(96);
    f.Style = fsBold | fsStrikeOut;
    EXPECT_EQ(writtenFont(f),
              "<R>\n <Font>\n  <Charset>1</Charset>\n  <Color>-16777208</Color>\n  <Height>-11</Height>\n"
              "  <Name>MS Sans Serif</Name>\n  <Pitch>0</Pitch>\n  <PixelsPerInch>96</PixelsPerInch>\n"
              "  <Size>8</Size>\n  <Style>\n   <fsBold/>\n   <fsStrikeOut/>\n  </Style>\n </Font>\n</R>\n");
    EXPECT_NE(writtenFont(TFont::Default(96)).find("<Style/>"), std::string::npos);
}

TEST(XmlFont, ReadingStartsFromTheDefaultFont) {
    const int ppi = ScreenPixelsPerInch();
    const TFont named = fontFrom("<Name>Arial</Name>");
    TFont want = TFont::Default(ppi);
    want.Name = "Arial";
    EXPECT_EQ(named, want);
    EXPECT_EQ(named.Size(), 8);
    EXPECT_EQ(named.Color, -16777208);

    // The last Style wins and an empty one clears the flags; unknown flags are skipped.
    EXPECT_EQ(fontFrom("<Style><fsBold/><fsItalic/><fsUnderline/><fsStrikeOut/></Style>").Style,
              fsBold | fsItalic | fsUnderline | fsStrikeOut);
    EXPECT_EQ(fontFrom("<Style><fsBold/></Style><Style/>").Style, 0);
    EXPECT_EQ(fontFrom("<Style><fsHeavy/><fsItalic/></Style>").Style, fsItalic);
}

TEST(XmlFont, SizeWinsAtTheFileResolution) {
    // Written at 120 dpi: 15 points are 25 pixels there.
    const TFont read = fontFrom("<Height>-25</Height><PixelsPerInch>120</PixelsPerInch><Size>15</Size>");
    EXPECT_EQ(read.PixelsPerInch, 120);
    EXPECT_EQ(read.Height, -25);
    TFont target = TFont::Default(96);
    target.Assign(read);
    EXPECT_EQ(target.PixelsPerInch, 96);
    EXPECT_EQ(target.Size(), 15);
    EXPECT_EQ(target.Height, -20);

    // Height alone, then a resolution: the height stays as read.
    EXPECT_EQ(fontFrom("<Height>-30</Height><PixelsPerInch>144</PixelsPerInch>").Height, -30);
}

TEST(XmlFont, UnusableValuesFromAFileAreSafe) {
    const int ppi = ScreenPixelsPerInch();
    for (const char* body : {"<PixelsPerInch>0</PixelsPerInch><Size>12</Size>",
                             "<PixelsPerInch>-96</PixelsPerInch><Size>12</Size>"}) {
        const TFont f = fontFrom(body);
        EXPECT_EQ(f.PixelsPerInch, ppi) << body;  // ignored: it would divide by zero
        EXPECT_EQ(f.Size(), 12) << body;
    }
    const TFont huge = fontFrom("<PixelsPerInch>2147483647</PixelsPerInch><Size>2147483647</Size>");
    EXPECT_EQ(huge.Height, -2147483647 - 1);  // saturated, no overflow
    const TFont neg = fontFrom("<Height>-2147483648</Height><Size>-2147483648</Size>");
    EXPECT_GT(neg.Height, 0);
    EXPECT_EQ(errorOf([] { (void)fontFrom("<Size>12pt</Size>"); }), "'12pt' is not a valid integer value");
}

TEST(XmlCoordinate, RoundTripOfEverySetting) {
    const TCoordinateSettings c = unusualPlane();
    const std::string xml = writtenPlane(c);
    const Fragment f(xml);
    TCoordinateSettings back = TCoordinateSettings::Create(96);
    TZMXML::ReadCoordinate(f.root().FirstChildElement(), back);
    EXPECT_TRUE(back == c);
    EXPECT_EQ(writtenPlane(back), xml);

    std::vector<std::string> names;
    for (TXMLNode n = f.root().FirstChildElement().FirstChildElement(); n; n = n.NextSiblingElement())
        names.push_back(n.NodeName());
    const std::vector<std::string> want = {
        "XInterval", "YInterval", "PlotParameter", "AxesStyle", "BackgroundColor", "EqualScaleEnabled",
        "XAxesDirection", "YAxesDirection", "XAxesGraphStyle", "YAxesGraphStyle", "XArrow", "YArrow",
        "XAxesTicksStep", "XAxesTicksLength", "YAxesTicksStep", "YAxesTicksLength", "XAxesLabelsStep",
        "XAxesLabelsString", "YAxesLabelsStep", "YAxesLabelsString", "XAxesLabelSide", "YAxesLabelSide",
        "TitleTopEnabled", "TitleTop", "TitleTopFont", "TitleBottomEnabled", "TitleBottom", "TitleBottomFont",
        "TitleLeftEnabled", "TitleLeft", "TitleLeftFont", "TitleRightEnabled", "TitleRight", "TitleRightFont",
        "LegendEnabled", "ShowSampleEnabled", "TextColorAsGraphEnabled", "LegendPosition", "GridHorEnabled",
        "GridHorStep", "GridHorGraphStyle", "GridVerEnabled", "GridVerStep", "GridVerGraphStyle",
        "GridRadialEnabled", "GridRadialStep", "GridRadialGraphStyle", "GridAngularEnabled", "GridAngularStep",
        "GridAngularGraphStyle"};
    EXPECT_EQ(names, want);
    EXPECT_NE(xml.find("<XArrow>\n   <Enabled>0</Enabled>\n   <Name>time</Name>\n  </XArrow>"), std::string::npos);
}

TEST(XmlCoordinate, ViewOfTheLargestDoublesReadsBack) {
    const double max = std::numeric_limits<double>::max();
    TCoordinateSettings c = TCoordinateSettings::Create(96);
    c.XInterval = TInterval::CreateRange(1, -max, max);
    c.YInterval = TInterval::CreateRange(1, max, -max);
    const std::string xml = writtenPlane(c);
    EXPECT_NE(xml.find("<Min>-1.79769313486232E308</Min>"), std::string::npos) << xml;
    const Fragment f(xml);
    TCoordinateSettings back = TCoordinateSettings::Create(96);
    TZMXML::ReadCoordinate(f.root().FirstChildElement(), back);
    EXPECT_TRUE(back == c);
}

TEST(XmlCoordinate, TitleFontsKeepPointsAcrossResolutions) {
    TCoordinateSettings c = TCoordinateSettings::Create(144);
    c.TitleTopFont.SetSize(12);
    const Fragment f(writtenPlane(c));
    TCoordinateSettings back = TCoordinateSettings::Create(96);
    TZMXML::ReadCoordinate(f.root().FirstChildElement(), back);
    EXPECT_EQ(back.TitleTopFont.PixelsPerInch, 96);
    EXPECT_EQ(back.TitleTopFont.Size(), 12);
    EXPECT_EQ(back.TitleTopFont.Height, -16);
}

TEST(XmlCoordinate, PartialElementsChangeOnlyWhatTheyHold) {
    const TCoordinateSettings start = unusualPlane();

    struct Case { const char* what; const char* body; void (*expect)(TCoordinateSettings&); };
    const Case cases[] = {
        {"interval body replaced whole", "<XInterval><Min>-5</Min><Max>5</Max></XInterval>",
         [](TCoordinateSettings& w) { w.XInterval = TInterval::CreateRange(0, -5, 5); }},
        {"style body replaced whole", "<XAxesGraphStyle><LineWidth>3</LineWidth></XAxesGraphStyle>",
         [](TCoordinateSettings& w) { w.XAxesGraphStyle = TGraphStyle{3, 0, 0, 5, 0}; }},
        {"arrow read in place", "<XArrow><Name>t</Name><Other>1</Other></XArrow>",
         [](TCoordinateSettings& w) { w.XArrow = TAxesArrow::Create(w.XArrow.Enabled, "t"); }},
        {"font replaced whole", "<TitleLeftFont><Size>12</Size></TitleLeftFont>",
         [](TCoordinateSettings& w) {
             w.TitleLeftFont = TFont::Default(96);
             w.TitleLeftFont.SetSize(12);
         }},
        {"last repeat wins, order free", "<GridHorStep>3</GridHorStep><AxesStyle>7</AxesStyle><GridHorStep>0</GridHorStep>",
         [](TCoordinateSettings& w) {
             w.GridHorStep = 0;
             w.AxesStyle = 7;
         }},
        {"strange values stored as read", "<GridAngularStep>-0.25</GridAngularStep><LegendPosition>300</LegendPosition>",
         [](TCoordinateSettings& w) {
             w.GridAngularStep = -0.25;
             w.LegendPosition = 44;
         }},
        {"unknown and empty", "<Zoom>2</Zoom>text<!--c-->", [](TCoordinateSettings&) {}},
    };
    for (const Case& c : cases) {
        TCoordinateSettings got = start;
        TCoordinateSettings want = start;
        c.expect(want);
        const Fragment f(std::string("<Coordinate>") + c.body + "</Coordinate>");
        TZMXML::ReadCoordinate(f.root(), got);
        EXPECT_TRUE(got == want) << c.what;
    }
}

TEST(XmlCoordinate, AnErrorKeepsWhatWasReadBefore) {
    struct Case { const char* body; const char* message; };
    const Case cases[] = {
        {"<AxesStyle>1</AxesStyle><XAxesTicksStep>1;5</XAxesTicksStep><LegendEnabled>1</LegendEnabled>",
         "'1;5' is not a valid floating point value"},
        {"<AxesStyle>1</AxesStyle><XAxesTicksLength>2.0</XAxesTicksLength><LegendEnabled>1</LegendEnabled>",
         "'2.0' is not a valid integer value"},
        {"<AxesStyle>1</AxesStyle><XArrow><Enabled>on</Enabled></XArrow><LegendEnabled>1</LegendEnabled>",
         "'on' is not a valid integer value"},
        {"<AxesStyle>1</AxesStyle><TitleTop><b/></TitleTop><LegendEnabled>1</LegendEnabled>",
         "Element does not contain a single text node"},
    };
    for (const Case& c : cases) {
        TCoordinateSettings p = TCoordinateSettings::Create(96);
        const Fragment f(std::string("<Coordinate>") + c.body + "</Coordinate>");
        EXPECT_EQ(errorOf([&] { TZMXML::ReadCoordinate(f.root(), p); }), c.message) << c.body;
        EXPECT_EQ(p.AxesStyle, 1) << c.body;      // applied before the failing child
        EXPECT_EQ(p.LegendEnabled, 0) << c.body;  // never reached
    }
}

}  // namespace
