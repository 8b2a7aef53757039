#include "config/help_topics.h"

#include <sstream>

namespace qm530::config {

HelpTopicMap ParseHelpTopicMap(const std::string& text) {
    HelpTopicMap map;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string number;
        std::string target;
        if (!(fields >> number >> target) || number[0] == '#') continue;
        bool digits = true;
        for (char c : number) digits = digits && c >= '0' && c <= '9';
        if (!digits || number.size() > 9) continue;
        map[std::stoi(number)] = target;
    }
    return map;
}

std::string HelpTarget(const HelpTopicMap& map, int contextNumber) {
    const auto it = map.find(contextNumber);
    return it == map.end() ? kHelpIndexPage : it->second;
}

const char* HelpDirName(bool chinese) {
    return chinese ? "chHelp" : "enHelp";
}

}  // namespace qm530::config
