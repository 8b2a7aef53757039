// The folders of the running program on POSIX: the XDG base directories.
#include <unistd.h>

#include <cstdlib>

#include "config/data_dirs.h"
#include "config/exe_dir.h"

namespace qm530::config {

std::string CurrentUserDataDir() {
    return UserDataDirOf(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

ProgramDirs CurrentProgramDirs() {
    ProgramDirs dirs;
    dirs.exeDir = ExeDir();
    dirs.dataDir = DataDirOf(dirs.exeDir);
    dirs.configDir = UserConfigDirOf(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    return dirs;
}

IniPlace ProgramIniPlace(const ProgramDirs& dirs) {
    return ProgramIniPlace(
        dirs, [](const std::string& path) { return ::access(path.c_str(), W_OK) == 0; });
}

}  // namespace qm530::config
