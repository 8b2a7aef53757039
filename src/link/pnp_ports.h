#pragma once

#include <string>
#include <vector>

#include "link/serial_devices.h"

namespace qm530::config {
class CIniFile;
}  // namespace qm530::config

namespace qm530::link {

// What Windows' device manager (SetupAPI) tells of one device of the Ports
// class: how the Windows device list and its tests describe a serial port.
struct PnpPort {
    std::string hardwareId;    // "USB\VID_1A86&PID_7523&REV_0264"
    std::string friendlyName;  // "USB-SERIAL CH340 (COM3)"
    std::string manufacturer;  // "wch.cn"
    std::string portName;      // "COM3"; may be empty when the driver failed
    std::string service;       // the driver's service name
    unsigned problem = 0;      // the device's problem code, 0 when it works
};

// Device problem codes that the tool explains.
constexpr unsigned kProblemNotConfigured = 1;
constexpr unsigned kProblemFailedStart = 10;  // how a refused counterfeit chip shows
constexpr unsigned kProblemDisabled = 22;
constexpr unsigned kProblemNoDriver = 28;

// The serial devices of these records, in COM number order (those without
// a port name last): the port name as path, the friendly name without its
// "(COMn)" as product, the USB vendor and product from the hardware id,
// the COM1-COM4 names that map to it with `ini` (which may be null), and
// for a device that does not work the reason with what to do.
std::vector<SerialDevice> SerialDevicesOfPnp(const std::vector<PnpPort>& records,
                                             const config::CIniFile* ini);

// What to tell the user of a device with `problem` (0: nothing).
std::string ProblemHint(unsigned problem, bool usb);

}  // namespace qm530::link
