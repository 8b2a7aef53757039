#include "cli/command_util.h"

#include <sys/stat.h>

#include <algorithm>

#include "config/data_dirs.h"
#include "model/channel_words.h"
#include "model/dat_file.h"

namespace qm530::cli {

namespace {

const Command* FindCommand(const char* name) {
    for (const Command& c : Commands()) {
        if (std::string(c.name) == name) return &c;
    }
    return nullptr;
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

Result<Args> PrepareArgs(Context& ctx, const char* commandName, const std::vector<OptionDef>& known,
                         std::size_t minPositional, std::size_t maxPositional) {
    const Command* cmd = FindCommand(commandName);
    const std::string usage = cmd ? cmd->usage : "";
    Result<Args> parsed = Args::Parse(ctx.args, known);
    if (!parsed) {
        PrintError(ctx.err, commandName + std::string(": ") + parsed.detail());
        ctx.err << usage;
        return Status::Exit(exitcode::kUsage);
    }
    const Args& args = *parsed;
    if (args.Help()) {
        ctx.out << usage;
        return Status::Exit(exitcode::kOk);
    }
    const std::size_t n = args.Positional().size();
    if (n < minPositional || n > maxPositional) {
        PrintError(ctx.err, commandName + std::string(": ") +
                                (n < minPositional ? "missing argument" : "too many arguments"));
        ctx.err << usage;
        return Status::Exit(exitcode::kUsage);
    }
    return std::move(*parsed);
}

Result<UiLanguage> LanguageOrReport(Context& ctx, const char* commandName, const Args& args) {
    const Result<UiLanguage> lang = LanguageOption(args);
    if (lang) return *lang;
    PrintError(ctx.err, commandName + std::string(": ") + lang.detail());
    return Status::Exit(exitcode::kUsage);
}

Result<int> ChannelArgOrReport(Context& ctx, const char* commandName, const std::string& text) {
    const bool digits =
        !text.empty() && text.size() <= 2 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int channel = digits ? std::stoi(text) : 0;
    if (channel >= 1 && channel <= kChannelCount) return channel;
    PrintError(ctx.err, commandName + std::string(": bad channel number '") + text + "' (1 to 16)");
    return Status::Exit(exitcode::kUsage);
}

Result<RadioImage> LoadImageOrReport(Context& ctx, const std::string& path) {
    const Result<DatFile> loaded = ReadDatFile(path);
    if (!loaded) {
        PrintError(ctx.err, loaded.detail());
        return Status::Exit(exitcode::kFailed);
    }
    if (loaded->Longer()) ctx.err << "note: " << LongerFileNote(path, loaded->size) << '\n';
    return loaded->image;
}

Result<RadioImage> LoadForChangeOrReport(Context& ctx, const char* commandName,
                                         const std::string& path, bool force) {
    const Result<DatFile> loaded = ReadDatFile(path);
    if (!loaded) {
        PrintError(ctx.err, loaded.detail());
        return Status::Exit(exitcode::kFailed);
    }
    if (loaded->Longer() && !force) {
        const bool toRadio = std::string(commandName) == "write";
        PrintError(ctx.err, commandName + std::string(": ") + path + " holds " +
                                std::to_string(loaded->size) +
                                " bytes, more than a radio image (1024), so it may be something "
                                "else; " +
                                (toRadio ? "it is not written to a radio (--force writes its "
                                           "first 1024 bytes)"
                                         : "saving would cut it (--force saves all the same, or "
                                           "save to a new .dat file)"));
        return Status::Exit(exitcode::kFailed);
    }
    return loaded->image;
}

Result<FileLock> LockOrReport(Context& ctx, const char* commandName, const std::string& path) {
    Result<FileLock> lock = FileLock::Take(path);
    if (lock) return lock;
    PrintError(ctx.err, commandName + std::string(": ") + lock.detail());
    return Status::Exit(exitcode::kFailed);
}

Status SaveImageOrReport(Context& ctx, const std::string& path, const RadioImage& image,
                         bool force) {
    const Status s = SaveDatFile(path, image, force);
    if (s) return s;
    PrintError(ctx.err, s.detail());
    return Status::Exit(exitcode::kFailed);
}

Status LoadIniOrReport(Context& ctx, const Args& args, config::CIniFile& ini) {
    std::string path = args.Value("--ini");
    const bool explicitPath = !path.empty();
    if (!explicitPath) path = config::ProgramIniPlace(config::CurrentProgramDirs()).readPath;
    if (!IsRegularFile(path)) {
        if (explicitPath) {
            PrintError(ctx.err, path + ": no such settings file");
            return Status::Exit(exitcode::kFailed);
        }
        return Status::Ok();  // no Program.ini: no models known
    }
    if (!ini.Load(path, false, true, false)) {
        PrintError(ctx.err, path + ": cannot read the settings file");
        return Status::Exit(exitcode::kFailed);
    }
    return Status::Ok();
}

}  // namespace qm530::cli
