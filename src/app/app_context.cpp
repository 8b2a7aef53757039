#include "app/app_context.h"

#include "app/data_dirs.h"
#include "app/ini_file.h"

namespace qm530 {

std::string AppContext::LanguageValue(const std::string& key) const {
    return theIni.GetValue(LanguageName, key, "");
}

std::string AppContext::ProgramFile(const std::string& name) const {
    return ProgramFolder(name) + name;
}

std::string AppContext::ProgramFolder(const std::string& name) const {
    return ProgramFileFolder({ExeDir, DataDir, ConfigDir}, name);
}

}  // namespace qm530
