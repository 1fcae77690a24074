// Pictures of a drawing hold its text labels as the screen shows them: saved as BMP and EMF,
// copied and printed, each picture has the labels' pixels where the screen has them.
#include "output/ZMDrawingPicture.h"

#include "output/fmCopyAsPicture.h"
#include "output/fmPrint.h"
#include "output/fmSaveAsPicture.h"
#include "platform/ZMRadioGroup.h"
#include "storage/ZMAddLabel.h"
#include "support/DialogFixture.h"
#include "support/EmfReader.h"
#include "support/FakePrinterService.h"
#include "support/MessageRecorder.h"
#include "tests/output/PicturePlane.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A patterned plane shown on screen with two labels on it: an opaque one in a large bold font and
// a transparent one of two lines that reaches past the plane's right edge.
class LabelledDrawing : public ::testing::Test {
protected:
    LabelledDrawing() {
        TFont big = TFont::Default(96);
        big.Height = -20;
        big.Style = fsBold;
        big.Color = RGBColor(0, 0, 160);
        opaque->SetFont(big);
        opaque->SetCaption("Opaque");
        opaque->SetColor(RGBColor(255, 255, 0));
        opaque->SetTransparent(false);
        opaque->move(12, 20);
        TFont red = TFont::Default(96);
        red.Height = -14;
        red.Color = RGBColor(255, 0, 0);
        transparent->SetFont(red);
        transparent->SetCaption("see\nthrough me");
        transparent->move(130, 70);
        plane->show();
        screen = plane->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The screen stretched as the pictures are: nearest neighbour to width x height.
    QImage Screen(int width, int height) const {
        return screen.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }

    std::unique_ptr<TCoordinate> plane = PatternPlane(180, 120);
    TAddLabel* opaque = new TAddLabel(plane.get());
    TAddLabel* transparent = new TAddLabel(plane.get());
    QImage screen;
    MessageRecorder boxes;
};

}  // namespace

TEST_F(LabelledDrawing, ThePictureIsTheScreenWithTheLabels) {
    const QImage image = plane->Picture().copy();
    // Both labels show on screen, the transparent one cut at the plane's edge.
    ASSERT_GT(transparent->geometry().right(), plane->width());
    for (const TAddLabel* label : {opaque, transparent}) {
        const QRect box = label->geometry() & plane->rect();
        int differing = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) differing += screen.pixel(x, y) != image.pixel(x, y);
        EXPECT_GT(differing, 0) << label->Caption();
    }
    EXPECT_TRUE(SamePixels(DrawingPicture(*plane), screen));

    // A hidden label is not on the screen, nor in the picture; the plane's own image is untouched.
    opaque->hide();
    EXPECT_TRUE(SamePixels(DrawingPicture(*plane), plane->grab().toImage().convertToFormat(QImage::Format_RGB32)));
    EXPECT_TRUE(SamePixels(plane->Picture(), image));
}

TEST_F(LabelledDrawing, SavedAndCopiedPicturesShowTheLabels) {
    QTemporaryDir dir;
    const struct Case {
        const char* what;
        int row;  // the format
        int width, height;
    } cases[] = {
        {"BMP at the plane's size", 0, 180, 120},
        {"EMF at the plane's size", 1, 180, 120},
        {"BMP stretched", 0, 360, 180},
        {"EMF stretched", 1, 250, 97},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto inputs = [&c](QDialog& d) {
            Apply(d, {{"Edit1", QString::number(c.width)}, {"Edit2", QString::number(c.height)}});
        };
        const QString path = dir.filePath(QStringLiteral("picture%1").arg(c.row));
        TFormSaveAsPicture save;
        WhileShown(save, [&] {
            save.RadioGroup1->Button(c.row)->click();
            inputs(save);
            save.Edit3->setText(path);
            save.Button1->click();
        });
        ASSERT_EQ(save.Execute(*plane), 1);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QImage saved = c.row == 0 ? QImage::fromData(bytes, "BMP") : ReadEmf(bytes).image;
        EXPECT_TRUE(SamePixels(saved, Screen(c.width, c.height)));

        QClipboard& clipboard = *QGuiApplication::clipboard();
        TFormCopyAsPicture copy;
        WhileShown(copy, [&] {
            copy.RadioGroup1->Button(c.row)->click();
            inputs(copy);
            copy.Button1->click();
        });
        ASSERT_EQ(copy.Execute(clipboard, *plane), 1);
        const QImage copied =
            c.row == 0 ? clipboard.image() : ReadEmf(clipboard.mimeData()->data(QStringLiteral("image/x-emf"))).image;
        EXPECT_TRUE(SamePixels(copied.convertToFormat(QImage::Format_RGB32), Screen(c.width, c.height)));
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(LabelledDrawing, ThePrintedPageShowsTheLabels) {
    FakePrinterService printer{500, 400};
    TFormPrint dialog{printer};
    WhileShown(dialog, [&] {
        dialog.ComboBoxTop->setEditText(QStringLiteral("30"));
        dialog.ComboBoxLeft->setEditText(QStringLiteral("40"));
        dialog.ComboBoxHeight->setEditText(QStringLiteral("240"));
        dialog.ComboBoxWidth->setEditText(QStringLiteral("360"));
        dialog.Button2->click();
    });
    ASSERT_EQ(dialog.Execute(*plane), 1);
    ASSERT_EQ(printer.prints.size(), 1u);
    EXPECT_TRUE(SamePixels(printer.page.copy(40, 30, 360, 240), Screen(360, 240)));
    EXPECT_EQ(boxes.count(), 0);
}
