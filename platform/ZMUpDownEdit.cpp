#include "platform/ZMUpDownEdit.h"

#include "engine/ZMNumber.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>

UpDownEdit::UpDownEdit(int min, int max, QWidget* parent)
    : QWidget(parent), min_(min), max_(std::max(min, max)), position_(min), edit_(new QLineEdit(this)),
      up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(edit_, 1);
    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        arrows->addWidget(b);
    }
    row->addLayout(arrows);
    edit_->setText(QString::number(position_));
    edit_->installEventFilter(this);
    connect(up_, &QToolButton::clicked, this, [this] { UserStep(1); });
    connect(down_, &QToolButton::clicked, this, [this] { UserStep(-1); });
}

void UpDownEdit::SetValue(int value) {
    position_ = std::clamp(value, min_, max_);
    edit_->setText(QString::number(value));
}

void UpDownEdit::Step(int delta) {
    std::int32_t typed = 0;
    const bool valid = zm::TryStrToInt(edit_->text().toStdString(), typed) && typed >= min_ && typed <= max_;
    const int from = valid ? typed : position_;
    position_ = std::clamp(from + delta, min_, max_);
    edit_->setText(QString::number(position_));
}

void UpDownEdit::UserStep(int delta) {
    Step(delta);
    emit stepped();
}

bool UpDownEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            UserStep(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
