#include "editors/fmUpdateVarMem.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"

namespace {

// The table's rows under its header: one per item, or one empty row when there is none.
void FillTable(QTableWidget* grid, const zm::TVarMemory& memory) {
    const int items = memory.Count();
    grid->clearContents();
    grid->setRowCount(items > 0 ? items : 1);
    for (int i = 0; i < items; ++i) {
        const zm::TVarItem* item = memory.GetVarItem(i);
        const QString value = QString::fromStdString(zm::FloatToStr(item->Value, decimalSeparator()));
        grid->setItem(i, 0, new QTableWidgetItem(QString::fromStdString(item->Name)));
        grid->setItem(i, 1, new QTableWidgetItem(value));
    }
}

}  // namespace

TFormUpdateVarMem::TFormUpdateVarMem(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Update Variable & Constant"));
    auto* top = new QVBoxLayout(this);

    auto* line = new QHBoxLayout;
    Label1 = NamedLabel(this, "Label1", "");
    ComboBox1 = NamedTypedCombo(this, "ComboBox1");
    ComboBox1->setMinimumWidth(120);
    Edit1 = NamedEdit(this, "Edit1", "0");
    Button1 = NamedButton(this, "Button1", "Update");
    Button1->setDefault(true);
    line->addWidget(Label1);
    line->addWidget(ComboBox1, 1);
    line->addWidget(NamedLabel(this, "Label2", " ="));
    line->addWidget(Edit1, 1);
    line->addWidget(Button1);
    top->addLayout(line);

    StringGrid1 = Named(new QTableWidget(1, 2, this), "StringGrid1");
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 6);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setColumnWidth(0, 140);
    StringGrid1->setMinimumSize(320, 180);
    top->addWidget(StringGrid1);

    onClick(Button1, this, &TFormUpdateVarMem::Button1Click);
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Select(); });
}

bool TFormUpdateVarMem::Execute(const QString& prefix, zm::TVarMemory& memory) {
    Prefix = prefix;
    Memory = &memory;
    Confirmed = false;
    CommandLine.clear();
    FormShow();
    exec();
    return Confirmed;
}

void TFormUpdateVarMem::FormShow() {
    Label1->setText(Prefix);
    ComboBox1->clear();
    if (Memory) {
        for (int i = 0; const zm::TVarItem* item = Memory->GetVarItem(i); ++i)
            ComboBox1->addItem(QString::fromStdString(item->Name));
        FillTable(StringGrid1, *Memory);
    }
    if (ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
    Edit1->setFocus();
}

void TFormUpdateVarMem::ComboBox1Select() { Edit1->setFocus(); }

void TFormUpdateVarMem::Button1Click() {
    CommandLine = Prefix + QLatin1Char(' ') + ComboBox1->currentText() + QLatin1Char('=') + Edit1->text();
    Confirmed = true;
    accept();
}
