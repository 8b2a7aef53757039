#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>

#include "cli/channel_fields.h"
#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/configuration_json.h"
#include "cli/text_table.h"
#include "model/channel_import.h"
#include "model/channel_list.h"
#include "model/channel_records.h"

namespace qm530::cli {

namespace {

// The header is checked as soon as it is in, so that an endless input of
// something else (/dev/zero, `yes`) is refused at once.
Status CheckStart(std::string_view start, bool json) {
    if (json) {
        const auto first = start.find_first_not_of(" \t\r\n");
        if (first == std::string_view::npos || start[first] == '{') return Status::Ok();
        return Status::Fail("this is no JSON configuration: it does not start with '{'");
    }
    const auto end = start.find_first_of("\r\n");
    const Result<ChannelList> header = ReadChannelList(start.substr(0, end));
    return header ? Status::Ok() : header.status();
}

// Reads IN (or standard input for "-") up to kMaxChannelListBytes.
Result<std::string> ReadInput(Context& ctx, const std::string& path, bool json) {
    const bool standardInput = path == "-";
    std::ifstream file;
    if (!standardInput) {
        file.open(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
        if (!file) {
            PrintError(ctx.err, "import: " + path + ": cannot open the file for reading");
            return Status::Exit(exitcode::kFailed);
        }
    }
    std::istream& in = standardInput ? std::cin : file;
    std::string text;
    bool started = false;
    Status status = Status::Ok();
    char buffer[65536];
    for (;;) {
        in.read(buffer, sizeof buffer);
        const std::streamsize n = in.gcount();
        if (in.bad()) {
            status = Status::Fail("read error");
            break;
        }
        if (n > 0) text.append(buffer, static_cast<std::size_t>(n));
        const bool ended = n == 0 || in.eof();
        if (!started && (ended || text.find_first_of("\r\n") != std::string::npos ||
                         text.size() >= sizeof buffer)) {
            started = true;
            status = CheckStart(text, json);
            if (!status) break;
        }
        if (ended) break;
        if (text.size() > kMaxChannelListBytes) {
            status = Status::Fail("longer than " + std::to_string(kMaxChannelListBytes >> 20) +
                                  " MiB; no channel list is that long");
            break;
        }
    }
    if (status) return text;
    PrintError(ctx.err, "import: " + path + ": " + status.detail() + "; nothing imported");
    return Status::Exit(exitcode::kFailed);
}

const char* OutcomeWord(ImportOutcome o) {
    switch (o) {
        case ImportOutcome::New:
            return "new";
        case ImportOutcome::Changed:
            return "changed";
        case ImportOutcome::Unchanged:
            return "unchanged";
        case ImportOutcome::Refused:
            return "refused";
        case ImportOutcome::Skipped:
            return "skipped";
        case ImportOutcome::Cleared:
            return "cleared";
    }
    return "";
}

// The old and new grid rows of a channel, aligned; empty cells show as '-',
// an empty channel as (empty).
void PrintRows(Context& ctx, const ImportEntry& e) {
    std::vector<std::vector<std::string>> rows;
    for (const auto* row : {&e.before, &e.after}) {
        std::vector<std::string> cells{row == &e.before ? "    old" : "    new"};
        if ((*row)[col::kRx].empty()) {
            cells.push_back("(empty)");
            rows.push_back(std::move(cells));
            continue;
        }
        for (int c = 1; c < kTableCols; ++c) {
            const std::string& t = (*row)[static_cast<std::size_t>(c)];
            cells.push_back(t.empty() ? "-" : t);
        }
        rows.push_back(std::move(cells));
    }
    PrintAligned(ctx.out, rows);
}

void PrintPlan(Context& ctx, const ImportPlan& plan) {
    for (const ImportEntry& e : plan.entries) {
        const std::string line = "line " + std::to_string(e.line);
        for (const std::string& note : e.notes) ctx.out << line << ": note: " << note << '\n';
        switch (e.outcome) {
            case ImportOutcome::Refused:
            case ImportOutcome::Skipped:
                ctx.out << line << ": " << OutcomeWord(e.outcome) << ": " << e.reason << '\n';
                break;
            case ImportOutcome::Cleared:
                ctx.out << "channel " << e.channel << ": cleared (no row names it)\n";
                PrintRows(ctx, e);
                break;
            case ImportOutcome::Unchanged:
                ctx.out << "channel " << e.channel << " (" << line << "): unchanged\n";
                break;
            case ImportOutcome::New:
            case ImportOutcome::Changed:
                ctx.out << "channel " << e.channel << " (" << line
                        << "): " << OutcomeWord(e.outcome) << '\n';
                PrintRows(ctx, e);
                break;
        }
    }
    ctx.out << plan.Count(ImportOutcome::New) << " new, " << plan.Count(ImportOutcome::Changed)
            << " changed, " << plan.Count(ImportOutcome::Unchanged) << " unchanged, "
            << plan.Count(ImportOutcome::Cleared) << " cleared, "
            << plan.Count(ImportOutcome::Refused) << " refused, "
            << plan.Count(ImportOutcome::Skipped) << " skipped\n";
}

// --start: a channel 1 to 16; 0 for anything else.
int StartOption(const Args& args) {
    const std::string v = args.Value("--start", "1");
    if (v.empty() || v.size() > 2 || v.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const int start = std::stoi(v);
    return start >= 1 && start <= kChannelCount ? start : 0;
}

// Applies the JSON configuration to `image` (edited in place) and says how
// much changed.
Status ImportJson(Context& ctx, const Args& args, UiLanguage lang, const std::string& text,
                  RadioImage& image) {
    config::CIniFile ini;
    if (Status loaded = LoadIniOrReport(ctx, args, ini); !loaded) return loaded;
    std::optional<BandLimits> band;
    if (args.Has("--band")) {
        const Result<BandLimits> given = BandOption(ctx, args);
        if (!given) return given.status();
        band = *given;
    }
    RadioImage result = image;
    if (const Status s = ApplyConfigurationJson(text, ini, band, lang, result); !s) {
        PrintError(ctx.err,
                   "import: " + args.Positional()[1] + ": " + s.detail() + "; nothing written");
        return Status::Exit(exitcode::kFailed);
    }
    int changed = 0;
    for (std::size_t a = 0; a < kImageSize; ++a) changed += result[a] != image[a] ? 1 : 0;
    ctx.out << "configuration accepted: " << changed << " bytes "
            << (args.Has("--dry-run") ? "would change\n" : "changed\n");
    image = result;
    return Status::Ok();
}

int RunImport(Context& ctx) {
    auto prepared = PrepareArgs(ctx, "import",
                                {{"--renumber", false},
                                 {"--start", true},
                                 {"--clear-others", false},
                                 {"--skip-bad", false},
                                 {"--dry-run", false},
                                 {"--band", true},
                                 {"--lang", true},
                                 {"--ini", true},
                                 {"--format", true},
                                 {"--force", false}},
                                2, 2);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const Result<UiLanguage> language = LanguageOrReport(ctx, "import", args);
    if (!language) return language.status().exitCode();
    const UiLanguage lang = *language;
    const std::string format = args.Value("--format", "csv");
    if (format != "csv" && format != "json") {
        PrintError(ctx.err, "import: --format takes csv or json, not '" + format + "'");
        return exitcode::kUsage;
    }
    ImportChoices choices;
    choices.renumber = args.Has("--renumber");
    choices.clearOthers = args.Has("--clear-others");
    if (args.Has("--start") && !choices.renumber) {
        PrintError(ctx.err, "import: --start goes with --renumber");
        return exitcode::kUsage;
    }
    choices.start = StartOption(args);
    if (choices.start == 0) {
        PrintError(ctx.err, "import: --start takes a channel 1 to 16");
        return exitcode::kUsage;
    }
    const auto& pos = args.Positional();
    const std::string& path = pos[0];
    const bool force = args.Has("--force");
    // Held from the read to the save, so that two editing commands never
    // interleave and lose an update.
    const Result<FileLock> lock = LockOrReport(ctx, "import", path);
    if (!lock) return lock.status().exitCode();
    Result<RadioImage> loaded = LoadForChangeOrReport(ctx, "import", path, force);
    if (!loaded) return loaded.status().exitCode();
    RadioImage& image = *loaded;
    const Result<std::string> input = ReadInput(ctx, pos[1], format == "json");
    if (!input) return input.status().exitCode();
    const std::string& text = *input;
    const bool dryRun = args.Has("--dry-run");

    if (format == "json") {
        if (const Status s = ImportJson(ctx, args, lang, text, image); !s) return s.exitCode();
        if (dryRun) return exitcode::kOk;
        return SaveImageOrReport(ctx, path, image, force).exitCode();
    }

    const Result<ChannelList> read = ReadChannelList(text);
    if (!read) {
        PrintError(ctx.err, "import: " + pos[1] + ": " + read.detail() + "; nothing imported");
        return exitcode::kFailed;
    }
    const ChannelList& list = *read;
    const Result<BandLimits> bandOf = BandOf(ctx, args, image);
    if (!bandOf) return bandOf.status().exitCode();
    const BandLimits band = *bandOf;
    ChannelTable table;
    table.WriteLabels(lang);
    ImageToGrid(image, table, lang);
    const ImportPlan plan = PlanChannelImport(list, table, band, lang, choices);
    PrintPlan(ctx, plan);
    if (plan.Refuses() && !args.Has("--skip-bad")) {
        PrintError(ctx.err, "import: " + std::to_string(plan.Count(ImportOutcome::Refused)) +
                                " row(s) refused; nothing written (--skip-bad imports the "
                                "good rows)");
        return exitcode::kFailed;
    }
    if (dryRun) {
        ctx.out << "dry run: " << path << " not written\n";
        return exitcode::kOk;
    }
    const ChannelTable before = table;
    ApplyImportPlan(plan, table, band, lang);
    StoreChangedChannels(before, table, image);
    return SaveImageOrReport(ctx, path, image, force).exitCode();
}

}  // namespace

Command ImportCommand() {
    return {"import", "put a CSV channel list (or a JSON configuration) into an image",
            "Usage: qm530 import FILE.dat IN.csv [--renumber [--start N]] [--clear-others]\n"
            "                    [--skip-bad] [--dry-run] [--band \"LOW - HIGHMHz\"] [--force]\n"
            "                    [--lang en|zh] [--ini PATH] [--format csv|json]\n"
            "Reads a CSV channel list in the column set programming tools share (UTF-8, a\n"
            "header line naming the columns, at least Frequency) and puts its rows into the\n"
            "channels with the rules of the channel grid: band, 5 kHz / 6.25 kHz raster,\n"
            "the tone table; a new channel gets the grid's defaults, a programmed one keeps\n"
            "its busy lock. Every row is checked first; the listing shows, per channel that\n"
            "changes, its old and new row as the grid shows them ('-' for an empty cell),\n"
            "and per refused or skipped row its line number and reason.\n"
            "Row Location n goes to channel n (n+1 when the list counts from 0); rows\n"
            "outside 1 to 16 are skipped. IN - reads standard input.\n"
            "  --renumber      put the rows into consecutive channels in file order\n"
            "  --start N       the first channel for --renumber (default 1)\n"
            "  --clear-others  empty the channels no row names\n"
            "  --skip-bad      import the good rows even when some are refused (without it\n"
            "                  any refused row exits 1 and leaves the file untouched)\n"
            "  --dry-run       check and list, write nothing\n"
            "  --band          band limits, as for 'qm530 set' (default: the image's model\n"
            "                  and band in Program.ini, --ini, else 10 to 999.99999 MHz)\n"
            "  --lang en|zh    language of the grid words (default en)\n"
            "  --format json   read a configuration written by 'qm530 export --format json'\n"
            "                  with the rules of 'set' and 'option', all or nothing\n",
            RunImport};
}

}  // namespace qm530::cli
