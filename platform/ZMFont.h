#pragma once
// The font record of the program: a plain value (no Qt) that the canvas turns into a
// QFont at paint time. The stored face name is kept as given; fontconfig substitutes it.

#include <cstdint>
#include <string>

using TColor = int32_t;  // 0x00BBGGRR; a top byte of 0xFF marks a system colour

inline constexpr TColor clWindowText = static_cast<TColor>(0xFF000008u);

// Flags of TFont::Style.
enum TFontStyleFlag : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TFont {
    uint8_t Charset = 1;  // default character set
    TColor Color = clWindowText;
    int32_t Height = -11;  // pixels; negative = character height without internal leading
    std::string Name = "MS Sans Serif";
    uint8_t Pitch = 0;  // 0 default, 1 variable, 2 fixed
    int32_t PixelsPerInch = 96;
    uint8_t Style = 0;  // TFontStyleFlag bits

    // The default font at the given resolution: "MS Sans Serif", 8 points.
    static TFont Default(int32_t pixelsPerInch = 96);

    // Points: -(Height * 72 / PixelsPerInch), rounded; 0 when the resolution is not positive.
    int32_t Size() const;
    // Height := -(size * PixelsPerInch / 72), rounded (saturated to 32 bits).
    void SetSize(int32_t size);

    // Copies height, face, flags, charset, pitch and colour and keeps this font's own
    // resolution; when the resolutions differ the size in points carries over instead.
    void Assign(const TFont& src);

    bool HasStyle(TFontStyleFlag f) const { return (Style & f) != 0; }

    friend bool operator==(const TFont&, const TFont&) = default;
};
