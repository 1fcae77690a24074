// The import dialog: its controls, the open dialog per format, what OK reads and every refusal.
#include "editors/fmImportTable.h"

#include "platform/ZMRadioGroup.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/ScopedLocale.h"
#include "support/ScriptedFileChooser.h"

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Points = std::vector<TTableElemObj>;

class ImportTableTest : public ::testing::Test {
protected:
    ImportTableTest() { dialog.SetFileChooser(&files); }

    QString Put(const char* name, const QByteArray& bytes) const {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    void ChooseFormat(int row) { Control<TRadioGroup>(dialog, "RadioGroup1")->Button(row)->click(); }
    void SetName(const QString& name) { Control<QLineEdit>(dialog, "Edit1")->setText(name); }
    void Ok() { Control<QPushButton>(dialog, "Button1")->click(); }

    QTemporaryDir dir;
    MessageRecorder boxes;
    ScriptedFileChooser files;
    TFormImportTable dialog;
};

TEST_F(ImportTableTest, BrowseAsksForTheCheckedFormatAndFillsTheReadOnlyName) {
    WhileShown(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Import Table"));
        EXPECT_EQ(TextOf(dialog, "Label1"), QStringLiteral("File Name:"));
        EXPECT_TRUE(Control<QLineEdit>(dialog, "Edit1")->isReadOnly());
        EXPECT_EQ(Control<QPushButton>(dialog, "Button3")->text(), QStringLiteral("Browse..."));
        auto* formats = Control<TRadioGroup>(dialog, "RadioGroup1");
        EXPECT_EQ(formats->title(), QStringLiteral("File Format"));
        EXPECT_EQ(formats->Button(2)->text(), QStringLiteral("CSV(*.csv)"));
        EXPECT_EQ(formats->ItemIndex(), 0);
        EXPECT_TRUE(Control<QPushButton>(dialog, "Button1")->isDefault());

        const struct {
            int row;
            const char* answer;
            const char* filter;
            const char* ext;
            const char* name;  // in the edit afterwards
        } cases[] = {
            {0, "/data/a.xml", "*.xml|*.xml", ".xml", "/data/a.xml"},
            {1, "", "*.txt|*.txt", ".txt", "/data/a.xml"},  // cancelled; the format leaves the name alone
            {2, "/data/b.csv", "*.csv|*.csv", ".csv", "/data/b.csv"},
        };
        for (const auto& c : cases) {
            ChooseFormat(c.row);
            files.answer(QString::fromLatin1(c.answer));
            Control<QPushButton>(dialog, "Button3")->click();
            const FileDialogRequest asked = files.last();
            EXPECT_FALSE(asked.save);
            EXPECT_EQ(asked.filter, QString::fromLatin1(c.filter));
            EXPECT_EQ(asked.defaultExt, QString::fromLatin1(c.ext));
            EXPECT_EQ(TextOf(dialog, "Edit1"), QString::fromLatin1(c.name));
        }
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.ImportedTable, nullptr);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(ImportTableTest, OkReadsTheFileInTheCheckedFormatIntoANewTable) {
    const struct {
        int row;
        const char* file;
        QByteArray bytes;
    } cases[] = {
        {0, "t.xml", "<TableObj><TableElemObjList><TableElemObj><x>1,5</x><y>2</y></TableElemObj>"
                     "<TableElemObj><x>-3</x><y>4</y></TableElemObj></TableElemObjList></TableObj>"},
        {1, "t.txt", "1,5  2\r\nnote\r\n-3 4"},
        {2, "t.csv", "1.5,2\r\n-3,4\r\n"},
    };
    ScopedLocale locale(QLocale::German);
    for (const auto& c : cases) {
        const QString path = Put(c.file, c.bytes);
        TFormImportTable d;
        WhileShown(d, [&] {
            Control<TRadioGroup>(d, "RadioGroup1")->Button(c.row)->click();
            Control<QLineEdit>(d, "Edit1")->setText(path);
            Control<QPushButton>(d, "Button1")->click();
            EXPECT_FALSE(d.isVisible()) << c.file;
        });
        ASSERT_TRUE(d.Execute()) << c.file;
        ASSERT_NE(d.ImportedTable, nullptr);
        EXPECT_EQ(d.ImportedTable->Points, (Points{{1.5, 2}, {-3, 4}})) << c.file;
        EXPECT_EQ(d.ImportedTable->Name, TTableObj().Name);
        EXPECT_EQ(d.ImportedTable->ShowEnabled, 0);
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(ImportTableTest, ARefusedFileShowsItsBoxKeepsTheDialogOpenAndHandsNothingOn) {
    const QString good = Put("good.xml", "<TableObj><L><TableElemObj><x>7</x><y>8</y></TableElemObj></L></TableObj>");
    const struct {
        const char* what;
        QString name;
        int row;
        MsgKind kind;
        QString text;
    } cases[] = {
        {"an empty name", QString(), 0, MsgKind::Warning, QStringLiteral("The file does not exist.")},
        {"no such file", dir.filePath(QStringLiteral("none.xml")), 0, MsgKind::Warning,
         QStringLiteral("The file does not exist.")},
        {"a folder", dir.path(), 1, MsgKind::Warning, QStringLiteral("The file does not exist.")},
        {"a document", Put("doc.xml", "<ZorvikMendalDocument><Memory/></ZorvikMendalDocument>"), 0, MsgKind::Warning,
         QStringLiteral("Improper XML file format.")},
        {"a bad point", Put("bad.xml", "<TableObj><L><TableElemObj><x>1</x><y>two</y></TableElemObj></L></TableObj>"),
         0, MsgKind::Error, QStringLiteral("'two' is not a valid floating point value")},
        {"cut off", Put("cut.xml", "<TableObj><L><TableElemObj><x>1</x>"), 0, MsgKind::Error,
         QStringLiteral("Premature end of document. (line 1, column 35)")},
        {"a text file read as XML", Put("plain.txt", "1  2\r\n"), 0, MsgKind::Error,
         QStringLiteral("Start tag expected. (line 1, column 1)")},
    };
    WhileShown(dialog, [&] {
        for (const auto& c : cases) {
            boxes.clear();
            ChooseFormat(c.row);
            SetName(c.name);
            Ok();
            ASSERT_EQ(boxes.count(), 1) << c.what;
            EXPECT_EQ(boxes.last().kind, c.kind) << c.what;
            EXPECT_EQ(boxes.last().text.toStdString(), c.text.toStdString()) << c.what;
            EXPECT_TRUE(dialog.isVisible()) << c.what;
            EXPECT_EQ(dialog.ImportedTable, nullptr) << c.what;
            EXPECT_EQ(TextOf(dialog, "Edit1"), c.name) << c.what;
            EXPECT_EQ(Control<TRadioGroup>(dialog, "RadioGroup1")->ItemIndex(), c.row) << c.what;
        }
        // A later OK starts afresh.
        boxes.clear();
        ChooseFormat(0);
        SetName(good);
        Ok();
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(dialog.ImportedTable->Points, (Points{{7, 8}}));
}

}  // namespace
