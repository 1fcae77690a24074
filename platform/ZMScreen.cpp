#include "platform/ZMScreen.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

int ScreenPixelsPerInch() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (const QScreen* s = QGuiApplication::primaryScreen()) {
            const double dpi = s->logicalDotsPerInch();
            if (std::isfinite(dpi) && dpi >= 1 && dpi <= 10000) return static_cast<int>(std::lround(dpi));
        }
    }
    return 96;
}
