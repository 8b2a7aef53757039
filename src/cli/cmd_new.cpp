#include "cli/command_util.h"
#include "cli/commands_list.h"

namespace qm530::cli {

namespace {

int RunNew(Context& ctx) {
    auto prepared = PrepareArgs(ctx, "new", {}, 1, 1);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const std::string& path = args.Positional()[0];
    if (const Status saved = SaveImageOrReport(ctx, path, RadioImage::Default()); !saved)
        return saved.exitCode();
    return exitcode::kOk;
}

}  // namespace

Command NewCommand() {
    return {"new", "write the default image of a new radio configuration",
            "Usage: qm530 new OUT.dat\n"
            "Writes the 1024-byte default image (all channels empty) to OUT.dat,\n"
            "replacing the file when it exists.\n",
            RunNew};
}

}  // namespace qm530::cli
