#pragma once
// "Cut Table": the chosen cells of an interval onto the table editor's clipboard, emptied in the
// grid as one undo step.

#include "editors/fmTableOpBase.h"

class TFormTableOpCut final : public TFormTableOpRange {
    Q_OBJECT
public:
    explicit TFormTableOpCut(QWidget* parent = nullptr);

    // Shows the dialog modally; true when OK took the cells (none taken included).
    bool Execute(TStringGridStack& clipboardStack, TStringGridStack& undoStack, TTableGrid& grid);

    void Button1Click() override;

private:
    TStringGridStack* ClipboardStack_ = nullptr;
};
