#pragma once

#include <string>
#include <string_view>

#include "model/language.h"

namespace qm530 {

// True when `text` is an item of the drop-down list of grid column 3-8, in
// either language, compared exactly.
bool ListHoldsText(int column, std::string_view text);

// Why the list of column 3-8 refuses `text`, in `lang`; empty when it holds it.
std::string ListRefusalReason(int column, std::string_view text, UiLanguage lang);

}  // namespace qm530
