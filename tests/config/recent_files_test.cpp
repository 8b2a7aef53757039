#include "config/recent_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "config/registry.h"

namespace qm530::config {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostEight) {
    MemoryRegistry registry;
    EXPECT_TRUE(RecentFiles(registry).empty());
    for (int n = 1; n <= 9; ++n) AddRecentFile(registry, "/r/" + std::to_string(n) + ".dat");
    Paths expected;
    for (int n = 9; n >= 2; --n) expected.push_back("/r/" + std::to_string(n) + ".dat");
    EXPECT_EQ(RecentFiles(registry), expected);
    EXPECT_EQ(registry.ReadText("RecentFile1", ""), "/r/9.dat");
    EXPECT_EQ(registry.ReadText("RecentFile8", ""), "/r/2.dat");

    // Opened again: to the top, not twice; the same file spelled otherwise too.
    AddRecentFile(registry, "/r/./x/../5.dat");
    EXPECT_EQ(RecentFiles(registry)[0], "/r/5.dat");
    EXPECT_EQ(RecentFiles(registry)[1], "/r/9.dat");
    EXPECT_EQ(RecentFiles(registry).size(), 8u);

    RemoveRecentFile(registry, "/r/9.dat");
    const Paths left = RecentFiles(registry);
    EXPECT_EQ(left.size(), 7u);
    EXPECT_EQ(left[1], "/r/8.dat");
    EXPECT_FALSE(registry.Has("RecentFile8"));
}

TEST(RecentFiles, ARelativePathIsKeptAsAnAbsoluteOne) {
    MemoryRegistry registry;
    AddRecentFile(registry, "radio.dat");
    EXPECT_EQ(RecentFiles(registry),
              Paths{(std::filesystem::current_path() / "radio.dat").string()});
    // Gaps and repeats in the registry (edited by hand) are skipped.
    registry.WriteText("RecentFile3", "/r/a.dat");
    registry.WriteText("RecentFile5", "/r/a.dat");
    EXPECT_EQ(RecentFiles(registry).size(), 2u);
}

}  // namespace
}  // namespace qm530::config
