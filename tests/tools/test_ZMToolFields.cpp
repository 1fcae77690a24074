// The formula boxes of the tool dialogs that list the document's formulas: typed text stays as
// typed, and Enter runs the dialog's default button at once.

#include "tools/ZMToolFields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "plot/ZMFunTabObj.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "tools/fmDerivative.h"
#include "tools/fmTangentNormal.h"
#include "tools/fmValueTable.h"
#include "tools/ZMToolGrid.h"

namespace {

struct FormulaBox {
    const char* dialog;
    std::function<std::unique_ptr<QDialog>()> make;
    std::function<void(QDialog&, TMemory&)> execute;
    std::function<QString(QDialog&)> result;  // what the default button left
    const char* expected;                     // that for the typed formula sin(3*x)
};

const FormulaBox kBoxes[] = {
    {"Derivative", [] { return std::make_unique<TFormDerivative>(); },
     [](QDialog& d, TMemory& m) { static_cast<TFormDerivative&>(d).Execute(&m); },
     [](QDialog& d) { return TextOf(d, "Edit1"); }, "(cos((3*x)))*3"},
    {"Tangent or Normal", [] { return std::make_unique<TFormTangentNormal>(); },
     [](QDialog& d, TMemory& m) { static_cast<TFormTangentNormal&>(d).Execute(&m); },
     [](QDialog& d) { return TextOf(d, "Edit1"); }, "3*x+0"},
    {"Value Table", [] { return std::make_unique<TFormValueTable>(); },
     [](QDialog& d, TMemory& m) { static_cast<TFormValueTable&>(d).Execute(&m); },
     [](QDialog& d) {
         const QStringList rows = static_cast<TFormValueTable&>(d).Grid().Lines(QStringLiteral("/"));
         return rows.size() > 1 ? rows[1] : QString();
     },
     "-10/0.988031624092862"},
};

TEST(ToolFormulaBoxTest, TypedTextIsNotCompletedFromTheListAndEnterRunsTheDefaultButton) {
    MessageRecorder boxes;
    TMemory memory;
    TFunctionObj listed;
    listed.Exp = "sin(3*x)*exp(x)";  // the typed text is the start of this one
    memory.AddFunction(listed);

    for (const FormulaBox& box : kBoxes) {
        SCOPED_TRACE(box.dialog);
        auto d = box.make();
        QString typed;
        QString result;
        WhileShown(*d, [&] {
            auto* combo = Control<QComboBox>(*d, "ComboBox1");
            combo->clearEditText();
            combo->lineEdit()->setFocus();
            QTest::keyClicks(combo->lineEdit(), QStringLiteral("sin(3*x)"));
            typed = combo->currentText();
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
            result = box.result(*d);
        });
        box.execute(*d, memory);
        EXPECT_EQ(typed.toStdString(), "sin(3*x)");
        EXPECT_EQ(result.toStdString(), box.expected);
    }
    EXPECT_EQ(boxes.count(), 0);
}

}  // namespace
