#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/language.h"
#include "model/radio_image.h"

namespace qm530::settings {

namespace feature_addr {
constexpr int kVoice = 0x12F;         // whole byte
constexpr int kTimeOutTimer = 0x130;  // bits 0-6
constexpr int kTotPreAlert = 0x131;   // bits 0-3
constexpr int kSquelchLevel = 0x134;  // whole byte
constexpr int kBatterySaver = 0x135;  // bit 0
constexpr int kBeep = 0x136;          // bit 0
constexpr int kVoxGain = 0x13A;       // bits 0-4
constexpr int kVoxDelay = 0x13B;      // bits 0-2
constexpr int kCallTone = 0x3F1;      // whole byte
constexpr int kSquelchTune = 0x3F2;   // whole byte
}  // namespace feature_addr

// The drop-down lists of the Optional Features dialog, in the order the
// dialog fills them. Squelch Tune and Call Tone have hidden controls but
// pass through the dialog like the others.
enum class FeatureList {
    SquelchTune,
    TimeOutTimer,
    TotPreAlert,
    SquelchLevel,
    VoxGain,
    CallTone,
    VoxDelay,
    Voice,
};
constexpr int kFeatureListCount = 8;

// The items of a list in the language, in list order.
std::vector<std::string> FeatureListItems(FeatureList list, UiLanguage lang);

// The item text at `position`; empty for no selection (-1) or a position
// past the list.
std::string FeatureListText(FeatureList list, int position, UiLanguage lang);

// What the dialog's controls hold: the selected position of each list
// (-1 for no selection) and the two check boxes.
struct OptionalFeaturesForm {
    std::array<int, kFeatureListCount> selection{};
    bool beep = false;
    bool batterySaver = false;

    int& operator[](FeatureList list) { return selection[static_cast<std::size_t>(list)]; }
    int operator[](FeatureList list) const { return selection[static_cast<std::size_t>(list)]; }
    bool operator==(const OptionalFeaturesForm&) const = default;
};

// The controls as the dialog shows them after opening on `image`. A value
// outside its list leaves the list without selection, except Squelch Level
// (shows "0"), Voice Annunciation ("Chinese") and Squelch Tune ("24").
OptionalFeaturesForm LoadOptionalFeatures(const RadioImage& image);

// OK: writes all ten fields, changing only their own bits. A list without
// selection stores 0 in the bits of Time-Out Timer and TOT Pre-Alert, 0xFF
// for Call Tone, Squelch Level and Voice, 24 for Squelch Tune, and leaves
// the bits of Vox Gain Level and Vox Delay Time as they were.
void StoreOptionalFeatures(const OptionalFeaturesForm& form, RadioImage& image);

}  // namespace qm530::settings
