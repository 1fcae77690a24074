#pragma once
// GDI-style drawing surface on a QImage (Format_RGB32): pen, brush, font and pen
// position with the pixel rules of the program's drawings. Nothing is clipped but by
// the image bounds. The header is Qt-free so that model code can draw through it.

#include "platform/ZMFont.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QFont;
class QImage;

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Pen style codes as stored in documents.
enum TPenStyleCode : uint8_t { psSolid = 0, psDash = 1, psDot = 2, psDashDot = 3, psDashDotDot = 4, psClear = 5, psInsideFrame = 6 };
// Brush style codes as stored in documents.
enum TBrushStyleCode : uint8_t { bsSolid = 0, bsClear = 1, bsHorizontal = 2, bsVertical = 3, bsFDiagonal = 4, bsBDiagonal = 5, bsCross = 6, bsDiagCross = 7 };
enum TPenMode : uint8_t { pmCopy = 0, pmNotXor = 1 };

struct TCanvasPen {
    int32_t Width = 1;
    uint8_t Style = psSolid;
    TColor Color = 0;
    uint8_t Mode = pmCopy;
    friend bool operator==(const TCanvasPen&, const TCanvasPen&) = default;
};

struct TCanvasBrush {
    uint8_t Style = bsSolid;
    TColor Color = 0xFFFFFF;
    friend bool operator==(const TCanvasBrush&, const TCanvasBrush&) = default;
};

// Font in force: the record plus its escapement in tenths of a degree (900 reads
// upwards, -900 downwards, anything else horizontal).
struct TCanvasFont {
    TFont Font;
    int32_t Escapement = 0;
    friend bool operator==(const TCanvasFont&, const TCanvasFont&) = default;
};

// One drawn primitive, for tests that check call sequences.
struct TCanvasRecord {
    enum Kind { MoveTo, LineTo, Rect, Ellipse, Polygon, TextOut, Fill };
    Kind kind;
    std::vector<TPoint> pts;  // MoveTo/LineTo/TextOut: one point; Rect/Ellipse/Fill: two corners as given
    std::string text;
    TCanvasPen pen;
    TCanvasBrush brush;
};

// "#AARRGGBB"-free conversions: r | g << 8 | b << 16.
inline constexpr TColor RGBColor(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
// The 0x00RRGGBB value a TColor paints as (system colours resolved through the palette).
uint32_t ColorToRgb(TColor c);
// The Qt font a TFont paints with: face, pixel height (capped), flags, fixed pitch.
QFont ToQFont(const TFont& f);

class TCanvas {
public:
    explicit TCanvas(QImage* target = nullptr);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Ends any painting on the old target first. The image must outlive its use here.
    void SetTarget(QImage* target);
    QImage* Target() const;
    // Ends the painter; call before reading, saving or reallocating the image.
    void Flush();

    // State. The setters take any code a file may bring.
    const TCanvasPen& Pen() const;
    void SetPen(const TCanvasPen& pen);
    void SetPenWidth(int32_t width);
    void SetPenStyle(uint8_t style);
    void SetPenColor(TColor color);
    void SetPenMode(uint8_t mode);

    const TCanvasBrush& Brush() const;
    void SetBrush(const TCanvasBrush& brush);
    // As on the original platform, colouring a clear brush makes it solid; so set the
    // colour before the style.
    void SetBrushColor(TColor color);
    void SetBrushStyle(uint8_t style);

    const TCanvasFont& Font() const;
    void SetFont(const TCanvasFont& font);
    void SetFont(const TFont& font);  // escapement 0
    void SetFontColor(TColor color);
    void SetFontEscapement(int32_t escapement);

    TPoint PenPos() const;
    void SetPenPos(TPoint p);

    // Primitives (GDI rules: line ends, right and bottom box edges left out).
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Polygon(const std::vector<TPoint>& pts);
    // Fills x1..x2-1, y1..y2-1 with the brush, no outline.
    void FillRect(int x1, int y1, int x2, int y2);
    // Top-left anchored; opaque over a box of the brush colour when the brush is solid.
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);
    // Copies `image` into the box x1..x2-1, y1..y2-1, stretched by nearest neighbour: only the
    // image's colours appear, and a box of the image's size copies it exactly. The pen mode does
    // not apply. An empty or reversed box draws nothing.
    void StretchDraw(int x1, int y1, int x2, int y2, const QImage& image);
    // Draws `image` unscaled with its top-left corner at (x, y), blended by its alpha: its
    // transparent pixels leave the canvas as it was. The pen mode does not apply.
    void Draw(int x, int y, const QImage& image);

    // Appends every primitive to *sink while set; nullptr stops recording.
    void SetRecording(std::vector<TCanvasRecord>* sink);
    bool Recording() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
