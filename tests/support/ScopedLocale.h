#pragma once
// Sets the default locale (and so the decimal separator) for one scope.

#include <QLocale>

struct ScopedLocale {
    QLocale saved;
    explicit ScopedLocale(QLocale::Language l) { QLocale::setDefault(QLocale(l)); }
    ~ScopedLocale() { QLocale::setDefault(saved); }
};
