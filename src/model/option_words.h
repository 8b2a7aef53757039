#pragma once

#include <array>

#include "model/channel_words.h"
#include "model/language.h"

// The words of the radio-wide options, shared by the Optional Features
// dialog's lists and the options page of the printout. Which stored values
// map to them is each user's own business.
namespace qm530::words {

inline constexpr Bilingual kOn{"On", "开"};

// Voice Annunciation, by stored value 0 to 2.
inline constexpr std::array<Bilingual, 3> kVoiceAnnunciation{{
    kOff,
    {"Chinese", "中文"},
    {"English", "英文"},
}};

// Vox Delay Time in seconds, by stored value 0 to 5; the same in both languages.
inline constexpr std::array<const char*, 6> kVoxDelayTimes{"0.3", "0.5", "1.0",
                                                           "1.5", "2.0", "3.0"};

}  // namespace qm530::words
