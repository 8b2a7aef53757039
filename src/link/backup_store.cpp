#include "link/backup_store.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "link/port_name.h"
#include "model/atomic_file.h"
#include "model/channel_table.h"
#include "model/dat_file.h"
#include "model/local_time.h"

namespace qm530::link {

namespace {

namespace fs = std::filesystem;

// The message id of a Keep that failed for want of a data folder.
constexpr int kNoDataFolderId = 201;
// A temporary file of an atomic write older than this was left by a write
// that was interrupted.
constexpr auto kStaleTemporary = std::chrono::hours(1);

bool IsDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsTagChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
           c == '+' || c == '-';
}

bool IsTag(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsTagChar);
}

// A folder name ends with a separator; either kind counts, as the platform
// may give either.
std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
    return dir;
}

// Oldest first: by the time in the name, then by the sequence number.
bool Older(const BackupEntry& a, const BackupEntry& b) {
    if (a.stamp != b.stamp) return a.stamp < b.stamp;
    if (a.sequence != b.sequence) return a.sequence < b.sequence;
    return a.fileName < b.fileName;
}

// The backups in `folder` by their names alone, in no order.
std::vector<BackupEntry> Named(const std::string& folder) {
    std::vector<BackupEntry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string fileName = it->path().filename().string();
        const std::optional<BackupName> name = ParseBackupName(fileName);
        if (!name) continue;
        BackupEntry entry;
        entry.path = it->path().string();
        entry.fileName = fileName;
        entry.stamp = name->stamp;
        entry.sequence = name->sequence;
        entry.port = name->port;
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace

std::string BackupEntry::DateTime() const {
    if (stamp.size() != 15) return stamp;
    return stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " " +
           stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
}

std::optional<BackupName> ParseBackupName(const std::string& fileName) {
    constexpr std::size_t kStampSize = 15;  // YYYYMMDD-HHMMSS
    const std::string extension = ".dat";
    if (fileName.size() < kStampSize + 2 + extension.size() || !fileName.ends_with(extension) ||
        fileName[kStampSize] != '-')
        return std::nullopt;
    BackupName name;
    name.stamp = fileName.substr(0, kStampSize);
    if (!IsDigits(name.stamp.substr(0, 8)) || name.stamp[8] != '-' ||
        !IsDigits(name.stamp.substr(9)))
        return std::nullopt;
    std::string rest = fileName.substr(kStampSize + 1);
    rest.resize(rest.size() - extension.size());
    const std::size_t dot = rest.rfind('.');
    if (dot != std::string::npos) {
        const std::string number = rest.substr(dot + 1);
        if (!IsDigits(number) || number.size() > 4 || number[0] == '0') return std::nullopt;
        name.sequence = std::stoi(number);
        if (name.sequence < 2) return std::nullopt;
        rest.resize(dot);
    }
    if (!IsTag(rest)) return std::nullopt;
    name.port = rest;
    return name;
}

std::string BackupFileName(std::time_t when, const std::string& portTag, int sequence) {
    const std::tm local = LocalTime(when);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string name = std::string(stamp) + "-" + portTag;
    if (sequence > 1) name += "." + std::to_string(sequence);
    return name + ".dat";
}

std::string BackupPortTag(const std::string& portName) {
    const int number = ComPortNumber(portName);
    if (number >= 0) return "COM" + std::to_string(number);
    const std::string name = portName.substr(0, portName.find(':'));
    const std::size_t slash = name.find_last_of("/\\");
    std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
    // A bare number says little without its folder: /dev/pts/5.
    if (IsDigits(base) && slash != std::string::npos && slash > 0) {
        const std::string parent = name.substr(0, slash);
        const std::size_t parentSlash = parent.find_last_of("/\\");
        base = parent.substr(parentSlash == std::string::npos ? 0 : parentSlash + 1) + "_" + base;
    }
    for (char& c : base) {
        if (!IsTagChar(c)) c = '_';
    }
    return base.empty() ? "port" : base;
}

BackupStore::BackupStore(std::string folder, std::size_t kept)
    : folder_(WithSlash(std::move(folder))), kept_(kept) {}

BackupStore BackupStore::InUserDataDir(const std::string& userDataDir) {
    return BackupStore(userDataDir.empty() ? std::string() : WithSlash(userDataDir) + "backups/");
}

Result<std::string> BackupStore::Keep(const RadioImage& image, const std::string& portName,
                                      std::time_t when) const {
    if (folder_.empty()) return Status::Fail(backuptext::kNoDataFolder.en, kNoDataFolderId);
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) return Status::Fail("cannot make the folder " + folder_ + ": " + ec.message());
    const std::string tag = BackupPortTag(portName);
    std::string path;
    for (int sequence = 1; sequence < 10000; ++sequence) {
        path = folder_ + BackupFileName(when, tag, sequence);
        if (!fs::exists(fs::symlink_status(path, ec))) break;
    }
    const Status written =
        WriteFileAtomically(path, std::string(image.bytes.begin(), image.bytes.end()));
    if (!written) return written;
    Prune(path);
    return path;
}

void BackupStore::Prune(const std::string& keepPath) const {
    std::vector<BackupEntry> entries = Named(folder_);
    std::error_code ec;
    if (entries.size() > kept_) {
        std::sort(entries.begin(), entries.end(), Older);
        std::size_t excess = entries.size() - kept_;
        for (const BackupEntry& entry : entries) {
            if (excess == 0) break;
            if (entry.path == keepPath) continue;
            fs::remove(entry.path, ec);  // another process may have removed it first
            --excess;
        }
    }
    // What an interrupted atomic write of a backup left behind.
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string fileName = it->path().filename().string();
        if (fileName.empty() || fileName[0] != '.' || fileName.find(".tmp") == std::string::npos)
            continue;
        std::error_code timeError;
        const auto written = fs::last_write_time(it->path(), timeError);
        if (!timeError && now - written > kStaleTemporary) fs::remove(it->path(), timeError);
    }
}

std::vector<BackupEntry> BackupStore::List() const {
    std::vector<BackupEntry> entries =
        folder_.empty() ? std::vector<BackupEntry>() : Named(folder_);
    std::sort(entries.begin(), entries.end(),
              [](const BackupEntry& a, const BackupEntry& b) { return Older(b, a); });
    for (BackupEntry& entry : entries) {
        const Result<RadioImage> image = LoadDatFile(entry.path);
        if (!image) {
            entry.loaded = image.status();
            continue;
        }
        entry.productType = (*image)[addr::kProductType];
        entry.bandIndex = (*image)[addr::kBandIndex];
        ChannelTable table;
        ImageToGrid(*image, table, UiLanguage::English);
        entry.programmedChannels = table.ProgrammedCount();
    }
    return entries;
}

std::string BackupFailure(const Status& failure, UiLanguage lang) {
    if (failure.messageId() == kNoDataFolderId) return backuptext::kNoDataFolder.In(lang);
    return failure.detail();
}

}  // namespace qm530::link
