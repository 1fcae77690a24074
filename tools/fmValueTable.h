#pragma once
// "Value Table": tabulates a formula over a range of one variable, in a formula context of the
// dialog's own, and hands the table on as a text report.

#include <QDialog>
#include <QStringList>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class FileChooser;
class QComboBox;
class QLineEdit;
class QPushButton;
class TMemory;
class TTextReport;
class TToolGrid;
struct TToolContext;
namespace zm {
class TExpCal;
class TVarMemory;
}  // namespace zm

// The fields of a tabulation as typed.
struct TValueTableFields {
    std::string Variable;
    std::string From;
    std::string UpTo;
    std::string Step;
};

// The message of the first failed check of the fields; "" when every check passes.
std::string CheckValueTableFields(const TValueTableFields& fields, char decimalSeparator);

// What one tabulation found.
struct TValueTableRun {
    std::vector<std::pair<double, double>> Rows;  // point and value, for each point that evaluated
    bool Failed = false;                          // some point did not evaluate
    bool Limited = false;                         // a point beyond kToolGridMaxRows was left out
};

// Evaluates `formula` with `variable` set to v_k = from + k * step (k = 0, 1, ...) while
// v_k <= upTo. When the first point past upTo exceeds it by at most 1E-9 * step, upTo itself is
// the last point; the table also ends at a point that does not exceed the one before it.
// Expects from < upTo and step > 0.
TValueTableRun TabulateValues(zm::TExpCal& formula, zm::TVarMemory& vars, std::string_view variable, double from,
                              double upTo, double step);

// The rows as grid cells: point and value in the number format.
std::vector<QString> ValueTableCells(const TValueTableRun& run, char decimalSeparator);

class TFormValueTable final : public QDialog {
    Q_OBJECT
public:
    explicit TFormValueTable(QWidget* parent = nullptr);
    ~TFormValueTable() override;

    // Memory: the graph list whose formulas the formula box offers, or null. Makes the context
    // (x = 0, PI) and shows the dialog modally.
    void Execute(const TMemory* Memory);
    // The file dialog of "Save to file..."; null puts the real one back.
    void SetFileChooser(FileChooser* chooser);

    // Handlers; public so that tests drive them while the dialog is shown.
    void FormShow();
    // "Calculate".
    void Button1Click();
    // "Clear".
    void Button5Click();
    // "Copy to Clipboard".
    void Button2Click();
    // "Save to file...".
    void Button3Click();
    // "Help".
    void Button6Click();
    // "Close".
    void Button4Click();

    const TToolGrid& Grid() const { return *Grid_; }
    // The report: "f(x)=<formula>", an empty line, then each grid row as its two cells apart by
    // three tabs.
    QStringList ReportLines() const;

private:
    const TMemory* Memory_ = nullptr;
    std::unique_ptr<TToolContext> Context_;
    std::unique_ptr<TTextReport> Report_;
    TToolGrid* Grid_ = nullptr;
    QComboBox* ComboBox1 = nullptr;  // formula
    QLineEdit* Edit1 = nullptr;      // variable
    QLineEdit* Edit2 = nullptr;      // from
    QLineEdit* Edit3 = nullptr;      // up to
    QLineEdit* Edit4 = nullptr;      // step
};
