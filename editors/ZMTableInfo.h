#pragma once
// The figures of "Table Information" for one column of the table grid: of the numeric texts of
// rows 1..5000 (blanks around a number allowed), the minimum, maximum, mean, the standard
// deviation divided by N and the mean absolute deviation. All 0 when no text is numeric.
//
// A mean or deviation that comes out infinite or NaN although every value is finite (a sum or a
// square overflowed) is computed again from the values scaled by a power of two and scaled back;
// figures that came out finite are left as they are.

class TTableGrid;

struct TColumnFigures {
    int N = 0;
    double Minimum = 0;
    double Maximum = 0;
    double Average = 0;
    double StdDeviation = 0;  // sqrt(sum (v - mean)^2 / N)
    double StdError = 0;      // sum |v - mean| / N
};

TColumnFigures ColumnFigures(const TTableGrid& grid, int col, char sep);
