#pragma once
// Rows of the graph-kind combo boxes and the FunctionObjType they stand for.
// The rows list Y(x), X(y), X(t) and Y(t), R(a), f(x,y): types 0, 1, 3, 2, 4.
// Every conversion between a row and a type goes through these two functions.

#include <array>
#include <cstdint>

namespace zm {

inline constexpr int kGraphKindRows = 5;
inline constexpr std::array<std::uint8_t, kGraphKindRows> kTypeOfKindRow{0, 1, 3, 2, 4};

// -1 for a row outside 0..4.
constexpr int TypeOfKindRow(int row) {
    return row >= 0 && row < kGraphKindRows ? kTypeOfKindRow[static_cast<std::size_t>(row)] : -1;
}

// -1 for a type outside 0..4.
constexpr int KindRowOfType(int type) {
    for (int row = 0; row < kGraphKindRows; ++row)
        if (kTypeOfKindRow[static_cast<std::size_t>(row)] == type) return row;
    return -1;
}

}  // namespace zm
