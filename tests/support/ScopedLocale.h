#pragma once
// Sets the default locale (and with it the decimal separator) for one scope.

#include <QLocale>

struct ScopedLocale {
    QLocale saved;
    explicit ScopedLocale(QLocale::Language l) { QLocale::setDefault(QLocale(l)); }
    ~ScopedLocale() { QLocale::setDefault(saved); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;
};
