// Edit-label dialog: what it loads from a label, and an unchanged OK giving back the label's look.

#include "editors/fmEditLabel.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "platform/ZMCanvas.h"
#include "platform/ZMColorBox.h"
#include "storage/ZMAddLabel.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/ScriptedFontChooser.h"

namespace {

constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000Fu);

// A red 12-point font at 120 pixels per inch (not the screen's), with every field set.
TFont RedFont() {
    TFont f;
    f.Name = "Courier New";
    f.Charset = 0;
    f.Pitch = 2;
    f.PixelsPerInch = 120;
    f.Height = -20;
    f.Style = fsBold | fsItalic | fsStrikeOut;
    f.Color = 0x0000FF;
    return f;
}

TEST(EditLabel, LoadsTheLabelAndAnUnchangedOkGivesItsLookBack) {
    MessageRecorder boxes;
    TAddLabel label;
    label.SetCaption("Two\n\u00a0lines ");
    label.SetFont(RedFont());
    label.SetColor(clBtnFace);
    label.SetTransparent(false);

    TFormEditLabel dialog;
    ScriptedFontChooser fonts;
    dialog.SetFontChooser(&fonts);
    WhileShown(dialog, [&] {
        auto* memo = Control<QPlainTextEdit>(dialog, "Memo1");
        EXPECT_EQ(memo->document()->toRawText(), QStringLiteral("Two\u2029\u00a0lines "));
        EXPECT_EQ(memo->font().family(), QStringLiteral("Courier New"));
        EXPECT_EQ(memo->font().pixelSize(), 20);
        EXPECT_TRUE(memo->font().bold() && memo->font().italic() && memo->font().strikeOut());
        EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(255, 0, 0));
        EXPECT_FALSE(Control<QCheckBox>(dialog, "CheckBox1")->isChecked());
        EXPECT_EQ(Control<TColorBox>(dialog, "ColorBox1")->Selected(), clBtnFace);
        Control<QPushButton>(dialog, "Button3")->click();  // cancelled chooser
        dialog.Button1Click();
    });
    EXPECT_TRUE(dialog.Execute(label));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Label"));
    ASSERT_EQ(fonts.starts().size(), 1u);
    EXPECT_TRUE(fonts.starts()[0] == RedFont());  // the chooser starts from the label's font

    ASSERT_TRUE(dialog.Result.has_value());
    EXPECT_EQ(dialog.Result->Caption, "Two\n\u00a0lines");  // trimmed at the end only; no-break space kept
    const TFont& f = dialog.Result->Font;
    EXPECT_EQ(f.Name, "Courier New");
    EXPECT_EQ(f.Charset, 0);
    EXPECT_EQ(f.Pitch, 2);
    EXPECT_EQ(f.PixelsPerInch, 120);
    EXPECT_EQ(f.Height, -20);
    EXPECT_EQ(f.Style, fsBold | fsItalic | fsStrikeOut);
    EXPECT_EQ(f.Color, 0x0000FF);
    EXPECT_EQ(dialog.Result->Color, clBtnFace);
    EXPECT_FALSE(dialog.Result->Transparent);
    // The dialog changed nothing in the label.
    EXPECT_EQ(label.Caption(), "Two\n\u00a0lines ");
    EXPECT_EQ(boxes.count(), 0);
}

TEST(EditLabel, CancelGivesNoResult) {
    TAddLabel label;
    label.SetCaption("kept");
    TFormEditLabel dialog;
    WhileShown(dialog, [&] {
        Control<QPlainTextEdit>(dialog, "Memo1")->setPlainText(QStringLiteral("changed"));
        dialog.Button2Click();
    });
    EXPECT_FALSE(dialog.Execute(label));
    EXPECT_FALSE(dialog.Result.has_value());
}

}  // namespace
