// Add-table dialog and the layout it shares with Edit Table: typing into the grid, the tool
// buttons, Return and Enter, a row dragged by its number, the starting colour, import and help.

#include "editors/fmAddTable.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "editors/ZMTableGridView.h"
#include "editors/fmImportTable.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMHelpViewer.h"
#include "platform/ZMRadioGroup.h"
#include "plot/ComboboxLineWidth.h"
#include "support/DialogFixture.h"
#include "support/NextModal.h"
#include "support/MessageRecorder.h"
#include "support/TableGridInput.h"
#include "support/TableGridRows.h"

namespace {

QToolButton* Tool(TFormTableBase& d, const char* caption) {
    for (int i = 0; i < TFormTableBase::ToolCount; ++i)
        if (d.ToolButton(i)->text() == QLatin1String(caption)) return d.ToolButton(i);
    ADD_FAILURE() << caption;
    return nullptr;
}

class AddTableTest : public ::testing::Test {
protected:
    bool Run(TFormAddTable& d) { return d.Execute(ctx.memory, ctx.ops, ctx.vars, ctx.consts); }

    GraphContext ctx;
    MessageRecorder boxes;
    TFormAddTable dialog;
};

TEST_F(AddTableTest, StartsWithAnEmptyGridOnXAndTheCommandsThatNeedAStepDisabled) {
    WhileShown(dialog, [&] {
        TTableGridView* grid = dialog.Grid();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Table"));
        EXPECT_EQ(grid->model()->rowCount(), 5000);
        EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("X"));
        EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Y"));
        EXPECT_EQ(grid->model()->headerData(4999, Qt::Vertical).toString(), QStringLiteral("5000"));
        EXPECT_EQ(grid->currentIndex(), grid->model()->index(0, 0));
        EXPECT_NE(CellEditor(grid, 1, 1), nullptr);  // the cell editor is always shown
        for (const char* name : {"Paste", "Undo", "Redo"}) EXPECT_FALSE(Tool(dialog, name)->isEnabled()) << name;
        EXPECT_TRUE(Tool(dialog, "Delete")->isEnabled());
        EXPECT_EQ(Control<TRadioGroup>(dialog, "RadioGroup1")->ItemIndex(), 1);
        EXPECT_EQ(Control<TComboboxLineWidth>(dialog, "ComboboxLineWidth1")->currentIndex(), 0);
        EXPECT_TRUE(Control<QCheckBox>(dialog, "CheckBox1")->isChecked());
        EXPECT_FALSE(Control<QCheckBox>(dialog, "CheckBox2")->isChecked());
        EXPECT_TRUE(Control<QPushButton>(dialog, "Button1")->isDefault());
        for (const char* name : {"Button2", "Button3", "Button4"})
            EXPECT_FALSE(Control<QPushButton>(dialog, name)->autoDefault()) << name;
    });
    EXPECT_FALSE(Run(dialog));
    EXPECT_EQ(ctx.memory.Count(), 0u);
}

TEST_F(AddTableTest, TypedTextCountsForOkAndForAToolButtonPressedAtOnce) {
    const struct {
        const char* what;
        std::vector<const char*> tools;
        std::vector<TTableElemObj> points;
        const char* shownInEditor;  // cell (2, 2), where the cell editor is open
    } cases[] = {
        {"OK", {}, {{1.5, 4}, {2, 3}}, "4"},
        {"Delete", {"Delete"}, {{2, 3}}, ""},
        {"Insert", {"Insert"}, {{1.5, 4}, {2, 3}}, ""},
        {"Delete, Undo", {"Delete", "Undo"}, {{1.5, 4}, {2, 3}}, "4"},
        {"Delete, Undo, Redo", {"Delete", "Undo", "Redo"}, {{2, 3}}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TFormAddTable d;
        GraphContext context;
        WhileShown(d, [&] {
            TypeInCell(d.Grid(), 1, 1, QStringLiteral("2"));
            TypeInCell(d.Grid(), 2, 1, QStringLiteral("3"));
            TypeInCell(d.Grid(), 1, 2, QStringLiteral("1.5"));
            TypeInCell(d.Grid(), 2, 2, QStringLiteral("4"));  // the cell editor stays open
            for (const char* name : c.tools) Tool(d, name)->click();
            QLineEdit* open = CellEditor(d.Grid(), 2, 2);
            ASSERT_NE(open, nullptr);
            EXPECT_EQ(open->text(), QString::fromLatin1(c.shownInEditor));
            Control<QPushButton>(d, "Button1")->click();
        });
        EXPECT_TRUE(d.Execute(context.memory, context.ops, context.vars, context.consts));
        ASSERT_EQ(context.memory.Count(), 1u);
        EXPECT_EQ(context.memory.GetTable(0)->Points, c.points);
    }
}

TEST_F(AddTableTest, ALateCommitOfTheCellEditorKeepsWhatAToolWroteIntoItsCell) {
    // A tool dialog takes the focus from the cell editor; when the focus-out commit comes only
    // after the tool has changed the cell, the editor's old text must not come back.
    for (bool typed : {false, true}) {
        SCOPED_TRACE(typed ? "typed and handed on" : "shown as written");
        TFormAddTable d;
        WhileShown(d, [&] {
            TTableGridView* grid = d.Grid();
            if (typed) {
                TypeInCell(grid, 1, 1, QStringLiteral("3"));
            } else {
                PutRows(d.Editor.Grid, {{"3", "1"}});
                d.Editor.Start();
            }
            QLineEdit* open = CellEditor(grid, 1, 1);
            ASSERT_NE(open, nullptr);
            ASSERT_EQ(open->text(), QStringLiteral("3"));
            d.Editor.Grid.SetCell(1, 1, {});
            emit grid->itemDelegate()->commitData(open);
            EXPECT_EQ(d.Editor.Grid.Cell(1, 1), "");
            Control<QPushButton>(d, "Button2")->click();
        });
        EXPECT_FALSE(Run(d));
    }
}

TEST_F(AddTableTest, ReturnAndEnterStayInTheGrid) {
    WhileShown(dialog, [&] {
        TTableGridView* grid = dialog.Grid();
        TypeInCell(grid, 1, 1, QStringLiteral("7"));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(CellEditor(grid, 1, 1), key);
            EXPECT_TRUE(dialog.isVisible()) << key;
            EXPECT_EQ(CellEditor(grid, 1, 1)->text(), QStringLiteral("7"));
        }
        // With the focus elsewhere the cell editor is closed; keys can still reach the grid.
        QApplication::setActiveWindow(&dialog);
        Control<QPushButton>(dialog, "Button3")->setFocus();
        ASSERT_EQ(CellEditor(grid, 1, 1), nullptr);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(grid, key);
            EXPECT_TRUE(dialog.isVisible()) << key;
        }
    });
    EXPECT_FALSE(Run(dialog));
    EXPECT_EQ(ctx.memory.Count(), 0u);
}

TEST_F(AddTableTest, ARowDraggedByItsNumberMovesItsTextsAndKeepsTheNumbers) {
    WhileShown(dialog, [&] {
        TTableGridView* grid = dialog.Grid();
        for (int r = 1; r <= 8; ++r) {
            dialog.Editor.Grid.SetCell(1, r, std::to_string(r));
            dialog.Editor.Grid.SetCell(2, r, std::to_string(-r));
        }
        dialog.Editor.Start();
        TypeInCell(grid, 2, 7, QString());  // pressing the number selects the row: its cell editor opens
        QSignalSpy changes(grid->model(), &QAbstractItemModel::dataChanged);
        QHeaderView* numbers = grid->verticalHeader();
        numbers->moveSection(6, 2);  // what a drag of row 7 onto row 3 does
        EXPECT_EQ(changes.count(), 1);
        QLineEdit* open = CellEditor(grid, 2, 7);
        ASSERT_NE(open, nullptr);
        EXPECT_EQ(open->geometry().top(), grid->visualRect(grid->model()->index(6, 1)).top());
        EXPECT_EQ(open->text(), QStringLiteral("-6"));
        for (int r = 0; r < 8; ++r) EXPECT_EQ(numbers->logicalIndex(r), r);
        const char* xs[] = {"1", "2", "7", "3", "4", "5", "6", "8"};
        for (int r = 1; r <= 8; ++r) {
            EXPECT_EQ(CellText(grid, 1, r), QString::fromLatin1(xs[r - 1])) << r;
            EXPECT_EQ(CellText(grid, 2, r), QStringLiteral("-") + QString::fromLatin1(xs[r - 1])) << r;
            EXPECT_EQ(grid->model()->headerData(r - 1, Qt::Vertical).toString(), QString::number(r));
        }
        EXPECT_FALSE(Tool(dialog, "Undo")->isEnabled());
        Control<TRadioGroup>(dialog, "RadioGroup1")->Button(0)->click();  // no sorting
        Control<QPushButton>(dialog, "Button1")->click();
    });
    ASSERT_TRUE(Run(dialog));
    const TTableObj* table = ctx.memory.GetTable(0);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->Count(), 8u);
    EXPECT_EQ(table->Points[2], (TTableElemObj{7, -7}));
    EXPECT_EQ(table->SortingType, 0);
}

TEST_F(AddTableTest, StartingColourIsAStandardColourButWhiteThroughTheHook) {
    for (int i = 0; i < 15; ++i) {
        TFormAddTable d;
        d.RandomIndex = [i](int count) {
            EXPECT_EQ(count, 15);
            return i;
        };
        d.FormShow();
        EXPECT_EQ(Control<TColorBox>(d, "ColorBox1")->Selected(), TColorBox::StandardColor(i)) << i;
    }
    TFormAddTable outside;
    outside.RandomIndex = [](int) { return 15; };
    outside.FormShow();
    EXPECT_EQ(Control<TColorBox>(outside, "ColorBox1")->Selected(), TColorBox::StandardColor(0));

    std::set<TColor> seen;
    for (int showing = 0; showing < 40; ++showing) {
        TFormAddTable d;
        d.FormShow();
        seen.insert(Control<TColorBox>(d, "ColorBox1")->Selected());
    }
    EXPECT_EQ(seen.count(TColorBox::StandardColor(15)), 0u);

    // The colour reaches the table with the other properties.
    dialog.RandomIndex = [](int) { return 12; };
    WhileShown(dialog, [&] {
        Apply(dialog, {{"ComboboxLineWidth1", QStringLiteral("3")},
                       {"CheckBox1", QStringLiteral("0")},
                       {"Edit1", QStringLiteral("from the lab")},
                       {"CheckBox2", QStringLiteral("1")}});
        Control<TRadioGroup>(dialog, "RadioGroup1")->Button(0)->click();
        dialog.Button1Click();
    });
    ASSERT_TRUE(Run(dialog));
    const TTableObj* t = ctx.memory.GetTable(0);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->GraphStyle, TGraphStyle::CreateStyled(4, 0, TColorBox::StandardColor(12)));
    EXPECT_EQ(t->ShowEnabled, 0);
    EXPECT_EQ(t->Description, "from the lab");
    EXPECT_EQ(t->Smooth, 1);
    EXPECT_EQ(t->SortingType, 0);
}

TEST_F(AddTableTest, ImportFillsTheGridThroughTheHookAsOneUndoStep) {
    int asked = 0;
    bool cancelled = true;
    dialog.ImportTable = [&](QWidget* parent) {
        ++asked;
        EXPECT_EQ(parent, &dialog);
        if (cancelled) return std::unique_ptr<TTableObj>();
        auto t = std::make_unique<TTableObj>();
        t->AddPoint(0.25, -1);
        t->AddPoint(1e-5, 3);
        return t;
    };
    WhileShown(dialog, [&] {
        TTableGridView* grid = dialog.Grid();
        TypeInCell(grid, 1, 3, QStringLiteral("9"));
        TypeInCell(grid, 2, 3, QStringLiteral("9"));
        Control<QPushButton>(dialog, "Button4")->click();  // cancelled: nothing happens
        EXPECT_EQ(CellText(grid, 1, 1), QString());
        cancelled = false;
        Control<QPushButton>(dialog, "Button4")->click();
        EXPECT_EQ(CellText(grid, 1, 1), QStringLiteral("0.25"));
        EXPECT_EQ(CellText(grid, 1, 2), QStringLiteral("1E-5"));
        EXPECT_EQ(CellText(grid, 2, 3), QStringLiteral("9"));
        EXPECT_TRUE(Tool(dialog, "Undo")->isEnabled());
        Tool(dialog, "Undo")->click();
        EXPECT_EQ(CellText(grid, 1, 1), QString());
        Tool(dialog, "Redo")->click();
        dialog.Button1Click();
    });
    ASSERT_TRUE(Run(dialog));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(ctx.memory.GetTable(0)->Points, (std::vector<TTableElemObj>{{1e-5, 3}, {0.25, -1}, {9, 9}}));
}

TEST_F(AddTableTest, ImportTableReadsAFileThroughTheImportDialogIntoTheGrid) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("points.csv"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("0.5,-1\r\nnot a point\r\n2,1E-5\r\n");
    }
    const auto answerImport = [&](bool ok) {
        return NextModal([&, ok](QWidget* modal) {
            auto* import = qobject_cast<TFormImportTable*>(modal);
            ASSERT_NE(import, nullptr);
            EXPECT_EQ(import->parentWidget(), &dialog);
            if (!ok) {
                import->Button2Click();
                return;
            }
            Control<TRadioGroup>(*import, "RadioGroup1")->Button(2)->click();
            Control<QLineEdit>(*import, "Edit1")->setText(path);
            Control<QPushButton>(*import, "Button1")->click();
        });
    };
    WhileShown(dialog, [&] {
        TTableGridView* grid = dialog.Grid();
        TypeInCell(grid, 1, 3, QStringLiteral("9"));
        {
            const NextModal cancel = answerImport(false);
            Control<QPushButton>(dialog, "Button4")->click();
        }
        EXPECT_EQ(CellText(grid, 1, 1), QString());
        {
            const NextModal read = answerImport(true);
            Control<QPushButton>(dialog, "Button4")->click();
        }
        EXPECT_EQ(CellText(grid, 1, 1), QStringLiteral("0.5"));
        EXPECT_EQ(CellText(grid, 2, 1), QStringLiteral("-1"));
        EXPECT_EQ(CellText(grid, 2, 2), QStringLiteral("1E-5"));
        EXPECT_EQ(CellText(grid, 1, 3), QStringLiteral("9"));
        EXPECT_TRUE(Tool(dialog, "Undo")->isEnabled());
    });
    EXPECT_FALSE(Run(dialog));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(AddTableTest, HelpOpensTheTableEditorTopicAndCancelAddsNothing) {
    WhileShown(dialog, [&] {
        TypeInCell(dialog.Grid(), 1, 1, QStringLiteral("1"));
        TypeInCell(dialog.Grid(), 2, 1, QStringLiteral("1"));
        Control<QPushButton>(dialog, "Button3")->click();
        auto* viewer = dialog.findChild<THelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(viewer, nullptr);
        const QUrl shown = viewer->Browser()->source();
        EXPECT_TRUE(shown.path().endsWith(QStringLiteral("/ch02_02.htm"))) << shown.toString().toStdString();
        EXPECT_EQ(shown.fragment(), QStringLiteral("221"));
        Control<QPushButton>(dialog, "Button2")->click();
    });
    EXPECT_FALSE(Run(dialog));
    EXPECT_EQ(ctx.memory.Count(), 0u);
    EXPECT_EQ(boxes.count(), 0);
}

}  // namespace
