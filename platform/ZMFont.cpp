#include "platform/ZMFont.h"

#include <cmath>
#include <limits>

namespace {

int32_t roundSat(double v) {
    if (std::isnan(v)) return 0;
    const double r = std::round(v);
    if (r >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    if (r <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

}  // namespace

TFont TFont::Default(int32_t pixelsPerInch) {
    TFont f;
    f.PixelsPerInch = pixelsPerInch;
    f.SetSize(8);
    return f;
}

int32_t TFont::Size() const {
    if (PixelsPerInch <= 0) return 0;
    return roundSat(-(static_cast<double>(Height) * 72.0 / PixelsPerInch));
}

void TFont::SetSize(int32_t size) {
    Height = roundSat(-(static_cast<double>(size) * PixelsPerInch / 72.0));
}

void TFont::Assign(const TFont& src) {
    Charset = src.Charset;
    Color = src.Color;
    Name = src.Name;
    Pitch = src.Pitch;
    Style = src.Style;
    if (src.PixelsPerInch != PixelsPerInch)
        SetSize(src.Size());
    else
        Height = src.Height;
}
