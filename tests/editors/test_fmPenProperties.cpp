// Pen dialog: loads the pen, writes it on "Set" only and never touches the brush.

#include "editors/fmPenProperties.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/ZMColorBox.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "plot/ZMComClass01.h"
#include "support/DialogFixture.h"

namespace {

TEST(PenProperties, SetWritesThePenAndCloseWritesNothing) {
    const TGraphStyle start{3, 2, 0x00FF00, 4, 0xFF0000};
    struct Case {
        const char* what;
        std::vector<Input> inputs;
        bool set;
        TGraphStyle expected;
    };
    const Case cases[] = {
        {"unchanged Set", {}, true, start},
        {"changed Set", {{"PenColor", "9"}, {"PenWidth", "4"}, {"PenStyle", "3"}}, true,
         {5, 3, TColorBox::StandardColor(9), 4, 0xFF0000}},
        {"changed Close", {{"PenColor", "9"}, {"PenWidth", "0"}}, false, start},
    };
    for (const Case& c : cases) {
        TGraphStyle style = start;
        TFormPenProperties dialog;
        bool shownRows = false;
        WhileShown(dialog, [&] {
            shownRows = Control<TComboboxLineWidth>(dialog, "PenWidth")->currentIndex() == 2 &&
                        Control<TComboboxLineStyle>(dialog, "PenStyle")->currentIndex() == 2 &&
                        Control<TColorBox>(dialog, "PenColor")->Selected() == 0x00FF00;
            Apply(dialog, c.inputs);
            Control<QPushButton>(dialog, c.set ? "Button1" : "Button2")->click();
        });
        EXPECT_EQ(dialog.Execute(style), c.set) << c.what;
        EXPECT_TRUE(shownRows) << c.what;
        EXPECT_TRUE(style == c.expected) << c.what;
    }
    TFormPenProperties dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Pen Properties"));
    EXPECT_TRUE(Control<QPushButton>(dialog, "Button1")->isDefault());
}

}  // namespace
