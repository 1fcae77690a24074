// Variable and constant dialog: the table and name list of a memory, the first name and the focus,
// the command line as typed, and closing without "Update".

#include "editors/fmUpdateVarMem.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "engine/ZMMath.h"
#include "support/ComboItems.h"
#include "support/DialogFixture.h"

namespace {

QStringList Cells(QTableWidget* grid) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c) out << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
    return out;
}

TEST(UpdateVarMem, RowsAndNamesFollowTheMemory) {
    struct Case {
        std::vector<std::pair<const char*, double>> items;
        QStringList cells;  // row by row under the header
    };
    const Case cases[] = {
        {{}, {"", ""}},  // the header and one empty row
        {{{"x", 2.5}}, {"x", "2.5"}},
        {{{"x", 0}, {"y", 1.0 / 3}, {"PI", 3.141592653589793}, {"big", -1e20}},
         {"x", "0", "y", "0.333333333333333", "PI", "3.14159265358979", "big", "-1E20"}},
    };
    for (const Case& c : cases) {
        zm::TVarMemory memory;
        QStringList names;
        for (const auto& [name, value] : c.items) {
            memory.AddVar(name, value);
            names << QString::fromLatin1(name);
        }
        TFormUpdateVarMem dialog;
        WhileShown(dialog, [&] {
            auto* grid = Control<QTableWidget>(dialog, "StringGrid1");
            EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Name"));
            EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Value"));
            EXPECT_EQ(Cells(grid), c.cells);
            auto* list = Control<QComboBox>(dialog, "ComboBox1");
            EXPECT_EQ(ComboItems(*list), names);
            EXPECT_EQ(list->currentText(), names.value(0));  // the first name, if any
            EXPECT_EQ(TextOf(dialog, "Label1"), QStringLiteral("Const"));
            EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, "Edit1"));
        });
        EXPECT_FALSE(dialog.Execute(QStringLiteral("Const"), memory));
    }
}

TEST(UpdateVarMem, ChoosingANameMovesTheFocusToTheValue) {
    zm::TVarMemory memory;
    memory.AddVar("x", 0);
    memory.AddVar("y", 0);
    TFormUpdateVarMem dialog;
    WhileShown(dialog, [&] {
        auto* list = Control<QComboBox>(dialog, "ComboBox1");
        auto* value = Control<QLineEdit>(dialog, "Edit1");
        list->setFocus();
        ASSERT_NE(dialog.focusWidget(), value);
        Apply(dialog, {{"ComboBox1", "1"}});  // typed into the editable list: no choice yet
        EXPECT_NE(dialog.focusWidget(), value);
        list->setCurrentIndex(1);
        emit list->activated(1);
        EXPECT_EQ(dialog.focusWidget(), value);
        EXPECT_EQ(list->count(), 2);  // nothing typed was added
    });
    EXPECT_FALSE(dialog.Execute(QStringLiteral("Var"), memory));
}

TEST(UpdateVarMem, UpdateBuildsTheLineExactlyAsTyped) {
    struct Case {
        const char* prefix;
        bool withItems;
        std::vector<Input> inputs;
        const char* line;
    };
    const Case cases[] = {
        {"Var", true, {{"Edit1", "2"}}, "Var x=2"},
        {"Const", true, {{"ComboBox1", " k "}, {"Edit1", " 1e3 "}}, "Const  k = 1e3 "},
        {"Var", true, {{"ComboBox1", "2x"}, {"Edit1", "sin(=)"}}, "Var 2x=sin(=)"},
        {"Const", false, {}, "Const =0"},  // an empty memory still gives a line
    };
    for (const Case& c : cases) {
        zm::TVarMemory memory;
        if (c.withItems) memory.AddVar("x", 5);
        TFormUpdateVarMem dialog;
        WhileShown(dialog, [&] {
            Apply(dialog, c.inputs);
            Control<QPushButton>(dialog, "Button1")->click();
        });
        EXPECT_TRUE(dialog.Execute(QString::fromLatin1(c.prefix), memory)) << c.line;
        EXPECT_EQ(dialog.CommandLine, QString::fromLatin1(c.line));
        EXPECT_EQ(memory.GetValue("x"), c.withItems ? 5 : 0);  // the dialog sets nothing itself
    }
}

TEST(UpdateVarMem, ATypedNameIsNotCompletedFromTheListAndEnterUpdates) {
    zm::TVarMemory memory;
    memory.AddVar("abcd", 1);
    TFormUpdateVarMem dialog;
    QString typed;
    WhileShown(dialog, [&] {
        auto* name = Control<QComboBox>(dialog, "ComboBox1");
        // The list completes only in the active window, as a user's typing is.
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        name->clearEditText();
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("ab"));
        typed = name->currentText();
        QTest::keyClick(name, Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.Execute(QStringLiteral("Var"), memory));
    EXPECT_EQ(typed, QStringLiteral("ab"));
    EXPECT_EQ(dialog.CommandLine, QStringLiteral("Var ab=0"));
}

TEST(UpdateVarMem, CloseBoxAndEscapeGiveFalseAndNoLine) {
    for (const auto& close : WaysToCancel()) {
        zm::TVarMemory memory;
        memory.AddVar("x", 1);
        TFormUpdateVarMem dialog;
        WhileShown(dialog, [&] {
            Apply(dialog, {{"Edit1", "3"}});
            close(dialog);
        });
        EXPECT_FALSE(dialog.Execute(QStringLiteral("Var"), memory));
        EXPECT_TRUE(dialog.CommandLine.isEmpty());
    }
    TFormUpdateVarMem dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Update Variable & Constant"));
    EXPECT_TRUE(Control<QPushButton>(dialog, "Button1")->isDefault());
    EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 1);  // no Cancel
}

}  // namespace
