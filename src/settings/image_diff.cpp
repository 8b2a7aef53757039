#include "settings/image_diff.h"

#include <map>

#include "model/channel_table.h"
#include "model/numbers.h"
#include "settings/optional_features.h"
#include "settings/product_catalog.h"
#include "settings/scan_info.h"
#include "settings/settings_session.h"
#include "settings/side_keys.h"

namespace qm530::settings {

namespace {

// The bits of one address that a field reads.
struct FieldBits {
    int address;
    std::uint8_t mask;
    std::string key;
};

std::string ChannelKey(int channel, int column) {
    return "ch" + std::to_string(channel) + "." + std::to_string(column);
}

// Which bits of which address every field reads.
std::vector<FieldBits> FieldMap() {
    std::vector<FieldBits> map;
    for (int n = 1; n <= kChannelCount; ++n) {
        const int base = 16 * n;
        for (int i = 0; i < 4; ++i) {
            map.push_back({base + i, 0xFF, ChannelKey(n, col::kRx)});
            map.push_back({base + 4 + i, 0xFF, ChannelKey(n, col::kTx)});
        }
        for (int i = 0; i < 2; ++i) {
            map.push_back({base + 8 + i, 0xFF, ChannelKey(n, col::kDecode)});
            map.push_back({base + 10 + i, 0xFF, ChannelKey(n, col::kEncode)});
        }
        map.push_back({base + 12, 0x18, ChannelKey(n, col::kBusyLock)});
        map.push_back({base + 13, 0x20, ChannelKey(n, col::kPower)});
        map.push_back({base + 13, 0x10, ChannelKey(n, col::kBandwidth)});
        const int scanByte = n <= 8 ? addr::kScanAddLow : addr::kScanAddHigh;
        map.push_back({scanByte, static_cast<std::uint8_t>(1u << ((n - 1) % 8)),
                       ChannelKey(n, col::kScanAdd)});
    }
    namespace f = feature_addr;
    namespace s = scan_addr;
    const FieldBits options[] = {
        {f::kVoice, 0xFF, "voice"},
        {f::kTimeOutTimer, 0x7F, "tot"},
        {f::kTotPreAlert, 0x0F, "tot-prealert"},
        {f::kSquelchLevel, 0xFF, "squelch"},
        {f::kBatterySaver, 0x01, "battery-saver"},
        {f::kBeep, 0x01, "beep"},
        {f::kVoxGain, 0x1F, "vox-gain"},
        {f::kVoxDelay, 0x07, "vox-delay"},
        {f::kCallTone, 0xFF, "call-tone"},
        {f::kSquelchTune, 0xFF, "squelch-tune"},
        {sidekey_addr::kKey1, 0xFF, "side-key-1"},
        {sidekey_addr::kKey2, 0xFF, "side-key-2"},
        {s::kPriorityMode, 0xFF, "priority"},
        {s::kPriorityMode, 0xFF, "revert"},  // the revert choices depend on it
        {s::kPriorityChannel, 0xFF, "priority-channel"},
        {s::kLookBackA, 0xFF, "look-back-a"},
        {s::kLookBackB, 0xFF, "look-back-b"},
        {s::kRevertChannel, 0xFF, "revert"},
        {s::kDropoutDelay, 0xFF, "dropout-delay"},
        {s::kDropoutDelay + 1, 0xFF, "dropout-delay"},
        {s::kTxDwell, 0xFF, "tx-dwell"},
        {s::kTxDwell + 1, 0xFF, "tx-dwell"},
        {addr::kProductType, 0xFF, "model"},
        {addr::kProductType, 0xFF, "band"},  // the band list depends on the model
        {addr::kBandIndex, 0xFF, "band"},
    };
    map.insert(map.end(), std::begin(options), std::end(options));
    return map;
}

const Bilingual kChannelWord{"channel", "信道"};
const Bilingual kEmptyWord{"(empty)", "(空)"};
const Bilingual kBytesHeading{"Bytes that differ where no field shows a difference:",
                              "字段未显示差异的不同字节:"};
const Bilingual kEqualText{"The two configurations are the same.", "两个配置相同。"};

std::string Shown(const std::string& text, UiLanguage lang) {
    return text.empty() ? kEmptyWord.In(lang) : text;
}

// The model or band byte as its name, or in hex when Program.ini names no
// such model.
std::string ModelText(const ProductCatalog& catalog, const RadioImage& image, bool band) {
    const ModelAndBand mb = ModelAndBandOf(catalog, image);
    const int byte = image[band ? addr::kBandIndex : addr::kProductType];
    const std::string hex = CFormatInt("0x%02X", byte);
    if (!mb.modelKnown) return hex;
    return (band ? mb.band : mb.model) + " (" + hex + ")";
}

}  // namespace

ImageDiff DiffImages(const RadioImage& a, const RadioImage& b, UiLanguage lang,
                     const ProductCatalog& catalog) {
    ImageDiff diff;
    RadioImage copyA = a;
    RadioImage copyB = b;
    ChannelTable tableA;
    ChannelTable tableB;
    ImageToGrid(copyA, tableA, lang);
    ImageToGrid(copyB, tableB, lang);
    const auto& headers = HeaderTexts();
    for (int n = 1; n <= kChannelCount; ++n) {
        for (int c = col::kRx; c <= col::kBandwidth; ++c) {
            if (tableA.Cell(n, c) == tableB.Cell(n, c)) continue;
            FieldDifference d;
            d.kind = DifferenceKind::kChannelCell;
            d.key = ChannelKey(n, c);
            d.channel = n;
            d.column = c;
            d.name = headers[static_cast<std::size_t>(c)].In(lang);
            d.label = std::string(kChannelWord.In(lang)) + " " + std::to_string(n) + " " + d.name;
            d.before = tableA.Cell(n, c);
            d.after = tableB.Cell(n, c);
            diff.fields.push_back(d);
        }
    }
    const SettingsSession sa(a, lang);
    const SettingsSession sb(b, lang);
    for (const std::string& name : SettingsSession::Names()) {
        const std::string before = sa.Shown(name);
        const std::string after = sb.Shown(name);
        if (before != after)
            diff.fields.push_back(
                {DifferenceKind::kSetting, name, 0, 0, name, name, before, after});
    }
    for (const bool band : {false, true}) {
        const std::string before = ModelText(catalog, a, band);
        const std::string after = ModelText(catalog, b, band);
        const std::string name = band ? "band" : "model";
        if (before != after)
            diff.fields.push_back(
                {DifferenceKind::kSetting, name, 0, 0, name, name, before, after});
    }

    std::map<std::string, bool> shown;
    for (const FieldDifference& d : diff.fields) shown[d.key] = true;
    std::vector<std::uint8_t> fieldBits(kImageSize, 0);
    std::vector<bool> accounted(kImageSize, false);
    for (const FieldBits& f : FieldMap()) {
        const auto i = static_cast<std::size_t>(f.address);
        fieldBits[i] |= f.mask;
        if (shown.count(f.key) != 0 && ((a[i] ^ b[i]) & f.mask) != 0) accounted[i] = true;
    }
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const std::uint8_t changed = a[i] ^ b[i];
        if (changed == 0) continue;
        if ((changed & ~fieldBits[i]) == 0 && accounted[i]) continue;
        diff.bytes.push_back({static_cast<int>(i), a[i], b[i]});
    }
    return diff;
}

std::vector<DiffLine> DiffLines(const ImageDiff& diff, UiLanguage lang) {
    std::vector<DiffLine> lines;
    for (const FieldDifference& d : diff.fields) {
        DiffLine line;
        line.kind = d.kind;
        line.channel = d.channel;
        line.column = d.column;
        line.key = d.key;
        line.text = d.label + ": " + Shown(d.before, lang) + " → " + Shown(d.after, lang);
        lines.push_back(line);
    }
    for (const ByteDifference& b : diff.bytes) {
        DiffLine line;
        line.kind = DifferenceKind::kByte;
        line.address = b.address;
        line.text = CFormatInt("0x%03X: ", b.address) + CFormatInt("0x%02X", b.before) + " → " +
                    CFormatInt("0x%02X", b.after);
        lines.push_back(line);
    }
    return lines;
}

std::string DiffBytesHeading(UiLanguage lang) {
    return kBytesHeading.In(lang);
}

std::string DiffText(const ImageDiff& diff, UiLanguage lang) {
    if (diff.Equal()) return std::string(kEqualText.In(lang)) + "\n";
    std::string text;
    bool headed = false;
    for (const DiffLine& line : DiffLines(diff, lang)) {
        if (line.kind == DifferenceKind::kByte && !headed) {
            text += DiffBytesHeading(lang) + "\n";
            headed = true;
        }
        text += (line.kind == DifferenceKind::kByte ? "  " : "") + line.text + "\n";
    }
    return text;
}

}  // namespace qm530::settings
