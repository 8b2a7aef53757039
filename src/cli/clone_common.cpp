#include "cli/clone_common.h"

#include <algorithm>
#include <filesystem>

#include "cli/command_util.h"
#include "config/ini_file.h"
#include "link/port_name.h"
#include "model/numbers.h"
#include "sim/in_process_radio.h"

namespace qm530::cli {

const std::vector<OptionDef> kCloneOptions = {{"--port", true}, {"--retries", true},
                                              {"--ini", true},  {"--repeat", false},
                                              {"--log", true},  {"--trace", true}};

const char* const kCloneHelp =
    "  --port PORT   COM1 to COM4, a device path such as /dev/ttyUSB0, or 'virtual'\n"
    "                (or virtual:FILE.dat) for the virtual radio inside the tool. COMn is the\n"
    "                device named by the environment variable QM530_COMn, else the\n"
    "                one given as COMn in section Ports of Program.ini, else\n"
    "                /dev/ttyUSB<n-1>, as in the desktop program. Give --port several\n"
    "                times to work on several radios at once, one per port.\n"
    "  --retries N   without a terminal or with several ports: how many times to repeat\n"
    "                a handshake that the radio did not confirm (default 0); with one\n"
    "                port on a terminal the tool asks.\n"
    "  --ini PATH    Program.ini to take the port names from (default: the program's own)\n"
    "  --repeat      radio after radio: once a port is done and its radio has been taken\n"
    "                away, wait for the next radio there (a quiet handshake attempt every\n"
    "                second) and do the same again, until Ctrl-C\n"
    "  --log FILE    append one CSV line per radio to FILE: time, port, identification\n"
    "                bytes in hex, result, seconds\n"
    "  --trace FILE  append every byte sent and received, with time stamps in ms and the\n"
    "                step of the transfer, and its outcome to FILE, for support; with\n"
    "                several ports one file each, the port's name before the extension\n"
    "Every read that completes (read, verify, write --verify or --backup) also keeps\n"
    "the radio's memory as a backup in the user's data folder; 'qm530 backups' lists\n"
    "them.\n"
    "A progress bar shows on a terminal, one line per port when there are several, and\n"
    "several ports or --repeat end with a table: port, radio identification, result,\n"
    "seconds. Ctrl-C cancels every port at its next step, closes the ports and leaves\n"
    "every file untouched.\n"
    "Exit codes: 0 done (every port), 1 file error, 2 usage error, 3 the port could not\n"
    "be opened, 4 communication error (no handshake), 5 transfer interrupted, 6 verify\n"
    "found differences, 130 cancelled; with several ports the code of the first port,\n"
    "in the order given, that failed.\n";

bool SamePath(const std::string& a, const std::string& b) {
    // Resolved as far as the paths exist: links, "." and ".." count.
    std::error_code ea;
    std::error_code eb;
    const auto ra = std::filesystem::weakly_canonical(a, ea);
    const auto rb = std::filesystem::weakly_canonical(b, eb);
    return ea || eb ? a == b : ra == rb;
}

ClonePort MakeClonePort(const std::string& name, int retries, const config::CIniFile* ini) {
    ClonePort port;
    port.name = name;
    port.device = link::ResolvePortName(name, ini);
    port.retries = retries;
    port.makePort = sim::MakePort;
    return port;
}

Result<int> RetriesOption(Context& ctx, const Args& args) {
    const std::string text = args.Value("--retries", "0");
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        PrintError(ctx.err, "--retries takes a number from 0 to 9999, not '" + text + "'");
        return Status::Exit(exitcode::kUsage);
    }
    return CAtoi(text);
}

Result<std::vector<ClonePort>> PrepareClonePorts(Context& ctx, const Args& args) {
    const std::vector<std::string> names = args.Values("--port");
    if (names.empty() ||
        std::any_of(names.begin(), names.end(), [](const std::string& n) { return n.empty(); })) {
        PrintError(ctx.err, "--port PORT is required (COM1 to COM4 or a device path)");
        return Status::Exit(exitcode::kUsage);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (names[i] == names[j]) {
                PrintError(ctx.err, "--port " + names[i] + " is given twice");
                return Status::Exit(exitcode::kUsage);
            }
        }
    }
    const Result<int> retries = RetriesOption(ctx, args);
    if (!retries) return retries.status();
    config::CIniFile ini;
    if (Status loaded = LoadIniOrReport(ctx, args, ini); !loaded) return loaded;
    std::vector<ClonePort> ports;
    for (const std::string& name : names) ports.push_back(MakeClonePort(name, *retries, &ini));
    // Two names for one device would run two transfers on one radio.
    for (std::size_t i = 0; i < ports.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (SamePath(ports[i].device, ports[j].device)) {
                PrintError(ctx.err, "--port " + ports[j].name + " and --port " + ports[i].name +
                                        " name the same device " + ports[i].device);
                return Status::Exit(exitcode::kUsage);
            }
        }
    }
    return ports;
}

}  // namespace qm530::cli
