#pragma once

#include <string_view>

namespace qm530 {

// The interface language, fixed for a run. The numeric values are the
// ones the program has always used for this flag.
enum class UiLanguage { English = 0, Chinese = 1 };

// A text that exists in both languages.
struct Bilingual {
    const char* en;
    const char* zh;
    const char* In(UiLanguage lang) const { return lang == UiLanguage::Chinese ? zh : en; }
    bool Matches(std::string_view text) const { return text == en || text == zh; }
};

}  // namespace qm530
