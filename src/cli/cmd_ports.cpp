#include <algorithm>

#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/json_value.h"
#include "config/ini_file.h"
#include "link/port_name.h"
#include "link/serial_devices.h"

namespace qm530::cli {

namespace {

std::string Join(const std::vector<std::string>& items, const char* separator) {
    std::string text;
    for (const std::string& i : items) text += (text.empty() ? "" : separator) + i;
    return text;
}

std::string JsonList(const std::vector<std::string>& items) {
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i) text += (i ? ", " : "") + JsonQuote(items[i]);
    return text + "]";
}

std::string JoinHint(const std::string& group) {
    return "join group '" + group + "' (sudo usermod -aG " + group + " $USER) and log in again";
}

void PrintJson(std::ostream& out, const std::vector<link::SerialDevice>& devices) {
    out << "[";
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const link::SerialDevice& d = devices[i];
        out << (i ? ",\n " : "\n ") << "{\"path\": " << JsonQuote(d.path)
            << ", \"by_id\": " << JsonList(d.byId)
            << ", \"usb\": " << (d.IsUsb() ? "true" : "false")
            << ", \"vendor_id\": " << JsonQuote(d.vendorId)
            << ", \"product_id\": " << JsonQuote(d.productId)
            << ", \"manufacturer\": " << JsonQuote(d.manufacturer)
            << ", \"product\": " << JsonQuote(d.product) << ", \"serial\": " << JsonQuote(d.serial)
            << ", \"driver\": " << JsonQuote(d.driver) << ", \"ports\": " << JsonList(d.ports)
            << ", \"accessible\": " << (d.accessible ? "true" : "false")
            << ", \"group\": " << JsonQuote(d.group) << ", \"problem\": " << JsonQuote(d.problem)
            << "}";
    }
    out << (devices.empty() ? "]\n" : "\n]\n");
}

// Where each of COM1 to COM4 goes and what says so.
std::string SourceText(const link::PortMapping& mapping, int number, const config::CIniFile& ini) {
    switch (mapping.source) {
        case link::PortSource::kEnvironment:
            return "environment variable " + link::PortVariableName(number);
        case link::PortSource::kSettings:
            return "Ports in " + ini.FilePath();
        default:
            return "the default";
    }
}

void PrintText(std::ostream& out, const std::vector<link::SerialDevice>& devices,
               const config::CIniFile& ini) {
    for (const link::SerialDevice& d : devices) {
        out << (d.path.empty() ? d.product + " (no port)" : d.path);
        if (!d.ports.empty()) out << "  = " << Join(d.ports, ", ");
        out << '\n';
        if (d.IsUsb()) {
            std::vector<std::string> parts{"USB " + d.vendorId + ":" + d.productId};
            if (!d.manufacturer.empty()) parts.push_back(d.manufacturer);
            if (!d.product.empty()) parts.push_back(d.product);
            if (!d.serial.empty()) parts.push_back("serial " + d.serial);
            out << "  " << Join(parts, ", ") << '\n';
        } else {
            out << "  built-in serial port" << (d.driver.empty() ? "" : " (" + d.driver + ")")
                << '\n';
        }
        for (const std::string& link : d.byId) out << "  " << link << '\n';
        if (!d.problem.empty()) out << "  " << d.problem << '\n';
        out << "  "
            << (d.accessible ? "you can open it" : "you may not open it: " + JoinHint(d.group))
            << '\n';
    }
    if (devices.empty()) {
        out << "No serial device found. Plug in the programming cable (a USB cable shows up\n"
               "as "
            << link::NewCableAppearance()
            << " a moment later) and run 'qm530 ports'\n"
               "again; if it still does not show, try another USB socket or cable.\n";
    }
    const std::vector<link::UnlistedPort> unlisted = link::UnlistedPorts(devices, &ini);
    for (int n = 1; n <= link::kComPortCount; ++n) {
        const std::string name = "COM" + std::to_string(n);
        const link::PortMapping mapping = link::ResolvePort(name, &ini);
        const bool listed =
            std::none_of(unlisted.begin(), unlisted.end(),
                         [&](const link::UnlistedPort& p) { return p.port == name; });
        out << name << " = " << (mapping.device.empty() ? "no device" : mapping.device) << " ("
            << SourceText(mapping, n, ini) << (listed ? "" : "; not among the devices above")
            << ")\n";
    }
}

int RunPorts(Context& ctx) {
    auto prepared =
        PrepareArgs(ctx, "ports", {{"--json", false}, {"--ini", true}, {"--root", true}}, 0, 0);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    config::CIniFile ini;
    if (!LoadIniOrReport(ctx, args, ini)) return exitcode::kFailed;
    const auto devices = link::ListSerialDevices(args.Value("--root"), &ini);
    if (args.Has("--json")) {
        PrintJson(ctx.out, devices);
    } else {
        PrintText(ctx.out, devices, ini);
    }
    return exitcode::kOk;
}

}  // namespace

Command PortsCommand() {
    return {"ports", "list the serial devices and the COMn each stands for",
            "Usage: qm530 ports [--json] [--ini PATH]\n"
            "Lists the serial devices present: /dev/ttyUSB*, /dev/ttyACM* and the /dev/ttyS*\n"
            "that are real hardware, with the USB vendor, product and serial number, their\n"
            "/dev/serial/by-id names, which of COM1 to COM4 stands for each, and whether\n"
            "you may open it (if not, the group to join); then the device of each of COM1\n"
            "to COM4 and where it comes from: the environment variable QM530_COMn, else\n"
            "COMn in section Ports of Program.ini (the user's own copy when there is one;\n"
            "COM Setup in the desktop program writes there), else the default\n"
            "/dev/ttyUSB<n-1>. No device is not an error.\n"
            "  --json        one JSON array of devices, empty when none is found\n"
            "  --ini PATH    Program.ini to take the port names from (default: the\n"
            "                program's own)\n"
            "  --root DIR    look at DIR/dev and DIR/sys instead of /dev and /sys (for tests)\n",
            RunPorts};
}

}  // namespace qm530::cli
