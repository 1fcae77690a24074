#include "tools/ZMToolFields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/ZMNamedControls.h"

#include <string>

QComboBox* NewFormulaBox(QWidget* parent, const char* name) {
    QComboBox* box = NamedTypedCombo(parent, name);
    box->setMinimumWidth(280);
    return box;
}

void ShowResultText(QLineEdit& field, const QString& text) {
    field.setText(text);
    field.setCursorPosition(0);
}

QGroupBox* NewFieldGroup(QWidget* parent, const char* title,
                         std::initializer_list<std::pair<const char*, QWidget*>> rows) {
    auto* group = new QGroupBox(QString::fromLatin1(title), parent);
    auto* layout = new QGridLayout(group);
    int row = 0;
    for (const auto& [caption, field] : rows) {
        field->setParent(group);
        layout->addWidget(new QLabel(QString::fromLatin1(caption), group), row, 0);
        layout->addWidget(field, row, 1);
        ++row;
    }
    layout->setColumnStretch(1, 1);
    return group;
}

std::vector<QPushButton*> AddButtonRow(QBoxLayout* layout, QWidget* dialog, std::initializer_list<const char*> left,
                                       std::initializer_list<const char*> right) {
    auto* row = new QHBoxLayout;
    std::vector<QPushButton*> buttons;
    const auto add = [&](const char* caption) {
        const std::string name = "Button" + std::to_string(buttons.size() + 1);
        buttons.push_back(NamedButton(dialog, name.c_str(), caption));
        row->addWidget(buttons.back());
    };
    for (const char* caption : left) add(caption);
    row->addStretch();
    for (const char* caption : right) add(caption);
    layout->addLayout(row);
    return buttons;
}
