#pragma once

#include <string>

namespace qm530::config {

// The directory of the running program file, ending with '/'.
std::string ExeDir();

}  // namespace qm530::config
