#include "cli/channel_fields.h"

#include <algorithm>
#include <regex>

#include "cli/command_util.h"
#include "model/channel_words.h"
#include "model/text.h"
#include "model/tones.h"
#include "settings/product_catalog.h"

namespace qm530::cli {

namespace {

constexpr FieldName kFields[kChannelFieldCount] = {
    {"rx", col::kRx},         {"tx", col::kTx},        {"dec", col::kDecode},
    {"enc", col::kEncode},    {"power", col::kPower},  {"scan", col::kScanAdd},
    {"busy", col::kBusyLock}, {"bw", col::kBandwidth},
};

bool IsToneText(const std::string& text) {
    for (UiLanguage lang : {UiLanguage::English, UiLanguage::Chinese}) {
        const auto table = FillToneTable(lang);
        if (std::find(table.begin(), table.end(), text) != table.end()) return true;
    }
    return false;
}

}  // namespace

const FieldName* ChannelFields() {
    return kFields;
}

int ColumnOfField(const std::string& name) {
    for (const FieldName& f : kFields) {
        if (name == f.name) return f.column;
    }
    return -1;
}

Status AcceptedByList(const std::string& field, int column, const std::string& value) {
    if (column == col::kDecode || column == col::kEncode) {
        if (IsToneText(value)) return Status::Ok();
        return Status::Fail(field + ": '" + Abbreviated(value) +
                            "' is not in the tone list; use None (无), a CTCSS tone from 67.0 to "
                            "254.1 or a DCS code such as D023N or D023I (see 'qm530 tones')");
    }
    const ColumnWords words = ListWordsForColumn(column);
    std::string accepted;
    for (int i = 0; i < words.count; ++i) {
        if (words.items[i].Matches(value)) return Status::Ok();
    }
    for (int i = 0; i < words.count; ++i)
        accepted += std::string(i ? ", " : "") + words.items[i].en;
    for (int i = 0; i < words.count; ++i) {
        if (std::string(words.items[i].zh) != words.items[i].en)
            accepted += std::string(", ") + words.items[i].zh;
    }
    return Status::Fail(field + ": '" + Abbreviated(value) + "' is not one of: " + accepted);
}

Result<BandLimits> BandOption(Context& ctx, const Args& args) {
    const std::string text = args.Value("--band");
    static const std::regex kBand(R"(\s*\d{1,5}\s*-\s*\d{1,5}\s*(MHz)?\s*)", std::regex::icase);
    const BandLimits band = BandLimitsOfText(text);
    if (!std::regex_match(text, kBand) || band.low > band.high) {
        PrintError(ctx.err,
                   "--band takes \"LOW - HIGHMHz\" in whole MHz, as in \"130 - 160MHz\", "
                   "not '" +
                       Abbreviated(text) + "'");
        return Status::Exit(exitcode::kUsage);
    }
    return band;
}

Result<BandLimits> BandOf(Context& ctx, const Args& args, const RadioImage& image) {
    if (args.Has("--band")) return BandOption(ctx, args);
    config::CIniFile ini;
    if (Status loaded = LoadIniOrReport(ctx, args, ini); !loaded) return loaded;
    const settings::ModelAndBand mb =
        settings::ModelAndBandOf(settings::ProductCatalog::Of(ini), image);
    return mb.modelKnown ? BandLimitsOfText(mb.band) : kRecordLimits;
}

}  // namespace qm530::cli
