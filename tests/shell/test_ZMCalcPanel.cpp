// The calculator panel: keys and menus that edit the expression box, and the keys that work
// through the command window.
#include "editors/fmAddGraph.h"
#include "shell/ZMCalcPanel.h"
#include "support/ComboItems.h"
#include "support/MessageRecorder.h"
#include "support/NextModal.h"
#include "tests/shell/LinkedDocument.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A linked document with the calculator panel on its command window.
struct Document : LinkedDocument {
    Document() : panel(&memo) { panel.show(); }
    QLineEdit* box() { return panel.CalComboBox->lineEdit(); }
    void click(int key) { QTest::mouseClick(panel.ToolButtons[static_cast<std::size_t>(key)], Qt::LeftButton); }
    QStringList history() { return ComboItems(*panel.CalComboBox); }
    // The action of a menu or one of its sub-menus by caption.
    static QAction* find(QMenu* menu, const QString& caption) {
        for (QAction* action : menu->actions()) {
            if (action->text() == caption) return action;
            if (action->menu())
                if (QAction* found = find(action->menu(), caption)) return found;
        }
        return nullptr;
    }
    TCalcPanel panel;
};

}  // namespace

TEST(CalcPanel, KeysInsertTheirTexts) {
    const struct {
        std::vector<int> keys;
        const char* text;
    } cases[] = {
        {{27, 22, 23, 24, 17, 18, 19, 12, 13, 14}, "0123456789"},
        {{28, 29, 30, 25, 20, 15, 8, 9}, ".PI+-*/()"},
        {{11, 16, 21, 26}, " not  and  or  xor "},
    };
    for (const auto& c : cases) {
        Document doc;
        for (int key : c.keys) doc.click(key);
        EXPECT_EQ(doc.box()->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(doc.box()->cursorPosition(), doc.box()->text().size());
    }
}

TEST(CalcPanel, KeysCarryTheirHints) {
    Document doc;
    const struct {
        int key;
        const char* hint;
    } hints[] = {{1, "Variable"}, {2, "Constant"}, {3, "BackSpace"}, {4, "Clear"},
                 {5, "Add Graph"}, {6, "Function"}, {7, "Derivative"}, {10, ""}, {27, ""}};
    for (const auto& h : hints)
        EXPECT_EQ(doc.panel.ToolButtons[static_cast<std::size_t>(h.key)]->toolTip(), QString::fromLatin1(h.hint));
    for (int key = 1; key <= 30; ++key)
        EXPECT_FALSE(doc.panel.ToolButtons[static_cast<std::size_t>(key)]->icon().isNull()) << key;
    EXPECT_EQ(doc.panel.ComboBox1->count(), 3);
    EXPECT_EQ(doc.panel.ComboBox1->itemText(2), QStringLiteral("R(a)="));
}

TEST(CalcPanel, InsertionReplacesTheSelectionAndPlacesTheCaret) {
    const struct {
        const char* text;
        int selStart, selLength;  // length 0: only the caret
        const char* menuItem;     // empty: the "7" key
        const char* after;
        int caret;
    } cases[] = {
        {"sin(x)", 4, 0, "cos()", "sin(cos()x)", 8},
        {"", 0, 0, "sqrt()", "sqrt()", 5},
        {"x", 1, 0, "^ - power()", "x^", 2},
        {"x1", 1, 0, ">=", "x>=1", 3},
        {"abc", 0, 3, "", "7", 1},
        {"abc", 1, 1, "", "a7c", 2},
        {"abc", 1, 0, "", "a7bc", 2},
    };
    for (const auto& c : cases) {
        Document doc;
        doc.box()->setText(QString::fromLatin1(c.text));
        if (c.selLength) doc.box()->setSelection(c.selStart, c.selLength);
        else doc.box()->setCursorPosition(c.selStart);
        if (*c.menuItem) {
            QAction* item = Document::find(doc.panel.FunctionPopupMenu, QString::fromLatin1(c.menuItem));
            ASSERT_NE(item, nullptr) << c.menuItem;
            item->trigger();
        } else {
            doc.click(12);
        }
        EXPECT_EQ(doc.box()->text(), QString::fromLatin1(c.after)) << c.text << " " << c.menuItem;
        EXPECT_EQ(doc.box()->cursorPosition(), c.caret) << c.text << " " << c.menuItem;
    }
}

TEST(CalcPanel, BackSpaceAndClear) {
    const struct {
        const char* text;
        int selStart, selLength;
        const char* after;
        int caret;
    } cases[] = {
        {"abc", 0, 0, "abc", 0},  // at the start nothing happens
        {"abc", 2, 0, "ac", 1},
        {"abc", 3, 0, "ab", 2},
        {"abc", 1, 2, "bc", 0},  // the selection is ignored: the character before its start goes
    };
    for (const auto& c : cases) {
        Document doc;
        doc.box()->setText(QString::fromLatin1(c.text));
        if (c.selLength) doc.box()->setSelection(c.selStart, c.selLength);
        else doc.box()->setCursorPosition(c.selStart);
        doc.click(3);
        EXPECT_EQ(doc.box()->text(), QString::fromLatin1(c.after)) << c.text << c.selStart;
        EXPECT_EQ(doc.box()->cursorPosition(), c.caret) << c.text << c.selStart;
    }
    Document doc;
    doc.box()->setText(QStringLiteral("1+2"));
    doc.click(4);
    EXPECT_EQ(doc.box()->text(), QString());
}

TEST(CalcPanel, EqualsRunsTheExpressionInTheCommandWindow) {
    Document doc;
    for (int key : {22, 30, 23}) doc.click(key);  // 1+2
    doc.click(10);
    doc.click(10);  // the empty box still runs "?"
    doc.box()->setText(QStringLiteral("1+2"));
    doc.click(10);
    const QStringList expected{QStringLiteral("?1+2"), QStringLiteral("=3"), QStringLiteral("?"),
                               QStringLiteral("=Syntax Error"), QStringLiteral("?1+2"), QStringLiteral("=3")};
    EXPECT_EQ(doc.memo.Lines(), expected);
    EXPECT_EQ(doc.box()->text(), QString());
    EXPECT_EQ(doc.history(), (QStringList{QStringLiteral("1+2"), QString(), QStringLiteral("1+2")}));
}

TEST(CalcPanel, DerivativeKeyAnswersInTheCommandWindowAndPutsTheResultInTheBox) {
    const struct {
        int row;
        const char* text;
        QStringList lines;
        const char* box;
        const char* warning;
    } cases[] = {
        {0, "x^2", {QStringLiteral("deri x x^2"), QStringLiteral("=2*x")}, "2*x", ""},
        {2, "a^2", {QStringLiteral("deri a a^2"), QStringLiteral("=2*a")}, "2*a", ""},
        {1, "3*y", {QStringLiteral("deri y 3*y"), QStringLiteral("=3")}, "3", ""},
        {0, "", {QStringLiteral("deri x "), QStringLiteral("Syntax Error")}, "", "Expression is illegal."},
        {0, "x+(", {QStringLiteral("deri x x+("), QStringLiteral("Syntax Error")}, "x+(", "Expression is illegal."},
        {0, "abs x", {QStringLiteral("deri x abs x"), QStringLiteral("=Syntax Error")}, "abs x",
         "The expression contains nondifferentiable function or operation."},
    };
    for (const auto& c : cases) {
        MessageRecorder boxes;
        Document doc;
        doc.panel.ComboBox1->setCurrentIndex(c.row);
        doc.box()->setText(QString::fromLatin1(c.text));
        doc.click(7);
        EXPECT_EQ(doc.memo.Lines(), c.lines) << c.text;
        EXPECT_EQ(doc.box()->text(), QString::fromLatin1(c.box)) << c.text;
        if (*c.warning) {
            ASSERT_EQ(boxes.count(), 1) << c.text;
            EXPECT_EQ(boxes.last().text, QString::fromLatin1(c.warning));
            EXPECT_EQ(boxes.last().kind, MsgKind::Warning);
            EXPECT_EQ(doc.history(), QStringList()) << c.text;
        } else {
            EXPECT_EQ(boxes.count(), 0) << c.text;
            EXPECT_EQ(doc.history(), QStringList{QString::fromLatin1(c.text)}) << c.text;
        }
    }
}

TEST(CalcPanel, DerivativeKeyWorksInTheDocumentContext) {
    // The command's own context has no t; the box's second pass uses the document's.
    MessageRecorder boxes;
    Document doc;
    doc.panel.ComboBox1->setCurrentIndex(0);
    doc.box()->setText(QStringLiteral("t*x"));
    doc.click(7);
    EXPECT_EQ(doc.memo.Lines(), (QStringList{QStringLiteral("deri x t*x"), QStringLiteral("Syntax Error")}));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(doc.box()->text(), QStringLiteral("t"));
}

TEST(CalcPanel, AddGraphKeyRunsADrawCommandOfTheChosenKind) {
    const struct {
        int row;
        bool ok;
        const char* line;
        const char* answer;
        int type;
    } cases[] = {
        {0, true, "DrawFx x^2", "OK.", 0},
        {1, true, "DrawFy x^2", "OK.", 1},
        {2, false, "DrawRa x^2", "Abort.", -1},
    };
    for (const auto& c : cases) {
        Document doc;
        doc.panel.ComboBox1->setCurrentIndex(c.row);
        doc.box()->setText(QStringLiteral("  x^2 "));
        const NextModal answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<TFormAddGraph*>(modal);
            if (c.ok) dialog->Button1Click();
            else dialog->Button2Click();
        });
        doc.click(5);
        EXPECT_EQ(doc.memo.Lines(), (QStringList{QString::fromLatin1(c.line), QString::fromLatin1(c.answer)}));
        EXPECT_EQ(doc.box()->text(), QStringLiteral("  x^2 "));
        EXPECT_EQ(doc.history(), QStringList{QStringLiteral("  x^2 ")});
        ASSERT_EQ(doc.memory.Count(), c.ok ? 1 : 0);
        if (c.ok) {
            EXPECT_EQ(doc.memory.GetFunction(0)->FunctionObjType, c.type);
        }
    }
    Document doc;
    doc.box()->setText(QStringLiteral("   "));
    doc.click(5);
    EXPECT_EQ(doc.memo.Lines(), QStringList{QString()});
    EXPECT_EQ(doc.history(), QStringList());
}

TEST(CalcPanel, NameMenusListTheMemoriesWhenTheyOpen) {
    Document doc;
    doc.memo.ExecuteCommand(QStringLiteral("var k = 2"));
    doc.memo.ExecuteCommand(QStringLiteral("const e = 2.718"));
    emit doc.panel.VarListPopupMenu->aboutToShow();
    emit doc.panel.ConstListPopupMenu->aboutToShow();
    auto names = [](QMenu* menu, const QString& sub) {
        QStringList list;
        QAction* item = Document::find(menu, sub);
        for (QAction* a : item->menu()->actions()) {
            auto* named = qobject_cast<TMyMenuItem*>(a);
            EXPECT_NE(named, nullptr);
            if (named) {
                EXPECT_EQ(named->InsertText, a->text());
            }
            list << a->text();
        }
        return list;
    };
    EXPECT_EQ(names(doc.panel.VarListPopupMenu, QStringLiteral("Insert a variable")),
              (QStringList{"x", "y", "t", "a", "k"}));
    EXPECT_EQ(names(doc.panel.ConstListPopupMenu, QStringLiteral("Insert a constant")), (QStringList{"PI", "e"}));
    // Opening again rebuilds rather than adds.
    emit doc.panel.VarListPopupMenu->aboutToShow();
    EXPECT_EQ(names(doc.panel.VarListPopupMenu, QStringLiteral("Insert a variable")).size(), 5);

    doc.box()->setText(QStringLiteral("2*"));
    Document::find(doc.panel.VarListPopupMenu, QStringLiteral("k"))->trigger();
    EXPECT_EQ(doc.box()->text(), QStringLiteral("2*k"));
    EXPECT_EQ(doc.box()->cursorPosition(), 3);
}

TEST(CalcPanel, UpdateItemsRunTheDialogLineOrAnswerAbort) {
    Document doc;
    QStringList prefixes;
    std::vector<bool> answers{true, false, true};
    std::size_t call = 0;
    doc.panel.UpdateVarMemRunner = [&](QWidget*, const QString& prefix, zm::TVarMemory& memory, QString& line) {
        prefixes << prefix;
        EXPECT_EQ(&memory, prefix == QStringLiteral("Var") ? &doc.vars : &doc.consts);
        line = prefix + QStringLiteral(" x=2");
        return answers[call++];
    };
    doc.panel.z1Click();
    doc.panel.UpdateConstants1Click();
    EXPECT_EQ(doc.memo.LastResult, QStringLiteral("OK."));  // "Abort." is not an answer
    doc.panel.UpdateConstants1Click();
    EXPECT_EQ(prefixes, (QStringList{"Var", "Const", "Const"}));
    EXPECT_EQ(doc.memo.Lines(), (QStringList{"Var x=2", "OK.", "Abort.", "Const x=2", "OK."}));
    EXPECT_EQ(doc.vars.GetValue("x"), 2);
    EXPECT_EQ(doc.consts.GetValue("x"), 2);
}

TEST(CalcPanel, FunctionMenuOffersEveryGroupAndItsItems) {
    const struct {
        const char* group;
        QStringList items;
        bool functions;
    } groups[] = {
        {"Normal function", {"abs()", "sqr()", "sqrt()", "ln()", "log10()", "log2()", "exp()", "^ - power()"}, true},
        {"Convert function", {"int()", "round()", "frac()", "sign()", "random()"}, true},
        {"Trigonometric function ", {"sin()", "cos()", "tan()", "cot()"}, true},
        {"Inverse trigonometric function", {"arcsin()", "arccos()", "arctan()", "arccot()"}, true},
        {"Hyperbolic function", {"sinh()", "cosh()", "tanh()", "coth()"}, true},
        {"Inverse hyperbolic function", {"arcsinh()", "arccosh()", "arctanh()", "arccoth()"}, true},
        {"Relational operation", {">", "<", ">=", "<=", "=", "<>"}, false},
    };
    Document doc;
    const QList<QAction*> top = doc.panel.FunctionPopupMenu->actions();
    ASSERT_EQ(top.size(), static_cast<qsizetype>(std::size(groups)));
    for (std::size_t g = 0; g < std::size(groups); ++g) {
        const auto& group = groups[g];
        EXPECT_EQ(top[static_cast<qsizetype>(g)]->text(), QString::fromLatin1(group.group));
        QStringList captions;
        for (QAction* item : top[static_cast<qsizetype>(g)]->menu()->actions()) {
            captions << item->text();
            doc.box()->clear();
            item->trigger();
            const bool power = item->text() == QStringLiteral("^ - power()");
            EXPECT_EQ(doc.box()->text(), power ? QStringLiteral("^") : item->text());
            const int back = group.functions && !power ? 1 : 0;
            EXPECT_EQ(doc.box()->cursorPosition(), doc.box()->text().size() - back) << item->text().toStdString();
        }
        EXPECT_EQ(captions, group.items) << group.group;
    }
}
