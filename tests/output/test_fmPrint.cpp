// "Print": the paper fractions, the preview's pixels, what Print hands the printer, the Qt printer
// writing a PDF, Page Setup and Help.
#include "output/fmPrint.h"

#include "platform/ZMPicture.h"
#include "platform/ZMPrinterService.h"
#include "support/ComboItems.h"
#include "support/DialogFixture.h"
#include "support/FakePrinterService.h"
#include "support/MessageRecorder.h"
#include "support/ScriptedFileChooser.h"
#include "tests/output/PicturePlane.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

constexpr QRgb kGrey = 0x808080, kBlack = 0x000000, kWhite = 0xFFFFFF;

// The preview is the page (black frame, white inside) with, when `box` is set, the rectangle from
// (left, top) to (right, bottom): its outline grey with the right and bottom edges left out, its
// inside hatched grey over the page.
::testing::AssertionResult PreviewShows(const QImage& preview, std::optional<QRect> box) {
    const int w = preview.width(), h = preview.height();
    int hatch = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = preview.pixel(x, y) & 0xFFFFFFu;
            const QRgb page = x == 0 || y == 0 || x == w - 1 || y == h - 1 ? kBlack : kWhite;
            QRgb want = page;
            bool inside = false;
            if (box) {
                const int l = box->left(), t = box->top(), r = box->right() - 1, b = box->bottom() - 1;
                const bool inX = x >= l && x <= r, inY = y >= t && y <= b;
                if (inX && inY && (x == l || x == r || y == t || y == b)) want = kGrey;
                else inside = inX && inY;
            }
            if (inside) {
                if (c != kGrey && c != page)
                    return ::testing::AssertionFailure() << "(" << x << ", " << y << ") inside is " << std::hex << c;
                hatch += c == kGrey;
            } else if (c != want) {
                return ::testing::AssertionFailure()
                       << "(" << x << ", " << y << ") is " << std::hex << c << ", expected " << want;
            }
        }
    if (box && box->width() > 8 && box->height() > 8 && hatch == 0) return ::testing::AssertionFailure() << "no hatch";
    return ::testing::AssertionSuccess();
}

// Corners given as in a Rectangle call.
QRect Corners(int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2, y2)); }

void SetTexts(TFormPrint& dialog, const char* top, const char* left, const char* height, const char* width) {
    dialog.ComboBoxTop->setEditText(QString::fromLatin1(top));
    dialog.ComboBoxLeft->setEditText(QString::fromLatin1(left));
    dialog.ComboBoxHeight->setEditText(QString::fromLatin1(height));
    dialog.ComboBoxWidth->setEditText(QString::fromLatin1(width));
}

}  // namespace

TEST(PaperFraction, TheTwelveTextsOnPagesOfEachSize) {
    const struct {
        const char* text;
        int a4, odd, tiny;  // on pages of 4800 x 6000, 2479 x 3507 and 1 x 0
    } cases[] = {
        {"1/1 of Paper Width", 4798, 2477, -1},   {"1/2 of Paper Width", 2399, 1238, 0},
        {"1/3 of Paper Width", 1599, 825, 0},     {"2/3 of Paper Width", 3198, 1651, 0},
        {"1/4 of Paper Width", 1199, 619, 0},     {"3/4 of Paper Width", 3598, 1857, 0},
        {"1/1 of Paper Height", 5998, 3505, -2},  {"1/2 of Paper Height", 2999, 1752, -1},
        {"1/3 of Paper Height", 1999, 1168, 0},   {"2/3 of Paper Height", 3998, 2336, -1},
        {"1/4 of Paper Height", 1499, 876, 0},    {"3/4 of Paper Height", 4498, 2628, -1},
        {"  1/2 of Paper Width  ", 2399, 1238, 0}, {"\t1/3 of Paper Height\r\n", 1999, 1168, 0},
        {"1/2 of paper width", -1, -1, -1},       {"1/2  of Paper Width", -1, -1, -1},
        {"1/2 of Paper  Height", -1, -1, -1},     {"1/2 of Paper Width.", -1, -1, -1},
        {"1/5 of Paper Width", -1, -1, -1},       {"1/2 of Paper", -1, -1, -1},
        {"300", -1, -1, -1},                      {"", -1, -1, -1},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(ParsePaperFraction(text, 4800, 6000), c.a4) << c.text;
        EXPECT_EQ(ParsePaperFraction(text, 2479, 3507), c.odd) << c.text;
        EXPECT_EQ(ParsePaperFraction(text, 1, 0), c.tiny) << c.text;
    }
}

TEST(PrintPreview, FieldsAndRectangleFollowTheBoxes) {
    const struct Case {
        const char* what;
        int pageWidth, pageHeight;
        const char* top;
        const char* left;
        const char* height;
        const char* width;
        int fields[4];  // Top, Left, Height, Width
        std::optional<QRect> box;
    } cases[] = {
        {"the defaults", 4800, 6000, "0", "0", "1/2 of Paper Height", "1/2 of Paper Width", {0, 0, 2999, 2399},
         Corners(0, 0, 69, 89)},
        {"typed integers", 4800, 6000, "300", "0", "1/2 of Paper Height", "$400", {300, 0, 2999, 1024},
         Corners(0, 9, 29, 98)},
        {"a width text in the top box", 4800, 6000, "1/2 of Paper Width", "1/4 of Paper Width", "1/4 of Paper Height",
         "1/2 of Paper Width", {2399, 1199, 1499, 2399}, Corners(34, 71, 104, 116)},
        {"texts that are no number count as 0", 4800, 6000, "300 ", "abc", "1/2 of Paper Height", "1/2 of paper width",
         {0, 0, 2999, 0}, std::nullopt},
        {"a negative width lies left of the page", 4800, 6000, "0", "0", "1/2 of Paper Height", "-100",
         {0, 0, 2999, -100}, std::nullopt},
        {"a rectangle reaching past the page", 4800, 6000, "-1000000", "0", "2147483647", "1/2 of Paper Width",
         {-1000000, 0, INT_MAX, 2399}, Corners(0, -30000, 69, 64424509)},
        {"at the top of the integers", 4800, 6000, "0", "2147483647", "1/2 of Paper Height", "2147483647",
         {0, INT_MAX, 2999, INT_MAX}, std::nullopt},
        {"at the bottom of the integers", 4800, 6000, "-2147483648", "-2147483648", "2147483647", "2147483647",
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, std::nullopt},
        {"a page of no size", 0, 0, "0", "0", "1/2 of Paper Height", "1/2 of Paper Width", {0, 0, 0, 0}, std::nullopt},
        {"a page of no width", 0, 6000, "10", "0", "1/2 of Paper Height", "1/2 of Paper Width", {10, 0, 2999, 0},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakePrinterService printer(c.pageWidth, c.pageHeight);
        TFormPrint dialog(printer);
        SetTexts(dialog, c.top, c.left, c.height, c.width);
        dialog.ShowPaperSize();
        EXPECT_EQ((std::array{dialog.Top, dialog.Left, dialog.Height, dialog.Width}),
                  (std::array{c.fields[0], c.fields[1], c.fields[2], c.fields[3]}));
        EXPECT_TRUE(PreviewShows(dialog.Preview, c.box));
        EXPECT_TRUE(SamePixels(dialog.Image1->pixmap().toImage(), dialog.Preview));
        EXPECT_EQ(dialog.LabelHeight->text(), QStringLiteral("Height: %1").arg(c.pageHeight));
        EXPECT_EQ(dialog.LabelWidth->text(), QStringLiteral("Width: %1").arg(c.pageWidth));
    }
}

TEST(PrintPreview, TypingCountsOnlyWhenEnterIsLetGo) {
    FakePrinterService printer(4800, 6000);
    TFormPrint dialog(printer);
    dialog.ShowPaperSize();
    QLineEdit* edit = dialog.ComboBoxTop->lineEdit();
    const int items = dialog.ComboBoxTop->count();
    const std::optional<QRect> before = Corners(0, 0, 69, 89), after = Corners(0, 9, 69, 98);

    QTest::keyClicks(edit, QStringLiteral("300"));
    EXPECT_EQ(dialog.ComboBoxTop->currentText(), QStringLiteral("0300"));
    dialog.ComboBoxTop->setEditText(QStringLiteral("300"));
    QTest::keyPress(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.Top, 0) << "the press does nothing";
    EXPECT_TRUE(PreviewShows(dialog.Preview, before));
    QTest::keyRelease(edit, Qt::Key_A);
    EXPECT_EQ(dialog.Top, 0) << "other keys do nothing";
    QTest::keyRelease(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.Top, 300);
    EXPECT_TRUE(PreviewShows(dialog.Preview, after));

    // The keypad's Enter in another box; the typed text is never added as an item.
    dialog.ComboBoxLeft->setEditText(QStringLiteral("1/4 of Paper Width"));
    QTest::keyClick(dialog.ComboBoxLeft->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dialog.Left, 1199);
    EXPECT_EQ(dialog.ComboBoxTop->count(), items);
    EXPECT_EQ(dialog.ComboBoxLeft->count(), items);
    EXPECT_EQ(dialog.ComboBoxTop->currentText(), QStringLiteral("300"));
}

TEST(PrintPreview, ATypedNumberIsNotCompletedFromTheList) {
    FakePrinterService printer(4800, 6000);
    TFormPrint dialog(printer);
    dialog.show();
    // The list completes only in the active window, as a user's typing is.
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.ComboBoxTop->clearEditText();
    dialog.ComboBoxTop->lineEdit()->setFocus();
    QTest::keyClicks(dialog.ComboBoxTop->lineEdit(), QStringLiteral("1"));
    QTest::keyClick(dialog.ComboBoxTop->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.ComboBoxTop->currentText(), QStringLiteral("1"));
    EXPECT_EQ(dialog.Top, 1);
    dialog.hide();
}

namespace {

class PrintTest : public ::testing::Test {
protected:
    // What the printed page should show: the plane stretched to w x h at (left, top) of the page.
    QImage PageWith(int w, int h, int left, int top) const {
        QImage page(printer.width, printer.height, QImage::Format_RGB32);
        page.fill(Qt::white);
        const QImage picture = PatternPicture(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int64_t px = int64_t(left) + x, py = int64_t(top) + y;
                if (px < page.width() && py < page.height() && px >= 0 && py >= 0)
                    page.setPixel(int(px), int(py), picture.pixel(x, y));
            }
        return page;
    }

    FakePrinterService printer{480, 600};
    std::unique_ptr<TCoordinate> plane = PatternPlane();
    MessageRecorder boxes;
    TFormPrint dialog{printer};
};

}  // namespace

TEST_F(PrintTest, PrintHandsThePrinterThePlaneStretchedIntoTheRectangle) {
    const struct Case {
        const char* what;
        const char* top;
        const char* left;
        const char* height;
        const char* width;
        TPrintOutcome outcome;
        QSize picture;  // invalid for a blank page; empty when nothing is printed
        int left_, top_;
        QString box;  // the warning shown; none when empty
    } cases[] = {
        {"the defaults: the upper left quarter", "0", "0", "1/2 of Paper Height", "1/2 of Paper Width",
         TPrintOutcome::Printed, {239, 299}, 0, 0, {}},
        {"placed and sized", "50", "100", "60", "1/4 of Paper Width", TPrintOutcome::Printed, {119, 60}, 100, 50, {}},
        {"hanging over the page's edge", "0", "400", "1/2 of Paper Height", "200", TPrintOutcome::Printed,
         {200, 299}, 400, 0, {}},
        {"far off the page", "0", "2147483647", "10", "100", TPrintOutcome::Printed, {100, 10}, INT_MAX, 0, {}},
        {"no width: a blank page", "0", "0", "1/2 of Paper Height", "0", TPrintOutcome::Printed, QSize(), 0, 0, {}},
        {"a negative height: a blank page", "0", "0", "-5", "100", TPrintOutcome::Printed, QSize(), 0, 0, {}},
        // A size no picture may have is refused in the picture dialogs' words, not blamed on the printer.
        {"past the picture bound", "0", "0", "20000", "20000", TPrintOutcome::Printed, {0, 0}, 0, 0,
         PictureRefusal(20000, 20000)},
        {"the widest integer", "0", "0", "10", "2147483647", TPrintOutcome::Printed, {0, 0}, 0, 0,
         PictureRefusal(2147483647, 10)},
        {"the printer fails", "0", "0", "10", "10", TPrintOutcome::Failed, {10, 10}, 0, 0, PrinterWarning()},
        {"the file is not chosen", "0", "0", "10", "10", TPrintOutcome::Cancelled, {10, 10}, 0, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        boxes.clear();
        printer.prints.clear();
        printer.page = QImage();
        printer.outcome = c.outcome;
        bool panelShown = false;
        printer.onPrint = [&] { panelShown = !dialog.Panel1->isHidden(); };
        WhileShown(dialog, [&] {
            SetTexts(dialog, c.top, c.left, c.height, c.width);
            dialog.Button2->click();
            EXPECT_FALSE(dialog.isVisible());
        });
        EXPECT_EQ(dialog.Execute(*plane), 1);
        if (c.picture == QSize(0, 0)) {
            EXPECT_TRUE(printer.prints.empty());
        } else {
            ASSERT_EQ(printer.prints.size(), 1u);
            EXPECT_EQ(printer.prints[0].picture, c.picture);
            EXPECT_EQ(printer.prints[0].left, c.left_);
            EXPECT_EQ(printer.prints[0].top, c.top_);
            EXPECT_TRUE(panelShown);
        }
        if (c.outcome == TPrintOutcome::Printed && c.picture != QSize(0, 0)) {
            const QImage expected = c.picture.isValid() ? PageWith(c.picture.width(), c.picture.height(), c.left_, c.top_)
                                                        : PageWith(0, 0, 0, 0);
            EXPECT_TRUE(SamePixels(printer.page, expected));
        }
        ASSERT_EQ(boxes.count(), c.box.isEmpty() ? 0 : 1);
        if (!c.box.isEmpty()) {
            EXPECT_EQ(boxes.last().kind, MsgKind::Warning);
            EXPECT_EQ(boxes.last().text, c.box);
        }
    }
}

TEST_F(PrintTest, CancelGivesZeroAndPrintsNothing) {
    WhileShown(dialog, [&] { dialog.Button3->click(); });
    EXPECT_EQ(dialog.Execute(*plane), 0);
    EXPECT_TRUE(printer.prints.empty());
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(PrintTest, PageSetupShowsTheNewPaperAndWarnsWhenItFails) {
    dialog.ShowPaperSize();
    for (bool works : {true, false}) {
        boxes.clear();
        printer.setupWorks = works;
        printer.onSetup = [&] {
            printer.width = 960;
            printer.height = works ? 1200 : 900;
        };
        dialog.Button1->click();
        EXPECT_EQ(boxes.count(), works ? 0 : 1);
        if (!works) {
            EXPECT_EQ(boxes.last().text, PrinterWarning());
        }
        EXPECT_EQ(dialog.LabelHeight->text(), works ? QStringLiteral("Height: 1200") : QStringLiteral("Height: 900"));
        EXPECT_EQ(dialog.Width, 479);
    }
    EXPECT_EQ(printer.setups, 2);
}

TEST_F(PrintTest, ControlsCaptionsAndHelp) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Print"));
    const struct {
        QPushButton* button;
        const char* text;
    } buttons[] = {{dialog.Button1, "Page Setup..."}, {dialog.Button2, "Print"},  {dialog.Button3, "Cancel"},
                   {dialog.Button4, "Refresh Preview"}, {dialog.Button5, "Help"}};
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button->text().toStdString(), b.text);
        EXPECT_EQ(b.button->isDefault(), b.button == dialog.Button4) << b.text;
        EXPECT_FALSE(b.button->autoDefault()) << b.text;
    }
    const struct {
        QComboBox* box;
        const char* text;
        QStringList items;
    } combos[] = {
        {dialog.ComboBoxTop, "0",
         {"1/2 of Paper Height", "1/3 of Paper Height", "2/3 of Paper Height", "1/4 of Paper Height", "3/4 of Paper Height"}},
        {dialog.ComboBoxLeft, "0",
         {"1/2 of Paper Width", "1/3 of Paper Width", "2/3 of Paper Width", "1/4 of Paper Width", "3/4 of Paper Width"}},
        {dialog.ComboBoxHeight, "1/2 of Paper Height",
         {"1/1 of Paper Height", "1/2 of Paper Height", "1/3 of Paper Height", "2/3 of Paper Height",
          "1/4 of Paper Height", "3/4 of Paper Height"}},
        {dialog.ComboBoxWidth, "1/2 of Paper Width",
         {"1/1 of Paper Width", "1/2 of Paper Width", "1/3 of Paper Width", "2/3 of Paper Width", "1/4 of Paper Width",
          "3/4 of Paper Width"}},
    };
    for (const auto& c : combos) {
        EXPECT_EQ(ComboItems(*c.box), c.items) << c.text;
        EXPECT_EQ(c.box->currentText().toStdString(), c.text);
        EXPECT_TRUE(c.box->isEditable());
        EXPECT_EQ(c.box->insertPolicy(), QComboBox::NoInsert);
    }
    EXPECT_EQ(dialog.Image1->size(), QSize(140, 180));
    EXPECT_EQ(dialog.Panel1->text(), QStringLiteral("Processing Print. Please wait..."));
    EXPECT_TRUE(dialog.Panel1->isHidden());
    EXPECT_TRUE(dialog.Panel1->font().bold());

    WhileShown(dialog, [&] {
        dialog.Button5->click();
        ExpectHelpShown(dialog, "ch09_01.htm", "92");
    });
    EXPECT_EQ(dialog.Execute(*plane), 0);
}

TEST(PrintToPdf, TheDrawingLandsOnOnePageWhereThePreviewShowsIt) {
    if (TQtPrinterService::PrinterInstalled()) GTEST_SKIP() << "a printer is installed: nothing is printed to PDF";
    ASSERT_TRUE(HaveProgram("pdfinfo") && HaveProgram("pdftoppm")) << "poppler-utils is missing: run scripts/setup.sh";
    QTemporaryDir dir;
    MessageRecorder boxes;
    ScriptedFileChooser files;
    TQtPrinterService service;
    service.SetFileChooser(&files);
    service.Printer().setPageSize(QPageSize(QPageSize::A4));
    const auto plane = PatternPlane();
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    const QString missing = dir.filePath(QStringLiteral("no/page.pdf"));

    // Printed, cancelled, into a missing folder: each asks for the file and closes with 1.
    for (const QString& answer : {pdf, QString(), missing}) {
        files.answer(answer);
        TFormPrint dialog(service);
        WhileShown(dialog, [&] { dialog.Button2->click(); });
        EXPECT_EQ(dialog.Execute(*plane), 1);
        EXPECT_EQ(dialog.Width, 1238);
        EXPECT_EQ(dialog.Height, 1753);
    }
    ASSERT_EQ(files.requests().size(), 3u);
    EXPECT_EQ(files.requests()[0].filter, QStringLiteral("*.pdf|*.pdf"));
    EXPECT_EQ(files.requests()[0].defaultExt, QStringLiteral(".pdf"));
    EXPECT_TRUE(files.requests()[0].overwritePrompt);
    EXPECT_EQ(files.requests()[1].fileName, pdf) << "the last file is proposed";
    EXPECT_EQ(boxes.texts(), QStringList{PrinterWarning()}) << "only the missing folder fails";
    EXPECT_FALSE(QFile::exists(missing));

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    bool ok = false;
    const QString info = RunProgram(QStringLiteral("pdfinfo"), {pdf}, ok);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("\\nPages: +1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("\\nPage size: +595 x 842 pts \\(A4\\)")))) << info.toStdString();

    RunProgram(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
                dir.filePath(QStringLiteral("page"))},
               ok);
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    // The 9 x 6 plane fills 1238 x 1753 pixels at the top left: each of its pixels is a block there.
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 3 && std::abs(qGreen(a) - qGreen(b)) <= 3 && std::abs(qBlue(a) - qBlue(b)) <= 3;
    };
    for (int by = 0; by < 6; ++by)
        for (int bx = 0; bx < 9; ++bx) {
            const QPoint at((2 * bx + 1) * 1238 / 18, (2 * by + 1) * 1753 / 12);
            EXPECT_TRUE(near(page.pixel(at), PatternColour(bx, by))) << bx << ", " << by;
        }
    for (const QPoint at : {QPoint(1250, 100), QPoint(100, 1765), QPoint(2000, 3000), QPoint(page.width() - 1, 0),
                            QPoint(0, page.height() - 1)})
        EXPECT_EQ(page.pixel(at) & 0xFFFFFFu, kWhite) << at.x() << ", " << at.y();
}
