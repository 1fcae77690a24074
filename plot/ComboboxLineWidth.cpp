#include "plot/ComboboxLineWidth.h"

#include <string>

TComboboxLineWidth::TComboboxLineWidth(QWidget* parent) : TStylePicker(parent) { SetCD_MaxLineWidth(5); }

void TComboboxLineWidth::SetCD_MaxLineWidth(int value) {
    maxLineWidth_ = value < 1 ? 1 : value;
    SetRowCount(maxLineWidth_);
}

void TComboboxLineWidth::PaintRow(TCanvas& canvas, int row, int L, int T, int R, int B,
                                  const TPickerRowColors& colors) const {
    canvas.SetBrushColor(colors.Background);
    canvas.SetBrushStyle(bsSolid);
    canvas.FillRect(L, T, R, B);
    const int ym = T + (B - T) / 2;
    const int xr = L + ((R - L) / 2) * 2;
    const int width = row + 1;
    canvas.SetPenWidth(width);
    canvas.MoveTo(L + 15, ym);
    canvas.LineTo(xr, ym);
    canvas.SetFontColor(colors.Text);
    canvas.TextOut(L, T + 3, std::to_string(width));
}
