// Intersections report: the scan over a table of pairs and ranges, the row cap, and the report
// copied and saved.

#include "tools/fmIntersectionResult.h"

#include "support/DialogFixture.h"
#include "support/FailedSave.h"
#include "support/MessageRecorder.h"
#include "support/ScriptedFileChooser.h"
#include "tools/ZMCurvePair.h"
#include "tools/ZMScan.h"
#include "tools/ZMToolGrid.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(IntersectionScan, ListsTheGridPointsWithinTheLimitAndTheCrossingsBetweenOthers) {
    struct Case {
        const char* what;
        const char* y1;
        const char* y2;
        double min, max;
        int steps;
        std::vector<std::string> rows;  // "x y", rounded to 3 decimals
    };
    const Case cases[] = {
        {"crossing on a grid point", "x", "0", -10, 10, 5000, {"-0.008 -0.008", "-0.004 -0.004", "0 0", "0.004 0.004", "0.008 0.008"}},
        {"steep crossing between grid points", "10*x", "0.05", -1, 1, 4, {"0.005 0.05"}},
        {"steep crossing in the last step", "10*x", "9.5", -1, 1, 4, {"0.95 9.5"}},
        {"a crossing next to a row adds nothing", "x", "0.255", 0, 1, 4, {"0.25 0.25"}},
        {"a pole is not a crossing", "1/(x-0.1)", "0", -1, 1, 4, {}},
        {"no crossing across a gap where a formula fails", "x/sqrt(x^2-1)", "0", -3, 3, 6, {}},
        {"crossing between grid points", "x", "0.305", 0.2, 0.4, 20, {"0.3 0.3", "0.31 0.31"}},
        {"parallel curves closer than 0.01", "x", "x+0.005", 0, 1, 4, {"0 0", "0.25 0.25", "0.5 0.5", "0.75 0.75"}},
        {"crossing at Max is not listed", "x", "1", 0, 1, 4, {}},
        {"crossing at the last point below Max", "x", "0.75", 0, 1, 4, {"0.75 0.75"}},
        {"crossing at Min", "x", "0", 0, 1, 4, {"0 0"}},
        {"a formula failing on part of the range", "sqrt(x)", "x/1000", -1, 1, 4, {"0 0"}},
        {"PI is 3.141592653589793", "PI", "x", 3, 4, 100, {"3.14 3.142", "3.15 3.142"}},
        {"range near 1E16 ends", "x", "x", 1e16, 1e16 + 10, 500, {"1E16 1E16"}},
        {"h not finite", "x", "x", -1e308, 1e308, 500, {}},
    };
    for (const Case& c : cases) {
        TCurvePair curves(c.y1, c.y2);
        ASSERT_EQ(curves.IllegalMessage(), "") << c.what;
        const TIntersectionRun run = FindIntersections(curves, TScanGrid(c.min, c.max, c.steps));
        std::vector<std::string> rows;
        for (const auto& [x, y] : run.Rows) rows.push_back(FormatRounded(x, 3, '.') + " " + FormatRounded(y, 3, '.'));
        EXPECT_EQ(rows, c.rows) << c.what;
        EXPECT_FALSE(run.Limited) << c.what;
    }
}

TEST(IntersectionScan, FindsTheSteepCrossingsThatJumpOverTheLimit) {
    struct Case {
        const char* y1;
        const char* y2;
        std::vector<std::string> rows;  // "x y", rounded to 3 decimals, on [-10, 10] in 5000 steps
    };
    const Case cases[] = {
        {"x^3-3*x", "x^2", {"-1.304 1.695", "0 0", "2.303 5.303"}},
        {"10*x", "1.02", {"0.102 1.02"}},
    };
    for (const Case& c : cases) {
        TCurvePair curves(c.y1, c.y2);
        const TIntersectionRun run = FindIntersections(curves, TScanGrid(-10, 10, 5000));
        std::vector<std::string> rows;
        for (const auto& [x, y] : run.Rows) rows.push_back(FormatRounded(x, 3, '.') + " " + FormatRounded(y, 3, '.'));
        EXPECT_EQ(rows, c.rows) << c.y1 << " / " << c.y2;
    }
}

TEST(IntersectionScan, StopsAtTheRowCap) {
    // On [0, steps] every grid point below Max is a row.
    const struct {
        int steps;
        std::size_t rows;
        bool limited;
    } cases[] = {{100000, 100000, false}, {100001, 100000, true}};
    for (const auto& c : cases) {
        TCurvePair curves("1", "1");
        const TIntersectionRun run = FindIntersections(curves, TScanGrid(0, c.steps, c.steps));
        EXPECT_EQ(run.Rows.size(), c.rows) << c.steps;
        EXPECT_EQ(run.Limited, c.limited) << c.steps;
    }
}

TEST(CurvePair, NamesTheFirstFormulaThatDoesNotCompile) {
    EXPECT_EQ(TCurvePair("x+", "x-").IllegalMessage(), "Expression - Y1(x) is illegal.");
    EXPECT_EQ(TCurvePair("x", "x-").IllegalMessage(), "Expression - Y2(x) is illegal.");
    EXPECT_EQ(TCurvePair("x*y", "PI").IllegalMessage(), "");
}

class IntersectionResultTest : public ::testing::Test {
protected:
    IntersectionResultTest() { report.SetFileChooser(&files); }

    void Show(const char* y1, const char* y2, double min, double max, std::int32_t steps, std::int32_t accuracy,
              std::function<void()> fn = [] {}) {
        WhileShown(report, std::move(fn));
        report.Execute(y1, y2, min, max, steps, accuracy);
    }
    void Click(const char* button) { Control<QPushButton>(report, button)->click(); }

    MessageRecorder boxes;
    ScriptedFileChooser files;
    TFormIntersectionResult report;
};

TEST_F(IntersectionResultTest, TheCopiedAndSavedReportsDifferInTheirEmptyLines) {
    const QByteArray parameters =
        "Y1(x) = x^2\r\n"
        "Y2(x) = x\r\n"
        "Minimum of X = -1\r\n"
        "Maximum of X = 1\r\n"
        "Numbers of steps = 4\r\n"
        "Accuracy (decimal signs) = 2\r\n";
    const QByteArray rows = "Intersection Points: 1\r\n x\t y\r\n0\t0\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("points.txt"));
    files.answer(path);
    QByteArray copied;
    Show("x^2", "x", -1, 1, 4, 2, [&] {
        Click("Button1");
        copied = QGuiApplication::clipboard()->text().toUtf8();
        Click("Button2");
    });
    EXPECT_EQ(copied, parameters + "\r\n" + rows);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), parameters + "\r\n\r\n" + rows);
    const FileDialogRequest r = files.last();
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.filter, QStringLiteral("*.txt|*.txt"));
    EXPECT_EQ(r.defaultExt, QStringLiteral(".txt"));
    EXPECT_TRUE(r.overwritePrompt);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(IntersectionResultTest, NoRowsLeaveTheHeaderAndOneEmptyRow) {
    Show("x", "x+1", -10, 10, 5000, 3);
    EXPECT_EQ(TextOf(report, "Label7"), QStringLiteral("Intersection Points: 0"));
    EXPECT_EQ(report.Grid().Lines(QStringLiteral("/")), (QStringList{" x/ y", "/"}));
    EXPECT_EQ(report.windowTitle(), QStringLiteral("Intersections"));
}

TEST_F(IntersectionResultTest, ACutTableSaysSoInOneBox) {
    for (std::int32_t steps : {100000, 100001}) {
        boxes.clear();
        Show("1", "1", 0, steps, steps, 3);
        EXPECT_EQ(TextOf(report, "Label7"), QStringLiteral("Intersection Points: 100000"));
        EXPECT_EQ(report.Grid().RowCount(), 100001);
        if (steps == 100000) {
            EXPECT_EQ(boxes.count(), 0);
        } else {
            ASSERT_EQ(boxes.count(), 1);
            EXPECT_EQ(boxes.last().kind, MsgKind::Information);
            EXPECT_EQ(boxes.last().text, QStringLiteral("The table is limited to 100000 rows."));
        }
    }
}

TEST_F(IntersectionResultTest, AFileThatCannotBeWrittenShowsTheErrorAndKeepsTheReportAndTheFile) {
    Show("x", "0", -1, 1, 4, 3, [&] { ExpectFailedSaveKeepsTheFile(report, files, boxes, [&] { Click("Button2"); }); });
}

TEST_F(IntersectionResultTest, CloseAndHelp) {
    Show("x", "0", -1, 1, 4, 3, [&] {
        Click("Button4");
        ExpectHelpShown(report, "ch04_01.htm", "44");
        EXPECT_TRUE(Control<QPushButton>(report, "Button3")->isDefault());
        Click("Button3");
        EXPECT_FALSE(report.isVisible());
    });
}

}  // namespace
