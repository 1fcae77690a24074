#pragma once
// The texts of a combo box's items, in order.

#include <QComboBox>
#include <QStringList>

inline QStringList ComboItems(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
    return items;
}
