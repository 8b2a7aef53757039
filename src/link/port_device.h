#pragma once

#include <string>

namespace qm530 {
class CIniFile;
}

namespace qm530::link {

// The device the desktop program opens for a port name. For "com<n>" (any
// letter case) the environment variable QM530_COM<n> comes first, so that a
// launcher can attach a device (a virtual radio, say) without touching
// Program.ini; then section Ports of Program.ini and the default, as
// ResolvePortName has them.
std::string PortDevice(const std::string& portName, const CIniFile& ini);

// "com1" ... "com4": the name of a port number as the COM Setup dialog
// gives it to the view.
std::string PortNameOfNumber(int number);

}  // namespace qm530::link
