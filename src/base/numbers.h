#pragma once
// Numbers in text fields: decimal comma, exponent form "1E-3", at most
// 15 significant digits; truncation toward zero for reports and labels.
#include <cstdint>
#include <string>

namespace sonrel {

// Reads a field's text as a number. Accepts a decimal comma or point, an
// optional sign and exponent; surrounding blanks are ignored. Empty text,
// anything left over, thousands separators, "nan", "inf" and values outside
// the double range throw InputError.
double readNumber(const std::string& text);

// As readNumber, then rounded to the nearest integer with halves to even;
// outside the 32-bit range throws InputError.
std::int32_t readInteger(const std::string& text);

// Shortest decimal form with at most 15 significant digits and a decimal
// comma ("20", "0,2", "86,60254"); exponent form with E, a sign and at least
// two digits below 1E-4 or from 1E+15 up ("1E-05", "1,5E+16"). Never prints
// "nan" or "inf": a non-finite value throws MathError.
std::string formatNumber(double x);

// Fix: drops the fractional part toward zero.
double fix(double x);

// Fix(x * 10^digits) / 10^digits, the truncation of reports and labels.
double truncTo(double x, int digits);

// formatNumber(truncTo(x, digits)).
std::string formatTrunc(double x, int digits);

// True when text can serve as the number part of a file name: not empty,
// no path separator, no "..", none of the characters a file name may not hold.
bool isSafeFileNumber(const std::string& text);

} // namespace sonrel
