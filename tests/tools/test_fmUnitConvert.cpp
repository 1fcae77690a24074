// The unit converter dialog: the category chosen on opening, the reset on a tree click or a
// selection change, conversions with their record, copying and clearing, Enter, help.

#include "tools/fmUnitConvert.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

#include "platform/ZMHelpViewer.h"
#include "support/ComboItems.h"
#include "support/DialogFixture.h"
#include "support/MessageRecorder.h"
#include "support/ScopedLocale.h"

namespace {

class UnitConvertTest : public ::testing::Test {
protected:
    QTreeWidget* Tree() { return Control<QTreeWidget>(dialog, "TreeView1"); }
    QLineEdit* Input() { return Control<QLineEdit>(dialog, "InputEdit"); }
    QLineEdit* Output() { return Control<QLineEdit>(dialog, "OutputEdit"); }
    QComboBox* From() { return Control<QComboBox>(dialog, "InputComboBox"); }
    QComboBox* To() { return Control<QComboBox>(dialog, "OutputComboBox"); }
    QStringList Record() {
        const QString text = Control<QPlainTextEdit>(dialog, "Memo1")->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    // One conversion as a user makes it: value, units by row, "Go !".
    void Go(const QString& value, int from, int to) {
        Input()->setText(value);
        From()->setCurrentIndex(from);
        To()->setCurrentIndex(to);
        Control<QPushButton>(dialog, "Button3")->click();
    }
    // The state right after a reset to `category`.
    void ExpectReset(const char* category, const char* description, int units) {
        ASSERT_NE(Tree()->currentItem(), nullptr);
        EXPECT_EQ(Tree()->currentItem()->text(0), QString::fromLatin1(category));
        EXPECT_EQ(TextOf(dialog, "Label1"), QString::fromLatin1(description));
        EXPECT_EQ(Input()->text(), QStringLiteral("1"));
        EXPECT_EQ(Output()->text(), QStringLiteral("1"));
        for (QComboBox* box : {From(), To()}) {
            EXPECT_EQ(box->count(), units) << category;
            EXPECT_EQ(box->currentIndex(), 0) << category;
        }
    }
    void ClickNode(int row) {
        QTreeWidgetItem* node = Tree()->topLevelItem(row);
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, Tree()->visualItemRect(node).center());
    }

    MessageRecorder boxes;
    TFormUnitConvert dialog;
};

TEST_F(UnitConvertTest, OpensOnTheNamedCategoryOrTheFirst) {
    const struct {
        const char* given;
        int row;
        const char* description;
        QStringList units;
    } cases[] = {
        {"Temperature", 10, "Temperature", {"Kelvin", "Celsius", "Fahrenheit", "Rankine"}},
        {"Bits&Bytes", 1, "Bits and Bytes", {}},
        {"Volume", 11, "Volume or capacity [length^3]", {}},
        {"", 0, "Area [length^2]", {}},
        {"Nowhere", 0, "Area [length^2]", {}},
        {"temperature", 0, "Area [length^2]", {}},
    };
    const TUnitConvert& cat = dialog.Catalogue();
    for (const auto& c : cases) {
        WhileShown(dialog, [&] {
            const TUnitClass& chosen = *cat.GetClass(c.row);
            EXPECT_EQ(Tree()->indexOfTopLevelItem(Tree()->currentItem()), c.row) << c.given;
            ExpectReset(chosen.Name.c_str(), c.description, chosen.Count());
            QStringList names;
            for (int i = 0; i < chosen.Count(); ++i) names << QString::fromStdString(chosen.GetUnit(i)->Name);
            EXPECT_EQ(ComboItems(*From()), names);
            EXPECT_EQ(ComboItems(*To()), names);
            if (!c.units.isEmpty()) {
                EXPECT_EQ(ComboItems(*From()), c.units);
            }
            EXPECT_EQ(Tree()->topLevelItemCount(), 12) << c.given;
        });
        dialog.Execute(QString::fromLatin1(c.given));
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(UnitConvertTest, TwelveNodesEachWithAnIconOfItsOwnOnAFixedCentredDialog) {
    WhileShown(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Unit Converter"));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        const QPoint centre = dialog.screen()->availableGeometry().center();
        EXPECT_LE((dialog.frameGeometry().center() - centre).manhattanLength(), 2);

        QList<QImage> seen;
        for (int i = 0; i < 12; ++i) {
            QTreeWidgetItem* node = Tree()->topLevelItem(i);
            EXPECT_EQ(node->text(0), QString::fromStdString(dialog.Catalogue().GetClass(i)->Name));
            const QIcon icon = node->icon(0);
            const QImage normal = icon.pixmap(24, QIcon::Normal).toImage();
            EXPECT_FALSE(normal.isNull()) << i;
            EXPECT_EQ(icon.pixmap(24, QIcon::Selected).toImage(), normal) << i;
            EXPECT_FALSE(seen.contains(normal)) << i;
            seen << normal;
        }
    });
    dialog.Execute(QStringLiteral("Mass"));
}

TEST_F(UnitConvertTest, ClickOrSelectionChangeResetsTheFieldsAndKeepsTheRecord) {
    const struct {
        const char* what;
        std::function<void()> act;
        const char* category;
        const char* description;
        int units;
    } steps[] = {
        {"click on the selected node", [&] { ClickNode(5); }, "Length", "Length or distance", 28},
        {"click on another node", [&] { ClickNode(6); }, "Mass", "Mass", 17},
        {"selection moved by key", [&] { QTest::keyClick(Tree(), Qt::Key_Down); }, "Power",
         "Power [force length/time]", 23},
        {"selection set", [&] { Tree()->setCurrentItem(Tree()->topLevelItem(8)); }, "Pressure",
         "Pressure or stress [force/length2]", 33},
    };
    WhileShown(dialog, [&] {
        Go(QStringLiteral("2"), 0, 4);
        ASSERT_EQ(Output()->text(), QStringLiteral("200"));
        for (const auto& s : steps) {
            Go(QStringLiteral("3"), 2, 3);
            const QStringList record = Record();
            ASSERT_EQ(record.size() % 2, 0);
            s.act();
            ExpectReset(s.category, s.description, s.units);
            EXPECT_EQ(Record(), record) << s.what;
        }
        EXPECT_EQ(Record().size(), 10);
    });
    dialog.Execute(QStringLiteral("Length"));
}

TEST_F(UnitConvertTest, GoWritesTheResultAndTwoRecordLinesThatCopyWithCrLf) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    WhileShown(dialog, [&] {
        Go(QStringLiteral("0"), 1, 0);  // Celsius -> Kelvin
        EXPECT_EQ(Output()->text(), QStringLiteral("273.15"));
        EXPECT_EQ(Input()->text(), QStringLiteral("0"));
        Go(QStringLiteral("100"), 1, 2);
        EXPECT_EQ(Output()->text(), QStringLiteral("212"));
        Go(QStringLiteral("warm"), 2, 2);  // not a number: 0, and the input shows it
        EXPECT_EQ(Output()->text(), QStringLiteral("0"));
        EXPECT_EQ(Input()->text(), QStringLiteral("0"));
        const QStringList lines = {"Celsius -> Kelvin",       "0 -> 273.15", "Celsius -> Fahrenheit",
                                   "100 -> 212",              "Fahrenheit -> Fahrenheit", "0 -> 0"};
        EXPECT_EQ(Record(), lines);

        Control<QPushButton>(dialog, "Button4")->click();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        Control<QPushButton>(dialog, "Button5")->click();
        EXPECT_TRUE(Record().isEmpty());
        Control<QPushButton>(dialog, "Button4")->click();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
        EXPECT_EQ(Output()->text(), QStringLiteral("0"));

        Control<QPushButton>(dialog, "Button1")->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    dialog.Execute(QStringLiteral("Temperature"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(UnitConvertTest, EnterInTheInputConvertsAndSelectsTheInput) {
    WhileShown(dialog, [&] {
        From()->setCurrentIndex(3);  // kilobytes [KB]
        To()->setCurrentIndex(1);    // bits [b]
        Input()->setFocus();
        Input()->setText(QStringLiteral("2"));
        QTest::keyClick(Input(), Qt::Key_Return);
        EXPECT_EQ(Output()->text(), QStringLiteral("16384"));
        EXPECT_EQ(Record(), QStringList({"kilobytes [KB] -> bits [b]", "2 -> 16384"}));
        EXPECT_EQ(Input()->selectedText(), QStringLiteral("2"));
        Input()->setText(QStringLiteral("0.5"));
        QTest::keyClick(Input(), Qt::Key_Enter);
        EXPECT_EQ(Output()->text(), QStringLiteral("4096"));
        EXPECT_EQ(Input()->selectedText(), QStringLiteral("0.5"));
    });
    dialog.Execute(QStringLiteral("Bits&Bytes"));
}

TEST_F(UnitConvertTest, NumbersReadAndWrittenWithTheUsersSeparator) {
    ScopedLocale german(QLocale::German);
    WhileShown(dialog, [&] {
        Go(QStringLiteral("2,5"), 0, 4);  // meters -> centimeters
        EXPECT_EQ(Output()->text(), QStringLiteral("250"));
        Go(QStringLiteral("2,5"), 4, 0);
        EXPECT_EQ(Output()->text(), QStringLiteral("0,025"));
        Go(QStringLiteral("2.5"), 4, 0);
        EXPECT_EQ(Output()->text(), QStringLiteral("0"));
        EXPECT_EQ(Record().mid(2), QStringList({"centimeters [cm] -> meters [m]", "2,5 -> 0,025",
                                                 "centimeters [cm] -> meters [m]", "0 -> 0"}));
    });
    dialog.Execute(QStringLiteral("Length"));
}

TEST_F(UnitConvertTest, HelpOpensTheConverterTopic) {
    WhileShown(dialog, [&] {
        Control<QPushButton>(dialog, "Button2")->click();
        auto* viewer = dialog.findChild<THelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->Browser()->source().path().endsWith(QStringLiteral("/ch05_01.htm")));
        EXPECT_TRUE(dialog.isVisible());
    });
    dialog.Execute(QStringLiteral("Area"));
    EXPECT_EQ(boxes.count(), 0);
}

}  // namespace
