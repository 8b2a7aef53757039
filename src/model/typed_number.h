#pragma once

#include <string>
#include <string_view>

#include "model/result.h"

namespace qm530 {

// A frequency in MHz as a person types it: a decimal number with a point,
// or with a comma between digits as locales that write decimals with a
// comma do ("145,525" is 145.525), blanks around it. Gives the text with
// such a comma made a point. Fails when anything but blanks follows the
// number ("145 5", "145;5", "145,5,0"), so that what is stored is what was
// typed. An empty text, or one without a number at all, is given back as
// it is: the rules for those stay with the caller.
Result<std::string> TypedFrequency(std::string_view text);

}  // namespace qm530
