#include "plot/ComboboxBrushStyle.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "plot/ZMComClass01.h"

#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlack = 0xFF000000;

int countBlack(const QImage& img, QRect r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == 0;
    return n;
}

}  // namespace

TEST(StylePicker, LineStyleRowsAndStyles) {
    struct Case {
        std::uint8_t set;
        int row;
        std::uint8_t reads;
    };
    const Case cases[] = {
        {psSolid, 0, psSolid},     {psDash, 1, psDash},           {psDot, 2, psDot},
        {psDashDot, 3, psDashDot}, {psDashDotDot, 4, psDashDotDot}, {psClear, 0, psSolid},
        {psInsideFrame, 0, psSolid}, {200, 0, psSolid},
    };
    TComboboxLineStyle box;
    for (const Case& c : cases) {
        box.SetCD_CurrentPenStyle(c.set);
        EXPECT_EQ(box.currentIndex(), c.row) << int(c.set);
        EXPECT_EQ(box.CD_CurrentPenStyle(), c.reads) << int(c.set);
    }
    box.setCurrentIndex(-1);
    EXPECT_EQ(box.CD_CurrentPenStyle(), psSolid);
    EXPECT_EQ(PenStyleOfRow(5), psSolid);
    EXPECT_EQ(PenStyleOfRow(-1), psSolid);
    // With two rows a dot selects no row, which reads as solid.
    box.SetCD_MaxLineStyle(2);
    box.SetCD_CurrentPenStyle(psDot);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.CD_CurrentPenStyle(), psSolid);
}

TEST(StylePicker, BrushStyleRowsAndStyles) {
    struct Case {
        std::uint8_t set;
        int row;
        std::uint8_t reads;
    };
    const Case cases[] = {
        {bsBDiagonal, 0, bsBDiagonal}, {bsFDiagonal, 1, bsFDiagonal}, {bsCross, 2, bsCross},
        {bsDiagCross, 3, bsDiagCross}, {bsHorizontal, 4, bsHorizontal}, {bsVertical, 5, bsVertical},
        {bsSolid, 6, bsSolid},         {bsClear, 6, bsSolid},         {99, 6, bsSolid},
    };
    TComboboxBrushStyle box;
    EXPECT_EQ(box.count(), 7);
    for (const Case& c : cases) {
        box.SetCD_CurrentBrushStyle(c.set);
        EXPECT_EQ(box.currentIndex(), c.row) << int(c.set);
        EXPECT_EQ(box.CD_CurrentBrushStyle(), c.reads) << int(c.set);
    }
    box.setCurrentIndex(-1);
    EXPECT_EQ(box.CD_CurrentBrushStyle(), bsSolid);
    box.SetCD_MaxBrushStyle(3);
    box.SetCD_CurrentBrushStyle(bsVertical);
    EXPECT_EQ(box.CD_CurrentBrushStyle(), bsSolid);
}

TEST(StylePicker, MaximaAreClampedAndRebuildTheRows) {
    TComboboxLineWidth width;
    TComboboxLineStyle style;
    TComboboxBrushStyle brush;
    EXPECT_EQ(width.CD_MaxLineWidth(), 5);
    EXPECT_EQ(style.CD_MaxLineStyle(), 5);
    EXPECT_EQ(brush.CD_MaxBrushStyle(), 7);
    struct Case {
        int value, widthRows, styleRows, brushRows;
    };
    const Case cases[] = {{0, 1, 1, 1}, {-4, 1, 1, 1}, {3, 3, 3, 3}, {8, 8, 5, 7}, {40, 40, 5, 7}};
    for (const Case& c : cases) {
        width.setCurrentIndex(width.count() - 1);
        width.SetCD_MaxLineWidth(c.value);
        style.SetCD_MaxLineStyle(c.value);
        brush.SetCD_MaxBrushStyle(c.value);
        EXPECT_EQ(width.count(), c.widthRows) << c.value;
        EXPECT_EQ(width.CD_MaxLineWidth(), c.widthRows);
        EXPECT_EQ(width.maxVisibleItems(), c.widthRows);
        EXPECT_EQ(width.currentIndex(), 0);
        EXPECT_EQ(style.count(), c.styleRows) << c.value;
        EXPECT_EQ(style.CD_MaxLineStyle(), c.styleRows);
        EXPECT_EQ(brush.count(), c.brushRows) << c.value;
        EXPECT_EQ(brush.maxVisibleItems(), c.brushRows);
        for (int i = 0; i < width.count(); ++i) EXPECT_EQ(width.itemText(i), QStringLiteral("null"));
    }
    // A row past the end selects nothing; the width reads as row + 1 = 0.
    width.SetCD_MaxLineWidth(5);
    width.setCurrentIndex(7);
    EXPECT_EQ(width.currentIndex() + 1, 0);
    width.update();
    width.grab();  // paints without a selected row
}

TEST(StylePicker, SettingFromCodeDoesNotWriteBackIntoTheGraph) {
    TGraphStyle region;
    region.LineWidth = 0;
    region.LineStyle = psClear;
    region.BrushStyle = bsClear;
    TComboboxLineWidth width;
    TComboboxLineStyle style;
    TComboboxBrushStyle brush;
    QObject::connect(&width, &QComboBox::activated, [&](int row) { region.LineWidth = row + 1; });
    QObject::connect(&style, &QComboBox::activated, [&](int) { region.LineStyle = style.CD_CurrentPenStyle(); });
    QObject::connect(&brush, &QComboBox::activated, [&](int) { region.BrushStyle = brush.CD_CurrentBrushStyle(); });
    // The style bar shows the selected graph.
    width.setCurrentIndex(region.LineWidth - 1);
    style.SetCD_CurrentPenStyle(region.LineStyle);
    brush.SetCD_CurrentBrushStyle(region.BrushStyle);
    width.SetCD_MaxLineWidth(5);
    EXPECT_EQ(region.LineWidth, 0);
    EXPECT_EQ(region.LineStyle, psClear);
    EXPECT_EQ(region.BrushStyle, bsClear);
    // The user's choice does write.
    style.show();
    style.setFocus();
    QTest::keyClick(&style, Qt::Key_Down);
    EXPECT_EQ(region.LineStyle, psDash);
}

TEST(StylePicker, RowPaintersDrawTheirSamples) {
    const QSize size(145, 16);
    {
        TComboboxLineWidth width;
        const QImage row2 = width.RenderRow(2, size, false);  // width 3 at y 8: rows 7..9
        for (int y = 7; y <= 9; ++y) EXPECT_EQ(row2.pixel(80, y), kBlack) << y;
        EXPECT_NE(row2.pixel(80, 5), kBlack);
        EXPECT_NE(row2.pixel(80, 11), kBlack);
        int ink = 0;  // the number "3" at (0, 3), antialiased
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 12; ++x) ink += qGray(row2.pixel(x, y)) < 128;
        EXPECT_GT(ink, 0);
        const QImage row0 = width.RenderRow(0, size, false);  // width 1 from L + 15 to xr = 144
        EXPECT_NE(row0.pixel(14, 8), kBlack);
        EXPECT_EQ(countBlack(row0, QRect(15, 8, 129, 1)), 129);
        EXPECT_NE(row0.pixel(144, 8), kBlack);
    }
    {
        TComboboxLineStyle style;
        const QImage solid = style.RenderRow(0, size, false);
        EXPECT_EQ(countBlack(solid, QRect(0, 8, 144, 1)), 144);  // L to xr = 144, end pixel left out
        EXPECT_EQ(countBlack(solid, QRect(0, 0, 145, 16)), 144);
        const QImage dot = style.RenderRow(2, size, false);
        const int dots = countBlack(dot, QRect(0, 8, 144, 1));
        EXPECT_GT(dots, 20);
        EXPECT_LT(dots, 120);
    }
    {
        TComboboxBrushStyle brush;
        EXPECT_EQ(countBlack(brush.RenderRow(6, size, false), QRect(0, 0, 145, 16)), 145 * 16);
        const QImage hor = brush.RenderRow(4, size, false);
        int fullRows = 0;
        int emptyRows = 0;
        for (int y = 0; y < 16; ++y) {
            const int n = countBlack(hor, QRect(0, y, 145, 1));
            fullRows += n == 145;
            emptyRows += n == 0;
        }
        EXPECT_EQ(fullRows, 2);
        EXPECT_EQ(emptyRows, 14);
        const QImage bdiag = brush.RenderRow(0, size, false);
        // Backward diagonal rises from left to right: (7,0) and (0,7) are set, (0,0) is not.
        EXPECT_EQ(bdiag.pixel(7, 0), kBlack);
        EXPECT_EQ(bdiag.pixel(0, 7), kBlack);
        EXPECT_NE(bdiag.pixel(0, 0), kBlack);
    }
}

TEST(StylePicker, ClosedBoxShowsTheSelectedSample) {
    TComboboxBrushStyle brush;
    brush.resize(145, 22);
    brush.show();
    QStyleOptionComboBox opt;
    opt.initFrom(&brush);
    const QRect field =
        brush.style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, &brush);
    brush.SetCD_CurrentBrushStyle(bsSolid);
    const QImage solid = brush.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(countBlack(solid, field), field.width() * field.height() * 9 / 10);
    brush.SetCD_CurrentBrushStyle(bsHorizontal);
    const QImage hor = brush.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_LT(countBlack(hor, field), field.width() * field.height() / 2);
    EXPECT_GT(countBlack(hor, field), 0);
}
