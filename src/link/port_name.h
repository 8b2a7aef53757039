#pragma once

#include <string>

namespace qm530 {
class CIniFile;
}

namespace qm530::link {

// The device path of a port name. "com" followed by a number n (any letter
// case) is looked up as key COMn of section Ports of the settings; without
// an entry it is /dev/ttyUSB<n-1>. "com0" names no device and gives an
// empty path. Any other name is a device path as it stands.
std::string ResolvePortName(const std::string& name, const CIniFile* ini);

}  // namespace qm530::link
