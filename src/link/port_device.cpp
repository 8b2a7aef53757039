#include "link/port_device.h"

#include <cctype>
#include <cstdlib>

#include "link/port_name.h"

namespace qm530::link {

namespace {

// The number n of a "com<n>" name, or -1.
int ComNumber(const std::string& name) {
    if (name.size() < 4 || name.size() > 6) return -1;
    for (int i = 0; i < 3; ++i) {
        if (std::tolower(static_cast<unsigned char>(name[static_cast<std::size_t>(i)])) != "com"[i]) return -1;
    }
    int n = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return -1;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

}  // namespace

std::string PortDevice(const std::string& portName, const CIniFile& ini) {
    const int n = ComNumber(portName);
    if (n >= 1) {
        const std::string variable = "QM530_COM" + std::to_string(n);
        const char* value = std::getenv(variable.c_str());
        if (value != nullptr && *value != '\0') return value;
    }
    return ResolvePortName(portName, &ini);
}

std::string PortNameOfNumber(int number) { return "com" + std::to_string(number); }

}  // namespace qm530::link
