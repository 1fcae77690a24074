#include "platform/ZMFileChooser.h"

#include <gtest/gtest.h>

TEST(FileChooser, ClassicFiltersBecomeQtFilters) {
    const struct {
        const char* classic;
        const char* qt;
    } cases[] = {
        {"*.xml|*.xml", "*.xml"},
        {"Documents|*.xml", "Documents (*.xml)"},
        {"XML|*.xml|Text|*.txt", "XML (*.xml);;Text (*.txt)"},
        {"Tables|*.txt;*.csv", "Tables (*.txt *.csv)"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(qtFileFilter(QString::fromLatin1(c.classic)), QString::fromLatin1(c.qt)) << c.classic;
}
