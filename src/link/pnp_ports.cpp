#include "link/pnp_ports.h"

#include <algorithm>
#include <cctype>

#include "link/port_name.h"

namespace qm530::link {

namespace {

// The four hex digits after "VID_" or "PID_" (any case), or "".
std::string IdAfter(const std::string& hardwareId, const std::string& key) {
    std::string upper = hardwareId;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::size_t at = upper.find(key);
    if (at == std::string::npos || at + key.size() + 4 > upper.size()) return {};
    std::string id = upper.substr(at + key.size(), 4);
    if (!std::all_of(id.begin(), id.end(), [](char c) { return std::isxdigit(c) != 0; })) return {};
    for (char& c : id) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return id;
}

// "USB-SERIAL CH340 (COM3)" without " (COM3)".
std::string WithoutPortName(const std::string& friendlyName, const std::string& portName) {
    const std::string suffix = " (" + portName + ")";
    if (!portName.empty() && friendlyName.size() > suffix.size() &&
        friendlyName.compare(friendlyName.size() - suffix.size(), suffix.size(), suffix) == 0)
        return friendlyName.substr(0, friendlyName.size() - suffix.size());
    return friendlyName;
}

bool SamePort(const std::string& a, const std::string& b) {
    const int n = ComPortNumber(a);
    return n > 0 && n == ComPortNumber(b);
}

}  // namespace

std::string ProblemHint(unsigned problem, bool usb) {
    switch (problem) {
        case 0:
            return {};
        case kProblemFailedStart:
            return std::string("its driver did not start (device problem code 10)") +
                   (usb ? ": drivers refuse USB-serial adapters with counterfeit chips this way. "
                          "Install the driver that came with the cable, or use a cable with a "
                          "genuine chip"
                        : ": unplug the device and plug it in again, or reinstall its driver");
        case kProblemNoDriver:
            return "no driver is installed for it (device problem code 28): install the "
                   "cable's driver";
        case kProblemDisabled:
            return "it is disabled in the Device Manager (device problem code 22): enable it";
        case kProblemNotConfigured:
            return "it is not configured (device problem code 1): reinstall its driver";
        default:
            return "Windows reports device problem code " + std::to_string(problem) +
                   ": see the device in the Device Manager";
    }
}

std::vector<SerialDevice> SerialDevicesOfPnp(const std::vector<PnpPort>& records,
                                             const config::CIniFile* ini) {
    std::vector<SerialDevice> devices;
    for (const PnpPort& r : records) {
        SerialDevice d;
        d.path = r.portName;
        d.vendorId = IdAfter(r.hardwareId, "VID_");
        d.productId = d.vendorId.empty() ? std::string() : IdAfter(r.hardwareId, "PID_");
        if (d.productId.empty()) d.vendorId.clear();
        d.manufacturer = r.manufacturer;
        d.product = WithoutPortName(r.friendlyName, r.portName);
        d.driver = r.service;
        d.accessible = true;
        d.problem = ProblemHint(r.problem, d.IsUsb());
        if (!d.path.empty()) {
            for (int n = 1; n <= kComPortCount; ++n) {
                // Where nothing points it elsewhere, COMn is the port of that name.
                const std::string name = "COM" + std::to_string(n);
                const PortMapping mapping = ResolvePort(name, ini);
                const bool own = mapping.source == PortSource::kDefault;
                if (SamePort(own ? name : mapping.device, d.path)) d.ports.push_back(name);
            }
        }
        devices.push_back(std::move(d));
    }
    std::stable_sort(devices.begin(), devices.end(),
                     [](const SerialDevice& a, const SerialDevice& b) {
                         const int na = ComPortNumber(a.path);
                         const int nb = ComPortNumber(b.path);
                         return (na > 0 ? na : 1 << 20) < (nb > 0 ? nb : 1 << 20);
                     });
    return devices;
}

}  // namespace qm530::link
