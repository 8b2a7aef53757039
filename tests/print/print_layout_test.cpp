#include "print/print_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

namespace qm530::print {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

ChannelTable GridWith(std::initializer_list<int> channels) {
    ChannelTable grid;
    grid.WriteLabels(UiLanguage::English);
    for (int ch : channels) {
        grid.SetCell(ch, col::kRx, "14" + std::to_string(ch) + ".12500");
        grid.SetCell(ch, col::kTx, "15" + std::to_string(ch) + ".50000");
        grid.SetCell(ch, col::kDecode, "67.0");
        grid.SetCell(ch, col::kEncode, "D023N");
        grid.SetCell(ch, col::kPower, "Low");
        grid.SetCell(ch, col::kScanAdd, "Yes");
        grid.SetCell(ch, col::kBusyLock, "Carrier");
        grid.SetCell(ch, col::kBandwidth, "Narrow");
    }
    return grid;
}

ChannelTable GridWithRange(int first, int last, int skip = 0) {
    ChannelTable grid;
    for (int ch = first; ch <= last; ++ch) {
        if (ch != skip) grid.SetCell(ch, col::kRx, "145.00000");
    }
    return grid;
}

std::vector<std::string> Values(const RadioImage& image, UiLanguage lang = UiLanguage::English) {
    std::vector<std::string> v;
    for (const OptionRow& r : OptionRows(image, lang)) v.push_back(r.value);
    return v;
}

const Text* FindText(const Page& page, const std::string& text) {
    const auto it = std::find_if(page.texts.begin(), page.texts.end(),
                                 [&](const Text& t) { return t.text == text; });
    return it == page.texts.end() ? nullptr : &*it;
}

// A printable area with C = 170 twips, L1 = 401 and L2 = 333.
PageMetrics Metrics() {
    PageMetrics m;
    m.area = {15840, 11220};
    m.largeLine = 401;
    m.smallLine = 333;
    return m;
}

TEST(PrintPages, CountIsOneOptionsPagePlusOnePerSevenChannels) {
    EXPECT_EQ(PageCount(ChannelTable{}), 1);
    EXPECT_EQ(PageCount(GridWithRange(1, 7)), 2);
    EXPECT_EQ(PageCount(GridWithRange(1, 8)), 3);
    EXPECT_EQ(PageCount(GridWithRange(1, 16)), 4);
    // Only the Rx cell decides whether a channel is programmed.
    ChannelTable txOnly;
    txOnly.SetCell(3, col::kTx, "145.00000");
    EXPECT_EQ(PageCount(txOnly), 1);
}

TEST(PrintPages, ProgrammedChannelsAreSplitInChannelOrder) {
    const ChannelTable sixteen = GridWithRange(1, 16);
    EXPECT_THAT(ChannelsOnPage(sixteen, 1), IsEmpty());
    EXPECT_THAT(ChannelsOnPage(sixteen, 2), ElementsAre(1, 2, 3, 4, 5, 6, 7));
    EXPECT_THAT(ChannelsOnPage(sixteen, 3), ElementsAre(8, 9, 10, 11, 12, 13, 14));
    EXPECT_THAT(ChannelsOnPage(sixteen, 4), ElementsAre(15, 16));
    EXPECT_THAT(ChannelsOnPage(sixteen, 5), IsEmpty());

    EXPECT_THAT(ChannelsOnPage(GridWithRange(1, 8), 3), ElementsAre(8));

    const ChannelTable gaps = GridWith({1, 2, 3, 10, 11});
    EXPECT_EQ(PageCount(gaps), 2);
    EXPECT_THAT(ChannelsOnPage(gaps, 2), ElementsAre(1, 2, 3, 10, 11));

    const ChannelTable noFour = GridWithRange(1, 16, 4);
    EXPECT_EQ(PageCount(noFour), 4);
    EXPECT_THAT(ChannelsOnPage(noFour, 3), ElementsAre(9, 10, 11, 12, 13, 14, 15));
    EXPECT_THAT(ChannelsOnPage(noFour, 4), ElementsAre(16));
}

TEST(PrintOptions, NewDocumentValues) {
    const RadioImage image = RadioImage::Default();
    EXPECT_THAT(Values(image),
                ElementsAre("60s", "8", "4", "On", "5", "1.0", "Off", "On", "Chinese", "On", "On"));
    std::vector<std::string> labels;
    for (const OptionRow& r : OptionRows(image, UiLanguage::English)) labels.push_back(r.label);
    EXPECT_THAT(labels,
                ElementsAre("Time Out Timer:", "TOT Pre-Alert:", "Sequelch Level:", "Beep:",
                            "Vox Gain Level:", "Vox Delay Time:", "Call Tone:", "Battery Saver:",
                            "Voice Annunciation:", "VOX Function:", "Scan Function:"));
}

TEST(PrintOptions, DecodingOfEveryField) {
    RadioImage image = RadioImage::Default();
    image[0x130] = 0xFF;  // only the low six bits count
    image[0x131] = 0xF0;  // v = 0 prints -1
    image[0x134] = 0xF9;
    image[0x136] = 0xFE;
    image[0x13A] = 0xE0;  // gain 0: Off
    image[0x13B] = 0xFD;  // 5: 3.0
    image[0x3F1] = 0xFF;  // the whole byte
    image[0x135] = 0x02;
    image[0x12F] = 0xFE;  // 2: English
    image[0x3C7] = 0x01;  // VOX on, scan off
    EXPECT_THAT(Values(image), ElementsAre("945s", "-1", "9", "Off", "Off", "3.0", "255", "Off",
                                           "English", "On", "Off"));

    image[0x131] = 0x01;
    image[0x13A] = 0x1F;
    image[0x12F] = 0x03;
    image[0x3C7] = 0x02;
    image[0x3F1] = 0x00;
    const auto v = Values(image);
    EXPECT_EQ(v[1], "Off");
    EXPECT_EQ(v[4], "31");
    EXPECT_EQ(v[6], "Off");
    EXPECT_EQ(v[8], "English");
    EXPECT_EQ(v[9], "Off");
    EXPECT_EQ(v[10], "On");

    const char* delays[] = {"0.3", "0.5", "1.0", "1.5", "2.0", "3.0", "3.0", "3.0"};
    for (int d = 0; d < 8; ++d) {
        image[0x13B] = static_cast<std::uint8_t>(d);
        EXPECT_EQ(Values(image)[5], delays[d]) << d;
    }
    image[0x12F] = 0x00;
    EXPECT_EQ(Values(image)[8], "Off");
}

TEST(PrintOptions, ChineseLabelsKeepEnglishNumbers) {
    RadioImage image = RadioImage::Default();
    const auto rows = OptionRows(image, UiLanguage::Chinese);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[0].label, "超时定时器:");
    EXPECT_EQ(rows[2].label, "静噪电平:");
    EXPECT_EQ(rows[10].label, "扫描功能:");
    EXPECT_THAT(Values(image, UiLanguage::Chinese),
                ElementsAre("60s", "8", "4", "开", "5", "1.0", "关", "开", "中文", "开", "开"));
    image[0x12F] = 2;
    EXPECT_EQ(Values(image, UiLanguage::Chinese)[8], "英文");

    PrintData data;
    data.lang = UiLanguage::Chinese;
    data.owner = "测试者";
    const Page page = LayOutPage(data, 1, Metrics());
    EXPECT_NE(FindText(page, "可选功能"), nullptr);
    EXPECT_NE(FindText(page, "功能"), nullptr);
    EXPECT_NE(FindText(page, "Page 1 of 1"), nullptr);
    EXPECT_NE(FindText(page, "测试者"), nullptr);
}

TEST(PrintFonts, HeightsAndWidthsFollowTheArea) {
    const PageFonts f = FontsForArea({16119, 11180});
    EXPECT_EQ(f.large.height, 358);  // 16119 / 45
    EXPECT_EQ(f.large.width, 169);   // 11180 / 66
    EXPECT_EQ(f.small.height, 286);  // trunc(286.4)
    EXPECT_EQ(f.small.width, 135);   // trunc(135.2)
    EXPECT_EQ(&f.Of(FontKind::Small), &f.small);
}

TEST(PrintLayout, FrameAndOptionsPagePositions) {
    PrintData data;
    data.owner = "Owner";
    const PageMetrics m = Metrics();
    const Page page = LayOutPage(data, 1, m);
    EXPECT_EQ(page.fonts.large.height, 352);
    // Rules from 5C to 60C; the last at L1/2 - 36 L1 with L1/2 = 200.
    EXPECT_THAT(page.rules, ElementsAre(Rule{850, 10200, -852}, Rule{850, 10200, -922},
                                        Rule{850, 10200, -14236}));

    EXPECT_EQ(page.texts.front(), (Text{1020, -401, "Option", FontKind::Large}));
    EXPECT_EQ(page.texts[1], (Text{1020, -1332, "Function", FontKind::Small}));
    // Row k = 5 (Time Out Timer) to k = 15 (Scan Function).
    EXPECT_EQ(page.texts[2], (Text{1530, -1665, "Time Out Timer:", FontKind::Small}));
    EXPECT_EQ(page.texts[3], (Text{5950, -1665, "60s", FontKind::Small}));
    EXPECT_EQ(page.texts[22], (Text{1530, -4995, "Scan Function:", FontKind::Small}));
    // Footer after the body, with the small font, at -36 L1.
    ASSERT_EQ(page.texts.size(), 26u);
    EXPECT_EQ(page.texts[24], (Text{1700, -14436, "Owner", FontKind::Small}));
    EXPECT_EQ(page.texts[25], (Text{7650, -14436, "Page 1 of 1", FontKind::Small}));
}

TEST(PrintLayout, ChannelBlocksAreSpacedByFivePointSevenLines) {
    PrintData data;
    data.grid = GridWith({1, 2, 3, 10, 11});
    const PageMetrics m = Metrics();
    const Page page = LayOutPage(data, 2, m);
    // Title, five blocks of 1 + 4 x 4 texts, footer.
    ASSERT_EQ(page.texts.size(), 1u + 5u * 17u + 2u);
    EXPECT_EQ(page.texts.front(), (Text{1020, -401, "Channel", FontKind::Large}));

    // Block n = 3 (channel 10): y = -(4 + j) L2 - trunc(5.7 * 3 * 333) = -(4 + j) 333 - 5694.
    const Text* head = FindText(page, "Channel 10:");
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->x, 680);
    EXPECT_EQ(head->y, -1332 - 5694);
    const Text* rx = FindText(page, "1410.12500");
    ASSERT_NE(rx, nullptr);
    EXPECT_EQ(rx->x, 3740);
    EXPECT_EQ(rx->y, -1665 - 5694);
    const std::size_t i = static_cast<std::size_t>(head - page.texts.data());
    EXPECT_EQ(page.texts[i + 1], (Text{850, -1665 - 5694, "Receive Frequency:", FontKind::Small}));
    EXPECT_EQ(page.texts[i + 3],
              (Text{6120, -1665 - 5694, "Transceive Frequency:", FontKind::Small}));
    EXPECT_EQ(page.texts[i + 4], (Text{9350, -1665 - 5694, "1510.50000", FontKind::Small}));
    EXPECT_EQ(page.texts[i + 16], (Text{9350, -2664 - 5694, "Narrow", FontKind::Small}));
    // Block n = 1 (channel 2): trunc(5.7 * 333) = 1898.
    EXPECT_EQ(FindText(page, "Channel 2:")->y, -1332 - 1898);
    EXPECT_EQ(page.texts.back().text, "Page 2 of 2");
}

TEST(PrintLayout, ChineseChannelPage) {
    PrintData data;
    data.lang = UiLanguage::Chinese;
    data.grid = GridWithRange(1, 16);
    const Page page = LayOutPage(data, 4, Metrics());
    EXPECT_NE(FindText(page, "信道"), nullptr);
    EXPECT_NE(FindText(page, "信道15:"), nullptr);
    EXPECT_NE(FindText(page, "信道16:"), nullptr);
    EXPECT_EQ(FindText(page, "信道14:"), nullptr);
    EXPECT_NE(FindText(page, "扫描开关:"), nullptr);
    EXPECT_EQ(page.texts.back().text, "Page 4 of 4");
}

}  // namespace
}  // namespace qm530::print
