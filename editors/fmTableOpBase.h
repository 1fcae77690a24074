#pragma once
// What the table editor's operation dialogs share: the caption, the body above a row of buttons
// ("OK" as Button1, the default, and "Cancel" as Button2), the "Interval" and "Columns" groups,
// and the controls of Copy and Cut and of Fill and Modify. The dialogs only collect options; the
// operations themselves run on the grid without widgets.

#include <QDialog>

#include "editors/ZMTableFormula.h"
#include "editors/ZMTableRanges.h"
#include "platform/ZMRadioGroup.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class TStringGridStack;
class TTableGrid;

class TFormTableOp : public QDialog {
    Q_OBJECT

public:
    // What the entry operation returns; false at entry.
    bool Confirmed = false;

    // "OK" ("Find Next =>" in Find).
    virtual void Button1Click() = 0;
    // "Cancel": closes and changes nothing.
    void Button2Click();

protected:
    TFormTableOp(const QString& caption, QWidget* parent);

    // The buttons under the body; without `cancel` only Button1.
    void AddButtons(const char* caption, bool cancel = true);
    // Shows the dialog modally and returns Confirmed.
    bool RunModal();
    // The same with the grid and UndoStack bound for the run.
    bool RunOn(TTableGrid& grid, TStringGridStack& undoStack);

    QVBoxLayout* Body = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    // Bound while RunOn runs.
    TTableGrid* Grid_ = nullptr;
    TStringGridStack* UndoStack_ = nullptr;
};

// Group "Interval": "Custom" with "from" (EditFrom, "1") and "up to" (EditUpTo, "100"), or "All".
class TIntervalGroup final : public TRadioGroup {
    Q_OBJECT
public:
    TIntervalGroup(bool all, QWidget* parent);
    TRowInterval Interval() const;

    QLineEdit* EditFrom = nullptr;
    QLineEdit* EditUpTo = nullptr;
};

// Group "Columns": "X && Y" (checked), "Single X", "Single Y".
TRadioGroup* NewColumnsGroup(QWidget* parent);
TColumnChoice ColumnsChosen(const TRadioGroup& group);
// Group "Direction": "Forward" (checked), "Backward".
TRadioGroup* NewDirectionGroup(QWidget* parent);

// Copy and Cut: interval, columns and the check box of valid data only (on).
class TFormTableOpRange : public TFormTableOp {
    Q_OBJECT
protected:
    TFormTableOpRange(const QString& caption, const char* validOnly, QWidget* parent);
    TCopyOptions Options() const;

    TIntervalGroup* IntervalGroup = nullptr;
    TRadioGroup* ColumnsGroup = nullptr;
    QCheckBox* CheckBox1 = nullptr;
};

// Fill and Modify: the target column (RadioGroup1, X or Y), the formula (Edit1) after a label
// (Label1) that names the variables for that column, and the interval. The focus starts in the
// formula.
class TFormTableOpFormula : public TFormTableOp {
    Q_OBJECT
public:
    using Operation = bool (*)(QWidget* parent, TTableGrid& grid, TStringGridStack& undo,
                               const TFormulaOptions& options, char sep);

    // Runs the operation; closes when it ran.
    void Button1Click() override;
    // The label follows the target column.
    void TargetChanged();

protected:
    // The radio group's caption, the labels for X and for Y, and the operation OK runs.
    TFormTableOpFormula(const QString& caption, const char* labelX, const char* labelY, Operation operation,
                        QWidget* parent);
    bool RunFormula(TTableGrid& grid, TStringGridStack& undoStack);
    TFormulaOptions Options() const;

    TRadioGroup* RadioGroup1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    TIntervalGroup* IntervalGroup = nullptr;
    const char* LabelX;
    const char* LabelY;
    Operation Operation_;
};
