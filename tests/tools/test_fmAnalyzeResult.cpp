// Function analysis report: the zero and extremum scans over a table of functions and ranges, the
// row cap, and the report copied and saved.

#include "tools/fmAnalyzeResult.h"

#include "support/DialogFixture.h"
#include "support/FailedSave.h"
#include "support/MessageRecorder.h"
#include "support/ScopedLocale.h"
#include "support/ScriptedFileChooser.h"
#include "tools/ZMScan.h"
#include "tools/ZMToolContext.h"
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

// Scan results as texts rounded to 9 decimals; an extremum as "Min x y" or "Max x y".
std::vector<std::string> ZeroTexts(const TZerosRun& run) {
    std::vector<std::string> out;
    for (double x : run.Rows) out.push_back(FormatRounded(x, 9, '.'));
    return out;
}

std::vector<std::string> ExtremumTexts(const TExtremaRun& run) {
    std::vector<std::string> out;
    for (const TExtremum& e : run.Rows)
        out.push_back((e.IsMax ? "Max " : "Min ") + FormatRounded(e.X, 9, '.') + " " + FormatRounded(e.Y, 9, '.'));
    return out;
}

TEST(AnalysisScans, FindZerosAndExtremaOnTheGrid) {
    struct Case {
        const char* what;
        const char* formula;
        double min, max;
        int steps;
        std::vector<std::string> zeros;
        std::vector<std::string> extrema;
    };
    const Case cases[] = {
        // One root on a grid point gives one row, not a second one from the step before it.
        {"root on an exact grid point", "x", -4, 4, 8, {"0"}, {}},
        {"roots between grid points", "x^2-2", -10, 10, 500, {"-1.414213562", "1.414213562"}, {"Min 0 -2"}},
        {"root on a decimal grid point", "x-0.3", 0, 1, 10, {"0.3"}, {}},
        {"root between decimal grid points", "x-0.25", 0, 1, 10, {"0.25"}, {}},
        {"root at Min", "x+4", -4, 4, 8, {"-4"}, {}},
        {"root at Max", "x-4", -4, 4, 8, {"4"}, {}},
        {"root beyond Max is not listed", "x-4.5", -4, 4, 8, {}, {}},
        {"the grid zero of sqrt at 0", "sqrt(x)", -10, 10, 500, {"0"}, {}},
        {"grid zeros of x^2 with their extremum", "x^2", -1, 1, 4, {"0"}, {"Min 0 0"}},
        {"extremum at Min with a neighbour outside", "x^2", 0, 1, 4, {"0"}, {"Min 0 0"}},
        {"extremum at Max with a neighbour outside", "(x-1)^2+1", 0, 1, 4, {}, {"Min 1 1"}},
        {"maximum and minimum", "x^3-3*x", -3, 3, 6, {"-1.732050808", "0", "1.732050808"}, {"Max -1 2", "Min 1 -2"}},
        // Extrema next to a pole between grid points are kept.
        {"pole with a sign change at a midpoint", "1/x", -1, 1, 3, {}, {"Min -0.333333333 -3", "Max 0.333333333 3"}},
        {"pole with a sign change between midpoints", "1/(x-0.1)", -1, 1, 4, {}, {"Min 0 -10", "Max 0.5 2.5"}},
        {"pole without a sign change", "1/(x-0.1)^2", -1, 1, 4, {}, {"Max 0 100"}},
        {"jump that crosses zero", "int(x)-0.5", 0.25, 2.25, 4, {"1"}, {}},
        {"no zero across a gap where f fails", "x/sqrt(x^2-1)", -3, 3, 6, {}, {}},
        {"f fails at Min", "ln(x)", 0, 2, 2, {"1"}, {}},
        {"constant", "2", -1, 1, 4, {}, {}},
        // Neighbouring grid zeros are one zero, at the first of the best.
        {"zero function", "0", -1, 1, 4, {"-1"}, {}},
        {"small positive function", "0.00005", 0, 2, 2, {"0"}, {}},
        {"grid zeros at the best of the run", "abs(x-0.5)/100000", 0, 1, 4, {"0.5"}, {"Min 0.5 0"}},
        // A sign change within the run is closer to 0 than its grid points.
        {"sign change within a run of grid zeros", "(x-0.3)/10000", 0, 1, 5, {"0.3"}, {}},
        {"sign change out of a run of grid zeros", "(x-0.26)/1000", 0, 1, 4, {"0.26"}, {}},
        {"two runs of grid zeros", "(x^2-1)/10000", -2, 2, 8, {"-1", "1"}, {"Min 0 -0.0001"}},
        {"every point fails", "ln(x-100)", -10, 10, 500, {}, {}},
        {"range near 1E16 ends", "x-10000000000000000", 1e16, 1e16 + 10, 500, {"1E16"}, {}},
        {"h not finite", "x", -1e308, 1e308, 500, {}, {}},
    };
    for (const Case& c : cases) {
        TToolContext ctx({"x", "y"});
        const TScanGrid grid(c.min, c.max, c.steps);
        zm::TExpCal f(c.formula, ctx.OperatorLib, ctx.VarMemory, ctx.ConstMemory);
        ASSERT_TRUE(f.Valid) << c.what;
        const TZerosRun zeros = FindZeros(f, ctx.VarMemory, grid);
        EXPECT_EQ(ZeroTexts(zeros), c.zeros) << c.what;
        EXPECT_FALSE(zeros.Limited) << c.what;
        const TExtremaRun extrema = FindExtrema(f, ctx.VarMemory, grid);
        EXPECT_EQ(ExtremumTexts(extrema), c.extrema) << c.what;
        EXPECT_FALSE(extrema.Limited) << c.what;
    }
}

TEST(AnalysisScans, EachZeroOnceAtItsCrossingOnACoarseAndAFineGrid) {
    struct Case {
        const char* formula;
        int steps;  // on [-10, 10]
        std::vector<std::string> accuracy3;
        std::vector<std::string> accuracy6;
    };
    const std::vector<std::string> cubic3 = {"-1.732", "0", "1.732"};
    const std::vector<std::string> cubic6 = {"-1.732051", "0", "1.732051"};
    const std::vector<std::string> sine3 = {"-9.371", "-6.362", "-2.973", "-0.741", "0.741", "2.973", "6.362", "9.371"};
    const std::vector<std::string> sine6 = {"-9.371399", "-6.36186",  "-2.972585", "-0.740841",
                                            "0.740841",  "2.972585", "6.36186",   "9.371399"};
    const Case cases[] = {
        {"x^3-3*x", 500, cubic3, cubic6},
        {"x^3-3*x", 1000000, cubic3, cubic6},
        {"sin(x)*x-0.5", 500, sine3, sine6},
        {"sin(x)*x-0.5", 1000000, sine3, sine6},
    };
    for (const Case& c : cases) {
        TToolContext ctx({"x", "y"});
        zm::TExpCal f(c.formula, ctx.OperatorLib, ctx.VarMemory, ctx.ConstMemory);
        const TZerosRun run = FindZeros(f, ctx.VarMemory, TScanGrid(-10, 10, c.steps));
        std::vector<std::string> rounded3, rounded6;
        for (double x : run.Rows) {
            rounded3.push_back(FormatRounded(x, 3, '.'));
            rounded6.push_back(FormatRounded(x, 6, '.'));
        }
        EXPECT_EQ(rounded3, c.accuracy3) << c.formula << " " << c.steps;
        EXPECT_EQ(rounded6, c.accuracy6) << c.formula << " " << c.steps;
    }
}

TEST(AnalysisScans, EachTableStopsAtTheRowCap) {
    // On [0, steps] cos(PI*x) is 1 and -1 in turn at the grid points: a zero in every step and an
    // extremum at every grid point.
    struct Case {
        int steps;
        std::size_t zeros;
        bool zerosLimited;
        std::size_t extrema;
        bool extremaLimited;
    };
    const Case cases[] = {
        {99999, 99999, false, 100000, false},
        {100000, 100000, false, 100000, true},
        {100001, 100000, true, 100000, true},
    };
    for (const Case& c : cases) {
        TToolContext ctx({"x", "y"});
        const TScanGrid grid(0, c.steps, c.steps);
        zm::TExpCal f("cos(PI*x)", ctx.OperatorLib, ctx.VarMemory, ctx.ConstMemory);
        const TZerosRun zeros = FindZeros(f, ctx.VarMemory, grid);
        EXPECT_EQ(zeros.Rows.size(), c.zeros) << c.steps;
        EXPECT_EQ(zeros.Limited, c.zerosLimited) << c.steps;
        const TExtremaRun extrema = FindExtrema(f, ctx.VarMemory, grid);
        EXPECT_EQ(extrema.Rows.size(), c.extrema) << c.steps;
        EXPECT_EQ(extrema.Limited, c.extremaLimited) << c.steps;
    }
}

// The report over its own context (x, y and PI).
class AnalyzeResultTest : public ::testing::Test {
protected:
    AnalyzeResultTest() : ctx({"x", "y"}) { report.SetFileChooser(&files); }

    struct Run {
        const char* formula = "x^2-1";
        const char* derivative = "2*x";
        std::uint8_t zeros = 1, extrema = 1, derivativeShown = 1;
        double min = -2, max = 2;
        std::int32_t steps = 4, accuracy = 3;
    };
    // Shows the report for `run` and calls fn while it is shown.
    void Show(const Run& run, std::function<void()> fn = [] {}) {
        WhileShown(report, std::move(fn));
        report.Execute(run.formula, run.derivative, nullptr, ctx.OperatorLib, ctx.VarMemory, ctx.ConstMemory,
                       run.zeros, run.extrema, run.derivativeShown, run.min, run.max, run.steps, run.accuracy);
    }
    void Click(const char* button) { Control<QPushButton>(report, button)->click(); }
    QByteArray Copied() {
        Click("Button1");
        return QGuiApplication::clipboard()->text().toUtf8();
    }

    MessageRecorder boxes;
    ScriptedFileChooser files;
    TToolContext ctx;
    TFormAnalyzeResult report;
};

const QByteArray kParameters =
    "Y(x) = x^2-1\r\n"
    "Minimum of X = -2\r\n"
    "Maximum of X =2\r\n"
    "Number of steps = 4\r\n"
    "Accuracy (decimal signs) = 3\r\n";

TEST_F(AnalyzeResultTest, TheCopiedAndSavedReportsDifferInTheirEmptyLines) {
    struct Case {
        const char* what;
        std::uint8_t zeros, extrema, derivativeShown;
        const char* derivative;  // in the derivative box
        QByteArray copied;
        QByteArray saved;
    };
    const Case cases[] = {
        {"everything", 1, 1, 1, "2*x",
         kParameters + "\r\nZeros of function : 2\r\n\r\n X\r\n-1\r\n1\r\n\r\n\r\n"
                       "Extrema of function : 1\r\n\r\n\t X\t Y\r\nMin\t0\t-1\r\n",
         kParameters + "\r\n\r\nZeros of function : 2\r\n X\r\n-1\r\n1\r\n\r\n\r\n"
                       "Extrema of function : 1\r\n\t X\t Y\r\nMin\t0\t-1\r\n"},
        {"no zeros", 0, 1, 1, "2*x",
         kParameters + "\r\nZeros of function : \r\n\r\n X\r\n\r\n\r\n\r\n"
                       "Extrema of function : 1\r\n\r\n\t X\t Y\r\nMin\t0\t-1\r\n",
         kParameters + "\r\n\r\nZeros of function : \r\n X\r\n\r\n\r\n\r\n"
                       "Extrema of function : 1\r\n\t X\t Y\r\nMin\t0\t-1\r\n"},
        {"no extrema", 1, 0, 1, "2*x",
         kParameters + "\r\nZeros of function : 2\r\n\r\n X\r\n-1\r\n1\r\n\r\n\r\n"
                       "Extrema of function : \r\n\r\n\t X\t Y\r\n\t\t\r\n",
         kParameters + "\r\n\r\nZeros of function : 2\r\n X\r\n-1\r\n1\r\n\r\n\r\n"
                       "Extrema of function : \r\n\t X\t Y\r\n\t\t\r\n"},
        {"no derivative", 1, 1, 0, "",
         kParameters + "\r\nZeros of function : 2\r\n\r\n X\r\n-1\r\n1\r\n\r\n\r\n"
                       "Extrema of function : 1\r\n\r\n\t X\t Y\r\nMin\t0\t-1\r\n",
         kParameters + "\r\n\r\nZeros of function : 2\r\n X\r\n-1\r\n1\r\n\r\n\r\n"
                       "Extrema of function : 1\r\n\t X\t Y\r\nMin\t0\t-1\r\n"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.what) + QStringLiteral(".txt"));
        files.answer(path);
        Run run;
        run.zeros = c.zeros;
        run.extrema = c.extrema;
        run.derivativeShown = c.derivativeShown;
        QByteArray copied;
        QString derivative;
        Show(run, [&] {
            copied = Copied();
            Click("Button2");
            derivative = TextOf(report, "Edit1");
        });
        EXPECT_EQ(copied, c.copied) << c.what;
        EXPECT_EQ(derivative, QString::fromLatin1(c.derivative)) << c.what;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.what;
        EXPECT_EQ(f.readAll(), c.saved) << c.what;
    }
    const FileDialogRequest r = files.last();
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.filter, QStringLiteral("*.txt|*.txt"));
    EXPECT_EQ(r.defaultExt, QStringLiteral(".txt"));
    EXPECT_TRUE(r.overwritePrompt);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(AnalyzeResultTest, ResultsAreRoundedToTheAccuracyInTheLocaleFormat) {
    Run run;
    run.formula = "x^3-3*x";
    run.min = -10;
    run.max = 10;
    run.steps = 500;
    QStringList zeros3, zeros6, zeros1;
    Show(run, [&] { zeros3 = report.Zeros().Lines(QString()); });
    EXPECT_EQ(zeros3, (QStringList{" X", "-1.732", "0", "1.732"}));
    EXPECT_EQ(TextOf(report, "Label6"), QStringLiteral("Zeros of function : 3"));
    EXPECT_EQ(report.Extrema().Lines(QStringLiteral("/")), (QStringList{"/ X/ Y", "Max/-1/2", "Min/1/-2"}));
    run.accuracy = 6;
    Show(run, [&] { zeros6 = report.Zeros().Lines(QString()); });
    EXPECT_EQ(zeros6, (QStringList{" X", "-1.732051", "0", "1.732051"}));

    const ScopedLocale german(QLocale::German);
    run.formula = "x-0.26";
    run.accuracy = 1;
    run.min = -0.5;
    run.max = 1.5;
    run.steps = 8;  // h = 0.25: the root lies between 0.25 and 0.5
    run.extrema = 0;
    Show(run, [&] { zeros1 = report.Zeros().Lines(QString()); });
    EXPECT_EQ(zeros1, (QStringList{" X", "0,3"}));  // 0.26 to one decimal
    EXPECT_EQ(TextOf(report, "Label2"), QStringLiteral("Minimum of X = -0,5"));
    EXPECT_EQ(TextOf(report, "Label3"), QStringLiteral("Maximum of X =1,5"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(AnalyzeResultTest, ACutTableGivesOneBoxAlsoWhenBothAreCut) {
    // On [0, steps] cos(PI*x) has a zero in every step and an extremum at every grid point.
    struct Case {
        std::int32_t steps;
        std::uint8_t extrema;
        const char* zerosLabel;
        const char* extremaLabel;
        int zerosRows;
        int boxes;
    };
    const Case cases[] = {
        {100001, 0, "Zeros of function : 100000", "Extrema of function : ", 100001, 1},
        {100000, 1, "Zeros of function : 100000", "Extrema of function : 100000", 100001, 1},
        {100001, 1, "Zeros of function : 100000", "Extrema of function : 100000", 100001, 1},
        {99999, 1, "Zeros of function : 99999", "Extrema of function : 100000", 100000, 0},
    };
    for (const Case& c : cases) {
        boxes.clear();
        Run run;
        run.formula = "cos(PI*x)";
        run.min = 0;
        run.max = c.steps;
        run.steps = c.steps;
        run.extrema = c.extrema;
        Show(run);
        EXPECT_EQ(TextOf(report, "Label6"), QString::fromLatin1(c.zerosLabel)) << c.steps;
        EXPECT_EQ(TextOf(report, "Label7"), QString::fromLatin1(c.extremaLabel)) << c.steps;
        EXPECT_EQ(report.Zeros().RowCount(), c.zerosRows) << c.steps;
        ASSERT_EQ(boxes.count(), c.boxes) << c.steps;
        if (c.boxes) {
            EXPECT_EQ(boxes.last().kind, MsgKind::Information);
            EXPECT_EQ(boxes.last().text, QStringLiteral("The table is limited to 100000 rows."));
        }
    }
}

TEST_F(AnalyzeResultTest, AFileThatCannotBeWrittenShowsTheErrorAndKeepsTheReportAndTheFile) {
    Show(Run{}, [&] { ExpectFailedSaveKeepsTheFile(report, files, boxes, [&] { Click("Button2"); }); });
}

TEST_F(AnalyzeResultTest, CloseAndHelp) {
    Show(Run{}, [&] {
        Click("Button4");
        ExpectHelpShown(report, "ch04_01.htm", "43");
        Click("Button3");
        EXPECT_FALSE(report.isVisible());
    });
}

}  // namespace
