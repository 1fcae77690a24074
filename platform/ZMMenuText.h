#pragma once
// A menu caption made from program text, such as a graph caption: "&" stays a character and
// never becomes a mnemonic.

#include <QString>

#include <string>

inline QString MenuText(const std::string& s) { return QString::fromStdString(s).replace(QLatin1Char('&'), QStringLiteral("&&")); }
