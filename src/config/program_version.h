#pragma once

#include <string>

namespace qm530::config {

// The program's version, the project version of the build ("0.1.0").
const char* ProgramVersion();

// `text` with every "{version}" replaced by ProgramVersion(): the About box
// line of Program.ini names the version this way, so that a copy of the
// file kept from an older release still shows the running version.
std::string WithProgramVersion(std::string text);

}  // namespace qm530::config
