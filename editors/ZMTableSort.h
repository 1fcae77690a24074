#pragma once
// Sort of the table grid: the silent purge, then the rows from row 1 down to the first row with
// a blank cell put in order of one column's values, X and Y texts moving together unchanged.
// The order is exactly that of an exchange (bubble) sort: rows with equal keys keep their order.

#include <cstdint>

class TStringGridStack;
class TTableGrid;

// Rows of the "Sort" radio group.
enum class TSortOrder { XAscending = 0, XDescending = 1, YAscending = 2, YDescending = 3 };

struct TSortRun {
    int Rows = 0;             // rows sorted
    std::int64_t Swaps = 0;   // exchanges a bubble sort makes: the pairs of rows out of order
    std::int64_t MaxSwaps() const { return static_cast<std::int64_t>(Rows) * (Rows + 1) / 2; }
};

// The undo step in `undo` is the purge's: every cell as it was before the sort.
TSortRun SortGrid(TTableGrid& grid, TStringGridStack& undo, TSortOrder order, char sep);
