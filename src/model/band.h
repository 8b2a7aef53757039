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

// The frequencies a channel record can hold: 10.00000 to 999.99999 MHz.
// Below 10 MHz the top BCD byte is 0x00, which reads back as an empty field;
// from 1000 MHz on the eight digits overflow.
constexpr BandLimits kRecordLimits{1000000, 99999999};

// The part of `band` that a record can hold.
constexpr BandLimits StorableLimits(const BandLimits& band) {
    return {band.low > kRecordLimits.low ? band.low : kRecordLimits.low,
            band.high < kRecordLimits.high ? band.high : kRecordLimits.high};
}

}  // namespace qm530
