#include "cli/commands_list.h"
#include "cli/record_command.h"
#include "model/channel_records.h"

namespace qm530::cli {

namespace {

int RunMove(Context& ctx) {
    return RunRecordCommand(ctx, "move", 2, 2, [](RadioImage& image, const std::vector<int>& ch) {
        return MoveChannel(image, ch[0], ch[1]);
    });
}

}  // namespace

Command MoveCommand() {
    return {"move", "move a channel to another place, shifting the ones between",
            "Usage: qm530 move FILE.dat FROM TO [--force]\n"
            "(--force: edit a FILE.dat longer than a radio image, keeping its first 1024 bytes)\n"
            "Moves channel FROM (1 to 16) to place TO; the channels between shift one place\n"
            "toward FROM, as when a row is dragged in a list. Every record moves whole, all\n"
            "16 bytes with its scan-add bit; only the channels from FROM to TO change.\n",
            RunMove};
}

}  // namespace qm530::cli
