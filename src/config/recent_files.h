#pragma once

#include <string>
#include <vector>

namespace qm530::config {

class Registry;

// The .dat files last opened or saved, newest first, as the File menu lists
// them. They are kept in the per-user registry as texts RecentFile1 to
// RecentFile8.
constexpr int kRecentFileCount = 8;

std::vector<std::string> RecentFiles(const Registry& registry);
// Puts `path` (made absolute) first; a path already listed moves up, the
// ninth goes.
void AddRecentFile(Registry& registry, const std::string& path);
void RemoveRecentFile(Registry& registry, const std::string& path);

}  // namespace qm530::config
