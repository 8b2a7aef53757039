#pragma once

#include <string>
#include <string_view>

#include "model/result.h"

namespace qm530::settings {

// How a dialog's number edits exchange their text with numbers: blanks
// (space, tab) may surround the number, anything else makes the text
// "not a number" and the read fails. The value is parsed in the C locale.
//   double: [sign] digits [. digits] | [sign] . digits, optional exponent
//   int:    [sign] digits, within the int range
Result<double> ReadDialogDouble(std::string_view text);
Result<int> ReadDialogInt(std::string_view text);

// The text a dialog shows for a double: the shortest of 15 significant
// digits ("%.15g"), so 0.9 shows "0.9", 0.95 "0.95" and 5.0 "5".
std::string FormatDialogDouble(double value);

// The framework's prompts when a read fails.
const char* EnterNumberPrompt(bool integer, bool chinese);

}  // namespace qm530::settings
