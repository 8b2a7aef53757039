#include "cli/clone_common.h"
#include "cli/clone_host.h"
#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/fleet.h"
#include "cli/json_value.h"
#include "model/numbers.h"
#include "settings/image_diff.h"

namespace qm530::cli {

namespace {

// Exit codes of diff: 1 means "different", so a file that cannot be read
// counts as trouble, as for diff(1).
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;

const std::string kPortPrefix = "port:";

// The differences as one JSON object.
std::string DiffJson(const settings::ImageDiff& diff) {
    std::string text = "{\n  \"equal\": ";
    text += diff.Equal() ? "true" : "false";
    text += ",\n  \"fields\": [";
    for (std::size_t i = 0; i < diff.fields.size(); ++i) {
        const settings::FieldDifference& d = diff.fields[i];
        text += i ? ",\n    " : "\n    ";
        text += "{\"field\": " + JsonQuote(d.label) + ", \"name\": " + JsonQuote(d.name) +
                ", \"channel\": " + std::to_string(d.channel) +
                ", \"from\": " + JsonQuote(d.before) + ", \"to\": " + JsonQuote(d.after) + "}";
    }
    text += diff.fields.empty() ? "],\n" : "\n  ],\n";
    text += "  \"bytes\": [";
    for (std::size_t i = 0; i < diff.bytes.size(); ++i) {
        const settings::ByteDifference& b = diff.bytes[i];
        text += i ? ",\n    " : "\n    ";
        text += "{\"address\": \"" + CFormatInt("0x%03X", b.address) + "\", \"from\": \"" +
                CFormatInt("0x%02X", b.before) + "\", \"to\": \"" + CFormatInt("0x%02X", b.after) +
                "\"}";
    }
    text += diff.bytes.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return text;
}

// Loads a file, or reads the radio of "port:NAME"; a failure gives the exit code.
Result<RadioImage> LoadSide(Context& ctx, const std::string& source, int retries,
                            const config::CIniFile& ini) {
    if (source.compare(0, kPortPrefix.size(), kPortPrefix) != 0) {
        Result<RadioImage> loaded = LoadImageOrReport(ctx, source);
        return loaded ? loaded : Status::Exit(kTrouble);
    }
    const std::string name = source.substr(kPortPrefix.size());
    if (name.empty()) {
        PrintError(ctx.err, "diff: port: needs a port name, as in port:COM1");
        return Status::Exit(exitcode::kUsage);
    }
    const std::vector<ClonePort> ports{MakeClonePort(name, retries, &ini)};
    RadioImage image = RadioImage::Blank();
    CancelOnSignals cancel;
    const int code = RunFleet(ctx, ports, {}, [&](PortRun& run) {
        return run.Transfer(link::TransferDirection::kRead, "Reading " + name, image);
    });
    if (code != exitcode::kOk) return Status::Exit(code);
    return image;
}

int RunDiff(Context& ctx) {
    auto prepared = PrepareArgs(
        ctx, "diff", {{"--lang", true}, {"--json", false}, {"--ini", true}, {"--retries", true}}, 2,
        2);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const Result<UiLanguage> language = LanguageOrReport(ctx, "diff", args);
    if (!language) return language.status().exitCode();
    std::string error;
    const UiLanguage lang = *language;
    const Result<int> retries = RetriesOption(ctx, args);
    if (!retries) return retries.status().exitCode();
    config::CIniFile ini;
    if (!LoadIniOrReport(ctx, args, ini)) return kTrouble;
    const Result<RadioImage> a = LoadSide(ctx, args.Positional()[0], *retries, ini);
    if (!a) return a.status().exitCode();
    const Result<RadioImage> b = LoadSide(ctx, args.Positional()[1], *retries, ini);
    if (!b) return b.status().exitCode();
    const settings::ImageDiff diff =
        settings::DiffImages(*a, *b, lang, settings::ProductCatalog::Of(ini));
    ctx.out << (args.Has("--json") ? DiffJson(diff) : settings::DiffText(diff, lang));
    return diff.Equal() ? exitcode::kOk : kDifferent;
}

}  // namespace

Command DiffCommand() {
    static const std::string usage =
        "Usage: qm530 diff A B [--lang en|zh] [--json] [--ini PATH] [--retries N]\n"
        "Compares two configurations by what they mean. A and B are .dat files or\n"
        "port:PORT (port:COM1, port:/dev/ttyUSB0) to read that radio first. Prints each\n"
        "field that differs with the texts the channel grid and the settings dialogs show:\n"
        "  channel 3 Rx Frequency: 145.12500 → 146.52000\n"
        "  tot: 60s → 600s\n"
        "  side-key-1: Off → Scan\n"
        "the settings under the names of 'qm530 options', the model and band named by\n"
        "Program.ini; then the bytes that differ and belong to no field.\n"
        "  --lang en|zh  language of the field names and values (default en)\n"
        "  --json        one JSON object: equal, fields (field, name, channel, from, to),\n"
        "                bytes (address, from, to)\n"
        "  --ini PATH    Program.ini naming the models and ports (default: the\n"
        "                program's own)\n"
        "  --retries N   as for 'qm530 read'\n"
        "Exit codes: 0 the same, 1 different, 2 usage error or a file that cannot be\n"
        "read; reading a radio adds 3 port could not be opened, 4 no handshake,\n"
        "5 transfer interrupted, 130 cancelled.\n";
    return {"diff", "compare two configurations field by field", usage.c_str(), RunDiff};
}

}  // namespace qm530::cli
