// "Copy As Picture": what OK puts on the clipboard in each format, and a refused size leaving the
// clipboard as it was with the dialog open.
#include "output/fmCopyAsPicture.h"

#include "platform/ZMRadioGroup.h"
#include "support/DialogFixture.h"
#include "support/EmfReader.h"
#include "support/MessageRecorder.h"
#include "tests/output/PicturePlane.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

class CopyAsPictureTest : public ::testing::Test {
protected:
    CopyAsPictureTest() { clipboard.setText(QStringLiteral("held before")); }

    // Runs the dialog, sets the format and the size, presses OK; the result.
    uint8_t Copy(int row, const char* width, const char* height) {
        WhileShown(dialog, [&] {
            dialog.RadioGroup1->Button(row)->click();
            Apply(dialog, {{"Edit1", QString::fromLatin1(width)}, {"Edit2", QString::fromLatin1(height)}});
            dialog.Button1->click();
        });
        return dialog.Execute(clipboard, *plane);
    }

    QClipboard& clipboard = *QGuiApplication::clipboard();
    std::unique_ptr<TCoordinate> plane = PatternPlane();
    MessageRecorder boxes;
    TFormCopyAsPicture dialog;
};

}  // namespace

TEST_F(CopyAsPictureTest, ShowsThePlaneSizeAndNoFileName) {
    QStringList shown;
    WhileShown(dialog, [&] {
        shown << dialog.windowTitle() << dialog.Edit1->text() << dialog.Edit2->text()
              << QString::number(dialog.RadioGroup1->ItemIndex());
    });
    EXPECT_EQ(dialog.Execute(clipboard, *plane), 0);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Copy As Picture"), QStringLiteral("9"), QStringLiteral("6"),
                                  QStringLiteral("0")}));
    EXPECT_EQ(dialog.findChild<QWidget*>(QStringLiteral("Edit3")), nullptr);
    EXPECT_EQ(dialog.findChild<QWidget*>(QStringLiteral("Button3")), nullptr);
    EXPECT_EQ(clipboard.text(), QStringLiteral("held before"));
}

TEST_F(CopyAsPictureTest, OkReplacesTheClipboardWithThePictureInTheChosenFormat) {
    const struct Case {
        int row;
        const char* width;
        const char* height;
        int w, h;
    } cases[] = {{0, "9", "6", 9, 6}, {0, "27", "12", 27, 12}, {1, "9", "6", 9, 6}, {1, "7", "11", 7, 11}, {0, "x", "2", 500, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << ": " << c.width << " x " << c.height);
        clipboard.setText(QStringLiteral("held before"));
        ASSERT_EQ(Copy(c.row, c.width, c.height), 1);
        const QImage expected = PatternPicture(c.w, c.h);
        const QMimeData* data = clipboard.mimeData();
        ASSERT_NE(data, nullptr);
        EXPECT_FALSE(data->hasText()) << "the text held before is gone";
        EXPECT_TRUE(SamePixels(qvariant_cast<QImage>(data->imageData()), expected));
        if (c.row == 1) {
            const QByteArray emf = EmfBytes(expected);
            for (const QString& type : {QStringLiteral("image/x-emf"), QStringLiteral("image/emf"),
                                        QStringLiteral("application/x-openoffice-emf;windows_formatname=\"Image EMF\"")})
                EXPECT_EQ(data->data(type), emf) << type.toStdString();
            const EmfContent read = ReadEmf(data->data(QStringLiteral("image/x-emf")));
            EXPECT_TRUE(read.fault.isEmpty());
            EXPECT_TRUE(SamePixels(read.image, expected));
        } else {
            EXPECT_FALSE(data->hasFormat(QStringLiteral("image/x-emf")));
        }
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(CopyAsPictureTest, ARefusedSizeLeavesTheClipboardAndTheDialogAsTheyWere) {
    for (int row : {0, 1}) {
        boxes.clear();
        uint8_t result = 9;
        bool open = false;
        WhileShown(dialog, [&] {
            dialog.RadioGroup1->Button(row)->click();
            Apply(dialog, {{"Edit1", QStringLiteral("-3")}, {"Edit2", QStringLiteral("6")}});
            dialog.Button1->click();
            open = dialog.isVisible();
            dialog.Button2->click();
        });
        result = dialog.Execute(clipboard, *plane);
        EXPECT_TRUE(open);
        EXPECT_EQ(result, 0);
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().kind, MsgKind::Error);
        EXPECT_EQ(boxes.last().text, PictureRefusal(-3, 6));
        EXPECT_EQ(clipboard.text(), QStringLiteral("held before"));
        EXPECT_FALSE(clipboard.mimeData()->hasImage());
    }
}
