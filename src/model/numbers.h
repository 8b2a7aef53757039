#pragma once

#include <string>
#include <string_view>

namespace qm530 {

// atof with the C locale, whatever the process locale is: leading blanks
// are skipped, the longest decimal prefix (sign, digits, point, exponent) is
// read, 0 when there is none. Hexadecimal, inf and nan are not numbers here.
double CAtof(std::string_view text);

// atoi with the C locale; values beyond the int range are clamped.
int CAtoi(std::string_view text);

// Multiplies x by factor in exact decimal arithmetic: both are first rounded
// to 15 significant digits, multiplied exactly, and the product is turned
// back into the nearest double. CAtof("136.0125") * 100000 gives 13601249.99...,
// DecimalScale gives 13601250.
double DecimalScale(double x, double factor);

// trunc(DecimalScale(x, factor)) as an integer, clamped to the int range.
int ScaleToInt(double x, double factor);

// printf-style formatting in the C locale, for the few fixed formats the
// radio's texts use ("%3.5f", "%3.1f", "%d", ...).
std::string CFormat(const char* format, double value);
std::string CFormatInt(const char* format, int value);

}  // namespace qm530
