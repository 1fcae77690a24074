#include "platform/ZMFileWrite.h"

#include "support/SmallFileLimit.h"
#include "support/XmlTestHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList entries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(FileWrite, WritesANewFileAndReplacesAnOldOneWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    writeWholeFile(path, "first\r\nsecond\r\n");
    EXPECT_EQ(bytesOf(path), QByteArray("first\r\nsecond\r\n"));
    writeWholeFile(path, "x");
    EXPECT_EQ(bytesOf(path), QByteArray("x"));
    writeWholeFile(path, QByteArray());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(bytesOf(path), QByteArray());
    EXPECT_EQ(entries(dir), QStringList{QStringLiteral("a.txt")});
}

TEST(FileWrite, AFailedWriteGivesTheSystemsReasonAndKeepsWhatWasThere) {
    struct Case {
        const char* what;
        const char* name;
        std::optional<QByteArray> before;  // a file there already
        bool folder;                       // the name is a folder
        rlim_t limit;                      // file size limit while writing, 0 for none
        const char* reason;
    };
    const Case cases[] = {
        {"missing folder", "no/such/folder/a.txt", std::nullopt, false, 0, "No such file or directory"},
        {"a folder", "sub", std::nullopt, true, 0, "Is a directory"},
        {"cut short, new file", "new.txt", std::nullopt, false, 10, "File too large"},
        {"cut short, old file", "old.txt", QByteArray("previous"), false, 10, "File too large"},
    };
    const QByteArray bytes(1000, 'z');
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        if (c.before) put(path, *c.before);
        if (c.folder) {
            ASSERT_TRUE(QDir().mkdir(path));
        }
        const QStringList before = entries(dir);
        std::string error;
        {
            std::optional<SmallFileLimit> limit;
            if (c.limit) limit.emplace(c.limit);
            error = errorOf([&] { writeWholeFile(path, bytes); });
        }
        EXPECT_EQ(error, "Cannot create file \"" + path.toStdString() + "\". " + c.reason) << c.what;
        EXPECT_EQ(entries(dir), before) << c.what;  // no temporary, no partial file
        if (c.before) {
            EXPECT_EQ(bytesOf(path), *c.before) << c.what;
        }
    }
}

TEST(FileWrite, AFolderThatTakesNoTemporaryFileRefusesInsteadOfWritingInPlace) {
    QTemporaryDir dir;
    const QString sub = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(sub));
    const QString path = sub + QStringLiteral("/doc.xml");
    put(path, "previous");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const bool permissionsIgnored = QFile(sub + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    if (!permissionsIgnored) {
        EXPECT_EQ(errorOf([&] { writeWholeFile(path, "new"); }),
                  "Cannot create file \"" + path.toStdString() + "\". Permission denied");
        EXPECT_EQ(bytesOf(path), QByteArray("previous"));
    }
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (permissionsIgnored) GTEST_SKIP() << "running with rights that ignore permissions";
}

}  // namespace
