#include "cli/clone_common.h"
#include "cli/clone_host.h"
#include "cli/command_util.h"
#include "cli/commands_list.h"

namespace qm530::cli {

namespace {

int RunWrite(Context& ctx) {
    std::vector<OptionDef> options = kCloneOptions;
    options.push_back({"--verify", false});
    Args args;
    int code = 0;
    if (!PrepareArgs(ctx, "write", options, 1, 1, args, code)) return code;
    ClonePort port;
    if (!PrepareClonePort(ctx, args, port, code)) return code;
    const std::string& inPath = args.Positional()[0];
    RadioImage image;
    if (!LoadImageOrReport(ctx, inPath, image)) return exitcode::kFailed;

    CancelOnSignals cancel;
    // The file's bytes go out as they are.
    code = RunCloneTransfer(ctx, port, link::TransferDirection::kWrite, "Writing", image);
    if (code != exitcode::kOk) return code;
    ctx.out << "Wrote " << inPath << " to the radio on " << port.name << ".\n";
    if (!args.Has("--verify")) return exitcode::kOk;
    return VerifyRadio(ctx, port, image, inPath);
}

}  // namespace

Command WriteCommand() {
    static const std::string usage =
        std::string(
            "Usage: qm530 write --port PORT IN.dat [--verify] [--retries N] [--ini PATH]\n"
            "Writes IN.dat into the radio, byte for byte (0x000-0x32F and 0x340-0x3EF).\n"
            "  --verify      then read the radio back and compare, as 'qm530 verify' does\n") +
        kCloneHelp;
    return {"write", "write a .dat file into a radio", usage.c_str(), RunWrite};
}

}  // namespace qm530::cli
