#pragma once

// Serial devices as the kernel shows them in sysfs and /dev, under a folder
// of the test's own, for the device discovery to read.

#include <filesystem>
#include <fstream>
#include <string>

namespace qm530::test {

inline constexpr const char* kFakeCableById = "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";

inline void WriteFakeFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << text << '\n';
}

// A USB cable (0403:6001, FTDI, FT232R USB UART, serial A50285BI) as
// ttyUSB0, with its /dev node and its /dev/serial/by-id link.
inline void AddFakeUsbCable(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    const fs::path usb = root / "sys/devices/pci0000:00/0000:00:14.0/usb1/1-2";
    WriteFakeFile(usb / "idVendor", "0403");
    WriteFakeFile(usb / "idProduct", "6001");
    WriteFakeFile(usb / "manufacturer", "FTDI");
    WriteFakeFile(usb / "product", "FT232R USB UART");
    WriteFakeFile(usb / "serial", "A50285BI");
    const fs::path port = usb / "1-2:1.0/ttyUSB0";
    fs::create_directories(port / "tty/ttyUSB0");
    fs::create_directory_symlink("../../../ttyUSB0", port / "tty/ttyUSB0/device");
    fs::create_directories(root / "sys/class/tty");
    fs::create_directory_symlink(
        "../../devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/ttyUSB0/tty/ttyUSB0",
        root / "sys/class/tty/ttyUSB0");
    WriteFakeFile(root / "dev/ttyUSB0", "");
    fs::create_directories(root / "dev/serial/by-id");
    fs::create_symlink("../../ttyUSB0", root / "dev/serial/by-id" / kFakeCableById);
}

// A port of the platform's serial driver: `type` 4 has a UART, 0 has none;
// without `node` its /dev entry is missing.
inline void AddFakeBuiltInPort(const std::filesystem::path& root, const std::string& name,
                               const char* type, bool node) {
    namespace fs = std::filesystem;
    const fs::path platform = root / "sys/devices/platform/serial8250";
    const fs::path tty = root / "sys/class/tty" / name;
    fs::create_directories(platform);
    fs::create_directories(tty);
    fs::create_directory_symlink(platform, tty / "device");
    WriteFakeFile(tty / "type", type);
    if (node) WriteFakeFile(root / "dev" / name, "");
}

}  // namespace qm530::test
