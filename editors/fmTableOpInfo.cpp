#include "editors/fmTableOpInfo.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "editors/ZMTableInfo.h"
#include "engine/ZMNumber.h"
#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"

namespace {

constexpr int kColumnWidth = 90;
constexpr int kRowHeight = 20;
constexpr int kCellPadding = 6;

}  // namespace

TFormTableOpInfo::TFormTableOpInfo(QWidget* parent) : TFormTableOp(QStringLiteral("Table Information"), parent) {
    // The fixed row and column of the 3 by 6 grid are the headers; the figures fill 2 by 5 cells.
    StringGrid1 = Named(new QTableWidget(5, 2, this), "StringGrid1");
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("        X"), QStringLiteral("        Y")});
    StringGrid1->setVerticalHeaderLabels({QStringLiteral("Minimum"), QStringLiteral("Maximum"),
                                          QStringLiteral("Average"), QStringLiteral("Std Deviation"),
                                          QStringLiteral("Std Error")});
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setFocusPolicy(Qt::NoFocus);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* across = StringGrid1->horizontalHeader();
    QHeaderView* down = StringGrid1->verticalHeader();
    for (QHeaderView* header : {across, down}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        header->setHighlightSections(false);
    }
    across->setDefaultSectionSize(kColumnWidth);
    across->setFixedHeight(kRowHeight);
    down->setDefaultSectionSize(kRowHeight);
    down->setFixedWidth(kColumnWidth);
    for (int col = 0; col < 2; ++col)
        StringGrid1->horizontalHeaderItem(col)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FitGrid();
    Body->addWidget(StringGrid1);
    AddButtons("OK", false);
}

bool TFormTableOpInfo::Execute(const TTableGrid& grid) {
    FormShow(grid);
    RunModal();
    return false;
}

void TFormTableOpInfo::FormShow(const TTableGrid& grid) {
    const char sep = decimalSeparator();
    for (int col = 1; col <= 2; ++col) {
        const TColumnFigures f = ColumnFigures(grid, col, sep);
        const std::array<double, 5> figures{f.Minimum, f.Maximum, f.Average, f.StdDeviation, f.StdError};
        for (int row = 0; row < 5; ++row) {
            auto* item = new QTableWidgetItem(QString::fromStdString(zm::FloatToStr(figures[static_cast<std::size_t>(row)], sep)));
            StringGrid1->setItem(row, col - 1, item);
        }
    }
    FitGrid();
}

void TFormTableOpInfo::FitGrid() {
    // A figure column is 90 wide, or wider where a figure would not show all its digits.
    const QFontMetrics metrics(StringGrid1->font());
    int width = StringGrid1->verticalHeader()->width();
    for (int col = 0; col < 2; ++col) {
        int column = kColumnWidth;
        for (int row = 0; row < 5; ++row)
            if (const QTableWidgetItem* item = StringGrid1->item(row, col))
                column = std::max(column, metrics.horizontalAdvance(item->text()) + 2 * kCellPadding);
        StringGrid1->setColumnWidth(col, column);
        width += column;
    }
    const int frame = 2 * StringGrid1->frameWidth();
    StringGrid1->setFixedSize(width + frame, 6 * kRowHeight + frame);
}

void TFormTableOpInfo::Button1Click() { accept(); }
