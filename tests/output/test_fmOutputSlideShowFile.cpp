// The export dialog: what it asks, what it writes and says, and that it closes every time.
#include "output/fmOutputSlideShowFile.h"

#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/ScriptedFileChooser.h"
#include "support/XmlTestHelpers.h"

#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

class OutputSlideShowFileTest : public ::testing::Test {
protected:
    OutputSlideShowFileTest() {
        doc = Put("doc.xml", "<ZorvikMendalDocument><Memory/></ZorvikMendalDocument>");
        dialog.SetFileChooser(&files);
    }
    QString Put(const char* name, const char* bytes) const {
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QString doc;
    MessageRecorder boxes;
    ScriptedFileChooser files;
    TFormOutputSlideShowFile dialog;
};

TEST_F(OutputSlideShowFileTest, WritesTheFileSaysHowItWentAndCloses) {
    const std::string one = " <ZorvikMendalDocument>\n  <Memory/>\n </ZorvikMendalDocument>\n";
    struct Case {
        const char* what;
        const char* answer;  // the name chosen in the folder; "" cancels, blanks are taken as they are
        std::vector<const char*> slides;
        const char* before;  // the target's bytes beforehand, or null for no file
        std::optional<std::string> after;  // the target's bytes afterwards, or none for no file
        const char* box;     // the text of the one box, or null for none
        MsgKind kind;
    };
    const Case cases[] = {
        {"two slides, the same document", "show.sld", {"doc.xml", "doc.xml"}, nullptr,
         "<ZorvikMendalSlides>\n" + one + one + "</ZorvikMendalSlides>\n", "Output Slide Show File successfully.",
         MsgKind::Information},
        {"an empty list", "show.sld", {}, "old", std::string("<ZorvikMendalSlides/>\n"),
         "Output Slide Show File successfully.", MsgKind::Information},
        {"a missing document", "show.sld", {"doc.xml", "missing.xml"}, "old", std::string("old"),
         "Output Slide Show File error.", MsgKind::Warning},
        {"a missing document, no file before", "show.sld", {"missing.xml"}, nullptr, std::nullopt,
         "Output Slide Show File error.", MsgKind::Warning},
        {"a folder that is not there", "no/show.sld", {"doc.xml"}, nullptr, std::nullopt,
         "Output Slide Show File error.", MsgKind::Warning},
        {"cancelled", "", {"doc.xml"}, nullptr, std::nullopt, nullptr, MsgKind::Information},
        {"a blank name", "  ", {"doc.xml"}, nullptr, std::nullopt, nullptr, MsgKind::Information},
    };
    for (const Case& c : cases) {
        const bool blank = QString::fromLatin1(c.answer).trimmed().isEmpty();
        const QString target = Path(blank ? "show.sld" : c.answer);
        QFile::remove(target);
        if (c.before) Put("show.sld", c.before);
        QStringList slides;
        for (const char* s : c.slides) slides << Path(s);
        boxes.clear();
        files.answer(blank ? QString::fromLatin1(c.answer) : target);
        bool closed = false;
        WhileShown(dialog, [&] {
            dialog.Button1->click();
            closed = !dialog.isVisible();
        });
        dialog.Execute(slides);

        EXPECT_TRUE(closed) << c.what;
        if (c.after) {
            EXPECT_EQ(fileText(target.toStdString()), *c.after) << c.what;
        } else {
            EXPECT_FALSE(QFileInfo::exists(target)) << c.what;
        }
        if (c.box) {
            ASSERT_EQ(boxes.count(), 1) << c.what;
            EXPECT_EQ(boxes.last().text, QString::fromLatin1(c.box)) << c.what;
            EXPECT_EQ(boxes.last().kind, c.kind) << c.what;
            EXPECT_EQ(boxes.last().parent, &dialog) << c.what;
        } else {
            EXPECT_EQ(boxes.count(), 0) << c.what;
        }
    }
    for (const FileDialogRequest& r : files.requests()) {
        EXPECT_TRUE(r.save);
        EXPECT_TRUE(r.overwritePrompt);
        EXPECT_EQ(r.defaultExt, QStringLiteral(".sld"));
        EXPECT_EQ(r.filter, QStringLiteral("Slide Show File|*.sld|XML File|*.xml"));
    }
}

TEST_F(OutputSlideShowFileTest, ShowsItsInstructionAndClosesWithoutWriting) {
    WhileShown(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Output Slide Show File"));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        EXPECT_TRUE(dialog.Memo1->isReadOnly());
        EXPECT_TRUE(dialog.Memo1->toPlainText().startsWith(QStringLiteral("<<Special Instruction>>\n")));
        EXPECT_EQ(TextOf(dialog, "Label1"), QStringLiteral("Help "));
        EXPECT_EQ(dialog.Button1->text(), QStringLiteral("Output a Slide Show File"));
        EXPECT_TRUE(dialog.Button1->isDefault());
        EXPECT_EQ(dialog.Button2->text(), QStringLiteral("Close"));
        dialog.Button2->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    dialog.Execute({doc});
    EXPECT_TRUE(files.requests().empty());
    EXPECT_EQ(boxes.count(), 0);
}

}  // namespace
