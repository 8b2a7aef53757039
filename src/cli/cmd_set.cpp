#include "cli/channel_fields.h"
#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "model/cell_commit.h"
#include "model/channel_records.h"
#include "model/channel_table.h"
#include "model/list_values.h"
#include "model/messages.h"
#include "model/text.h"
#include "model/typed_number.h"

namespace qm530::cli {

namespace {

// The grid drops a Tx frequency on a row without an Rx frequency and a list
// value on a row with neither; the tool says so instead.
// Ok, or a failure saying why the grid would drop the value.
Status KeptByGrid(const ChannelTable& table, int row, int column, const std::string& value) {
    const bool noRx = table.Cell(row, col::kRx).empty();
    const bool noTx = table.Cell(row, col::kTx).empty();
    if (column == col::kRx) return Status::Ok();
    if (column == col::kTx) {
        if (value.empty() || !noRx) return Status::Ok();
        return Status::Fail("the channel has no Rx frequency (give rx= first)");
    }
    if (!noRx || !noTx) return Status::Ok();
    return Status::Fail("the channel is not programmed (give rx= first)");
}

int RunSet(Context& ctx) {
    auto prepared = PrepareArgs(
        ctx, "set", {{"--band", true}, {"--lang", true}, {"--ini", true}, {"--force", false}}, 3,
        100);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const Result<UiLanguage> language = LanguageOrReport(ctx, "set", args);
    if (!language) return language.status().exitCode();
    const UiLanguage lang = *language;
    const auto& pos = args.Positional();
    const std::string& path = pos[0];
    const Result<int> channelArg = ChannelArgOrReport(ctx, "set", pos[1]);
    if (!channelArg) return channelArg.status().exitCode();
    const int channel = *channelArg;
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
            PrintError(ctx.err, "set: unknown field in '" + Abbreviated(pos[i]) +
                                    "'; fields are rx, tx, dec, enc, power, scan, busy, bw");
            return exitcode::kUsage;
        }
        edits.push_back({field, column, pos[i].substr(eq + 1)});
    }

    const bool force = args.Has("--force");
    // Held from the read to the save, so that two editing commands never
    // interleave and lose an update.
    const Result<FileLock> lock = LockOrReport(ctx, "set", path);
    if (!lock) return lock.status().exitCode();
    Result<RadioImage> loaded = LoadForChangeOrReport(ctx, "set", path, force);
    if (!loaded) return loaded.status().exitCode();
    RadioImage& image = *loaded;
    const Result<BandLimits> bandOf = BandOf(ctx, args, image);
    if (!bandOf) return bandOf.status().exitCode();
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
        if (const Status kept = KeptByGrid(table, channel, e.column, e.value); !kept) {
            PrintError(ctx.err, "set: " + e.field + "=" + Abbreviated(e.value) + " on channel " +
                                    std::to_string(channel) +
                                    " would not be kept: " + kept.detail());
            return exitcode::kFailed;
        }
        const CommitOutcome outcome = CommitCellText(table, channel, e.column, e.value, band, lang);
        if (outcome.rejected()) {
            // Text after the number: say so rather than name the raster.
            const Result<std::string> typed = TypedFrequency(e.value);
            PrintError(ctx.err, "set: " + e.field + "=" + Abbreviated(e.value) + ": " +
                                    (typed ? std::string(MessageText(outcome.messageId, lang))
                                           : typed.detail()));
            return exitcode::kFailed;
        }
    }
    // The other channels keep their bytes exactly, whatever a re-encoding
    // would make of them.
    StoreChannel(table, channel, image);
    return SaveImageOrReport(ctx, path, image, force).exitCode();
}

}  // namespace

Command SetCommand() {
    return {"set", "edit one channel of an image with the grid's rules",
            "Usage: qm530 set FILE.dat CHANNEL FIELD=TEXT [FIELD=TEXT ...]\n"
            "                 [--band \"LOW - HIGHMHz\"] [--lang en|zh] [--ini PATH] [--force]\n"
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
            "A refused value prints the reason, exits 1 and leaves the file untouched.\n"
            "A file longer than a radio image (1024 bytes) is refused: saving would cut it;\n"
            "--force edits its first 1024 bytes and saves those.\n",
            RunSet};
}

}  // namespace qm530::cli
