#include "editors/fmTableOpSort.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

#include "editors/ZMTableSort.h"
#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"

TFormTableOpSort::TFormTableOpSort(QWidget* parent) : TFormTableOp(QStringLiteral("Sort"), parent) {
    RadioGroup1 = Named(new TRadioGroup(QStringLiteral("Sort"),
                                  {QStringLiteral("By X - Ascending"), QStringLiteral("By X - Descending"),
                                   QStringLiteral("By Y - Ascending"), QStringLiteral("By Y - Descending")},
                                  this), "RadioGroup1");
    RadioGroup1->SetItemIndex(0);
    ProgressBar1 = Named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMinimumWidth(240);
    Body->addWidget(RadioGroup1);
    Body->addWidget(NamedLabel(this, "Label1", "Progress Bar"));
    Body->addWidget(ProgressBar1);
    AddButtons("OK");
}

bool TFormTableOpSort::Execute(TTableGrid& grid, TStringGridStack& undoStack) {
    return RunOn(grid, undoStack);
}

void TFormTableOpSort::Button1Click() {
    if (!Grid_) return;
    Button1->setEnabled(false);
    Button2->setEnabled(false);
    const int row = std::max(0, RadioGroup1->ItemIndex());
    const TSortRun run = SortGrid(*Grid_, *UndoStack_, static_cast<TSortOrder>(row), decimalSeparator());
    // A maximum of 0 would show a busy bar.
    const std::int64_t most = std::clamp<std::int64_t>(run.MaxSwaps(), 1, std::numeric_limits<int>::max());
    ProgressBar1->setRange(0, static_cast<int>(most));
    ProgressBar1->setValue(static_cast<int>(std::min(run.Swaps, most)));
    ProgressBar1->repaint();
    Confirmed = true;
    accept();
}
