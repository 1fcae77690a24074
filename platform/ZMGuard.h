#pragma once
// Runs a handler that may throw; an escaping exception shows the application's default error box
// over `parent` and the handler has simply returned. Every action, button, timer and key handler
// that can throw goes through this, so no exception enters Qt's frames.

#include "platform/ZMMessage.h"

#include <QString>

#include <exception>
#include <utility>

template <class F>
void guarded(QWidget* parent, F&& fn) noexcept {
    try {
        std::forward<F>(fn)();
    } catch (const std::exception& e) {
        applicationError(parent, QString::fromUtf8(e.what()));
    } catch (...) {
        applicationError(parent, QStringLiteral("Unknown error"));
    }
}
