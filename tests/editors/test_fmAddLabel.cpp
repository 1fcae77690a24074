// Add-label dialog (and the layout and OK it shares with the edit-label dialog): the trim, the
// refusal of an empty text, the starting look, the font dialog's starting font, and Cancel.

#include "editors/fmAddLabel.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

#include "platform/ZMCanvas.h"
#include "platform/ZMColorBox.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/ScriptedFontChooser.h"

namespace {

class AddLabelTest : public ::testing::Test {
protected:
    AddLabelTest() { dialog.SetFontChooser(&fonts); }

    bool Run(std::function<void()> inside) {
        WhileShown(dialog, std::move(inside));
        return dialog.Execute();
    }
    QPlainTextEdit* memo() { return Control<QPlainTextEdit>(dialog, "Memo1"); }

    MessageRecorder boxes;
    ScriptedFontChooser fonts;
    TFormAddLabel dialog;
};

TEST_F(AddLabelTest, OkTrimsBlanksAndControlCharactersAroundTheTextOnly) {
    struct Case {
        QString typed;
        const char* caption;
    };
    const Case cases[] = {
        {QStringLiteral("  Peak  "), "Peak"},
        {QStringLiteral("\t\u0001 a  b \u001f"), "a  b"},
        {QStringLiteral(" line 1\n  line 2 \n"), "line 1\n  line 2"},
        {QStringLiteral("\r\nx\r\ny\r\n"), "x\ny"},  // the text box keeps "\n" for CR LF and CR
        {QStringLiteral("a\rb"), "a\nb"},
        {QStringLiteral("\u00a0x\u00a0"), "\u00a0x\u00a0"},  // not a blank
        {QStringLiteral("<b>&amp;</b>"), "<b>&amp;</b>"},
    };
    for (const Case& c : cases) {
        TFormAddLabel d;
        WhileShown(d, [&] {
            d.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->setPlainText(c.typed);
            d.Button1Click();
        });
        ASSERT_TRUE(d.Execute()) << c.caption;
        ASSERT_TRUE(d.Result.has_value());
        EXPECT_EQ(d.Result->Caption, c.caption);
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(AddLabelTest, AnEmptyTextIsRefusedAndTheEntriesStay) {
    for (const QString& typed : {QString(), QStringLiteral("   "), QStringLiteral("\n\t \r\n")}) {
        boxes.clear();
        bool open = false;
        EXPECT_FALSE(Run([&] {
            memo()->setPlainText(typed);
            Apply(dialog, {{"CheckBox1", "0"}, {"ColorBox1", "9"}});
            dialog.Button1Click();
            open = dialog.isVisible();
            EXPECT_EQ(memo()->toPlainText(), QString(typed).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            EXPECT_FALSE(Control<QCheckBox>(dialog, "CheckBox1")->isChecked());
            EXPECT_EQ(Control<TColorBox>(dialog, "ColorBox1")->Selected(), TColorBox::StandardColor(9));
        }));
        EXPECT_TRUE(open);
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().kind, MsgKind::Warning);
        EXPECT_EQ(boxes.last().text, QStringLiteral("Label string cannot be null."));
        EXPECT_FALSE(dialog.Result.has_value());
    }
}

TEST_F(AddLabelTest, StartsTransparentOnWhiteInTheFontDialogsDefault) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Label"));
    EXPECT_TRUE(Control<QCheckBox>(dialog, "CheckBox1")->isChecked());
    EXPECT_EQ(Control<TColorBox>(dialog, "ColorBox1")->Selected(), 0xFFFFFF);
    EXPECT_TRUE(dialog.TextFont() == TFont{});
    EXPECT_EQ(memo()->font().pixelSize(), 11);
    // The window-text colour is kept as such and painted through the palette.
    EXPECT_EQ(memo()->palette().color(QPalette::Text), QColor::fromRgb(ColorToRgb(clWindowText)));
    EXPECT_TRUE(Control<QPushButton>(dialog, "Button1")->isDefault());

    EXPECT_TRUE(Run([&] {
        memo()->setPlainText(QStringLiteral("Note"));
        dialog.Button1Click();
    }));
    ASSERT_TRUE(dialog.Result.has_value());
    EXPECT_EQ(dialog.Result->Caption, "Note");
    EXPECT_TRUE(dialog.Result->Font == TFont{});
    EXPECT_EQ(dialog.Result->Color, 0xFFFFFF);
    EXPECT_TRUE(dialog.Result->Transparent);
}

TEST_F(AddLabelTest, FontDialogStartsFromItsDefaultThenFromTheLastFontChosen) {
    TFont chosen;
    chosen.Name = "Liberation Serif";
    chosen.SetSize(14);
    chosen.Style = fsBold | fsUnderline;
    chosen.Color = 0x0000FF;
    fonts.answer(chosen);
    fonts.answer(std::nullopt);
    EXPECT_TRUE(Run([&] {
        Control<QPushButton>(dialog, "Button3")->click();
        EXPECT_EQ(memo()->font().family(), QStringLiteral("Liberation Serif"));
        EXPECT_TRUE(memo()->font().bold() && memo()->font().underline());
        EXPECT_EQ(memo()->palette().color(QPalette::Text), QColor(255, 0, 0));
        Control<QPushButton>(dialog, "Button3")->click();  // cancelled: nothing changes
        Control<QPushButton>(dialog, "Button3")->click();  // the script is empty: cancelled
        memo()->setPlainText(QStringLiteral("Styled"));
        Apply(dialog, {{"CheckBox1", "0"}, {"ColorBox1", "11"}});
        dialog.Button1Click();
    }));
    ASSERT_EQ(fonts.starts().size(), 3u);
    EXPECT_TRUE(fonts.starts()[0] == TFont{});
    EXPECT_TRUE(fonts.starts()[1] == chosen);
    EXPECT_TRUE(fonts.starts()[2] == chosen);
    ASSERT_TRUE(dialog.Result.has_value());
    EXPECT_TRUE(dialog.Result->Font == chosen);
    EXPECT_EQ(dialog.Result->Color, TColorBox::StandardColor(11));
    EXPECT_FALSE(dialog.Result->Transparent);
}

TEST_F(AddLabelTest, CancelCloseBoxAndEscapeGiveFalseAndNoResult) {
    for (const auto& close : WaysToCancel("Button2")) {
        TFormAddLabel d;
        WhileShown(d, [&] {
            d.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->setPlainText(QStringLiteral("text"));
            close(d);
        });
        EXPECT_FALSE(d.Execute());
        EXPECT_FALSE(d.Confirmed);
        EXPECT_FALSE(d.Result.has_value());
    }
    EXPECT_EQ(boxes.count(), 0);
}

}  // namespace
