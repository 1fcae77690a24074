// "Save As Picture": the size fields, the format and its file name, what OK writes, and every way
// OK can fail with the dialog staying open.
#include "output/fmSaveAsPicture.h"

#include "platform/ZMRadioGroup.h"
#include "support/DialogFixture.h"
#include "support/EmfReader.h"
#include "support/MessageRecorder.h"
#include "support/ScriptedFileChooser.h"
#include "support/SmallFileLimit.h"
#include "tests/output/PicturePlane.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The picture a file holds: BMP read by Qt, EMF by our reader; null for anything else.
QImage PictureIn(const QByteArray& bytes, TPictureFormat format) {
    if (format == TPictureFormat::Bmp) return bytes.startsWith("BM") ? QImage::fromData(bytes, "BMP") : QImage();
    const EmfContent e = ReadEmf(bytes);
    EXPECT_TRUE(e.fault.isEmpty()) << e.fault.toStdString();
    return e.image;
}

class SaveAsPictureTest : public ::testing::Test {
protected:
    SaveAsPictureTest() {
        dialog.SetFileChooser(&files);
        previousFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    ~SaveAsPictureTest() override { QDir::setCurrent(previousFolder); }

    // Opens the dialog as Execute does, without its modal loop.
    void Open() {
        dialog.Coordinate = plane.get();
        dialog.Result = 0;
        dialog.FormShow();
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QString previousFolder;
    std::unique_ptr<TCoordinate> plane = PatternPlane();
    MessageRecorder boxes;
    ScriptedFileChooser files;
    TFormSaveAsPicture dialog;
};

}  // namespace

TEST_F(SaveAsPictureTest, ShowsThePlaneSizeAndTheDefaults) {
    uint8_t result = 9;
    QString shown;
    WhileShown(dialog, [&] {
        shown = QStringList{dialog.windowTitle(), dialog.Edit1->text(), dialog.Edit2->text(), dialog.Edit3->text(),
                            QString::number(dialog.RadioGroup1->ItemIndex())}
                    .join(QLatin1Char('|'));
        EXPECT_TRUE(dialog.Button1->isDefault());
        EXPECT_FALSE(dialog.Button3->autoDefault());
        EXPECT_EQ(dialog.layout()->sizeConstraint(), QLayout::SetFixedSize);
        dialog.Button2->click();
    });
    result = dialog.Execute(*plane);
    EXPECT_EQ(shown, QStringLiteral("Save As Picture|9|6|Picture01.bmp|0"));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(dialog.RadioGroup1->title(), QStringLiteral("Picture Format"));
    EXPECT_EQ(dialog.RadioGroup1->Button(0)->text(), QStringLiteral("BMP"));
    EXPECT_EQ(dialog.RadioGroup1->Button(1)->text(), QStringLiteral("EMF"));
    QStringList labels;
    for (const QLabel* l : dialog.findChildren<QLabel*>()) labels << l->text();
    EXPECT_EQ(labels, (QStringList{QStringLiteral("Width (pixels)"), QStringLiteral("Height (pixels)"),
                                   QStringLiteral("File name:")}));
    EXPECT_EQ(dialog.findChild<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)->title(), QStringLiteral("Picture Size"));
    EXPECT_EQ(dialog.Button3->text(), QStringLiteral("Browse..."));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(SaveAsPictureTest, OkWritesThePlaneStretchedInTheChosenFormat) {
    const struct Case {
        const char* what;
        int row;  // the format chosen
        const char* width;
        const char* height;
        const char* name;  // as typed, relative to the working folder
        int w, h;          // the picture expected
    } cases[] = {
        {"same size", 0, "9", "6", "same.bmp", 9, 6},
        {"twice the size", 0, "18", "12", "twice.bmp", 18, 12},
        {"a non-integer stretch, EMF", 1, "13", "7", "odd.emf", 13, 7},
        {"EMF under a .bmp name", 1, "9", "6", "looks.bmp", 9, 6},
        {"BMP under an .emf name", 0, "5", "3", "looks.emf", 5, 3},
        {"a name with no suffix", 0, "4", "4", "plain", 4, 4},
        {"a width that is no integer", 1, "abc", "3", "wide.emf", 500, 3},
        {"a sign and hex digits", 0, "+3", "$4", "signs.bmp", 3, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        uint8_t result = 0;
        WhileShown(dialog, [&] {
            dialog.RadioGroup1->Button(c.row)->click();
            Apply(dialog, {{"Edit1", QString::fromLatin1(c.width)}, {"Edit2", QString::fromLatin1(c.height)},
                           {"Edit3", QString::fromLatin1(c.name)}});
            dialog.Button1->click();
            EXPECT_FALSE(dialog.isVisible());
        });
        result = dialog.Execute(*plane);
        EXPECT_EQ(result, 1);
        const auto format = c.row == 1 ? TPictureFormat::Emf : TPictureFormat::Bmp;
        EXPECT_TRUE(SamePixels(PictureIn(Bytes(Path(c.name)), format), PatternPicture(c.w, c.h)));
    }
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(files.requests().empty());
}

TEST_F(SaveAsPictureTest, SizeFieldsHoldIntegersElse500) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"640", 640}, {"", 500},     {"  ", 500},      {"abc", 500},   {"+7", 7},         {"-5", -5},
        {" 12", 12},  {"12 ", 500},  {"$1F", 31},      {"0x10", 16},   {"1.5", 500},      {"1e3", 500},
        {"0", 0},     {"2147483647", INT_MAX},         {"2147483648", 500},               {"-2147483648", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureSizeField(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST_F(SaveAsPictureTest, TheFormatSetsTheNameAndTheBrowseDialog) {
    Open();
    auto browse = [&](const char* answer) {
        files.answer(QString::fromLatin1(answer));
        dialog.Button3->click();
        return files.last();
    };
    // Each step: a name typed first (or none), the row clicked (or -1), the answer to Browse.
    const struct Step {
        const char* typed;
        int click;
        const char* answer;
        const char* name;  // Edit3 afterwards
        const char* filter;
        const char* ext;
    } steps[] = {
        {nullptr, -1, "", "Picture01.bmp", "*.bmp|*.bmp", ".bmp"},
        {nullptr, 1, "", "Picture01.emf", "*.emf|*.emf", ".emf"},
        {"mine.emf", 1, "", "mine.emf", "*.emf|*.emf", ".emf"},  // a click on the current format keeps it
        {"mine.emf", 0, "", "Picture01.bmp", "*.bmp|*.bmp", ".bmp"},
        {nullptr, -1, "/x/chosen.bmp", "/x/chosen.bmp", "*.bmp|*.bmp", ".bmp"},
        {nullptr, 0, "", "/x/chosen.bmp", "*.bmp|*.bmp", ".bmp"},
    };
    for (const Step& s : steps) {
        if (s.typed) dialog.Edit3->setText(QString::fromLatin1(s.typed));
        if (s.click >= 0) dialog.RadioGroup1->Button(s.click)->click();
        const QString before = dialog.Edit3->text();
        const FileDialogRequest request = browse(s.answer);
        EXPECT_EQ(dialog.Edit3->text().toStdString(), s.name) << s.click;
        EXPECT_EQ(request.fileName, before);
        EXPECT_EQ(request.filter.toStdString(), s.filter);
        EXPECT_EQ(request.defaultExt.toStdString(), s.ext);
        EXPECT_TRUE(request.save);
        EXPECT_TRUE(request.overwritePrompt);
        EXPECT_EQ(request.parent, &dialog);
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "Browse writes nothing";
}

TEST_F(SaveAsPictureTest, FailuresShowTheErrorAndKeepTheDialogOpen) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QFile existing(Path("old.bmp"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old bytes");
    existing.close();
    const QString refusal = QStringLiteral(
        "Cannot make a picture of %1 x %2 pixels. Width and height must be at least 1, and their product at most 268435456.");
    const struct Case {
        const char* what;
        const char* width;
        const char* height;
        const char* name;
        QString text;
        long limit;  // a file size limit, 0 for none
    } cases[] = {
        {"zero width", "0", "6", "p.bmp", refusal.arg(0).arg(6), 0},
        {"negative height", "9", "-1", "p.bmp", refusal.arg(9).arg(-1), 0},
        {"one pixel over the bound", "16385", "16384", "p.bmp", refusal.arg(16385).arg(16384), 0},
        {"far over the bound", "40000", "40000", "p.bmp", refusal.arg(40000).arg(40000), 0},
        {"a folder that is not there", "9", "6", "no/p.bmp",
         QStringLiteral("Cannot create file \"no/p.bmp\". No such file or directory"), 0},
        {"a folder's name", "9", "6", "folder", QStringLiteral("Cannot create file \"folder\". Is a directory"), 0},
        {"the disk full part-way", "90", "60", "old.bmp", QStringLiteral("Cannot create file \"old.bmp\". File too large"), 4096},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        boxes.clear();
        Apply(dialog, {{"Edit1", QString::fromLatin1(c.width)}, {"Edit2", QString::fromLatin1(c.height)},
                       {"Edit3", QString::fromLatin1(c.name)}});
        {
            std::unique_ptr<SmallFileLimit> limit = c.limit ? std::make_unique<SmallFileLimit>(c.limit) : nullptr;
            dialog.Button1->click();
        }
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().kind, MsgKind::Error);
        EXPECT_EQ(boxes.last().text.toStdString(), c.text.toStdString());
        EXPECT_EQ(dialog.Result, 0);
        EXPECT_EQ(dialog.result(), 0) << "not accepted";
        EXPECT_EQ(dialog.Edit1->text().toStdString(), c.width);
        EXPECT_EQ(dialog.Edit3->text().toStdString(), c.name);
    }
    // Nothing written: the old file keeps its bytes and no temporary file is left.
    EXPECT_EQ(Bytes(Path("old.bmp")), QByteArray("old bytes"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{QStringLiteral("folder"), QStringLiteral("old.bmp")}));

    // The dialog still works, and OK gives 1.
    uint8_t result = 0;
    WhileShown(dialog, [&] {
        Apply(dialog, {{"Edit1", QStringLiteral("0")}});
        dialog.Button1->click();
        EXPECT_TRUE(dialog.isVisible());
        Apply(dialog, {{"Edit1", QStringLiteral("9")}, {"Edit2", QStringLiteral("6")}, {"Edit3", QStringLiteral("old.bmp")}});
        dialog.Button1->click();
    });
    result = dialog.Execute(*plane);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(SamePixels(PictureIn(Bytes(Path("old.bmp")), TPictureFormat::Bmp), PatternPicture(9, 6)));
}
