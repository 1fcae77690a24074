#include "storage/ZMAddLabel.h"

#include "storage/ZMXML.h"
#include "support/XmlTestHelpers.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<TAddLabel> labelFrom(const std::string& body) {
    const Fragment f("<AddLabel>" + body + "</AddLabel>");
    return TZMXML::ReadAddLabel(f.root());
}

TEST(AddLabel, WrittenLayoutAndRoundTrip) {
    TAddLabel l;
    l.SetCaption("a < b & \"c\"");
    l.SetColor(255);
    l.SetTransparent(false);
    TFont f = TFont::Default(96);
    f.Style = fsItalic;
    f.Color = 16711680;
    l.SetFont(f);
    l.x = -2.5;
    l.y = 1e-5;

    TXMLDocument d;
    TZMXML::WriteAddLabel(d.AddChild("AddLabels"), "AddLabel", l);
    const std::string xml = d.SaveToXML();
    const std::string head =
        "<AddLabels>\n <AddLabel>\n  <Caption>a &lt; b &amp; \"c\"</Caption>\n  <Color>255</Color>\n"
        "  <Transparent>0</Transparent>\n  <Font>";
    EXPECT_EQ(xml.substr(0, head.size()), head);
    EXPECT_NE(xml.find("</Font>\n  <x>-2.5</x>\n  <y>1E-5</y>\n </AddLabel>"), std::string::npos);

    const auto back = TZMXML::ReadAddLabel(d.GetDocumentElement().FirstChildElement());
    EXPECT_EQ(back->Caption(), l.Caption());
    EXPECT_EQ(back->Color(), 255);
    EXPECT_FALSE(back->Transparent());
    EXPECT_EQ(back->Font().Style, fsItalic);
    EXPECT_EQ(back->Font().Color, 16711680);
    EXPECT_EQ(back->Font().Size(), 8);
    EXPECT_EQ(back->x, -2.5);
    EXPECT_EQ(back->y, 1e-5);
    EXPECT_EQ(back->parent(), nullptr);
}

TEST(AddLabel, MissingChildrenKeepTheDefaults) {
    const TAddLabel fresh;
    const auto l = labelFrom("<Caption>only</Caption>");
    EXPECT_EQ(l->Caption(), "only");
    EXPECT_EQ(l->x, 0);
    EXPECT_EQ(l->y, 0);
    EXPECT_EQ(l->Color(), fresh.Color());
    EXPECT_EQ(l->Transparent(), fresh.Transparent());
    EXPECT_EQ(l->Font(), fresh.Font());
}

TEST(AddLabel, TransparentIsAnyNonZeroByte) {
    struct Case { const char* text; bool transparent; };
    const Case cases[] = {{"0", false}, {"1", true}, {"2", true}, {"256", false}, {"-1", true}};
    for (const Case& c : cases)
        EXPECT_EQ(labelFrom(std::string("<Transparent>") + c.text + "</Transparent>")->Transparent(), c.transparent)
            << c.text;
}

TEST(AddLabel, BadValuesRaiseTheExactMessage) {
    struct Case { const char* body; const char* message; };
    const Case cases[] = {
        {"<Color>clRed</Color>", "'clRed' is not a valid integer value"},
        {"<Transparent>true</Transparent>", "'true' is not a valid integer value"},
        {"<x>1;5</x>", "'1;5' is not a valid floating point value"},
        {"<y>INF</y>", "'INF' is not a valid floating point value"},
        {"<Font><Height>big</Height></Font>", "'big' is not a valid integer value"},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf([&] { (void)labelFrom(c.body); }), c.message) << c.body;
}

TEST(AddLabel, FontKeepsItsPointSizeAcrossResolutions) {
    const auto l = labelFrom("<Font><Height>-24</Height><PixelsPerInch>144</PixelsPerInch><Size>12</Size></Font>");
    EXPECT_EQ(l->Font().PixelsPerInch, ScreenPixelsPerInch());
    EXPECT_EQ(l->Font().Size(), 12);
}

TEST(AddLabel, ShowsPlainTextAndPaintsItsBackground) {
    QWidget panel;
    panel.resize(200, 100);
    panel.setAutoFillBackground(true);
    QPalette pal = panel.palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 255));
    panel.setPalette(pal);

    auto* l = new TAddLabel(&panel);
    l->SetCaption("<b>bold?</b>");
    EXPECT_EQ(l->text(), "<b>bold?</b>");
    EXPECT_EQ(l->textFormat(), Qt::PlainText);
    EXPECT_GT(l->width(), 0);  // sized to its text
    l->move(10, 10);

    struct Case { bool transparent; QRgb corner; };
    const Case cases[] = {{false, qRgb(255, 0, 0)}, {true, qRgb(0, 0, 255)}};
    for (const Case& c : cases) {
        l->SetColor(255);  // red as 0x00BBGGRR
        l->SetTransparent(c.transparent);
        const QImage img = panel.grab().toImage();
        EXPECT_EQ(img.pixel(11, 11) & 0xFFFFFF, c.corner & 0xFFFFFF) << c.transparent;
    }
}

TEST(AddLabel, AssignLookCopiesEverythingButTheAnchor) {
    TAddLabel src;
    src.SetCaption("line 1\nline 2");
    src.SetColor(123);
    src.SetTransparent(false);
    TFont f = TFont::Default(144);
    f.SetSize(20);
    src.SetFont(f);
    src.x = 5;
    TAddLabel dst;
    dst.x = 1;
    dst.AssignLook(src);
    EXPECT_EQ(dst.Caption(), "line 1\nline 2");
    EXPECT_EQ(dst.Color(), 123);
    EXPECT_FALSE(dst.Transparent());
    EXPECT_EQ(dst.Font().Size(), 20);
    EXPECT_EQ(dst.Font().PixelsPerInch, TAddLabel().Font().PixelsPerInch);
    EXPECT_EQ(dst.x, 1);
}

}  // namespace
