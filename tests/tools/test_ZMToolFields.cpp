// The formula boxes of the tool dialogs that list the document's formulas: typed text stays as
// typed, and Enter runs the dialog's default button at once. Result fields show the start of a
// result too long for them.

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
#include "tools/ZMToolContext.h"
#include "tools/fmAnalyzeResult.h"
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
            // The list completes only in the active window, as a user's typing is.
            d->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
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

TEST(ToolResultFieldTest, ALongResultIsShownFromItsStart) {
    MessageRecorder boxes;
    const QString formula = QStringLiteral("sin(3*x)*exp(-x*x/20)*8+cos(5*x)*ln(x*x+1)*sqrt(x*x+4)");
    struct Field {
        const char* dialog;
        std::function<std::unique_ptr<QDialog>()> make;
        std::function<void(QDialog&)> run;  // shows a result in Edit1
    };
    const auto generate = [&](QDialog& d) {
        Control<QComboBox>(d, "ComboBox1")->setEditText(formula);
        static_cast<TFormDerivativeTool&>(d).Button1Click();
    };
    const Field fields[] = {
        {"Derivative", [] { return std::make_unique<TFormDerivative>(); }, generate},
        {"Tangent or Normal", [] { return std::make_unique<TFormTangentNormal>(); }, generate},
        {"Analysis Result", [] { return std::make_unique<TFormAnalyzeResult>(); }, [](QDialog&) {}},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.dialog);
        auto d = field.make();
        QString text;
        int caret = -1;
        WhileShown(*d, [&] {
            field.run(*d);
            auto* edit = Control<QLineEdit>(*d, "Edit1");
            text = edit->text();
            caret = edit->cursorPosition();
        });
        if (auto* report = dynamic_cast<TFormAnalyzeResult*>(d.get())) {
            TToolContext ctx({"x", "y"});
            report->Execute("x", formula.toStdString(), nullptr, ctx.OperatorLib, ctx.VarMemory, ctx.ConstMemory, 0, 0,
                            1, -1, 1, 2, 3);
        } else {
            static_cast<TFormDerivativeTool&>(*d).Execute(nullptr);
        }
        EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(caret, 0) << text.toStdString();
    }
    EXPECT_EQ(boxes.count(), 0);
}

}  // namespace
