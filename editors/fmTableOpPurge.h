#pragma once
// "Purge": drops the rows that cannot be points and closes the gaps, as one undo step.

#include "editors/fmTableOpBase.h"

class TFormTableOpPurge final : public TFormTableOp {
    Q_OBJECT
public:
    explicit TFormTableOpPurge(QWidget* parent = nullptr);

    // Shows the dialog modally; true when OK purged.
    bool Execute(TTableGrid& grid, TStringGridStack& undoStack);
    // The purge with both options on, without showing anything; always true.
    bool PurgeSilently(TTableGrid& grid, TStringGridStack& undoStack);

    void Button1Click() override;

private:
    QCheckBox* CheckBox1 = nullptr;  // "Unpaired data (Missing X or Y)"
    QCheckBox* CheckBox2 = nullptr;  // "Invalid data"
};
