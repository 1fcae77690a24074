#pragma once
// The table editor's grid on screen: a model over the editor's cells and the view StringGrid1.
// The model signals one dataChanged per program write and never resets; the view runs the
// cell-selection rule on every change of the current cell, keeps a cell editor open on the
// current cell while it has the focus, commits typed text at every keystroke, keeps Return and
// Enter from the dialog, and turns a row dragged by its number into the editor's row move.

#include <QAbstractTableModel>
#include <QTableView>

class TTableEditor;

class TTableGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    TTableGridModel(TTableEditor& editor, QObject* parent);
    ~TTableGridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The user's typing.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // "X" and "Y" across, the row numbers 1..5000 down.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TTableEditor& editor_;
};

class TTableGridView final : public QTableView {
    Q_OBJECT
public:
    TTableGridView(TTableEditor& editor, QWidget* parent);
    ~TTableGridView() override;

    TTableGridModel* GridModel() const { return model_; }

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void RowDragged(int fromVisual, int toVisual);

    TTableEditor& editor_;
    TTableGridModel* model_ = nullptr;
    bool following_ = false;  // moving to a cell the editor selected itself
};
