#include "plot/ZMMemoryListBox.h"

#include "engine/ZMNumber.h"
#include "plot/ZMFunTabObj.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

TColor toTColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

constexpr TColor kSelectionFill = 0xC0C0C0;
constexpr TColor kCheckBoxColor = 0x808080;

bool isRegion(const TGraphObj* g) {
    const auto* f = dynamic_cast<const TFunctionObj*>(g);
    return f && f->FunctionObjType == 4 && zm::Trim(f->AddExp) != "=0";
}

class MemoryRowDelegate final : public QStyledItemDelegate {
public:
    explicit MemoryRowDelegate(TMemoryListBox* box) : QStyledItemDelegate(box), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        painter->drawImage(option.rect.topLeft(), box_->RenderRow(index.row(), option.rect.size(), selected));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), TMemoryListBox::RowHeight};
    }

private:
    TMemoryListBox* box_;
};

}  // namespace

void PaintMemoryRow(TCanvas& canvas, int L, int T, int R, int B, const TMemory* memory, std::ptrdiff_t row,
                    bool selected, TColor background, TColor text) {
    canvas.SetBrushColor(background);
    canvas.SetBrushStyle(bsSolid);
    canvas.FillRect(L, T, R, B);
    if (selected) {
        canvas.SetBrushColor(kSelectionFill);
        canvas.Rectangle(L, T, R, B);
    }
    const TGraphObj* graph = memory ? memory->GetItem(row) : nullptr;
    if (!graph) return;

    canvas.SetPenColor(kCheckBoxColor);
    canvas.MoveTo(L + 1, T + 1);
    canvas.LineTo(L + 13, T + 1);
    canvas.LineTo(L + 13, T + 13);
    canvas.LineTo(L + 1, T + 13);
    canvas.LineTo(L + 1, T + 1);
    if (memory->GetShowEnabled(row) != 0) {
        canvas.SetPenColor(0);
        canvas.SetPenWidth(2);
        canvas.MoveTo(L + 4, T + 6);
        canvas.LineTo(L + 6, T + 11);
        canvas.LineTo(L + 11, T + 2);
    }

    const TCanvasPen savedPen = canvas.Pen();
    const TCanvasBrush savedBrush = canvas.Brush();
    if (const TGraphStyle* style = memory->GetGraphStyle(row)) style->ApplyToCanvas(canvas);
    if (isRegion(graph)) {
        canvas.SetPenStyle(psClear);
        canvas.Rectangle(L + 20, T, L + 70, B);
    } else {
        const int ym = T + (B - T) / 2;
        canvas.MoveTo(L + 20, ym);
        canvas.LineTo(L + 70, ym);
    }
    canvas.SetPen(savedPen);
    canvas.SetBrush(savedBrush);
    canvas.SetPenWidth(1);
    canvas.SetPenColor(0);

    canvas.SetFontColor(text);
    canvas.TextOut(L + 80, T + 1, memory->GetCaption(row));
}

TMemoryListBox::TMemoryListBox(QWidget* parent) : QListWidget(parent) {
    resize(145, 200);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new MemoryRowDelegate(this));
}

void TMemoryListBox::AddRow() { addItem(QStringLiteral("none")); }

void TMemoryListBox::DeleteFirstRow() {
    if (count() > 0) delete takeItem(0);
}

QImage TMemoryListBox::RenderRow(int row, QSize size, bool selected) const {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    const QPalette& pal = palette();
    const TColor background = toTColor(selected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
    TCanvas canvas(&image);
    PaintMemoryRow(canvas, 0, 0, image.width(), image.height(), Memory, row, selected, background,
                   toTColor(pal.color(QPalette::Text)));
    canvas.Flush();
    return image;
}

void TMemoryListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    // Only a press on a row counts: below the last row nothing is selected anew.
    if (pos.x() < CheckBoxColumn && indexAt(pos).isValid() && Memory) {
        const int row = currentRow();
        if (Memory->GetItem(row)) Memory->SetShowEnabled(row, Memory->GetShowEnabled(row) == 1 ? 0 : 1);
    }
    viewport()->update();
}

void TMemoryListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    emit MouseUp(event->button(), event->position().toPoint());
}

void TMemoryListBox::keyReleaseEvent(QKeyEvent* event) {
    QListWidget::keyReleaseEvent(event);
    emit KeyUp(event->key());
}
