#include "plot/ComboboxLineStyle.h"

#include <algorithm>

std::uint8_t PenStyleOfRow(int row) {
    return row >= 0 && row < TComboboxLineStyle::MaxRows ? static_cast<std::uint8_t>(row) : static_cast<std::uint8_t>(psSolid);
}

int RowOfPenStyle(std::uint8_t style) { return style >= psDash && style <= psDashDotDot ? style : 0; }

TComboboxLineStyle::TComboboxLineStyle(QWidget* parent) : TStylePicker(parent) { SetCD_MaxLineStyle(5); }

void TComboboxLineStyle::SetCD_MaxLineStyle(int value) {
    maxLineStyle_ = std::clamp(value, 1, MaxRows);
    SetRowCount(maxLineStyle_);
}

void TComboboxLineStyle::PaintRow(TCanvas& canvas, int row, int L, int T, int R, int B,
                                  const TPickerRowColors& colors) const {
    FillRowBackground(canvas, L, T, R, B, colors);
    if (row >= 0 && row < MaxRows) canvas.SetPenStyle(PenStyleOfRow(row));
    canvas.SetPenWidth(1);
    DrawRowLine(canvas, L, L, T, R, B);
}
