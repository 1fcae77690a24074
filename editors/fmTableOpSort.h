#pragma once
// "Sort": purges the grid and sorts its rows by X or Y, ascending or descending, as one undo
// step that restores the grid as it was before the purge. The progress bar ends at the number of
// exchanges, out of n(n+1)/2.

#include "editors/fmTableOpBase.h"

class QProgressBar;

class TFormTableOpSort final : public TFormTableOp {
    Q_OBJECT
public:
    explicit TFormTableOpSort(QWidget* parent = nullptr);

    // Shows the dialog modally; true when OK sorted.
    bool Execute(TTableGrid& grid, TStringGridStack& undoStack);

    // Disables OK and Cancel, sorts and closes.
    void Button1Click() override;

private:
    TRadioGroup* RadioGroup1 = nullptr;  // "Sort"
    QProgressBar* ProgressBar1 = nullptr;
};
