#pragma once
// Value texts of documents: integers, colours, switches and byte codes, reals. Reading is
// strict and raises ZmError with the message the user is shown.

#include <cstdint>
#include <string>

#include "plot/ZMComClass01.h"

// Raises "'<text>' is not a valid integer value".
std::int32_t ReadIntegerText(const std::string& text);
TColor ReadColorText(const std::string& text);
// Switches and ordinals: an integer text of which the low 8 bits are kept.
std::uint8_t ReadByteText(const std::string& text);
// Reads "." or "," as the decimal separator, whatever the locale, so that a file written under
// either reads everywhere. Raises "'<text>' is not a valid floating point value"; "NAN" and
// "INF" fail too.
double ReadRealText(const std::string& text);

std::string IntegerText(std::int32_t v);
// 15 significant digits with the given separator.
std::string RealText(double v, char decimalSep);
