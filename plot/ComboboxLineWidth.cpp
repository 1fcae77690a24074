#include "plot/ComboboxLineWidth.h"

#include <string>

TComboboxLineWidth::TComboboxLineWidth(QWidget* parent) : TStylePicker(parent) { SetCD_MaxLineWidth(5); }

void TComboboxLineWidth::SetCD_MaxLineWidth(int value) {
    maxLineWidth_ = value < 1 ? 1 : value;
    SetRowCount(maxLineWidth_);
}

void TComboboxLineWidth::PaintRow(TCanvas& canvas, int row, int L, int T, int R, int B,
                                  const TPickerRowColors& colors) const {
    FillRowBackground(canvas, L, T, R, B, colors);
    const int width = row + 1;
    canvas.SetPenWidth(width);
    DrawRowLine(canvas, L + 15, L, T, R, B);
    canvas.SetFontColor(colors.Text);
    canvas.TextOut(L, T + 3, std::to_string(width));
}
