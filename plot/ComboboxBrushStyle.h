#pragma once
// Shading picker: rows 0..6 are backward diagonal, forward diagonal, cross, diagonal cross,
// horizontal, vertical, solid. Any other row reads as solid; setting one of the six hatches
// selects its row and every other style (solid, clear, unknown codes) row 6.

#include "plot/ZMStylePicker.h"

#include <cstdint>

// The row tables; the rows are not the file codes.
std::uint8_t BrushStyleOfRow(int row);
int RowOfBrushStyle(std::uint8_t style);

class TComboboxBrushStyle : public TStylePicker {
    Q_OBJECT
public:
    static constexpr int MaxRows = 7;

    // Seven rows, row 0 selected.
    explicit TComboboxBrushStyle(QWidget* parent = nullptr);

    int CD_MaxBrushStyle() const { return maxBrushStyle_; }
    // Clamped to 1..7 rows.
    void SetCD_MaxBrushStyle(int value);

    std::uint8_t CD_CurrentBrushStyle() const { return BrushStyleOfRow(currentIndex()); }
    void SetCD_CurrentBrushStyle(std::uint8_t style) { setCurrentIndex(RowOfBrushStyle(style)); }

    void PaintRow(TCanvas& canvas, int row, int L, int T, int R, int B, const TPickerRowColors& colors) const override;

private:
    int maxBrushStyle_ = 0;
};
