#pragma once
// Connects a button's click to a handler of the window that owns it, run through guarded(), so an
// error the handler raises reaches the application's error box over that window.

#include "platform/ZMGuard.h"

#include <QAbstractButton>
#include <QWidget>

template <class Owner>
void onClick(QAbstractButton* button, Owner* owner, void (Owner::*handler)()) {
    QObject::connect(button, &QAbstractButton::clicked, owner,
                     [owner, handler] { guarded(owner, [owner, handler] { (owner->*handler)(); }); });
}
