#pragma once

#include <map>
#include <string>

namespace qm530::config {

// The help topic map: one line per topic, "<context number> <page>#<anchor>".
// Blank lines and lines starting with '#' are ignored.
using HelpTopicMap = std::map<int, std::string>;
HelpTopicMap ParseHelpTopicMap(const std::string& text);

// The page (with anchor) of a context number; the index page for an
// unknown number.
constexpr const char* kHelpIndexPage = "index.html";
constexpr const char* kHelpTopicMapFile = "topics.map";
std::string HelpTarget(const HelpTopicMap& map, int contextNumber);

// "chHelp" for Chinese, else "enHelp": the help directory beside the program.
const char* HelpDirName(bool chinese);

}  // namespace qm530::config
