#include "settings/optional_features.h"

#include <cstdint>

#include "model/channel_words.h"
#include "model/numbers.h"
#include "model/option_words.h"

namespace qm530::settings {

namespace {

constexpr int kSquelchTuneFirst = 6;
constexpr int kSquelchTuneLast = 80;
constexpr int kSquelchTuneFallback = 24;
constexpr int kTimeOutSteps = 40;  // 15 s to 600 s
constexpr int kTimeOutStepSeconds = 15;
constexpr int kVoiceFallback = 1;  // "Chinese"

void AppendNumbers(std::vector<std::string>& items, int first, int last) {
    for (int v = first; v <= last; ++v) items.push_back(CFormatInt("%d", v));
}

// "Off" followed by "1" to "last".
std::vector<std::string> OffThenNumbers(int last, UiLanguage lang) {
    std::vector<std::string> items{words::kOff.In(lang)};
    AppendNumbers(items, 1, last);
    return items;
}

int ItemCount(FeatureList list) {
    switch (list) {
        case FeatureList::SquelchTune:
            return kSquelchTuneLast - kSquelchTuneFirst + 1;
        case FeatureList::TimeOutTimer:
            return kTimeOutSteps;
        case FeatureList::TotPreAlert:
            return 11;
        case FeatureList::SquelchLevel:
            return 10;
        case FeatureList::VoxGain:
            return 17;
        case FeatureList::CallTone:
            return 10;
        case FeatureList::VoxDelay:
            return static_cast<int>(words::kVoxDelayTimes.size());
        case FeatureList::Voice:
            return static_cast<int>(words::kVoiceAnnunciation.size());
    }
    return 0;
}

// A position the list can select, else -1 (what selecting it leaves).
int Selectable(FeatureList list, int position) {
    return position >= 0 && position < ItemCount(list) ? position : -1;
}

void StoreBits(RadioImage& image, int address, int mask, int value) {
    const auto a = static_cast<std::size_t>(address);
    image[a] = LowByte((image[a] & ~mask) | (value & mask));
}

}  // namespace

std::vector<std::string> FeatureListItems(FeatureList list, UiLanguage lang) {
    std::vector<std::string> items;
    switch (list) {
        case FeatureList::SquelchTune:
            AppendNumbers(items, kSquelchTuneFirst, kSquelchTuneLast);
            break;
        case FeatureList::TimeOutTimer:
            for (int i = 1; i <= kTimeOutSteps; ++i) {
                items.push_back(CFormatInt("%ds", kTimeOutStepSeconds * i));
            }
            break;
        case FeatureList::TotPreAlert:
            items = OffThenNumbers(10, lang);
            break;
        case FeatureList::SquelchLevel:
            AppendNumbers(items, 0, 9);
            break;
        case FeatureList::VoxGain:
            items = OffThenNumbers(16, lang);
            break;
        case FeatureList::CallTone:
            items = OffThenNumbers(9, lang);
            break;
        case FeatureList::VoxDelay:
            items.assign(words::kVoxDelayTimes.begin(), words::kVoxDelayTimes.end());
            break;
        case FeatureList::Voice:
            for (const Bilingual& b : words::kVoiceAnnunciation) items.push_back(b.In(lang));
            break;
    }
    return items;
}

std::string FeatureListText(FeatureList list, int position, UiLanguage lang) {
    if (Selectable(list, position) < 0) return {};
    return FeatureListItems(list, lang)[static_cast<std::size_t>(position)];
}

OptionalFeaturesForm LoadOptionalFeatures(const RadioImage& image) {
    namespace a = feature_addr;
    OptionalFeaturesForm form;
    const int tune = image[a::kSquelchTune];
    form[FeatureList::SquelchTune] =
        (tune >= kSquelchTuneFirst && tune <= kSquelchTuneLast ? tune : kSquelchTuneFallback) -
        kSquelchTuneFirst;
    form[FeatureList::TimeOutTimer] =
        Selectable(FeatureList::TimeOutTimer, (image[a::kTimeOutTimer] & 0x7F) - 1);
    form[FeatureList::TotPreAlert] =
        Selectable(FeatureList::TotPreAlert, (image[a::kTotPreAlert] & 0x0F) - 1);
    form[FeatureList::SquelchLevel] =
        Selectable(FeatureList::SquelchLevel, image[a::kSquelchLevel]);
    if (form[FeatureList::SquelchLevel] < 0) form[FeatureList::SquelchLevel] = 0;
    form.beep = (image[a::kBeep] & 0x01) != 0;
    form[FeatureList::VoxGain] = Selectable(FeatureList::VoxGain, image[a::kVoxGain] & 0x1F);
    form[FeatureList::VoxDelay] = Selectable(FeatureList::VoxDelay, image[a::kVoxDelay] & 0x07);
    form[FeatureList::CallTone] = Selectable(FeatureList::CallTone, image[a::kCallTone]);
    form.batterySaver = (image[a::kBatterySaver] & 0x01) != 0;
    form[FeatureList::Voice] = Selectable(FeatureList::Voice, image[a::kVoice]);
    if (form[FeatureList::Voice] < 0) form[FeatureList::Voice] = kVoiceFallback;
    return form;
}

void StoreOptionalFeatures(const OptionalFeaturesForm& form, RadioImage& image) {
    namespace a = feature_addr;
    const auto sel = [&form](FeatureList list) { return Selectable(list, form[list]); };
    // -1 (no selection) becomes 0xFF in a whole byte.
    image[a::kCallTone] = LowByte(sel(FeatureList::CallTone));
    const int tune = sel(FeatureList::SquelchTune);
    image[a::kSquelchTune] = LowByte(tune < 0 ? kSquelchTuneFallback : tune + kSquelchTuneFirst);
    StoreBits(image, a::kTimeOutTimer, 0x7F, sel(FeatureList::TimeOutTimer) + 1);
    StoreBits(image, a::kTotPreAlert, 0x0F, sel(FeatureList::TotPreAlert) + 1);
    image[a::kSquelchLevel] = LowByte(sel(FeatureList::SquelchLevel));
    StoreBits(image, a::kBeep, 0x01, form.beep ? 1 : 0);
    // An out-of-list Vox value that the user left alone stays as it was.
    if (sel(FeatureList::VoxGain) >= 0)
        StoreBits(image, a::kVoxGain, 0x1F, sel(FeatureList::VoxGain));
    if (sel(FeatureList::VoxDelay) >= 0)
        StoreBits(image, a::kVoxDelay, 0x07, sel(FeatureList::VoxDelay));
    StoreBits(image, a::kBatterySaver, 0x01, form.batterySaver ? 1 : 0);
    image[a::kVoice] = LowByte(sel(FeatureList::Voice));
}

}  // namespace qm530::settings
