#include "platform/ZMFileBrowse.h"

#include "support/ComboItems.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FileBrowse : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        root = QDir(tmp.path()).canonicalPath();
        docs = root + QStringLiteral("/docs");
        for (const char* folder : {"docs/beta", "docs/Alpha", "docs/.git"}) QDir(root).mkpath(QString::fromLatin1(folder));
        for (const char* file : {"docs/a.xml", "docs/B.XML", "docs/c.txt", "docs/.hidden.xml", "docs/Alpha/z.Xml"}) {
            QFile f(root + QLatin1Char('/') + QString::fromLatin1(file));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }

    static QStringList Texts(const QListWidget& list) {
        QStringList texts;
        for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
        return texts;
    }
    // A user's double click on a row.
    static void DoubleClick(QListWidget& list, int row) {
        const QRect at = list.visualItemRect(list.item(row));
        // The widget form of mouseDClick sends the double click alone; a view wants the press first.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at.center());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at.center());
    }

    QTemporaryDir tmp;
    QString root;
    QString docs;
};

TEST_F(FileBrowse, FolderListShowsTheAncestorsThenTheSubfolders) {
    TDirectoryListBox folders;
    folders.SetDirectory(docs + QStringLiteral("/"));
    EXPECT_EQ(folders.Directory(), docs);

    QStringList ancestors{QStringLiteral("/")};
    QStringList paths{QStringLiteral("/")};
    for (const QString& part : docs.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        ancestors << part;
        paths << (paths.size() == 1 ? QString() : paths.last()) + QLatin1Char('/') + part;
    }
    const int current = static_cast<int>(ancestors.size()) - 1;
    // Subfolders sorted without regard to case; hidden ones left out.
    EXPECT_EQ(Texts(folders), ancestors + QStringList({QStringLiteral("Alpha"), QStringLiteral("beta")}));
    EXPECT_EQ(folders.currentRow(), current);
    for (int i = 0; i < paths.size(); ++i) EXPECT_EQ(folders.PathAt(i), paths[i]) << i;
    EXPECT_EQ(folders.PathAt(current + 1), docs + QStringLiteral("/Alpha"));

    // A path that is not a folder gives the nearest folder above it.
    folders.SetDirectory(docs + QStringLiteral("/a.xml"));
    EXPECT_EQ(folders.Directory(), docs);
    folders.SetDirectory(docs + QStringLiteral("/no/such/folder"));
    EXPECT_EQ(folders.Directory(), docs);
}

TEST_F(FileBrowse, FileListMatchesItsMaskIgnoringCase) {
    TFileListBox files;
    files.SetMask(QStringLiteral("*.xml"));
    files.SetDirectory(docs);
    EXPECT_EQ(Texts(files), (QStringList{QStringLiteral("a.xml"), QStringLiteral("B.XML")}));
    EXPECT_EQ(files.FileName(), QString());  // nothing selected yet
    files.setCurrentRow(1);
    EXPECT_EQ(files.FileName(), docs + QStringLiteral("/B.XML"));

    files.SetMask(QStringLiteral("*.txt;*.XML"));
    EXPECT_EQ(Texts(files), (QStringList{QStringLiteral("a.xml"), QStringLiteral("B.XML"), QStringLiteral("c.txt")}));
}

TEST_F(FileBrowse, LinkedControlsFollowTheUsersChoices) {
    TDriveComboBox drive;
    TDirectoryListBox folders;
    TFileListBox files;
    files.SetMask(QStringLiteral("*.xml"));
    folders.SetDirectory(docs);
    LinkFileBrowse(&drive, &folders, &files);
    folders.resize(300, 600);
    folders.show();

    // "/" comes first, each mount point once; the box shows the one holding the folder.
    ASSERT_GE(drive.count(), 1);
    EXPECT_EQ(drive.itemText(0), QStringLiteral("/"));
    QStringList roots = ComboItems(drive);
    EXPECT_EQ(roots.removeDuplicates(), 0);
    EXPECT_TRUE(drive.Drive() == QStringLiteral("/") || docs.startsWith(drive.Drive() + QLatin1Char('/')));
    EXPECT_EQ(Texts(files), (QStringList{QStringLiteral("a.xml"), QStringLiteral("B.XML")}));

    // Into a subfolder, then back up to an ancestor.
    const int alpha = folders.count() - 2;
    DoubleClick(folders, alpha);
    EXPECT_EQ(folders.Directory(), docs + QStringLiteral("/Alpha"));
    EXPECT_EQ(Texts(files), QStringList{QStringLiteral("z.Xml")});
    DoubleClick(folders, static_cast<int>(docs.count(QLatin1Char('/'))) - 1);
    EXPECT_EQ(folders.Directory(), root);
    EXPECT_EQ(Texts(files), QStringList());

    // Choosing a drive goes to its top folder.
    emit drive.activated(0);
    EXPECT_EQ(folders.Directory(), QStringLiteral("/"));
    EXPECT_EQ(files.Directory(), QStringLiteral("/"));
    EXPECT_EQ(drive.currentIndex(), 0);
}

}  // namespace
