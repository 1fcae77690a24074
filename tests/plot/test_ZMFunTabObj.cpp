#include "plot/ZMFunTabObj.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

TTableObj tableOf(const std::vector<std::pair<double, double>>& pts) {
    TTableObj t;
    for (const auto& [x, y] : pts) t.AddPoint(x, y);
    return t;
}

std::vector<std::pair<double, double>> pointsOf(const TTableObj& t) {
    std::vector<std::pair<double, double>> out;
    for (const TTableElemObj& p : t.Points) out.emplace_back(p.x, p.y);
    return out;
}

TEST(FunctionObj, Defaults) {
    const TFunctionObj f;
    EXPECT_EQ(f.Name, "UnknownFunctionObj");
    EXPECT_EQ(f.Exp, "");
    EXPECT_EQ(f.AddExp, "");
    EXPECT_EQ(f.ShowEnabled, 0);
    EXPECT_EQ(f.Description, "Unknown Description");
    EXPECT_EQ(f.GraphStyle, TGraphStyle());
    EXPECT_EQ(f.GraphStyle.BrushStyle, 5);
    EXPECT_EQ(f.Interval, TInterval());
    EXPECT_EQ(f.AddInterval, TInterval());
    EXPECT_EQ(f.PlotParameter, (TPlotParameter{500, 50, 50, 300}));
    EXPECT_EQ(f.FunctionObjType, 0);
}

TEST(TableObj, Defaults) {
    const TTableObj t;
    EXPECT_EQ(t.Name, "UnknownTableObj");
    EXPECT_EQ(t.ShowEnabled, 0);
    EXPECT_EQ(t.Description, "Unknown Description");
    EXPECT_EQ(t.GraphStyle, TGraphStyle());
    EXPECT_EQ(t.Interval, TInterval());
    EXPECT_EQ(t.PlotParameter, TPlotParameter());
    EXPECT_EQ(t.Smooth, 0);
    EXPECT_EQ(t.SortingType, 0);
    EXPECT_EQ(t.Count(), 0u);
}

TEST(Caption, ByGraphKind) {
    struct Case { int type; const char* exp; const char* addExp; const char* caption; };
    const Case cases[] = {
        {0, "sin x", "", "Y(x)=sin x"},
        {1, "y^2", "ignored", "X(y)=y^2"},
        {2, "2*a", "", "R(a)=2*a"},
        {3, "cos t", "sin t", "X(t)=cos t ; Y(t)=sin t"},
        {4, "x^2+y^2-4", "=0", "f(x,y)=x^2+y^2-4=0"},
        {5, "x", "", ""},
        {255, "x", "", ""},
    };
    for (const Case& c : cases) {
        TFunctionObj f;
        f.FunctionObjType = static_cast<std::uint8_t>(c.type);
        f.Exp = c.exp;
        f.AddExp = c.addExp;
        EXPECT_EQ(f.Caption(), c.caption) << "type " << c.type;
    }
    EXPECT_EQ(TTableObj().Caption(), "Table: 0 Items");
    TTableObj t;
    for (int i = 0; i < 12; ++i) t.AddPoint(i, i);
    EXPECT_EQ(t.Caption(), "Table: 12 Items");
}

TEST(FunctionObj, SettersAndAssignCopyValues) {
    TFunctionObj src;
    src.Name = "g";
    src.Exp = "x";
    src.AddExp = ">0";
    src.ShowEnabled = 1;
    src.Description = "d";
    TGraphStyle style = TGraphStyle::CreateStyled(2, 1, 255);
    src.SetGraphStyle(style);
    style.LineWidth = 9;  // the argument stays the caller's
    EXPECT_EQ(src.GraphStyle.LineWidth, 2);
    src.SetInterval(TInterval::CreateRange(1, -1, 1));
    src.SetAddInterval(TInterval::CreateRange(0, -2, 2));
    src.SetPlotParameter(TPlotParameter::CreateSteps(100, 10));
    src.FunctionObjType = 4;

    TFunctionObj dst;
    dst.Assign(src);
    EXPECT_EQ(dst, src);
    dst.GraphStyle.LineColor = 7;
    dst.AddInterval.Max = 99;
    EXPECT_EQ(src.GraphStyle.LineColor, 255);
    EXPECT_EQ(src.AddInterval.Max, 2);
}

TEST(TableObj, AssignReplacesPoints) {
    TTableObj src = tableOf({{1, 1}, {2, 2}, {3, 3}});
    src.Name = "t";
    src.ShowEnabled = 1;
    src.Description = "d";
    src.GraphStyle = TGraphStyle::CreateStyled(3, 2, 5);
    src.Interval = TInterval::CreateRange(1, 0, 4);
    src.PlotParameter = TPlotParameter::CreateAll(1, 2, 3, 4);
    src.Smooth = 1;
    src.SortingType = 2;

    TTableObj dst = tableOf({{9, 9}, {8, 8}, {7, 7}, {6, 6}, {5, 5}});
    dst.Assign(src);
    EXPECT_EQ(dst.Count(), 3u);
    EXPECT_EQ(dst, src);
    dst.GetPoint(0)->x = 42;
    EXPECT_EQ(src.GetPoint(0)->x, 1);
}

TEST(TableObj, AssignFromItselfKeepsPoints) {
    TTableObj t = tableOf({{1, 2}, {3, 4}});
    t.Name = "self";
    const TTableObj& alias = t;
    t.Assign(alias);
    EXPECT_EQ(t.Count(), 2u);
    EXPECT_EQ(t.Name, "self");
    EXPECT_EQ(pointsOf(t), (std::vector<std::pair<double, double>>{{1, 2}, {3, 4}}));
}

TEST(TableObj, GetPointOutOfRangeIsNull) {
    TTableObj t = tableOf({{1, 2}});
    ASSERT_NE(t.GetPoint(0), nullptr);
    EXPECT_EQ(t.GetPoint(0)->y, 2);
    for (std::ptrdiff_t i : {std::ptrdiff_t{-1}, std::ptrdiff_t{1}, std::ptrdiff_t{1000}})
        EXPECT_EQ(t.GetPoint(i), nullptr) << i;
    const TTableObj empty;
    EXPECT_EQ(empty.GetPoint(0), nullptr);
}

TEST(TableObj, SortIsStableByKey) {
    using Pts = std::vector<std::pair<double, double>>;
    const Pts sample = {{3, 1}, {1, 2}, {3, 3}, {2, 4}};
    struct Case { const char* what; Pts in; bool byX; Pts out; };
    const Case cases[] = {
        {"by x, equal keys keep order", sample, true, {{1, 2}, {2, 4}, {3, 1}, {3, 3}}},
        {"by y, already sorted", sample, false, sample},
        {"reversed", {{3, 0}, {2, 0}, {1, 0}}, true, {{1, 0}, {2, 0}, {3, 0}}},
        {"all equal keys", {{1, 3}, {1, 2}, {1, 1}}, true, {{1, 3}, {1, 2}, {1, 1}}},
        {"by y with ties", {{0, 2}, {1, 1}, {2, 2}, {3, 1}}, false, {{1, 1}, {3, 1}, {0, 2}, {2, 2}}},
        {"one point", {{5, 5}}, true, {{5, 5}}},
        {"no points", {}, false, {}},
    };
    for (const Case& c : cases) {
        TTableObj t = tableOf(c.in);
        if (c.byX) t.SortByX();
        else t.SortByY();
        EXPECT_EQ(pointsOf(t), c.out) << c.what;
    }
}

TEST(TableObj, SortWithNanKeysKeepsEveryPoint) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TTableObj t = tableOf({{2, 0}, {nan, 1}, {1, 2}, {0, 3}});
    t.SortByX();
    ASSERT_EQ(t.Count(), 4u);
    // NaN never compares less, so it acts as a barrier for the bubble passes.
    EXPECT_EQ(t.GetPoint(0)->x, 2);
    EXPECT_TRUE(std::isnan(t.GetPoint(1)->x));
    EXPECT_EQ(t.GetPoint(2)->x, 0);
    EXPECT_EQ(t.GetPoint(3)->x, 1);

    // Each run between barriers is sorted on its own; equal keys keep their order.
    TTableObj runs = tableOf({{3, 0}, {nan, 1}, {2, 2}, {1, 3}, {2, 4}, {nan, 5}, {nan, 6}, {0, 7}, {-1, 8}});
    runs.SortByX();
    std::vector<double> ys;
    for (const TTableElemObj& p : runs.Points) ys.push_back(p.y);
    EXPECT_EQ(ys, (std::vector<double>{0, 1, 3, 2, 4, 5, 6, 8, 7}));
}

TEST(Memory, AddStoresDeepCopies) {
    TMemory m;
    {
        auto f = std::make_unique<TFunctionObj>();
        f->Exp = "x^2";
        m.AddFunction(*f);
        f->Exp = "changed";
        f->GraphStyle.LineWidth = 5;
    }  // argument freed
    TTableObj t = tableOf({{1, 1}});
    m.AddTable(t);
    t.AddPoint(2, 2);
    t.Name = "changed";

    ASSERT_EQ(m.Count(), 2u);
    ASSERT_NE(m.GetFunction(0), nullptr);
    EXPECT_EQ(m.GetFunction(0)->Exp, "x^2");
    EXPECT_EQ(m.GetFunction(0)->GraphStyle.LineWidth, 1);
    ASSERT_NE(m.GetTable(1), nullptr);
    EXPECT_EQ(m.GetTable(1)->Count(), 1u);
    EXPECT_EQ(m.GetTable(1)->Name, "UnknownTableObj");
}

TEST(Memory, AccessorsByIndex) {
    TMemory m;
    TFunctionObj f;
    f.ShowEnabled = 1;
    f.GraphStyle.LineColor = 255;
    m.AddFunction(f);
    TTableObj t = tableOf({{0, 0}, {1, 1}});
    t.GraphStyle.LineColor = 16711680;
    m.AddTable(t);

    struct Case { std::ptrdiff_t index; int kind; int show; bool hasStyle; const char* caption; };
    const Case cases[] = {
        {-1, 2, 0, false, ""},
        {0, 0, 1, true, "Y(x)="},
        {1, 1, 0, true, "Table: 2 Items"},
        {2, 2, 0, false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m.GetObjKind(c.index), c.kind) << c.index;
        EXPECT_EQ(m.GetShowEnabled(c.index), c.show) << c.index;
        EXPECT_EQ(m.GetGraphStyle(c.index) != nullptr, c.hasStyle) << c.index;
        EXPECT_EQ(m.GetCaption(c.index), c.caption) << c.index;
    }
    EXPECT_EQ(m.GetGraphStyle(0)->LineColor, 255);
    EXPECT_EQ(m.GetGraphStyle(1)->LineColor, 16711680);
    EXPECT_EQ(m.GetFunction(1), nullptr);  // wrong kind
    EXPECT_EQ(m.GetTable(0), nullptr);

    m.SetShowEnabled(1, 1);
    m.SetShowEnabled(0, 0);
    m.SetShowEnabled(-1, 1);
    m.SetShowEnabled(2, 1);
    EXPECT_EQ(m.GetTable(1)->ShowEnabled, 1);
    EXPECT_EQ(m.GetFunction(0)->ShowEnabled, 0);
    EXPECT_EQ(m.Count(), 2u);
}

TEST(Memory, DeleteGraphOnlyInRange) {
    TMemory m;
    for (const char* e : {"a", "b", "c"}) {
        TFunctionObj f;
        f.Exp = e;
        m.AddFunction(f);
    }
    m.DeleteGraph(-1);
    m.DeleteGraph(3);
    ASSERT_EQ(m.Count(), 3u);
    m.DeleteGraph(1);
    ASSERT_EQ(m.Count(), 2u);
    EXPECT_EQ(m.GetFunction(0)->Exp, "a");
    EXPECT_EQ(m.GetFunction(1)->Exp, "c");
    m.Clear();
    EXPECT_EQ(m.Count(), 0u);
    EXPECT_EQ(m.GetObjKind(0), 2);
}

}  // namespace
