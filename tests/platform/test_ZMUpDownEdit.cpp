// The edit with up and down arrows: stepping from the typed value or the last position, limits,
// and typing that the arrows do not limit.

#include "platform/ZMUpDownEdit.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

TEST(UpDownEdit, StepsFromTheTypedValueOrTheLastPosition) {
    struct Case {
        int position;       // set first
        const char* typed;  // then typed over it
        int delta;
        const char* text;
        int newPosition;
    };
    const Case cases[] = {
        {2, "5", 1, "6", 6},     // a typed integer in range is the start
        {2, " 5", -1, "4", 4},   // leading blanks read as the number
        {7, "15", 1, "8", 8},    // beyond the range: from the last position
        {7, "15", -1, "6", 6},
        {3, "abc", 1, "4", 4},   // not a number: from the last position
        {3, "", -1, "2", 2},
        {4, "4.5", 1, "5", 5},
        {10, "10", 1, "10", 10},  // the arrows stop at the limits
        {1, "1", -1, "1", 1},
        {5, "0", -1, "4", 4},     // 0 is outside 1..10
    };
    for (const Case& c : cases) {
        UpDownEdit e(1, 10);
        e.SetValue(c.position);
        e.Edit()->setText(QString::fromLatin1(c.typed));
        (c.delta > 0 ? e.UpButton() : e.DownButton())->click();
        EXPECT_EQ(e.Edit()->text(), QString::fromLatin1(c.text)) << c.typed << " " << c.delta;
        EXPECT_EQ(e.Position(), c.newPosition) << c.typed << " " << c.delta;
    }
}

TEST(UpDownEdit, SetValueKeepsTheTextAndPutsTheArrowsWithinTheRange) {
    UpDownEdit e(1, 10);
    e.SetValue(15);
    EXPECT_EQ(e.Edit()->text(), QStringLiteral("15"));
    EXPECT_EQ(e.Position(), 10);
    e.SetValue(-3);
    EXPECT_EQ(e.Edit()->text(), QStringLiteral("-3"));
    EXPECT_EQ(e.Position(), 1);
    // Typing is not limited.
    QTest::keyClicks(e.Edit(), QStringLiteral("99"));
    EXPECT_EQ(e.Edit()->text(), QStringLiteral("-399"));
}

TEST(UpDownEdit, UpAndDownKeysInTheEditStep) {
    UpDownEdit e(1, 10);
    e.SetValue(3);
    QTest::keyClick(e.Edit(), Qt::Key_Up);
    QTest::keyClick(e.Edit(), Qt::Key_Up);
    EXPECT_EQ(e.Edit()->text(), QStringLiteral("5"));
    QTest::keyClick(e.Edit(), Qt::Key_Down);
    EXPECT_EQ(e.Edit()->text(), QStringLiteral("4"));
    EXPECT_EQ(e.Position(), 4);
}

TEST(UpDownEdit, TellsOfTheUsersStepsOnlyAndAfterTheStep) {
    UpDownEdit e(1, 10);
    QStringList seen;  // the edit's text at each signal
    QObject::connect(&e, &UpDownEdit::stepped, [&] { seen << e.Edit()->text(); });
    e.SetValue(5);
    e.Step(1);
    EXPECT_TRUE(seen.isEmpty());
    e.UpButton()->click();
    e.DownButton()->click();
    QTest::keyClick(e.Edit(), Qt::Key_Down);
    QTest::keyClick(e.Edit(), Qt::Key_Up);
    QTest::keyClick(e.Edit(), Qt::Key_Left);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("7"), QStringLiteral("6"), QStringLiteral("5"), QStringLiteral("6")}));
}

}  // namespace
