#include "model/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qm530 {

namespace {

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

std::string WriteTargetOf(const std::string& path) {
    std::error_code ec;
    const auto resolved = std::filesystem::canonical(PathOf(path), ec);
    if (ec) return path;
    const std::u8string text = resolved.u8string();
    return std::string(text.begin(), text.end());
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
