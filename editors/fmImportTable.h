#pragma once
// "Import Table": reads a table file (XML, TEXT or CSV) into a new table graph for the caller.
// A refused file shows its box and leaves the dialog open; nothing is handed on.

#include <memory>

#include "editors/fmTableFileBase.h"
#include "plot/ZMFunTabObj.h"

class TFormImportTable final : public TFormTableFileBase {
    Q_OBJECT

public:
    explicit TFormImportTable(QWidget* parent = nullptr);

    // Shows the dialog modally and returns Confirmed; ImportedTable then holds the table read
    // (the defaults of a new table and the file's points), which the caller takes over.
    bool Execute();
    std::unique_ptr<TTableObj> ImportedTable;

    // OK: "The file does not exist." for no file of that name, "Improper XML file format." for
    // an XML root other than "TableObj"; unreadable files, broken XML and bad XML points raise.
    void Button1Click() override;
    // "Browse...": the open dialog of the checked format; a chosen file goes into the edit.
    void Button3Click() override;
};

// Runs the import dialog over `parent`: the table read, or nullptr when the user cancelled.
std::unique_ptr<TTableObj> ImportTableFile(QWidget* parent);
