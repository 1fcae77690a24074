#pragma once
// Typing into the table editor's grid as a user does: the cell becomes current, which opens its
// cell editor, and the keys go there one by one.

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "editors/ZMTableGridView.h"

// The open cell editor of cell (col, row); nullptr when none is open.
inline QLineEdit* CellEditor(TTableGridView* grid, int col, int row) {
    return qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(row - 1, col - 1)));
}

inline void TypeInCell(TTableGridView* grid, int col, int row, const QString& text) {
    if (!grid->isAncestorOf(QApplication::focusWidget())) grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row - 1, col - 1));
    QLineEdit* edit = CellEditor(grid, col, row);
    ASSERT_NE(edit, nullptr) << col << "," << row;
    QTest::keyClicks(edit, text);
}

// The text cell (col, row) shows.
inline QString CellText(TTableGridView* grid, int col, int row) {
    return grid->model()->index(row - 1, col - 1).data().toString();
}
