#pragma once

#include <string>

namespace qm530::config {
class CIniFile;
}  // namespace qm530::config

namespace qm530::link {

// The number n of a port name "com<n>" (any letter case, one to three
// digits), or -1 for any other name.
int ComPortNumber(const std::string& name);

// Where the device of a port name comes from.
enum class PortSource {
    kPath,         // the name is a device path itself
    kNone,         // "com0": no device
    kEnvironment,  // the environment variable QM530_COM<n>
    kSettings,     // key COM<n> of section Ports of Program.ini
    kDefault,      // the platform's own: /dev/ttyUSB<n-1>, or COM<n> on Windows
};

struct PortMapping {
    std::string device;
    PortSource source = PortSource::kPath;
};

// The device path of a port name, the same for the desktop program and the
// command-line tool. For "com<n>":
//   1. the environment variable QM530_COM<n>, when set and not empty, so
//      that a launcher or a test can attach a device (a virtual radio, say)
//      without touching Program.ini;
//   2. key COM<n> of section Ports of the settings (`ini` may be null). The
//      settings are the Program.ini the program reads: the user's own copy
//      in the configuration folder when there is one, else the program
//      folder's (see ProgramIniPlace), so a choice made in COM Setup, which
//      goes there, comes before what the program folder's copy says;
//   3. DefaultPortDevice(n).
// "com0" names no device and gives an empty path. Any other name is a
// device path as it stands.
PortMapping ResolvePort(const std::string& name, const config::CIniFile* ini);
std::string ResolvePortName(const std::string& name, const config::CIniFile* ini);

// "QM530_COM<n>".
std::string PortVariableName(int number);
// The device of COM<n> when nothing else names one: "/dev/ttyUSB<n-1>" on
// POSIX, the real "COM<n>" on Windows.
std::string DefaultPortDevice(int number);
// Points COM<n> at `device` in section Ports of `ini`; an empty device
// removes the key, so that the port goes back to its default.
void SetPortDevice(config::CIniFile& ini, int number, const std::string& device);

// The virtual radio that runs inside the program, on every platform:
// "virtual" keeps its memory while the program runs; "virtual:FILE" loads
// it from FILE (a new radio's defaults when FILE does not exist) and saves
// it there after every completed write.
constexpr const char* kVirtualRadioName = "virtual";
bool IsVirtualRadioName(const std::string& device);
// FILE of "virtual:FILE"; empty for "virtual".
std::string VirtualRadioFile(const std::string& device);

// "com1" ... "com4": the name of a port number as the COM Setup dialog
// gives it to the view.
std::string PortNameOfNumber(int number);

}  // namespace qm530::link
