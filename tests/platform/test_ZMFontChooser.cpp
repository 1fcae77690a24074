// The font dialog with colour: what it gives back for a starting font, unchanged or changed, and
// the chooser's answer on OK and on Cancel.

#include "platform/ZMFontChooser.h"

#include <QFontDialog>
#include <QPushButton>

#include <gtest/gtest.h>

#include "platform/ZMColorBox.h"
#include "platform/ZMScreen.h"
#include "support/NextModal.h"

namespace {

// 12 points at 120 pixels per inch, bold and struck out, in the system window-text colour.
TFont Start() {
    TFont f;
    f.Name = "MS Sans Serif";
    f.Charset = 2;
    f.Pitch = 2;
    f.PixelsPerInch = 120;
    f.Height = -20;
    f.Style = fsBold | fsStrikeOut;
    f.Color = clWindowText;
    return f;
}

TEST(FontColorDialog, UnchangedGivesTheStartingFontInWholePointsAtTheScreensResolution) {
    TFontColorDialog d;
    d.SetStartFont(Start());
    const TFont f = d.ChosenFont();
    EXPECT_EQ(f.Name, "MS Sans Serif");  // the face shown for it was not changed
    EXPECT_EQ(f.Charset, 2);
    EXPECT_EQ(f.Pitch, 2);
    EXPECT_EQ(f.PixelsPerInch, ScreenPixelsPerInch());
    EXPECT_EQ(f.Size(), 12);
    EXPECT_EQ(f.Style, fsBold | fsStrikeOut);
    EXPECT_EQ(f.Color, clWindowText);
    EXPECT_EQ(d.ColorBox()->Selected(), clWindowText);
}

TEST(FontColorDialog, UnchangedKeepsTheFlagsOfEveryFace) {
    // Faces whose first style is a slanted one, and a face the system lacks.
    for (const char* face : {"MS Sans Serif", "DejaVu Sans", "DejaVu Sans Mono", "Liberation Serif"}) {
        for (int style : {0, 1, 2, 3, 4}) {
            TFont start = Start();
            start.Name = face;
            start.Style = static_cast<std::uint8_t>(style);  // bold 1, italic 2, underline 4
            TFontColorDialog d;
            d.SetStartFont(start);
            EXPECT_EQ(d.ChosenFont().Style, style) << face << " " << style;
            EXPECT_EQ(d.ChosenFont().Name, face);
        }
    }
}

TEST(FontColorDialog, ChangesGiveFaceSizeFlagsAndColourKeepingCharsetAndPitch) {
    TFontColorDialog d;
    d.SetStartFont(Start());
    QFont q(QStringLiteral("DejaVu Serif"));
    q.setPointSizeF(13.6);
    q.setItalic(true);
    q.setUnderline(true);
    d.FontWidget()->setCurrentFont(q);
    d.ColorBox()->setCurrentIndex(9);
    const TFont f = d.ChosenFont();
    EXPECT_EQ(f.Name, "DejaVu Serif");
    EXPECT_EQ(f.Size(), 14);
    EXPECT_EQ(f.Style, fsItalic | fsUnderline);
    EXPECT_EQ(f.Color, TColorBox::StandardColor(9));
    EXPECT_EQ(f.Charset, 2);
    EXPECT_EQ(f.Pitch, 2);
}

TEST(FontChooser, OkGivesTheChosenFontAndCancelLeavesTheFontAlone) {
    for (bool ok : {true, false}) {
        TFont font = Start();
        const NextModal answer([ok](QWidget* modal) {
            auto* d = qobject_cast<TFontColorDialog*>(modal);
            ASSERT_NE(d, nullptr);
            d->ColorBox()->setCurrentIndex(12);
            d->findChild<QPushButton*>(QString::fromLatin1(ok ? "ButtonOk" : "ButtonCancel"))->click();
        });
        QtFontChooser chooser;
        EXPECT_EQ(chooser.choose(nullptr, font), ok);
        EXPECT_EQ(font.Color, ok ? TColorBox::StandardColor(12) : clWindowText);
        EXPECT_EQ(font.PixelsPerInch, ok ? ScreenPixelsPerInch() : 120);
    }
}

}  // namespace
