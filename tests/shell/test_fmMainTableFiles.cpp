// Edit > Import Table and Export Table on the active document window.
#include "tests/shell/MainWindowFixture.h"

#include "editors/fmExportTable.h"
#include "editors/fmImportTable.h"
#include "platform/ZMRadioGroup.h"
#include "plot/ZMMemoryListBox.h"
#include "support/NextModal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

namespace {

using Points = std::vector<TTableElemObj>;

TEST_F(MainWindowTest, ImportTableAppendsTheTableShownAndOpensTheEditorOnIt) {
    TFormMainSub* doc = Active();
    AddFunction("x", true);
    WriteFile(QStringLiteral("points.txt"), "1  2\r\n3  4\r\n");

    std::vector<int> edited;
    doc->Dialogs.EditGraph = [&](TFormMainSub& w, int index) {
        edited.push_back(index);
        EXPECT_EQ(w.SelectedRow(), index);
        const TTableObj* t = w.Memory->GetTable(index);
        EXPECT_NE(t, nullptr);
        if (t) {
            EXPECT_EQ(t->ShowEnabled, 1);
            EXPECT_EQ(t->Points, (Points{{1, 2}, {3, 4}}));
        }
        return false;
    };
    const auto answerImport = [&](bool ok) {
        return NextModal([&, ok](QWidget* modal) {
            auto* import = qobject_cast<TFormImportTable*>(modal);
            ASSERT_NE(import, nullptr);
            if (!ok) {
                import->Button2Click();
                return;
            }
            import->findChild<TRadioGroup*>(QStringLiteral("RadioGroup1"))->Button(1)->click();
            import->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(Path(QStringLiteral("points.txt")));
            import->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
    };

    {
        const NextModal cancel = answerImport(false);
        Trigger(QStringLiteral("ActionImportTable"));
    }
    EXPECT_EQ(doc->Memory->Count(), 1u);
    EXPECT_TRUE(edited.empty());

    {
        const NextModal read = answerImport(true);
        Trigger(QStringLiteral("ActionImportTable"));
    }
    ASSERT_EQ(doc->Memory->Count(), 2u);
    EXPECT_EQ(doc->MemoryListBox1->count(), 2);
    EXPECT_EQ(edited, std::vector<int>{1});
    EXPECT_EQ(doc->Memory->GetTable(1)->Name, TTableObj().Name);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, ExportTableWritesTheFirstTableGraphOrSaysThereIsNone) {
    TFormMainSub* doc = Active();
    Trigger(QStringLiteral("ActionExportTable"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("There are no table graphs.")});

    TTableObj first;
    first.AddPoint(1, 2);
    TTableObj second;
    second.AddPoint(5, 6);
    doc->Memory->AddTable(first);
    doc->Memory->AddTable(second);
    const QString path = Path(QStringLiteral("out.csv"));
    const NextModal answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<TFormExportTable*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentIndex(), 0);
        dialog->findChild<TRadioGroup*>(QStringLiteral("RadioGroup1"))->Button(2)->click();
        dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(path);
        dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    Trigger(QStringLiteral("ActionExportTable"));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("1,2\r\n"));
    EXPECT_EQ(boxes.count(), 1);
}

}  // namespace
