#pragma once
// The graph list box of a document window: one placeholder row "none" per graph of the linked
// graph list; row i always shows graph i as it is at paint time (check box, style sample,
// caption). A press in the check-box column (x < 14) on a row shows or hides that row's graph.
// The owner keeps the row count equal to the graph count and repaints after changing the list.

#include "platform/ZMCanvas.h"

#include <QListWidget>

#include <cstddef>

class TMemory;

// Paints row `row` of `memory` into the box L..R-1, T..B-1. `background` is the list's normal or
// selection colour; `text` the caption colour. A missing list or graph leaves the row blank.
void PaintMemoryRow(TCanvas& canvas, int L, int T, int R, int B, const TMemory* memory, std::ptrdiff_t row,
                    bool selected, TColor background, TColor text);

class TMemoryListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int RowHeight = 16;
    static constexpr int CheckBoxColumn = 14;

    // 145 x 200, single selection, Memory null.
    explicit TMemoryListBox(QWidget* parent = nullptr);

    // Not owned; re-point it before the old list is freed.
    TMemory* Memory = nullptr;

    void AddRow();
    void DeleteFirstRow();

    // Row `row` as it is shown, rendered onto an image of the given size.
    QImage RenderRow(int row, QSize size, bool selected) const;

signals:
    void MouseUp(Qt::MouseButton button, QPoint pos);
    void KeyUp(int key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
