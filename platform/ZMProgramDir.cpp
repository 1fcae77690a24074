#include "platform/ZMProgramDir.h"

#include "platform/ZMApplication.h"

#include <QCoreApplication>
#include <QDir>

QString programDir() {
    QString dir;
    if (ZMApplication* app = ZMApplication::instance()) dir = app->programDirOverride();
    if (dir.isEmpty()) dir = QCoreApplication::applicationDirPath();
    dir = QDir::fromNativeSeparators(dir);
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/'))) dir.chop(1);
    return dir;
}

QString programDirWithSeparator() {
    const QString dir = programDir();
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

QString programFile(const QString& name) { return QDir(programDir()).filePath(name); }
