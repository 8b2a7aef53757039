#pragma once

#include <string>

#include "config/ini_file.h"
#include "link/port_name.h"

namespace qm530::link {

// The device the desktop program opens for a port name: ResolvePortName
// with the program's settings, so that a name opens the same device here
// as in the command-line tool.
inline std::string PortDevice(const std::string& portName, const config::CIniFile& ini) {
    return ResolvePortName(portName, &ini);
}

}  // namespace qm530::link
