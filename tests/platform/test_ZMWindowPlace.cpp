#include "platform/ZMWindowPlace.h"

#include <QDialog>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

TEST(CentreOnFirstShow, CentresOnTheFirstShowOnlyAndKeepsWhereTheUserPutItAfter) {
    QDialog window;
    window.resize(300, 200);
    CentreOnFirstShow(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint centre = window.screen()->availableGeometry().center();
    EXPECT_LE((window.frameGeometry().center() - centre).manhattanLength(), 1);

    window.hide();
    window.move(centre.x() - 200, centre.y() - 150);
    const QPoint moved = window.pos();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.pos(), moved);
}
