#pragma once
// Common part of the owner-drawn style pickers (line width, line style, shading): a list-only
// combo box whose rows are placeholders "null", drawn as samples by one row painter over the
// canvas, both in the drop-down list and in the closed box. The row count is set by the
// subclass's maximum setter, which also selects row 0.
// Connect handlers that write into a graph to activated(int): setting a picker from code emits
// only currentIndexChanged.

#include "platform/ZMCanvas.h"

#include <QComboBox>
#include <QImage>

struct TPickerRowColors {
    TColor Background = RGBColor(255, 255, 255);  // the normal or the selection colour
    TColor Text = 0;
};

class TStylePicker : public QComboBox {
    Q_OBJECT
public:
    // Rows are 16 pixels high, as the list rows.
    static constexpr int RowHeight = 16;

    // Paints row `row` into the box L..R-1, T..B-1 of `canvas`.
    virtual void PaintRow(TCanvas& canvas, int row, int L, int T, int R, int B, const TPickerRowColors& colors) const = 0;

    // The row as it is shown, rendered onto an image of the given size.
    QImage RenderRow(int row, QSize size, bool selected) const;

protected:
    explicit TStylePicker(QWidget* parent);
    // Clears the items, adds n rows "null", shows n rows in the drop-down and selects row 0.
    void SetRowCount(int n);
    // Fills the row's box L..R-1, T..B-1 with its background colour.
    static void FillRowBackground(TCanvas& canvas, int L, int T, int R, int B, const TPickerRowColors& colors);
    // A line in the current pen across the middle of the row's box, from x to an even distance from L.
    static void DrawRowLine(TCanvas& canvas, int x, int L, int T, int R, int B);
    void paintEvent(QPaintEvent* event) override;
};
