// Value table: the tabulation and its end, the checks of the fields, the row cap, and the report
// copied and saved.

#include "tools/fmValueTable.h"

#include "support/ComboItems.h"
#include "support/DialogFixture.h"
#include "support/FailedSave.h"
#include "support/MessageRecorder.h"
#include "support/ScopedLocale.h"
#include "support/ScriptedFileChooser.h"
#include "tools/ZMToolContext.h"
#include "tools/ZMToolGrid.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

class ValueTableTest : public ::testing::Test {
protected:
    ValueTableTest() { dialog.SetFileChooser(&files); }

    // Runs fn while the dialog is shown for `memory`.
    void Run(std::function<void()> fn, const TMemory* memory = nullptr) {
        WhileShown(dialog, std::move(fn));
        dialog.Execute(memory);
    }
    void Tabulate(const char* formula, const char* variable, const char* from, const char* upTo, const char* step) {
        Control<QComboBox>(dialog, "ComboBox1")->setEditText(QString::fromUtf8(formula));
        Apply(dialog, {{"Edit1", QString::fromUtf8(variable)},
                       {"Edit2", QString::fromUtf8(from)},
                       {"Edit3", QString::fromUtf8(upTo)},
                       {"Edit4", QString::fromUtf8(step)}});
        Click("Button1");
    }
    void Click(const char* button) { Control<QPushButton>(dialog, button)->click(); }
    // Grid rows, the header first, cells apart by "/".
    QStringList Rows() const { return dialog.Grid().Lines(QStringLiteral("/")); }

    MessageRecorder boxes;
    ScriptedFileChooser files;
    TFormValueTable dialog;
};

const QString kCalcError = QStringLiteral("An error occurs during expression calculation.");

TEST_F(ValueTableTest, TabulatesInTheNumberFormatAndLeavesOutFailingPoints) {
    struct Case {
        const char* what;
        QLocale::Language locale;
        const char* formula;
        const char* variable;
        const char* from;
        const char* upTo;
        const char* step;
        QStringList rows;
        QStringList boxes;
    };
    const Case cases[] = {
        {"squares", QLocale::C, "x^2", "x", "-2", "2", "1",
         {"x/f(x)", "-2/4", "-1/1", "0/0", "1/1", "2/4"}, {}},
        {"some points fail", QLocale::C, "sqrt x", "x", "-2", "2", "1",
         {"x/f(x)", "0/0", "1/1", "2/1.4142135623731"}, {kCalcError}},
        {"every point fails", QLocale::C, "ln(x-100)", "x", "-10", "10", "1", {"x/f(x)", "/"}, {kCalcError}},
        {"another variable", QLocale::C, "t^2+1", "t", "0", "1", "0.5", {"t/f(t)", "0/1", "0.5/1.25", "1/2"}, {}},
        {"comma locale", QLocale::German, "x*2", "x", "-0,5", "0,5", "0,5",
         {"x/f(x)", "-0,5/-1", "0/0", "0,5/1"}, {}},
        {"one point", QLocale::C, "1/3", "x", "0", "0.5", "1", {"x/f(x)", "0/0.333333333333333"}, {}},
    };
    for (const Case& c : cases) {
        const ScopedLocale locale(c.locale);
        boxes.clear();
        Run([&] { Tabulate(c.formula, c.variable, c.from, c.upTo, c.step); });
        EXPECT_EQ(Rows(), c.rows) << c.what;
        EXPECT_EQ(boxes.texts(), c.boxes) << c.what;
        for (const MessageRequest& box : boxes.boxes()) EXPECT_EQ(box.kind, MsgKind::Warning) << c.what;
    }
}

TEST_F(ValueTableTest, AFailedCheckShowsTheFirstFailureInAnErrorBoxAndKeepsTheTable) {
    struct Case {
        const char* variable;
        const char* from;
        const char* upTo;
        const char* step;
        const char* message;
    };
    const Case cases[] = {
        {"", "-1", "1", "1", "The variable name cannot be null."},
        {" \t", "", "", "0", "The variable name cannot be null."},
        {"x", "", "1", "1", "The initial value of a variable cannot be null."},
        {"x", "a", "1", "1", "The initial value of a variable must be a number."},
        {"x", "-1", " ", "1", "The final value of a variable cannot be null."},
        {"x", "-1", "b", "1", "The final value of a variable must be a number."},
        {"x", "5", "5", "1", "The initial value of a variable must be less than the The final value of it."},
        {"x", "6", "5", "1", "The initial value of a variable must be less than the The final value of it."},
        {"x", "-1", "1", "", "The increased step of a variable cannot be null."},
        {"x", "-1", "1", "s", "The increased step of a variable must be a number."},
        {"x", "-1", "1", "0", "The increased step of a variable must be greater than 0."},
        {"x", "-1", "1", "-1", "The increased step of a variable must be greater than 0."},
    };
    Run([&] {
        Tabulate("x^2", "x", "-1", "1", "1");
        const QStringList before = Rows();
        for (const Case& c : cases) {
            boxes.clear();
            Tabulate("x+1", c.variable, c.from, c.upTo, c.step);
            ASSERT_EQ(boxes.count(), 1) << c.message;
            EXPECT_EQ(boxes.last().kind, MsgKind::Error) << c.message;
            EXPECT_EQ(boxes.last().text, QString::fromUtf8(c.message));
            EXPECT_EQ(Rows(), before) << c.message;
        }
    });
}

TEST_F(ValueTableTest, AnIllegalFormulaOnlyWarns) {
    Run([&] {
        Tabulate("x^2", "x", "0", "1", "1");
        const QStringList before = Rows();
        boxes.clear();
        Tabulate("x+", "t", "0", "1", "1");
        EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Expression is illegal.")});
        EXPECT_EQ(boxes.last().kind, MsgKind::Warning);
        EXPECT_EQ(Rows(), before);
    });
}

TEST(ValueTableRun, PointsAreCountedFromTheStartAndTheEndValueIsKept) {
    struct Case {
        double from, upTo, step;
        std::size_t count;
        double last;
    };
    const Case cases[] = {
        {-1, 1, 0.1, 21, 1},
        {0, 1, 0.01, 101, 1},
        {0, 0.3, 0.1, 4, 0.3},         // 3 * 0.1 lands just past 0.3
        {0, 1, 0.3, 4, 3 * 0.3},       // the next point truly overshoots
        {-0.5, 0.5, 0.25, 5, 0.5},
        {1e16, 1e16 + 10, 1, 1, 1e16},  // 1E16 + 1 rounds back to 1E16: the table ends
    };
    for (const Case& c : cases) {
        TToolContext ctx;
        zm::TExpCal f("x", ctx.OperatorLib, ctx.VarMemory, ctx.ConstMemory);
        const TValueTableRun run = TabulateValues(f, ctx.VarMemory, "x", c.from, c.upTo, c.step);
        ASSERT_EQ(run.Rows.size(), c.count) << c.from << " to " << c.upTo << " by " << c.step;
        EXPECT_EQ(run.Rows.back().first, c.last) << c.from << " to " << c.upTo << " by " << c.step;
        for (std::size_t k = 0; k + 1 < run.Rows.size(); ++k) {
            EXPECT_EQ(run.Rows[k].first, c.from + static_cast<double>(k) * c.step) << k;
            EXPECT_EQ(run.Rows[k].second, run.Rows[k].first) << k;
        }
        EXPECT_FALSE(run.Failed);
        EXPECT_FALSE(run.Limited);
    }
}

TEST_F(ValueTableTest, TheTableStopsAtTheRowCapAndSaysSo) {
    const QString limited = QStringLiteral("The table is limited to 100000 rows.");
    struct Case {
        const char* formula;
        const char* from;
        const char* upTo;
        int gridRows;
        const char* lastRow;
        QStringList boxes;
    };
    const Case cases[] = {
        {"x", "1", "100000", 100001, "100000/100000", {}},
        {"x", "1", "100001", 100001, "100000/100000", {limited}},
        {"sqrt x", "-1", "1000000", 100000, "99998/316.224603723366", {limited, kCalcError}},
    };
    for (const Case& c : cases) {
        boxes.clear();
        Run([&] { Tabulate(c.formula, "x", c.from, c.upTo, "1"); });
        EXPECT_EQ(dialog.Grid().RowCount(), c.gridRows) << c.upTo;
        EXPECT_EQ(Rows().back(), QString::fromLatin1(c.lastRow)) << c.upTo;
        EXPECT_EQ(boxes.texts(), c.boxes) << c.upTo;
        if (!c.boxes.isEmpty()) {
            EXPECT_EQ(boxes.boxes().front().kind, MsgKind::Information);
        }
    }
}

TEST_F(ValueTableTest, ClearCutsBackToTheHeaderAndOneEmptyRow) {
    Run([&] {
        Tabulate("x^2", "x", "0", "3", "1");
        Apply(dialog, {{"Edit1", QStringLiteral("a")}});
        Click("Button5");
        EXPECT_EQ(Rows(), (QStringList{"a/f(a)", "/"}));
    });
    EXPECT_EQ(boxes.count(), 0);
}

const QByteArray kSquaresReport =
    "f(x)=x^2\r\n"
    "\r\n"
    "x\t\t\tf(x)\r\n"
    "-2\t\t\t4\r\n"
    "-1\t\t\t1\r\n"
    "0\t\t\t0\r\n"
    "1\t\t\t1\r\n"
    "2\t\t\t4\r\n";

TEST_F(ValueTableTest, CopyLeavesTheReportOnTheClipboard) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    Run([&] {
        Tabulate("x^2", "x", "-2", "2", "1");
        Click("Button2");
    });
    EXPECT_EQ(QGuiApplication::clipboard()->text().toUtf8(), kSquaresReport);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(ValueTableTest, SaveWritesTheReportToTheChosenFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.txt"));
    files.answer(path);
    Run([&] {
        Tabulate("x^2", "x", "-2", "2", "1");
        Click("Button3");
        Click("Button3");  // cancelled: nothing more happens
    });
    ASSERT_EQ(files.requests().size(), 2u);
    const FileDialogRequest r = files.requests().front();
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.filter, QStringLiteral("*.txt|*.txt"));
    EXPECT_EQ(r.defaultExt, QStringLiteral(".txt"));
    EXPECT_TRUE(r.overwritePrompt);
    EXPECT_EQ(r.parent, &dialog);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), kSquaresReport);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(ValueTableTest, AFileThatCannotBeWrittenShowsTheErrorAndKeepsTheDialogAndTheFile) {
    Run([&] {
        Tabulate("x^2", "x", "-2", "2", "1");
        ExpectFailedSaveKeepsTheFile(dialog, files, boxes, [&] { Click("Button3"); });
    });
}

TEST_F(ValueTableTest, TheFormulaBoxOffersEveryFunctionGraphOfTheList) {
    GraphContext ctx;
    const struct {
        const char* exp;
        std::uint8_t type;
        std::uint8_t shown;
    } graphs[] = {{"sin x", 0, 1}, {"y^2", 1, 0}, {"2*a", 2, 1}, {"cos t", 3, 1}, {"x^2+y^2-4", 4, 0}};
    for (const auto& g : graphs) {
        TFunctionObj f;
        f.Exp = g.exp;
        f.FunctionObjType = g.type;
        f.ShowEnabled = g.shown;
        ctx.memory.AddFunction(f);
        if (g.type == 1) ctx.memory.AddTable(TTableObj());
    }
    QStringList offered;
    QString text;
    Run(
        [&] {
            auto* combo = Control<QComboBox>(dialog, "ComboBox1");
            offered = ComboItems(*combo);
            text = combo->currentText();
        },
        &ctx.memory);
    EXPECT_EQ(offered, (QStringList{"sin x", "y^2", "2*a", "cos t", "x^2+y^2-4"}));
    EXPECT_EQ(text, QString());
    EXPECT_EQ(Rows(), (QStringList{"x/f(x)", "/"}));

    Run([&] { EXPECT_EQ(Control<QComboBox>(dialog, "ComboBox1")->count(), 0); });
}

TEST_F(ValueTableTest, HelpOpensTheValueTableTopic) {
    Run([&] {
        Click("Button6");
        ExpectHelpShown(dialog, "ch04_01.htm", "42");
    });
}

}  // namespace
