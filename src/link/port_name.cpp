#include "link/port_name.h"

#include <algorithm>
#include <cctype>

#include "app/ini_file.h"
#include "model/numbers.h"

namespace qm530::link {

std::string ResolvePortName(const std::string& name, const CIniFile* ini) {
    const bool comName = name.size() > 3 &&
                         std::equal(name.begin(), name.begin() + 3, "com",
                                    [](char a, char b) {
                                        return std::tolower(static_cast<unsigned char>(a)) == b;
                                    }) &&
                         std::all_of(name.begin() + 3, name.end(),
                                     [](char c) { return c >= '0' && c <= '9'; });
    if (!comName) return name;
    const int n = CAtoi(name.substr(3));
    if (n < 1) return {};
    const std::string key = "COM" + std::to_string(n);
    if (ini != nullptr) {
        const std::string mapped = ini->GetValue("Ports", key, "");
        if (!mapped.empty()) return mapped;
    }
    return "/dev/ttyUSB" + std::to_string(n - 1);
}

}  // namespace qm530::link
