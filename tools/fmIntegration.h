#pragma once
// "Integration": the trapezoid sum of Y1(x) - Y2(x) over a range (optionally of its absolute
// value, the area between the curves), and the region between the curves handed back for a new
// f(x,y) graph.

#include <QDialog>

#include "plot/ZMComClass01.h"

#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class TCurvePair;
class TMemory;
class TScanGrid;

// The fields of an integration as typed.
struct TIntegrationFields {
    std::string Y1;
    std::string Y2;
    std::string Min;
    std::string Max;
    std::string Steps;
};

// The message of the first failed check of the fields; "" when every check passes. The messages
// for empty formulas differ between "Calculate" and "Add Graph" by a blank.
std::string CheckIntegrationFields(const TIntegrationFields& fields, bool addGraph, char decimalSeparator);

// The sum over k = 0 .. Steps - 1 of ((Y1 - Y2)(x_k) + (Y1 - Y2)(x_{k+1})) * h / 2, each term taken
// absolute when `absolute`. A step where a formula fails adds nothing; an unusable grid gives 0.
double Integrate(TCurvePair& curves, const TScanGrid& grid, bool absolute);

// The relation whose points below 0 lie strictly between the two curves.
std::string RegionText(const std::string& y1, const std::string& y2);

class TFormIntegration final : public QDialog {
    Q_OBJECT
public:
    explicit TFormIntegration(QWidget* parent = nullptr);

    // Memory: the graph list whose Y(x) formulas both boxes offer, or null. Shows the dialog
    // modally and returns Result: 1 when "Add Graph" closed it (RegionText then holds the region
    // and RegionInterval the x range it covers), else 0.
    std::uint8_t Execute(const TMemory* memory);

    // Handlers; public so that tests drive them while the dialog is shown.
    // Lists the Y(x) formulas in both boxes; Y1 shows the first, Y2 keeps its text.
    void FormShow();
    // "Add Graph".
    void Button1Click();
    // "Calculate".
    void Button2Click();
    // "Cancel".
    void Button3Click();
    // "Help".
    void Button4Click();

    const TMemory* Memory = nullptr;
    std::uint8_t Result = 0;
    std::string RegionText;
    TInterval RegionInterval;  // enabled, [Minimum of X, Maximum of X]

private:
    // The message of the first failed check or formula; "" when the fields are fine.
    std::string Refusal(bool addGraph) const;
    TIntegrationFields Fields() const;
    // The x range of fields that passed the checks.
    TInterval Range(const TIntegrationFields& fields) const;

    QComboBox* ComboBox1 = nullptr;  // "Y1(x) = "
    QComboBox* ComboBox2 = nullptr;  // "Y2(x) = "
    QLineEdit* Edit1 = nullptr;      // "Minimum of X"
    QLineEdit* Edit2 = nullptr;      // "Maximum of X"
    QLineEdit* Edit3 = nullptr;      // "Number of Integration steps"
    QCheckBox* CheckBox1 = nullptr;  // "Integration of absolute value (area)"
    QLineEdit* Edit4 = nullptr;      // "Result :"
};
