#pragma once
// The calculator panel of a document window: a kind box, an expression box with its history,
// six rows of five keys and the variable, constant and function menus. Its "=", "Derivative"
// and "Add Graph" keys work through the command window by appending a command line and running
// it; the document's operator table and memories are read from the command window's links.

#include <QAction>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QLineEdit;
class QMenu;
class QToolButton;
class TZMCommandMemo;
namespace zm {
class TVarMemory;
}  // namespace zm

// A menu item that inserts a variable or constant name.
class TMyMenuItem : public QAction {
    Q_OBJECT
public:
    TMyMenuItem(const QString& caption, QObject* parent) : QAction(caption, parent) {}
    QString InsertText;
};

class TCalcPanel : public QWidget {
    Q_OBJECT
public:
    TCalcPanel(TZMCommandMemo* commandMemo, QWidget* parent = nullptr);

    // Kind of the "Derivative" and "Add Graph" keys: rows "Y(x)=", "X(y)=", "R(a)=".
    QComboBox* ComboBox1 = nullptr;
    // The expression box; its list is the history of expressions.
    QComboBox* CalComboBox = nullptr;
    // ToolButton1 .. ToolButton30 at index 1 .. 30.
    std::array<QToolButton*, 31> ToolButtons{};

    QMenu* VarListPopupMenu = nullptr;
    QMenu* ConstListPopupMenu = nullptr;
    QMenu* FunctionPopupMenu = nullptr;

    // Runs the variable and constant dialog for "Var" or "Const" and the memory; true with the
    // command line it built when the user confirmed. While unset, "Update Variables..." and
    // "Update Constants..." are disabled.
    using TUpdateVarMemRunner =
        std::function<bool(QWidget* parent, const QString& prefix, zm::TVarMemory& memory, QString& line)>;
    TUpdateVarMemRunner UpdateVarMemRunner;

    // Inserts text at the caret of the expression box (replacing a selection), then puts the
    // caret after it and moves it back by `back` characters.
    void InsertCalcText(const QString& text, int back);

    void ToolButton3Click();   // BackSpace
    void ToolButton4Click();   // Clear
    void ToolButton5Click();   // Add Graph
    void ToolButton7Click();   // Derivative
    void ToolButton10Click();  // =
    void VarListPopupMenuPopup();
    void ConstListPopupMenuPopup();
    void z1Click();                 // Update Variables...
    void UpdateConstants1Click();   // Update Constants...

private:
    QLineEdit* Box() const;
    void AddHistory(const QString& text);
    void RunLine(const QString& line);
    void InsertMenuItemText();
    void RebuildNameMenu(QMenu* menu, bool constants);
    void UpdateMemory(bool constants);
    QToolButton* MakeKey(int number, const QString& picture, const QString& hint);
    void BuildMenus();
    void BuildKeys();

    TZMCommandMemo* CommandMemo;
    QMenu* InsertVariableMenu = nullptr;
    QMenu* InsertConstantMenu = nullptr;
    QAction* z1 = nullptr;
    QAction* UpdateConstants1 = nullptr;
};
