// Where the program's files are found; see data_dirs.h.
#include "config/data_dirs.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "config/exe_dir.h"
#include "config/ini_file.h"
#include "model/atomic_file.h"
#include "model/csv_text.h"

namespace qm530::config {

namespace {

constexpr const char* kIniName = "Program.ini";

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

bool IsRegular(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

}  // namespace

std::string DataDirOf(const std::string& exeDir) {
    const std::filesystem::path data =
        (std::filesystem::path(exeDir) / ".." / "share" / "qm530").lexically_normal();
    return WithSlash(data.string());
}

std::string UserConfigDirOf(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/')
        return WithSlash(xdgConfigHome) + "qm530/";
    if (home != nullptr && home[0] == '/') return WithSlash(home) + ".config/qm530/";
    return {};
}

std::string UserDataDirOf(const char* xdgDataHome, const char* home) {
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return WithSlash(xdgDataHome) + "qm530/";
    if (home != nullptr && home[0] == '/') return WithSlash(home) + ".local/share/qm530/";
    return {};
}

std::string ProgramFileFolder(const ProgramDirs& dirs, const std::string& name) {
    if (Exists(dirs.exeDir + name) || dirs.dataDir.empty() || !Exists(dirs.dataDir + name))
        return dirs.exeDir;
    return dirs.dataDir;
}

std::string ProgramFilePath(const ProgramDirs& dirs, const std::string& name) {
    return ProgramFileFolder(dirs, name) + name;
}

IniPlace ProgramIniPlace(const ProgramDirs& dirs,
                         const std::function<bool(const std::string&)>& writable) {
    const std::string user = dirs.configDir.empty() ? std::string() : dirs.configDir + kIniName;
    if (!user.empty() && IsRegular(user)) return {user, user};
    const std::string read = ProgramFilePath(dirs, kIniName);
    const bool inDataDir = !dirs.dataDir.empty() && read == dirs.dataDir + kIniName;
    if (user.empty() || (!inDataDir && (!Exists(read) || writable(read)))) return {read, read};
    return {read, user};
}

namespace {

// Text a settings file can hold: readable, UTF-8, no NUL byte.
bool ReadableAsSettings(const std::string& path) {
    const Result<std::string> text = ReadWholeFile(path);
    return text && FirstNonUtf8Line(*text) == 0 && text->find('\0') == std::string::npos;
}

}  // namespace

Result<std::string> OpenProgramIni(CIniFile& ini, const ProgramDirs& dirs, bool autoSave,
                                   bool noCase, bool backupOnSave) {
    IniPlace place = ProgramIniPlace(dirs);
    std::string setAside;
    const std::string user = dirs.configDir.empty() ? std::string() : dirs.configDir + kIniName;
    if (place.readPath == user && !ReadableAsSettings(user)) {
        const std::string aside = user + ".damaged";
        std::error_code ec;
        std::filesystem::rename(user, aside, ec);
        if (!ec) {
            setAside = aside;
            place = ProgramIniPlace(dirs);
        }
    }
    const Status loaded = ini.Load(place.readPath, autoSave, noCase, backupOnSave);
    if (place.writePath != place.readPath) ini.MoveTo(place.writePath);
    if (!loaded) return loaded;
    return setAside;
}

}  // namespace qm530::config
