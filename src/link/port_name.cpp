#include "link/port_name.h"

#include <cctype>
#include <cstdlib>

#include "config/ini_file.h"

namespace qm530::link {

namespace {

constexpr const char* kPortsSection = "Ports";

std::string KeyOf(int number) {
    return "COM" + std::to_string(number);
}

}  // namespace

int ComPortNumber(const std::string& name) {
    if (name.size() < 4 || name.size() > 6) return -1;
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::tolower(static_cast<unsigned char>(name[i])) != "com"[i]) return -1;
    }
    int n = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return -1;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

PortMapping ResolvePort(const std::string& name, const config::CIniFile* ini) {
    const int n = ComPortNumber(name);
    if (n < 0) return {name, PortSource::kPath};
    if (n == 0) return {{}, PortSource::kNone};
    const char* variable = std::getenv(PortVariableName(n).c_str());
    if (variable != nullptr && *variable != '\0') return {variable, PortSource::kEnvironment};
    if (ini != nullptr) {
        std::string mapped = ini->GetValue(kPortsSection, KeyOf(n), "");
        if (!mapped.empty()) return {std::move(mapped), PortSource::kSettings};
    }
    return {DefaultPortDevice(n), PortSource::kDefault};
}

std::string ResolvePortName(const std::string& name, const config::CIniFile* ini) {
    return ResolvePort(name, ini).device;
}

std::string PortVariableName(int number) {
    return "QM530_" + KeyOf(number);
}

void SetPortDevice(config::CIniFile& ini, int number, const std::string& device) {
    if (device.empty()) {
        ini.RemoveKey(kPortsSection, KeyOf(number));
    } else {
        ini.SetValue(kPortsSection, KeyOf(number), device);
    }
}

bool IsVirtualRadioName(const std::string& device) {
    const std::string name = kVirtualRadioName;
    return device == name || device.rfind(name + ":", 0) == 0;
}

std::string VirtualRadioFile(const std::string& device) {
    if (!IsVirtualRadioName(device) || device.size() <= std::string(kVirtualRadioName).size())
        return {};
    return device.substr(std::string(kVirtualRadioName).size() + 1);
}

std::string PortNameOfNumber(int number) {
    return "com" + std::to_string(number);
}

}  // namespace qm530::link
