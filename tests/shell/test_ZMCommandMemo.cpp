// The command window as a user drives it: typed lines and Enter, answers as last lines, and
// the draw commands through the add-graph dialog.
#include "editors/fmAddGraph.h"
#include "engine/ZMNumber.h"
#include "support/NextModal.h"
#include "tests/shell/LinkedDocument.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

// A document as the document window links it, with the command window shown.
struct Document : LinkedDocument {
    Document() {
        plane.resize(300, 300);
        memo.show();
    }
};

void Type(TZMCommandMemo& memo, const QString& text, Qt::KeyboardModifiers enter = Qt::NoModifier,
          Qt::Key key = Qt::Key_Return) {
    QTest::keyClicks(&memo, text);
    QTest::keyClick(&memo, key, enter);
}

void PutCaret(TZMCommandMemo& memo, int line, int column) {
    QTextCursor cursor(memo.document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
    memo.setTextCursor(cursor);
}

}  // namespace

TEST(CommandMemo, LooksAsAFixedWidthBoxWithBothScrollBars) {
    TZMCommandMemo memo;
    EXPECT_EQ(memo.size(), QSize(200, 200));
    EXPECT_EQ(memo.font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(memo.font().pixelSize(), 13);
    EXPECT_EQ(memo.lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(memo.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo.Memory, nullptr);
    EXPECT_EQ(memo.Plane, nullptr);
    EXPECT_EQ(memo.ListBox, nullptr);
}

TEST(CommandMemo, EveryEnterRunsTheLineAndOpensANewLastLine) {
    Document doc;
    Type(doc.memo, QStringLiteral("?1+2"));
    Type(doc.memo, QStringLiteral("var k = 2*PI"), Qt::KeypadModifier, Qt::Key_Enter);
    Type(doc.memo, QStringLiteral("?k"), Qt::ShiftModifier);  // a line break, not a separator in the line
    Type(doc.memo, QStringLiteral("  ? 2^10"));
    const QStringList expected{QStringLiteral("?1+2"), QStringLiteral("=3"),
                               QStringLiteral("var k = 2*PI"), QStringLiteral("OK."),
                               QStringLiteral("?k"), QStringLiteral("=6.28318530717959"),
                               QStringLiteral("  ? 2^10"), QStringLiteral("=1024"),
                               QString()};
    EXPECT_EQ(doc.memo.Lines(), expected);
    EXPECT_FALSE(doc.memo.toPlainText().contains(QChar::LineSeparator));
    EXPECT_EQ(doc.memo.LastResult, QStringLiteral("=1024"));
    EXPECT_EQ(doc.memo.textCursor().blockNumber(), expected.size() - 1);
}

TEST(CommandMemo, EnterOnAnEarlierLineRunsThatLineAndAnswersAtTheEnd) {
    Document doc;
    doc.memo.setPlainText(QStringLiteral("?1+2\n=3\nvar x=4"));
    PutCaret(doc.memo, 1, 1);  // inside the answer line "=3"
    QTest::keyClick(&doc.memo, Qt::Key_Return);
    PutCaret(doc.memo, 0, 2);
    QTest::keyClick(&doc.memo, Qt::Key_Return);
    PutCaret(doc.memo, 2, 0);
    QTest::keyClick(&doc.memo, Qt::Key_Return);
    const QStringList expected{QStringLiteral("?1+2"), QStringLiteral("=3"), QStringLiteral("var x=4"),
                               QStringLiteral("Syntax Error"), QStringLiteral("=3"), QStringLiteral("OK."),
                               QString()};
    EXPECT_EQ(doc.memo.Lines(), expected);
    EXPECT_EQ(doc.vars.GetValue("x"), 4);
}

TEST(CommandMemo, AnswersTakeAnEmptyLastLineInsteadOfLeavingABlankOne) {
    const struct {
        const char* before;
        const char* appended;
        QStringList after;
    } cases[] = {
        {"", "=3", {QStringLiteral("=3")}},
        {"?1+2", "=3", {QStringLiteral("?1+2"), QStringLiteral("=3")}},
        {"?1+2\n", "=3", {QStringLiteral("?1+2"), QStringLiteral("=3")}},
        {"?1+2\n\n", "=3", {QStringLiteral("?1+2"), QString(), QStringLiteral("=3")}},
    };
    for (const auto& c : cases) {
        TZMCommandMemo memo;
        memo.setPlainText(QString::fromLatin1(c.before));
        memo.AppendLine(QString::fromLatin1(c.appended));
        EXPECT_EQ(memo.Lines(), c.after) << c.before;
        EXPECT_TRUE(memo.textCursor().atEnd()) << c.before;
    }
    // Enter on an empty last line answers in that line.
    Document doc;
    QTest::keyClick(&doc.memo, Qt::Key_Return);
    EXPECT_EQ(doc.memo.Lines(), (QStringList{QStringLiteral("Syntax Error"), QString()}));
}

TEST(CommandMemo, NumberAnswersFollowTheLocaleSeparator) {
    Document doc;
    QLocale::setDefault(QLocale(QLocale::German));
    doc.memo.ExecuteCommand(QStringLiteral("?1/4"));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(doc.memo.LastResult, QStringLiteral("=0,25"));
}

TEST(CommandMemo, WithoutLinksOnlyTheCommandsThatNeedNoDocumentAnswer) {
    TZMCommandMemo memo;
    memo.show();
    bool dialogOpened = false;
    const NextModal answer([&](QWidget* modal) { dialogOpened = true; modal->close(); }, 300);
    Type(memo, QStringLiteral("?1+2"));
    Type(memo, QStringLiteral("var k=1"));
    Type(memo, QStringLiteral("drawfx x"));
    EXPECT_EQ(memo.LastResult, QString());
    Type(memo, QStringLiteral("deri x x^2"));
    Type(memo, QStringLiteral("hello"));
    const QStringList expected{QStringLiteral("?1+2"),       QStringLiteral("var k=1"),
                               QStringLiteral("drawfx x"),   QStringLiteral("deri x x^2"),
                               QStringLiteral("=2*x"),       QStringLiteral("hello"),
                               QStringLiteral("Syntax Error"), QString()};
    EXPECT_EQ(memo.Lines(), expected);
    QTest::qWait(350);
    EXPECT_FALSE(dialogOpened);
}

TEST(CommandMemo, DrawCommandsOpenThePresetDialogAndAddTheGraphOnOk) {
    const struct {
        const char* line;
        int row;
        const char* formula;
        int type;
    } cases[] = {
        {"drawfx x^2", 0, "x^2", 0},
        {"DrawFy y/2", 1, "y/2", 1},
        {"DRAWRA 1", 3, "1", 2},
        {"drawxy x", 0, "x", 0},
    };
    Document doc;
    int count = 0;
    for (const auto& c : cases) {
        int row = -1;
        QString formula;
        const NextModal answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<TFormAddGraph*>(modal);
            ASSERT_NE(dialog, nullptr);
            row = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentIndex();
            formula = dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text();
            dialog->Button1Click();
        });
        const std::uint64_t evaluations = doc.plane.EvaluationCount;
        doc.memo.ExecuteCommand(QString::fromLatin1(c.line));
        ++count;
        EXPECT_EQ(row, c.row) << c.line;
        EXPECT_EQ(formula, QString::fromLatin1(c.formula)) << c.line;
        EXPECT_EQ(doc.memo.LastResult, QStringLiteral("OK.")) << c.line;
        ASSERT_EQ(doc.memory.Count(), count) << c.line;
        const TFunctionObj* graph = doc.memory.GetFunction(count - 1);
        ASSERT_NE(graph, nullptr);
        EXPECT_EQ(graph->Exp, c.formula);
        EXPECT_EQ(graph->FunctionObjType, c.type);
        EXPECT_EQ(doc.listBox.count(), count) << c.line;
        EXPECT_GT(doc.plane.EvaluationCount, evaluations) << "the plane was redrawn: " << c.line;
    }
}

TEST(CommandMemo, CancelledDrawAnswersAbortAndChangesNothing) {
    Document doc;
    const NextModal answer([](QWidget* modal) { qobject_cast<TFormAddGraph*>(modal)->Button2Click(); });
    Type(doc.memo, QStringLiteral("DRAWRA 1"));
    EXPECT_EQ(doc.memo.Lines(), (QStringList{QStringLiteral("DRAWRA 1"), QStringLiteral("Abort."), QString()}));
    EXPECT_EQ(doc.memo.LastResult, QStringLiteral("Abort."));
    EXPECT_EQ(doc.memory.Count(), 0);
    EXPECT_EQ(doc.listBox.count(), 0);
}

TEST(CommandMemo, DrawIsIgnoredWhileAnyDocumentLinkIsMissing) {
    enum Missing { NoMemory, NoPlane, NoListBox, NoOperators };
    for (const Missing missing : {NoMemory, NoPlane, NoListBox, NoOperators}) {
        Document doc;
        if (missing == NoMemory) doc.memo.Memory = nullptr;
        if (missing == NoPlane) doc.memo.Plane = nullptr;
        if (missing == NoListBox) doc.memo.ListBox = nullptr;
        if (missing == NoOperators) doc.memo.OperatorLib = nullptr;
        bool dialogOpened = false;
        const NextModal answer([&](QWidget* modal) { dialogOpened = true; modal->close(); }, 200);
        doc.memo.ExecuteCommand(QStringLiteral("drawfx x"));
        QTest::qWait(250);
        EXPECT_FALSE(dialogOpened) << missing;
        EXPECT_EQ(doc.memo.Lines(), QStringList{QString()}) << missing;
        EXPECT_EQ(doc.memory.Count(), 0) << missing;
    }
}

TEST(CommandMemo, EvaluationSeesTheLastSampleOfTheRedraw) {
    Document doc;
    const NextModal answer([](QWidget* modal) { qobject_cast<TFormAddGraph*>(modal)->Button1Click(); });
    doc.memo.ExecuteCommand(QStringLiteral("drawfx x"));
    ASSERT_EQ(doc.memo.LastResult, QStringLiteral("OK."));
    const double sampled = doc.vars.GetValue("x");
    EXPECT_NE(sampled, 0);
    doc.memo.ExecuteCommand(QStringLiteral("?x"));
    EXPECT_EQ(doc.memo.LastResult, QStringLiteral("=") + QString::fromStdString(zm::FloatToStr(sampled)));
    // Until a "var" command sets it.
    doc.memo.ExecuteCommand(QStringLiteral("var x = 1"));
    doc.memo.ExecuteCommand(QStringLiteral("?x"));
    EXPECT_EQ(doc.memo.LastResult, QStringLiteral("=1"));
}

TEST(CommandMemo, TypedControlCharactersAroundTheCommandAreTrimmed) {
    Document doc;
    Type(doc.memo, QStringLiteral("\t?1+2\t"));
    Type(doc.memo, QStringLiteral("\tvar k = 3 "));
    EXPECT_EQ(doc.memo.Lines(), (QStringList{QStringLiteral("\t?1+2\t"), QStringLiteral("=3"),
                                             QStringLiteral("\tvar k = 3 "), QStringLiteral("OK."), QString()}));
    EXPECT_EQ(doc.vars.GetValue("k"), 3);
}
