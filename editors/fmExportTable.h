#pragma once
// "Export Table": writes the points of one table graph of a graph list to a table file (XML,
// TEXT or CSV). OK replaces an existing file without asking; only "Browse..." asks.

#include <vector>

#include "editors/fmTableFileBase.h"
#include "plot/ZMFunTabObj.h"

class QComboBox;

class TFormExportTable final : public TFormTableFileBase {
    Q_OBJECT

public:
    explicit TFormExportTable(QWidget* parent = nullptr);

    // Lists the table graphs of memory, preselects the one numbered TableIndex among them (the
    // first for an index outside the list) and shows the dialog modally; returns Confirmed.
    // Without table graphs: "There are no table graphs." and false, with no dialog.
    bool Execute(TMemory& memory, int TableIndex);

    // The table graph to write; null until one is chosen.
    TTableObj* SelectedTable = nullptr;

    // An entry of the list chosen.
    void ComboBox1Change(int row);
    // A format chosen: the file name becomes that format's default name.
    void RadioGroup1Change();
    // OK: writes the file named in the edit (relative to the working folder when it has no folder).
    void Button1Click() override;
    // "Browse...": the save dialog of the checked format, asking before it overwrites; a chosen
    // name goes into the edit.
    void Button3Click() override;

private:
    QComboBox* ComboBox1 = nullptr;
    std::vector<TTableObj*> tables_;  // the list's entries
};
