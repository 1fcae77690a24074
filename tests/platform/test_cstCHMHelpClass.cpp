#include "platform/cstCHMHelpClass.h"

#include "platform/ZMHelpViewer.h"
#include "platform/ZMProgramDir.h"
#include "support/ScopedProgramDir.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>

namespace {

THelpViewer* viewerOf(QWidget* owner) { return owner->findChild<THelpViewer*>(QString(), Qt::FindDirectChildrenOnly); }

// The text of the first block shown at the top of the viewer.
QString topBlock(QTextBrowser* b) { return b->cursorForPosition(QPoint(4, 4)).block().text(); }

// Whether the block that starts with `text` lies in the visible part of the viewer.
bool blockVisible(QTextBrowser* b, const QString& text) {
    for (QTextBlock blk = b->document()->begin(); blk.isValid(); blk = blk.next()) {
        if (!blk.text().startsWith(text)) continue;
        const double y = b->document()->documentLayout()->blockBoundingRect(blk).top() - b->verticalScrollBar()->value();
        return y >= 0 && y < b->viewport()->height();
    }
    return false;
}

void writePage(const QString& dir, const QString& name, const QByteArray& html) {
    QDir().mkpath(dir);
    QFile f(QDir(dir).filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(html);
}

}  // namespace

TEST(Help, EveryTopicOfTheProgramHasItsPageAndAnchorInTheProgramFolder) {
    const char* const topics[] = {
        "about.htm",        "quickref.htm",     "ch02_01.htm#211", "ch02_02.htm#221", "ch03_01.htm",
        "ch03_01.htm#3121", "ch04_01.htm#41",   "ch04_01.htm#42",  "ch04_01.htm#43",  "ch04_01.htm#44",
        "ch04_01.htm#45",   "ch04_01.htm#46",   "ch04_01.htm#47",  "ch05_01.htm",     "ch06_01.htm#612",
        "ch06_01.htm#62",   "ch06_01.htm#623",  "ch09_01.htm#92",
    };
    const QString folder = programFile("ZMHelp.chm");
    for (const char* t : topics) {
        const QStringList parts = QString::fromLatin1(t).split(QLatin1Char('#'));
        QFile page(QDir(folder).filePath(parts[0]));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << t;
        const QString html = QString::fromUtf8(page.readAll());
        if (parts.size() > 1) {
            EXPECT_TRUE(html.contains(QRegularExpression(QStringLiteral("<a name=\"%1\">").arg(parts[1])))) << t;
        }
        // Every link between the pages leads to a page that exists.
        const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(QFile::exists(QDir(folder).filePath(target))) << t << " links to " << target.toStdString();
        }
    }
}

TEST(Help, OpensTheTopicAtItsAnchorFromAModalDialogWhichStaysUsable) {
    QDialog dialog;
    dialog.resize(300, 200);
    bool returnedAtOnce = false;
    bool dialogStillModal = false;
    QString source, fragment, top, afterContents;
    bool anchorVisible = false;
    int scrolled = 0;
    QPointer<THelpViewer> viewer;
    QTimer::singleShot(0, &dialog, [&] {
        TCHMHelp().ShowTopic(&dialog, "ZMHelp.chm", "ch04_01.htm#45", 1);
        returnedAtOnce = true;
        viewer = viewerOf(&dialog);
        if (viewer) {
            QTest::qWait(50);
            source = viewer->Browser()->source().fileName();
            fragment = viewer->Browser()->source().fragment();
            anchorVisible = blockVisible(viewer->Browser(), QStringLiteral("4.5 Derivative"));
            scrolled = viewer->Browser()->verticalScrollBar()->value();
            // In a smaller window the anchor's heading comes to the very top.
            viewer->resize(400, 160);
            TCHMHelp().ShowTopic(&dialog, "ZMHelp.chm", "ch04_01.htm#43", 1);
            QTest::qWait(20);
            top = topBlock(viewer->Browser());
            // The viewer takes input while the dialog runs: click its Contents button through its window.
            auto* contents = viewer->findChild<QToolButton*>("Contents");
            QTest::mouseClick(viewer->windowHandle(), Qt::LeftButton, {},
                              contents->mapTo(viewer, contents->rect().center()));
            afterContents = viewer->Browser()->source().fileName();
        }
        dialogStillModal = dialog.isVisible() && QApplication::activeModalWidget() == &dialog;
        dialog.accept();
    });
    dialog.exec();
    EXPECT_TRUE(returnedAtOnce);
    EXPECT_TRUE(dialogStillModal);
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(viewer->isWindow());
    EXPECT_EQ(viewer->parentWidget(), &dialog);
    EXPECT_EQ(source, QStringLiteral("ch04_01.htm"));
    EXPECT_EQ(fragment, QStringLiteral("45"));
    EXPECT_TRUE(anchorVisible);
    EXPECT_GT(scrolled, 0);
    EXPECT_EQ(top, QStringLiteral("4.3 Analyze Function"));
    EXPECT_EQ(afterContents, QStringLiteral("about.htm"));
}

TEST(Help, ResolvesTheFileFromTheProgramFolderNotTheWorkingFolder) {
    QTemporaryDir prog, cwd;
    writePage(prog.filePath("ZMHelp.chm"), "about.htm", "<html><body><p>program folder contents</p></body></html>");
    writePage(cwd.filePath("ZMHelp.chm"), "about.htm", "<html><body><p>working folder contents</p></body></html>");
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(cwd.path());
    ScopedProgramDir scoped(prog.path());
    QWidget owner;
    TCHMHelp().ShowTopic(&owner, "ZMHelp.chm", "", 1);
    QDir::setCurrent(oldCwd);
    THelpViewer* v = viewerOf(&owner);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->Folder(), prog.filePath("ZMHelp.chm"));
    EXPECT_TRUE(v->Browser()->toPlainText().contains("program folder contents"));

    // Not in the program folder: the name is used as given, and the viewer is reused.
    writePage(cwd.filePath("other"), "p.htm", "<html><body><p>full path page</p></body></html>");
    TCHMHelp().ShowTopic(&owner, cwd.filePath("other"), "p.htm", 0);
    EXPECT_EQ(viewerOf(&owner), v);
    EXPECT_EQ(owner.findChildren<THelpViewer*>().size(), 1);
    EXPECT_TRUE(v->Browser()->toPlainText().contains("full path page"));
}

TEST(Help, MissingFolderPageOrAnchorIsShownInTheViewerOnly) {
    QTemporaryDir prog;
    writePage(prog.filePath("ZMHelp.chm"), "a.htm", "<html><body><h1>Top of a</h1><p>text</p></body></html>");
    ScopedProgramDir scoped(prog.path());
    QWidget owner;
    struct Case {
        const char* file;
        const char* topic;
        const char* shown;
    };
    const Case cases[] = {
        {"ZMHelp.chm", "missing.htm#3", "was not found"},
        {"NoSuchHelp.chm", "a.htm", "was not found"},
        {"ZMHelp.chm", "a.htm#999", "Top of a"},
    };
    for (const Case& c : cases) {
        TCHMHelp().ShowTopic(&owner, c.file, c.topic, 1);
        THelpViewer* v = viewerOf(&owner);
        ASSERT_NE(v, nullptr);
        EXPECT_TRUE(v->Browser()->toPlainText().contains(c.shown)) << c.topic;
    }
    EXPECT_EQ(topBlock(viewerOf(&owner)->Browser()), QStringLiteral("Top of a"));
}

TEST(Help, WithoutAnOwnerOneTopLevelViewerIsReused) {
    TCHMHelp().ShowTopic(nullptr, "ZMHelp.chm", "quickref.htm", 1);
    THelpViewer* first = THelpViewer::ForOwner(nullptr);
    TCHMHelp().ShowTopic(nullptr, "ZMHelp.chm", "about.htm", 1);
    EXPECT_EQ(THelpViewer::ForOwner(nullptr), first);
    EXPECT_EQ(first->parentWidget(), nullptr);
    EXPECT_EQ(first->Browser()->source().fileName(), QStringLiteral("about.htm"));
    QPointer<THelpViewer> guard(first);
    first->close();  // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}
