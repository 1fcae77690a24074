#pragma once
// Reads back the enhanced metafiles the program writes (a header, one stretch-DIB-bits record
// holding a 24-bit bottom-up raster, an end-of-file record), checking their structure on the way.
// Anything that does not fit is named in `fault`; the fields read so far stay filled.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

struct EmfRecordInfo {
    uint32_t type = 0;
    uint32_t size = 0;
    friend bool operator==(const EmfRecordInfo&, const EmfRecordInfo&) = default;
};

struct EmfContent {
    QString fault;  // empty for a well-formed file
    std::vector<EmfRecordInfo> records;

    // Header.
    std::array<int32_t, 4> bounds{};
    std::array<int32_t, 4> frame{};  // 0.01 mm
    uint32_t signature = 0;
    uint32_t version = 0;
    uint32_t nBytes = 0;
    uint32_t nRecords = 0;
    uint16_t nHandles = 0;
    std::array<int32_t, 2> device{};
    std::array<int32_t, 2> millimetres{};
    std::array<int32_t, 2> micrometres{};

    // The raster record and its bitmap header.
    std::array<int32_t, 4> rasterBounds{};
    std::array<int32_t, 2> dest{};
    std::array<int32_t, 4> source{};  // x, y, width, height
    std::array<int32_t, 2> destSize{};
    uint32_t rop = 0;
    int32_t bitmapWidth = 0;
    int32_t bitmapHeight = 0;  // positive: bottom-up
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    std::array<int32_t, 2> pelsPerMetre{};
    QImage image;  // the raster, top row first (Format_RGB32)

    // The end-of-file record.
    uint32_t eofSizeLast = 0;
};

EmfContent ReadEmf(const QByteArray& bytes);
