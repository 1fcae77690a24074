#include "platform/ZMLocale.h"

#include <QLocale>
#include <QString>

char decimalSeparator() {
    const QString p = QLocale().decimalPoint();
    if (p.size() == 1 && p.at(0).unicode() < 0x80) return static_cast<char>(p.at(0).unicode());
    return '.';
}
