#include "model/tones.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qm530 {
namespace {

TEST(ToneTable, HoldsNoneCtcssAndBothDcsPolarities) {
    const auto en = FillToneTable(UiLanguage::English);
    ASSERT_EQ(en.size(), 265u);
    EXPECT_EQ(en[0], "None");
    EXPECT_EQ(en[1], "67.0");
    EXPECT_EQ(en[50], "254.1");
    EXPECT_EQ(en[51], "D017N");
    EXPECT_EQ(en[157], "D754N");
    EXPECT_EQ(en[158], "D017I");
    EXPECT_EQ(en[264], "D754I");
    for (const char* t : {"D050N", "D645N"}) {
        EXPECT_NE(std::find(en.begin(), en.end(), t), en.end()) << t;
    }
    EXPECT_EQ(FillToneTable(UiLanguage::Chinese)[0], "无");
}

TEST(ToneWord, WorkedEncodings) {
    struct Case {
        const char* text;
        std::uint8_t low, high;
    } cases[] = {
        {"None", 0xFF, 0xFF},  {"无", 0xFF, 0xFF},    {"", 0xFF, 0xFF},      {"67.0", 0x9E, 0x02},
        {"88.5", 0x75, 0x03},  {"254.1", 0xED, 0x09}, {"D023N", 0x13, 0x28}, {"D371I", 0xF9, 0xA8},
        {"D411N", 0x09, 0x29}, {"D754I", 0xEC, 0xA9}, {"D024N", 0x00, 0x28}, {"junk", 0xFF, 0xFF},
    };
    for (const Case& c : cases) {
        const ToneWord w = TextToToneWord(c.text);
        EXPECT_EQ(w.low, c.low) << c.text;
        EXPECT_EQ(w.high, c.high) << c.text;
    }
    EXPECT_EQ(TextToToneWord("D023N").low, TextToToneWord("D023I").low);
}

TEST(ToneWord, Decoding) {
    const auto en = UiLanguage::English;
    EXPECT_EQ(ToneWordToText({0x9E, 0x02}, false, en), "67.0");
    EXPECT_EQ(ToneWordToText({0x12, 0x00}, false, en), "None");
    EXPECT_EQ(ToneWordToText({0x12, 0x00}, true, en), "");
    EXPECT_EQ(ToneWordToText({0xFF, 0xFF}, false, UiLanguage::Chinese), "无");
    EXPECT_EQ(ToneWordToText({0x13, 0x29}, false, en), "D423N");
    EXPECT_EQ(ToneWordToText({0x13, 0x28}, false, en), "D023N");
    EXPECT_EQ(ToneWordToText({0x13, 0xA8}, true, en), "D023I");  // shown on an empty row too
    EXPECT_EQ(ToneWordToText({0x14, 0x28}, false, en), "D000N");
    EXPECT_EQ(ToneWordToText({0x23, 0x01}, false, en), "29.1");
    EXPECT_EQ(ToneWordToText({0xE8, 0x03}, false, en), "100.0");
}

TEST(ToneWord, EveryTableEntryRoundTrips) {
    const auto table = FillToneTable(UiLanguage::English);
    for (std::size_t i = 1; i < table.size(); ++i) {
        const ToneWord w = TextToToneWord(table[i]);
        EXPECT_EQ(ToneWordToText(w, false, UiLanguage::English), table[i]);
    }
    // Each CTCSS text encodes to ten times its value.
    for (std::size_t i = 1; i <= 50; ++i) {
        const ToneWord w = TextToToneWord(table[i]);
        EXPECT_EQ(w.high * 256 + w.low, static_cast<int>(std::stod(table[i]) * 10 + 0.5));
    }
}

TEST(DcsCodes, OctalCorrespondenceRestrictedToTheList) {
    const std::pair<int, int> worked[] = {{0x00F, 17},  {0x013, 23},  {0x028, 50}, {0x0F9, 371},
                                          {0x109, 411}, {0x1A5, 645}, {0x1EC, 754}};
    for (auto [value, code] : worked) {
        EXPECT_EQ(DcsCodeFromValue(value), code);
        EXPECT_EQ(DcsValueFromCode(code), value);
    }
    int listed = 0;
    for (int v = 0; v < 512; ++v) listed += DcsCodeFromValue(v) != 0;
    EXPECT_EQ(listed, 107);
    EXPECT_EQ(DcsCodeFromValue(0x014), 0);
    EXPECT_EQ(DcsValueFromCode(24), -1);

    RadioImage img = RadioImage::Blank();
    WriteDcsCode(img, 754, 1, 8);
    EXPECT_EQ(img[0x18], 0xEC);
    EXPECT_EQ(img[0x19], 0xFF);  // the high byte is the caller's
    WriteDcsCode(img, 999, 1, 8);
    EXPECT_EQ(img[0x18], 0x00);
    img[0x18] = 0x13;
    img[0x19] = 0x29;
    EXPECT_EQ(ReadDcsCode(img, 0x13, 1, 8), 423);
}

}  // namespace
}  // namespace qm530
