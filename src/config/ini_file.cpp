// The INI store; see ini_file.h.
#include "config/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "config/exe_dir.h"
#include "config/read_fd.h"
#include "model/atomic_file.h"
#include "model/text.h"

namespace qm530::config {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsCommentStart(char c) {
    return c == ';' || c == '/' || c == '\\' || c == '*';
}

// Cuts `text` at the first occurrence of `marker`.
void CutAt(std::string& text, std::string_view marker) {
    const auto at = text.find(marker);
    if (at != std::string::npos) text.erase(at);
}

}  // namespace

CIniFile::CIniFile() = default;

CIniFile::~CIniFile() = default;

Status CIniFile::Open(const std::string& fileName, bool autoSave, bool noCase, bool backupOnSave) {
    return Load(ExeDir() + fileName, autoSave, noCase, backupOnSave);
}

Status CIniFile::Load(const std::string& fullPath, bool autoSave, bool noCase, bool backupOnSave) {
    Clear();
    autoSave_ = autoSave;
    noCase_ = noCase;
    backupOnSave_ = backupOnSave;

    // A FIFO does not block the open; it is refused below.
    const int fd = OpenCreatingForRead(fullPath);
    if (fd < 0) return Status::Fail(fullPath + ": " + std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Status::Fail(fullPath + ": not a regular file");
    }

    filePath_ = fullPath;
    sections_.push_back(Section{});
    const bool ok = ReadInto(fd);
    const int readError = errno;
    ::close(fd);
    loadIncomplete_ = !ok;
    if (!ok) return Status::Fail(fullPath + ": " + std::strerror(readError));
    return Status::Ok();
}

bool CIniFile::ReadInto(int fd) {
    std::string pending;
    bool firstLine = true;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;  // the unfinished last line is dropped
        }
        if (n == 0) break;
        pending.append(buffer, static_cast<std::size_t>(n));
        std::size_t start = 0;
        for (std::size_t nl = pending.find('\n'); nl != std::string::npos;
             nl = pending.find('\n', start)) {
            std::string_view line(pending.data() + start, nl - start);
            if (firstLine && line.starts_with(kUtf8Bom)) line.remove_prefix(kUtf8Bom.size());
            firstLine = false;
            ParseLine(line);
            start = nl + 1;
        }
        pending.erase(0, start);
    }
    if (!pending.empty()) {
        std::string_view line(pending);
        if (firstLine && line.starts_with(kUtf8Bom)) line.remove_prefix(kUtf8Bom.size());
        ParseLine(line);
    }
    return true;
}

void CIniFile::ParseLine(std::string_view rawLine) {
    const std::string_view line = TrimBlanks(rawLine);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        sections_.push_back(Section{std::string(line.substr(1, line.size() - 2)), {}});
        return;
    }
    const auto eq = line.find('=');
    const std::string_view key = TrimBlanks(line.substr(0, eq));
    const std::string_view value =
        eq == std::string_view::npos ? std::string_view{} : TrimBlanks(line.substr(eq + 1));
    if (key.empty() || IsCommentStart(key.front())) return;
    sections_.back().entries.push_back(Entry{std::string(key), std::string(value)});
}

bool CIniFile::Same(const std::string& a, const std::string& b) const {
    if (!noCase_) return a == b;
    if (a.size() != b.size()) return false;
    // Bytes of UTF-8 multibyte characters are never ASCII letters, so they
    // compare exactly and a character matches only as a whole.
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

const CIniFile::Section* CIniFile::FindSection(const std::string& name) const {
    for (const Section& s : sections_) {
        if (Same(s.name, name)) return &s;
    }
    return nullptr;
}

CIniFile::Section* CIniFile::FindSection(const std::string& name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

std::string CIniFile::GetValue(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return defaultValue;
    for (auto it = s->entries.rbegin(); it != s->entries.rend(); ++it) {
        if (!Same(it->key, key)) continue;
        std::string value = it->value;
        CutAt(value, "//");
        CutAt(value, "\t;");
        CutAt(value, "/*");
        return value;
    }
    return std::string(TrimBlanks(defaultValue));
}

std::string CIniFile::GetValue(const std::string& key) const {
    return GetValue("", key, "");
}

void CIniFile::SetValue(const std::string& section, const std::string& key,
                        const std::string& value) {
    if (filePath_.empty()) return;
    Section* s = FindSection(section);
    if (s == nullptr) {
        sections_.push_back(Section{section, {}});
        s = &sections_.back();
        modified_ = true;
    }
    for (auto it = s->entries.rbegin(); it != s->entries.rend(); ++it) {
        if (!Same(it->key, key)) continue;
        if (!Same(it->value, value)) modified_ = true;
        it->value = value;
        return;
    }
    s->entries.push_back(Entry{key, value});
    modified_ = true;
}

void CIniFile::SetValue(const std::string& key, const std::string& value) {
    SetValue("", key, value);
}

bool CIniFile::RemoveKey(const std::string& section, const std::string& key) {
    Section* s = FindSection(section);
    if (s == nullptr) return false;
    for (auto it = s->entries.rbegin(); it != s->entries.rend(); ++it) {
        if (!Same(it->key, key)) continue;
        s->entries.erase(std::next(it).base());
        modified_ = true;
        return true;
    }
    return false;
}

bool CIniFile::RemoveSection(const std::string& section) {
    Section* s = FindSection(section);
    if (s == nullptr) return false;
    if (s == &sections_.front()) {
        // The unnamed first section stays: only its entries go.
        s->entries.clear();
    } else {
        sections_.erase(sections_.begin() + (s - sections_.data()));
    }
    modified_ = true;
    return true;
}

std::vector<std::string> CIniFile::GetSectionNames() const {
    std::vector<std::string> names;
    for (const Section& s : sections_) {
        if (!s.name.empty()) names.push_back(s.name);
    }
    return names;
}

std::vector<std::string> CIniFile::GetKeyNames(const std::string& section) const {
    std::vector<std::string> keys;
    const Section* s = FindSection(section);
    if (s == nullptr) return keys;
    for (const Entry& e : s->entries) keys.push_back(e.key);
    return keys;
}

std::string CIniFile::GetListItem(const std::string& section, const std::string& key, int index,
                                  char separator) const {
    const std::string value(TrimBlanks(GetValue(section, key, "")));
    if (value.empty() || index < 0) return {};
    const std::vector<std::string> items = SplitList(value, separator);
    if (static_cast<std::size_t>(index) >= items.size()) return {};
    return std::string(TrimBlanks(items[static_cast<std::size_t>(index)]));
}

std::vector<std::string> CIniFile::SplitList(const std::string& text, char separator) {
    std::vector<std::string> items;
    if (text.empty() || text == "(null)") return items;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        if (at == std::string::npos) {
            items.push_back(text.substr(start));
            return items;
        }
        items.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string CIniFile::Serialise() const {
    std::string out;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const Section& s = sections_[i];
        // A later section with the empty name keeps its "[]" header, or its
        // entries would join the section before it when read back.
        if (i > 0) out += "[" + s.name + "]\n";
        for (const Entry& e : s.entries) {
            out += e.key;
            if (!e.key.empty()) out += '=';
            out += e.value;
            out += '\n';
        }
    }
    return out;
}

std::string CIniFile::ChooseBackupName() const {
    namespace fs = std::filesystem;
    const auto slash = filePath_.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : filePath_.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? filePath_ : filePath_.substr(slash + 1);
    const auto dot = base.find_last_of('.');
    const std::string stem = dot == std::string::npos ? base : base.substr(0, dot);

    int highest = 0;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(stem) || name.size() < 3) continue;
        const std::string_view tail = std::string_view(name).substr(name.size() - 3);
        int number = 0;
        for (char c : tail) {
            if (c < '0' || c > '9') {
                number = 0;
                break;
            }
            number = number * 10 + (c - '0');
        }
        if (number > highest) highest = number;
    }
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%.3d", highest + 1);
    return filePath_ + suffix;
}

Result<std::string> CIniFile::Save(bool backup) {
    if (!modified_ || filePath_.empty()) return std::string();
    if (loadIncomplete_) {
        return Status::Fail(filePath_ + ": not written back, as it could not be read to its end");
    }
    const std::string target = WriteTargetOf(filePath_);

    // A backup that was asked for but cannot be made stops the write-back;
    // a file that has vanished meanwhile has nothing to back up.
    bool backedUp = false;
    std::error_code ec;
    if (backup && std::filesystem::exists(target, ec)) {
        if (backupName_.empty()) backupName_ = ChooseBackupName();
        const Result<std::string> old = ReadWholeFile(target);
        if (!old) return old.status();
        if (const Status copied = WriteFileAtomically(backupName_, *old); !copied) return copied;
        backedUp = true;
    }

    const std::string data = Serialise();
    const std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (!folder.empty() && !std::filesystem::exists(folder, ec))
        std::filesystem::create_directories(folder, ec);
    if (const Status replaced = WriteFileAtomically(target, data); !replaced) {
        // A folder we may not write: the file itself may still be writable.
        if (!RewriteFileInPlace(target, data)) return replaced;
    }
    return backedUp ? backupName_ : std::string();
}

void CIniFile::MoveTo(const std::string& path) {
    if (filePath_.empty()) return;
    filePath_ = path;
    backupName_.clear();
}

void CIniFile::Clear() {
    sections_.clear();
    filePath_.clear();
    backupName_.clear();
    modified_ = false;
    loadIncomplete_ = false;
}

}  // namespace qm530::config
