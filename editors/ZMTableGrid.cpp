#include "editors/ZMTableGrid.h"

#include <algorithm>
#include <utility>

#include "engine/ZMNumber.h"

bool IsBlankCell(std::string_view text) { return zm::TrimView(text).empty(); }

TTableGrid::TTableGrid() : cells_(static_cast<std::size_t>(RowCount) * ColCount) {}

std::size_t TTableGrid::IndexOf(int col, int row) const {
    return static_cast<std::size_t>(row - 1) * ColCount + static_cast<std::size_t>(col - 1);
}

const std::string& TTableGrid::Cell(int col, int row) const {
    static const std::string empty;
    return InGrid(col, row) ? cells_[IndexOf(col, row)] : empty;
}

void TTableGrid::SetCell(int col, int row, std::string text) {
    if (!InGrid(col, row)) return;
    cells_[IndexOf(col, row)] = std::move(text);
    Touch(col, row);
}

void TTableGrid::MoveRow(int from, int to) {
    if (!InGrid(1, from) || !InGrid(1, to) || from == to) return;
    const auto at = [this](int row) { return cells_.begin() + static_cast<std::ptrdiff_t>(IndexOf(1, row)); };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
    Touch(1, std::min(from, to));
    Touch(ColCount, std::max(from, to));
}

void TTableGrid::Touch(int col, int row) {
    if (written_.Empty()) {
        written_ = {col, row, col, row};
        return;
    }
    written_.FirstCol = std::min(written_.FirstCol, col);
    written_.LastCol = std::max(written_.LastCol, col);
    written_.FirstRow = std::min(written_.FirstRow, row);
    written_.LastRow = std::max(written_.LastRow, row);
}

TTableGrid::Range TTableGrid::TakeWritten() { return std::exchange(written_, Range{}); }

void TTableGrid::Select(int col, int row) const {
    if (OnSelect && InGrid(col, row)) OnSelect(col, row);
}

void TTableGrid::ShowWritten() const {
    if (OnShowWritten) OnShowWritten();
}
