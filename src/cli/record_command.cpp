#include "cli/record_command.h"

#include "cli/command_util.h"

namespace qm530::cli {

int RunRecordCommand(Context& ctx, const char* name, std::size_t minChannels,
                     std::size_t maxChannels, const RecordEdit& edit) {
    auto prepared = PrepareArgs(ctx, name, {{"--force", false}}, 1 + minChannels, 1 + maxChannels);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const auto& pos = args.Positional();
    std::vector<int> channels;
    for (std::size_t i = 1; i < pos.size(); ++i) {
        const Result<int> n = ChannelArgOrReport(ctx, name, pos[i]);
        if (!n) return n.status().exitCode();
        channels.push_back(*n);
    }
    const bool force = args.Has("--force");
    // Held from the read to the save, so that two editing commands never
    // interleave and lose an update.
    const Result<FileLock> lock = LockOrReport(ctx, name, pos[0]);
    if (!lock) return lock.status().exitCode();
    Result<RadioImage> loaded = LoadForChangeOrReport(ctx, name, pos[0], force);
    if (!loaded) return loaded.status().exitCode();
    RadioImage& image = *loaded;
    const Status s = edit(image, channels);
    if (!s) {
        PrintError(ctx.err, std::string(name) + ": " + s.detail());
        return exitcode::kFailed;
    }
    return SaveImageOrReport(ctx, pos[0], image, force).exitCode();
}

}  // namespace qm530::cli
