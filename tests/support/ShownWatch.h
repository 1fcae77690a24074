#pragma once
// For tests of a dialog that opens another modal window from a button: while a ShownWatch lives,
// each window of type W that is shown is handed to `fn` and then closed from its own modal loop.
// Nothing outlives the watch, so a button that opens nothing leaves no timer.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

template <class W>
class ShownWatch final : public QObject {
public:
    explicit ShownWatch(std::function<void(W&)> fn) : fn_(std::move(fn)) { qApp->installEventFilter(this); }
    ~ShownWatch() override { qApp->removeEventFilter(this); }
    ShownWatch(const ShownWatch&) = delete;
    ShownWatch& operator=(const ShownWatch&) = delete;

    int Count() const { return count_; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        if (auto* window = qobject_cast<W*>(watched)) {
            ++count_;
            fn_(*window);
            QTimer::singleShot(0, window, [window] { window->close(); });
        }
        return false;
    }

private:
    std::function<void(W&)> fn_;
    int count_ = 0;
};
