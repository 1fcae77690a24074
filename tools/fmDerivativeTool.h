#pragma once
// What the derivative and the tangent or normal dialogs share: the entry, the result handed on
// for a new graph, the formula and kind lists, the result field and the buttons. Controls carry
// their handlers' names as objectName, so tests find them with findChild and drive the handlers.

#include <QDialog>

#include <cstdint>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TMemory;

class TFormDerivativeTool : public QDialog {
    Q_OBJECT

public:
    // Keeps `memory` (null without a document), clears the result, shows the dialog modally and
    // returns Confirmed: 1 when "Add Graph" was pressed.
    std::uint8_t Execute(TMemory* memory);

    TMemory* Memory = nullptr;
    std::uint8_t Confirmed = 0;
    std::string ResultExp;        // the formula handed on
    std::uint8_t ResultKind = 0;  // its FunctionObjType

    // Handlers; public so that tests can drive them.
    // Lists the formulas of the Y(x) graphs; the formula box takes the focus.
    void FormShow();
    // Kind chosen: lists that kind's formulas, empties the result and disables "Add Graph".
    virtual void ComboBox2Change();
    virtual void Button1Click() = 0;  // generate
    void Button2Click();              // "Add Graph": hands on the result field's text
    void Button3Click();              // "Cancel"
    void Button4Click();              // "Help"

protected:
    // `kinds` rows of the kind list; `generate` is the caption of Button1.
    TFormDerivativeTool(const QString& caption, const QString& generate, int kinds, const QString& helpTopic,
                        QWidget* parent);

    // The kind chosen (its row is its FunctionObjType).
    int Kind() const;
    // Shows the warning of a formula that does not compile or is blank.
    void WarnIllegal();

    QComboBox* ComboBox1 = nullptr;  // formula, editable
    QComboBox* ComboBox2 = nullptr;  // kind
    QLabel* LabelResult = nullptr;
    QLineEdit* Edit1 = nullptr;      // result, read-only
    QPushButton* Button1 = nullptr;  // generate, the default button
    QPushButton* Button2 = nullptr;  // "Add Graph"
    QPushButton* Button3 = nullptr;  // "Cancel"
    QPushButton* Button4 = nullptr;  // "Help"

private:
    QString helpTopic_;
};
