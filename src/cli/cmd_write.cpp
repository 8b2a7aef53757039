#include "cli/clone_common.h"
#include "cli/clone_host.h"
#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/fleet.h"

namespace qm530::cli {

namespace {

int RunWrite(Context& ctx) {
    std::vector<OptionDef> options = kCloneOptions;
    options.push_back({"--verify", false});
    options.push_back({"--force", false});
    auto prepared = PrepareArgs(ctx, "write", options, 1, 1);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    auto preparedPorts = PrepareClonePorts(ctx, args);
    if (!preparedPorts) return preparedPorts.status().exitCode();
    std::vector<ClonePort>& ports = *preparedPorts;
    const std::string& inPath = args.Positional()[0];
    Result<RadioImage> loaded = LoadForChangeOrReport(ctx, "write", inPath, args.Has("--force"));
    if (!loaded) return loaded.status().exitCode();
    RadioImage& image = *loaded;
    const bool verify = args.Has("--verify");

    CancelOnSignals cancel;
    return RunFleet(ctx, ports, FleetOptionsOf(args), [&](PortRun& run) {
        // The file's bytes go out as they are; every port gets its own copy.
        RadioImage outgoing = image;
        const int result = run.Transfer(link::TransferDirection::kWrite, "Writing", outgoing);
        if (result != exitcode::kOk) return result;
        run.Out() << "Wrote " << inPath << " to the radio on " << run.Port().name << ".\n";
        return verify ? run.Verify(image, inPath) : exitcode::kOk;
    });
}

}  // namespace

Command WriteCommand() {
    static const std::string usage =
        std::string(
            "Usage: qm530 write --port PORT [--port PORT ...] IN.dat [--verify] [--retries N]\n"
            "                   [--repeat] [--log FILE.csv] [--trace FILE] [--ini PATH]\n"
            "Writes IN.dat into the radio, byte for byte (0x000-0x32F and 0x340-0x3EF).\n"
            "  --verify      then read the radio back and compare, as 'qm530 verify' does\n"
            "  --force       write an IN.dat longer than a radio image: its first 1024 bytes\n") +
        kCloneHelp;
    return {"write", "write a .dat file into one or more radios", usage.c_str(), RunWrite};
}

}  // namespace qm530::cli
