#include "tools/ZMToolGrid.h"

#include "platform/ZMMessage.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>
#include <utility>

TToolGrid::TToolGrid(int columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::max(1, columns)), body_(static_cast<size_t>(columns_)) {
    for (int c = 0; c < columns_; ++c) header_.append(QString());
}

int TToolGrid::RowCount() const { return 1 + rowCount(); }

QString TToolGrid::Cell(int col, int row) const {
    if (col < 0 || col >= columns_ || row < 0 || row >= RowCount()) return {};
    if (row == 0) return header_.at(col);
    return body_[static_cast<size_t>(row - 1) * static_cast<size_t>(columns_) + static_cast<size_t>(col)];
}

void TToolGrid::SetHeader(const QStringList& cells) {
    for (int c = 0; c < columns_; ++c) header_[c] = c < cells.size() ? cells.at(c) : QString();
    emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
}

void TToolGrid::SetBody(std::vector<QString> cells) {
    const size_t width = static_cast<size_t>(columns_);
    const size_t rows = std::max<size_t>(1, (cells.size() + width - 1) / width);
    cells.resize(rows * width);
    beginResetModel();
    body_ = std::move(cells);
    endResetModel();
}

QStringList TToolGrid::Lines(const QString& separator) const {
    QStringList lines;
    lines.reserve(RowCount());
    lines.append(header_.join(separator));
    QStringList row;
    for (size_t at = 0; at < body_.size(); at += static_cast<size_t>(columns_)) {
        row.clear();
        for (int c = 0; c < columns_; ++c) row.append(body_[at + static_cast<size_t>(c)]);
        lines.append(row.join(separator));
    }
    return lines;
}

int TToolGrid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(body_.size() / static_cast<size_t>(columns_));
}

int TToolGrid::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant TToolGrid::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return Cell(index.column(), index.row() + 1);
}

QVariant TToolGrid::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columns_) return {};
    return header_.at(section);
}

Qt::ItemFlags TToolGrid::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QTableView* NewToolGridView(TToolGrid* grid, QWidget* parent, const QString& objectName) {
    auto* view = new QTableView(parent);
    view->setObjectName(objectName);
    view->setModel(grid);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->verticalHeader()->hide();
    // One height for every row, so that the view never measures 100,000 rows.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return view;
}

void TellRowLimit(QWidget* parent) {
    message(parent, MsgKind::Information, QStringLiteral("The table is limited to %1 rows.").arg(kToolGridMaxRows));
}
