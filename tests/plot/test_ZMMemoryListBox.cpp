#include "plot/ZMMemoryListBox.h"

#include "plot/ZMFunTabObj.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int W = 200;
constexpr int H = 16;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGray = 0xFF808080;
constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

TFunctionObj function(std::uint8_t type, const std::string& exp, const std::string& addExp, std::uint8_t shown,
                      TGraphStyle style = {}) {
    TFunctionObj f;
    f.FunctionObjType = type;
    f.Exp = exp;
    f.AddExp = addExp;
    f.ShowEnabled = shown;
    f.GraphStyle = style;
    return f;
}

struct Row {
    QImage image{W, H, QImage::Format_RGB32};
    std::vector<TCanvasRecord> rec;

    Row(const TMemory* memory, std::ptrdiff_t row, bool selected) {
        image.fill(Qt::magenta);
        TCanvas canvas(&image);
        canvas.SetRecording(&rec);
        PaintMemoryRow(canvas, 0, 0, W, H, memory, row, selected, RGBColor(255, 255, 255), 0);
        canvas.Flush();
    }
    QRgb at(int x, int y) const { return image.pixel(x, y); }
    int count(QRgb c, int x1, int y1, int x2, int y2) const {  // x2, y2 exclusive
        int n = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) n += image.pixel(x, y) == c;
        return n;
    }
    int dark(int x1, int y1, int x2, int y2) const {  // text ink is antialiased
        int n = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) n += qGray(image.pixel(x, y)) < 128;
        return n;
    }
    const TCanvasRecord* text() const {
        for (const TCanvasRecord& r : rec)
            if (r.kind == TCanvasRecord::TextOut) return &r;
        return nullptr;
    }
};

}  // namespace

TEST(MemoryRow, ShownAndHiddenGraphsDrawCheckBoxSampleAndCaption) {
    TMemory memory;
    memory.AddFunction(function(0, "sin(x)", "", 1, TGraphStyle::CreateStyled(1, 0, RGBColor(255, 0, 0))));
    memory.AddFunction(function(0, "x^2", "", 0, TGraphStyle::CreateStyled(1, 0, RGBColor(0, 0, 255))));

    const Row shown(&memory, 0, false);
    const Row hidden(&memory, 1, false);
    // Grey check-box outline through (1,1) and (13,13); the check mark's tip may cover its top edge.
    for (int i = 1; i <= 13; ++i) {
        EXPECT_EQ(hidden.at(i, 1), kGray) << i;
        EXPECT_EQ(hidden.at(13, i), kGray) << i;
        EXPECT_EQ(hidden.at(i, 13), kGray) << i;
        EXPECT_EQ(hidden.at(1, i), kGray) << i;
        EXPECT_EQ(shown.at(i, 13), kGray) << i;
    }
    EXPECT_EQ(shown.at(0, 0), kWhite);
    EXPECT_EQ(shown.at(0, 14), kWhite);
    EXPECT_EQ(shown.at(14, 7), kWhite);
    // The width-2 black check mark inside it.
    EXPECT_GT(shown.count(kBlack, 2, 2, 13, 13), 10);
    // The sample line at the row's middle from x 20 to 69, in the graph's colour.
    EXPECT_EQ(shown.count(kRed, 20, 8, 70, 9), 50);
    EXPECT_EQ(shown.at(19, 8), kWhite);
    EXPECT_EQ(shown.at(70, 8), kWhite);
    EXPECT_EQ(shown.count(kRed, 0, 0, W, H), 50);
    ASSERT_NE(shown.text(), nullptr);
    EXPECT_EQ(shown.text()->text, "Y(x)=sin(x)");
    EXPECT_EQ(shown.text()->pts[0], (TPoint{80, 1}));
    EXPECT_GT(shown.dark(80, 0, W, H), 0);  // the caption's ink
    EXPECT_EQ(shown.dark(71, 0, 80, H), 0);

    EXPECT_EQ(hidden.count(kBlack, 2, 2, 13, 13), 0);
    EXPECT_EQ(hidden.at(13, 13), kGray);
    EXPECT_EQ(hidden.count(kBlue, 20, 8, 70, 9), 50);
    EXPECT_EQ(hidden.text()->text, "Y(x)=x^2");
}

TEST(MemoryRow, RegionGraphsShowTheirBrushRectangleAndCurvesALine) {
    TGraphStyle hatch = TGraphStyle::CreateStyled(3, 0, RGBColor(0, 0, 255));
    hatch.BrushStyle = bsCross;
    hatch.BrushColor = RGBColor(0, 0, 255);
    TMemory memory;
    memory.AddFunction(function(4, "x^2+y^2-4", ">0", 1, hatch));
    memory.AddFunction(function(4, "x^2+y^2-4", " =0 ", 1, hatch));
    memory.AddFunction(function(4, "x-y", "<0", 1, hatch));

    for (std::ptrdiff_t i : {0, 2}) {
        const Row region(&memory, i, false);
        const int inside = region.count(kBlue, 20, 0, 70, H);
        EXPECT_GT(inside, 50 * 2) << i;       // hatch lines over the whole rectangle ...
        EXPECT_LT(inside, 50 * H) << i;       // ... with the gaps left transparent
        EXPECT_GT(region.count(kBlue, 20, 0, 70, 1), 0) << i;  // reaches the top row
        EXPECT_EQ(region.count(kBlue, 70, 0, W, H), 0) << i;   // right edge left out
        EXPECT_EQ(region.count(kBlue, 0, 0, 20, H), 0) << i;
        // Pen clear: no line of the pen's width 3 drawn.
        for (const TCanvasRecord& r : region.rec) EXPECT_FALSE(r.kind == TCanvasRecord::LineTo && r.pen.Width == 3) << i;
    }
    const Row curve(&memory, 1, false);
    EXPECT_EQ(curve.count(kBlue, 20, 0, 70, 6), 0);   // a width-3 line at y 8 only: rows 7..9
    EXPECT_EQ(curve.count(kBlue, 25, 7, 65, 10), 40 * 3);
    EXPECT_EQ(curve.text()->text, "f(x,y)=x^2+y^2-4 =0 ");
}

TEST(MemoryRow, SelectedRowIsSilverInABlackFrameAndPenIsPutBack) {
    TMemory memory;
    memory.AddFunction(function(0, "x", "", 1, TGraphStyle::CreateStyled(4, 0, RGBColor(255, 0, 0))));
    const Row row(&memory, 0, true);
    EXPECT_EQ(row.at(0, 0), kBlack);
    EXPECT_EQ(row.at(W - 1, H - 1), kBlack);
    EXPECT_EQ(row.at(W - 1, 5), kBlack);
    EXPECT_EQ(row.at(75, 3), kSilver);
    EXPECT_EQ(row.at(16, 14), kSilver);
    // The caption is drawn after the pen went back to width 1, black.
    ASSERT_NE(row.text(), nullptr);
    EXPECT_EQ(row.text()->pen.Width, 1);
    EXPECT_EQ(row.text()->pen.Color, 0);
    EXPECT_EQ(row.text()->brush.Color, 0xC0C0C0);
}

TEST(MemoryRow, CaptionsOfEveryKindAndOfTables) {
    TMemory memory;
    memory.AddFunction(function(1, "y^2", "", 1));
    memory.AddFunction(function(2, "2", "", 1));
    memory.AddFunction(function(3, "cos(t)", "sin(t)", 1));
    TTableObj table;
    for (int i = 0; i < 12; ++i) table.AddPoint(i, i * i);
    memory.AddTable(table);
    const char* expected[] = {"X(y)=y^2", "R(a)=2", "X(t)=cos(t) ; Y(t)=sin(t)", "Table: 12 Items"};
    for (std::ptrdiff_t i = 0; i < 4; ++i) {
        const Row row(&memory, i, false);
        ASSERT_NE(row.text(), nullptr) << i;
        EXPECT_EQ(row.text()->text, expected[i]);
    }
    // No list, or a row past its end: only the background.
    for (const Row& blank : {Row(nullptr, 0, false), Row(&memory, 4, false), Row(&memory, -1, false)}) {
        EXPECT_EQ(blank.count(kWhite, 0, 0, W, H), W * H);
        EXPECT_EQ(blank.text(), nullptr);
    }
}

namespace {

struct ListFixture {
    TMemory memory;
    TMemoryListBox box;

    ListFixture() {
        for (int i = 0; i < 3; ++i) memory.AddFunction(function(0, "x+" + std::to_string(i), "", 1));
        box.Memory = &memory;
        for (int i = 0; i < 3; ++i) box.AddRow();
        box.resize(200, 200);
        box.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    QPoint at(int x, int row) const { return {x, box.visualItemRect(box.item(row)).center().y()}; }
    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(box.viewport(), b, {}, p); QTest::mouseRelease(box.viewport(), b, {}, p); }
    std::vector<int> shown() const {
        std::vector<int> v;
        for (std::ptrdiff_t i = 0; i < 3; ++i) v.push_back(memory.GetShowEnabled(i));
        return v;
    }
};

}  // namespace

TEST(MemoryListBox, PlaceholderRowsAndTheirCount) {
    TMemoryListBox box;
    EXPECT_EQ(box.Memory, nullptr);
    EXPECT_EQ(box.count(), 0);
    box.DeleteFirstRow();
    EXPECT_EQ(box.count(), 0);
    box.AddRow();
    box.AddRow();
    EXPECT_EQ(box.item(1)->text(), QStringLiteral("none"));
    box.DeleteFirstRow();
    EXPECT_EQ(box.count(), 1);
    EXPECT_EQ(box.selectionMode(), QAbstractItemView::SingleSelection);
}

TEST(MemoryListBox, PressInTheCheckBoxColumnTogglesOnlyTheGraphUnderIt) {
    ListFixture f;
    ASSERT_EQ(f.box.visualItemRect(f.box.item(0)).height(), TMemoryListBox::RowHeight);
    f.press(f.at(13, 1));
    EXPECT_EQ(f.box.currentRow(), 1);
    EXPECT_EQ(f.shown(), (std::vector<int>{1, 0, 1}));
    f.press(f.at(13, 1));
    EXPECT_EQ(f.shown(), (std::vector<int>{1, 1, 1}));
    f.press(f.at(14, 2));  // beyond the column: selects only
    EXPECT_EQ(f.box.currentRow(), 2);
    EXPECT_EQ(f.shown(), (std::vector<int>{1, 1, 1}));
    f.press(f.at(2, 0), Qt::RightButton);  // any button
    EXPECT_EQ(f.box.currentRow(), 0);
    EXPECT_EQ(f.shown(), (std::vector<int>{0, 1, 1}));
    // Any value other than 1, as a file may bring, becomes 1.
    f.memory.SetShowEnabled(2, 7);
    f.press(f.at(5, 2));
    EXPECT_EQ(f.memory.GetShowEnabled(2), 1);
}

TEST(MemoryListBox, PressBelowTheLastRowTogglesNothing) {
    ListFixture f;
    f.press(f.at(20, 1));
    ASSERT_EQ(f.box.currentRow(), 1);
    const int below = f.box.visualItemRect(f.box.item(2)).bottom() + 30;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        f.press({5, below}, b);
        EXPECT_EQ(f.shown(), (std::vector<int>{1, 1, 1})) << b;
    }
    // Without a linked list a press in the column changes nothing and does not fail.
    f.box.Memory = nullptr;
    f.press(f.at(5, 0));
    EXPECT_EQ(f.box.currentRow(), 0);
    EXPECT_EQ(f.shown(), (std::vector<int>{1, 1, 1}));
}

TEST(MemoryListBox, ReportsMouseUpAndKeyUp) {
    ListFixture f;
    QSignalSpy up(&f.box, &TMemoryListBox::MouseUp);
    QSignalSpy key(&f.box, &TMemoryListBox::KeyUp);
    f.press(f.at(30, 2));
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(up.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(up.at(0).at(1).toPoint(), f.at(30, 2));
    f.box.setFocus();
    QTest::keyClick(&f.box, Qt::Key_Up);
    ASSERT_EQ(key.count(), 1);
    EXPECT_EQ(key.at(0).at(0).toInt(), int(Qt::Key_Up));
    EXPECT_EQ(f.box.currentRow(), 1);
}

TEST(MemoryListBox, ShownRowsPaintTheLinkedGraphs) {
    ListFixture f;
    f.box.setCurrentRow(-1);
    f.memory.GetGraphStyle(1)->LineColor = RGBColor(255, 0, 0);
    const QImage shot = f.box.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int y = f.box.visualItemRect(f.box.item(1)).top() + TMemoryListBox::RowHeight / 2;
    EXPECT_EQ(shot.pixel(40, y), kRed);
    EXPECT_EQ(shot.pixel(13, f.box.visualItemRect(f.box.item(0)).top() + 13), kGray);
}
