#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/ini_file.h"
#include "model/band.h"
#include "model/language.h"
#include "model/radio_image.h"
#include "model/status.h"

namespace qm530::cli {

// The whole configuration of an image as one JSON object:
//   "model", "band": the names Program.ini gives the model and band bytes,
//                    or the bytes as numbers where it names none;
//   "channels":      16 objects {"channel": n, "rx": ..., "bw": ...} with the
//                    field names of `qm530 set` and the texts of the grid;
//   "options":       the settings by the names and words of `qm530 options`;
//   "memory":        all 1024 bytes as 64 rows of 32 hex digits, so that the
//                    text brings back exactly the image it was made from.
std::string ConfigurationJson(const RadioImage& image, const config::CIniFile& ini,
                              UiLanguage lang);

// Reads such a text into `image` through the rules of `set` and `option`:
// "memory", when given, first replaces the whole image; then model and band,
// then the channels (a channel whose rx is empty is emptied), then the
// settings, each only where it differs from what the image shows by then.
// Members left out keep what the image holds.
// Frequencies are checked against `band` when given, else against the band
// the new model and band bytes name in Program.ini, else what a record can
// hold. All or nothing: on any refusal `image` is left untouched and the
// reason names the member.
Status ApplyConfigurationJson(std::string_view text, const config::CIniFile& ini,
                              const std::optional<BandLimits>& band, UiLanguage lang,
                              RadioImage& image);

}  // namespace qm530::cli
