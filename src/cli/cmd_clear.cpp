#include "cli/commands_list.h"
#include "cli/record_command.h"
#include "model/channel_records.h"
#include "model/channel_words.h"

namespace qm530::cli {

namespace {

int RunClear(Context& ctx) {
    return RunRecordCommand(ctx, "clear", 1, kChannelCount,
                            [](RadioImage& image, const std::vector<int>& channels) {
                                return ClearChannels(image, channels);
                            });
}

}  // namespace

Command ClearCommand() {
    return {"clear", "empty channels as rx= does",
            "Usage: qm530 clear FILE.dat CHANNEL [CHANNEL ...] [--force]\n"
            "(--force: edit a FILE.dat longer than a radio image, keeping its first 1024 bytes)\n"
            "Empties each channel (1 to 16) as 'qm530 set FILE.dat CHANNEL rx=' does and\n"
            "clears its scan-add bit. The record's two bytes that no grid column shows and\n"
            "every other channel stay as they were.\n",
            RunClear};
}

}  // namespace qm530::cli
