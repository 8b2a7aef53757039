#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/json_value.h"
#include "cli/text_table.h"
#include "config/data_dirs.h"
#include "link/backup_store.h"
#include "model/dat_file.h"
#include "model/numbers.h"
#include "settings/product_catalog.h"

namespace qm530::cli {

namespace {

// What a backup's list line shows besides its name.
struct Shown {
    std::string model;
    std::string band;
    std::string channels;
    std::string problem;  // why the file is not a radio image; empty when it is one
};

Shown ShownOf(const link::BackupEntry& entry, const settings::ProductCatalog& catalog) {
    Shown shown;
    if (!entry.loaded) {
        shown.model = shown.band = shown.channels = "-";
        shown.problem = OpenFailureSentence(entry.loaded, UiLanguage::English);
        return shown;
    }
    const settings::ModelAndBand mb =
        settings::ModelAndBandOf(catalog, entry.productType, entry.bandIndex);
    shown.model = mb.modelKnown ? mb.model : CFormatInt("0x%02X", entry.productType);
    shown.band = mb.modelKnown ? mb.band : CFormatInt("0x%02X", entry.bandIndex);
    shown.channels = std::to_string(entry.programmedChannels);
    return shown;
}

void PrintJson(std::ostream& out, const std::vector<link::BackupEntry>& entries,
               const settings::ProductCatalog& catalog) {
    out << "[";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const link::BackupEntry& e = entries[i];
        const Shown shown = ShownOf(e, catalog);
        out << (i ? ",\n " : "\n ") << "{\"file\": " << JsonQuote(e.fileName)
            << ", \"path\": " << JsonQuote(e.path) << ", \"time\": " << JsonQuote(e.DateTime())
            << ", \"port\": " << JsonQuote(e.port);
        if (e.loaded) {
            out << ", \"model\": " << JsonQuote(shown.model)
                << ", \"band\": " << JsonQuote(shown.band) << ", \"model_byte\": " << e.productType
                << ", \"band_byte\": " << e.bandIndex << ", \"channels\": " << e.programmedChannels;
        } else {
            out << ", \"model\": null, \"band\": null, \"model_byte\": null, \"band_byte\": null, "
                   "\"channels\": null";
        }
        out << ", \"problem\": " << JsonQuote(shown.problem) << "}";
    }
    out << (entries.empty() ? "]\n" : "\n]\n");
}

void PrintText(std::ostream& out, const std::vector<link::BackupEntry>& entries,
               const settings::ProductCatalog& catalog, const std::string& folder) {
    if (entries.empty()) {
        out << "No backups in " << folder << ".\n";
        return;
    }
    std::vector<std::vector<std::string>> rows{
        {"date and time", "port", "model", "band", "channels", "file"}};
    for (const link::BackupEntry& e : entries) {
        const Shown shown = ShownOf(e, catalog);
        std::string file = e.fileName;
        if (!shown.problem.empty()) file += " (" + shown.problem + ")";
        rows.push_back({e.DateTime(), e.port, shown.model, shown.band, shown.channels, file});
    }
    PrintAligned(out, rows);
}

int RunBackups(Context& ctx) {
    auto prepared =
        PrepareArgs(ctx, "backups", {{"--json", false}, {"--path", false}, {"--ini", true}}, 0, 0);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const link::BackupStore store = link::BackupStore::InUserDataDir(config::CurrentUserDataDir());
    if (store.Folder().empty()) {
        PrintError(ctx.err, std::string("backups: ") + link::backuptext::kNoDataFolder.en);
        return exitcode::kFailed;
    }
    if (args.Has("--path")) {
        ctx.out << store.Folder() << '\n';
        return exitcode::kOk;
    }
    config::CIniFile ini;
    if (!LoadIniOrReport(ctx, args, ini)) return exitcode::kFailed;
    const settings::ProductCatalog catalog = settings::ProductCatalog::Of(ini);
    const std::vector<link::BackupEntry> entries = store.List();
    if (args.Has("--json")) {
        PrintJson(ctx.out, entries, catalog);
    } else {
        PrintText(ctx.out, entries, catalog, store.Folder());
    }
    return exitcode::kOk;
}

}  // namespace

Command BackupsCommand() {
    return {"backups", "list the backups of the radios read",
            "Usage: qm530 backups [--json] [--path] [--ini PATH]\n"
            "Lists the backups, newest first. Every read that completes, in the desktop\n"
            "program or with 'qm530 read', 'verify', 'diff port:PORT', 'write --verify' or\n"
            "'write --backup', keeps the radio's memory as a .dat file in\n"
            "$XDG_DATA_HOME/qm530/backups/ (default ~/.local/share/qm530/backups/), named\n"
            "by the date, the time and the port: 20250501-140322-COM1.dat. The newest 500\n"
            "are kept. Each line shows the date and time, the port, the model and band and\n"
            "the number of programmed channels. A backup is an ordinary .dat file: every\n"
            "command opens it.\n"
            "  --json        one JSON array of backups, newest first, empty when none\n"
            "  --path        print the backup folder and nothing else\n"
            "  --ini PATH    settings file naming the models (default: the program's own)\n",
            RunBackups};
}

}  // namespace qm530::cli
