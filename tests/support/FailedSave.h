#pragma once
// For the tests of report saving: a save into an existing file that fails part-way (see
// SmallFileLimit.h) shows the file-write error in the application's error box, leaves the window
// open and the file with its bytes.

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include "support/MessageRecorder.h"
#include "support/ScriptedFileChooser.h"
#include "support/SmallFileLimit.h"

// Call while `window` is shown; `save` presses its save button, which asks `files`.
inline void ExpectFailedSaveKeepsTheFile(QDialog& window, ScriptedFileChooser& files, MessageRecorder& boxes,
                                         const std::function<void()>& save) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.txt"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("kept");
    }
    files.answer(path);
    boxes.clear();
    {
        const SmallFileLimit limit(10);
        save();
    }
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().kind, MsgKind::Error);
    EXPECT_EQ(boxes.last().caption, QStringLiteral("Zorvik Mendal"));
    EXPECT_EQ(boxes.last().text, QStringLiteral("Cannot create file \"") + path + QStringLiteral("\". File too large"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("kept"));
}
