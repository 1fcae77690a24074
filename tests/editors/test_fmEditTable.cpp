// Edit-table dialog: the table loaded into the grid and the controls, an unchanged OK that keeps
// what the controls cannot show, a changed OK, and Cancel.

#include "editors/fmEditTable.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

#include "editors/ZMTableGridView.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMRadioGroup.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/TableGridInput.h"

namespace {

TTableObj Table(std::int32_t width, std::uint8_t sortingType) {
    TTableObj t;
    t.Name = "kept name";
    t.ShowEnabled = 1;
    t.Description = "described";
    t.GraphStyle = TGraphStyle::CreateStyled(width, 2, 0x123456);
    t.SortingType = sortingType;
    t.Smooth = 1;
    t.AddPoint(3, 30);
    t.AddPoint(1, 10);
    t.AddPoint(2.5, 20);
    return t;
}

class EditTableTest : public ::testing::Test {
protected:
    bool Run(TFormEditTable& d, TTableObj& t) { return d.Execute(t, ctx.memory, ctx.ops, ctx.vars, ctx.consts); }

    GraphContext ctx;
    MessageRecorder boxes;
};

TEST_F(EditTableTest, ShowsTheTableAndAnUnchangedOkKeepsWhatTheControlsCannotShow) {
    const struct {
        std::int32_t width;
        std::uint8_t sorting;
        int widthRow;
        int sortingRow;
        std::int32_t widthAfter;
        std::uint8_t sortingAfter;
        std::vector<TTableElemObj> points;
    } cases[] = {
        {2, 0, 1, 0, 2, 0, {{3, 30}, {1, 10}, {2.5, 20}}},
        {5, 1, 4, 1, 5, 1, {{1, 10}, {2.5, 20}, {3, 30}}},
        {7, 5, -1, 2, 7, 2, {{1, 10}, {2.5, 20}, {3, 30}}},
        {0, 2, -1, 2, 0, 2, {{1, 10}, {2.5, 20}, {3, 30}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        TTableObj table = Table(c.width, c.sorting);
        TFormEditTable d;
        WhileShown(d, [&] {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Edit Table"));
            EXPECT_EQ(CellText(d.Grid(), 1, 1), QStringLiteral("3"));
            EXPECT_EQ(CellText(d.Grid(), 2, 3), QStringLiteral("20"));
            EXPECT_EQ(Control<TComboboxLineWidth>(d, "ComboboxLineWidth1")->currentIndex(), c.widthRow);
            EXPECT_EQ(Control<TRadioGroup>(d, "RadioGroup1")->ItemIndex(), c.sortingRow);
            EXPECT_EQ(Control<TComboboxLineStyle>(d, "ComboboxLineStyle1")->CD_CurrentPenStyle(), 2);
            EXPECT_EQ(Control<TColorBox>(d, "ColorBox1")->Selected(), 0x123456);
            EXPECT_EQ(TextOf(d, "Edit1"), QStringLiteral("described"));
            EXPECT_TRUE(Control<QCheckBox>(d, "CheckBox1")->isChecked());
            EXPECT_TRUE(Control<QCheckBox>(d, "CheckBox2")->isChecked());
            // Leaving the untouched (1, 1) records nothing.
            d.Grid()->setCurrentIndex(d.Grid()->model()->index(1, 0));
            EXPECT_FALSE(d.Editor.UndoEnabled);
            d.Button1Click();
        });
        ASSERT_TRUE(Run(d, table));
        EXPECT_EQ(table.GraphStyle, TGraphStyle::CreateStyled(c.widthAfter, 2, 0x123456));
        EXPECT_EQ(table.SortingType, c.sortingAfter);
        EXPECT_EQ(table.Points, c.points);
        EXPECT_EQ(table.Name, "kept name");
        EXPECT_EQ(table.Description, "described");
    }
}

TEST_F(EditTableTest, AWidthRowPickedByTheUserReplacesAStoredWidthWithoutARow) {
    TTableObj table = Table(7, 0);
    TFormEditTable d;
    WhileShown(d, [&] {
        Apply(d, {{"ComboboxLineWidth1", QStringLiteral("2")}});
        TypeInCell(d.Grid(), 1, 4, QStringLiteral("0"));
        TypeInCell(d.Grid(), 2, 4, QStringLiteral("-1"));
        d.Button1Click();
    });
    ASSERT_TRUE(Run(d, table));
    EXPECT_EQ(table.GraphStyle.LineWidth, 3);
    EXPECT_EQ(table.Points, (std::vector<TTableElemObj>{{3, 30}, {1, 10}, {2.5, 20}, {0, -1}}));
}

TEST_F(EditTableTest, CancelLeavesTheTableAsItWas) {
    TTableObj table = Table(3, 1);
    for (int i = 0; i < 6000; ++i) table.AddPoint(i, i);
    const TTableObj before = table;
    const std::function<void(TFormEditTable&)> closes[] = {[](TFormEditTable& d) { d.Button2Click(); },
                                                           [](TFormEditTable& d) { d.reject(); }};
    for (const auto& close : closes) {
        TFormEditTable d;
        WhileShown(d, [&] {
            TypeInCell(d.Grid(), 1, 1, QStringLiteral("x"));
            Apply(d, {{"ComboboxLineWidth1", QStringLiteral("4")}, {"Edit1", QStringLiteral("new")}});
            close(d);
        });
        EXPECT_FALSE(Run(d, table));
        EXPECT_EQ(table, before);
    }
}

}  // namespace
