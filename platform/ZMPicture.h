#pragma once
// Pictures of a drawing: an image stretched to a chosen pixel size, its BMP and EMF bytes, and
// the two places a picture goes, a file and the clipboard.
//
// Every operation that makes or takes a picture raises ZmError with the refusal text
//     Cannot make a picture of <W> x <H> pixels. Width and height must be at least 1, and their
//     product at most 268435456.
// when the size is out of bounds or the image cannot be made; nothing is written and the
// clipboard is left as it was. File writes go through writeWholeFile, with its error text.
//
// The EMF holds the bitmap as one 24-bit bottom-up raster at (0, 0) over a fixed 96-dpi reference
// device (header, stretch-DIB-bits, end of file), so the same picture always gives the same bytes.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>

class QClipboard;

// The rows of the "Picture Format" choices.
enum class TPictureFormat { Bmp = 0, Emf = 1 };

// The most pixels a picture may have (about 16k x 16k).
inline constexpr int64_t kMaxPicturePixels = int64_t(1) << 28;

// True when width and height are at least 1 and their product at most kMaxPicturePixels.
bool PictureSizeAllowed(int64_t width, int64_t height);
QString PictureRefusal(int64_t width, int64_t height);

// A width x height picture (Format_RGB32) of `source` stretched through the canvas; an empty
// source cannot be stretched and is refused.
QImage StretchedPicture(const QImage& source, int width, int height);

// The file bytes of a picture.
QByteArray BmpBytes(const QImage& picture);
QByteArray EmfBytes(const QImage& picture);
QByteArray PictureBytes(const QImage& picture, TPictureFormat format);

// Writes the picture's bytes to `path`, replacing any file there.
void SavePicture(const QString& path, const QImage& picture, TPictureFormat format);

// MIME types under which the EMF bytes are offered.
QStringList EmfMimeTypes();
// Replaces the clipboard's content: the image for BMP; for EMF the bytes under EmfMimeTypes()
// and the image as a raster fallback.
void CopyPicture(QClipboard& clipboard, const QImage& picture, TPictureFormat format);
