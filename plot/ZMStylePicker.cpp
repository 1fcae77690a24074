#include "plot/ZMStylePicker.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {

TColor toTColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

class PickerRowDelegate final : public QStyledItemDelegate {
public:
    explicit PickerRowDelegate(TStylePicker* picker) : QStyledItemDelegate(picker), picker_(picker) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        painter->drawImage(option.rect.topLeft(), picker_->RenderRow(index.row(), option.rect.size(), selected));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), TStylePicker::RowHeight};
    }

private:
    const TStylePicker* picker_;
};

}  // namespace

TStylePicker::TStylePicker(QWidget* parent) : QComboBox(parent) {
    resize(145, 22);
    setEditable(false);
    setItemDelegate(new PickerRowDelegate(this));
}

void TStylePicker::SetRowCount(int n) {
    clear();
    for (int i = 0; i < n; ++i) addItem(QStringLiteral("null"));
    setMaxVisibleItems(n);
    setCurrentIndex(0);
}

void TStylePicker::FillRowBackground(TCanvas& canvas, int L, int T, int R, int B, const TPickerRowColors& colors) {
    canvas.SetBrushColor(colors.Background);
    canvas.SetBrushStyle(bsSolid);
    canvas.FillRect(L, T, R, B);
}

void TStylePicker::DrawRowLine(TCanvas& canvas, int x, int L, int T, int R, int B) {
    const int ym = T + (B - T) / 2;
    const int xr = L + ((R - L) / 2) * 2;
    canvas.MoveTo(x, ym);
    canvas.LineTo(xr, ym);
}

QImage TStylePicker::RenderRow(int row, QSize size, bool selected) const {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    const QPalette& pal = palette();
    TPickerRowColors colors;
    colors.Background = toTColor(selected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
    colors.Text = toTColor(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    TCanvas canvas(&image);
    PaintRow(canvas, row, 0, 0, image.width(), image.height(), colors);
    canvas.Flush();
    return image;
}

void TStylePicker::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    if (currentIndex() < 0) return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    if (field.isEmpty()) return;
    painter.drawImage(field.topLeft(), RenderRow(currentIndex(), field.size(), hasFocus()));
}
