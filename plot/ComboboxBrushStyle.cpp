#include "plot/ComboboxBrushStyle.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::uint8_t, TComboboxBrushStyle::MaxRows> kRows{
    bsBDiagonal, bsFDiagonal, bsCross, bsDiagCross, bsHorizontal, bsVertical, bsSolid};

}  // namespace

std::uint8_t BrushStyleOfRow(int row) {
    return row >= 0 && row < TComboboxBrushStyle::MaxRows ? kRows[static_cast<size_t>(row)] : static_cast<std::uint8_t>(bsSolid);
}

int RowOfBrushStyle(std::uint8_t style) {
    for (int row = 0; row < 6; ++row)
        if (kRows[static_cast<size_t>(row)] == style) return row;
    return 6;
}

TComboboxBrushStyle::TComboboxBrushStyle(QWidget* parent) : TStylePicker(parent) { SetCD_MaxBrushStyle(7); }

void TComboboxBrushStyle::SetCD_MaxBrushStyle(int value) {
    maxBrushStyle_ = std::clamp(value, 1, MaxRows);
    SetRowCount(maxBrushStyle_);
}

void TComboboxBrushStyle::PaintRow(TCanvas& canvas, int row, int L, int T, int R, int B,
                                   const TPickerRowColors& colors) const {
    FillRowBackground(canvas, L, T, R, B, colors);
    if (row >= 0 && row < MaxRows) {
        canvas.SetBrushColor(0);
        canvas.SetBrushStyle(BrushStyleOfRow(row));
    }
    canvas.SetPenStyle(psClear);
    canvas.Rectangle(L, T, R, B);
}
