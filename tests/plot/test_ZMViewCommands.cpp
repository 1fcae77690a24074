// The view commands and the rubber-band arithmetic on plain view records.
#include "plot/ZMViewCommands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TCoordinateSettings View(double xmin, double xmax, double ymin, double ymax) {
    TCoordinateSettings v;
    v.XInterval = TInterval::CreateRange(1, xmin, xmax);
    v.YInterval = TInterval::CreateRange(1, ymin, ymax);
    return v;
}

struct CommandCase {
    const char* name;
    TViewCommand command;
    double xmin, xmax, ymin, ymax;
};

TEST(ViewCommands, EachCommandMovesTheIntervalsByItsRule) {
    // Start: X [-10, 10] and Y [-4, 6], ticks 1 on X and 0.5 on Y.
    const CommandCase cases[] = {
        {"zoom out X about 0", TViewCommand::ExpandHor, -20, 20, -4, 6},
        {"zoom out Y about 0", TViewCommand::ExpandVer, -10, 10, -8, 12},
        {"zoom out both", TViewCommand::ExpandBoth, -20, 20, -8, 12},
        {"zoom in X", TViewCommand::ContractHor, -5, 5, -4, 6},
        {"zoom in Y", TViewCommand::ContractVer, -10, 10, -2, 3},
        {"zoom in both", TViewCommand::ContractBoth, -5, 5, -2, 3},
        {"one step left", TViewCommand::MoveLeft, -11, 9, -4, 6},
        {"one step right", TViewCommand::MoveRight, -9, 11, -4, 6},
        {"one step up", TViewCommand::MoveUp, -10, 10, -3.5, 6.5},
        {"one step down", TViewCommand::MoveDown, -10, 10, -4.5, 5.5},
        {"move left by half the width", TViewCommand::MoveLeftMore, -20, 0, -4, 6},
        {"move right", TViewCommand::MoveRightMore, 0, 20, -4, 6},
        {"move up", TViewCommand::MoveUpMore, -10, 10, 1, 11},
        {"move down", TViewCommand::MoveDownMore, -10, 10, -9, 1},
        {"centre", TViewCommand::ViewCenter, -10, 10, -5, 5},
    };
    for (const auto& c : cases) {
        TCoordinateSettings v = View(-10, 10, -4, 6);
        v.YAxesTicksStep = 0.5;
        const TCoordinateSettings r = ApplyViewCommand(v, c.command);
        EXPECT_EQ(r.XInterval.Min, c.xmin) << c.name;
        EXPECT_EQ(r.XInterval.Max, c.xmax) << c.name;
        EXPECT_EQ(r.YInterval.Min, c.ymin) << c.name;
        EXPECT_EQ(r.YInterval.Max, c.ymax) << c.name;
        EXPECT_TRUE(IsUsableView(v, r)) << c.name;
    }
}

TEST(ViewCommands, ZoomScalesStepsAndOnlyTheEnabledGrids) {
    TCoordinateSettings v = View(-10, 10, -10, 10);
    v.XAxesLabelsStep = 2;
    v.GridVerEnabled = 1;
    v.GridVerStep = 3;
    v.GridHorEnabled = 0;
    v.GridHorStep = 5;
    v.GridRadialEnabled = 1;
    v.GridRadialStep = 7;

    const TCoordinateSettings x = ApplyViewCommand(v, TViewCommand::ExpandHor);
    EXPECT_EQ(x.XAxesTicksStep, 2);
    EXPECT_EQ(x.XAxesLabelsStep, 4);
    EXPECT_EQ(x.GridVerStep, 6);
    EXPECT_EQ(x.YAxesTicksStep, 1);
    EXPECT_EQ(x.GridRadialStep, 7);  // only "both" touches the circles

    const TCoordinateSettings both = ApplyViewCommand(v, TViewCommand::ContractBoth);
    EXPECT_EQ(both.GridRadialStep, 3.5);
    EXPECT_EQ(both.GridVerStep, 1.5);
    EXPECT_EQ(both.GridHorStep, 5);  // switched off: left alone
    EXPECT_EQ(both.YAxesTicksStep, 0.5);
    EXPECT_EQ(both.XAxesLabelsStep, 1);
}

TEST(ViewCommands, CentreKeepsAnEmptyAxisAndMirroredViewsStillZoomAndMove) {
    TCoordinateSettings v = View(2, 6, 3, 3);
    const TCoordinateSettings c = ApplyViewCommand(v, TViewCommand::ViewCenter);
    EXPECT_EQ(c.XInterval.Min, -2);
    EXPECT_EQ(c.XInterval.Max, 2);
    EXPECT_EQ(c.YInterval.Min, 3);
    EXPECT_EQ(c.YInterval.Max, 3);

    const TCoordinateSettings mirrored = View(10, -10, 5, -5);
    for (TViewCommand cmd : {TViewCommand::ExpandBoth, TViewCommand::ContractHor, TViewCommand::MoveLeft,
                             TViewCommand::MoveDownMore}) {
        const TCoordinateSettings r = ApplyViewCommand(mirrored, cmd);
        EXPECT_TRUE(IsUsableView(mirrored, r));
        EXPECT_NE(r, mirrored);
    }
    const TCoordinateSettings left = ApplyViewCommand(mirrored, TViewCommand::MoveLeftMore);
    EXPECT_EQ(left.XInterval.Min, 0);
    EXPECT_EQ(left.XInterval.Max, -20);
}

TEST(ViewCommands, RepeatedZoomNeverYieldsAnUnusableView) {
    for (TViewCommand cmd : {TViewCommand::ExpandBoth, TViewCommand::ContractBoth, TViewCommand::ExpandHor,
                             TViewCommand::ContractVer}) {
        TCoordinateSettings v = View(-10, 10, -10, 10);
        v.GridRadialEnabled = v.GridHorEnabled = v.GridVerEnabled = 1;
        int applied = 0;
        for (int i = 0; i < 3000; ++i) {
            const TCoordinateSettings next = ApplyViewCommand(v, cmd);
            if (!IsUsableView(v, next)) continue;
            v = next;
            ++applied;
        }
        EXPECT_GT(applied, 100);
        EXPECT_TRUE(std::isfinite(v.XInterval.Min) && std::isfinite(v.XInterval.Max));
        EXPECT_NE(v.XInterval.Min, v.XInterval.Max);
        EXPECT_NE(v.YInterval.Min, v.YInterval.Max);
        EXPECT_GT(v.XAxesTicksStep, 0);
        EXPECT_TRUE(std::isfinite(v.GridRadialStep));
    }
}

TEST(ViewCommands, UnusableResultsAreRecognised) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const TCoordinateSettings before = View(-1, 1, -1, 1);
    struct Case {
        const char* name;
        TCoordinateSettings after;
    } cases[] = {
        {"infinite max", View(-1, inf, -1, 1)},
        {"nan min", View(nan, 1, -1, 1)},
        {"empty y axis", View(-1, 1, 0, 0)},
        {"empty x axis", View(5, 5, -1, 1)},
    };
    for (const auto& c : cases) EXPECT_FALSE(IsUsableView(before, c.after)) << c.name;

    TCoordinateSettings zeroStep = before;
    zeroStep.YAxesTicksStep = 0;
    EXPECT_FALSE(IsUsableView(before, zeroStep));
    TCoordinateSettings infStep = before;
    infStep.GridRadialStep = inf;
    EXPECT_FALSE(IsUsableView(before, infStep));
    // What was already unusable before does not block the command.
    TCoordinateSettings flat = View(-1, 1, 2, 2);
    EXPECT_TRUE(IsUsableView(flat, ApplyViewCommand(flat, TViewCommand::ExpandHor)));
    TCoordinateSettings badBefore = before;
    badBefore.XAxesTicksStep = 0;
    EXPECT_TRUE(IsUsableView(badBefore, ApplyViewCommand(badBefore, TViewCommand::ExpandHor)));
}

TEST(ViewCommands, RoundTo3HalvesToEvenAndKeepsHugeValues) {
    const struct {
        double in, out;
    } cases[] = {
        {1.23449, 1.234}, {1.2346, 1.235}, {0.0005, 0}, {0.0015, 0.002}, {-2.0004, -2}, {1e306, 1e306},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundTo3(c.in), c.out) << c.in;
}

TEST(ViewCommands, BandGivesSortedRoundedIntervalsWithMinimumWidths) {
    const struct {
        const char* name;
        double x1, y1, x2, y2;
        double xmin, xmax, ymin, ymax;
    } cases[] = {
        {"any direction", 3.14159, -1.00049, -2.5, 4.2, -2.5, 3.142, -1, 4.2},
        {"corners coincide on x", 2.0004, 1, 2.0004, 3, 2, 3, 1, 3},
        {"ends round together", 1.00001, 0, 1.00002, 1, 1, 1.001, 0, 1},
    };
    for (const auto& c : cases) {
        TInterval x = TInterval::CreateRange(1, 0, 0), y;
        BandToIntervals(c.x1, c.y1, c.x2, c.y2, x, y);
        EXPECT_DOUBLE_EQ(x.Min, c.xmin) << c.name;
        EXPECT_DOUBLE_EQ(x.Max, c.xmax) << c.name;
        EXPECT_DOUBLE_EQ(y.Min, c.ymin) << c.name;
        EXPECT_DOUBLE_EQ(y.Max, c.ymax) << c.name;
        EXPECT_EQ(x.Enabled, 1) << c.name;
    }
}

}  // namespace
