#include "cli/clone_common.h"
#include "cli/clone_host.h"
#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/fleet.h"

namespace qm530::cli {

namespace {

int RunVerify(Context& ctx) {
    auto prepared = PrepareArgs(ctx, "verify", kCloneOptions, 1, 1);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    auto preparedPorts = PrepareClonePorts(ctx, args);
    if (!preparedPorts) return preparedPorts.status().exitCode();
    std::vector<ClonePort>& ports = *preparedPorts;
    const std::string& inPath = args.Positional()[0];
    Result<RadioImage> loaded = LoadImageOrReport(ctx, inPath);
    if (!loaded) return loaded.status().exitCode();
    RadioImage& image = *loaded;
    CancelOnSignals cancel;
    return RunFleet(ctx, ports, FleetOptionsOf(args),
                    [&](PortRun& run) { return run.Verify(image, inPath); });
}

}  // namespace

Command VerifyCommand() {
    static const std::string usage =
        std::string(
            "Usage: qm530 verify --port PORT [--port PORT ...] IN.dat [--retries N]\n"
            "                    [--repeat] [--log FILE.csv] [--trace FILE] [--ini PATH]\n"
            "Reads the radio and compares it with IN.dat at every address that a write\n"
            "carries and a read returns (0x000-0x32F, 0x340-0x3BF, 0x3D0-0x3EF). Prints\n"
            "each differing address with the file's and the radio's value.\n") +
        kCloneHelp;
    return {"verify", "compare radios with a .dat file", usage.c_str(), RunVerify};
}

}  // namespace qm530::cli
