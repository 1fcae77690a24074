#pragma once
// Line-style picker: rows 0..4 are solid, dash, dot, dash-dot, dash-dot-dot. Any other row (none
// selected, or beyond the table) reads as solid; setting dash..dash-dot-dot selects rows 1..4 and
// every other style (solid, clear, inside frame, unknown codes) row 0.

#include "plot/ZMStylePicker.h"

#include <cstdint>

// The row tables, kept apart from the file codes and from Qt's pen styles.
std::uint8_t PenStyleOfRow(int row);
int RowOfPenStyle(std::uint8_t style);

class TComboboxLineStyle : public TStylePicker {
    Q_OBJECT
public:
    static constexpr int MaxRows = 5;

    // Five rows, row 0 selected.
    explicit TComboboxLineStyle(QWidget* parent = nullptr);

    int CD_MaxLineStyle() const { return maxLineStyle_; }
    // Clamped to 1..5 rows.
    void SetCD_MaxLineStyle(int value);

    std::uint8_t CD_CurrentPenStyle() const { return PenStyleOfRow(currentIndex()); }
    void SetCD_CurrentPenStyle(std::uint8_t style) { setCurrentIndex(RowOfPenStyle(style)); }

    void PaintRow(TCanvas& canvas, int row, int L, int T, int R, int B, const TPickerRowColors& colors) const override;

private:
    int maxLineStyle_ = 0;
};
