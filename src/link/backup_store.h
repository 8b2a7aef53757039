#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "model/language.h"
#include "model/radio_image.h"
#include "model/result.h"
#include "model/status.h"

namespace qm530::link {

// The sentences about backups that the desktop program and the command-line
// tool both say.
namespace backuptext {
// A read completed, but its backup could not be kept; %1 is why.
inline constexpr Bilingual kNotKept{"No backup of this read was kept: %1",
                                    "本次读取未保留备份：%1"};
// Why: the user's data folder is not known.
inline constexpr Bilingual kNoDataFolder{
    "the data folder is not known (neither XDG_DATA_HOME nor HOME is set)",
    "数据文件夹未知（XDG_DATA_HOME 和 HOME 均未设置）"};
// Added to every message of a read made for the backup before a write.
inline constexpr Bilingual kReadingForBackup{
    "The radio is read for the backup before writing; nothing has been written to it.",
    "写入前先读取对讲机以备份；尚未向对讲机写入任何数据。"};
// The backup read completed, but its file could not be kept; %1 is why.
inline constexpr Bilingual kWriteWithoutBackup{
    "The radio was read, but its backup could not be kept (%1), so nothing was written to it.",
    "已读取对讲机，但无法保留备份（%1），因此没有写入任何数据。"};
// The backup read kept the radio's memory; %1 is the file.
inline constexpr Bilingual kKeptBeforeWrite{"The radio's previous memory is kept in %1.",
                                            "对讲机原有的内存已备份到 %1。"};
}  // namespace backuptext

// One backup as the folder lists it. The name says when the read completed
// (local time) and on which port: "20250501-140322-COM1.dat"; a second
// backup of the same port within the same second is "...-COM1.2.dat".
struct BackupEntry {
    std::string path;
    std::string fileName;
    std::string stamp;  // "20250501-140322"
    int sequence = 1;
    std::string port;  // "COM1", "ttyUSB0", "virtual"
    // What the file holds; when it is not a radio image, `loaded` says why
    // and the numbers below are -1.
    Status loaded;
    int productType = -1;
    int bandIndex = -1;
    int programmedChannels = -1;

    // "2025-05-01 14:03:22".
    std::string DateTime() const;
};

// The parts of a backup's file name; nothing when the name is not one.
struct BackupName {
    std::string stamp;
    int sequence = 1;
    std::string port;
};
std::optional<BackupName> ParseBackupName(const std::string& fileName);
// The file name of a backup of a read on port `portTag` completed at `when`.
std::string BackupFileName(std::time_t when, const std::string& portTag, int sequence = 1);
// The port in a file name: COM1 for any spelling of com1, the base name of
// a device path ("/dev/ttyUSB0" gives "ttyUSB0", "/dev/pts/5" gives
// "pts_5"), the part before a colon ("virtual:radio.dat" gives "virtual");
// letters, digits, '_', '+' and '-' only.
std::string BackupPortTag(const std::string& portName);

// The folder of the backups of every completed read, and the rules for it:
// newest `kept` are kept, older ones are removed after each new one. Files
// whose names are not backup names are never touched. Safe to use from
// several threads and processes at once.
class BackupStore {
  public:
    static constexpr std::size_t kKept = 500;

    // An empty folder stands for an unknown data folder: Keep then fails.
    explicit BackupStore(std::string folder, std::size_t kept = kKept);
    // `userDataDir` + "backups/"; an unknown (empty) data folder stays empty.
    static BackupStore InUserDataDir(const std::string& userDataDir);

    const std::string& Folder() const { return folder_; }

    // Writes `image` as a new backup of a read on `portName` completed at
    // `when`, in one atomic file write (the folder is made when missing),
    // then removes the oldest backups beyond the kept number, never the new
    // one. The path of the new file, or why none was written (BackupFailure
    // says it in a language).
    Result<std::string> Keep(const RadioImage& image, const std::string& portName,
                             std::time_t when) const;

    // Every backup in the folder, newest first. A missing folder has none.
    std::vector<BackupEntry> List() const;

  private:
    void Prune(const std::string& keepPath) const;

    std::string folder_;
    std::size_t kept_;
};

// Why a Keep failed, in the language where the reason has a sentence of
// its own (no data folder), else the failure's detail.
std::string BackupFailure(const Status& failure, UiLanguage lang);

}  // namespace qm530::link
