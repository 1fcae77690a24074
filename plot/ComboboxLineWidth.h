#pragma once
// Line-width picker: row i stands for pen width i + 1 (a -1 row reads as width 0). Each row shows
// its number and a line of that width.

#include "plot/ZMStylePicker.h"

class TComboboxLineWidth : public TStylePicker {
    Q_OBJECT
public:
    // Five rows, row 0 selected.
    explicit TComboboxLineWidth(QWidget* parent = nullptr);

    int CD_MaxLineWidth() const { return maxLineWidth_; }
    // At least 1 row; no upper bound.
    void SetCD_MaxLineWidth(int value);

    void PaintRow(TCanvas& canvas, int row, int L, int T, int R, int B, const TPickerRowColors& colors) const override;

private:
    int maxLineWidth_ = 0;
};
