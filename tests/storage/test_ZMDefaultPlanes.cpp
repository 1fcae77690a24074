// The default plane files shipped with the program: written by the program's own writer and
// copied into the program folder by the build.
//   ZMDefCoord.cfg   the whole plane of a new document (the standard properties)
//   ZMDefCoord2.cfg  only its x and y intervals (the standard intervals)
// Run with ZM_REWRITE_DEFAULT_PLANES=1 to write the files of the source tree again.
#include "storage/ZMDocumentFile.h"
#include "storage/ZMXML.h"
#include "support/XmlTestHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

QString shippedFolder() { return QStringLiteral(ZM_SOURCE_DIR "/resources/programdir"); }

QString installedFile(const char* name) { return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(name)); }

std::string standardProperties() {
    TXMLDocument doc;
    BuildDocument(doc, TMemory(), TCoordinateSettings::Create(96), nullptr);
    return doc.SaveToXML();
}

std::string standardIntervals() {
    const TCoordinateSettings plane = TCoordinateSettings::Create(96);
    TXMLDocument doc;
    TXMLNode root = doc.AddChild(kDocumentRootName);
    TZMXML::WriteMemory(root, "Memory", TMemory());
    TXMLNode coordinate = root.AddChild("Coordinate");
    TZMXML::WriteInterval(coordinate, "XInterval", plane.XInterval);
    TZMXML::WriteInterval(coordinate, "YInterval", plane.YInterval);
    root.AddChild("AddLabels");
    return doc.SaveToXML();
}

TEST(DefaultPlanes, ShippedFilesAreWhatTheWriterWrites) {
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {{"ZMDefCoord.cfg", standardProperties()}, {"ZMDefCoord2.cfg", standardIntervals()}};
    const bool rewrite = std::getenv("ZM_REWRITE_DEFAULT_PLANES") != nullptr;
    for (const auto& f : files) {
        const QString shipped = QDir(shippedFolder()).filePath(QString::fromLatin1(f.name));
        if (rewrite) {
            QFile out(shipped);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(f.bytes.data(), static_cast<qint64>(f.bytes.size()));
        }
        EXPECT_EQ(fileText(shipped.toStdString()), f.bytes) << f.name;
        EXPECT_EQ(fileText(installedFile(f.name).toStdString()), f.bytes) << f.name << " in the program folder";
    }
}

TEST(DefaultPlanes, EachFileHoldsItsPartOfTheStandardPlane) {
    const TCoordinateSettings standard = TCoordinateSettings::Create(96);

    // Every setting moved away from the standard.
    TCoordinateSettings changed = standard;
    changed.XInterval = TInterval::CreateRange(0, -1, 2);
    changed.YInterval = TInterval::CreateRange(0, 3, 4);
    changed.AxesStyle = 1;
    changed.GridHorEnabled = 1;
    changed.TitleTopEnabled = 1;
    changed.XArrow = TAxesArrow::Create(0, "u");

    struct Case { const char* name; void (*expect)(TCoordinateSettings& want, const TCoordinateSettings& standard); };
    const Case cases[] = {
        {"ZMDefCoord.cfg", [](TCoordinateSettings& w, const TCoordinateSettings& s) { w = s; }},
        {"ZMDefCoord2.cfg",
         [](TCoordinateSettings& w, const TCoordinateSettings& s) {
             w.XInterval = s.XInterval;
             w.YInterval = s.YInterval;
         }},
    };
    for (const Case& c : cases) {
        TCoordinateSettings got = changed;
        TCoordinateSettings want = changed;
        c.expect(want, standard);
        TDocumentReader reader;
        reader.Coordinate = [&got](TXMLNode node) { TZMXML::ReadCoordinate(node, got); };
        ASSERT_TRUE(LoadDocumentFile(installedFile(c.name).toStdString(), reader)) << c.name;
        EXPECT_TRUE(got == want) << c.name;
    }
}

}  // namespace
