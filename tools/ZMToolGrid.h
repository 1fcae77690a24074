#pragma once
// The read-only result grid of the tools. Row 0 is the header row (shown as the view's column
// header), the rows below it the body. A body is filled whole and the view told once, so a grid
// of 100,000 rows fills quickly; the body never ends in an empty row, except that a grid with no
// rows keeps one empty row under the header.

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <utility>
#include <vector>

class QTableView;
class QWidget;

// A result grid of a tool holds at most this many rows below its header.
inline constexpr int kToolGridMaxRows = 100000;

// The information box that a result was cut at kToolGridMaxRows rows.
void TellRowLimit(QWidget* parent);

// Appends a row to a scan's run (its Rows and Limited) unless it already holds kToolGridMaxRows;
// false, with Limited set, when it does.
template <class Run, class Row>
bool AddRow(Run& run, Row&& row) {
    if (run.Rows.size() == static_cast<std::size_t>(kToolGridMaxRows)) {
        run.Limited = true;
        return false;
    }
    run.Rows.push_back(std::forward<Row>(row));
    return true;
}

class TToolGrid final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TToolGrid(int columns, QObject* parent = nullptr);

    int ColCount() const { return columns_; }
    // Grid rows, the header row included: 2 at least.
    int RowCount() const;
    // The text of column `col` in grid row `row` (0 the header); "" outside the grid.
    QString Cell(int col, int row) const;

    // The header row's cells, from column 0; missing ones become "".
    void SetHeader(const QStringList& cells);
    // Replaces the body by `cells`, row after row (a last partial row is padded with ""); no
    // cells leave the header and one empty row.
    void SetBody(std::vector<QString> cells);
    // Cuts the grid back to the header and one empty row.
    void Clear() { SetBody({}); }

    // One line per grid row, the header row first: its cells joined by `separator`.
    QStringList Lines(const QString& separator) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int columns_;
    QStringList header_;
    std::vector<QString> body_;  // row-major, one row at least
};

// A read-only view over `grid` named `objectName`: the header row as column header, no row
// numbers, one fixed row height, columns sharing the width, a vertical scroll bar.
QTableView* NewToolGridView(TToolGrid* grid, QWidget* parent, const QString& objectName);
