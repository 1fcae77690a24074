#pragma once
// The layout and tool bar shared by the add-table and edit-table dialogs: the grid over the
// editor core, fifteen tool buttons, the table graph's properties and the buttons OK, Cancel,
// Help and "Import Table...". Controls carry their handlers' names as objectName (ToolButton1,
// Button1, ...), so tests find them with findChild and drive the handlers without exec().

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

#include "editors/ZMTableEditor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TColorBox;
class TComboboxLineStyle;
class TComboboxLineWidth;
class TRadioGroup;
class TTableGridView;

class TFormTableBase : public QDialog {
    Q_OBJECT

public:
    ~TFormTableBase() override;

    static constexpr int ToolCount = 15;

    // The graph list given to Execute: of the document context, the editor uses only it.
    TMemory* Memory = nullptr;
    bool Confirmed = false;

    // The grid, its buffers and commands.
    TTableEditor Editor;

    // "Import Table...": the table read from a file, or nullptr when the user cancelled (the
    // import dialog unless a test replaces it). The points go into the grid.
    std::function<std::unique_ptr<TTableObj>(QWidget* parent)> ImportTable;

    // Handlers; public so that tests can drive them.
    virtual void FormShow() = 0;
    virtual void Button1Click() = 0;  // OK
    void Button2Click();               // Cancel
    void Button3Click();               // Help
    void Button4Click();               // "Import Table..."
    // Tool button `picture` (0 Copy .. 14 Info).
    void ToolButtonClick(int picture);

    TTableGridView* Grid() const { return StringGrid1; }
    QToolButton* ToolButton(int picture) const;

protected:
    TFormTableBase(const QString& caption, QWidget* parent);

    // Binds the graph list, shows the dialog modally and returns Confirmed.
    bool RunModal(TMemory& memory);

    TTableProperties ReadProperties() const;
    void ShowProperties(const TTableProperties& properties);

    QTabWidget* PageControl1 = nullptr;
    std::array<QToolButton*, ToolCount> ToolButtons{};
    QLabel* LabelItems = nullptr;
    TTableGridView* StringGrid1 = nullptr;
    TComboboxLineWidth* ComboboxLineWidth1 = nullptr;
    TComboboxLineStyle* ComboboxLineStyle1 = nullptr;
    TColorBox* ColorBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;  // "Show Enabled"
    QLineEdit* Edit1 = nullptr;      // "Description"
    TRadioGroup* RadioGroup1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;  // smoothing "Enabled"
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;

private:
    void BuildLayout();
    void UpdateToolStates();
};
