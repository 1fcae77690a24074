#include "platform/ZMIniFile.h"

#include "platform/ZMError.h"
#include "support/SmallFileLimit.h"
#include "support/XmlTestHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("test.ini"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}  // namespace

TEST(IniFile, ReadsStringsLikeTheProfileFunctions) {
    QTemporaryDir dir;
    const QString path = writeFile(dir,
                                   "; a comment\r\n"
                                   "[TipList]\r\n"
                                   "Tip1=Hello, world\r\n"
                                   "  tip2  =   semi;colon  \r\n"
                                   ";Tip3=hidden\r\n"
                                   "Tip4=\"  quoted  \"\r\n"
                                   "Tip5=\"half\r\n"
                                   "Tip1=second\r\n"
                                   "Empty=\r\n"
                                   "[Other]\r\n"
                                   "Tip6=other\r\n"
                                   "[tiplist]\r\n"
                                   "Tip6=late");
    const IniFile ini(path);
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"TipList", "Tip1", "Hello, world"},   // comma kept, first match wins
        {"TIPLIST", "TIP2", "semi;colon"},     // names ignore case, ";" inside a value is text
        {"TipList", "Tip3", "def"},            // comment line
        {"TipList", "Tip4", "  quoted  "},     // outer quotes dropped, inner blanks kept
        {"TipList", "Tip5", "\"half"},
        {"TipList", "Empty", ""},
        {"TipList", "Tip6", "late"},           // a second section of the same name
        {"Other", "Tip1", "def"},
        {"Missing", "Tip1", "def"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.readString(QString::fromUtf8(c.section), QString::fromUtf8(c.key), QStringLiteral("def")),
                  QString::fromUtf8(c.expected))
            << c.section << "/" << c.key;
    EXPECT_EQ(IniFile(dir.filePath(QStringLiteral("none.ini"))).readString("A", "B", "def"), QStringLiteral("def"));
}

TEST(IniFile, CutsLongValuesAt2047Characters) {
    QTemporaryDir dir;
    const IniFile ini(writeFile(dir, "[S]\nK=" + QByteArray(3000, 'a') + "\n"));
    EXPECT_EQ(ini.readString("S", "K", "").size(), 2047);
}

TEST(IniFile, ReadsIntegersAndBooleansWithDefaultsForNonIntegers) {
    QTemporaryDir dir;
    const IniFile ini(writeFile(dir,
                                "[Options]\nA=12\nB= -3 \nC=$10\nD=1.5\nE=abc\nF=\nG=0\nH=7\nI=99999999999\n"));
    struct Case {
        const char* key;
        int expected;  // with default 5
    };
    const Case cases[] = {{"A", 12}, {"B", -3}, {"C", 16}, {"D", 5}, {"E", 5}, {"F", 5}, {"G", 0}, {"I", 5}, {"Z", 5}};
    for (const Case& c : cases) EXPECT_EQ(ini.readInt("Options", c.key, 5), c.expected) << c.key;
    EXPECT_FALSE(ini.readBool("Options", "G", true));
    EXPECT_TRUE(ini.readBool("Options", "H", false));
    EXPECT_TRUE(ini.readBool("Options", "E", true));
    EXPECT_FALSE(ini.readBool("Options", "Missing", false));
}

TEST(IniFile, WritesInPlaceInsertsOrAppendsAndKeepsEveryOtherByte) {
    struct Case {
        const char* name;
        QByteArray before;
        const char* section;
        const char* key;
        const char* value;
        QByteArray after;
    };
    const Case cases[] = {
        {"replace in place, CR LF kept", "; keep\r\n[TipList]\r\nEnabled = 0 \r\nTipNum=3\r\n", "tiplist", "ENABLED",
         "1", "; keep\r\n[TipList]\r\nEnabled =1\r\nTipNum=3\r\n"},
        {"insert after the section's last key", "[A]\nX=1\n\n[B]\nY=2\n", "A", "Z", "9", "[A]\nX=1\nZ=9\n\n[B]\nY=2\n"},
        {"insert into an empty section", "[A]\n[B]\nY=2\n", "A", "Z", "9", "[A]\nZ=9\n[B]\nY=2\n"},
        {"append a section", "[A]\r\nX=1\r\n", "Options", "DeleteGraph", "1", "[A]\r\nX=1\r\n[Options]\r\nDeleteGraph=1\r\n"},
        {"last line without an end", "[A]\nX=1", "A", "Y", "2", "[A]\nX=1\nY=2\n"},
        {"only the first of two equal keys", "[A]\nX=1\nX=2\n", "A", "X", "3", "[A]\nX=3\nX=2\n"},
        {"a commented key is not the key", "[A]\n;X=1\n", "A", "X", "5", "[A]\nX=5\n;X=1\n"},
        {"a comment before the next section stays with it", "[A]\nX=1\n; about B\n[B]\n", "A", "Y", "2",
         "[A]\nX=1\nY=2\n; about B\n[B]\n"},
        {"new file", "", "TipList", "Enabled", "1", "[TipList]\nEnabled=1\n"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = c.before.isEmpty() ? dir.filePath("new.ini") : writeFile(dir, c.before);
        IniFile ini(path);
        ini.writeString(QString::fromUtf8(c.section), QString::fromUtf8(c.key), QString::fromUtf8(c.value));
        EXPECT_EQ(readFile(path), c.after) << c.name;
        EXPECT_EQ(ini.readString(QString::fromUtf8(c.section), QString::fromUtf8(c.key), "def"),
                  QString::fromUtf8(c.value))
            << c.name;
    }
}

TEST(IniFile, WritesIntegersBooleansAndUtf8) {
    QTemporaryDir dir;
    IniFile ini(dir.filePath("u.ini"));
    ini.writeInt("TipList", "TipNum", -12);
    ini.writeBool("TipList", "Enabled", true);
    ini.writeBool("Options", "DeleteGraph", false);
    ini.writeString("TipList", "Tip1", QStringLiteral("Grüße"));
    EXPECT_EQ(readFile(ini.path()),
              QByteArray("[TipList]\nTipNum=-12\nEnabled=1\nTip1=Gr\xc3\xbc\xc3\x9f" "e\n[Options]\nDeleteGraph=0\n"));
    EXPECT_EQ(ini.readInt("TipList", "TipNum", 0), -12);
    EXPECT_EQ(ini.readString("TipList", "Tip1", ""), QStringLiteral("Grüße"));
}

TEST(IniFile, AFailedWriteRaisesTheFileWriteText) {
    QTemporaryDir dir;
    QDir().mkdir(dir.filePath("folder.ini"));
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {{"missing/none.ini", "No such file or directory"}, {"folder.ini", "Is a directory"}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        EXPECT_EQ(errorOf([&] { IniFile(path).writeInt("A", "B", 1); }),
                  "Cannot create file \"" + path.toStdString() + "\". " + c.reason);
    }
    EXPECT_EQ(IniFile(dir.filePath("folder.ini")).readInt("A", "B", 7), 7);
}

TEST(IniFile, AReadOnlyFolderThrowsAndLeavesTheFileAsItWas) {
    QTemporaryDir dir;
    const QString sub = dir.filePath("ro");
    QDir().mkdir(sub);
    const QString path = sub + "/ZMUser.ini";
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("[Options]\nDeleteGraph=0\n");
    }
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
    QFile::setPermissions(path, QFile::ReadOwner);
    const bool ignored = QFile(sub + "/probe").open(QIODevice::WriteOnly);
    if (!ignored) {
        IniFile ini(path);
        EXPECT_THROW(ini.writeBool("Options", "DeleteGraph", true), ZmError);
        EXPECT_FALSE(ini.readBool("Options", "DeleteGraph", true));
    }
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (ignored) GTEST_SKIP() << "running with rights that ignore permissions";
}

TEST(IniFile, AWriteThatFailsPartWayThrowsAndKeepsThePreviousFile) {
    QTemporaryDir dir;
    const QByteArray previous = "[Options]\nDeleteGraph=0\n";
    const QString path = writeFile(dir, previous);
    IniFile ini(path);
    {
        const SmallFileLimit limit(static_cast<rlim_t>(previous.size()));
        EXPECT_EQ(errorOf([&] { ini.writeString("Options", "Long", QString(200, QLatin1Char('x'))); }),
                  "Cannot create file \"" + path.toStdString() + "\". File too large");
    }
    EXPECT_EQ(readFile(path), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"test.ini"});  // no temporary left
}
