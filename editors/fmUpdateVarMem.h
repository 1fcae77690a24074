#pragma once
// "Update Variable & Constant": lists the names and values of a variable or constant memory and
// builds the command line "<prefix> <name>=<value>" from the name and value boxes, exactly as typed.
// It checks nothing: the command window answers a bad line. There is no Cancel; the close box and
// Esc give false.

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
namespace zm {
class TVarMemory;
}  // namespace zm

class TFormUpdateVarMem final : public QDialog {
    Q_OBJECT
public:
    explicit TFormUpdateVarMem(QWidget* parent = nullptr);

    // Prefix is "Var" or "Const". Shows the dialog modally; true with CommandLine set when
    // "Update" was pressed.
    bool Execute(const QString& Prefix, zm::TVarMemory& Memory);

    QString Prefix;
    zm::TVarMemory* Memory = nullptr;
    bool Confirmed = false;
    QString CommandLine;

    // Handlers; public so that tests can drive them.
    // Fills the name list and the table from the memory, selects the first name, focuses the value.
    void FormShow();
    void ComboBox1Select();  // a name chosen from the list
    void Button1Click();     // Update

private:
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
};
