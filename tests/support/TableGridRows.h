#pragma once
// Rows of the table editor's grid as (X text, Y text) pairs, for filling a grid and comparing it.

#include <string>
#include <utility>
#include <vector>

#include "editors/ZMTableEditor.h"

using Row = std::pair<std::string, std::string>;

// Writes rows from row `first` on.
inline void PutRows(TTableGrid& g, const std::vector<Row>& rows, int first = 1) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = first + static_cast<int>(i);
        g.SetCell(1, r, rows[i].first);
        g.SetCell(2, r, rows[i].second);
    }
}

// Writes rows from row `first` on and opens a run, as a dialog does after filling the grid.
inline void Fill(TTableEditor& e, const std::vector<Row>& rows, int first = 1) {
    PutRows(e.Grid, rows, first);
    e.Start();
}

inline Row RowAt(const TTableGrid& g, int r) { return {g.Cell(1, r), g.Cell(2, r)}; }
inline Row RowAt(const TTableEditor& e, int r) { return RowAt(e.Grid, r); }

inline std::vector<Row> Rows(const TTableGrid& g, int from, int to) {
    std::vector<Row> out;
    for (int r = from; r <= to; ++r) out.push_back(RowAt(g, r));
    return out;
}
inline std::vector<Row> Rows(const TTableEditor& e, int from, int to) { return Rows(e.Grid, from, to); }

// Every row of the grid.
inline std::vector<Row> AllRows(const TTableGrid& g) { return Rows(g, 1, TTableGrid::RowCount); }

// Row r holds ("x<r>", "y<r>") for r = 1..n.
inline std::vector<Row> Numbered(int n) {
    std::vector<Row> rows;
    for (int r = 1; r <= n; ++r) {
        const std::string number = std::to_string(r);
        rows.push_back({std::string(1, 'x').append(number), std::string(1, 'y').append(number)});
    }
    return rows;
}
