#include "link/serial_devices.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "link/port_name.h"

namespace qm530::link {

namespace fs = std::filesystem;

namespace {

std::string Prefix(const std::string& root) {
    if (root.empty() || root == "/") return {};
    return root.back() == '/' ? root.substr(0, root.size() - 1) : root;
}

// The first line of a sysfs attribute, empty when it is missing.
std::string Attribute(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == ' ' || line.back() == '\r'))
        line.pop_back();
    return line;
}

// "ttyUSB", "ttyACM", "ttyS" with the number that follows, or an empty kind.
bool SplitName(const std::string& name, std::string& kind, int& number) {
    for (const char* k : {"ttyUSB", "ttyACM", "ttyS"}) {
        const std::string prefix = k;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string digits = name.substr(prefix.size());
        if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        kind = prefix;
        number = std::stoi(digits);
        return true;
    }
    return false;
}

int KindOrder(const std::string& kind) {
    return kind == "ttyUSB" ? 0 : kind == "ttyACM" ? 1 : 2;
}

std::string GroupName(gid_t gid) {
    std::vector<char> buffer(4096);
    group g{};
    group* found = nullptr;
    if (::getgrgid_r(gid, &g, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
        return found->gr_name;
    return std::to_string(gid);
}

// The USB device above a tty's sysfs node: the first parent holding idVendor.
void ReadUsb(const fs::path& sysTty, const fs::path& sysRoot, SerialDevice& d) {
    std::error_code ec;
    fs::path node = fs::canonical(sysTty / "device", ec);
    if (ec) return;
    const fs::path driver = fs::canonical(sysTty / "device" / "driver", ec);
    if (!ec) d.driver = driver.filename().string();
    const fs::path stop = fs::canonical(sysRoot, ec);
    for (; !node.empty() && node != node.root_path() && node != stop; node = node.parent_path()) {
        if (!fs::exists(node / "idVendor")) continue;
        d.vendorId = Attribute(node / "idVendor");
        d.productId = Attribute(node / "idProduct");
        d.manufacturer = Attribute(node / "manufacturer");
        d.product = Attribute(node / "product");
        d.serial = Attribute(node / "serial");
        return;
    }
}

// Whether the tty stands for hardware: USB and ACM devices always do; a
// ttyS only with a UART the kernel found (type not 0, "unknown").
bool IsHardware(const std::string& kind, const fs::path& sysTty) {
    if (!fs::exists(sysTty / "device")) return false;
    if (kind != "ttyS") return true;
    const std::string type = Attribute(sysTty / "type");
    return !type.empty() && type != "0";
}

// The device a path names, as a canonical path inside the tree.
std::string Canonical(const std::string& prefix, const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::canonical(prefix + path, ec);
    return ec ? std::string() : p.string();
}

}  // namespace

std::string DefaultPortDevice(int number) {
    return "/dev/ttyUSB" + std::to_string(number - 1);
}

std::vector<SerialDevice> ListSerialDevices(const std::string& root, const config::CIniFile* ini) {
    const std::string prefix = Prefix(root);
    const fs::path sysTty = prefix + "/sys/class/tty";
    struct Found {
        std::string kind;
        int number;
        SerialDevice device;
    };
    std::vector<Found> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sysTty, ec)) {
        const std::string name = entry.path().filename().string();
        std::string kind;
        int number = 0;
        if (!SplitName(name, kind, number) || !IsHardware(kind, entry.path())) continue;
        const std::string devPath = prefix + "/dev/" + name;
        struct stat st {};
        if (::stat(devPath.c_str(), &st) != 0) continue;
        SerialDevice d;
        d.path = "/dev/" + name;
        d.accessible = ::access(devPath.c_str(), R_OK | W_OK) == 0;
        d.group = GroupName(st.st_gid);
        ReadUsb(entry.path(), prefix + "/sys", d);
        found.push_back({kind, number, d});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.kind != b.kind) return KindOrder(a.kind) < KindOrder(b.kind);
        return a.number < b.number;
    });
    std::vector<SerialDevice> devices;
    for (auto& f : found) devices.push_back(std::move(f.device));

    // The stable names udev gives USB serial devices.
    std::vector<std::string> links;
    for (const auto& entry : fs::directory_iterator(prefix + "/dev/serial/by-id", ec)) {
        links.push_back(entry.path().filename().string());
    }
    std::sort(links.begin(), links.end());
    for (SerialDevice& d : devices) {
        const std::string target = Canonical(prefix, d.path);
        for (const std::string& link : links) {
            const std::string path = "/dev/serial/by-id/" + link;
            if (!target.empty() && Canonical(prefix, path) == target) d.byId.push_back(path);
        }
        for (int n = 1; n <= kComPortCount; ++n) {
            const std::string name = "COM" + std::to_string(n);
            const std::string mapped = Canonical(prefix, ResolvePortName(name, ini));
            if (!target.empty() && mapped == target) d.ports.push_back(name);
        }
    }
    return devices;
}

int FindSerialDevice(const std::vector<SerialDevice>& devices, const std::string& root,
                     const std::string& path) {
    if (path.empty()) return -1;
    const std::string prefix = Prefix(root);
    const std::string target = Canonical(prefix, path);
    if (target.empty()) return -1;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        if (Canonical(prefix, devices[i].path) == target) return static_cast<int>(i);
    }
    return -1;
}

std::string NewCableAppearance() {
    return "/dev/ttyUSB0 or /dev/ttyACM0";
}

std::string ExampleDevicePath() {
    return "/dev/ttyUSB0";
}

}  // namespace qm530::link
