#pragma once

#include <functional>
#include <string>

#include "model/result.h"
#include "model/status.h"

namespace qm530::config {

class CIniFile;

// Where the program's files are found. The program folder comes first, so
// the build folder and a copied folder work by themselves; an installation
// keeps the files in its data folder, ../share/qm530/ from the executable,
// so that any prefix works without configuration. Program.ini is looked
// for in the user's configuration folder before both: that is where the
// write-back goes when the file it was read from may not be written.
struct ProgramDirs {
    std::string exeDir;     // the program folder, ending with '/'
    std::string dataDir;    // the installation's data folder, ending with '/'
    std::string configDir;  // the per-user folder, ending with '/'; empty when unknown
};

// exeDir + "../share/qm530/", without the "..".
std::string DataDirOf(const std::string& exeDir);
// $XDG_CONFIG_HOME/qm530/, else $HOME/.config/qm530/ (a relative or empty
// XDG_CONFIG_HOME counts as unset); empty when neither is usable.
std::string UserConfigDirOf(const char* xdgConfigHome, const char* home);
// $XDG_DATA_HOME/qm530/, else $HOME/.local/share/qm530/ (the same rules):
// the per-user folder for what the program makes by itself, such as the
// transfer traces; empty when neither is usable.
std::string UserDataDirOf(const char* xdgDataHome, const char* home);
// The same from the environment.
std::string CurrentUserDataDir();
// The folders of the running program, from ExeDir() and the environment.
ProgramDirs CurrentProgramDirs();

// The folder that holds `name` (a file or a folder): the program folder
// when it is there or when neither folder has it, else the data folder.
std::string ProgramFileFolder(const ProgramDirs& dirs, const std::string& name);
// The same folder followed by `name`.
std::string ProgramFilePath(const ProgramDirs& dirs, const std::string& name);

// Where Program.ini is read and where its write-back goes.
struct IniPlace {
    std::string readPath;
    std::string writePath;
};
// Read: the per-user copy when it exists, else the program folder's, else
// the data folder's; when none exists, the program folder's (created empty
// by the load). Write: the file read, unless it lies in the data folder
// (an installation's files are never changed, not even by root) or may
// not be written; then the per-user copy.
IniPlace ProgramIniPlace(const ProgramDirs& dirs,
                         const std::function<bool(const std::string&)>& writable);
IniPlace ProgramIniPlace(const ProgramDirs& dirs);  // writable: access(W_OK)

// Loads Program.ini from its read place into `ini` and makes the store
// write back to its write place. A per-user copy that cannot be read as
// settings (not text, or unreadable) is set aside first, renamed with the
// suffix ".damaged", and the next one in the order above is read: the value
// is then the name it was given, else empty. Fails as the load does.
Result<std::string> OpenProgramIni(CIniFile& ini, const ProgramDirs& dirs, bool autoSave,
                                   bool noCase, bool backupOnSave);

}  // namespace qm530::config
