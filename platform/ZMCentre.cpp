#include "platform/ZMCentre.h"

#include <QScreen>
#include <QWidget>

void CentreOnDesktop(QWidget& window) {
    QScreen* screen = window.screen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
