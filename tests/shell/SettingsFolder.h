#pragma once
// A temporary program folder for the settings files: tests write fixture files into it and read
// back what the program wrote.

#include "support/ScopedProgramDir.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class SettingsFolder {
public:
    SettingsFolder() : scope_(dir_.path()) {}

    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    void Write(const char* name, const QByteArray& bytes) const {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name;
        f.write(bytes);
    }
    // Makes `name` a folder, so that writing the file fails even for root.
    void MakeFolder(const char* name) const { ASSERT_TRUE(QDir(dir_.path()).mkdir(QString::fromLatin1(name))); }
    bool IsFile(const char* name) const { return QFileInfo(Path(name)).isFile(); }
    // The file's bytes; empty for a missing file.
    QByteArray Read(const char* name) const {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    ScopedProgramDir scope_;
};
