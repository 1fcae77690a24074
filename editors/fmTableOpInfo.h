#pragma once
// "Table Information": minimum, maximum, average, standard deviation and mean absolute deviation
// ("Std Error") of the numbers in X and in Y. Changes nothing.

#include "editors/fmTableOpBase.h"

class QTableWidget;

class TFormTableOpInfo final : public TFormTableOp {
    Q_OBJECT
public:
    explicit TFormTableOpInfo(QWidget* parent = nullptr);

    // Shows the figures of `grid` modally; always false.
    bool Execute(const TTableGrid& grid);

    // Fills the figures in.
    void FormShow(const TTableGrid& grid);
    // "OK": closes.
    void Button1Click() override;

private:
    // Sizes the grid to its columns.
    void FitGrid();

    QTableWidget* StringGrid1 = nullptr;
};
