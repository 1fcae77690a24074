// GoogleTest entry for tests that need a QApplication (offscreen, C locale).
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvik Mendal"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
