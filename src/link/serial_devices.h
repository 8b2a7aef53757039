#pragma once

#include <string>
#include <vector>

namespace qm530::config {
class CIniFile;
}  // namespace qm530::config

namespace qm530::link {

// A serial device present on this computer, as /dev and sysfs (POSIX) or
// the device manager (Windows) describe it.
struct SerialDevice {
    std::string path;                // "/dev/ttyUSB0"
    std::vector<std::string> byId;   // "/dev/serial/by-id/usb-..." links to it
    std::string vendorId;            // "0403" (USB only)
    std::string productId;           // "6001"
    std::string manufacturer;        // "FTDI"
    std::string product;             // "FT232R USB UART"
    std::string serial;              // "A50285BI"
    std::string driver;              // "ftdi_sio"
    std::vector<std::string> ports;  // "COM1", ... that name it
    bool accessible = false;         // this user may read and write it
    std::string group;               // the device's group, to join when not accessible
    // Why the device does not work, with what to do; empty when it works.
    std::string problem;

    bool IsUsb() const { return !vendorId.empty(); }
};

// The number of COMn names the tool maps (COM1 to COM4, as COM Setup offers).
constexpr int kComPortCount = 4;

// POSIX: the serial devices under `root` ("" or "/" for this computer; tests give a
// fake tree with dev/ and sys/class/tty/): /dev/ttyUSB*, /dev/ttyACM* and the
// /dev/ttyS* that stand for real hardware (sysfs gives them a known UART
// type), sorted by kind and number, with the USB names and serial number of
// their interface and the /dev/serial/by-id links. `ports` lists the COMn
// names that ResolvePortName maps to each with `ini` (which may be null).
// Windows: the present devices of the Ports class (`root` is not used).
std::vector<SerialDevice> ListSerialDevices(const std::string& root, const config::CIniFile* ini);

// The COMn names that map to no listed device, with the path each names.
struct UnlistedPort {
    std::string port;
    std::string device;
};
std::vector<UnlistedPort> UnlistedPorts(const std::vector<SerialDevice>& devices,
                                        const config::CIniFile* ini);

// The index in `devices` (listed under `root`) of the device that `path`
// names, directly or through a link such as a /dev/serial/by-id name; -1
// when it names none of them.
int FindSerialDevice(const std::vector<SerialDevice>& devices, const std::string& root,
                     const std::string& path);

// How a newly plugged USB cable shows up on this system, to end "a USB
// cable shows up as ..." ("/dev/ttyUSB0 or /dev/ttyACM0"; on Windows a new
// COM port in the Device Manager).
std::string NewCableAppearance();
// A device path such as a port may name on this system.
std::string ExampleDevicePath();

}  // namespace qm530::link
