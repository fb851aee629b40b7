#pragma once
// Numbers as texts: what the user sees (FloatStr) and what formula boxes, grids and documents hold.
#include "core/base/Real.h"

#include <string>
#include <string_view>

// Significant digits of every number shown to the user; the setting "Digits" (0..6, default 4).
int Digits();
void SetDigits(int digits);

// General format with Digits() significant digits: rounded half away from zero, trailing zeros removed,
// fixed notation when -4 <= e < digits (e = decimal exponent of the rounded value), otherwise mantissa, "E",
// "-" only for a negative exponent and at least two exponent digits: 12345 -> "1.235E04", 1e-5 -> "1E-05".
std::string FloatStr(Real x);
std::string FloatStr(Real x, int digits);

// The plain text of a number in formula boxes, grids and documents: converted to double, shortest text with
// at most 15 significant digits, fixed unless the magnitude is below 1e-4 or needs more than 15 integer
// digits, exponent without leading zeros: "0.1", "-2.5", "1E-5", "2.5E20".
std::string PlainNumberText(Real x);

// Reads a whole text as a decimal number with "." as separator whatever the locale ("1.5", "-2E-3", ".5", " 7
// "; blanks around the number are allowed, "inf", "nan" and hexadecimal are not). The value is the correctly
// rounded long double of the text. Returns false, leaving value alone, when the text is not a number or
// overflows.
bool ReadNumber(std::string_view text, Real& value);

// A number text made fit for a formula, where a positive exponent needs its sign ("2.5E20" reads as 2.5 and
// the word E20): "2.5E20" -> "2.5E+20", "1.235E04" -> "1.235E+04"; other texts unchanged.
std::string FormulaNumberText(const std::string& text);
