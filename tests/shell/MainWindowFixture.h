#pragma once
// A shown main window over a temporary program folder, with recorded message boxes and
// scripted file dialogs.

#include "shell/fmMain.h"
#include "plot/ZMFunTabObj.h"
#include "plot/ZMMemoryListBox.h"
#include "shell/fmMainSub.h"
#include "support/MessageRecorder.h"
#include "support/ScopedProgramDir.h"
#include "support/ScriptedFileChooser.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        programDir = std::make_unique<ScopedProgramDir>(dir.path());
        frame = std::make_unique<TFormMain>();
        frame->SetFileChooser(&files);
        frame->resize(1100, 760);
        frame->show();
    }
    void TearDown() override { frame.reset(); }

    void Trigger(const QString& name) {
        QAction* a = frame->Command(name);
        ASSERT_NE(a, nullptr) << name.toStdString();
        a->trigger();
    }
    TFormMainSub* Active() const { return frame->ActiveDocument(); }
    // Appends the function graph `exp` to the active document's graph list; `listed` adds its
    // row to the list box too.
    void AddFunction(const std::string& exp, bool listed = false) const {
        TFunctionObj graph;
        graph.Exp = exp;
        Active()->Memory->AddFunction(graph);
        if (listed) Active()->MemoryListBox1->AddRow();
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    void WriteFile(const QString& name, const QByteArray& bytes) const {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void CloseAll() {
        for (QMdiSubWindow* sub : frame->MdiArea->subWindowList()) sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir dir;
    std::unique_ptr<ScopedProgramDir> programDir;
    MessageRecorder boxes;
    ScriptedFileChooser files;
    std::unique_ptr<TFormMain> frame;
};
