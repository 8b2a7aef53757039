#pragma once

#include <string>

namespace qm530 {
class CIniFile;
}

namespace qm530::link {

// The number n of a port name "com<n>" (any letter case, one to three
// digits), or -1 for any other name.
int ComPortNumber(const std::string& name);

// The device path of a port name, the same for the desktop program and the
// command-line tool. For "com<n>":
//   1. the environment variable QM530_COM<n>, when set and not empty, so
//      that a launcher or a test can attach a device (a virtual radio, say)
//      without touching Program.ini;
//   2. key COM<n> of section Ports of the settings (`ini` may be null);
//   3. /dev/ttyUSB<n-1>.
// "com0" names no device and gives an empty path. Any other name is a
// device path as it stands.
std::string ResolvePortName(const std::string& name, const CIniFile* ini);

// "com1" ... "com4": the name of a port number as the COM Setup dialog
// gives it to the view.
std::string PortNameOfNumber(int number);

}  // namespace qm530::link
