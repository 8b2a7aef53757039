#pragma once

#include <string>
#include <vector>

#include "model/language.h"
#include "model/radio_image.h"
#include "model/status.h"
#include "settings/optional_features.h"
#include "settings/scan_info.h"
#include "settings/side_keys.h"

namespace qm530::settings {

// The radio-wide settings of the Optional Features, Scan Information and
// Side Key dialogs under their command-line names, opened on one image.
// Values are set as a user would set them in the dialogs, and stored with
// the dialogs' OK.
class SettingsSession {
  public:
    SettingsSession(const RadioImage& image, UiLanguage lang);

    // tot, tot-prealert, squelch, ..., side-key-2 in their listing order.
    static const std::vector<std::string>& Names();
    static bool IsName(const std::string& name);

    // The text the dialog shows: a list item, the text of an edit, on/off
    // for a check box; empty when the list has no selection or the edit
    // is empty.
    std::string Shown(const std::string& name) const;

    // Sets a setting: a list item in either language, on/off, or a number
    // that gets the corrections of leaving the edit. A value the dialog
    // could not hold fails with a message naming the accepted values.
    Status Set(const std::string& name, const std::string& value);

    // OK of each dialog that Set touched, on a copy of `image` that
    // replaces it only when every OK succeeds. Fails with a message when
    // the Scan Information dialog refuses its priority channel.
    Status Store(RadioImage& image);

  private:
    // The parts of Set: a list item or check box; the priority channel's
    // edit; a number edit of the Scan Information dialog.
    Status SetChoice(const std::string& name, const std::string& value);
    Status SetPriorityChannel(const std::string& name, const std::string& value);
    Status SetScanNumber(ScanField field, const std::string& name, const std::string& value);

    UiLanguage lang_;
    OptionalFeaturesForm features_;
    ScanInfoLogic scan_;
    SideKeysForm keys_;
    bool featuresTouched_ = false;
    bool scanTouched_ = false;
    bool keysTouched_ = false;
};

}  // namespace qm530::settings
