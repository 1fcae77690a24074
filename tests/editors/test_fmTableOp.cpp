// The ten operation dialogs of the table editor on screen: their controls and defaults, where the
// focus starts, the default buttons, Find's result memo, Sort's buttons while it runs, and the
// editor's tool buttons that open them.

#include <QApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "editors/fmAddTable.h"
#include "editors/fmTableOpCopy.h"
#include "editors/fmTableOpCut.h"
#include "editors/fmTableOpFill.h"
#include "editors/fmTableOpFind.h"
#include "editors/fmTableOpInfo.h"
#include "editors/fmTableOpModify.h"
#include "editors/fmTableOpPurge.h"
#include "editors/fmTableOpReplace.h"
#include "editors/fmTableOpSort.h"
#include "editors/fmTableOpSwap.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/NextModal.h"
#include "support/TableGridInput.h"
#include "support/TableGridRows.h"

namespace {

// What a control shows: a radio group its caption, items and checked row; a check box its
// caption and state; an edit or a label its text.
QString StateOf(QDialog& d, const char* name) {
    const QString n = QString::fromLatin1(name);
    if (auto* g = d.findChild<TRadioGroup*>(n)) {
        QStringList items;
        for (int i = 0; i < g->Count(); ++i) items << g->Button(i)->text();
        return g->title() + QStringLiteral(": ") + items.join(QLatin1Char('|')) + QStringLiteral(" = ") +
               QString::number(g->ItemIndex());
    }
    if (auto* c = d.findChild<QCheckBox*>(n)) return c->text() + (c->isChecked() ? QStringLiteral(" = 1") : QStringLiteral(" = 0"));
    return TextOf(d, name);
}

const char* const kColumns = "Columns: X && Y|Single X|Single Y = 0";
const char* const kDirection = "Direction: Forward|Backward = 0";

struct Opened {
    std::unique_ptr<TFormTableOp> dialog;
    std::function<bool(TTableEditor&)> execute;
};

template <class Form>
Opened OnGridAndUndo() {
    auto form = std::make_unique<Form>();
    Form* f = form.get();
    return {std::move(form), [f](TTableEditor& e) { return f->Execute(e.Grid, e.UndoStack); }};
}

TEST(TableOpDialogs, ControlsDefaultsFocusAndDefaultButtons) {
    const struct {
        std::function<Opened()> open;
        const char* caption;
        const char* button1;
        bool cancel;
        const char* focus;  // nullptr: wherever the dialog puts it
        std::vector<std::pair<const char*, const char*>> states;
    } cases[] = {
        {[] {
             auto form = std::make_unique<TFormTableOpCopy>();
             TFormTableOpCopy* f = form.get();
             return Opened{std::move(form), [f](TTableEditor& e) { return f->Execute(e.ClipboardStack, e.Grid); }};
         },
         "Copy Table", "OK", true, nullptr,
         {{"IntervalGroup", "Interval: Custom|All = 0"}, {"EditFrom", "1"}, {"EditUpTo", "100"}, {"LabelFrom", "from"},
          {"LabelUpTo", "up to"}, {"ColumnsGroup", kColumns}, {"CheckBox1", "Copy valid data only (Ignore blank data) = 1"}}},
        {[] {
             auto form = std::make_unique<TFormTableOpCut>();
             TFormTableOpCut* f = form.get();
             return Opened{std::move(form),
                           [f](TTableEditor& e) { return f->Execute(e.ClipboardStack, e.UndoStack, e.Grid); }};
         },
         "Cut Table", "OK", true, nullptr,
         {{"IntervalGroup", "Interval: Custom|All = 0"}, {"EditFrom", "1"}, {"EditUpTo", "100"},
          {"ColumnsGroup", kColumns}, {"CheckBox1", "Cut valid data only (Ignore blank data) = 1"}}},
        {[] {
             auto form = std::make_unique<TFormTableOpFind>();
             TFormTableOpFind* f = form.get();
             return Opened{std::move(form), [f](TTableEditor& e) { return f->Execute(e.Grid, e.CurrentRow); }};
         },
         "Find", "Find Next =>", true, "Edit1",
         {{"Label1", "Value to find:"}, {"Edit1", ""}, {"ColumnsGroup", kColumns}, {"DirectionGroup", kDirection},
          {"Label2", "Search Result"}}},
        {[] {
             auto form = std::make_unique<TFormTableOpReplace>();
             TFormTableOpReplace* f = form.get();
             return Opened{std::move(form),
                           [f](TTableEditor& e) { return f->Execute(e.Grid, e.UndoStack, e.CurrentRow); }};
         },
         "Replace", "OK", true, "Edit1",
         {{"Label1", "Value to find:"}, {"Label2", "Replace with:"}, {"Edit2", ""}, {"ColumnsGroup", kColumns},
          {"DirectionGroup", kDirection}, {"CheckBox1", "Prompt on replace = 1"}, {"CheckBox2", "Replace All = 0"}}},
        {OnGridAndUndo<TFormTableOpSwap>, "Swap", "OK", true, nullptr,
         {{"IntervalGroup", "Interval: Custom|All = 1"}, {"EditFrom", "1"}, {"EditUpTo", "100"}}},
        {OnGridAndUndo<TFormTableOpPurge>, "Purge", "OK", true, nullptr,
         {{"CheckBox1", "Unpaired data (Missing X or Y) = 1"}, {"CheckBox2", "Invalid data = 1"}}},
        {OnGridAndUndo<TFormTableOpFill>, "Fill", "OK", true, "Edit1",
         {{"RadioGroup1", "Fill: X|Y = 0"}, {"Label1", "X=f(y,n)="}, {"Edit1", ""},
          {"IntervalGroup", "Interval: Custom|All = 0"}}},
        {OnGridAndUndo<TFormTableOpModify>, "Modify", "OK", true, "Edit1",
         {{"RadioGroup1", "Modify: X|Y = 0"}, {"Label1", "X=f(x,y,n)="}, {"IntervalGroup", "Interval: Custom|All = 0"}}},
        {OnGridAndUndo<TFormTableOpSort>, "Sort", "OK", true, nullptr,
         {{"RadioGroup1", "Sort: By X - Ascending|By X - Descending|By Y - Ascending|By Y - Descending = 0"},
          {"Label1", "Progress Bar"}}},
        {[] {
             auto form = std::make_unique<TFormTableOpInfo>();
             TFormTableOpInfo* f = form.get();
             return Opened{std::move(form), [f](TTableEditor& e) { return f->Execute(e.Grid); }};
         },
         "Table Information", "OK", false, nullptr, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        MessageRecorder boxes;
        TTableEditor editor;
        Fill(editor, {{"1", "2"}});
        Opened opened = c.open();
        QDialog& d = *opened.dialog;
        WhileShown(d, [&] {
            EXPECT_EQ(d.windowTitle(), QString::fromLatin1(c.caption));
            auto* ok = Control<QPushButton>(d, "Button1");
            ASSERT_NE(ok, nullptr);
            EXPECT_EQ(ok->text(), QString::fromLatin1(c.button1));
            EXPECT_TRUE(ok->isDefault());
            auto* cancel = d.findChild<QPushButton*>(QStringLiteral("Button2"));
            ASSERT_EQ(cancel != nullptr, c.cancel);
            if (cancel) {
                EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
                EXPECT_FALSE(cancel->autoDefault());
            }
            if (c.focus) {
                ASSERT_NE(d.focusWidget(), nullptr);
                EXPECT_EQ(d.focusWidget()->objectName(), QString::fromLatin1(c.focus));
            }
            for (const auto& [name, state] : c.states) EXPECT_EQ(StateOf(d, name), QString::fromLatin1(state)) << name;
            if (cancel) cancel->click();
            else ok->click();
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_FALSE(opened.execute(editor));
        EXPECT_EQ(RowAt(editor, 1), Row("1", "2"));
        EXPECT_EQ(editor.UndoStack.Count(), 0u);
        EXPECT_EQ(boxes.count(), 0);
    }
}

TEST(TableOpDialogs, FindListsEveryHitInItsMemoAndTheDirectionReopensTheSearch) {
    MessageRecorder boxes;
    TTableEditor editor;
    Fill(editor, {{"1", "5"}, {"2", "6"}, {"2", "7"}});
    TFormTableOpFind d;
    WhileShown(d, [&] {
        auto* next = Control<QPushButton>(d, "Button1");
        auto* memo = Control<QPlainTextEdit>(d, "Memo1");
        EXPECT_TRUE(memo->isReadOnly());
        Apply(d, {{"Edit1", QStringLiteral("2")}});
        next->click();
        next->click();
        EXPECT_EQ(editor.CurrentRow, 3);  // the grid's selection follows
        next->click();
        EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Cannot find '2'")});
        EXPECT_FALSE(next->isEnabled());
        Control<TRadioGroup>(d, "DirectionGroup")->Button(1)->click();
        EXPECT_TRUE(next->isEnabled());
        next->click();
        EXPECT_EQ(memo->toPlainText(), QStringLiteral("Value '2' is located at [X,2]\n"
                                                      "Value '2' is located at [X,3]\n"
                                                      "Value '2' is located at [X,3]"));
        EXPECT_TRUE(d.isVisible());
        Control<QPushButton>(d, "Button2")->click();
    });
    EXPECT_TRUE(d.Execute(editor.Grid, editor.CurrentRow));
    EXPECT_EQ(editor.CurrentCol, 1);
    EXPECT_EQ(editor.CurrentRow, 3);
}

TEST(TableOpDialogs, SortDisablesItsButtonsWhileItRunsAndTheBarEndsAtTheExchanges) {
    TTableEditor editor;
    Fill(editor, {{"3", "10"}, {"2", "20"}, {"", ""}, {"1", "30"}, {"1", "40"}});
    TFormTableOpSort d;
    std::vector<bool> enabled;
    WhileShown(d, [&] {
        auto* bar = Control<QProgressBar>(d, "ProgressBar1");
        QObject::connect(bar, &QProgressBar::valueChanged, &d, [&] {
            enabled = {Control<QPushButton>(d, "Button1")->isEnabled(), Control<QPushButton>(d, "Button2")->isEnabled()};
        });
        Control<QPushButton>(d, "Button1")->click();
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(bar->maximum(), 10);  // 4 rows
        EXPECT_EQ(bar->value(), 5);
    });
    EXPECT_TRUE(d.Execute(editor.Grid, editor.UndoStack));
    EXPECT_EQ(enabled, (std::vector<bool>{false, false}));
}

TEST(TableOpDialogs, FillAndModifyNameTheVariablesOfTheChosenColumn) {
    for (bool modify : {false, true}) {
        std::unique_ptr<TFormTableOp> d;
        if (modify)
            d = std::make_unique<TFormTableOpModify>();
        else
            d = std::make_unique<TFormTableOpFill>();
        auto* target = Control<TRadioGroup>(*d, "RadioGroup1");
        target->Button(1)->click();
        EXPECT_EQ(TextOf(*d, "Label1"), modify ? QStringLiteral("Y=f(x,y,n)=") : QStringLiteral("Y=f(x,n)="));
        target->Button(0)->click();
        EXPECT_EQ(TextOf(*d, "Label1"), modify ? QStringLiteral("X=f(x,y,n)=") : QStringLiteral("X=f(y,n)="));
    }
}

QToolButton* Tool(TFormTableBase& d, const char* caption) {
    for (int i = 0; i < TFormTableBase::ToolCount; ++i)
        if (d.ToolButton(i)->text() == QLatin1String(caption)) return d.ToolButton(i);
    ADD_FAILURE() << caption;
    return nullptr;
}

TEST(TableOpDialogs, ToolButtonsRunTheDialogsAndEnableWhatTheirResultsAllow) {
    const struct {
        const char* tool;
        std::function<void(QDialog&)> inDialog;  // ends by closing it
        bool paste;
        bool undo;
        std::vector<Row> rows;  // rows 1..3 afterwards
    } cases[] = {
        {"Copy", [](QDialog& d) { Control<QPushButton>(d, "Button1")->click(); }, true, false,
         {{"3", "1"}, {"", "x"}, {"2", "2"}}},
        {"Cut", [](QDialog& d) { Control<QPushButton>(d, "Button1")->click(); }, true, true, {{"", ""}, {"", "x"}, {"", ""}}},
        {"Cut", [](QDialog& d) { Control<QPushButton>(d, "Button2")->click(); }, false, false,
         {{"3", "1"}, {"", "x"}, {"2", "2"}}},
        {"Replace",
         [](QDialog& d) {
             Apply(d, {{"Edit1", QStringLiteral("2")}, {"Edit2", QStringLiteral("5")}});
             Control<QPushButton>(d, "Button1")->click();
         },
         false, true, {{"3", "1"}, {"", "x"}, {"5", "5"}}},
        {"Swap", [](QDialog& d) { Control<QPushButton>(d, "Button1")->click(); }, false, true,
         {{"1", "3"}, {"x", ""}, {"2", "2"}}},
        {"Purge", [](QDialog& d) { Control<QPushButton>(d, "Button1")->click(); }, false, true,
         {{"3", "1"}, {"2", "2"}, {"", ""}}},
        {"Fill",
         [](QDialog& d) {
             Apply(d, {{"Edit1", QStringLiteral("n*10")}, {"EditUpTo", QStringLiteral("2")}});
             Control<QPushButton>(d, "Button1")->click();
         },
         false, true, {{"10", "1"}, {"20", "x"}, {"2", "2"}}},
        {"Fill",
         [](QDialog& d) {
             Control<QPushButton>(d, "Button1")->click();  // no formula: the box, and the dialog stays
             EXPECT_TRUE(d.isVisible());
             Control<QPushButton>(d, "Button2")->click();
         },
         false, false, {{"3", "1"}, {"", "x"}, {"2", "2"}}},
        {"Modify",
         [](QDialog& d) {
             Apply(d, {{"Edit1", QStringLiteral("x+y")}, {"EditUpTo", QStringLiteral("1")}});
             Control<TRadioGroup>(d, "RadioGroup1")->Button(1)->click();
             Control<QPushButton>(d, "Button1")->click();
         },
         false, true, {{"3", "4"}, {"", "x"}, {"2", "2"}}},
        {"Sort", [](QDialog& d) { Control<QPushButton>(d, "Button1")->click(); }, false, true,
         {{"2", "2"}, {"3", "1"}, {"", ""}}},
        {"Info",
         [](QDialog& d) {
             auto* figures = Control<QTableWidget>(d, "StringGrid1");
             EXPECT_EQ(figures->horizontalHeaderItem(0)->text(), QStringLiteral("        X"));
             EXPECT_EQ(figures->horizontalHeaderItem(1)->text(), QStringLiteral("        Y"));
             const char* rows[] = {"Minimum", "Maximum", "Average", "Std Deviation", "Std Error"};
             const char* xs[] = {"2", "3", "2.5", "0.5", "0.5"};
             for (int r = 0; r < 5; ++r) {
                 EXPECT_EQ(figures->verticalHeaderItem(r)->text(), QString::fromLatin1(rows[r]));
                 EXPECT_EQ(figures->item(r, 0)->text(), QString::fromLatin1(xs[r]));
             }
             EXPECT_EQ(figures->item(1, 1)->text(), QStringLiteral("2"));
             Control<QPushButton>(d, "Button1")->click();
         },
         false, false, {{"3", "1"}, {"", "x"}, {"2", "2"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tool);
        MessageRecorder boxes;
        GraphContext context;
        TFormAddTable editor;
        WhileShown(editor, [&] {
            PutRows(editor.Editor.Grid, {{"3", "1"}, {"", "x"}, {"2", "2"}});
            editor.Editor.Start();
            bool opened = false;
            const NextModal answer([&](QWidget* modal) {
                opened = true;
                c.inDialog(*qobject_cast<QDialog*>(modal));
            });
            Tool(editor, c.tool)->click();
            EXPECT_TRUE(opened);
            EXPECT_EQ(Rows(editor.Editor, 1, 3), c.rows);
            EXPECT_EQ(Tool(editor, "Paste")->isEnabled(), c.paste);
            EXPECT_EQ(Tool(editor, "Undo")->isEnabled(), c.undo);
            if (c.undo) {
                Tool(editor, "Undo")->click();
                EXPECT_EQ(Rows(editor.Editor, 1, 3), (std::vector<Row>{{"3", "1"}, {"", "x"}, {"2", "2"}}));
            }
        });
        EXPECT_FALSE(editor.Execute(context.memory, context.ops, context.vars, context.consts));
    }
}

TEST(TableOpDialogs, FindThatFoundAValueGivesTheGridTheFocus) {
    for (const char* value : {"7", "2"}) {
        SCOPED_TRACE(value);
        MessageRecorder boxes;
        GraphContext context;
        TFormAddTable editor;
        WhileShown(editor, [&] {
            PutRows(editor.Editor.Grid, {{"1", "1"}, {"2", "2"}});
            editor.Editor.Start();
            auto* description = Control<QLineEdit>(editor, "Edit1");
            description->setFocus();
            const NextModal answer([value](QWidget* modal) {
                auto& d = *qobject_cast<QDialog*>(modal);
                Apply(d, {{"Edit1", QString::fromLatin1(value)}});
                Control<QPushButton>(d, "Button1")->click();
                Control<QPushButton>(d, "Button2")->click();
            });
            Tool(editor, "Find")->click();
            const bool found = value == std::string("2");
            EXPECT_EQ(editor.Editor.CurrentRow, found ? 2 : 1);
            QWidget* focus = editor.focusWidget();  // the one it gets back with the window
            EXPECT_EQ(focus == editor.Grid() || editor.Grid()->isAncestorOf(focus), found);
        });
        EXPECT_FALSE(editor.Execute(context.memory, context.ops, context.vars, context.consts));
    }
}

}  // namespace
