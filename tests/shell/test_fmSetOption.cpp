// Options: the check boxes loaded from both files, what "OK" writes, closing without writing,
// and a write that fails half-way.

#include "shell/fmSetOption.h"

#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "tests/shell/SettingsFolder.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

class SetOptionTest : public ::testing::Test {
protected:
    // Execute, running `fn` inside the modal loop.
    void Run(std::function<void()> fn) {
        WhileShown(dialog, std::move(fn));
        EXPECT_TRUE(dialog.Execute());
    }
    bool Checked(const char* name) { return Control<QCheckBox>(dialog, name)->isChecked(); }
    void Click(const char* name) { Control<QPushButton>(dialog, name)->click(); }

    SettingsFolder folder;
    MessageRecorder boxes;
    TFormSetOption dialog;
};

TEST_F(SetOptionTest, ShowsBothOptionsFromTheirFiles) {
    // ZMUser.ini and ZMTips.ini (null: no file), then "Delete Graph" and "Show Tips on Startup".
    const struct {
        const char* user;
        const char* tips;
        bool deleteGraph;
        bool showTips;
    } cases[] = {
        {nullptr, nullptr, false, false},
        {"[Options]\nDeleteGraph=1\n", "[TipList]\nEnabled=1\n", true, true},
        {"[Options]\nDeleteGraph=0\n", "[TipList]\nEnabled=-3\n", false, true},
        {"[Options]\nDeleteGraph=yes\n", "[TipList]\nEnabled=0\n", false, false},
        {"[Other]\nDeleteGraph=1\n", "[TipList]\nTipNum=1\n", false, false},
    };
    for (const auto& c : cases) {
        if (c.user) folder.Write("ZMUser.ini", c.user);
        if (c.tips) folder.Write("ZMTips.ini", c.tips);
        dialog.FormShow();
        EXPECT_EQ(Checked("CheckBox1"), c.deleteGraph) << (c.user ? c.user : "no ZMUser.ini");
        EXPECT_EQ(Checked("CheckBox2"), c.showTips) << (c.tips ? c.tips : "no ZMTips.ini");
    }
}

TEST_F(SetOptionTest, OkWritesBothOptionsAndKeepsTheRestOfTheFiles) {
    folder.Write("ZMTips.ini", "[TipList]\r\nEnabled=1\r\nTipCount=2\r\nTipNum=1\r\nTip1=one\r\nTip2=two\r\n");
    Run([&] {
        EXPECT_FALSE(Checked("CheckBox1"));
        EXPECT_TRUE(Checked("CheckBox2"));
        Control<QCheckBox>(dialog, "CheckBox1")->click();
        Control<QCheckBox>(dialog, "CheckBox2")->click();
        Click("Button1");
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(folder.Read("ZMUser.ini"), QByteArray("[Options]\nDeleteGraph=1\n"));
    EXPECT_EQ(folder.Read("ZMTips.ini"), QByteArray("[TipList]\r\nEnabled=0\r\nTipCount=2\r\nTipNum=1\r\nTip1=one\r\nTip2=two\r\n"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SetOptionTest, CancelEscAndTheCloseBoxWriteNothing) {
    const QByteArray user = "[Options]\nDeleteGraph=0\n";
    folder.Write("ZMUser.ini", user);
    const std::function<void()> ways[] = {
        [&] { Click("Button2"); },
        [&] { QTest::keyClick(&dialog, Qt::Key_Escape); },
        [&] { dialog.close(); },
    };
    for (const auto& close : ways) {
        Run([&] {
            Control<QCheckBox>(dialog, "CheckBox1")->click();
            Control<QCheckBox>(dialog, "CheckBox2")->click();
            close();
            EXPECT_FALSE(dialog.isVisible());
        });
        EXPECT_EQ(folder.Read("ZMUser.ini"), user);
        EXPECT_FALSE(folder.IsFile("ZMTips.ini"));
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SetOptionTest, AFailedWriteShowsTheErrorKeepsTheDialogAndWhatWasWritten) {
    // ZMTips.ini is a folder: no one can write it, root included.
    folder.MakeFolder("ZMTips.ini");
    Run([&] {
        EXPECT_FALSE(Checked("CheckBox2"));  // nothing to read
        Control<QCheckBox>(dialog, "CheckBox1")->click();
        Click("Button1");
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().kind, MsgKind::Error);
        EXPECT_EQ(boxes.last().caption, QStringLiteral("Zorvik Mendal"));
        EXPECT_EQ(boxes.last().text, QStringLiteral("Cannot create file \"%1\". Is a directory").arg(folder.Path("ZMTips.ini")));
    });
    EXPECT_EQ(folder.Read("ZMUser.ini"), QByteArray("[Options]\nDeleteGraph=1\n"));
}

}  // namespace
