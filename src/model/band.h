#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm530 {

// Inclusive band edges in 10 Hz units.
struct BandLimits {
    std::int32_t low = 0;
    std::int32_t high = 0;
    bool Contains(std::int32_t units) const { return units >= low && units <= high; }
    bool operator==(const BandLimits&) const = default;
};

// The limits of a band text such as "130 - 160MHz": the whole MHz numbers at
// its start and after its first '-' (the whole text again when there is none).
BandLimits BandLimitsOfText(std::string_view text);

// The band list of a model: the value split at every '|', parts untrimmed,
// the last part kept even when empty (so an empty value gives one empty band).
std::vector<std::string> SplitBandList(std::string_view value);

// The widest limits a channel record can hold: above 0 and below 1000 MHz.
constexpr BandLimits kRecordLimits{1, 99999999};

}  // namespace qm530
