// What the derivative and the tangent or normal dialogs share: the entry and its result, the
// formula lists by kind, the start texts, "Add Graph" without a graph list, Cancel and Help.

#include "tools/fmDerivative.h"
#include "tools/fmTangentNormal.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/ZMHelpViewer.h"
#include "plot/ZMFunTabObj.h"
#include "support/ComboItems.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"

namespace {

struct Tool {
    const char* name;
    std::function<std::unique_ptr<TFormDerivativeTool>()> make;
    const char* formula;       // a formula of kind row 1 with a result, and that result
    const char* result;
    const char* helpAnchor;
};

const Tool kTools[] = {
    {"Derivative", [] { return std::make_unique<TFormDerivative>(); }, "y^3", "3*(y^2)", "45"},
    {"Tangent or Normal", [] { return std::make_unique<TFormTangentNormal>(); }, "y^3", "0*y+0", "46"},
};

QStringList Items(QDialog& d) { return ComboItems(*Control<QComboBox>(d, "ComboBox1")); }

void AddFunction(TMemory& memory, const char* exp, std::uint8_t type, std::uint8_t shown = 1) {
    TFunctionObj f;
    f.Exp = exp;
    f.FunctionObjType = type;
    f.ShowEnabled = shown;
    memory.AddFunction(f);
}

class DerivativeToolTest : public ::testing::Test {
protected:
    DerivativeToolTest() {
        AddFunction(memory, "x^2", 0, 0);  // hidden graphs are listed too
        memory.AddTable(TTableObj{});
        AddFunction(memory, "y^3", 1);
        AddFunction(memory, "sin x", 0);
        AddFunction(memory, "2*a", 2);
        AddFunction(memory, "cos t", 3);
    }
    TMemory memory;
    MessageRecorder boxes;
};

TEST_F(DerivativeToolTest, StartTextsDifferFromTheKindTexts) {
    for (const Tool& tool : kTools) {
        SCOPED_TRACE(tool.name);
        auto d = tool.make();
        EXPECT_EQ(d->windowTitle(), QString::fromLatin1(tool.name));
        EXPECT_EQ(TextOf(*d, "LabelResult"), QStringLiteral("Y(x) = "));
        EXPECT_FALSE(Control<QPushButton>(*d, "Button2")->isEnabled());
        EXPECT_TRUE(Control<QPushButton>(*d, "Button1")->isDefault());
        auto* kinds = Control<QComboBox>(*d, "ComboBox2");
        EXPECT_EQ(kinds->currentIndex(), 0);
        EXPECT_EQ(kinds->itemText(1), QStringLiteral("X(y) ="));
    }
    TFormTangentNormal tangent;
    EXPECT_EQ(TextOf(tangent, "LabelPoint"), QStringLiteral("X = "));
    EXPECT_EQ(TextOf(tangent, "Edit2"), QStringLiteral("0"));
    EXPECT_TRUE(Control<QRadioButton>(tangent, "RadioButton1")->isChecked());
    EXPECT_EQ(Control<QComboBox>(tangent, "ComboBox2")->count(), 2);
    TFormDerivative derivative;
    EXPECT_EQ(Control<QComboBox>(derivative, "ComboBox2")->itemText(2), QStringLiteral("R(a) ="));
    EXPECT_TRUE(derivative.findChild<QLabel*>(QStringLiteral("LabelResult"))->isHidden());
}

TEST_F(DerivativeToolTest, KindChangesRefillTheFormulasAndDisableAddGraph) {
    for (const Tool& tool : kTools) {
        SCOPED_TRACE(tool.name);
        auto d = tool.make();
        d->Memory = &memory;
        d->FormShow();
        EXPECT_EQ(Items(*d), (QStringList{QStringLiteral("x^2"), QStringLiteral("sin x")}));
        EXPECT_EQ(Control<QComboBox>(*d, "ComboBox1")->currentText(), QStringLiteral("x^2"));

        Apply(*d, {{"ComboBox2", QStringLiteral("1")}});
        EXPECT_EQ(Items(*d), QStringList{QStringLiteral("y^3")});
        d->Button1Click();
        EXPECT_EQ(TextOf(*d, "Edit1"), QString::fromLatin1(tool.result));
        EXPECT_EQ(TextOf(*d, "LabelResult"), QStringLiteral("X(y) ="));
        EXPECT_EQ(d->ResultKind, 1);
        ASSERT_TRUE(Control<QPushButton>(*d, "Button2")->isEnabled());

        // Back to Y(x): the result no longer belongs to the kind shown.
        Apply(*d, {{"ComboBox2", QStringLiteral("0")}});
        EXPECT_EQ(Items(*d), (QStringList{QStringLiteral("x^2"), QStringLiteral("sin x")}));
        EXPECT_EQ(TextOf(*d, "Edit1"), QString());
        EXPECT_FALSE(Control<QPushButton>(*d, "Button2")->isEnabled());
    }

    TFormTangentNormal tangent;
    tangent.Memory = &memory;
    tangent.FormShow();
    Apply(tangent, {{"ComboBox2", QStringLiteral("1")}});
    EXPECT_EQ(TextOf(tangent, "LabelPoint"), QStringLiteral("Y ="));
    EXPECT_EQ(tangent.ResultKind, 0);  // only a generation sets it
    Apply(tangent, {{"ComboBox2", QStringLiteral("0")}});
    EXPECT_EQ(TextOf(tangent, "LabelPoint"), QStringLiteral("X ="));

    TFormDerivative derivative;
    derivative.Memory = &memory;
    derivative.FormShow();
    Apply(derivative, {{"ComboBox2", QStringLiteral("2")}});
    EXPECT_EQ(Items(derivative), QStringList{QStringLiteral("2*a")});
    EXPECT_EQ(TextOf(derivative, "LabelResult"), QStringLiteral("R(a) ="));
    EXPECT_EQ(derivative.ResultKind, 2);
    Apply(derivative, {{"ComboBox2", QStringLiteral("1")}});
    EXPECT_EQ(derivative.ResultKind, 1);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(DerivativeToolTest, AddGraphHandsOnTheResultShownAndCancelNothing) {
    for (const Tool& tool : kTools) {
        SCOPED_TRACE(tool.name);
        auto d = tool.make();
        WhileShown(*d, [&] {
            Apply(*d, {{"ComboBox2", QStringLiteral("1")}});
            EXPECT_EQ(Control<QComboBox>(*d, "ComboBox1")->currentText(), QString::fromLatin1(tool.formula));
            d->Button1Click();
            Control<QPushButton>(*d, "Button2")->click();
            EXPECT_FALSE(d->isVisible());
        });
        EXPECT_EQ(d->Execute(&memory), 1);
        EXPECT_EQ(d->ResultExp, tool.result);
        EXPECT_EQ(d->ResultKind, 1);

        // A second entry starts over; Cancel hands on nothing.
        WhileShown(*d, [&] {
            EXPECT_EQ(d->Confirmed, 0);
            EXPECT_EQ(d->ResultExp, "");
            EXPECT_EQ(d->ResultKind, 0);
            d->Button1Click();
            Control<QPushButton>(*d, "Button3")->click();
            EXPECT_FALSE(d->isVisible());
        });
        EXPECT_EQ(d->Execute(&memory), 0);
        EXPECT_EQ(d->ResultExp, "");
    }
    EXPECT_EQ(memory.Count(), 6u);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(DerivativeToolTest, WithoutAGraphListTheResultIsShownButCannotBeAdded) {
    for (const Tool& tool : kTools) {
        SCOPED_TRACE(tool.name);
        auto d = tool.make();
        WhileShown(*d, [&] {
            EXPECT_TRUE(Items(*d).isEmpty());
            EXPECT_EQ(Control<QComboBox>(*d, "ComboBox1")->currentText(), QString());
            Apply(*d, {{"ComboBox2", QStringLiteral("1")}, {"ComboBox1", QString::fromLatin1(tool.formula)}});
            EXPECT_TRUE(Items(*d).isEmpty());
            d->Button1Click();
            EXPECT_EQ(TextOf(*d, "Edit1"), QString::fromLatin1(tool.result));
            EXPECT_FALSE(Control<QPushButton>(*d, "Button2")->isEnabled());
        });
        EXPECT_EQ(d->Execute(nullptr), 0);
    }
}

TEST_F(DerivativeToolTest, HelpOpensTheToolsTopic) {
    for (const Tool& tool : kTools) {
        SCOPED_TRACE(tool.name);
        auto d = tool.make();
        WhileShown(*d, [&] {
            Control<QPushButton>(*d, "Button4")->click();
            auto* viewer = d->findChild<THelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
            ASSERT_NE(viewer, nullptr);
            const QUrl shown = viewer->Browser()->source();
            EXPECT_TRUE(shown.path().endsWith(QStringLiteral("/ch04_01.htm"))) << shown.toString().toStdString();
            EXPECT_EQ(shown.fragment(), QString::fromLatin1(tool.helpAnchor));
            EXPECT_TRUE(d->isVisible());
        });
        EXPECT_EQ(d->Execute(nullptr), 0);
    }
    EXPECT_EQ(boxes.count(), 0);
}

}  // namespace
