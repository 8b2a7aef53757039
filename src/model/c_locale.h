#pragma once

#include <string>

namespace qm530 {

// Number conversions with the C locale's rules, whatever locale the process
// runs in: '.' is the radix character.
double CLocaleStrtod(const char* text);
long CLocaleStrtol(const char* text);
// snprintf of one double into a string.
std::string CLocaleFormat(const char* format, double value);

}  // namespace qm530
