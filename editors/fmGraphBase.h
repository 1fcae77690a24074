#pragma once
// The layout, field rules and checks shared by the add-graph and edit-graph dialogs.
// Controls carry their handlers' names as objectName (ComboBox1, Edit1, Button1 ...), so
// tests find them with findChild and drive the handlers without exec().

#include <QDialog>

#include <string>

#include "plot/ZMComClass01.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TColorBox;
class TComboboxBrushStyle;
class TComboboxLineStyle;
class TComboboxLineWidth;
class TFunctionObj;
namespace zm {
class TOperatorLib;
class TVarMemory;
}  // namespace zm

class TFormGraphBase : public QDialog {
    Q_OBJECT

public:
    // The eight messages of a failed OK, by code 1..8.
    static QString MessageOfCode(int code);

    // The caller's operator table and memories, used only to compile the formulas.
    zm::TOperatorLib* OperatorLib = nullptr;
    zm::TVarMemory* VarMemory = nullptr;
    zm::TVarMemory* ConstMemory = nullptr;
    bool Confirmed = false;

    // Handlers; public so that tests can drive them.
    void ComboBox1Change();
    void ComboBox2Change();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    virtual void Button1Click() = 0;
    // Fills the fields as the dialog opens.
    virtual void FormShow() = 0;
    void Button2Click();
    void Button3Click();

    // The selected kind row.
    int KindRow() const;

protected:
    TFormGraphBase(const QString& caption, QWidget* parent);

    // Binds the formula context, shows the dialog modally and returns Confirmed.
    bool RunModal(zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory, zm::TVarMemory& constMemory);

    // The layout of kind rows 0 to 3 as the dialog starts: "Y(x)=", no second formula, no
    // relation, line pickers shown and shading hidden.
    void SetCurveLayout();
    // Selects a relation row from a tail such as " <0" (blanks trimmed); anything else keeps row.
    void SelectRelation(const std::string& tail);
    // Works out the graph from the fields into g, which already holds the values an unchecked
    // "Plot Parameters" keeps. Returns 0 or the code of the check that failed last.
    int ReadGraph(TFunctionObj& g) const;
    // Shows the warning of a failed OK.
    void ShowCodeMessage(int code);
    // A number as a field shows it: 15 digits, the locale's decimal separator.
    static QString NumberText(double value);

    QComboBox* ComboBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* LabelLineWidth = nullptr;
    TComboboxLineWidth* ComboboxLineWidth1 = nullptr;
    QLabel* LabelLineStyle = nullptr;
    TComboboxLineStyle* ComboboxLineStyle1 = nullptr;
    QLabel* LabelBrushStyle = nullptr;
    TComboboxBrushStyle* ComboboxBrushStyle1 = nullptr;
    TColorBox* ColorBox1 = nullptr;

    // Kind rows 0 to 3.
    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* LabelMin = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLabel* LabelPiMin = nullptr;
    QLabel* LabelMax = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLabel* LabelPiMax = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QWidget* Panel2 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;

    // Kind row 4.
    QGroupBox* GroupBox2 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QWidget* Panel3 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QLineEdit* Edit11 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QWidget* Panel4 = nullptr;
    QLineEdit* Edit12 = nullptr;
    QLineEdit* Edit13 = nullptr;
    QLineEdit* Edit14 = nullptr;

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

private:
    void BuildLayout();
    void SetLinePickersShown(bool curve);
    bool Compiles(const QString& text) const;
};
