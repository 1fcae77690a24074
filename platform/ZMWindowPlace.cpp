#include "platform/ZMWindowPlace.h"

#include <QEvent>
#include <QObject>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace {

class CentreOnShow final : public QObject {
public:
    explicit CentreOnShow(QWidget& window) : QObject(&window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show) {
            if (QScreen* screen = window_.screen()) {
                QRect frame = window_.frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window_.move(frame.topLeft());
            }
            window_.removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

}  // namespace

void CentreOnFirstShow(QWidget& window) { window.installEventFilter(new CentreOnShow(window)); }
