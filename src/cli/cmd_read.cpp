#include <filesystem>
#include <system_error>

#include "cli/clone_common.h"
#include "cli/clone_host.h"
#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/fleet.h"
#include "model/atomic_file.h"

namespace qm530::cli {

namespace {

// The file of the n-th radio read on a port with --repeat: "radio.dat"
// gives "radio-1.dat", "radio-2.dat", ...
std::string NumberedPath(const std::string& path, int n) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    const std::string tag = "-" + std::to_string(n);
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash + 2))
        return path + tag;
    return path.substr(0, dot) + tag + path.substr(dot);
}

int RunRead(Context& ctx) {
    auto prepared = PrepareArgs(ctx, "read", kCloneOptions, 1, 64);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    auto preparedPorts = PrepareClonePorts(ctx, args);
    if (!preparedPorts) return preparedPorts.status().exitCode();
    std::vector<ClonePort>& ports = *preparedPorts;
    const std::vector<std::string>& outPaths = args.Positional();
    if (outPaths.size() != ports.size()) {
        PrintError(ctx.err, "read: give one OUT.dat per --port (" + std::to_string(ports.size()) +
                                " ports, " + std::to_string(outPaths.size()) + " files)");
        return exitcode::kUsage;
    }
    // One file for the reads of two radios would keep only the last one;
    // compared as resolved, and per radio as --repeat numbers them.
    const bool repeat = args.Has("--repeat");
    for (std::size_t i = 0; i < outPaths.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const bool clash =
                SamePath(outPaths[i], outPaths[j]) ||
                (repeat && SamePath(NumberedPath(outPaths[i], 1), NumberedPath(outPaths[j], 1)));
            if (clash) {
                PrintError(ctx.err, "read: " + outPaths[j] + " and " + outPaths[i] +
                                        " are the same file: each radio needs a file of its own");
                return exitcode::kUsage;
            }
        }
    }
    // Known before a port opens, not after a transfer of several seconds.
    for (const std::string& outPath : outPaths) {
        if (const Status writable = CheckWritable(outPath); !writable) {
            PrintError(ctx.err, "read: " + writable.detail() + "; nothing was read");
            return exitcode::kFailed;
        }
    }
    const FleetOptions options = FleetOptionsOf(args);

    CancelOnSignals cancel;
    return RunFleet(ctx, ports, options, [&](PortRun& run) {
        const std::string outPath = options.repeat
                                        ? NumberedPath(outPaths[run.Index()], run.RadioNumber())
                                        : outPaths[run.Index()];
        // The bytes a read does not carry keep the values of the existing file.
        RadioImage image = RadioImage::Blank();
        Context runCtx{{}, run.Out(), run.Err()};
        std::error_code ec;
        const bool exists = std::filesystem::symlink_status(outPath, ec).type() !=
                            std::filesystem::file_type::not_found;
        if (!ec && exists) {
            const Result<RadioImage> existing = LoadImageOrReport(runCtx, outPath);
            if (!existing) {
                PrintError(run.Err(), "read: " + outPath +
                                          " exists and is not a radio image; nothing was read");
                run.reason = outPath + " is not a radio image";
                return exitcode::kFailed;
            }
            image = *existing;
        }
        const int result = run.Transfer(link::TransferDirection::kRead, "Reading", image);
        if (result != exitcode::kOk) {
            PrintError(run.Err(), "read: " + outPath + " was left untouched");
            return result;
        }
        if (!SaveImageOrReport(runCtx, outPath, image)) {
            run.reason = outPath + " could not be written";
            return exitcode::kFailed;
        }
        run.Out() << "Read the radio on " << run.Port().name << " into " << outPath << ".\n";
        return exitcode::kOk;
    });
}

}  // namespace

Command ReadCommand() {
    static const std::string usage =
        std::string(
            "Usage: qm530 read --port PORT [--port PORT ...] OUT.dat [OUT.dat ...]\n"
            "                  [--retries N] [--repeat] [--log FILE.csv] [--trace FILE]\n"
            "                  [--ini PATH]\n"
            "Reads the radio's memory into OUT.dat, one file per port in the same order.\n"
            "The file is written only after a complete read, in one step, so a failed read\n"
            "leaves no partial file and an existing one as it was. The 16 bytes a read does\n"
            "not carry (0x3C0-0x3CF) keep the values of an existing OUT.dat, else 0xFF.\n"
            "With --repeat the n-th radio of a port goes to OUT-n.dat.\n") +
        kCloneHelp;
    return {"read", "read radios into .dat files", usage.c_str(), RunRead};
}

}  // namespace qm530::cli
