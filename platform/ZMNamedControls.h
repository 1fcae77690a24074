#pragma once
// Dialog controls named after their handlers' names ("Edit1", "Button3" ...), the names tests
// find them by.

#include <QString>

#include <initializer_list>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Gives `widget` its name and hands it back.
template <class W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* NamedEdit(QWidget* parent, const char* name, const char* text);
QLabel* NamedLabel(QWidget* parent, const char* name, const char* text);
QCheckBox* NamedCheck(QWidget* parent, const char* name, const char* text);
// An editable list whose typed text stays as typed: nothing typed is added as an item, and
// nothing is completed from the items ("1" must not become a listed "1/2 of ...").
QComboBox* NamedTypedCombo(QWidget* parent, const char* name);
// Not auto-default: Enter presses only the dialog's default button.
QPushButton* NamedButton(QWidget* parent, const char* name, const char* text);
// Appends a row of buttons flush right to `layout`; the first becomes the dialog's default button.
void AddButtonRow(QBoxLayout* layout, std::initializer_list<QPushButton*> buttons);
