#pragma once
// The pictures of the calculator panel's keys, drawn in code.

#include <QIcon>
#include <QString>

inline constexpr int kCalcKeyIconSize = 20;

// A picture of the key's label; "backspace" and "graph" draw a symbol instead of text.
QIcon CalcKeyIcon(const QString& label);
