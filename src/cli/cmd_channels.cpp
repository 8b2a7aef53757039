#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/text_table.h"
#include "model/channel_table.h"

namespace qm530::cli {

namespace {

int RunChannels(Context& ctx) {
    auto prepared = PrepareArgs(ctx, "channels", {{"--lang", true}, {"--csv", false}}, 1, 1);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const Result<UiLanguage> language = LanguageOrReport(ctx, "channels", args);
    if (!language) return language.status().exitCode();
    const UiLanguage lang = *language;
    Result<RadioImage> loaded = LoadImageOrReport(ctx, args.Positional()[0]);
    if (!loaded) return loaded.status().exitCode();
    RadioImage& image = *loaded;

    ChannelTable table;
    table.WriteLabels(lang);
    ImageToGrid(image, table, lang);

    const bool csv = args.Has("--csv");
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < kTableRows; ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < kTableCols; ++c) {
            // CSV carries the plain channel number; the table keeps the grid label.
            row.push_back(csv && r > 0 && c == 0 ? std::to_string(r) : table.Cell(r, c));
        }
        rows.push_back(std::move(row));
    }
    if (csv) {
        for (const auto& row : rows) PrintCsvRecord(ctx.out, row);
    } else {
        PrintAligned(ctx.out, rows);
    }
    return exitcode::kOk;
}

}  // namespace

Command ChannelsCommand() {
    return {"channels", "print the 16 channels of an image as the grid shows them",
            "Usage: qm530 channels FILE.dat [--lang en|zh] [--csv]\n"
            "Prints the channel table: a header row in the language, then channels 1 to 16.\n"
            "  --lang en|zh  language of the headers and words (default en)\n"
            "  --csv         RFC 4180 CSV in UTF-8 instead of an aligned table\n",
            RunChannels};
}

}  // namespace qm530::cli
