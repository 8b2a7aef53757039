#include "cli/configuration_json.h"

#include <algorithm>

#include "cli/channel_fields.h"
#include "cli/json_value.h"
#include "model/cell_commit.h"
#include "model/channel_records.h"
#include "model/channel_table.h"
#include "model/messages.h"
#include "model/text.h"
#include "model/typed_number.h"
#include "settings/product_catalog.h"
#include "settings/settings_session.h"

namespace qm530::cli {

namespace {

int IndexIn(const std::vector<std::string>& list, const std::string& name) {
    const auto it = std::find(list.begin(), list.end(), name);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

// A byte given as a name of `list` or as a number 0 to 255.
Status ByteOf(const JsonValue& v, const char* member, const std::vector<std::string>& list,
              std::uint8_t& byte) {
    if (v.kind == JsonValue::Kind::String) {
        const int i = IndexIn(list, v.text);
        if (i < 0 || i > 255) {
            return Status::Fail(std::string(member) + ": '" + v.text +
                                "' is not listed in Program.ini");
        }
        byte = static_cast<std::uint8_t>(i);
        return Status::Ok();
    }
    const bool digits =
        v.kind == JsonValue::Kind::Number && !v.text.empty() && v.text.size() <= 3 &&
        std::all_of(v.text.begin(), v.text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || std::stoi(v.text) > 255) {
        return Status::Fail(std::string(member) + " must be a name or a number 0 to 255");
    }
    byte = static_cast<std::uint8_t>(std::stoi(v.text));
    return Status::Ok();
}

Status ApplyChannel(const JsonValue& ch, std::size_t position, ChannelTable& table,
                    const BandLimits& band, UiLanguage lang) {
    const std::string where = "channels[" + std::to_string(position) + "]";
    if (ch.kind != JsonValue::Kind::Object) return Status::Fail(where + " is not an object");
    int n = static_cast<int>(position) + 1;
    if (const JsonValue* c = ch.Find("channel")) {
        const bool ok = c->kind == JsonValue::Kind::Number && c->text.size() <= 2 &&
                        std::all_of(c->text.begin(), c->text.end(),
                                    [](char d) { return d >= '0' && d <= '9'; });
        n = ok ? std::stoi(c->text) : 0;
        if (n < 1 || n > kChannelCount) return Status::Fail(where + ": channel must be 1 to 16");
    }
    const std::string label = "channel " + std::to_string(n);
    for (const auto& [name, value] : ch.members) {
        if (name != "channel" && ColumnOfField(name) < 0) {
            return Status::Fail(label + ": unknown field '" + name +
                                "'; fields are rx, tx, dec, enc, power, scan, busy, bw");
        }
        if (value.kind != JsonValue::Kind::String && name != "channel") {
            return Status::Fail(label + ": " + name + " must be a string");
        }
    }
    const FieldName* fields = ChannelFields();
    for (int i = 0; i < kChannelFieldCount; ++i) {
        const JsonValue* v = ch.Find(fields[i].name);
        if (v == nullptr) continue;
        const int column = fields[i].column;
        // A field that shows this text already is left as it is, whatever
        // the memory under it holds.
        if (v->text == table.Cell(n, column)) continue;
        // Nothing can be set on an empty row; an empty rx empties the channel.
        if (column != col::kRx && !table.IsProgrammed(n)) continue;
        if (column != col::kRx && column != col::kTx) {
            if (const Status listed = AcceptedByList(fields[i].name, column, v->text); !listed)
                return Status::Fail(label + ": " + listed.detail());
        }
        const CommitOutcome out = CommitCellText(table, n, column, v->text, band, lang);
        if (out.rejected()) {
            const Result<std::string> typed = TypedFrequency(v->text);
            return Status::Fail(
                label + ": " + fields[i].name + "=" + Abbreviated(v->text) + ": " +
                (typed ? std::string(MessageText(out.messageId, lang)) : typed.detail()));
        }
    }
    return Status::Ok();
}

// The memory as 64 rows of 16 bytes in hex, the way a hex dump shows it.
constexpr std::size_t kMemoryRowBytes = 16;

std::string MemoryRow(const RadioImage& image, std::size_t row) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = row * kMemoryRowBytes; i < (row + 1) * kMemoryRowBytes; ++i) {
        text += kDigits[image[i] >> 4];
        text += kDigits[image[i] & 0x0F];
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The "memory" member back into an image.
Result<RadioImage> MemoryOf(const JsonValue& memory) {
    const std::size_t rows = kImageSize / kMemoryRowBytes;
    const Status wrong =
        Status::Fail("memory must be an array of " + std::to_string(rows) + " strings of " +
                     std::to_string(2 * kMemoryRowBytes) + " hex digits");
    if (memory.kind != JsonValue::Kind::Array || memory.items.size() != rows) return wrong;
    RadioImage image;
    for (std::size_t row = 0; row < rows; ++row) {
        const JsonValue& line = memory.items[row];
        if (line.kind != JsonValue::Kind::String || line.text.size() != 2 * kMemoryRowBytes)
            return wrong;
        for (std::size_t i = 0; i < kMemoryRowBytes; ++i) {
            const int high = HexDigit(line.text[2 * i]);
            const int low = HexDigit(line.text[2 * i + 1]);
            if (high < 0 || low < 0) return wrong;
            image[row * kMemoryRowBytes + i] = static_cast<std::uint8_t>(high * 16 + low);
        }
    }
    return image;
}

// Sets the settings that differ from what the session shows, in their
// listing order, so that priority comes before the priority channel and
// revert it resets. A setting that already shows the value is left alone,
// so that a dialog nothing changes in does not store its fields again.
Status SetDifferingOptions(const JsonValue& options, settings::SettingsSession& session,
                           UiLanguage lang, const RadioImage& image) {
    const settings::SettingsSession other(
        image, lang == UiLanguage::English ? UiLanguage::Chinese : UiLanguage::English);
    for (const std::string& name : settings::SettingsSession::Names()) {
        const JsonValue* v = options.Find(name);
        if (v == nullptr || v->text == session.Shown(name) || v->text == other.Shown(name))
            continue;
        if (const Status set = session.Set(name, v->text); !set)
            return Status::Fail("options: " + set.detail());
    }
    return Status::Ok();
}

}  // namespace

std::string ConfigurationJson(const RadioImage& image, const config::CIniFile& ini,
                              UiLanguage lang) {
    const settings::ProductCatalog catalog = settings::ProductCatalog::Of(ini);
    const int type = image[addr::kProductType];
    const int bandIndex = image[addr::kBandIndex];
    const std::vector<std::string> models = settings::ModelList(catalog);
    const std::vector<std::string> bands = settings::BandList(catalog, type);
    // A name only where it leads back to the same byte.
    const bool modelNamed =
        type < static_cast<int>(models.size()) && IndexIn(models, models[type]) == type;
    const bool bandNamed = modelNamed && bandIndex < static_cast<int>(bands.size()) &&
                           IndexIn(bands, bands[bandIndex]) == bandIndex;
    std::string out = "{\n";
    out += "  \"model\": " + (modelNamed ? JsonQuote(models[type]) : std::to_string(type)) + ",\n";
    out += "  \"band\": " + (bandNamed ? JsonQuote(bands[bandIndex]) : std::to_string(bandIndex)) +
           ",\n";

    RadioImage copy = image;
    ChannelTable table;
    ImageToGrid(copy, table, lang);
    out += "  \"channels\": [\n";
    const FieldName* fields = ChannelFields();
    for (int n = 1; n <= kChannelCount; ++n) {
        out += "    {\"channel\": " + std::to_string(n);
        for (int i = 0; i < kChannelFieldCount; ++i) {
            out += std::string(", \"") + fields[i].name +
                   "\": " + JsonQuote(table.Cell(n, fields[i].column));
        }
        out += n < kChannelCount ? "},\n" : "}\n";
    }
    out += "  ],\n  \"options\": {\n";
    const settings::SettingsSession session(image, lang);
    const auto& names = settings::SettingsSession::Names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        out += "    " + JsonQuote(names[i]) + ": " + JsonQuote(session.Shown(names[i])) +
               (i + 1 < names.size() ? ",\n" : "\n");
    }
    out += "  },\n  \"memory\": [\n";
    for (std::size_t row = 0; row < kImageSize / kMemoryRowBytes; ++row) {
        out += "    \"" + MemoryRow(image, row) + "\"" +
               (row + 1 < kImageSize / kMemoryRowBytes ? ",\n" : "\n");
    }
    out += "  ]\n}\n";
    return out;
}

Status ApplyConfigurationJson(std::string_view text, const config::CIniFile& ini,
                              const std::optional<BandLimits>& band, UiLanguage lang,
                              RadioImage& image) {
    const settings::ProductCatalog catalog = settings::ProductCatalog::Of(ini);
    const Result<JsonValue> parsed = ParseJson(text);
    if (!parsed) return parsed.status();
    const JsonValue& doc = *parsed;
    if (doc.kind != JsonValue::Kind::Object) {
        return Status::Fail("the JSON text is not an object");
    }
    for (const auto& [name, value] : doc.members) {
        (void)value;
        if (name != "model" && name != "band" && name != "channels" && name != "options" &&
            name != "memory") {
            return Status::Fail("unknown member '" + name +
                                "'; members are model, band, channels, options, memory");
        }
    }
    RadioImage result = image;
    if (const JsonValue* memory = doc.Find("memory")) {
        const Result<RadioImage> base = MemoryOf(*memory);
        if (!base) return base.status();
        result = *base;
    }
    if (const JsonValue* m = doc.Find("model")) {
        if (Status s =
                ByteOf(*m, "model", settings::ModelList(catalog), result[addr::kProductType]);
            !s)
            return s;
    }
    if (const JsonValue* b = doc.Find("band")) {
        if (Status s = ByteOf(*b, "band", settings::BandList(catalog, result[addr::kProductType]),
                              result[addr::kBandIndex]);
            !s)
            return s;
    }

    if (const JsonValue* channels = doc.Find("channels")) {
        if (channels->kind != JsonValue::Kind::Array || channels->items.size() > kChannelCount) {
            return Status::Fail("channels must be an array of at most 16 objects");
        }
        BandLimits limits = kRecordLimits;
        if (band) {
            limits = *band;
        } else if (const settings::ModelAndBand mb = settings::ModelAndBandOf(catalog, result);
                   mb.modelKnown) {
            limits = BandLimitsOfText(mb.band);
        }
        ChannelTable table;
        table.WriteLabels(lang);
        ImageToGrid(result, table, lang);
        const ChannelTable before = table;
        for (std::size_t i = 0; i < channels->items.size(); ++i) {
            if (Status s = ApplyChannel(channels->items[i], i, table, limits, lang); !s) return s;
        }
        StoreChangedChannels(before, table, result);
    }

    if (const JsonValue* options = doc.Find("options")) {
        if (options->kind != JsonValue::Kind::Object) {
            return Status::Fail("options must be an object of NAME: VALUE");
        }
        for (const auto& [name, value] : options->members) {
            if (!settings::SettingsSession::IsName(name)) {
                return Status::Fail("options: unknown setting '" + name + "'");
            }
            if (value.kind != JsonValue::Kind::String) {
                return Status::Fail("options: " + name + " must be a string");
            }
        }
        settings::SettingsSession session(result, lang);
        if (const Status set = SetDifferingOptions(*options, session, lang, result); !set)
            return set;
        if (const Status stored = session.Store(result); !stored)
            return Status::Fail("options: " + stored.detail());
    }
    image = result;
    return Status::Ok();
}

}  // namespace qm530::cli
