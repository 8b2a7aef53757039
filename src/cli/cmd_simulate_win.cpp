// `qm530 simulate` needs a pseudo-terminal, which Windows does not have:
// there the command says how to reach the virtual radio instead.
#include "cli/command_util.h"
#include "cli/commands_list.h"

namespace qm530::cli {

namespace {

int RunSimulate(Context& ctx) {
    PrintError(ctx.err,
               "simulate needs a pseudo-terminal, which Windows does not have; use --port "
               "virtual (or --port virtual:FILE.dat) for the virtual radio inside the tool");
    return exitcode::kFailed;
}

}  // namespace

Command SimulateCommand() {
    return {"simulate", "run a virtual radio on a pseudo-terminal (not on Windows)",
            "Usage: qm530 simulate\n"
            "Not on Windows: use --port virtual with read, write and verify for the virtual\n"
            "radio inside the tool.\n",
            RunSimulate};
}

}  // namespace qm530::cli
