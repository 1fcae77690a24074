#include "output/ZMPanelImage.h"

#include <QMouseEvent>

TPanelImage::TPanelImage(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::NoFocus); }

void TPanelImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}
