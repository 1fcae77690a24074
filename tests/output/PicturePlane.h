#pragma once
// A small plane whose image is a known pattern, for the picture dialogs' tests.

#include "plot/ZMCoordinate.h"
#include "support/PictureChecks.h"

#include <memory>

// A 9 x 6 plane whose every pixel is PatternColour(x, y).
inline std::unique_ptr<TCoordinate> PatternPlane(int width = 9, int height = 6) {
    auto plane = std::make_unique<TCoordinate>();
    plane->resize(width, height);
    TCanvas& canvas = plane->GetCanvas();
    canvas.SetBrushStyle(bsSolid);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb c = PatternColour(x, y);
            canvas.SetBrushColor(RGBColor(qRed(c), qGreen(c), qBlue(c)));
            canvas.FillRect(x, y, x + 1, y + 1);
        }
    return plane;
}

// What a picture of the pattern plane at width x height must show.
inline QImage PatternPicture(int width, int height, int planeWidth = 9, int planeHeight = 6) {
    return PatternImage(planeWidth, planeHeight).scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
