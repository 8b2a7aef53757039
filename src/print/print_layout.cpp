#include "print/print_layout.h"

#include <algorithm>
#include <cstdint>

#include "model/numbers.h"
#include "model/option_words.h"

namespace qm530::print {

namespace {

constexpr Bilingual kOptionTitle{"Option", "可选功能"};
constexpr Bilingual kFunctionHeading{"Function", "功能"};
constexpr Bilingual kChannelTitle{"Channel", "信道"};
constexpr Bilingual kChannelNumber{"Channel %d:", "信道%d:"};

// Options page rows start at line 5 of the small font.
constexpr int kFirstOptionLine = 5;

constexpr Bilingual kOptionLabels[] = {
    {"Time Out Timer:", "超时定时器:"},   {"TOT Pre-Alert:", "超时定时器预警:"},
    {"Sequelch Level:", "静噪电平:"},     {"Beep:", "提示音:"},
    {"Vox Gain Level:", "声控增益电平:"}, {"Vox Delay Time:", "声控延时时间:"},
    {"Call Tone:", "呼叫铃音:"},          {"Battery Saver:", "电池省电:"},
    {"Voice Annunciation:", "语音报号:"}, {"VOX Function:", "声控功能:"},
    {"Scan Function:", "扫描功能:"},
};

// Lines 1-4 of a channel block: label at 5C, value at 22C, label at 36C, value at 55C.
struct ChannelLine {
    Bilingual leftLabel;
    int leftColumn;
    Bilingual rightLabel;
    int rightColumn;
};
constexpr ChannelLine kChannelLines[] = {
    {{"Receive Frequency:", "接收频率:"},
     col::kRx,
     {"Transceive Frequency:", "发射频率:"},
     col::kTx},
    {{"QT/DQT Decode:", "QT/DQT解码:"},
     col::kDecode,
     {"QT/DQT Encode:", "QT/DQT编码:"},
     col::kEncode},
    {{"Power:", "功率:"}, col::kPower, {"Scan:", "扫描开关:"}, col::kScanAdd},
    {{"Channel Lock:", "信道锁定:"}, col::kBusyLock, {"W/N:", "宽/窄:"}, col::kBandwidth},
};

std::string OnOff(bool on, UiLanguage lang) {
    return (on ? words::kOn : words::kOff).In(lang);
}

// The printout reads three bits of Vox Delay Time and two of Voice
// Annunciation; codes past the last word print as the last word.
template <typename List>
const auto& WordOrLast(const List& list, int code) {
    return list[std::min(static_cast<std::size_t>(code), list.size() - 1)];
}

std::string NumberOrOff(int value, UiLanguage lang) {
    return value == 0 ? std::string(words::kOff.In(lang)) : CFormatInt("%d", value);
}

void LayOutOptions(const PrintData& data, const PageMetrics& m, Page& page) {
    const int c = m.Column();
    const int l1 = m.largeLine;
    const int l2 = m.smallLine;
    page.texts.push_back({6 * c, -l1, kOptionTitle.In(data.lang), FontKind::Large});
    page.texts.push_back({6 * c, -4 * l2, kFunctionHeading.In(data.lang), FontKind::Small});
    int k = kFirstOptionLine;
    for (const OptionRow& row : OptionRows(data.image, data.lang)) {
        page.texts.push_back({9 * c, -k * l2, row.label, FontKind::Small});
        page.texts.push_back({35 * c, -k * l2, row.value, FontKind::Small});
        ++k;
    }
}

void LayOutChannels(const PrintData& data, int pageNumber, const PageMetrics& m, Page& page) {
    const int c = m.Column();
    const int l2 = m.smallLine;
    page.texts.push_back({6 * c, -m.largeLine, kChannelTitle.In(data.lang), FontKind::Large});
    int n = 0;
    for (const int channel : ChannelsOnPage(data.grid, pageNumber)) {
        // The block spacing of 5.7 lines is taken in floating point and truncated.
        const int blockTop = static_cast<int>(5.7 * n * l2);
        const auto lineY = [&](int j) { return -(4 + j) * l2 - blockTop; };
        page.texts.push_back(
            {4 * c, lineY(0), CFormatInt(kChannelNumber.In(data.lang), channel), FontKind::Small});
        int j = 1;
        for (const ChannelLine& line : kChannelLines) {
            const int y = lineY(j++);
            page.texts.push_back({5 * c, y, line.leftLabel.In(data.lang), FontKind::Small});
            page.texts.push_back(
                {22 * c, y, data.grid.Cell(channel, line.leftColumn), FontKind::Small});
            page.texts.push_back({36 * c, y, line.rightLabel.In(data.lang), FontKind::Small});
            page.texts.push_back(
                {55 * c, y, data.grid.Cell(channel, line.rightColumn), FontKind::Small});
        }
        ++n;
    }
}

}  // namespace

PageFonts FontsForArea(const PrintableArea& area) {
    PageFonts f;
    f.large = {area.height / 45, area.width / 66};
    f.small = {static_cast<int>(f.large.height * 0.8), static_cast<int>(f.large.width * 0.8)};
    return f;
}

int PageCount(const ChannelTable& grid) {
    const int programmed = grid.ProgrammedCount();
    return 1 + (programmed + kChannelsPerPage - 1) / kChannelsPerPage;
}

std::vector<int> ChannelsOnPage(const ChannelTable& grid, int page) {
    std::vector<int> channels;
    if (page < 2) return channels;
    const int first = kChannelsPerPage * (page - 2);  // index among the programmed channels
    int index = 0;
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!grid.IsProgrammed(row)) continue;
        if (index >= first && index < first + kChannelsPerPage) channels.push_back(row);
        ++index;
    }
    return channels;
}

std::vector<OptionRow> OptionRows(const RadioImage& image, UiLanguage lang) {
    const auto byte = [&](int address) -> int { return image[static_cast<std::size_t>(address)]; };
    const int preAlert = byte(0x131) & 0x0F;
    const std::string values[] = {
        CFormatInt("%ds", (byte(0x130) & 0x3F) * 15),
        preAlert == 1 ? std::string(words::kOff.In(lang)) : CFormatInt("%d", preAlert - 1),
        CFormatInt("%d", byte(0x134) & 0x0F),
        OnOff(byte(0x136) & 1, lang),
        NumberOrOff(byte(0x13A) & 0x1F, lang),
        WordOrLast(words::kVoxDelayTimes, byte(0x13B) & 7),
        NumberOrOff(byte(0x3F1), lang),
        OnOff(byte(0x135) & 1, lang),
        WordOrLast(words::kVoiceAnnunciation, byte(0x12F) & 3).In(lang),
        OnOff(byte(0x3C7) & 1, lang),
        OnOff(byte(0x3C7) & 2, lang),
    };
    std::vector<OptionRow> rows;
    for (std::size_t i = 0; i < std::size(kOptionLabels); ++i) {
        rows.push_back({kOptionLabels[i].In(lang), values[i]});
    }
    return rows;
}

Page LayOutPage(const PrintData& data, int pageNumber, const PageMetrics& m) {
    Page page;
    page.fonts = FontsForArea(m.area);
    const int c = m.Column();
    const int l1 = m.largeLine;
    page.rules = {
        {5 * c, 60 * c, -2 * l1 - 50},
        {5 * c, 60 * c, -2 * l1 - 120},
        {5 * c, 60 * c, l1 / 2 - 36 * l1},
    };
    if (pageNumber == 1) {
        LayOutOptions(data, m, page);
    } else {
        LayOutChannels(data, pageNumber, m, page);
    }
    const int footerY = -36 * l1;
    page.texts.push_back({10 * c, footerY, data.owner, FontKind::Small});
    // "Page %d of %d", in English in both languages.
    const std::string footer =
        CFormatInt("Page %d", pageNumber) + CFormatInt(" of %d", PageCount(data.grid));
    page.texts.push_back({45 * c, footerY, footer, FontKind::Small});
    return page;
}

}  // namespace qm530::print
