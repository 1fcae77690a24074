#include "platform/ZMPicture.h"

#include "platform/ZMCanvas.h"
#include "platform/ZMError.h"
#include "platform/ZMFileWrite.h"

#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <memory>
#include <utility>

namespace {

[[noreturn]] void refuse(int64_t width, int64_t height) { throw ZmError(PictureRefusal(width, height).toStdString()); }

// A picture that can be written: made, and within the bounds.
void requirePicture(const QImage& picture) {
    if (picture.isNull() || !PictureSizeAllowed(picture.width(), picture.height()))
        refuse(picture.width(), picture.height());
}

// Little-endian record fields.
class LittleEndianWriter {
public:
    explicit LittleEndianWriter(qsizetype size) { bytes_.reserve(size); }
    void u32(uint32_t v) { put(v); }
    void i32(int32_t v) { put(static_cast<uint32_t>(v)); }
    void u16(uint16_t v) { put(v); }
    void raw(const uchar* at, qsizetype n) { bytes_.append(reinterpret_cast<const char*>(at), n); }
    QByteArray take() { return std::move(bytes_); }

private:
    template <class T>
    void put(T v) {
        uchar le[sizeof(T)];
        qToLittleEndian(v, le);
        raw(le, sizeof(T));
    }
    QByteArray bytes_;
};

int32_t clampToInt32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// The fixed reference device: 1920 x 1440 pixels on 508 x 381 mm, 96 dpi.
constexpr int32_t kDeviceWidth = 1920, kDeviceHeight = 1440;
constexpr int32_t kDeviceWidthMm = 508, kDeviceHeightMm = 381;
constexpr int64_t kDpi = 96;
constexpr uint32_t kPelsPerMetre = 3780;

constexpr uint32_t kEmrHeader = 1, kEmrStretchDIBits = 81, kEmrEof = 14;
constexpr uint32_t kHeaderSize = 108, kBitmapInfoSize = 40, kStretchFixedSize = 80 + kBitmapInfoSize, kEofSize = 20;

}  // namespace

bool PictureSizeAllowed(int64_t width, int64_t height) {
    if (width < 1 || height < 1 || width > kMaxPicturePixels || height > kMaxPicturePixels) return false;
    return width * height <= kMaxPicturePixels;
}

QString PictureRefusal(int64_t width, int64_t height) {
    return QStringLiteral("Cannot make a picture of %1 x %2 pixels. Width and height must be at least 1, and their "
                          "product at most %3.")
        .arg(width)
        .arg(height)
        .arg(kMaxPicturePixels);
}

QImage StretchedPicture(const QImage& source, int width, int height) {
    if (!PictureSizeAllowed(width, height) || source.isNull()) refuse(width, height);
    QImage out(width, height, QImage::Format_RGB32);
    if (out.isNull()) refuse(width, height);
    TCanvas canvas(&out);
    canvas.StretchDraw(0, 0, width, height, source);
    canvas.Flush();
    return out;
}

QByteArray BmpBytes(const QImage& picture) {
    requirePicture(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "BMP")) refuse(picture.width(), picture.height());
    return bytes;
}

QByteArray EmfBytes(const QImage& picture) {
    requirePicture(picture);
    const QImage rgb = picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull()) refuse(picture.width(), picture.height());
    const int32_t w = rgb.width(), h = rgb.height();
    // Within the pixel bound every size below fits 32 bits.
    const uint32_t stride = (3u * uint32_t(w) + 3u) / 4u * 4u;
    const uint32_t bitsSize = stride * uint32_t(h);
    const uint32_t fileSize = kHeaderSize + kStretchFixedSize + bitsSize + kEofSize;
    LittleEndianWriter out(fileSize);

    const auto bounds = [&] {
        out.i32(0);
        out.i32(0);
        out.i32(w - 1);
        out.i32(h - 1);
    };
    // Header.
    out.u32(kEmrHeader);
    out.u32(kHeaderSize);
    bounds();
    out.i32(0);  // frame, in 0.01 mm
    out.i32(0);
    out.i32(clampToInt32(int64_t(w) * 2540 / kDpi - 1));
    out.i32(clampToInt32(int64_t(h) * 2540 / kDpi - 1));
    out.u32(0x464D4520);  // " EMF"
    out.u32(0x00010000);
    out.u32(fileSize);
    out.u32(3);  // records
    out.u16(1);  // handles
    out.u16(0);
    out.u32(0);  // description
    out.u32(0);
    out.u32(0);  // palette entries
    out.i32(kDeviceWidth);
    out.i32(kDeviceHeight);
    out.i32(kDeviceWidthMm);
    out.i32(kDeviceHeightMm);
    out.u32(0);  // pixel format
    out.u32(0);
    out.u32(0);  // OpenGL
    out.i32(kDeviceWidthMm * 1000);
    out.i32(kDeviceHeightMm * 1000);

    // The raster.
    out.u32(kEmrStretchDIBits);
    out.u32(kStretchFixedSize + bitsSize);
    bounds();
    out.i32(0);  // destination
    out.i32(0);
    out.i32(0);  // source rectangle
    out.i32(0);
    out.i32(w);
    out.i32(h);
    out.u32(80);  // bitmap info: offset and size
    out.u32(kBitmapInfoSize);
    out.u32(kStretchFixedSize);  // bits: offset and size
    out.u32(bitsSize);
    out.u32(0);           // RGB colours
    out.u32(0x00CC0020);  // SRCCOPY
    out.i32(w);           // destination size
    out.i32(h);
    out.u32(kBitmapInfoSize);
    out.i32(w);
    out.i32(h);  // positive: bottom-up
    out.u16(1);
    out.u16(24);
    out.u32(0);  // uncompressed
    out.u32(bitsSize);
    out.u32(kPelsPerMetre);
    out.u32(kPelsPerMetre);
    out.u32(0);
    out.u32(0);
    QByteArray row(static_cast<qsizetype>(stride), '\0');
    for (int32_t y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* at = reinterpret_cast<uchar*>(row.data());
        for (int32_t x = 0; x < w; ++x) {
            *at++ = static_cast<uchar>(qBlue(line[x]));
            *at++ = static_cast<uchar>(qGreen(line[x]));
            *at++ = static_cast<uchar>(qRed(line[x]));
        }
        out.raw(reinterpret_cast<const uchar*>(row.constData()), row.size());
    }

    // End of file.
    out.u32(kEmrEof);
    out.u32(kEofSize);
    out.u32(0);  // palette entries
    out.u32(16);
    out.u32(kEofSize);
    return out.take();
}

QByteArray PictureBytes(const QImage& picture, TPictureFormat format) {
    return format == TPictureFormat::Emf ? EmfBytes(picture) : BmpBytes(picture);
}

void SavePicture(const QString& path, const QImage& picture, TPictureFormat format) {
    writeWholeFile(path, PictureBytes(picture, format));
}

QStringList EmfMimeTypes() {
    return {QStringLiteral("image/x-emf"), QStringLiteral("image/emf"),
            QStringLiteral("application/x-openoffice-emf;windows_formatname=\"Image EMF\"")};
}

void CopyPicture(QClipboard& clipboard, const QImage& picture, TPictureFormat format) {
    if (format == TPictureFormat::Bmp) {
        requirePicture(picture);
        clipboard.setImage(picture);
        return;
    }
    const QByteArray bytes = EmfBytes(picture);
    auto data = std::make_unique<QMimeData>();
    for (const QString& type : EmfMimeTypes()) data->setData(type, bytes);
    data->setImageData(picture);
    clipboard.setMimeData(data.release());
}
