#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/configuration_json.h"
#include "model/atomic_file.h"
#include "model/channel_list.h"
#include "model/channel_table.h"

namespace qm530::cli {

namespace {

int RunExport(Context& ctx) {
    auto prepared =
        PrepareArgs(ctx, "export", {{"--format", true}, {"--lang", true}, {"--ini", true}}, 2, 2);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const Result<UiLanguage> language = LanguageOrReport(ctx, "export", args);
    if (!language) return language.status().exitCode();
    const UiLanguage lang = *language;
    const std::string format = args.Value("--format", "csv");
    if (format != "csv" && format != "json") {
        PrintError(ctx.err, "export: --format takes csv or json, not '" + format + "'");
        return exitcode::kUsage;
    }
    const auto& pos = args.Positional();
    Result<RadioImage> loaded = LoadImageOrReport(ctx, pos[0]);
    if (!loaded) return loaded.status().exitCode();
    RadioImage& image = *loaded;

    std::string text;
    if (format == "json") {
        config::CIniFile ini;
        if (!LoadIniOrReport(ctx, args, ini)) return exitcode::kFailed;
        text = ConfigurationJson(image, ini, lang);
    } else {
        ChannelTable table;
        ImageToGrid(image, table, lang);
        text = ChannelListCsv(table);
    }
    if (pos[1] == "-") {
        ctx.out << text;
        return exitcode::kOk;
    }
    if (const Status s = WriteFileAtomically(pos[1], text); !s) {
        PrintError(ctx.err, "export: " + s.detail());
        return exitcode::kFailed;
    }
    return exitcode::kOk;
}

}  // namespace

Command ExportCommand() {
    return {"export", "write an image's channels as a CSV channel list (or all as JSON)",
            "Usage: qm530 export FILE.dat OUT.csv [--format csv|json] [--lang en|zh]\n"
            "                    [--ini PATH]\n"
            "Writes every programmed channel, in channel order, as a CSV channel list in the\n"
            "column set that programming tools, repeater directories and spreadsheet\n"
            "templates share (Location,Name,Frequency,Duplex,Offset,Tone,... 21 columns).\n"
            "OUT - writes to standard output. 'qm530 import' reads the file back.\n"
            "  --format json  the whole configuration instead: model and band, the 16\n"
            "                 channels as the grid shows them (fields of 'qm530 set') and\n"
            "                 every setting by the names and words of 'qm530 options',\n"
            "                 and the whole memory in hex, so that 'qm530 import --format\n"
            "                 json' brings back the same bytes (edits of the readable\n"
            "                 members are applied on top of it)\n"
            "  --lang en|zh   language of the words in the JSON text (default en)\n"
            "  --ini PATH     settings file naming the models and bands (JSON only)\n",
            RunExport};
}

}  // namespace qm530::cli
