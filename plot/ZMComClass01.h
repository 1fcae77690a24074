#pragma once
// Value records shared by graphs and the plane: line and fill style, interval and
// sampling parameters. Plain data; no toolkit.

#include <concepts>
#include <cstdint>

// Colour as 0x00BBGGRR; a top byte of 0xFF marks a system colour (negative values).
using TColor = std::int32_t;

// What a style needs from a canvas to set its pen and brush.
template <class C>
concept StyleCanvas = requires(C& c, std::int32_t width, std::uint8_t code, TColor col) {
    c.SetPenWidth(width);
    c.SetPenStyle(code);
    c.SetPenColor(col);
    c.SetBrushColor(col);
    c.SetBrushStyle(code);
};

// Pen and brush of a graph, an axis or a grid.
struct TGraphStyle {
    std::int32_t LineWidth = 1;
    std::uint8_t LineStyle = 0;   // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none, 6 inside frame
    TColor LineColor = 0;
    std::uint8_t BrushStyle = 5;  // 0 solid, 1 none, 2 horz, 3 vert, 4 fdiag, 5 bdiag, 6 cross, 7 diag cross
    TColor BrushColor = 0;

    static TGraphStyle CreateStyled(std::int32_t lineWidth, std::uint8_t lineStyle, TColor lineColor);

    // Pen width, style, colour, then brush colour before brush style.
    template <StyleCanvas C>
    void ApplyToCanvas(C& canvas) const {
        canvas.SetPenWidth(LineWidth);
        canvas.SetPenStyle(LineStyle);
        canvas.SetPenColor(LineColor);
        canvas.SetBrushColor(BrushColor);
        canvas.SetBrushStyle(BrushStyle);
    }

    void Assign(const TGraphStyle& source) { *this = source; }
    bool operator==(const TGraphStyle&) const = default;
};

// A domain; drawing restricts to it exactly when Min < Max.
struct TInterval {
    double Min = 0;
    double Max = 0;
    std::uint8_t Enabled = 0;

    static TInterval CreateRange(std::uint8_t enabled, double min, double max);
    bool Restricts() const { return Min < Max; }

    void Assign(const TInterval& source) { *this = source; }
    bool operator==(const TInterval&) const = default;
};

// Sampling of a curve (Steps, MaxGap) and of a relation region grid.
struct TPlotParameter {
    std::int32_t Steps = 500;
    std::int32_t StepsOnX = 50;
    std::int32_t StepsOnY = 50;
    std::int32_t MaxGap = 300;

    static TPlotParameter CreateSteps(std::int32_t steps, std::int32_t maxGap);
    static TPlotParameter CreateAll(std::int32_t steps, std::int32_t stepsOnX, std::int32_t stepsOnY,
                                    std::int32_t maxGap);

    void Assign(const TPlotParameter& source) { *this = source; }
    bool operator==(const TPlotParameter&) const = default;
};
