#include "model/channel_list_row.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "model/channel_words.h"
#include "model/messages.h"
#include "model/numbers.h"
#include "model/tones.h"

namespace qm530 {

namespace {

using C = ListColumn;

std::string Upper(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A plain decimal number: optional sign, digits with an optional fraction.
bool IsDecimal(const std::string& s) {
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    std::size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

bool IsDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit);
}

std::string Quoted(ListColumn column, const std::string& value) {
    return std::string(ListColumnNames()[static_cast<int>(column)]) + " '" + value + "'";
}

// The grid's text of a CTCSS tone given as "88.5", "88.50" or "100".
Result<std::string> CtcssText(const ChannelList& list, const ChannelList::Row& row,
                              ListColumn column, UiLanguage lang) {
    const std::string value = list.Has(column) ? list.Value(row, column) : "88.5";
    if (value.empty()) {
        return Status::Fail(Say(
            lang,
            {"%1 is empty but the squelch mode needs a tone", "%1 为空，但该静噪方式需要亚音频率"},
            {ListColumnNames()[static_cast<int>(column)]}));
    }
    if (IsDecimal(value)) {
        const double tenths = DecimalScale(CAtof(value), 10.0);
        for (const std::string& t : CtcssTexts()) {
            if (tenths == ScaleToInt(CAtof(t), 10.0)) return t;
        }
    }
    return Status::Fail(Say(lang,
                            {"%1 is not a CTCSS tone of this radio", "%1 不是本机的 CTCSS 亚音"},
                            {Quoted(column, value)}));
}

// The grid's text of a DCS code given as "023" or "23", with the polarity
// letter N or R (R is the grid's I).
Result<std::string> DcsText(const ChannelList& list, const ChannelList::Row& row, ListColumn column,
                            char polarity, UiLanguage lang) {
    std::string value = list.Has(column) ? list.Value(row, column) : "023";
    // Files without RxDtcsCode knew one code for both ways.
    if (column == C::RxDtcsCode && !list.Has(column) && list.Has(C::DtcsCode)) {
        value = list.Value(row, C::DtcsCode);
    }
    if (value.empty()) {
        return Status::Fail(Say(lang,
                                {"%1 is empty but the squelch mode needs a DCS code",
                                 "%1 为空，但该静噪方式需要 DCS 码"},
                                {ListColumnNames()[static_cast<int>(column)]}));
    }
    const int code = IsDigits(value) && value.size() <= 4 ? CAtoi(value) : -1;
    if (code < 0 || DcsValueFromCode(code) < 0) {
        return Status::Fail(Say(lang,
                                {"%1 is not a DCS code of this radio", "%1 不是本机的 DCS 码"},
                                {Quoted(column, value)}));
    }
    return CFormatInt(polarity == 'N' ? "D%03dN" : "D%03dI", code);
}

// Decode and encode tones from the squelch mode and its columns.
Status ReadTones(const ChannelList& list, const ChannelList::Row& row, UiLanguage lang,
                 ListedChannel& ch) {
    const std::string none = NoToneText().In(lang);
    ch.decode = none;
    ch.encode = none;
    const std::string mode = Upper(list.Value(row, C::Tone));
    std::string polarity = Upper(list.Value(row, C::DtcsPolarity));
    if (polarity.empty()) polarity = "NN";
    auto dcs = [&](ListColumn column, int way) -> Result<std::string> {
        if (polarity.size() != 2 || (polarity[0] != 'N' && polarity[0] != 'R') ||
            (polarity[1] != 'N' && polarity[1] != 'R')) {
            return Status::Fail(Say(lang,
                                    {"%1 is not two letters N or R (NN, NR, RN, RR)",
                                     "%1 不是两个字母 N 或 R（NN、NR、RN、RR）"},
                                    {Quoted(C::DtcsPolarity, list.Value(row, C::DtcsPolarity))}));
        }
        return DcsText(list, row, column, polarity[static_cast<std::size_t>(way)], lang);
    };
    // Puts a tone text read into its field of the channel.
    auto store = [](Result<std::string> text, std::string& field) -> Status {
        if (!text) return text.status();
        field = std::move(*text);
        return Status::Ok();
    };
    constexpr int kTx = 0;
    constexpr int kRx = 1;
    if (mode.empty()) return Status::Ok();
    if (mode == "TONE") return store(CtcssText(list, row, C::rToneFreq, lang), ch.encode);
    if (mode == "TSQL") {
        if (Status s = store(CtcssText(list, row, C::cToneFreq, lang), ch.decode); !s) return s;
        ch.encode = ch.decode;
        return Status::Ok();
    }
    if (mode == "DTCS") {
        if (Status s = store(dcs(C::DtcsCode, kTx), ch.encode); !s) return s;
        return store(dcs(C::DtcsCode, kRx), ch.decode);
    }
    if (mode == "TSQL-R" || mode == "DTCS-R") {
        return Status::Fail(Say(
            lang, {"%1: reverse squelch has no equivalent in this radio", "%1：本机没有反向静噪"},
            {Quoted(C::Tone, list.Value(row, C::Tone))}));
    }
    if (mode != "CROSS") {
        return Status::Fail(Say(lang,
                                {"%1 is not a squelch mode (empty, Tone, TSQL, DTCS, Cross)",
                                 "%1 不是静噪方式（空、Tone、TSQL、DTCS、Cross）"},
                                {Quoted(C::Tone, list.Value(row, C::Tone))}));
    }
    std::string cross = Upper(list.Value(row, C::CrossMode));
    if (cross.empty()) cross = "TONE->TONE";
    const auto arrow = cross.find("->");
    if (arrow == std::string::npos) {
        return Status::Fail(
            Say(lang,
                {"%1 is not a cross mode such as Tone->DTCS", "%1 不是 Tone->DTCS 这样的交叉方式"},
                {Quoted(C::CrossMode, list.Value(row, C::CrossMode))}));
    }
    const std::string tx = cross.substr(0, arrow);
    const std::string rx = cross.substr(arrow + 2);
    const bool known = (tx.empty() || tx == "TONE" || tx == "DTCS") &&
                       (rx.empty() || rx == "TONE" || rx == "DTCS") &&
                       !(tx.empty() && rx.empty()) && !(tx == "TONE" && rx.empty());
    if (!known) {
        return Status::Fail(
            Say(lang, {"%1 is not a cross mode this radio knows", "%1 不是本机支持的交叉方式"},
                {Quoted(C::CrossMode, list.Value(row, C::CrossMode))}));
    }
    if (tx == "TONE") {
        if (Status s = store(CtcssText(list, row, C::rToneFreq, lang), ch.encode); !s) return s;
    } else if (tx == "DTCS") {
        if (Status s = store(dcs(C::DtcsCode, kTx), ch.encode); !s) return s;
    }
    if (rx == "TONE") return store(CtcssText(list, row, C::cToneFreq, lang), ch.decode);
    if (rx == "DTCS") return store(dcs(C::RxDtcsCode, kRx), ch.decode);
    return Status::Ok();
}

// A frequency value in MHz, checked to be a number.
Result<std::string> FrequencyValue(const ChannelList& list, const ChannelList::Row& row,
                                   ListColumn column, UiLanguage lang) {
    std::string value = list.Value(row, column);
    if (value.empty() && column == C::Offset) value = "0";
    if (!IsDecimal(value)) {
        return Status::Fail(Say(lang, {"%1 is not a number in MHz", "%1 不是以 MHz 为单位的数"},
                                {Quoted(column, value)}));
    }
    return value;
}

Status ReadTx(const ChannelList& list, const ChannelList::Row& row, UiLanguage lang,
              ListedChannel& ch) {
    const std::string duplex = Upper(list.Value(row, C::Duplex));
    if (duplex.empty()) {
        ch.tx = ch.rx;
        return Status::Ok();
    }
    if (duplex == "OFF") {
        ch.tx.clear();
        return Status::Ok();
    }
    if (duplex == "SPLIT") {
        const Result<std::string> split = FrequencyValue(list, row, C::Offset, lang);
        if (!split) return split.status();
        ch.tx = *split;
        return Status::Ok();
    }
    if (duplex != "+" && duplex != "-") {
        return Status::Fail(Say(
            lang,
            {"%1 is not one of: empty, +, -, split, off", "%1 不是以下之一：空、+、-、split、off"},
            {Quoted(C::Duplex, list.Value(row, C::Duplex))}));
    }
    const Result<std::string> offset = FrequencyValue(list, row, C::Offset, lang);
    if (!offset) return offset.status();
    const std::int64_t rx = FrequencyUnitsOfText(ch.rx);
    const std::int64_t off = FrequencyUnitsOfText(*offset);
    const std::int64_t tx =
        std::clamp<std::int64_t>(duplex == "+" ? rx + off : rx - off, INT_MIN / 2, INT_MAX / 2);
    ch.tx = FormatFrequency(static_cast<int>(tx));
    return Status::Ok();
}

Status ReadPower(const ChannelList& list, const ChannelList::Row& row, UiLanguage lang,
                 ListedChannel& ch) {
    const std::string value = list.Value(row, C::Power);
    const std::string upper = Upper(value);
    if (upper.empty() || upper == "HIGH") {
        ch.power = words::kHigh.In(lang);
        return Status::Ok();
    }
    if (upper == "LOW") {
        ch.power = words::kLow.In(lang);
        return Status::Ok();
    }
    std::string watts = upper;
    if (!watts.empty() && watts.back() == 'W') watts.pop_back();
    while (!watts.empty() && watts.back() == ' ') watts.pop_back();
    if (!IsDecimal(watts) || watts[0] == '-') {
        return Status::Fail(
            Say(lang,
                {"%1 is not High, Low or a power in watts", "%1 不是 High、Low 或以瓦为单位的功率"},
                {Quoted(C::Power, value)}));
    }
    ch.power = (CAtof(watts) >= 2.0 ? words::kHigh : words::kLow).In(lang);
    return Status::Ok();
}

Status ReadFlags(const ChannelList& list, const ChannelList::Row& row, UiLanguage lang,
                 ListedChannel& ch) {
    const std::string mode = Upper(list.Value(row, C::Mode));
    if (mode.empty() || mode == "FM") {
        ch.bandwidth = words::kWide.In(lang);
    } else if (mode == "NFM") {
        ch.bandwidth = words::kNarrow.In(lang);
    } else {
        return Status::Fail(Say(lang,
                                {"%1 has no equivalent in this radio (FM or NFM)",
                                 "%1 在本机中没有对应的方式（FM 或 NFM）"},
                                {Quoted(C::Mode, list.Value(row, C::Mode))}));
    }
    const std::string skip = Upper(list.Value(row, C::Skip));
    if (skip.empty() || skip == "P") {
        ch.scanAdd = words::kYes.In(lang);
        if (skip == "P") {
            ch.notes.push_back(Say(lang, {"Skip P (priority scan) is taken as in the scan list",
                                          "Skip P（优先扫描）按加入扫描处理"}));
        }
    } else if (skip == "S") {
        ch.scanAdd = words::kNo.In(lang);
    } else {
        return Status::Fail(Say(lang,
                                {"%1 is not one of: empty, S, P", "%1 不是以下之一：空、S、P"},
                                {Quoted(C::Skip, list.Value(row, C::Skip))}));
    }
    return ReadPower(list, row, lang, ch);
}

// "146.520000": six decimals from 10 Hz units.
std::string Mhz6(int units) {
    const bool negative = units < 0;
    const long long u = negative ? -static_cast<long long>(units) : units;
    return (negative ? "-" : "") + std::to_string(u / 100000) + "." +
           CFormatInt("%05d", static_cast<int>(u % 100000)) + "0";
}

// A grid tone text as the list sees it.
struct ListTone {
    enum Kind { None, Ctcss, Dcs } kind = None;
    std::string value;  // "88.5" or "023"
    char polarity = 'N';
};

ListTone ListToneOf(const std::string& text) {
    ListTone t;
    if (text.empty() || NoToneText().Matches(text)) return t;
    const auto d = text.find('D');
    if (d == std::string::npos) {
        t.kind = ListTone::Ctcss;
        t.value = text;
        return t;
    }
    // As the tone codec reads it: the number after the first character, N for normal.
    const std::string rest = text.substr(1);
    t.kind = ListTone::Dcs;
    t.value = CFormatInt("%03d", std::max(0, CAtoi(rest)));
    t.polarity = rest.find('N') != std::string::npos ? 'N' : 'R';
    return t;
}

}  // namespace

Result<ListedChannel> ReadListedChannel(const ChannelList& list, const ChannelList::Row& row,
                                        UiLanguage lang) {
    const Result<std::string> rx = FrequencyValue(list, row, C::Frequency, lang);
    if (!rx) return rx.status();
    ListedChannel ch;
    ch.rx = *rx;
    if (Status s = ReadTx(list, row, lang, ch); !s) return s;
    if (Status s = ReadTones(list, row, lang, ch); !s) return s;
    if (Status s = ReadFlags(list, row, lang, ch); !s) return s;
    return ch;
}

std::vector<std::string> ListFieldsOfChannel(const ChannelTable& table, int n) {
    std::vector<std::string> f(kListColumnCount);
    auto set = [&f](ListColumn c, std::string v) { f[static_cast<int>(c)] = std::move(v); };
    set(C::Location, std::to_string(n));
    const int rx = FrequencyUnitsOfText(table.Cell(n, col::kRx));
    const bool hasTx = !table.Cell(n, col::kTx).empty();
    const int tx = FrequencyUnitsOfText(table.Cell(n, col::kTx));
    set(C::Frequency, Mhz6(rx));
    const long long diff = static_cast<long long>(tx) - rx;
    if (!hasTx) {
        set(C::Duplex, "off");
        set(C::Offset, Mhz6(0));
    } else if (diff == 0) {
        set(C::Offset, Mhz6(0));
    } else if (diff > -10000000 && diff < 10000000) {
        set(C::Duplex, diff > 0 ? "+" : "-");
        set(C::Offset, Mhz6(static_cast<int>(diff > 0 ? diff : -diff)));
    } else {
        set(C::Duplex, "split");
        set(C::Offset, Mhz6(tx));
    }

    // The unused tone columns hold the usual placeholders.
    std::string rTone = "88.5", cTone = "88.5", txCode = "023", rxCode = "023";
    std::string cross = "Tone->Tone", mode;
    char txPol = 'N', rxPol = 'N';
    const ListTone enc = ListToneOf(table.Cell(n, col::kEncode));
    const ListTone dec = ListToneOf(table.Cell(n, col::kDecode));
    if (enc.kind == ListTone::Ctcss) rTone = enc.value;
    if (dec.kind == ListTone::Ctcss) cTone = dec.value;
    if (enc.kind == ListTone::Dcs) {
        txCode = enc.value;
        txPol = enc.polarity;
    }
    if (dec.kind == ListTone::Dcs) {
        rxCode = dec.value;
        rxPol = dec.polarity;
    }
    if (enc.kind == ListTone::None && dec.kind == ListTone::None) {
        // no tone either way
    } else if (enc.kind == ListTone::Ctcss && dec.kind == ListTone::None) {
        mode = "Tone";
    } else if (enc.kind == ListTone::Ctcss && dec.kind == ListTone::Ctcss &&
               enc.value == dec.value) {
        mode = "TSQL";
    } else if (enc.kind == ListTone::Dcs && dec.kind == ListTone::Dcs && enc.value == dec.value) {
        mode = "DTCS";
        rxCode = "023";
    } else {
        mode = "Cross";
        const char* side[] = {"", "Tone", "DTCS"};
        cross = std::string(side[enc.kind]) + "->" + side[dec.kind];
        // Cross modes carry the transmit code in DtcsCode, the receive code in RxDtcsCode.
    }
    set(C::Tone, mode);
    set(C::rToneFreq, rTone);
    set(C::cToneFreq, cTone);
    set(C::DtcsCode, txCode);
    set(C::DtcsPolarity, std::string{txPol, rxPol});
    set(C::RxDtcsCode, mode == "DTCS" ? "023" : rxCode);
    set(C::CrossMode, cross);
    set(C::Mode, words::kWide.Matches(table.Cell(n, col::kBandwidth)) ? "FM" : "NFM");
    const bool fiveKhz = rx % 500 == 0 && (!hasTx || tx % 500 == 0);
    set(C::TStep, fiveKhz ? "5.00" : "6.25");
    set(C::Skip, words::kYes.Matches(table.Cell(n, col::kScanAdd)) ? "" : "S");
    set(C::Power, words::kHigh.Matches(table.Cell(n, col::kPower)) ? "High" : "Low");
    return f;
}

}  // namespace qm530
