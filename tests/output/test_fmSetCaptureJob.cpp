// "Set Batch Capture Job": the fields from the settings, every edit stored at once (the numbers
// only on an arrow step or Enter), the sample name, the folder and the refill timer.
#include "output/fmSetCaptureJob.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "output/ZMCapScreen.h"
#include "platform/ZMFileBrowse.h"
#include "platform/ZMRadioGroup.h"
#include "platform/ZMUpDownEdit.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"

namespace {

class CaptureJob : public ::testing::Test {
public:  // the steps of a table reach the fixture from outside
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("shots/inner")));
        settings.Directory = dir.filePath(QStringLiteral("shots")) + QStringLiteral("/");
        settings.Prefix = QStringLiteral("Shot");
        settings.Index = 7;
        settings.Digits = 3;
        settings.Format = 1;
    }
    // The dialog filled as it shows, without its modal loop.
    void Show() {
        dialog.CapScreen = &settings;
        dialog.FormShow();
    }
    QLineEdit* IndexEdit() const { return dialog.UpDown1->Edit(); }
    QLineEdit* DigitsEdit() const { return dialog.UpDown2->Edit(); }
    static void Enter(QLineEdit* edit, const QString& text) {
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QTemporaryDir dir;
    MessageRecorder boxes;
    TCapScreen settings;
    TFormSetCaptureJob dialog;
};

TEST_F(CaptureJob, ShowsTheSettingsWithItsCaptionsAndControls) {
    Show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Batch Capture Job"));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(dialog.EditFileNamePrefix->text(), QStringLiteral("Shot"));
    EXPECT_EQ(IndexEdit()->text(), QStringLiteral("7"));
    EXPECT_EQ(DigitsEdit()->text(), QStringLiteral("3"));
    EXPECT_EQ(dialog.RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(dialog.EditFileName->text(), QStringLiteral("Shot007.emf"));
    EXPECT_TRUE(dialog.EditFileName->isReadOnly());
    EXPECT_TRUE(dialog.MemoOutputDirectory->isReadOnly());
    // The folder as the folder list writes it, in the settings too.
    const QString shots = QDir::cleanPath(dir.filePath(QStringLiteral("shots")));
    EXPECT_EQ(dialog.DirectoryListBox1->Directory(), shots);
    EXPECT_EQ(settings.Directory, shots);
    EXPECT_EQ(dialog.MemoOutputDirectory->toPlainText(), shots);
    EXPECT_EQ(dialog.DriveComboBox1->itemText(0), QStringLiteral("/"));

    const struct {
        const char* name;
        const char* text;
    } labels[] = {{"Label1", "Filename Prefix:"}, {"Label2", "Start Number"}, {"Label3", "Digital"}, {"Label4", "Driver"}};
    for (const auto& l : labels) EXPECT_EQ(Control<QLabel>(dialog, l.name)->text(), QString::fromLatin1(l.text));
    QStringList groups;
    for (const QGroupBox* g : dialog.findChildren<QGroupBox*>()) groups << g->title();
    groups.sort();
    EXPECT_EQ(groups, (QStringList{QStringLiteral("Current Output File"), QStringLiteral("Output Directory"),
                                   QStringLiteral("Parameters"), QStringLiteral("Picture Format")}));
    EXPECT_EQ(dialog.RadioGroup1->Button(0)->text(), QStringLiteral("BMP"));
    EXPECT_EQ(dialog.RadioGroup1->Button(1)->text(), QStringLiteral("EMF"));
    EXPECT_EQ(dialog.UpDown1->Min(), 0);
    EXPECT_EQ(dialog.UpDown1->Max(), 9999);
    EXPECT_EQ(dialog.UpDown2->Min(), 1);
    EXPECT_EQ(dialog.UpDown2->Max(), 100);
    EXPECT_EQ(Control<QPushButton>(dialog, "Button4")->text(), QStringLiteral("Close"));
    // No button takes Enter away from the number edits.
    for (const QPushButton* b : dialog.findChildren<QPushButton*>()) {
        EXPECT_FALSE(b->isDefault()) << b->text().toStdString();
        EXPECT_FALSE(b->autoDefault()) << b->text().toStdString();
    }
}

TEST_F(CaptureJob, EachChangeIsStoredAtOnceAndShownInTheSample) {
    Show();
    using Step = std::function<void(CaptureJob&)>;
    const struct {
        const char* name;
        Step change;
        QString sample;
    } steps[] = {
        {"prefix typed", [](CaptureJob& t) { QTest::keyClicks(t.dialog.EditFileNamePrefix, QStringLiteral("_a")); },
         QStringLiteral("Shot_a007.emf")},
        {"BMP chosen", [](CaptureJob& t) { t.dialog.RadioGroup1->Button(0)->click(); }, QStringLiteral("Shot_a007.bmp")},
        {"BMP chosen again", [](CaptureJob& t) { t.dialog.RadioGroup1->Button(0)->click(); }, QStringLiteral("Shot_a007.bmp")},
        {"index up", [](CaptureJob& t) { t.dialog.UpDown1->UpButton()->click(); }, QStringLiteral("Shot_a008.bmp")},
        {"index down by the key", [](CaptureJob& t) { QTest::keyClick(t.IndexEdit(), Qt::Key_Down); },
         QStringLiteral("Shot_a007.bmp")},
        {"digits up", [](CaptureJob& t) { t.dialog.UpDown2->UpButton()->click(); }, QStringLiteral("Shot_a0007.bmp")},
        {"digits by Enter", [](CaptureJob& t) { Enter(t.DigitsEdit(), QStringLiteral("1")); }, QStringLiteral("Shot_a7.bmp")},
        {"index by Enter", [](CaptureJob& t) { Enter(t.IndexEdit(), QStringLiteral("42")); }, QStringLiteral("Shot_a42.bmp")},
        {"prefix emptied", [](CaptureJob& t) { t.dialog.EditFileNamePrefix->clear(); }, QStringLiteral("42.bmp")},
        {"EMF chosen", [](CaptureJob& t) { t.dialog.RadioGroup1->Button(1)->click(); }, QStringLiteral("42.emf")},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        s.change(*this);
        EXPECT_EQ(dialog.EditFileName->text(), s.sample);
        EXPECT_EQ(settings.GetFileName() + QStringLiteral(".") + (settings.Format ? QStringLiteral("emf") : QStringLiteral("bmp")),
                  s.sample);
    }
    EXPECT_EQ(settings.Prefix, QString());
    EXPECT_EQ(settings.Index, 42);
    EXPECT_EQ(settings.Digits, 1);
    EXPECT_EQ(settings.Format, 1);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(CaptureJob, NumbersAreStoredOnlyOnEnterOrAStepAndMustBeIntegers) {
    Show();
    const struct {
        const char* name;
        QLineEdit* (CaptureJob::*edit)() const;
        QString typed;
        bool enter;
        std::int32_t index, digits;  // stored afterwards
        QString error;               // the one box's text; empty for none
    } cases[] = {
        {"index typed without Enter", &CaptureJob::IndexEdit, QStringLiteral("99"), false, 7, 3, {}},
        {"digits typed without Enter", &CaptureJob::DigitsEdit, QStringLiteral("9"), false, 7, 3, {}},
        {"index beyond the arrows", &CaptureJob::IndexEdit, QStringLiteral("123456"), true, 123456, 3, {}},
        {"a negative index", &CaptureJob::IndexEdit, QStringLiteral("-5"), true, -5, 3, {}},
        {"the highest index", &CaptureJob::IndexEdit, QStringLiteral("2147483647"), true, INT32_MAX, 3, {}},
        {"digits 0", &CaptureJob::DigitsEdit, QStringLiteral("0"), true, INT32_MAX, 0, {}},
        {"digits negative", &CaptureJob::DigitsEdit, QStringLiteral("-4"), true, INT32_MAX, -4, {}},
        {"digits far beyond the cap", &CaptureJob::DigitsEdit, QStringLiteral("2000000000"), true, INT32_MAX, 2000000000, {}},
        {"a hexadecimal index", &CaptureJob::IndexEdit, QStringLiteral("$10"), true, 16, 2000000000, {}},
        {"letters in the index", &CaptureJob::IndexEdit, QStringLiteral("12a"), true, 16, 2000000000,
         QStringLiteral("'12a' is not a valid integer value")},
        {"blanks in the digits", &CaptureJob::DigitsEdit, QStringLiteral("  "), true, 16, 2000000000,
         QStringLiteral("'  ' is not a valid integer value")},
        {"an empty index", &CaptureJob::IndexEdit, QString(), true, 16, 2000000000,
         QStringLiteral("'' is not a valid integer value")},
        {"an index too large", &CaptureJob::IndexEdit, QStringLiteral("2147483648"), true, 16, 2000000000,
         QStringLiteral("'2147483648' is not a valid integer value")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        QLineEdit* edit = (this->*c.edit)();
        edit->setText(c.typed);
        if (c.enter) QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(settings.Index, c.index);
        EXPECT_EQ(settings.Digits, c.digits);
        EXPECT_EQ(dialog.EditFileName->text(), dialog.SampleName());
        if (c.error.isEmpty()) {
            EXPECT_EQ(boxes.count(), 0);
        } else {
            ASSERT_EQ(boxes.count(), 1);
            EXPECT_EQ(boxes.last().text, c.error);
            EXPECT_EQ(boxes.last().kind, MsgKind::Error);
        }
    }
    // Digits beyond the cap show the capped name.
    EXPECT_EQ(dialog.EditFileName->text().size(), QStringLiteral("Shot").size() + TCapScreen::MaxDigits + 4);
}

TEST_F(CaptureJob, TheArrowsStopAtTheirLimits) {
    const struct {
        UpDownEdit* (*control)(TFormSetCaptureJob&);
        const char* start;
        bool up;
        std::int32_t TCapScreen::*field;
        std::int32_t stored;
    } cases[] = {
        {[](TFormSetCaptureJob& d) { return d.UpDown1; }, "9999", true, &TCapScreen::Index, 9999},
        {[](TFormSetCaptureJob& d) { return d.UpDown1; }, "0", false, &TCapScreen::Index, 0},
        {[](TFormSetCaptureJob& d) { return d.UpDown1; }, "20000", true, &TCapScreen::Index, 8},  // from the last position
        {[](TFormSetCaptureJob& d) { return d.UpDown2; }, "100", true, &TCapScreen::Digits, 100},
        {[](TFormSetCaptureJob& d) { return d.UpDown2; }, "1", false, &TCapScreen::Digits, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        settings.Index = 7;
        settings.Digits = 3;
        Show();
        UpDownEdit* control = c.control(dialog);
        control->Edit()->setText(QString::fromLatin1(c.start));
        (c.up ? control->UpButton() : control->DownButton())->click();
        EXPECT_EQ(settings.*c.field, c.stored);
        EXPECT_EQ(control->Edit()->text(), QString::number(c.stored));
    }
}

TEST_F(CaptureJob, EnterKeepsTheDialogOpenAndCloseClosesIt) {
    bool openAfterEnter = false;
    WhileShown(dialog, [&] {
        Enter(IndexEdit(), QStringLiteral("15"));
        Enter(DigitsEdit(), QStringLiteral("4"));
        openAfterEnter = dialog.isVisible();
        Control<QPushButton>(dialog, "Button4")->click();
    });
    dialog.Execute(settings);
    EXPECT_TRUE(openAfterEnter);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.Index, 15);
    EXPECT_EQ(settings.Digits, 4);
}

TEST_F(CaptureJob, TheFolderListSetsTheFolder) {
    Show();
    const QString inner = QDir::cleanPath(dir.filePath(QStringLiteral("shots/inner")));
    dialog.DirectoryListBox1->SetDirectory(inner);
    EXPECT_EQ(settings.Directory, inner);
    EXPECT_EQ(dialog.MemoOutputDirectory->toPlainText(), inner);

    // A folder given with ".." and a missing tail becomes the existing folder it names.
    settings.Directory = dir.filePath(QStringLiteral("shots/inner/../gone/"));
    Show();
    const QString shots = QDir::cleanPath(dir.filePath(QStringLiteral("shots")));
    EXPECT_EQ(settings.Directory, shots);
    EXPECT_EQ(dialog.MemoOutputDirectory->toPlainText(), shots);

    // The drive box moves the folder list, and with it the folder, to the chosen mount point.
    dialog.DriveComboBox1->setCurrentIndex(0);
    emit dialog.DriveComboBox1->activated(0);
    EXPECT_EQ(settings.Directory, QStringLiteral("/"));
    EXPECT_EQ(dialog.MemoOutputDirectory->toPlainText(), QStringLiteral("/"));
}

TEST_F(CaptureJob, TheTimerRefillsTheNumbersOnceAfterShowing) {
    bool armed = false;
    QString index, digits;
    WhileShown(dialog, [&] {
        armed = dialog.Timer1.isActive() && dialog.Timer1.isSingleShot() && dialog.Timer1.interval() == 100;
        IndexEdit()->setText(QStringLiteral("55"));  // typed, not stored
        DigitsEdit()->setText(QStringLiteral("66"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Timer1.isActive(); }, 2000));
        index = IndexEdit()->text();
        digits = DigitsEdit()->text();
    });
    dialog.Execute(settings);
    EXPECT_TRUE(armed);
    EXPECT_EQ(index, QStringLiteral("7"));
    EXPECT_EQ(digits, QStringLiteral("3"));
    EXPECT_EQ(settings.Index, 7);
    EXPECT_EQ(settings.Digits, 3);
}

}  // namespace
