// The serial devices of a Windows computer, from the device manager.
#include <windows.h>
// clang-format off
#include <cfgmgr32.h>
#include <devguid.h>
#include <setupapi.h>
// clang-format on

#include <cctype>

#include "link/pnp_ports.h"
#include "link/port_name.h"
#include "link/serial_devices.h"
#include "model/win_text.h"

namespace qm530::link {

namespace {

// A string property of the device (the first string of a list).
std::string Property(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    wchar_t buffer[512] = {};
    if (!::SetupDiGetDeviceRegistryPropertyW(set, &device, property, nullptr,
                                             reinterpret_cast<BYTE*>(buffer), sizeof buffer - 2,
                                             nullptr))
        return {};
    return Utf8OfWide(buffer);
}

// "PortName" of the device's own registry key: the COM name it has.
std::string PortNameOf(HDEVINFO set, SP_DEVINFO_DATA& device) {
    HKEY key = ::SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) return {};
    wchar_t buffer[64] = {};
    DWORD size = sizeof buffer - 2;
    DWORD type = 0;
    std::string name;
    if (::RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                           &size) == ERROR_SUCCESS &&
        type == REG_SZ)
        name = Utf8OfWide(buffer);
    ::RegCloseKey(key);
    // Only COM ports: the Ports class also holds printer ports (LPT1).
    return ComPortNumber(name) > 0 ? name : std::string();
}

std::vector<PnpPort> PresentPorts() {
    std::vector<PnpPort> records;
    HDEVINFO set = ::SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) return records;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; ::SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        PnpPort r;
        r.hardwareId = Property(set, device, SPDRP_HARDWAREID);
        r.friendlyName = Property(set, device, SPDRP_FRIENDLYNAME);
        if (r.friendlyName.empty()) r.friendlyName = Property(set, device, SPDRP_DEVICEDESC);
        r.manufacturer = Property(set, device, SPDRP_MFG);
        r.service = Property(set, device, SPDRP_SERVICE);
        r.portName = PortNameOf(set, device);
        ULONG status = 0;
        ULONG problem = 0;
        if (::CM_Get_DevNode_Status(&status, &problem, device.DevInst, 0) == CR_SUCCESS &&
            (status & DN_HAS_PROBLEM) != 0)
            r.problem = problem;
        const bool printerPort = r.portName.empty() && r.problem == 0;
        if (!printerPort) records.push_back(std::move(r));
    }
    ::SetupDiDestroyDeviceInfoList(set);
    return records;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// "\\.\COM3", "com3" and "COM3" are one port.
std::string PortKey(const std::string& device) {
    const int n = ComPortNumber(device.rfind("\\\\.\\", 0) == 0 ? device.substr(4) : device);
    return n > 0 ? "COM" + std::to_string(n) : Upper(device);
}

}  // namespace

std::string DefaultPortDevice(int number) {
    return "COM" + std::to_string(number);
}

std::vector<SerialDevice> ListSerialDevices(const std::string&, const config::CIniFile* ini) {
    return SerialDevicesOfPnp(PresentPorts(), ini);
}

int FindSerialDevice(const std::vector<SerialDevice>& devices, const std::string&,
                     const std::string& path) {
    if (path.empty()) return -1;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        if (!devices[i].path.empty() && PortKey(devices[i].path) == PortKey(path))
            return static_cast<int>(i);
    }
    return -1;
}

std::string NewCableAppearance() {
    return "a new COM port (see the Ports list of the Device Manager)";
}

std::string ExampleDevicePath() {
    return "\\\\.\\COM10";
}

}  // namespace qm530::link
