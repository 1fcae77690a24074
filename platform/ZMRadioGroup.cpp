#include "platform/ZMRadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent, int columns)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    auto* grid = new QGridLayout(this);
    const int n = static_cast<int>(items.size());
    const int cols = std::max(1, columns);
    const int perColumn = std::max(1, (n + cols - 1) / cols);
    for (int row = 0; row < n; ++row) {
        auto* button = new QRadioButton(items.at(row), this);
        group_->addButton(button, row);
        grid->addWidget(button, row % perColumn, row / perColumn);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this](int row) { emit Click(row); });
    connect(group_, &QButtonGroup::idToggled, this, [this](int row, bool on) {
        if (on) emit Changed(row);
    });
}

int TRadioGroup::Count() const { return static_cast<int>(group_->buttons().size()); }

int TRadioGroup::ItemIndex() const { return group_->checkedId(); }

QRadioButton* TRadioGroup::Button(int row) const { return qobject_cast<QRadioButton*>(group_->button(row)); }

void TRadioGroup::SetItemIndex(int row) {
    const QSignalBlocker quiet(group_);
    if (QRadioButton* button = Button(row)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button.
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons()) b->setChecked(false);
    group_->setExclusive(true);
}
