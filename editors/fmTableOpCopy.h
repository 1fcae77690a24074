#pragma once
// "Copy Table": the chosen cells of an interval onto the table editor's clipboard.

#include "editors/fmTableOpBase.h"

class TFormTableOpCopy final : public TFormTableOpRange {
    Q_OBJECT
public:
    explicit TFormTableOpCopy(QWidget* parent = nullptr);

    // Shows the dialog modally; true when OK took the cells (none taken included).
    bool Execute(TStringGridStack& clipboardStack, const TTableGrid& grid);

    void Button1Click() override;

private:
    TStringGridStack* ClipboardStack_ = nullptr;
    const TTableGrid* CopiedGrid_ = nullptr;
};
