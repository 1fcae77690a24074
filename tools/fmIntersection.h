#pragma once
// "Intersections": two formulas Y1(x) and Y2(x), the range, the number of steps and the accuracy.
// OK checks the fields, compiles both formulas in a context of its own and shows the report
// (TFormIntersectionResult); the dialog stays open for another run.

#include <QDialog>

#include <cstdint>
#include <string>

class FileChooser;
class QComboBox;
class QLineEdit;
class TMemory;

// The fields of a scan as typed.
struct TIntersectionFields {
    std::string Y1;
    std::string Y2;
    std::string Min;
    std::string Max;
    std::string Steps;
    std::string Accuracy;
};

// The message of the first failed check of the fields; "" when every check passes.
std::string CheckIntersectionFields(const TIntersectionFields& fields, char decimalSeparator);

class TFormIntersection final : public QDialog {
    Q_OBJECT
public:
    explicit TFormIntersection(QWidget* parent = nullptr);

    // Memory: the graph list whose Y(x) formulas both boxes offer, or null. Shows the dialog
    // modally and returns Result, always 0.
    std::uint8_t Execute(const TMemory* memory);
    // The file dialog of the reports' "Save to File..."; null puts the real one back.
    void SetFileChooser(FileChooser* chooser) { Chooser_ = chooser; }

    // Handlers; public so that tests drive them while the dialog is shown.
    // Lists the Y(x) formulas in both boxes and leaves both texts empty; Y1 takes the focus.
    void FormShow();
    // "OK".
    void Button1Click();
    // "Cancel".
    void Button2Click();
    // "Help".
    void Button3Click();

    const TMemory* Memory = nullptr;
    std::uint8_t Result = 0;

private:
    FileChooser* Chooser_ = nullptr;
    QComboBox* ComboBox1 = nullptr;  // "Y1(x) ="
    QComboBox* ComboBox2 = nullptr;  // "Y2(x) ="
    QLineEdit* Edit1 = nullptr;      // "Minimum of X"
    QLineEdit* Edit2 = nullptr;      // "Maximum of X"
    QLineEdit* Edit3 = nullptr;      // "Number of steps"
    QLineEdit* Edit4 = nullptr;      // "Accuracy (decimal signs)"
};
