// Stretched drawing of an image into a box of the canvas.
#include "platform/ZMCanvas.h"

#include "support/PictureChecks.h"

#include <QImage>
#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace {

QImage whiteImage(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// The box drawn on a white w x h image through the canvas.
QImage drawn(int w, int h, int x1, int y1, int x2, int y2, const QImage& source) {
    QImage img = whiteImage(w, h);
    TCanvas canvas(&img);
    canvas.StretchDraw(x1, y1, x2, y2, source);
    canvas.Flush();
    return img;
}

// What a box should show: the source scaled to the box by nearest neighbour, on white.
QImage expected(int w, int h, int x1, int y1, int bw, int bh, const QImage& source) {
    const QImage scaled = source.scaled(bw, bh, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage img = whiteImage(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (x >= x1 && x < x1 + bw && y >= y1 && y < y1 + bh) img.setPixel(x, y, scaled.pixel(x - x1, y - y1));
    return img;
}

}  // namespace

TEST(CanvasStretch, NearestNeighbourIntoTheBox) {
    const QImage source = PatternImage(7, 5);
    const struct Case {
        const char* what;
        int x1, y1, x2, y2;
    } cases[] = {
        {"same size at the origin", 0, 0, 7, 5},
        {"same size, moved", 3, 2, 10, 7},
        {"twice the width, three times the height", 0, 0, 14, 15},
        {"a non-integer stretch", 1, 1, 11, 9},
        {"shrunk", 2, 3, 5, 5},
        {"hanging over the left and top edges", -4, -3, 6, 6},
        {"hanging over the right and bottom edges", 12, 10, 30, 25},
        {"same size, half outside", -3, -2, 4, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(SamePixels(drawn(20, 16, c.x1, c.y1, c.x2, c.y2, source),
                               expected(20, 16, c.x1, c.y1, c.x2 - c.x1, c.y2 - c.y1, source)));
    }
    // A same-size copy is the source itself; an integer enlargement repeats each pixel.
    EXPECT_TRUE(SamePixels(drawn(7, 5, 0, 0, 7, 5, source), source));
    const QImage doubled = drawn(14, 15, 0, 0, 14, 15, source);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 14; ++x) ASSERT_EQ(doubled.pixel(x, y), source.pixel(x / 2, y / 3)) << x << ", " << y;
}

TEST(CanvasStretch, FarBoxesDrawOnlyTheirVisiblePart) {
    const QImage source = PatternImage(6, 4);
    // Same size with its corner at the far negative end: nothing of it reaches the image.
    EXPECT_TRUE(SamePixels(drawn(8, 8, INT_MIN, INT_MIN, INT_MIN + 6, INT_MIN + 4, source), whiteImage(8, 8)));
    // Same size ending just inside: the last column and row show at the corner.
    const QImage corner = drawn(8, 8, -5, -3, 1, 1, source);
    EXPECT_EQ(corner.pixel(0, 0), source.pixel(5, 3));
    EXPECT_EQ(corner.pixel(1, 1) & 0xFFFFFFu, 0xFFFFFFu);
    // A box of the whole int range: the pixels near the middle are those of the source's middle.
    const QImage huge = drawn(4, 4, INT_MIN, INT_MIN, INT_MAX, INT_MAX, source);
    EXPECT_EQ(huge.pixel(0, 0), source.pixel(3, 2));
    EXPECT_EQ(huge.pixel(3, 3), source.pixel(3, 2));
}

TEST(CanvasStretch, EmptyBoxesAndNullImagesDrawNothingAndThePenModeStays) {
    const QImage source = PatternImage(3, 3);
    for (const auto& box : {std::array{2, 2, 2, 6}, std::array{2, 2, 6, 2}, std::array{6, 6, 2, 2}})
        EXPECT_TRUE(SamePixels(drawn(8, 8, box[0], box[1], box[2], box[3], source), whiteImage(8, 8)));
    EXPECT_TRUE(SamePixels(drawn(8, 8, 0, 0, 8, 8, QImage()), whiteImage(8, 8)));

    // The image is copied even in not-xor mode, and lines after it still use not-xor.
    QImage img = whiteImage(8, 8);
    TCanvas canvas(&img);
    canvas.SetPenMode(pmNotXor);
    canvas.StretchDraw(0, 0, 3, 3, source);
    canvas.MoveTo(0, 5);
    canvas.LineTo(8, 5);
    canvas.MoveTo(1, 0);
    canvas.LineTo(1, 8);
    canvas.Flush();
    EXPECT_EQ(img.pixel(0, 0), source.pixel(0, 0));
    EXPECT_EQ(img.pixel(4, 5) & 0xFFFFFFu, 0x000000u);
    EXPECT_EQ(img.pixel(1, 1) & 0xFFFFFFu, ~source.pixel(1, 1) & 0xFFFFFFu);  // not-xor of black inverts
}
