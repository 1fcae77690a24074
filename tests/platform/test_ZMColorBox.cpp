#include "platform/ZMColorBox.h"

#include "platform/ZMCanvas.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(ColorBox, StandardRowsInPlatformOrder) {
    struct Row {
        const char* name;
        TColor color;
    };
    const Row rows[] = {
        {"Black", 0},          {"Maroon", 0x000080},  {"Green", 0x008000},   {"Olive", 0x008080},
        {"Navy", 0x800000},    {"Purple", 0x800080},  {"Teal", 0x808000},    {"Gray", 0x808080},
        {"Silver", 0xC0C0C0},  {"Red", 255},          {"Lime", 0x00FF00},    {"Yellow", 0x00FFFF},
        {"Blue", 16711680},    {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},    {"White", 16777215},
    };
    TColorBox box;
    ASSERT_EQ(box.count(), 16);
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.Selected(), 0);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(box.itemText(i), QString::fromLatin1(rows[i].name));
        EXPECT_EQ(TColorBox::StandardColor(i), rows[i].color) << rows[i].name;
        box.setCurrentIndex(i);
        EXPECT_EQ(box.Selected(), rows[i].color);
        box.SetSelected(rows[i].color);
        EXPECT_EQ(box.currentIndex(), i);
        EXPECT_FALSE(box.HasCustomRow());
    }
    // The swatch of red paints red, not blue.
    const QImage red = box.itemIcon(9).pixmap(24, 14).toImage();
    EXPECT_EQ(red.pixel(12, 7) & 0xFFFFFFu, 0xFF0000u);
}

TEST(ColorBox, OtherColoursGetOneCustomRowThatKeepsTheExactValue) {
    TColorBox box;
    const TColor others[] = {RGBColor(1, 2, 3), clWindowText, static_cast<TColor>(0xFF00000F)};
    for (TColor c : others) {
        box.SetSelected(c);
        EXPECT_EQ(box.count(), 17);
        EXPECT_EQ(box.currentIndex(), 16);
        EXPECT_EQ(box.itemText(16), QStringLiteral("Custom"));
        EXPECT_EQ(box.Selected(), c);
    }
    box.SetSelected(RGBColor(255, 0, 0));
    EXPECT_EQ(box.count(), 16);
    EXPECT_EQ(box.currentIndex(), 9);
    box.setCurrentIndex(-1);
    EXPECT_EQ(box.Selected(), 0);
}

TEST(ColorBox, OnlyTheUserTriggersActivated) {
    TColorBox box;
    QSignalSpy activated(&box, &QComboBox::activated);
    box.SetSelected(RGBColor(0, 0, 255));
    box.SetSelected(RGBColor(7, 7, 7));
    box.setCurrentIndex(3);
    EXPECT_EQ(activated.count(), 0);
    box.show();
    box.setFocus();
    box.setCurrentIndex(0);
    QTest::keyClick(&box, Qt::Key_Down);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(box.Selected(), RGBColor(128, 0, 0));
}
