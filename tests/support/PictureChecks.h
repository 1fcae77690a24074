#pragma once
// Shared by the picture tests: images whose every pixel tells where it came from, pixel
// comparison, and running the outside programs that read our files back.

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// No two pixels alike (up to 256 x 256), none of them white or grey.
inline QRgb PatternColour(int x, int y) { return qRgb((x * 29 + 7) & 0xFF, (y * 43 + 11) & 0xFF, (x * 5 + y * 3 + 130) & 0xFF); }

inline QImage PatternImage(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) img.setPixel(x, y, PatternColour(x, y));
    return img;
}

// The first pixel where the two differ, or success; sizes are compared first.
inline ::testing::AssertionResult SamePixels(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << actual.width() << " x " << actual.height() << ", expected "
                                             << expected.width() << " x " << expected.height();
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if ((actual.pixel(x, y) & 0xFFFFFFu) != (expected.pixel(x, y) & 0xFFFFFFu))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                                     << (actual.pixel(x, y) & 0xFFFFFFu) << ", expected "
                                                     << (expected.pixel(x, y) & 0xFFFFFFu);
    return ::testing::AssertionSuccess();
}

// Runs a program to its end; its standard output, or an empty text with `ok` false.
inline QString RunProgram(const QString& program, const QStringList& arguments, bool& ok, int timeoutMs = 60000) {
    QProcess p;
    p.start(program, arguments);
    ok = p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok) ADD_FAILURE() << program.toStdString() << ": " << p.readAllStandardError().toStdString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

inline bool HaveProgram(const char* name) { return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty(); }
