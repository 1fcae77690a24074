#pragma once
// The persistent settings of a coordinate plane: view, axes, titles, legend and grids.
// Plain data owned by the plane widget; the document file stores every field by name.

#include "platform/ZMFont.h"
#include "plot/ZMComClass01.h"

#include <cstdint>
#include <string>
#include <utility>

// Arrow at the positive end of an axis and its caption.
struct TAxesArrow {
    std::uint8_t Enabled = 1;  // 1 = arrow and caption drawn
    std::string Name;

    static TAxesArrow Create(std::uint8_t enabled, std::string name) { return {enabled, std::move(name)}; }
    bool operator==(const TAxesArrow&) const = default;
};

struct TCoordinateSettings {
    TInterval XInterval = TInterval::CreateRange(1, -10, 10);
    TInterval YInterval = TInterval::CreateRange(1, -10, 10);
    TPlotParameter PlotParameter;  // kept with the plane; drawing reads each graph's own
    std::uint8_t AxesStyle = 0;    // 0 crossed through the origin, other values boxed
    TColor BackgroundColor = 0xFFFFFF;
    std::uint8_t EqualScaleEnabled = 0;
    std::uint8_t XAxesDirection = 0;  // 0 x grows to the right, other values to the left
    std::uint8_t YAxesDirection = 1;  // 1 y grows upwards, other values downwards
    TGraphStyle XAxesGraphStyle;
    TGraphStyle YAxesGraphStyle;
    TAxesArrow XArrow{1, "X"};
    TAxesArrow YArrow{1, "Y"};
    double XAxesTicksStep = 1.0;
    std::int32_t XAxesTicksLength = 2;
    double YAxesTicksStep = 1.0;
    std::int32_t YAxesTicksLength = 2;
    double XAxesLabelsStep = 1.0;
    std::string XAxesLabelsString;
    double YAxesLabelsStep = 1.0;
    std::string YAxesLabelsString;
    std::uint8_t XAxesLabelSide = 1;  // 1 below the axis, other values above
    std::uint8_t YAxesLabelSide = 1;  // 0 left of the axis, other values right
    std::uint8_t TitleTopEnabled = 0;
    std::string TitleTop;
    TFont TitleTopFont;
    std::uint8_t TitleBottomEnabled = 0;
    std::string TitleBottom;
    TFont TitleBottomFont;
    std::uint8_t TitleLeftEnabled = 0;
    std::string TitleLeft;
    TFont TitleLeftFont;
    std::uint8_t TitleRightEnabled = 0;
    std::string TitleRight;
    TFont TitleRightFont;
    std::uint8_t LegendEnabled = 0;
    std::uint8_t ShowSampleEnabled = 1;
    std::uint8_t TextColorAsGraphEnabled = 0;
    std::uint8_t LegendPosition = 1;  // 0 x = 80, 1 Width div 2, 2 (Width div 4) * 3
    std::uint8_t GridHorEnabled = 0;
    double GridHorStep = 1.0;
    TGraphStyle GridHorGraphStyle = TGraphStyle::CreateStyled(1, 2, 0x808080);
    std::uint8_t GridVerEnabled = 0;
    double GridVerStep = 1.0;
    TGraphStyle GridVerGraphStyle = TGraphStyle::CreateStyled(1, 2, 0x808080);
    std::uint8_t GridRadialEnabled = 0;
    double GridRadialStep = 1.0;
    TGraphStyle GridRadialGraphStyle = RadialGridStyle();
    std::uint8_t GridAngularEnabled = 0;
    double GridAngularStep = 0.25;  // in multiples of pi
    TGraphStyle GridAngularGraphStyle = TGraphStyle::CreateStyled(1, 2, 0x808080);

    // Title fonts of a new plane: the default font at the given resolution.
    static TCoordinateSettings Create(std::int32_t pixelsPerInch = 96);

    bool operator==(const TCoordinateSettings&) const = default;

private:
    static TGraphStyle RadialGridStyle() {
        TGraphStyle s = TGraphStyle::CreateStyled(1, 2, 0x808080);
        s.BrushStyle = 1;
        s.BrushColor = 0xFFFFFF;
        return s;
    }
};

inline TCoordinateSettings TCoordinateSettings::Create(std::int32_t pixelsPerInch) {
    TCoordinateSettings s;
    s.TitleTopFont = s.TitleBottomFont = s.TitleLeftFont = s.TitleRightFont = TFont::Default(pixelsPerInch);
    return s;
}
