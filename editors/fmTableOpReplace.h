#pragma once
// "Replace": OK checks the two numbers, closes, and replaces the matching cells from the start
// row on, asking first when "Prompt on replace" is on, as one undo step.

#include "editors/ZMTableSearch.h"
#include "editors/fmTableOpBase.h"

class TFormTableOpReplace final : public TFormTableOp {
    Q_OBJECT
public:
    explicit TFormTableOpReplace(QWidget* parent = nullptr);

    // Shows the dialog modally; true when at least one cell was replaced.
    bool Execute(TTableGrid& grid, TStringGridStack& undoStack, int startRow);

    void Button1Click() override;

    // The number of cells the last run replaced.
    int ReplacedCount = 0;

private:
    // The run after the dialog closed; its boxes show over the dialog's parent.
    void DoReplace(const TReplaceOptions& options);
    TReplaceOptions Options() const;

    QLineEdit* Edit1 = nullptr;  // "Value to find:"
    QLineEdit* Edit2 = nullptr;  // "Replace with:"
    TRadioGroup* ColumnsGroup = nullptr;
    TRadioGroup* DirectionGroup = nullptr;
    QCheckBox* CheckBox1 = nullptr;  // "Prompt on replace"
    QCheckBox* CheckBox2 = nullptr;  // "Replace All"
    int StartRow_ = 1;
};
