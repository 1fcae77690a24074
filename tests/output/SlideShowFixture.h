#pragma once
// The full-screen viewer shown offscreen over small document files written to a temporary
// folder, with every load waiting for the viewer's own tick.

#include "output/fmSlideShow.h"

#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "storage/ZMAddLabel.h"
#include "support/MessageRecorder.h"
#include "support/ScopedProgramDir.h"
#include "support/ViewerWatch.h"

// Pieces of a document, as the document writer writes them.
inline std::string GraphsElement(const std::vector<std::string>& exps) {
    std::string s = "<Memory>";
    for (const std::string& e : exps) s += "<FunctionObj><Exp>" + e + "</Exp><ShowEnabled>1</ShowEnabled></FunctionObj>";
    return s + "</Memory>";
}

inline std::string LabelsElement(const std::vector<std::string>& captions) {
    std::string s = "<AddLabels>";
    for (std::size_t i = 0; i < captions.size(); ++i)
        s += "<AddLabel><Caption>" + captions[i] + "</Caption><Transparent>0</Transparent><x>" + std::to_string(i) +
             "</x><y>" + std::to_string(i) + "</y></AddLabel>";
    return s + "</AddLabels>";
}

inline std::string XViewElement(int min, int max) {
    return "<Coordinate><XInterval><Min>" + std::to_string(min) + "</Min><Max>" + std::to_string(max) +
           "</Max><Enabled>1</Enabled></XInterval></Coordinate>";
}

class SlideShow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        programDir = std::make_unique<ScopedProgramDir>(dir.path());
        viewer = std::make_unique<TFormSlideShow>();
    }
    void TearDown() override { viewer.reset(); }

    // Writes a file of the temporary folder and returns its path.
    QString Write(const QString& name, const std::string& text) const {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.c_str());
        return f.fileName();
    }
    QString Document(const QString& name, const std::string& children) const {
        return Write(name, "<ZorvikMendalDocument>" + children + "</ZorvikMendalDocument>");
    }
    // One document per name, each holding one label captioned with its name.
    QStringList NamedSlides(int count) const {
        QStringList list;
        for (int i = 0; i < count; ++i) {
            const std::string name = "slide" + std::to_string(i);
            list << Document(QString::fromStdString(name + ".xml"), LabelsElement({name}));
        }
        return list;
    }

    void WaitForTick() const { ASSERT_TRUE(WaitForViewerTick(*viewer)); }
    void ShowSlides(int start, const QStringList& list) {
        slides = list;
        viewer->PrepareSlides(start, slides);
        viewer->show();
        WaitForTick();
    }
    void ShowDocument(const QString& path) {
        viewer->PrepareDocument(path);
        viewer->show();
        WaitForTick();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(viewer.get(), key, modifiers);
    }
    // Presses the keys in order, waiting for each load they start.
    void Keys(const std::vector<Qt::Key>& keys) const {
        for (Qt::Key k : keys) {
            Key(k);
            WaitForTick();
        }
    }

    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (const TAddLabel* label : viewer->Labels()) out.push_back(label->Caption());
        return out;
    }
    bool PanelShown() const { return !viewer->GroupBoxMovement->isHidden(); }

    QTemporaryDir dir;
    std::unique_ptr<ScopedProgramDir> programDir;
    MessageRecorder boxes;
    QStringList slides;
    std::unique_ptr<TFormSlideShow> viewer;
};
