#include "config/recent_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "config/registry.h"

namespace qm530::config {

namespace {

std::string ValueName(int n) {
    return "RecentFile" + std::to_string(n);
}

void Store(Registry& registry, const std::vector<std::string>& paths) {
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        registry.WriteText(ValueName(n), i < paths.size() ? paths[i] : std::string());
    }
}

std::string Absolute(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

}  // namespace

std::vector<std::string> RecentFiles(const Registry& registry) {
    std::vector<std::string> paths;
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const std::string path = registry.ReadText(ValueName(n), "");
        if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end())
            paths.push_back(path);
    }
    return paths;
}

void AddRecentFile(Registry& registry, const std::string& path) {
    const std::string absolute = Absolute(path);
    std::vector<std::string> paths = RecentFiles(registry);
    paths.erase(std::remove(paths.begin(), paths.end(), absolute), paths.end());
    paths.insert(paths.begin(), absolute);
    if (paths.size() > static_cast<std::size_t>(kRecentFileCount))
        paths.resize(static_cast<std::size_t>(kRecentFileCount));
    Store(registry, paths);
}

void RemoveRecentFile(Registry& registry, const std::string& path) {
    std::vector<std::string> paths = RecentFiles(registry);
    paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
    Store(registry, paths);
}

}  // namespace qm530::config
