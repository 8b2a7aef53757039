#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "model/text.h"
#include "settings/settings_session.h"

namespace qm530::cli {

namespace {

std::string NameList() {
    std::string list;
    for (const std::string& n : settings::SettingsSession::Names())
        list += (list.empty() ? "" : ", ") + n;
    return list;
}

int RunOption(Context& ctx) {
    auto prepared = PrepareArgs(ctx, "option", {{"--lang", true}, {"--force", false}}, 2, 1000);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const Result<UiLanguage> language = LanguageOrReport(ctx, "option", args);
    if (!language) return language.status().exitCode();
    const UiLanguage lang = *language;
    const auto& pos = args.Positional();
    std::vector<std::pair<std::string, std::string>> settings;
    for (std::size_t i = 1; i < pos.size(); ++i) {
        const auto eq = pos[i].find('=');
        const std::string name = pos[i].substr(0, eq);
        if (eq == std::string::npos || !settings::SettingsSession::IsName(name)) {
            PrintError(ctx.err, "option: '" + Abbreviated(pos[i]) +
                                    "' is not NAME=VALUE with a known name; names are " +
                                    NameList());
            return exitcode::kUsage;
        }
        settings.emplace_back(name, pos[i].substr(eq + 1));
    }

    const std::string& path = pos[0];
    const bool force = args.Has("--force");
    // Held from the read to the save, so that two editing commands never
    // interleave and lose an update.
    const Result<FileLock> lock = LockOrReport(ctx, "option", path);
    if (!lock) return lock.status().exitCode();
    Result<RadioImage> loaded = LoadForChangeOrReport(ctx, "option", path, force);
    if (!loaded) return loaded.status().exitCode();
    RadioImage& image = *loaded;
    settings::SettingsSession session(image, lang);
    for (const auto& [name, value] : settings) {
        if (const Status set = session.Set(name, value); !set) {
            PrintError(ctx.err, "option: " + set.detail());
            return exitcode::kFailed;
        }
    }
    if (const Status stored = session.Store(image); !stored) {
        PrintError(ctx.err, "option: " + stored.detail());
        return exitcode::kFailed;
    }
    return SaveImageOrReport(ctx, path, image, force).exitCode();
}

}  // namespace

Command OptionCommand() {
    return {"option", "change radio-wide settings of an image",
            "Usage: qm530 option FILE.dat NAME=VALUE [NAME=VALUE ...] [--lang en|zh] [--force]\n"
            "(--force: edit a FILE.dat longer than a radio image, keeping its first 1024 bytes)\n"
            "Sets radio-wide settings in the order given, as the Optional Features, Scan\n"
            "Information and Side Key dialogs would, then presses OK in each dialog that\n"
            "was touched and saves the file. 'qm530 options' lists the names and values.\n"
            "Values:\n"
            "  list settings   an item of the dialog's list, in English or Chinese\n"
            "                  (tot=600s, voice=English, vox-delay=1.0, priority=Fixed,\n"
            "                  revert=Priority+Talk back, side-key-1=Scan)\n"
            "  beep, battery-saver   on or off\n"
            "  look-back-a, look-back-b   0.5 to 5 in steps of 0.05; only with priority=Fixed\n"
            "                             (otherwise only the value shown is accepted)\n"
            "  dropout-delay, tx-dwell    0 to 300\n"
            "  priority-channel           a programmed channel 1 to 16; only with priority=Fixed\n"
            "Numbers get the corrections the dialog makes when leaving the field (7 becomes\n"
            "5, 0.97 becomes 0.95, 400 becomes 300). Changing priority empties the priority\n"
            "channel and resets revert, so give those after it.\n"
            "priority=Fixed needs priority-channel=N naming a programmed channel (one with\n"
            "a receive frequency); OK refuses an empty, unprogrammed or out-of-range one:\n"
            "  qm530 option radio.dat priority=Fixed priority-channel=3 look-back-a=1.5\n"
            "A value the dialog could not hold, or a priority channel that is not\n"
            "programmed, prints the reason, exits 1 and leaves the file untouched.\n"
            "  --lang en|zh  language of the dialogs (default en)\n",
            RunOption};
}

}  // namespace qm530::cli
