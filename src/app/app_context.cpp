#include "app/app_context.h"

#include "app/ini_file.h"

namespace qm530 {

std::string AppContext::LanguageValue(const std::string& key) const {
    return theIni.GetValue(LanguageName, key, "");
}

}  // namespace qm530
