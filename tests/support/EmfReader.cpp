#include "support/EmfReader.h"

#include <QtEndian>

namespace {

class Cursor {
public:
    Cursor(const QByteArray& bytes, qsizetype at) : bytes_(bytes), at_(at) {}
    bool ok() const { return ok_; }
    uint32_t u32() { return get<uint32_t>(); }
    int32_t i32() { return static_cast<int32_t>(get<uint32_t>()); }
    uint16_t u16() { return get<uint16_t>(); }
    uint8_t u8() { return get<uint8_t>(); }

private:
    template <class T>
    T get() {
        if (at_ < 0 || at_ + qsizetype(sizeof(T)) > bytes_.size()) {
            ok_ = false;
            return 0;
        }
        const T v = qFromLittleEndian<T>(bytes_.constData() + at_);
        at_ += sizeof(T);
        return v;
    }
    const QByteArray& bytes_;
    qsizetype at_;
    bool ok_ = true;
};

template <size_t N>
void fill(Cursor& c, std::array<int32_t, N>& a) {
    for (int32_t& v : a) v = c.i32();
}

void readHeader(const QByteArray& bytes, EmfContent& e) {
    Cursor c(bytes, 8);
    fill(c, e.bounds);
    fill(c, e.frame);
    e.signature = c.u32();
    e.version = c.u32();
    e.nBytes = c.u32();
    e.nRecords = c.u32();
    e.nHandles = c.u16();
    c.u16();
    c.u32();  // description
    c.u32();
    c.u32();  // palette
    fill(c, e.device);
    fill(c, e.millimetres);
    c.u32();
    c.u32();
    c.u32();
    fill(c, e.micrometres);
    if (!c.ok()) e.fault = QStringLiteral("short header");
}

void readRaster(const QByteArray& bytes, qsizetype start, uint32_t size, EmfContent& e) {
    Cursor c(bytes, start + 8);
    fill(c, e.rasterBounds);
    fill(c, e.dest);
    fill(c, e.source);
    const uint32_t offBmi = c.u32(), cbBmi = c.u32(), offBits = c.u32(), cbBits = c.u32();
    c.u32();  // colour usage
    e.rop = c.u32();
    fill(c, e.destSize);
    if (!c.ok() || cbBmi < 40 || offBmi + cbBmi > size || offBits + qsizetype(cbBits) > size) {
        e.fault = QStringLiteral("raster offsets outside the record");
        return;
    }
    Cursor b(bytes, start + offBmi);
    if (b.u32() != 40) e.fault = QStringLiteral("bitmap header size");
    e.bitmapWidth = b.i32();
    e.bitmapHeight = b.i32();
    b.u16();  // planes
    e.bitCount = b.u16();
    e.compression = b.u32();
    e.imageSize = b.u32();
    fill(b, e.pelsPerMetre);
    if (e.bitCount != 24 || e.compression != 0 || e.bitmapWidth <= 0 || e.bitmapHeight <= 0) {
        e.fault = QStringLiteral("not an uncompressed 24-bit bottom-up bitmap");
        return;
    }
    const qsizetype w = e.bitmapWidth, h = e.bitmapHeight;
    const qsizetype stride = (3 * w + 3) / 4 * 4;
    if (stride * h != qsizetype(cbBits) || cbBits != e.imageSize) {
        e.fault = QStringLiteral("bitmap size");
        return;
    }
    e.image = QImage(int(w), int(h), QImage::Format_RGB32);
    for (qsizetype row = 0; row < h; ++row) {
        Cursor p(bytes, start + offBits + row * stride);
        const int y = int(h - 1 - row);
        for (qsizetype x = 0; x < w; ++x) {
            const uint8_t blue = p.u8(), green = p.u8(), red = p.u8();
            e.image.setPixel(int(x), y, qRgb(red, green, blue));
        }
        for (qsizetype pad = 3 * w; pad < stride; ++pad)
            if (p.u8() != 0) e.fault = QStringLiteral("row padding not zero");
    }
}

}  // namespace

EmfContent ReadEmf(const QByteArray& bytes) {
    EmfContent e;
    qsizetype at = 0;
    while (at < bytes.size()) {
        Cursor c(bytes, at);
        const uint32_t type = c.u32(), size = c.u32();
        if (!c.ok() || size < 8 || size % 4 != 0 || at + qsizetype(size) > bytes.size()) {
            e.fault = QStringLiteral("record at %1 does not fit").arg(at);
            return e;
        }
        e.records.push_back({type, size});
        if (type == 1 && at == 0) readHeader(bytes, e);
        else if (type == 81) readRaster(bytes, at, size, e);
        else if (type == 14) e.eofSizeLast = Cursor(bytes, at + size - 4).u32();
        at += size;
    }
    if (!e.fault.isEmpty()) return e;
    if (e.records.empty() || e.records.front().type != 1) e.fault = QStringLiteral("no header first");
    else if (e.signature != 0x464D4520) e.fault = QStringLiteral("signature");
    else if (e.nBytes != uint32_t(bytes.size())) e.fault = QStringLiteral("size field %1, file %2").arg(e.nBytes).arg(bytes.size());
    else if (e.nRecords != e.records.size()) e.fault = QStringLiteral("record count");
    return e;
}
