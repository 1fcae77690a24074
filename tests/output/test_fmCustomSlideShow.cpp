// The custom slide show dialog, shown offscreen: the grid after each change, selection and
// removal, playing, slide list files, the export and help.
#include "output/fmCustomSlideShow.h"

#include "output/fmOutputSlideShowFile.h"
#include "platform/ZMFileBrowse.h"
#include "platform/ZMLinkLabel.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/NextModal.h"
#include "support/ScriptedFileChooser.h"
#include "support/SmallFileLimit.h"
#include "support/ViewerWatch.h"
#include "support/XmlTestHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CustomSlideShowTest : public ::testing::Test {
protected:
    CustomSlideShowTest() {
        docs = dir.filePath(QStringLiteral("docs"));
        QDir().mkpath(docs);
        for (const char* name : {"a.xml", "b.xml", "c.xml"}) {
            QFile f(QDir(docs).filePath(QString::fromLatin1(name)));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("<ZorvikMendalDocument><Memory/></ZorvikMendalDocument>");
            paths << f.fileName();
        }
        dialog.SetFileChooser(&files);
        dialog.SetSlideLauncher([this](const QStringList& list) { played.push_back(list); });
        dialog.DirectoryListBox1->SetDirectory(docs);
    }

    // Runs fn while the dialog is shown editing `list`.
    void Run(std::function<void()> fn, QStringList* list) {
        WhileShown(dialog, std::move(fn));
        dialog.Execute(list);
    }
    void Run(std::function<void()> fn) { Run(std::move(fn), &slides); }
    void Click(const char* button) { Control<QPushButton>(dialog, button)->click(); }
    // The user clicks row `row` of the grid (the header is row 0).
    void Select(int row) {
        QTableWidget* grid = dialog.StringGrid1;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row - 1, 1)).center());
    }
    // The user picks file `i` of the browser and adds it.
    void Add(int i) {
        dialog.FileListBox1->setCurrentRow(i);
        Click("Button1");
    }
    // Each grid row as "number|file name|path".
    QStringList Rows() const {
        QStringList rows;
        const QTableWidget* grid = dialog.StringGrid1;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 3; ++c) cells << (grid->item(r, c) ? grid->item(r, c)->text() : QStringLiteral("<none>"));
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }
    // The rows expected for `list`.
    static QStringList RowsOf(const QStringList& list) {
        QStringList rows;
        for (int i = 0; i < list.size(); ++i)
            rows << QStringLiteral("%1|%2|%3").arg(i + 1).arg(QFileInfo(list[i]).fileName(), list[i]);
        return rows << QStringLiteral("||");
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QString docs;
    QStringList paths;  // a.xml, b.xml, c.xml
    QStringList slides;
    std::vector<QStringList> played;
    MessageRecorder boxes;
    ScriptedFileChooser files;
    TFormCustomSlideShow dialog;
};

TEST_F(CustomSlideShowTest, OpensCentredOnItsListWithNothingSelected) {
    slides = {paths[0], paths[1]};
    Run([&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Custom Slide Show"));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        EXPECT_LE((dialog.frameGeometry().center() - dialog.screen()->availableGeometry().center()).manhattanLength(), 2);
        const struct {
            const char* name;
            const char* caption;
        } buttons[] = {
            {"Button1", "<< Add a Slide"}, {"Button2", ">> Remove a Slide"}, {"Button6", "Remove All"},
            {"Button3", "View Slide Show"}, {"Button7", "Save as a Slide List (*.txt)..."},
            {"Button8", "Open a Slide List (*.txt)"}, {"Button9", "Output as a Slide Show File (*.sld)"},
            {"Button5", "Help"}, {"Button4", "Close"},
        };
        for (const auto& b : buttons) {
            EXPECT_EQ(Control<QPushButton>(dialog, b.name)->text(), QString::fromLatin1(b.caption));
            EXPECT_EQ(Control<QPushButton>(dialog, b.name)->isDefault(), std::string(b.name) == "Button3") << b.name;
        }
        EXPECT_EQ(dialog.Label1->text(), QStringLiteral("Help"));
        EXPECT_EQ(dialog.LabelSlide->text(), QStringLiteral("Slide: 0/0"));

        QTableWidget* grid = dialog.StringGrid1;
        QStringList headers;
        for (int c = 0; c < grid->columnCount(); ++c) headers << grid->horizontalHeaderItem(c)->text();
        EXPECT_EQ(headers, (QStringList{QStringLiteral("No."), QStringLiteral("Filename"), QStringLiteral("Location")}));
        EXPECT_EQ(grid->columnWidth(0), 32);
        EXPECT_EQ(grid->columnWidth(1), 48);
        EXPECT_EQ(grid->columnWidth(2), 211);
        EXPECT_EQ(grid->rowHeight(0), 18);
        EXPECT_EQ(Rows(), RowsOf(slides));

        EXPECT_EQ(dialog.SelectedIndex, -1);
        EXPECT_EQ(grid->currentRow(), -1);
        EXPECT_TRUE(grid->selectedItems().isEmpty());
        EXPECT_FALSE(grid->hasFocus());
        EXPECT_EQ(dialog.FileListBox1->Mask(), QStringLiteral("*.xml"));
        EXPECT_EQ(dialog.FileListBox1->count(), 3);
    });

    // Without a list the dialog edits one of its own.
    Run([&] {
        EXPECT_EQ(Rows(), QStringList{QStringLiteral("||")});
        Add(2);
        EXPECT_EQ(*dialog.SlideList, QStringList{paths[2]});
    }, nullptr);
    EXPECT_EQ(slides, (QStringList{paths[0], paths[1]}));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(CustomSlideShowTest, GridFollowsEveryChangeAndLeavesTheSelectionAlone) {
    Run([&] {
        Click("Button1");  // no file chosen in the browser
        EXPECT_EQ(Rows(), QStringList{QStringLiteral("||")});

        Add(0);
        EXPECT_EQ(Rows(), RowsOf({paths[0]}));
        // A double click in the file list adds too.
        QListWidget* list = dialog.FileListBox1;
        const QPoint at = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(Rows(), RowsOf({paths[0], paths[2]}));

        Select(2);
        EXPECT_EQ(dialog.SelectedIndex, 1);
        EXPECT_EQ(dialog.LabelSlide->text(), QStringLiteral("Slide: 2/2"));
        Add(1);
        EXPECT_EQ(Rows(), RowsOf({paths[0], paths[2], paths[1]}));
        EXPECT_EQ(dialog.SelectedIndex, 1);  // the rebuild chose nothing
        EXPECT_EQ(dialog.StringGrid1->currentRow(), 1);
        EXPECT_EQ(dialog.LabelSlide->text(), QStringLiteral("Slide: 2/3"));

        Click("Button2");
        EXPECT_EQ(Rows(), RowsOf({paths[0], paths[1]}));
        EXPECT_EQ(dialog.SelectedIndex, 1);  // now the slide that followed
        EXPECT_EQ(dialog.StringGrid1->currentRow(), 1);
        EXPECT_EQ(dialog.LabelSlide->text(), QStringLiteral("Slide: 2/2"));
    });
    EXPECT_EQ(slides, (QStringList{paths[0], paths[1]}));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(CustomSlideShowTest, RemoveTakesTheSelectedSlideOnly) {
    // Steps: a number selects that grid row (the header is row 0), "r" presses Remove, "a" adds
    // the browser's third file.
    struct Case {
        const char* what;
        int count;  // slides a, b, c ... to start with
        std::vector<const char*> steps;
        std::vector<int> left;  // the slides left, by their first position
        int selected;
        const char* label;
        int warnings;
    };
    const Case cases[] = {
        {"nothing selected", 3, {"r"}, {0, 1, 2}, -1, "Slide: 0/0", 1},
        {"the middle one", 3, {"2", "r"}, {0, 2}, 1, "Slide: 2/2", 0},
        {"twice, then past the end", 3, {"2", "r", "r", "r"}, {0}, 1, "Slide: 2/1", 0},
        {"the last one", 3, {"3", "r"}, {0, 1}, 2, "Slide: 3/2", 0},
        {"the empty last row", 3, {"4", "r"}, {0, 1, 2}, 3, "Slide: 4/3", 0},
        {"a list of one", 1, {"1", "r"}, {}, -1, "Slide: 0/0", 0},
        {"a list of one, then again", 1, {"1", "r", "r"}, {}, -1, "Slide: 0/0", 1},
        {"an empty list", 0, {"1", "r"}, {}, -1, "Slide: 0/0", 1},
        {"another row after the first", 3, {"1", "3", "r"}, {0, 1}, 2, "Slide: 3/2", 0},
        {"selected, then another added", 2, {"2", "a", "a"}, {0, 1, 2, 2}, 1, "Slide: 2/4", 0},
    };
    for (const Case& c : cases) {
        slides = paths.mid(0, c.count);
        boxes.clear();
        Run([&] {
            for (const char* step : c.steps) {
                if (std::string(step) == "r") Click("Button2");
                else if (std::string(step) == "a") Add(2);
                else Select(std::stoi(step));
            }
            EXPECT_EQ(dialog.SelectedIndex, c.selected) << c.what;
            EXPECT_EQ(dialog.LabelSlide->text(), QString::fromLatin1(c.label)) << c.what;
            EXPECT_EQ(Rows(), RowsOf(slides)) << c.what;
        });
        QStringList left;
        for (int i : c.left) left << paths[i];
        EXPECT_EQ(slides, left) << c.what;
        ASSERT_EQ(boxes.count(), c.warnings) << c.what;
        for (const MessageRequest& box : boxes.boxes()) {
            EXPECT_EQ(box.kind, MsgKind::Warning);
            EXPECT_EQ(box.text, QStringLiteral("You must select a Slide to remove."));
            EXPECT_EQ(box.buttons, MsgButtons::Ok);
        }
    }
}

TEST_F(CustomSlideShowTest, RemoveAllAsksFirst) {
    slides = paths;
    Run([&] {
        Select(2);
        boxes.answer(MsgResult::Cancel);
        Click("Button6");
        EXPECT_EQ(slides, paths);
        EXPECT_EQ(dialog.SelectedIndex, 1);

        boxes.answer(MsgResult::Ok);
        Click("Button6");
        EXPECT_EQ(slides, QStringList());
        EXPECT_EQ(dialog.SelectedIndex, -1);
        EXPECT_EQ(Rows(), QStringList{QStringLiteral("||")});
        EXPECT_EQ(dialog.StringGrid1->currentRow(), -1);
        EXPECT_EQ(dialog.LabelSlide->text(), QStringLiteral("Slide: 0/0"));
    });
    ASSERT_EQ(boxes.count(), 2);
    for (const MessageRequest& box : boxes.boxes()) {
        EXPECT_EQ(box.kind, MsgKind::Warning);
        EXPECT_EQ(box.text, QStringLiteral("Do you want to remove all slides?"));
        EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    }
}

TEST_F(CustomSlideShowTest, ViewSlideShowPlaysAListThatHasSlides) {
    Run([&] {
        Click("Button3");
        EXPECT_TRUE(played.empty());
        Add(1);
        Add(1);
        Click("Button3");
    });
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0], (QStringList{paths[1], paths[1]}));

    // By default the full-screen viewer plays the list from its first slide.
    dialog.SetSlideLauncher(nullptr);
    slides = {paths[2], paths[0]};
    const QStringList* shown = nullptr;
    int index = -2;
    Run([&] {
        const NextModal viewerWatch = whenViewerShows([&](TFormSlideShow& viewer) {
            shown = viewer.SlideList;
            index = viewer.SlideIndex;
        });
        Click("Button3");
    });
    EXPECT_EQ(shown, &slides);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(CustomSlideShowTest, SlideListsAreSavedAndOpenedAfterTheListedSlides) {
    const QString list = Path("show.txt");
    slides = {paths[2], paths[0]};
    files.answer(list);
    files.answer(list);
    files.answer(list);
    files.answer(QString());
    files.answer(QStringLiteral("   "));
    Run([&] {
        Click("Button7");
        Click("Button8");  // the file's slides after the listed ones
        EXPECT_EQ(Rows(), RowsOf(slides));
        Click("Button8");
        Click("Button7");  // cancelled
        Click("Button8");  // a blank name
    });
    EXPECT_EQ(slides, (QStringList{paths[2], paths[0], paths[2], paths[0], paths[2], paths[0]}));
    EXPECT_EQ(fileText(list.toStdString()),
              "Zorvik Mendal Information \r\n"
              "Slide List File - it consists of the Location Information about Document files.\r\n"
              "[slide]" + paths[2].toStdString() + "\r\n[slide]" + paths[0].toStdString() + "\r\n");
    const std::vector<FileDialogRequest>& asked = files.requests();
    ASSERT_EQ(asked.size(), 5u);
    for (std::size_t i = 0; i < asked.size(); ++i) {
        EXPECT_EQ(asked[i].save, i == 0 || i == 3) << i;
        EXPECT_EQ(asked[i].defaultExt, QStringLiteral(".txt"));
        EXPECT_EQ(asked[i].filter, QStringLiteral("*.txt|*.txt"));
        EXPECT_EQ(asked[i].parent, &dialog);
    }
    EXPECT_TRUE(asked[0].overwritePrompt);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(CustomSlideShowTest, SlideListFilesThatFailLeaveListAndFileAsTheyWere) {
    const QString old = Path("old.txt");
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[slide]/kept.xml\r\n");
    }
    slides = paths;
    files.answer(Path("no/such/folder/show.txt"));
    files.answer(old);
    files.answer(Path("missing.txt"));
    files.answer(dir.path());
    Run([&] {
        Click("Button7");
        {
            SmallFileLimit limit(8);
            Click("Button7");
        }
        Click("Button8");
        Click("Button8");
        EXPECT_EQ(Rows(), RowsOf(paths));
    });
    EXPECT_EQ(slides, paths);
    EXPECT_EQ(fileText(old.toStdString()), "[slide]/kept.xml\r\n");
    EXPECT_FALSE(QFileInfo::exists(Path("no")));
    EXPECT_EQ(boxes.texts(), (QStringList{QStringLiteral("Output Slide List error."), QStringLiteral("Output Slide List error."),
                                          QStringLiteral("Open Slide List error."), QStringLiteral("Open Slide List error.")}));
    for (const MessageRequest& box : boxes.boxes()) EXPECT_EQ(box.kind, MsgKind::Warning);
}

TEST_F(CustomSlideShowTest, OutputOpensTheExportOnTheListWithTheSameFileDialogs) {
    slides = {paths[0], paths[0]};
    const QString out = Path("show.sld");
    files.answer(out);
    QString caption;
    Run([&] {
        const NextModal answer([&](QWidget* modal) {
            caption = modal->windowTitle();
            if (auto* output = qobject_cast<TFormOutputSlideShowFile*>(modal)) output->Button1->click();
            if (modal->isVisible()) modal->close();
        });
        Click("Button9");
    });
    EXPECT_EQ(caption, QStringLiteral("Output Slide Show File"));
    const std::string slide = " <ZorvikMendalDocument>\n  <Memory/>\n </ZorvikMendalDocument>\n";
    EXPECT_EQ(fileText(out.toStdString()), "<ZorvikMendalSlides>\n" + slide + slide + "</ZorvikMendalSlides>\n");
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Output Slide Show File successfully.")});
}

TEST_F(CustomSlideShowTest, HelpButtonAndHelpLinkOpenTheirTopics) {
    Run([&] {
        Click("Button5");
        ExpectHelpShown(dialog, "ch06_01.htm", "62");
        QTest::mouseClick(dialog.Label1, Qt::LeftButton);
        ExpectHelpShown(dialog, "ch06_01.htm", "623");
    });
}

}  // namespace
