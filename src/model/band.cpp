#include "model/band.h"

#include <cctype>

namespace qm530 {

namespace {

// Leading blanks skipped, digits read up to the first non-digit; 0 when none.
std::int32_t LeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::int64_t v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > 21474) return 21474 * 100000;  // keeps the product inside 32 bits
    }
    return static_cast<std::int32_t>(v * 100000);
}

}  // namespace

BandLimits BandLimitsOfText(std::string_view text) {
    BandLimits limits;
    limits.low = LeadingInteger(text);
    const auto dash = text.find('-');
    limits.high = LeadingInteger(dash == std::string_view::npos ? text : text.substr(dash + 1));
    return limits;
}

std::vector<std::string> SplitBandList(std::string_view value) {
    std::vector<std::string> bands;
    std::size_t start = 0;
    for (;;) {
        const auto bar = value.find('|', start);
        if (bar == std::string_view::npos) break;
        bands.emplace_back(value.substr(start, bar - start));
        start = bar + 1;
    }
    bands.emplace_back(value.substr(start));
    return bands;
}

}  // namespace qm530
