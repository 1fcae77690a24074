// GoogleTest entry for tests that need a QApplication (offscreen, C locale). The application is
// the program's own class, so the message layer and the program folder can be replaced by tests.
#include "platform/ZMApplication.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ZMApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
