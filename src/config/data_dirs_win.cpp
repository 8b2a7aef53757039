// The folders of the running program on Windows: the program folder holds
// everything it ships; the user's settings go to %APPDATA%\\qm530 and what
// the program makes by itself (traces, backups) to %LOCALAPPDATA%\\qm530.
#include <windows.h>

#include <cstdlib>

#include "config/data_dirs.h"
#include "config/exe_dir.h"
#include "model/win_text.h"

namespace qm530::config {

namespace {

// %NAME%\\qm530/ with '/' separators, or "" when the variable is not set.
std::string FolderIn(const wchar_t* variable) {
    const wchar_t* value = ::_wgetenv(variable);
    if (value == nullptr || *value == L'\0') return {};
    std::string folder = Utf8OfWide(value);
    for (char& c : folder) {
        if (c == '\\') c = '/';
    }
    if (folder.back() != '/') folder += '/';
    return folder + "qm530/";
}

}  // namespace

std::string CurrentUserDataDir() {
    return FolderIn(L"LOCALAPPDATA");
}

ProgramDirs CurrentProgramDirs() {
    ProgramDirs dirs;
    dirs.exeDir = ExeDir();
    // An installation keeps its files in the program folder itself.
    dirs.dataDir.clear();
    dirs.configDir = FolderIn(L"APPDATA");
    return dirs;
}

IniPlace ProgramIniPlace(const ProgramDirs& dirs) {
    return ProgramIniPlace(dirs, [](const std::string& path) {
        const DWORD attributes = ::GetFileAttributesW(WideOfUtf8(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) == 0;
    });
}

}  // namespace qm530::config
