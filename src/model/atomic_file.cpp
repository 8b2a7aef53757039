#include "model/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace qm530 {

namespace {

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// As many characters as mkstemp puts after its template's prefix.
constexpr std::size_t kTemporarySuffix = 6;

}  // namespace

std::string WriteTargetOf(const std::string& path) {
    std::error_code ec;
    const auto resolved = std::filesystem::canonical(PathOf(path), ec);
    if (ec) return path;
    const std::u8string text = resolved.u8string();
    return std::string(text.begin(), text.end());
}

std::string TemporaryPrefix(const std::string& baseName) {
    return "." + baseName + ".tmp";
}

std::string RandomTemporarySuffix() {
    static constexpr char kChars[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::string suffix;
    for (std::size_t i = 0; i < kTemporarySuffix; ++i)
        suffix += kChars[random() % (sizeof kChars - 1)];
    return suffix;
}

bool IsTemporaryName(const std::string& name, const std::string& prefix) {
    return name.size() == prefix.size() + kTemporarySuffix &&
           name.compare(0, prefix.size(), prefix) == 0;
}

Result<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in) return Status::Fail(path + ": cannot open the file for reading");
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return Status::Fail(path + ": read error");
    return buffer.str();
}

}  // namespace qm530
