#pragma once

#include <string>
#include <string_view>

namespace qm530 {

// The text without leading and trailing blanks (space, tab, CR, LF, VT, FF).
constexpr std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// A value as a message echoes it: whole up to `max` bytes, else its start
// and how long it is, so that a field of megabytes is not printed back.
inline std::string Abbreviated(std::string_view text, std::size_t max = 64) {
    if (text.size() <= max) return std::string(text);
    std::size_t cut = max;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)) + "... (" + std::to_string(text.size()) + " bytes)";
}

}  // namespace qm530
