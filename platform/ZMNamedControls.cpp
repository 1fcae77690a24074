#include "platform/ZMNamedControls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLineEdit* NamedEdit(QWidget* parent, const char* name, const char* text) {
    return Named(new QLineEdit(QString::fromLatin1(text), parent), name);
}

QLabel* NamedLabel(QWidget* parent, const char* name, const char* text) {
    return Named(new QLabel(QString::fromLatin1(text), parent), name);
}

QCheckBox* NamedCheck(QWidget* parent, const char* name, const char* text) {
    return Named(new QCheckBox(QString::fromLatin1(text), parent), name);
}

QComboBox* NamedTypedCombo(QWidget* parent, const char* name) {
    QComboBox* box = Named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    return box;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const char* text) {
    QPushButton* button = Named(new QPushButton(QString::fromLatin1(text), parent), name);
    button->setAutoDefault(false);
    return button;
}

void AddButtonRow(QBoxLayout* layout, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* b : buttons) row->addWidget(b);
    if (buttons.size() > 0) (*buttons.begin())->setDefault(true);
    layout->addLayout(row);
}
