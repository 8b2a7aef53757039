#pragma once

#include <string_view>

namespace qm530 {

// The text without leading and trailing blanks (space, tab, CR, LF, VT, FF).
constexpr std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace qm530
