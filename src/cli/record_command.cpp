#include "cli/record_command.h"

#include "cli/command_util.h"

namespace qm530::cli {

int RunRecordCommand(Context& ctx, const char* name, std::size_t minChannels,
                     std::size_t maxChannels, const RecordEdit& edit) {
    auto prepared = PrepareArgs(ctx, name, {}, 1 + minChannels, 1 + maxChannels);
    if (!prepared) return prepared.code();
    const Args& args = *prepared;
    const auto& pos = args.Positional();
    std::vector<int> channels;
    for (std::size_t i = 1; i < pos.size(); ++i) {
        int n = 0;
        if (!ChannelArgOrReport(ctx, name, pos[i], n)) return exitcode::kUsage;
        channels.push_back(n);
    }
    RadioImage image;
    if (!LoadImageOrReport(ctx, pos[0], image)) return exitcode::kFailed;
    const Status s = edit(image, channels);
    if (!s) {
        PrintError(ctx.err, std::string(name) + ": " + s.detail());
        return exitcode::kFailed;
    }
    return SaveImageOrReport(ctx, pos[0], image) ? exitcode::kOk : exitcode::kFailed;
}

}  // namespace qm530::cli
