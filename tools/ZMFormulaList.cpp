#include "tools/ZMFormulaList.h"

#include <QComboBox>
#include <QString>

#include "plot/ZMFunTabObj.h"

void FillFormulaList(QComboBox& combo, const TMemory* memory, int type) {
    combo.clear();
    combo.clearEditText();
    if (!memory) return;
    for (std::size_t i = 0; i < memory->Count(); ++i) {
        const TFunctionObj* graph = memory->GetFunction(static_cast<std::ptrdiff_t>(i));
        if (graph && graph->FunctionObjType == type) combo.addItem(QString::fromStdString(graph->Exp));
    }
    if (combo.count() > 0) combo.setCurrentIndex(0);
}
