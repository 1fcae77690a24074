#pragma once
// Rounding a double to a number of decimals. Plain C++.

// With 0 <= decimals <= 15, value * 10^decimals rounded to the nearest integer (exact halves to
// the even one) and divided by 10^decimals again, never -0; any other decimals, or a product that
// is not finite or of magnitude 2^63 or more, gives the value itself.
double RoundToDecimals(double value, int decimals);
