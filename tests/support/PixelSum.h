#pragma once
// A checksum of an image's pixels, for tests that hold a picture to stored values.

#include <QImage>

#include <cstdint>

// FNV-1a over the pixels, row by row (the image's own bytes, without row padding).
inline uint64_t PixelSum(const QImage& img) {
    uint64_t h = 1469598103934665603ull;
    const qsizetype rowBytes = static_cast<qsizetype>(img.width()) * img.depth() / 8;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* row = img.constScanLine(y);
        for (qsizetype i = 0; i < rowBytes; ++i) h = (h ^ row[i]) * 1099511628211ull;
    }
    return h;
}
