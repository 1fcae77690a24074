#pragma once
// What the table operations read from their dialogs and from the cells: the row interval, the
// column choice, and a cell's value with the default an operation gives a failed conversion.

#include <optional>
#include <string>
#include <string_view>

class QWidget;

// Group "Interval": "Custom" with the texts of "from" and "up to" as typed, or "All".
struct TRowInterval {
    bool All = false;
    std::string From = "1";
    std::string UpTo = "100";
};

// Rows From..To of the grid, both in 1..5000.
struct TRows {
    int From = 1;
    int To = 1;
};

// The rows the interval names. When "Custom" names no rows, one warning box for each failed
// test, in order (from below 1, up to beyond 5000, from beyond up to), and nothing.
std::optional<TRows> CheckRows(QWidget* parent, const TRowInterval& interval);

// Group "Columns", by row: "X && Y", "Single X", "Single Y".
enum class TColumnChoice { XAndY = 0, X = 1, Y = 2 };

// The grid columns of a choice, X before Y: First..Last.
struct TColumnSpan {
    int First = 1;
    int Last = 2;
};
TColumnSpan ColumnsOf(TColumnChoice choice);

// The number a cell text reads as with `sep`, or `failed` when it does not convert.
double CellValue(std::string_view text, char sep, double failed);
