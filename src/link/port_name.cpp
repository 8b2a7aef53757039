#include "link/port_name.h"

#include <cctype>
#include <cstdlib>

#include "app/core/ini_file.h"

namespace qm530::link {

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

std::string ResolvePortName(const std::string& name, const CIniFile* ini) {
    const int n = ComPortNumber(name);
    if (n < 0) return name;
    if (n == 0) return {};
    const std::string key = "COM" + std::to_string(n);
    const char* variable = std::getenv(("QM530_" + key).c_str());
    if (variable != nullptr && *variable != '\0') return variable;
    if (ini != nullptr) {
        const std::string mapped = ini->GetValue("Ports", key, "");
        if (!mapped.empty()) return mapped;
    }
    return "/dev/ttyUSB" + std::to_string(n - 1);
}

std::string PortNameOfNumber(int number) {
    return "com" + std::to_string(number);
}

}  // namespace qm530::link
