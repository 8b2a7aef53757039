#include <algorithm>

#include "link/port_name.h"
#include "link/serial_devices.h"

namespace qm530::link {

std::vector<UnlistedPort> UnlistedPorts(const std::vector<SerialDevice>& devices,
                                        const config::CIniFile* ini) {
    std::vector<UnlistedPort> unlisted;
    for (int n = 1; n <= kComPortCount; ++n) {
        const std::string name = "COM" + std::to_string(n);
        const bool listed = std::any_of(devices.begin(), devices.end(), [&](const SerialDevice& d) {
            return std::find(d.ports.begin(), d.ports.end(), name) != d.ports.end();
        });
        if (!listed) unlisted.push_back({name, ResolvePortName(name, ini)});
    }
    return unlisted;
}

}  // namespace qm530::link
