#include "plot/ZMComClass01.h"

TGraphStyle TGraphStyle::CreateStyled(std::int32_t lineWidth, std::uint8_t lineStyle, TColor lineColor) {
    TGraphStyle s;
    s.LineWidth = lineWidth;
    s.LineStyle = lineStyle;
    s.LineColor = lineColor;
    return s;
}

TInterval TInterval::CreateRange(std::uint8_t enabled, double min, double max) {
    TInterval i;
    i.Enabled = enabled;
    i.Min = min;
    i.Max = max;
    return i;
}

TPlotParameter TPlotParameter::CreateSteps(std::int32_t steps, std::int32_t maxGap) {
    return CreateAll(steps, 50, 50, maxGap);
}

TPlotParameter TPlotParameter::CreateAll(std::int32_t steps, std::int32_t stepsOnX, std::int32_t stepsOnY,
                                         std::int32_t maxGap) {
    TPlotParameter p;
    p.Steps = steps;
    p.StepsOnX = stepsOnX;
    p.StepsOnY = stepsOnY;
    p.MaxGap = maxGap;
    return p;
}
