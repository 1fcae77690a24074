#include "editors/fmImportTable.h"

#include <QFileInfo>
#include <QLineEdit>

#include "platform/ZMFileRead.h"
#include "platform/ZMMessage.h"

TFormImportTable::TFormImportTable(QWidget* parent)
    : TFormTableFileBase(QStringLiteral("Import Table"), "File Name:", parent) {
    setObjectName(QStringLiteral("FormImportTable"));
    Edit1->setReadOnly(true);
}

bool TFormImportTable::Execute() {
    Confirmed = false;
    ImportedTable.reset();
    exec();
    return Confirmed;
}

void TFormImportTable::Button1Click() {
    const QString name = Edit1->text();
    if (!QFileInfo(name).isFile()) {
        message(this, MsgKind::Warning, QStringLiteral("The file does not exist."));
        return;
    }
    std::unique_ptr<TTableObj> table = ReadTableFile(Format(), readWholeFile(name));
    if (!table) {
        message(this, MsgKind::Warning, QStringLiteral("Improper XML file format."));
        return;
    }
    ImportedTable = std::move(table);
    Confirmed = true;
    accept();
}

void TFormImportTable::Button3Click() {
    const QString path = ChooseFile(false, {});
    if (!path.isEmpty()) Edit1->setText(path);
}

std::unique_ptr<TTableObj> ImportTableFile(QWidget* parent) {
    TFormImportTable dialog(parent);
    if (!dialog.Execute()) return nullptr;
    return std::move(dialog.ImportedTable);
}
