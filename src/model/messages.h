#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "model/language.h"

namespace qm530 {

// Ids of the string-table messages. The desktop program shows the texts of
// its language pack under these ids; everything else uses MessageText.
namespace msg {
constexpr int kOutOfRange = 61448;
constexpr int kCommError = 61451;
constexpr int kClearAll = 61452;
constexpr int kPortOpenFailed = 61453;
constexpr int kProgramInterrupt = 61454;
constexpr int kStepError = 61456;
constexpr int kCaution = 61458;
constexpr int kAppTitle = 57344;
}  // namespace msg

// The one text the desktop program shows before a language pack is loaded:
// that its pack could not be loaded.
inline constexpr Bilingual kLanguagePackMissing{"Load language DLL fail", "加载语言链接库失败"};

// The text of a string-table message in the language; nullptr for an unknown id.
const char* MessageText(int id, UiLanguage lang = UiLanguage::English);

// `pattern` in the language, its %1, %2 ... %9 replaced by the arguments in
// order (a missing argument leaves its marker as it is).
std::string Say(UiLanguage lang, const Bilingual& pattern,
                std::initializer_list<std::string_view> args = {});

}  // namespace qm530
