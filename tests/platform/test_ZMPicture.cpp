// Pictures: the stretch, the size bound, and the BMP and EMF bytes as other readers see them.
#include "platform/ZMPicture.h"

#include "platform/ZMError.h"
#include "support/EmfReader.h"
#include "support/PictureChecks.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

int Stride(int w) { return (3 * w + 3) / 4 * 4; }

// The text ZmError carries out of fn, or "no error".
std::string RaisedBy(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const ZmError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(Picture, StretchFollowsTheCanvas) {
    const QImage source = PatternImage(7, 5);
    const struct {
        int w, h;
    } sizes[] = {{7, 5}, {14, 10}, {21, 5}, {10, 8}, {3, 2}, {1, 1}, {200, 3}};
    for (const auto& s : sizes) {
        const QImage out = StretchedPicture(source, s.w, s.h);
        EXPECT_EQ(out.format(), QImage::Format_RGB32);
        EXPECT_TRUE(SamePixels(out, source.scaled(s.w, s.h, Qt::IgnoreAspectRatio, Qt::FastTransformation)))
            << s.w << " x " << s.h;
    }
    EXPECT_TRUE(SamePixels(StretchedPicture(source, 7, 5), source));
}

TEST(Picture, SizesOutsideTheBoundAreRefusedBeforeAnythingIsMade) {
    const struct {
        int64_t w, h;
        bool allowed;
    } cases[] = {
        {1, 1, true},           {0, 1, false},          {1, 0, false},          {-1, 5, false},
        {-4, -4, false},        {16384, 16384, true},   {16384, 16385, false},  {16385, 16384, false},
        {268435456, 1, true},   {1, 268435456, true},   {268435457, 1, false},  {65536, 4096, true},
        {65537, 4096, false},   {INT32_MAX, INT32_MAX, false},              {INT32_MIN, INT32_MIN, false},
        {INT64_MAX, 2, false},  {-65536, -65536, false},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureSizeAllowed(c.w, c.h), c.allowed) << c.w << " x " << c.h;

    // The stretch refuses with the text, without allocating the gigabyte one pixel more would take.
    const QImage source = PatternImage(4, 4);
    const struct {
        int w, h;
    } refused[] = {{0, 5}, {5, 0}, {-3, 4}, {16385, 16384}, {INT_MAX, INT_MAX}, {INT_MIN, 2}};
    for (const auto& r : refused)
        EXPECT_EQ(RaisedBy([&] { StretchedPicture(source, r.w, r.h); }),
                  QStringLiteral("Cannot make a picture of %1 x %2 pixels. Width and height must be at least 1, and "
                                 "their product at most 268435456.")
                      .arg(r.w)
                      .arg(r.h)
                      .toStdString());
    // Nothing to stretch from.
    EXPECT_EQ(RaisedBy([] { StretchedPicture(QImage(), 10, 10); }), PictureRefusal(10, 10).toStdString());
}

TEST(Picture, NoBytesAndNoFileForAPictureThatWasNotMade) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.bmp"));
    const std::function<void()> uses[] = {
        [] { BmpBytes(QImage()); },
        [] { EmfBytes(QImage()); },
        [&] { SavePicture(path, QImage(), TPictureFormat::Bmp); },
        [&] { SavePicture(path, QImage(), TPictureFormat::Emf); },
    };
    for (const auto& use : uses) EXPECT_EQ(RaisedBy(use), PictureRefusal(0, 0).toStdString());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(Picture, BmpReadsBackPixelForPixel) {
    const struct {
        int w, h;
    } sizes[] = {{1, 1}, {3, 2}, {5, 3}, {8, 4}, {33, 17}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(testing::Message() << s.w << " x " << s.h);
        const QImage picture = PatternImage(s.w, s.h);
        const QByteArray bytes = BmpBytes(picture);
        ASSERT_EQ(bytes.size(), 54 + Stride(s.w) * s.h);
        EXPECT_TRUE(bytes.startsWith("BM"));
        EXPECT_EQ(static_cast<uchar>(bytes.at(28)), 24);  // bits per pixel
        EXPECT_TRUE(SamePixels(QImage::fromData(bytes, "BMP"), picture));
    }
}

TEST(Picture, EmfHoldsTheBitmapAsOneRasterRecord) {
    const struct {
        int w, h;
    } sizes[] = {{1, 1}, {3, 2}, {4, 4}, {201, 101}, {300, 200}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(testing::Message() << s.w << " x " << s.h);
        const QImage picture = PatternImage(s.w, s.h);
        const QByteArray bytes = EmfBytes(picture);
        const uint32_t bits = uint32_t(Stride(s.w) * s.h);
        ASSERT_EQ(bytes.size(), 248 + qsizetype(bits));
        const EmfContent e = ReadEmf(bytes);
        ASSERT_TRUE(e.fault.isEmpty()) << e.fault.toStdString();
        EXPECT_EQ(e.records, (std::vector<EmfRecordInfo>{{1, 108}, {81, 120 + bits}, {14, 20}}));
        EXPECT_EQ(e.nBytes, uint32_t(bytes.size()));
        EXPECT_EQ(e.version, 0x10000u);
        EXPECT_EQ(e.nHandles, 1);
        EXPECT_EQ(e.bounds, (std::array<int32_t, 4>{0, 0, s.w - 1, s.h - 1}));
        EXPECT_EQ(e.frame, (std::array<int32_t, 4>{0, 0, s.w * 2540 / 96 - 1, s.h * 2540 / 96 - 1}));
        EXPECT_EQ(e.device, (std::array<int32_t, 2>{1920, 1440}));
        EXPECT_EQ(e.millimetres, (std::array<int32_t, 2>{508, 381}));
        EXPECT_EQ(e.micrometres, (std::array<int32_t, 2>{508000, 381000}));
        EXPECT_EQ(e.rasterBounds, e.bounds);
        EXPECT_EQ(e.dest, (std::array<int32_t, 2>{0, 0}));
        EXPECT_EQ(e.source, (std::array<int32_t, 4>{0, 0, s.w, s.h}));
        EXPECT_EQ(e.destSize, (std::array<int32_t, 2>{s.w, s.h}));
        EXPECT_EQ(e.rop, 0x00CC0020u);
        EXPECT_EQ(e.bitmapWidth, s.w);
        EXPECT_EQ(e.bitmapHeight, s.h);
        EXPECT_EQ(e.imageSize, bits);
        EXPECT_EQ(e.pelsPerMetre, (std::array<int32_t, 2>{3780, 3780}));
        EXPECT_EQ(e.eofSizeLast, 20u);
        EXPECT_TRUE(SamePixels(e.image, picture));
        EXPECT_EQ(EmfBytes(picture), bytes) << "the same picture gives the same bytes";
    }
}

TEST(PictureFiles, ImageMagickReadsOurBmp) {
    ASSERT_TRUE(HaveProgram("identify") && HaveProgram("convert")) << "ImageMagick is missing: run scripts/setup.sh";
    QTemporaryDir dir;
    const QImage picture = PatternImage(13, 7);
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    SavePicture(path, picture, TPictureFormat::Bmp);
    bool ok = false;
    // BMP3: the Windows bitmap with the 40-byte information header.
    EXPECT_EQ(RunProgram(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%m %w x %h"), path}, ok)
                  .toStdString(),
              "BMP3 13 x 7");
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{12, 0}, std::pair{0, 6}, std::pair{12, 6}, std::pair{5, 3}}) {
        const QRgb c = picture.pixel(x, y);
        const QString at = QStringLiteral("%[pixel:p{%1,%2}]").arg(x).arg(y);
        EXPECT_EQ(RunProgram(QStringLiteral("convert"), {path, QStringLiteral("-format"), at, QStringLiteral("info:")}, ok)
                      .toStdString(),
                  QStringLiteral("srgb(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)).toStdString())
            << x << ", " << y;
    }
}

TEST(PictureFiles, LibreOfficeRendersOurEmf) {
    if (!HaveProgram("soffice")) GTEST_SKIP() << "LibreOffice (soffice) is not installed; the EMF rendering check needs it";
    // Four coloured quarters in a one-pixel frame, by which the picture is found on the page.
    const int w = 201, h = 101;
    const QRgb frame = qRgb(200, 0, 200);
    const QRgb quarters[2][2] = {{qRgb(255, 0, 0), qRgb(0, 160, 0)}, {qRgb(0, 0, 255), qRgb(255, 200, 0)}};
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.setPixel(x, y, x == 0 || y == 0 || x == w - 1 || y == h - 1 ? frame : quarters[y >= h / 2][x >= w / 2]);
    QTemporaryDir dir;
    const QString emf = dir.filePath(QStringLiteral("picture.emf"));
    SavePicture(emf, picture, TPictureFormat::Emf);
    bool ok = false;
    RunProgram(QStringLiteral("soffice"),
               {QStringLiteral("-env:UserInstallation=") +
                    QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(QUrl::FullyEncoded),
                QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("png"),
                QStringLiteral("--outdir"), dir.path(), emf},
               ok, 110000);
    ASSERT_TRUE(ok);
    const QImage page(dir.filePath(QStringLiteral("picture.png")));
    ASSERT_FALSE(page.isNull());

    // The picture is everything on the page that is not white.
    QRect found;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 240 || qRed(page.pixel(x, y)) < 240 || qBlue(page.pixel(x, y)) < 240)
                found |= QRect(x, y, 1, 1);
    EXPECT_EQ(found.width(), w);
    EXPECT_EQ(found.height(), h);
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 && std::abs(qBlue(a) - qBlue(b)) <= 8;
    };
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col) {
            const QPoint at(found.left() + found.width() * (1 + 2 * col) / 4, found.top() + found.height() * (1 + 2 * row) / 4);
            EXPECT_TRUE(near(page.pixel(at), quarters[row][col])) << "quarter " << row << ", " << col << std::hex << " is "
                                                                  << page.pixel(at);
        }
    EXPECT_TRUE(near(page.pixel(found.left(), found.center().y()), frame));
}
