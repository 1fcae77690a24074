#pragma once
// For the tests that must see a real modal window: while a NextModal lives, `fn` is called with
// the first modal widget that appears after it was made (polled from a timer, so make it before
// the blocking exec()); `fn` must close that widget. Polling ends at that widget, after
// `timeoutMs`, or when the watch goes out of scope, so no watch outlives its test.

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

class [[nodiscard]] NextModal {
public:
    explicit NextModal(std::function<void(QWidget*)> fn, int timeoutMs = 5000)
        : fn_(std::move(fn)), before_(QApplication::activeModalWidget()), timeoutMs_(timeoutMs) {
        clock_.start();
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Poll(); });
        timer_.start();
    }
    NextModal(const NextModal&) = delete;
    NextModal& operator=(const NextModal&) = delete;

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != before_.data()) {
            timer_.stop();
            fn_(modal);
        } else if (clock_.elapsed() > timeoutMs_) {
            timer_.stop();
        }
    }

    std::function<void(QWidget*)> fn_;
    QPointer<QWidget> before_;
    int timeoutMs_;
    QElapsedTimer clock_;
    QTimer timer_;
};
