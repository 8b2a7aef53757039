#include "config/program_version.h"

#include <string_view>

namespace qm530::config {

const char* ProgramVersion() {
    return QM530_VERSION;
}

std::string WithProgramVersion(std::string text) {
    constexpr std::string_view kMarker = "{version}";
    const std::string_view version = ProgramVersion();
    for (auto at = text.find(kMarker); at != std::string::npos;
         at = text.find(kMarker, at + version.size()))
        text.replace(at, kMarker.size(), version);
    return text;
}

}  // namespace qm530::config
