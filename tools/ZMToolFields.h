#pragma once
// Controls that the tool dialogs of function analysis, intersections and integration share.

#include <initializer_list>
#include <utility>
#include <vector>

class QBoxLayout;
class QComboBox;
class QGroupBox;
class QPushButton;
class QWidget;

// An editable formula box named `name` that never adds the typed text to its list and never
// completes the typed text from it.
QComboBox* NewFormulaBox(QWidget* parent, const char* name);

// A group titled `title` with one row per field: its caption, then the field.
QGroupBox* NewFieldGroup(QWidget* parent, const char* title,
                         std::initializer_list<std::pair<const char*, QWidget*>> rows);

// Adds to `layout` a row of buttons of `dialog` named Button1, Button2, ... in order: those of
// `left` at the left edge, then those of `right` at the right edge. Returns them in that order.
std::vector<QPushButton*> AddButtonRow(QBoxLayout* layout, QWidget* dialog, std::initializer_list<const char*> left,
                                       std::initializer_list<const char*> right);
