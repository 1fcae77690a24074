#include "editors/fmExportTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMRadioGroup.h"

TFormExportTable::TFormExportTable(QWidget* parent)
    : TFormTableFileBase(QStringLiteral("Export Table"), "File Name: ", parent) {
    setObjectName(QStringLiteral("FormExportTable"));
    ComboBox1 = Named(new QComboBox(this), "ComboBox1");
    Top->insertWidget(0, ComboBox1);
    Edit1->setText(DefaultName(TTableFileFormat::Xml));
    connect(ComboBox1, &QComboBox::activated, this, [this](int row) { ComboBox1Change(row); });
    connect(RadioGroup1, &TRadioGroup::Changed, this, [this] { RadioGroup1Change(); });
}

bool TFormExportTable::Execute(TMemory& memory, int TableIndex) {
    Confirmed = false;
    SelectedTable = nullptr;
    tables_.clear();
    ComboBox1->clear();
    for (std::size_t i = 0; i < memory.Count(); ++i) {
        if (TTableObj* t = memory.GetTable(static_cast<std::ptrdiff_t>(i))) {
            tables_.push_back(t);
            ComboBox1->addItem(QStringLiteral("Table: %1 items").arg(t->Count()));
        }
    }
    if (tables_.empty()) {
        message(parentWidget(), MsgKind::Warning, QStringLiteral("There are no table graphs."));
        return false;
    }
    const int row = TableIndex >= 0 && TableIndex < static_cast<int>(tables_.size()) ? TableIndex : 0;
    ComboBox1->setCurrentIndex(row);
    ComboBox1Change(row);
    exec();
    tables_.clear();
    return Confirmed;
}

void TFormExportTable::ComboBox1Change(int row) {
    if (row >= 0 && row < static_cast<int>(tables_.size())) SelectedTable = tables_[static_cast<std::size_t>(row)];
}

void TFormExportTable::RadioGroup1Change() { Edit1->setText(DefaultName(Format())); }

void TFormExportTable::Button1Click() {
    if (!SelectedTable) return;
    WriteTableFile(Format(), Edit1->text(), *SelectedTable);
    Confirmed = true;
    accept();
}

void TFormExportTable::Button3Click() {
    const QString path = ChooseFile(true, {});
    if (!path.isEmpty()) Edit1->setText(path);
}
