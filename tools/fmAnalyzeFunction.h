#pragma once
// "Analyze Function": the formula y = f(x), the range, the number of steps and the accuracy of an
// analysis. OK checks the fields and the formula, builds the derivative text and shows the report
// (TFormAnalyzeResult); the dialog stays open for another run.

#include <QDialog>

#include <cstdint>
#include <memory>
#include <string>

class FileChooser;
class QCheckBox;
class QComboBox;
class QLineEdit;
class TMemory;
struct TToolContext;
namespace zm {
class TOperatorLib;
class TVarMemory;
}  // namespace zm

// The fields of an analysis as typed.
struct TAnalyzeFunctionFields {
    std::string Formula;
    std::string Min;
    std::string Max;
    std::string Steps;
    std::string Accuracy;
};

// The message of the first failed check of the fields; "" when every check passes.
std::string CheckAnalyzeFunctionFields(const TAnalyzeFunctionFields& fields, char decimalSeparator);

// The derivative text by x of a formula that compiles: the shorter of the raw and the simplified
// derivative, or the message that there is none.
std::string AnalysisDerivativeText(const std::string& formula, zm::TOperatorLib& operatorLib,
                                   zm::TVarMemory& varMemory, zm::TVarMemory& constMemory);

class TFormAnalyzeFunction final : public QDialog {
    Q_OBJECT
public:
    explicit TFormAnalyzeFunction(QWidget* parent = nullptr);
    ~TFormAnalyzeFunction() override;

    // With a document's context, borrows it: the scans then set the document's x. Without a graph
    // list (or with any part of the context missing), makes its own context (x = 0, y = 0, PI) and
    // frees it on return. Shows the dialog modally and returns Result, always 0.
    std::uint8_t Execute(TMemory* memory, zm::TOperatorLib* operatorLib, zm::TVarMemory* varMemory,
                         zm::TVarMemory* constMemory);
    // The file dialog of the reports' "Save to File..."; null puts the real one back.
    void SetFileChooser(FileChooser* chooser) { Chooser_ = chooser; }

    // Handlers; public so that tests drive them while the dialog is shown.
    // Lists the formulas of the Y(x) graphs, the first in the formula box, which takes the focus.
    void FormShow();
    // "OK".
    void Button1Click();
    // "Cancel".
    void Button2Click();
    // "Help".
    void Button3Click();

    // The context in use while the dialog is shown; null before and after an own context.
    TMemory* Memory = nullptr;
    zm::TOperatorLib* OperatorLib = nullptr;
    zm::TVarMemory* VarMemory = nullptr;
    zm::TVarMemory* ConstMemory = nullptr;
    std::uint8_t Result = 0;

private:
    std::unique_ptr<TToolContext> Own_;
    FileChooser* Chooser_ = nullptr;
    QComboBox* ComboBox1 = nullptr;  // "Y(x)="
    QCheckBox* CheckBox1 = nullptr;  // "Zeros of function"
    QCheckBox* CheckBox2 = nullptr;  // "Extrema of function"
    QCheckBox* CheckBox3 = nullptr;  // "Derivative of function"
    QLineEdit* Edit1 = nullptr;      // "Minimum of X"
    QLineEdit* Edit2 = nullptr;      // "Maximum of X"
    QLineEdit* Edit3 = nullptr;      // "Number of steps"
    QLineEdit* Edit4 = nullptr;      // "Accuracy (decimal signs)"
};
