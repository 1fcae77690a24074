#include "editors/ZMTableSort.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "editors/ZMTableGrid.h"
#include "editors/ZMTableOpInput.h"
#include "editors/ZMTablePurge.h"

namespace {

struct Keyed {
    double Key;
    int Row;
};

// Stable merge sort of `items` by key (descending when asked); returns the number of pairs
// that stood strictly out of order, which is what an exchange sort would swap.
std::int64_t MergeSort(std::vector<Keyed>& items, bool descending) {
    const auto before = [descending](const Keyed& a, const Keyed& b) {
        return descending ? a.Key > b.Key : a.Key < b.Key;
    };
    std::int64_t inversions = 0;
    std::vector<Keyed> buffer(items.size());
    for (std::size_t width = 1; width < items.size(); width *= 2) {
        for (std::size_t lo = 0; lo < items.size(); lo += 2 * width) {
            const std::size_t mid = std::min(lo + width, items.size());
            const std::size_t hi = std::min(lo + 2 * width, items.size());
            std::size_t i = lo;
            std::size_t j = mid;
            std::size_t k = lo;
            while (i < mid && j < hi) {
                // Take the right one only when it belongs strictly before: equal keys keep order.
                if (before(items[j], items[i])) {
                    inversions += static_cast<std::int64_t>(mid - i);
                    buffer[k++] = items[j++];
                } else {
                    buffer[k++] = items[i++];
                }
            }
            while (i < mid) buffer[k++] = items[i++];
            while (j < hi) buffer[k++] = items[j++];
        }
        items.swap(buffer);
    }
    return inversions;
}

}  // namespace

TSortRun SortGrid(TTableGrid& grid, TStringGridStack& undo, TSortOrder order, char sep) {
    PurgeGrid(grid, undo, sep);
    TSortRun run;
    while (run.Rows < TTableGrid::RowCount && !IsBlankCell(grid.Cell(1, run.Rows + 1)) &&
           !IsBlankCell(grid.Cell(2, run.Rows + 1)))
        ++run.Rows;

    const bool byY = order == TSortOrder::YAscending || order == TSortOrder::YDescending;
    const bool descending = order == TSortOrder::XDescending || order == TSortOrder::YDescending;
    std::vector<Keyed> rows;
    rows.reserve(static_cast<std::size_t>(run.Rows));
    for (int r = 1; r <= run.Rows; ++r) rows.push_back({CellValue(grid.Cell(byY ? 2 : 1, r), sep, 0), r});
    run.Swaps = MergeSort(rows, descending);

    std::vector<std::pair<std::string, std::string>> texts;
    texts.reserve(rows.size());
    for (int r = 1; r <= run.Rows; ++r) texts.emplace_back(grid.Cell(1, r), grid.Cell(2, r));
    for (int r = 1; r <= run.Rows; ++r) {
        const int from = rows[static_cast<std::size_t>(r - 1)].Row;
        if (from == r) continue;
        auto& [x, y] = texts[static_cast<std::size_t>(from - 1)];
        grid.SetCell(1, r, std::move(x));
        grid.SetCell(2, r, std::move(y));
    }
    return run;
}
