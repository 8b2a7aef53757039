#include "cli/clone_common.h"

#include <algorithm>
#include <cstdio>

#include "app/core/ini_file.h"
#include "cli/clone_host.h"
#include "cli/command_util.h"
#include "link/port_name.h"
#include "link/posix_serial_port.h"
#include "link/transfer.h"
#include "model/messages.h"
#include "model/numbers.h"

namespace qm530::cli {

const std::vector<OptionDef> kCloneOptions = {
    {"--port", true}, {"--retries", true}, {"--ini", true}};

const char* const kCloneHelp =
    "  --port PORT   COM1 to COM4 or a device path such as /dev/ttyUSB0. COMn is the\n"
    "                device named by the environment variable QM530_COMn, else the\n"
    "                one given as COMn in section Ports of Program.ini, else\n"
    "                /dev/ttyUSB<n-1>, as in the desktop program.\n"
    "  --retries N   without a terminal: how many times to repeat a handshake that the\n"
    "                radio did not confirm (default 0); on a terminal the tool asks.\n"
    "  --ini PATH    Program.ini to take the port names from (default: beside the program)\n"
    "A progress bar shows on a terminal. Ctrl-C cancels at the next step, closes the\n"
    "port and leaves every file untouched.\n"
    "Exit codes: 0 done, 1 file error, 2 usage error, 3 the port could not be opened,\n"
    "4 communication error (no handshake), 5 transfer interrupted, 6 verify found\n"
    "differences, 130 cancelled.\n";

bool PrepareClonePort(Context& ctx, const Args& args, ClonePort& port, int& exitCode) {
    exitCode = exitcode::kUsage;
    port.name = args.Value("--port");
    if (port.name.empty()) {
        PrintError(ctx.err, "--port PORT is required (COM1 to COM4 or a device path)");
        return false;
    }
    const std::string retries = args.Value("--retries", "0");
    if (retries.empty() || retries.size() > 4 ||
        !std::all_of(retries.begin(), retries.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        PrintError(ctx.err, "--retries takes a number from 0 to 9999, not '" + retries + "'");
        return false;
    }
    port.retries = CAtoi(retries);
    CIniFile ini;
    if (!LoadIniOrReport(ctx, args, ini)) {
        exitCode = exitcode::kFailed;
        return false;
    }
    port.device = link::ResolvePortName(port.name, &ini);
    return true;
}

int RunCloneTransfer(Context& ctx, const ClonePort& port, link::TransferDirection direction,
                     const std::string& label, RadioImage& image) {
    link::PosixSerialPort serial;
    // Ctrl-C ends a read that is waiting for the radio at once.
    serial.WatchCancel(CancelOnSignals::WatchFd());
    link::TransferResult result;
    bool declined = false;
    {
        TerminalHost host(ctx, direction, label, port.retries);
        result = link::RunTransfer(port.device, serial, image, host);
        declined = host.Declined();
    }
    switch (result.outcome) {
        case link::TransferOutcome::kCompleted:
            return exitcode::kOk;
        case link::TransferOutcome::kCancelled:
            PrintError(ctx.err, "cancelled; the port is closed");
            return exitcode::kCancelled;
        case link::TransferOutcome::kFailed:
            break;
    }
    if (declined) return exitcode::kCommError;  // the question showed the message
    const char* text = MessageText(result.messageId);
    PrintError(ctx.err, text != nullptr ? text : "transfer failed");
    PrintError(ctx.err, result.detail);
    if (result.messageId == msg::kPortOpenFailed) {
        const int n = link::ComPortNumber(port.name);
        if (n == 0) {
            // No advice can attach a device to it.
            PrintError(ctx.err, "port " + port.name +
                                    " names no device: the COM names are COM1 to COM999 (the "
                                    "desktop program offers COM1 to COM4), or give a device "
                                    "path such as /dev/ttyUSB0");
        } else if (port.device != port.name) {
            const std::string key = "COM" + std::to_string(n);
            const std::string device = port.device.empty() ? "no device" : port.device;
            PrintError(ctx.err, "port " + port.name + " is " + device + " (set QM530_" + key +
                                    " or " + key + " in section Ports of Program.ini for another)");
        }
        return exitcode::kPortOpenFailed;
    }
    return result.messageId == msg::kCommError ? exitcode::kCommError : exitcode::kInterrupted;
}

int VerifyRadio(Context& ctx, const ClonePort& port, const RadioImage& expected,
                const std::string& fileName) {
    RadioImage radio = RadioImage::Blank();
    const int code =
        RunCloneTransfer(ctx, port, link::TransferDirection::kRead, "Verifying", radio);
    if (code != exitcode::kOk) return code;
    int compared = 0;
    int differing = 0;
    for (int a = 0; a < static_cast<int>(kImageSize); ++a) {
        if (!link::CarriedBothWays(a)) continue;
        ++compared;
        const auto i = static_cast<std::size_t>(a);
        if (radio[i] == expected[i]) continue;
        if (differing++ == 0) ctx.out << "address  file  radio\n";
        char line[40];
        std::snprintf(line, sizeof line, "0x%03X    0x%02X  0x%02X\n", a, expected[i], radio[i]);
        ctx.out << line;
    }
    if (differing > 0) {
        PrintError(ctx.err, "verify: " + std::to_string(differing) + " of " +
                                std::to_string(compared) +
                                " addresses differ between the radio and " + fileName);
        return exitcode::kVerifyMismatch;
    }
    ctx.out << "The radio matches " << fileName << " (" << compared << " addresses compared).\n";
    return exitcode::kOk;
}

}  // namespace qm530::cli
