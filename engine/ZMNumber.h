#pragma once
// Number texts shared by the whole program: the 15-significant-digit general
// format, the strict real and integer readers, trimming and safe conversions.
// Plain C++; the decimal separator is always passed in.

#include <cstdint>
#include <string>
#include <string_view>

namespace zm {

// Blanks are the characters <= U+0020 (one byte at a time, so UTF-8 is kept).
inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
std::string_view TrimView(std::string_view s);
std::string Trim(std::string_view s);
std::string LowerAscii(std::string_view s);

// "1E15", "0.0001", "-1.25E-7", "1234567,5" with sep ','; "0" for -0; "NAN", "INF", "-INF".
std::string FloatToStr(double v, char sep = '.');

// The 15 significant digits written positionally with '.', never with an exponent
// ("0.000002", "1230000000000000000000"), for numbers written into formula texts.
std::string FloatToFormulaText(double v);

// Blanks, an optional sign, digits with at most one sep, an optional exponent, blanks.
// Underflow gives +-0. Overflow fails, except that a magnitude up to 1.79769313486232E308
// (the largest double's 15-digit text) reads as the largest double.
bool TryStrToFloat(std::string_view s, double& out, char sep = '.');

// Blanks, an optional sign, then decimal digits or hex digits after "$", "x", "X",
// "0x", "0X"; nothing may follow; 32-bit range (up to 8 hex digits as the bit pattern).
bool TryStrToInt(std::string_view s, int32_t& out);

// Low 8 bits of an integer text ("257" -> 1, "-1" -> 255).
bool TryStrToByte(std::string_view s, uint8_t& out);

// Nearest integer, ties to even; false when not finite or outside int32.
bool TryRoundToInt32(double v, int32_t& out);

// Truncates toward zero and saturates to int32; NaN gives 0.
int32_t TruncSat(double v);

}  // namespace zm
