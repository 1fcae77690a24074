// The export dialog: the list of table graphs, the format and its file name, the save dialog,
// what OK writes and a write that fails.
#include "editors/fmExportTable.h"

#include "platform/ZMRadioGroup.h"
#include "storage/ZMTableFile.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/ScriptedFileChooser.h"
#include "support/SmallFileLimit.h"
#include "support/XmlTestHelpers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

TTableObj TableOf(int points, double y) {
    TTableObj t;
    for (int i = 0; i < points; ++i) t.AddPoint(i, y);
    return t;
}

class ExportTableTest : public ::testing::Test {
protected:
    ExportTableTest() {
        // Graph list: a function, tables of 3, 12 and 3 points, a function.
        memory.AddFunction(TFunctionObj());
        memory.AddTable(TableOf(3, 1));
        memory.AddTable(TableOf(12, 2));
        memory.AddTable(TableOf(3, 3));
        memory.AddFunction(TFunctionObj());
        dialog.SetFileChooser(&files);
    }
    TTableObj* Table(int graph) { return memory.GetTable(graph); }
    QComboBox* List() { return Control<QComboBox>(dialog, "ComboBox1"); }
    void ChooseFormat(int row) { Control<TRadioGroup>(dialog, "RadioGroup1")->Button(row)->click(); }
    QString Name() { return TextOf(dialog, "Edit1"); }
    std::string Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }

    QTemporaryDir dir;
    TMemory memory;
    MessageRecorder boxes;
    ScriptedFileChooser files;
    TFormExportTable dialog;
};

TEST_F(ExportTableTest, WithoutTableGraphsItSaysSoAndDoesNotOpen) {
    TMemory functions;
    functions.AddFunction(TFunctionObj());
    bool shown = false;
    WhileShown(dialog, [&] { shown = dialog.isVisible(); });
    EXPECT_FALSE(dialog.Execute(functions, 0));
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("There are no table graphs.")});
    EXPECT_EQ(boxes.last().kind, MsgKind::Warning);
}

TEST_F(ExportTableTest, ListsTheTableGraphsAndPreselectsTheOneAsked) {
    const struct {
        int index;
        int row;    // preselected
        int graph;  // its table graph
    } cases[] = {{0, 0, 1}, {2, 2, 3}, {1, 1, 2}, {3, 0, 1}, {-1, 0, 1}};
    for (const auto& c : cases) {
        TFormExportTable d;
        WhileShown(d, [&] {
            auto* list = Control<QComboBox>(d, "ComboBox1");
            ASSERT_EQ(list->count(), 3);
            EXPECT_EQ(list->itemText(0), QStringLiteral("Table: 3 items"));
            EXPECT_EQ(list->itemText(1), QStringLiteral("Table: 12 items"));
            EXPECT_EQ(list->itemText(2), QStringLiteral("Table: 3 items"));
            EXPECT_EQ(list->currentIndex(), c.row) << c.index;
            EXPECT_EQ(d.SelectedTable, Table(c.graph)) << c.index;
        });
        EXPECT_FALSE(d.Execute(memory, c.index));
    }
    // Two entries that read alike each choose their own table graph.
    WhileShown(dialog, [&] {
        List()->setCurrentIndex(2);
        emit List()->activated(2);
        EXPECT_EQ(dialog.SelectedTable, Table(3));
        List()->setCurrentIndex(0);
        emit List()->activated(0);
        EXPECT_EQ(dialog.SelectedTable, Table(1));
    });
    EXPECT_FALSE(dialog.Execute(memory, 2));
}

TEST_F(ExportTableTest, EachFormatGivesItsDefaultNameAndItsSaveDialog) {
    WhileShown(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Export Table"));
        EXPECT_EQ(TextOf(dialog, "Label1"), QStringLiteral("File Name: "));
        EXPECT_FALSE(Control<QLineEdit>(dialog, "Edit1")->isReadOnly());
        EXPECT_EQ(Control<TRadioGroup>(dialog, "RadioGroup1")->ItemIndex(), 0);
        EXPECT_EQ(Name(), QStringLiteral("Table1.xml"));

        const struct {
            int row;
            const char* name;  // after the choice, over a typed name
            const char* filter;
            const char* ext;
        } cases[] = {
            {2, "Table1.csv", "*.csv|*.csv", ".csv"},
            {2, "typed.dat", "*.csv|*.csv", ".csv"},  // the checked format again: the typed name stays
            {1, "Table1.txt", "*.txt|*.txt", ".txt"},
            {0, "Table1.xml", "*.xml|*.xml", ".xml"},
        };
        for (const auto& c : cases) {
            Control<QLineEdit>(dialog, "Edit1")->setText(QStringLiteral("typed.dat"));
            ChooseFormat(c.row);
            EXPECT_EQ(Name(), QString::fromLatin1(c.name)) << c.row;

            files.answer(QStringLiteral("/data/chosen"));
            Control<QPushButton>(dialog, "Button3")->click();
            const FileDialogRequest asked = files.last();
            EXPECT_TRUE(asked.save);
            EXPECT_TRUE(asked.overwritePrompt);
            EXPECT_EQ(asked.fileName, QString());
            EXPECT_EQ(asked.filter, QString::fromLatin1(c.filter));
            EXPECT_EQ(asked.defaultExt, QString::fromLatin1(c.ext));
            EXPECT_EQ(Name(), QStringLiteral("/data/chosen"));
        }
        Control<QPushButton>(dialog, "Button3")->click();  // cancelled
        EXPECT_EQ(Name(), QStringLiteral("/data/chosen"));
    });
    EXPECT_FALSE(dialog.Execute(memory, 0));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(ExportTableTest, OkReplacesTheFileWithoutAskingAndTakesABareNameInTheWorkingFolder) {
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const struct {
        int format;
        const char* name;
        TTableFileFormat written;
    } cases[] = {
        {0, "out.xml", TTableFileFormat::Xml},
        {1, "out.xml", TTableFileFormat::Text},  // the same file, replaced
        {2, "Table1.csv", TTableFileFormat::Csv},
    };
    for (const auto& c : cases) {
        TFormExportTable d;
        WhileShown(d, [&] {
            Control<QComboBox>(d, "ComboBox1")->setCurrentIndex(1);
            emit Control<QComboBox>(d, "ComboBox1")->activated(1);
            Control<TRadioGroup>(d, "RadioGroup1")->Button(c.format)->click();
            if (c.format != 2) Control<QLineEdit>(d, "Edit1")->setText(QString::fromLatin1(c.name));
            Control<QPushButton>(d, "Button1")->click();
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_TRUE(d.Execute(memory, 0)) << c.name;
        EXPECT_EQ(fileText(Path(c.name)), TableFileBytes(c.written, *Table(2)).toStdString()) << c.name;
    }
    QDir::setCurrent(saved);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(ExportTableTest, AFailedWriteShowsTheErrorKeepsThePreviousFileAndTheDialogOpen) {
    const QString path = QString::fromStdString(Path("table.txt"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("previous\r\n");
    }
    memory.GetTable(2)->Points.assign(500, {1.0 / 3, 2.0 / 3});
    WhileShown(dialog, [&] {
        ChooseFormat(1);
        Control<QLineEdit>(dialog, "Edit1")->setText(path);
        List()->setCurrentIndex(1);
        emit List()->activated(1);
        {
            SmallFileLimit limit(1000);
            Control<QPushButton>(dialog, "Button1")->click();
        }
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Cannot create file \"%1\". File too large").arg(path)});
        EXPECT_EQ(boxes.last().kind, MsgKind::Error);
        EXPECT_EQ(boxes.last().caption, QCoreApplication::applicationName());
    });
    EXPECT_FALSE(dialog.Execute(memory, 0));
    EXPECT_EQ(fileText(path.toStdString()), "previous\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("table.txt")});
}

}  // namespace
