#include "cli/commands_list.h"
#include "cli/record_command.h"
#include "model/channel_records.h"

namespace qm530::cli {

namespace {

int RunSwap(Context& ctx) {
    return RunRecordCommand(ctx, "swap", 2, 2, [](RadioImage& image, const std::vector<int>& ch) {
        return SwapChannels(image, ch[0], ch[1]);
    });
}

}  // namespace

Command SwapCommand() {
    return {"swap", "swap two channels",
            "Usage: qm530 swap FILE.dat A B [--force]\n"
            "(--force: edit a FILE.dat longer than a radio image, keeping its first 1024 bytes)\n"
            "Exchanges channels A and B (1 to 16): each record moves whole, all 16 bytes\n"
            "with its scan-add bit. Nothing else in the file changes.\n",
            RunSwap};
}

}  // namespace qm530::cli
