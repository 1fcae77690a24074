#pragma once
// For the few tests that must see a real modal window: calls `fn` with the first modal widget
// that appears after the call (polled from a timer, so start it before the blocking exec()).
// Gives up after `timeoutMs`; `fn` must close the modal widget.

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

inline void whenModal(std::function<void(QWidget*)> fn, int timeoutMs = 5000) {
    auto timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QPointer<QWidget> before = QApplication::activeModalWidget();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, before, fn = std::move(fn), timeoutMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != before.data()) {
            timer->stop();
            timer->deleteLater();
            fn(modal);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}
