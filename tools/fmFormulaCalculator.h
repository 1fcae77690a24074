#pragma once
// "Formula Calculator": evaluates one formula with variables the user sets, in a formula context
// of the dialog's own that lives from Execute until the dialog closes.

#include <QDialog>

#include <memory>

class QLineEdit;
class QPushButton;
class TLinkLabel;
class TToolGrid;
struct TToolContext;

class TFormFormulaCalculator final : public QDialog {
    Q_OBJECT
public:
    explicit TFormFormulaCalculator(QWidget* parent = nullptr);
    ~TFormFormulaCalculator() override;

    // Makes the context (x = 0, PI), fills the variable grid and shows the dialog modally.
    void Execute();

    // Handlers; public so that tests drive them while the dialog is shown.
    void FormShow();
    void FillVariableGrid();
    // "Update Variable".
    void Button1Click();
    // "Calculate".
    void Button3Click();
    // The "Help" link.
    void Label6Click();

    const TToolGrid& VariableGrid() const { return *Grid_; }

private:
    std::unique_ptr<TToolContext> Context_;
    TToolGrid* Grid_ = nullptr;
    QLineEdit* Edit1 = nullptr;  // formula
    QLineEdit* Edit2 = nullptr;  // variable name
    QLineEdit* Edit3 = nullptr;  // its value
    QLineEdit* Edit4 = nullptr;  // result
    QPushButton* Button1 = nullptr;
    QPushButton* Button3 = nullptr;
    TLinkLabel* Label6 = nullptr;
};
