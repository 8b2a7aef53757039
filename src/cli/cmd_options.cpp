#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/json_value.h"
#include "settings/settings_session.h"

namespace qm530::cli {

namespace {

int RunOptions(Context& ctx) {
    auto prepared = PrepareArgs(ctx, "options", {{"--lang", true}, {"--json", false}}, 1, 1);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const Result<UiLanguage> language = LanguageOrReport(ctx, "options", args);
    if (!language) return language.status().exitCode();
    const UiLanguage lang = *language;
    Result<RadioImage> loaded = LoadImageOrReport(ctx, args.Positional()[0]);
    if (!loaded) return loaded.status().exitCode();
    RadioImage& image = *loaded;

    const settings::SettingsSession session(image, lang);
    const bool json = args.Has("--json");
    if (json) ctx.out << "{\n";
    const auto& names = settings::SettingsSession::Names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string value = session.Shown(names[i]);
        if (json) {
            ctx.out << "  " << JsonQuote(names[i]) << ": " << JsonQuote(value)
                    << (i + 1 < names.size() ? ",\n" : "\n");
        } else {
            ctx.out << names[i] << '=' << value << '\n';
        }
    }
    if (json) ctx.out << "}\n";
    return exitcode::kOk;
}

}  // namespace

Command OptionsCommand() {
    return {"options", "show the radio-wide settings of an image",
            "Usage: qm530 options FILE.dat [--lang en|zh] [--json]\n"
            "Prints the settings of the Optional Features, Scan Information and Side Key\n"
            "dialogs as NAME=VALUE lines, each value as the dialog shows it: a list item,\n"
            "the text of an edit field, on/off for a check box; empty where the dialog\n"
            "shows no selection or an empty field. The names, in this order:\n"
            "  tot tot-prealert squelch voice vox-gain vox-delay beep battery-saver\n"
            "  squelch-tune call-tone priority priority-channel look-back-a look-back-b\n"
            "  revert dropout-delay tx-dwell side-key-1 side-key-2\n"
            "The lines can be given back to 'qm530 option' one argument each (values may\n"
            "contain blanks, such as 'priority-channel= 5' or 'revert=Priority+Talk back').\n"
            "  --lang en|zh  language of the list texts (default en)\n"
            "  --json        print one JSON object with the same names and values\n",
            RunOptions};
}

}  // namespace qm530::cli
