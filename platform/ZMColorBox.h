#pragma once
// Colour picker: the 16 standard colours in the platform's order (black, maroon, green, olive,
// navy, purple, teal, gray, silver, red, lime, yellow, blue, fuchsia, aqua, white), rows 0..15,
// each with a swatch and its name. Any other colour given to SetSelected (a system colour or an
// RGB value from a document) gets one extra row "Custom" after them, holding that exact value, so
// a dialog whose colour is left alone writes back what it was given.
// Connect handlers that write into the model to activated(int), which only the user triggers.

#include "platform/ZMFont.h"

#include <QComboBox>

class TColorBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int StandardCount = 16;
    // Standard colour of row i (0..15); black outside.
    static TColor StandardColor(int row);

    explicit TColorBox(QWidget* parent = nullptr);

    // The colour of the selected row; black with no selection.
    TColor Selected() const;
    // Selects the standard row of `color`, or the custom row holding it (removing a custom row
    // left from before when the colour is standard). Emits no activated().
    void SetSelected(TColor color);
    bool HasCustomRow() const { return count() > StandardCount; }

private:
    void setCustom(TColor color);
};
