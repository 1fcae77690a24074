#include "platform/ZMProgramDir.h"

#include "support/ScopedProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

TEST(ProgramDir, IsTheExecutablesFolderWhateverTheWorkingFolder) {
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    EXPECT_EQ(programDir(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(programFile("ZMUser.ini"), QCoreApplication::applicationDirPath() + "/ZMUser.ini");
    EXPECT_EQ(programDirWithSeparator(), QCoreApplication::applicationDirPath() + "/");
    QDir::setCurrent(cwd);
}

TEST(ProgramDir, OverrideForTestsIsNormalisedAndRestored) {
    {
        ScopedProgramDir scoped("/tmp/zm-prog/");
        EXPECT_EQ(programDir(), QStringLiteral("/tmp/zm-prog"));
        EXPECT_EQ(programDirWithSeparator(), QStringLiteral("/tmp/zm-prog/"));
        EXPECT_EQ(programFile("ZMDefCoord.cfg"), QStringLiteral("/tmp/zm-prog/ZMDefCoord.cfg"));
    }
    EXPECT_EQ(programDir(), QCoreApplication::applicationDirPath());
}
