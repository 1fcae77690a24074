#pragma once
// The box shown by a command whose dialog is not in the program yet.

#include <QString>

class QWidget;

// One information box: "\"<command>\" is not available yet."
void NotAvailableYet(QWidget* parent, const QString& command);
