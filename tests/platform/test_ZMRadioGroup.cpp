// Radio group: rows as ids, no row checked, and which changes the user's and the program's
// selections signal.

#include "platform/ZMRadioGroup.h"

#include <QGridLayout>
#include <QRadioButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(RadioGroup, RowsAreIdsAndNoneIsMinusOne) {
    TRadioGroup group(QStringLiteral("Type of Sorting"),
                      {QStringLiteral("None"), QStringLiteral("On X"), QStringLiteral("On Y")});
    EXPECT_EQ(group.title(), QStringLiteral("Type of Sorting"));
    EXPECT_EQ(group.Count(), 3);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.Button(2)->text(), QStringLiteral("On Y"));
    EXPECT_EQ(group.Button(3), nullptr);

    QSignalSpy clicks(&group, &TRadioGroup::Click);
    QSignalSpy changes(&group, &TRadioGroup::Changed);
    const struct {
        int set;
        int index;
    } cases[] = {{1, 1}, {2, 2}, {-1, -1}, {0, 0}, {3, -1}, {2, 2}};
    for (const auto& c : cases) {
        group.SetItemIndex(c.set);
        EXPECT_EQ(group.ItemIndex(), c.index) << c.set;
        int checked = 0;
        for (int row = 0; row < group.Count(); ++row) checked += group.Button(row)->isChecked() ? 1 : 0;
        EXPECT_EQ(checked, c.index < 0 ? 0 : 1) << c.set;
    }
    EXPECT_EQ(clicks.count(), 0);  // the program's selections signal nothing
    EXPECT_EQ(changes.count(), 0);

    group.Button(0)->click();
    group.Button(0)->click();  // again: a click, no change
    EXPECT_EQ(group.ItemIndex(), 0);
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 0);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).toInt(), 0);
}

TEST(RadioGroup, ItemsFillColumnsTopToBottom) {
    TRadioGroup group(QStringLiteral("Columns"),
                      {QStringLiteral("X && Y"), QStringLiteral("Single X"), QStringLiteral("Single Y")}, nullptr, 2);
    auto* grid = qobject_cast<QGridLayout*>(group.layout());
    ASSERT_NE(grid, nullptr);
    const int cells[][2] = {{0, 0}, {1, 0}, {0, 1}};
    for (int row = 0; row < 3; ++row) {
        int r = -1, c = -1, rs = 0, cs = 0;
        grid->getItemPosition(grid->indexOf(group.Button(row)), &r, &c, &rs, &cs);
        EXPECT_EQ(r, cells[row][0]) << row;
        EXPECT_EQ(c, cells[row][1]) << row;
    }
}

}  // namespace
