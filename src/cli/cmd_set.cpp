#include "cli/channel_fields.h"
#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "model/cell_commit.h"
#include "model/channel_records.h"
#include "model/channel_table.h"
#include "model/list_values.h"
#include "model/messages.h"

namespace qm530::cli {

namespace {

// The grid drops a Tx frequency on a row without an Rx frequency and a list
// value on a row with neither; the tool says so instead.
bool WouldBeDropped(const ChannelTable& table, int row, int column, const std::string& value,
                    std::string& reason) {
    const bool noRx = table.Cell(row, col::kRx).empty();
    const bool noTx = table.Cell(row, col::kTx).empty();
    if (column == col::kRx) return false;
    if (column == col::kTx) {
        if (value.empty() || !noRx) return false;
        reason = "the channel has no Rx frequency (give rx= first)";
        return true;
    }
    if (!noRx || !noTx) return false;
    reason = "the channel is not programmed (give rx= first)";
    return true;
}

int RunSet(Context& ctx) {
    auto prepared =
        PrepareArgs(ctx, "set", {{"--band", true}, {"--lang", true}, {"--ini", true}}, 3, 100);
    if (!prepared) return prepared.code();
    const Args& args = *prepared;
    const OrExit<UiLanguage> language = LanguageOrReport(ctx, "set", args);
    if (!language) return language.code();
    const UiLanguage lang = *language;
    const auto& pos = args.Positional();
    const std::string& path = pos[0];
    int channel = 0;
    if (!ChannelArgOrReport(ctx, "set", pos[1], channel)) return exitcode::kUsage;
    struct Edit {
        std::string field;
        int column;
        std::string value;
    };
    std::vector<Edit> edits;
    for (std::size_t i = 2; i < pos.size(); ++i) {
        const auto eq = pos[i].find('=');
        const std::string field = pos[i].substr(0, eq);
        const int column = eq == std::string::npos ? -1 : ColumnOfField(field);
        if (column < 0) {
            PrintError(ctx.err, "set: unknown field in '" + pos[i] +
                                    "'; fields are rx, tx, dec, enc, power, scan, busy, bw");
            return exitcode::kUsage;
        }
        edits.push_back({field, column, pos[i].substr(eq + 1)});
    }

    RadioImage image;
    if (!LoadImageOrReport(ctx, path, image)) return exitcode::kFailed;
    const OrExit<BandLimits> bandOf = BandOf(ctx, args, image);
    if (!bandOf) return bandOf.code();
    const BandLimits band = *bandOf;

    ChannelTable table;
    table.WriteLabels(lang);
    ImageToGrid(image, table, lang);
    for (const Edit& e : edits) {
        const bool listColumn = e.column != col::kRx && e.column != col::kTx;
        if (const Status listed =
                listColumn ? AcceptedByList(e.field, e.column, e.value) : Status::Ok();
            !listed) {
            PrintError(ctx.err, "set: " + listed.detail());
            return exitcode::kFailed;
        }
        std::string dropped;
        if (WouldBeDropped(table, channel, e.column, e.value, dropped)) {
            PrintError(ctx.err, "set: " + e.field + "=" + e.value + " on channel " +
                                    std::to_string(channel) + " would not be kept: " + dropped);
            return exitcode::kFailed;
        }
        const CommitOutcome outcome = CommitCellText(table, channel, e.column, e.value, band, lang);
        if (outcome.rejected()) {
            PrintError(ctx.err, "set: " + e.field + "=" + e.value + ": " +
                                    MessageText(outcome.messageId, lang));
            return exitcode::kFailed;
        }
    }
    // The other channels keep their bytes exactly, whatever a re-encoding
    // would make of them.
    StoreChannel(table, channel, image);
    return SaveImageOrReport(ctx, path, image) ? exitcode::kOk : exitcode::kFailed;
}

}  // namespace

Command SetCommand() {
    return {"set", "edit one channel of an image with the grid's rules",
            "Usage: qm530 set FILE.dat CHANNEL FIELD=TEXT [FIELD=TEXT ...]\n"
            "                 [--band \"LOW - HIGHMHz\"] [--lang en|zh] [--ini PATH]\n"
            "Edits channel CHANNEL (1 to 16) field by field in the order given, with the\n"
            "same rules as the channel grid, then saves the file.\n"
            "Fields:\n"
            "  rx, tx     frequency in MHz (rx= deletes the channel, tx= clears Tx)\n"
            "  dec, enc   tone: None, a CTCSS tone (67.0) or a DCS code (D023N, D023I)\n"
            "  power      High or Low        scan  Yes or No\n"
            "  busy       Off, Carrier or QT/DQT\n"
            "  bw         Wide or Narrow     (the Chinese words are accepted too)\n"
            "A new channel (rx on an empty row) gets None, None, High, No, Off, Wide.\n"
            "Frequencies must lie in the band and on the 5 kHz or 6.25 kHz raster. The band\n"
            "comes from --band, else from the image's model and band in Program.ini\n"
            "(--ini, default the program's own), else anything a channel can hold:\n"
            "10 to 999.99999 MHz (a band wider than that is cut to it).\n"
            "A Tx frequency on a channel without Rx, or a list value on a channel without\n"
            "frequencies, is refused, as the grid would drop it. Only the record of CHANNEL\n"
            "and its scan-add bit change; the bytes of the other channels stay as they are.\n"
            "A refused value prints the reason, exits 1 and leaves the file untouched.\n",
            RunSet};
}

}  // namespace qm530::cli
