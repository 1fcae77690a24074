// Captures of the full-screen viewer: numbered BMP and EMF files of the plane's image with its
// labels, the failures that leave the number as it was, and the capture-job dialog opened from the viewer.
#include "output/fmSlideShow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

#include "output/ZMCapScreen.h"
#include "output/ZMPanelImage.h"
#include "output/fmSetCaptureJob.h"
#include "platform/ZMPicture.h"
#include "platform/ZMRadioGroup.h"
#include "platform/ZMUpDownEdit.h"
#include "plot/ZMCoordinate.h"
#include "support/EmfReader.h"
#include "support/NextModal.h"
#include "support/PictureChecks.h"
#include "tests/output/SlideShowFixture.h"

namespace {

class SlideShowCapture : public SlideShow {
protected:
    QString Shots() const {
        const QString path = dir.filePath(QStringLiteral("shots"));
        QDir().mkpath(path);
        return path;
    }
    QStringList Files(const QString& folder) const { return QDir(folder).entryList(QDir::Files, QDir::Name); }
    // A stroke of the pen across the plane.
    void Stroke(QPoint from, QPoint to) const {
        viewer->SetPointerMode(2);
        const auto send = [this](QEvent::Type type, QPoint at, Qt::MouseButton button) {
            QMouseEvent e(type, QPointF(at), viewer->Coordinate1->mapToGlobal(QPointF(at)), button, Qt::LeftButton,
                          Qt::NoModifier);
            QApplication::sendEvent(viewer->Coordinate1, &e);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton);
        viewer->SetPointerMode(0);
    }
};

TEST_F(SlideShowCapture, EachWayOfCapturingWritesTheNextNumberedPictureOfThePlane) {
    // An opaque label and a transparent one lying over the stroke.
    ShowDocument(Document("drawing.xml", GraphsElement({"x/2"}) + LabelsElement({"A label on the plane"}) +
                                             "<AddLabels><AddLabel><Caption>see-through</Caption><Transparent>1"
                                             "</Transparent><x>-3</x><y>2.9</y></AddLabel></AddLabels>"));
    const QString shots = Shots();
    viewer->CapScreen->Directory = shots;
    Stroke(QPoint(100, 300), QPoint(400, 300));
    const QImage plane = viewer->Coordinate1->Picture().copy();
    ASSERT_EQ(plane.pixel(250, 300), qRgb(0, 0, 255));  // the stroke is on the plane's image
    // The pictures hold what the screen shows of the plane: its image with the labels, without the
    // control panel.
    viewer->GroupBoxMovement->hide();
    const QImage screen = viewer->grab(viewer->Coordinate1->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(viewer->Labels().size(), 2u);
    for (const TAddLabel* label : viewer->Labels()) {
        int differing = 0;
        const QRect box = label->geometry();
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) differing += screen.pixel(x, y) != plane.pixel(x, y);
        EXPECT_GT(differing, 0) << label->Caption();
    }

    const struct {
        const char* way;
        std::function<void()> capture;
        std::int32_t format;
        const char* file;
    } ways[] = {
        {"F6", [this] { Key(Qt::Key_F6); }, 0, "Outputpic01.bmp"},
        {"Capture Screen", [this] { viewer->findChild<QAction*>(QStringLiteral("CaptureScreen1"))->trigger(); }, 1,
         "Outputpic02.emf"},
        {"the Quick Capture Screen button",
         [this] { viewer->findChild<QToolButton*>(QStringLiteral("ToolButtonQuickCapture"))->click(); }, 0,
         "Outputpic03.bmp"},
        {"F6 again", [this] { Key(Qt::Key_F6); }, 1, "Outputpic04.emf"},
    };
    QStringList written;
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        viewer->CapScreen->Format = w.format;
        const std::int32_t index = viewer->CapScreen->Index;
        w.capture();
        written << QString::fromLatin1(w.file);
        EXPECT_EQ(Files(shots), written);
        EXPECT_EQ(viewer->CapScreen->Index, index + 1);
        QFile file(QDir(shots).filePath(QString::fromLatin1(w.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (w.format == 0) {
            EXPECT_TRUE(SamePixels(QImage::fromData(bytes, "BMP"), screen));
        } else {
            const EmfContent emf = ReadEmf(bytes);
            EXPECT_TRUE(emf.fault.isEmpty()) << emf.fault.toStdString();
            EXPECT_TRUE(SamePixels(emf.image, screen));
        }
    }

    // Outside programs read the files at the plane's size.
    ASSERT_TRUE(HaveProgram("identify")) << "ImageMagick is missing: run scripts/setup.sh";
    bool ok = false;
    EXPECT_EQ(RunProgram(QStringLiteral("identify"),
                         {QStringLiteral("-format"), QStringLiteral("%m %w x %h"), QDir(shots).filePath(written[0])}, ok),
              QStringLiteral("BMP3 %1 x %2").arg(plane.width()).arg(plane.height()));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SlideShowCapture, TheFirstCapturesGoToTheProgramFolderUnderTheDefaultNames) {
    ShowDocument(Document("plain.xml", GraphsElement({"x"})));
    EXPECT_EQ(viewer->CapScreen->Directory, viewer->ProgramDir);
    EXPECT_EQ(QDir(viewer->CapScreen->Directory), QDir(dir.path()));
    Key(Qt::Key_F6);
    Key(Qt::Key_F6);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Outputpic01.bmp"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Outputpic02.bmp"))));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SlideShowCapture, TheFolderMayEndInASeparatorAndAnOldFileIsReplaced) {
    ShowDocument(Document("plain.xml", GraphsElement({"x"})));
    const QString shots = Shots();
    for (const QString& folder : {shots, shots + QStringLiteral("/")}) {
        SCOPED_TRACE(folder.toStdString());
        const QString path = QDir(shots).filePath(QStringLiteral("Outputpic01.bmp"));
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("not a picture");
        old.close();
        viewer->CapScreen->Directory = folder;
        viewer->CapScreen->Index = 1;
        Key(Qt::Key_F6);
        EXPECT_EQ(Files(shots), QStringList{QStringLiteral("Outputpic01.bmp")});
        EXPECT_TRUE(SamePixels(QImage(path, "BMP"), viewer->Coordinate1->Picture()));
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SlideShowCapture, AFailedCaptureSaysWhyOnceAndKeepsTheNumber) {
    ShowDocument(Document("plain.xml", GraphsElement({"x"})));
    const QString shots = Shots();
    const QString missing = dir.filePath(QStringLiteral("missing"));
    const QRect full = viewer->Coordinate1->geometry();
    const struct {
        const char* name;
        QString folder;
        QSize plane;
        QString text;
    } cases[] = {
        {"a missing folder", missing, full.size(),
         QStringLiteral("Cannot create file \"%1/Outputpic07.bmp\". No such file or directory").arg(missing)},
        {"a plane without width", shots, QSize(0, 300), PictureRefusal(0, 300)},
        {"a plane without height", shots, QSize(300, 0), PictureRefusal(300, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        viewer->CapScreen->Directory = c.folder;
        viewer->CapScreen->Index = 7;
        viewer->Coordinate1->setGeometry(QRect(QPoint(0, 0), c.plane));
        Key(Qt::Key_F6);
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().text, c.text);
        EXPECT_EQ(viewer->CapScreen->Index, 7);
        EXPECT_TRUE(Files(shots).isEmpty());
        EXPECT_FALSE(QFileInfo::exists(missing));
        EXPECT_TRUE(viewer->isVisible());
        viewer->Coordinate1->setGeometry(full);
    }
}

TEST_F(SlideShowCapture, TheJobDialogChangesTheSeriesOfThisViewer) {
    ShowDocument(Document("plain.xml", GraphsElement({"x"})));
    const QString shots = Shots();
    viewer->CapScreen->Directory = shots;
    QTest::mouseClick(viewer->LabelHide, Qt::LeftButton);
    QString title;
    const NextModal answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<TFormSetCaptureJob*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->EditFileNamePrefix->setText(QStringLiteral("Slide"));
        dialog->RadioGroup1->Button(1)->click();
        dialog->UpDown1->Edit()->setText(QStringLiteral("12"));
        QTest::keyClick(dialog->UpDown1->Edit(), Qt::Key_Return);
        dialog->Button4Click();
    });
    viewer->findChild<QAction*>(QStringLiteral("SetBatchCaptureJob1"))->trigger();
    EXPECT_EQ(title, QStringLiteral("Set Batch Capture Job"));
    EXPECT_TRUE(PanelShown());
    Key(Qt::Key_F6);
    EXPECT_EQ(Files(shots), QStringList{QStringLiteral("Slide12.emf")});
    EXPECT_EQ(boxes.count(), 0);
}

}  // namespace
