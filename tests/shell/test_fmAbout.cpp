// About box: its texts, the link to the home page, its place on the desktop and its OK.

#include "shell/fmAbout.h"

#include "platform/ZMLinkLabel.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/UrlRecorder.h"
#include "tests/shell/SettingsFolder.h"

#include <QRegularExpression>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

namespace {

class AboutTest : public ::testing::Test {
protected:
    SettingsFolder folder;
    MessageRecorder boxes;
    TFormAbout dialog;
};

TEST_F(AboutTest, ShowsTheVersionOfTheBuildAndThePlatform) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(TextOf(dialog, "Label3"), QStringLiteral("Zorvik Mendal"));
    EXPECT_EQ(TextOf(dialog, "Label1"), QStringLiteral("Version " ZM_VERSION));
    EXPECT_TRUE(QStringLiteral(ZM_VERSION).contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+(\\.\\d+)*$"))));
    EXPECT_EQ(TextOf(dialog, "Label2"), QStringLiteral("For Linux"));
    auto* picture = Control<QLabel>(dialog, "Image1");
    EXPECT_TRUE(picture->hasScaledContents());
    EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_TRUE(Control<QPushButton>(dialog, "Button1")->isDefault());
}

TEST_F(AboutTest, TheLinkOpensTheHomePageOnce) {
    UrlRecorder recorder(QStringLiteral("file"));
    auto* link = Control<TLinkLabel>(dialog, "Label6");
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(link->font().underline());
    WhileShown(dialog, [&] {
        QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
    });
    EXPECT_TRUE(dialog.Execute());
    ASSERT_EQ(recorder.urls.size(), 1);
    EXPECT_EQ(recorder.urls[0], QUrl::fromLocalFile(folder.Path("ZMHelp.chm/about.htm")));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(AboutTest, OpensCentredOnTheDesktopAndOkClosesIt) {
    QPoint centre;
    WhileShown(dialog, [&] {
        centre = dialog.frameGeometry().center();
        Control<QPushButton>(dialog, "Button1")->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const QPoint desktop = dialog.screen()->availableGeometry().center();
    EXPECT_LE((centre - desktop).manhattanLength(), 2);
}

}  // namespace
