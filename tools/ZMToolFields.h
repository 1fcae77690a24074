#pragma once
// Controls that the tool dialogs share.

#include <initializer_list>
#include <utility>
#include <vector>

class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

// An editable formula box named `name` that never adds the typed text to its list and never
// completes the typed text from it.
QComboBox* NewFormulaBox(QWidget* parent, const char* name);

// Puts `text` into a read-only result field with the start of the text in view; a plain setText
// would leave the caret, and so the view, at its end.
void ShowResultText(QLineEdit& field, const QString& text);

// A group titled `title` with one row per field: its caption, then the field.
QGroupBox* NewFieldGroup(QWidget* parent, const char* title,
                         std::initializer_list<std::pair<const char*, QWidget*>> rows);

// Adds to `layout` a row of buttons of `dialog` named Button1, Button2, ... in order: those of
// `left` at the left edge, then those of `right` at the right edge. Returns them in that order.
std::vector<QPushButton*> AddButtonRow(QBoxLayout* layout, QWidget* dialog, std::initializer_list<const char*> left,
                                       std::initializer_list<const char*> right);
