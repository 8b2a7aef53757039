#include "settings/settings_session.h"

#include <algorithm>

#include "model/channel_table.h"
#include "model/numbers.h"
#include "model/result.h"
#include "model/text.h"
#include "settings/dialog_number.h"

namespace qm530::settings {

namespace {

enum class Kind { Feature, Check, Priority, Revert, Edit, SideKey };

struct Entry {
    const char* name;
    Kind kind;
    int which;  // FeatureList, ScanField, check box (0 beep, 1 battery saver) or side key (1, 2)
};

constexpr int kBeep = 0;
constexpr int kBatterySaver = 1;

constexpr Entry kEntries[] = {
    {"tot", Kind::Feature, static_cast<int>(FeatureList::TimeOutTimer)},
    {"tot-prealert", Kind::Feature, static_cast<int>(FeatureList::TotPreAlert)},
    {"squelch", Kind::Feature, static_cast<int>(FeatureList::SquelchLevel)},
    {"voice", Kind::Feature, static_cast<int>(FeatureList::Voice)},
    {"vox-gain", Kind::Feature, static_cast<int>(FeatureList::VoxGain)},
    {"vox-delay", Kind::Feature, static_cast<int>(FeatureList::VoxDelay)},
    {"beep", Kind::Check, kBeep},
    {"battery-saver", Kind::Check, kBatterySaver},
    {"squelch-tune", Kind::Feature, static_cast<int>(FeatureList::SquelchTune)},
    {"call-tone", Kind::Feature, static_cast<int>(FeatureList::CallTone)},
    {"priority", Kind::Priority, 0},
    {"priority-channel", Kind::Edit, static_cast<int>(ScanField::PriorityChannel)},
    {"look-back-a", Kind::Edit, static_cast<int>(ScanField::LookBackA)},
    {"look-back-b", Kind::Edit, static_cast<int>(ScanField::LookBackB)},
    {"revert", Kind::Revert, 0},
    {"dropout-delay", Kind::Edit, static_cast<int>(ScanField::DropoutDelay)},
    {"tx-dwell", Kind::Edit, static_cast<int>(ScanField::TxDwell)},
    {"side-key-1", Kind::SideKey, 1},
    {"side-key-2", Kind::SideKey, 2},
};

const Entry* Find(const std::string& name) {
    for (const Entry& e : kEntries) {
        if (name == e.name) return &e;
    }
    return nullptr;
}

UiLanguage Other(UiLanguage lang) {
    return lang == UiLanguage::English ? UiLanguage::Chinese : UiLanguage::English;
}

// "a, b, c, ..., z" for long lists, then the words that differ in the
// other language.
std::string Accepted(const std::vector<std::string>& items,
                     const std::vector<std::string>& others) {
    std::string text;
    const std::size_t n = items.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (n > 12 && i == 3) {
            text += ", ...";
            i = n - 2;
            continue;
        }
        text += (i ? ", " : "") + items[i];
    }
    std::string alternatives;
    for (std::size_t i = 0; i < others.size() && i < n; ++i) {
        if (others[i] != items[i]) alternatives += (alternatives.empty() ? "" : ", ") + others[i];
    }
    if (!alternatives.empty()) text += " (or " + alternatives + ")";
    return text;
}

// The position of `value` in a list shown in either language; -1 if none.
int PositionIn(const std::vector<std::string>& items, const std::vector<std::string>& others,
               const std::string& value) {
    for (const auto* list : {&items, &others}) {
        const auto it = std::find(list->begin(), list->end(), value);
        if (it != list->end()) return static_cast<int>(it - list->begin());
    }
    return -1;
}

// Picks an item of a drop-down list. An empty value keeps a list that
// shows no selection as it is (a list cannot be emptied by the user).
Result<int> PickItem(const std::string& name, const std::vector<std::string>& items,
                     const std::vector<std::string>& others, int current,
                     const std::string& value) {
    if (value.empty() && current < 0) return current;
    const int position = PositionIn(items, others, value);
    if (position >= 0) return position;
    return Status::Fail(name + ": '" + Abbreviated(value) +
                        "' is not one of: " + Accepted(items, others));
}

bool IsDigits(const std::string& s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string ProgrammedChannels(const RadioImage& image) {
    std::string list;
    for (int n = 1; n <= 16; ++n) {
        if (ChannelProgrammedInImage(image, n))
            list += (list.empty() ? "" : ", ") + std::to_string(n);
    }
    return list.empty() ? "none (the image has no programmed channel)" : list;
}

}  // namespace

SettingsSession::SettingsSession(const RadioImage& image, UiLanguage lang)
    : lang_(lang), features_(LoadOptionalFeatures(image)), scan_(lang), keys_(LoadSideKeys(image)) {
    scan_.Load(image);
}

const std::vector<std::string>& SettingsSession::Names() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const Entry& e : kEntries) v.emplace_back(e.name);
        return v;
    }();
    return names;
}

bool SettingsSession::IsName(const std::string& name) {
    return Find(name) != nullptr;
}

std::string SettingsSession::Shown(const std::string& name) const {
    const Entry* e = Find(name);
    if (e == nullptr) return {};
    const ScanInfoForm& scan = scan_.form();
    switch (e->kind) {
        case Kind::Feature: {
            const auto list = static_cast<FeatureList>(e->which);
            return FeatureListText(list, features_[list], lang_);
        }
        case Kind::Check:
            return (e->which == kBeep ? features_.beep : features_.batterySaver) ? "on" : "off";
        case Kind::Priority:
            return scan.priority >= 0
                       ? PriorityItems(lang_)[static_cast<std::size_t>(scan.priority)]
                       : std::string();
        case Kind::Revert:
            return scan.revert >= 0 && scan.revert < static_cast<int>(scan.revertItems.size())
                       ? scan.revertItems[static_cast<std::size_t>(scan.revert)]
                       : std::string();
        case Kind::Edit:
            return scan.Text(static_cast<ScanField>(e->which));
        case Kind::SideKey:
            return SideKeyItems(
                lang_)[static_cast<std::size_t>(e->which == 1 ? keys_.key1 : keys_.key2)];
    }
    return {};
}

Status SettingsSession::Set(const std::string& name, const std::string& value) {
    const Entry* e = Find(name);
    if (e == nullptr) {
        return Status::Fail("unknown setting '" + name + "'");
    }
    if (e->kind != Kind::Edit) return SetChoice(name, value);
    const auto field = static_cast<ScanField>(e->which);
    scanTouched_ = true;
    if (field == ScanField::PriorityChannel) return SetPriorityChannel(name, value);
    return SetScanNumber(field, name, value);
}

Status SettingsSession::SetChoice(const std::string& name, const std::string& value) {
    const Entry* e = Find(name);
    switch (e->kind) {
        case Kind::Feature: {
            const auto list = static_cast<FeatureList>(e->which);
            const Result<int> picked =
                PickItem(name, FeatureListItems(list, lang_), FeatureListItems(list, Other(lang_)),
                         features_[list], value);
            if (!picked) return picked.status();
            features_[list] = *picked;
            featuresTouched_ = true;
            return Status::Ok();
        }
        case Kind::Check: {
            if (value != "on" && value != "off") {
                return Status::Fail(name + ": '" + Abbreviated(value) + "' is not one of: on, off");
            }
            (e->which == kBeep ? features_.beep : features_.batterySaver) = value == "on";
            featuresTouched_ = true;
            return Status::Ok();
        }
        case Kind::SideKey: {
            int& key = e->which == 1 ? keys_.key1 : keys_.key2;
            const Result<int> picked =
                PickItem(name, SideKeyItems(lang_), SideKeyItems(Other(lang_)), key, value);
            if (!picked) return picked.status();
            key = *picked;
            keysTouched_ = true;
            return Status::Ok();
        }
        case Kind::Priority: {
            ScanInfoForm& form = scan_.form();
            const Result<int> picked = PickItem(name, PriorityItems(lang_),
                                                PriorityItems(Other(lang_)), form.priority, value);
            if (!picked) return picked.status();
            // Picking the item already shown changes nothing.
            if (*picked != form.priority) scan_.SelectPriority(*picked);
            scanTouched_ = true;
            return Status::Ok();
        }
        case Kind::Revert: {
            ScanInfoForm& form = scan_.form();
            const Result<int> picked =
                PickItem(name, form.revertItems, RevertItems(form.priority, Other(lang_)),
                         form.revert, value);
            if (!picked) return Status::Fail(picked.detail() + " (the choices depend on priority)");
            form.revert = *picked;
            scanTouched_ = true;
            return Status::Ok();
        }
        case Kind::Edit:
            break;
    }
    return Status::Fail("unknown setting '" + name + "'");
}

Status SettingsSession::SetPriorityChannel(const std::string& name, const std::string& value) {
    ScanInfoForm& form = scan_.form();
    if (!form.priorityChannelEnabled) {
        if (!TrimBlanks(value).empty()) {
            return Status::Fail(name + " can only be set with priority=Fixed; it stays empty");
        }
        return Status::Ok();
    }
    if (value.size() > 2) {
        return Status::Fail(name + ": '" + Abbreviated(value) +
                            "' is too long; the field holds a channel number 1 to 16");
    }
    form.priorityChannel = value;
    return Status::Ok();
}

Status SettingsSession::SetScanNumber(ScanField field, const std::string& name,
                                      const std::string& value) {
    ScanInfoForm& form = scan_.form();
    const bool lookBack = field == ScanField::LookBackA || field == ScanField::LookBackB;
    const std::string accepted =
        lookBack ? "numbers from 0.5 to 5 (put onto steps of 0.05, others brought into range)"
                 : "whole numbers from 0 to 300 (larger ones become 300)";
    const Result<double> x = lookBack ? ReadDialogDouble(value) : Result<double>(0.0);
    const bool isNumber = lookBack ? x.ok() : IsDigits(value) && ReadDialogInt(value).ok();
    if (!isNumber) {
        return Status::Fail(name + ": '" + Abbreviated(value) + "' is not accepted; use " +
                            accepted);
    }
    if (lookBack && !form.lookBackEnabled) {
        // A disabled edit keeps its text and is never corrected, so the time
        // it shows is accepted as it stands, also one outside 0.5 to 5 that
        // an image can hold.
        if (FormatDialogDouble(*x) != form.Text(field)) {
            return Status::Fail(name + " can only be changed with priority=Fixed; it stays " +
                                form.Text(field));
        }
        return Status::Ok();
    }
    form.Text(field) = value;
    scan_.LeaveField(field);
    return Status::Ok();
}

Status SettingsSession::Store(RadioImage& image) {
    RadioImage result = image;
    if (featuresTouched_) StoreOptionalFeatures(features_, result);
    if (keysTouched_) StoreSideKeys(keys_, result);
    if (scanTouched_) {
        const ScanOutcome out = scan_.Ok(result);
        if (out.refused) {
            const std::string shown(TrimBlanks(scan_.form().priorityChannel));
            return Status::Fail(
                "priority-channel: '" + shown + "' is refused (" + out.RefusalMessage(lang_) +
                "); with priority=Fixed use a programmed channel: " + ProgrammedChannels(image));
        }
    }
    image = result;
    return Status::Ok();
}

}  // namespace qm530::settings
