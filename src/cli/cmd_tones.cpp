#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "model/tones.h"

namespace qm530::cli {

namespace {

int RunTones(Context& ctx) {
    auto prepared = PrepareArgs(ctx, "tones", {{"--lang", true}}, 0, 0);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const Result<UiLanguage> language = LanguageOrReport(ctx, "tones", args);
    if (!language) return language.status().exitCode();
    const UiLanguage lang = *language;
    for (const std::string& t : FillToneTable(lang)) ctx.out << t << '\n';
    return exitcode::kOk;
}

}  // namespace

Command TonesCommand() {
    return {"tones", "list the 265 tone texts a channel's tones accept",
            "Usage: qm530 tones [--lang en|zh]\n"
            "Prints the tone list in order: no tone, the 50 CTCSS tones, the 107 DCS codes\n"
            "with normal polarity (N) and the same codes inverted (I).\n",
            RunTones};
}

}  // namespace qm530::cli
