#include <sys/stat.h>

#include "cli/clone_common.h"
#include "cli/clone_host.h"
#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "model/atomic_file.h"

namespace qm530::cli {

namespace {

int RunRead(Context& ctx) {
    Args args;
    int code = 0;
    if (!PrepareArgs(ctx, "read", kCloneOptions, 1, 1, args, code)) return code;
    ClonePort port;
    if (!PrepareClonePort(ctx, args, port, code)) return code;
    const std::string& outPath = args.Positional()[0];
    // Known before the port opens, not after a transfer of several seconds.
    if (const Status writable = CheckWritable(outPath); !writable) {
        PrintError(ctx.err, "read: " + writable.detail() + "; nothing was read");
        return exitcode::kFailed;
    }

    // The bytes a read does not carry keep the values of the existing file.
    RadioImage image = RadioImage::Blank();
    struct stat st {};
    if (::lstat(outPath.c_str(), &st) == 0 && !LoadImageOrReport(ctx, outPath, image)) {
        PrintError(ctx.err,
                   "read: " + outPath + " exists and is not a radio image; nothing was read");
        return exitcode::kFailed;
    }

    CancelOnSignals cancel;
    code = RunCloneTransfer(ctx, port, link::TransferDirection::kRead, "Reading", image);
    if (code != exitcode::kOk) {
        PrintError(ctx.err, "read: " + outPath + " was left untouched");
        return code;
    }
    if (!SaveImageOrReport(ctx, outPath, image)) return exitcode::kFailed;
    ctx.out << "Read the radio on " << port.name << " into " << outPath << ".\n";
    return exitcode::kOk;
}

}  // namespace

Command ReadCommand() {
    static const std::string usage =
        std::string(
            "Usage: qm530 read --port PORT OUT.dat [--retries N] [--ini PATH]\n"
            "Reads the radio's memory into OUT.dat. The file is written only after a\n"
            "complete read, in one step, so a failed read leaves no partial file and an\n"
            "existing one as it was. The 16 bytes a read does not carry (0x3C0-0x3CF) keep\n"
            "the values of an existing OUT.dat, else 0xFF.\n") +
        kCloneHelp;
    return {"read", "read a radio into a .dat file", usage.c_str(), RunRead};
}

}  // namespace qm530::cli
