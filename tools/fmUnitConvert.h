#pragma once
// The "Unit Converter" dialog: a category tree, the input and output units and values, and a
// record of the conversions made while it is open. Controls carry their handlers' names as
// objectName, so tests find them with findChild and drive the handlers without exec().

#include <QDialog>
#include <QString>

#include <memory>

#include "tools/ZMUnitConvert.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class TFormUnitConvert : public QDialog {
    Q_OBJECT

public:
    explicit TFormUnitConvert(QWidget* parent = nullptr);
    ~TFormUnitConvert() override;

    // Opens modally on the category of that name (the first for an empty or unknown name).
    void Execute(const QString& CategoryName);

    // Handlers; public so that tests can drive them.
    void FormShow();
    void TreeView1Click();
    void TreeView1Change();
    void Button3Click();  // Go !
    void Button4Click();  // Copy to clipboard
    void Button5Click();  // Clear
    void Button2Click();  // Help
    void Button1Click();  // Close

    const TUnitConvert& Catalogue() const { return *Catalogue_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    // The selected node's category.
    const TUnitClass* SelectedClass() const;
    // Both edits "1", the description and both unit lists at the base unit.
    void ResetToCategory();

    std::unique_ptr<TUnitConvert> Catalogue_;
    QString CategoryName_;

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QLineEdit* InputEdit = nullptr;
    QComboBox* InputComboBox = nullptr;
    QPushButton* Button3 = nullptr;
    QLineEdit* OutputEdit = nullptr;
    QComboBox* OutputComboBox = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;
};
