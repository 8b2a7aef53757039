#include <gtest/gtest.h>

#include "model/channel_table.h"
#include "model/tones.h"

namespace qm530 {
namespace {

constexpr auto kEn = UiLanguage::English;

void SetRecord(RadioImage& img, int ch, std::initializer_list<std::uint8_t> bytes) {
    int i = 0;
    for (std::uint8_t b : bytes) img[ch * 16 + i++] = b;
}

ChannelTable Decode(RadioImage& img, UiLanguage lang = kEn) {
    ChannelTable t;
    ImageToGrid(img, t, lang);
    return t;
}

TEST(FrequencyCodec, BcdLeastSignificantPairFirst) {
    RadioImage img = RadioImage::Blank();
    WriteFrequency(img, 0x10, 14512500);
    EXPECT_EQ(img[0x10], 0x00);
    EXPECT_EQ(img[0x11], 0x25);
    EXPECT_EQ(img[0x12], 0x51);
    EXPECT_EQ(img[0x13], 0x14);
    EXPECT_EQ(FrequencyText(img, 0x10), "145.12500");
    WriteFrequency(img, 0x10, 43800625);
    EXPECT_EQ(img[0x10], 0x25);
    EXPECT_EQ(img[0x11], 0x06);
    EXPECT_EQ(img[0x12], 0x80);
    EXPECT_EQ(img[0x13], 0x43);
    WriteFrequency(img, 0x10, FrequencyUnitsOfText("136.0125"));
    EXPECT_EQ(img[0x10], 0x50);
    EXPECT_EQ(img[0x11], 0x12);
    EXPECT_EQ(img[0x12], 0x60);
    EXPECT_EQ(img[0x13], 0x13);
    WriteFrequency(img, 0x10, 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(img[0x10 + i], 0xFF);
}

TEST(FrequencyCodec, EmptyWhenTopByteIsFFOr00AndNibblesAboveNineCount) {
    RadioImage img = RadioImage::Blank();
    SetRecord(img, 1, {0x00, 0x25, 0x51, 0x00});
    EXPECT_EQ(FrequencyText(img, 0x10), "");
    SetRecord(img, 1, {0xFA, 0x00, 0x00, 0x01});
    // 01 00 00 FA: 1*10^6 + 160
    EXPECT_EQ(FrequencyUnits(img, 0x10), 1000160);
}

TEST(ImageToGrid, DecodesAChannelAndLeavesEmptyRowsEmpty) {
    RadioImage img = RadioImage::Default();
    SetRecord(img, 1,
              {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14, 0x9E, 0x02, 0x13, 0x28, 0x08, 0x30});
    img[0x17E] = 0x01;
    const ChannelTable t = Decode(img);
    EXPECT_EQ(t.Cell(1, 1), "145.12500");
    EXPECT_EQ(t.Cell(1, 2), "145.12500");
    EXPECT_EQ(t.Cell(1, 3), "67.0");
    EXPECT_EQ(t.Cell(1, 4), "D023N");
    EXPECT_EQ(t.Cell(1, 5), "High");
    EXPECT_EQ(t.Cell(1, 6), "Yes");
    EXPECT_EQ(t.Cell(1, 7), "Carrier");
    EXPECT_EQ(t.Cell(1, 8), "Wide");
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(t.Cell(2, c), "") << c;

    const ChannelTable zh = Decode(img, UiLanguage::Chinese);
    EXPECT_EQ(zh.Cell(1, 5), "高");
    EXPECT_EQ(zh.Cell(1, 6), "有");
    EXPECT_EQ(zh.Cell(1, 7), "载波");
    EXPECT_EQ(zh.Cell(1, 8), "宽");
}

TEST(ImageToGrid, RxWithoutTxAndScanAddRulesDifferForTheTwoHalves) {
    RadioImage img = RadioImage::Default();
    // Rx only, on channel 3 and channel 11, power low narrow, busy bits 0x18.
    for (int ch : {3, 11})
        SetRecord(
            img, ch,
            {0x00, 0x25, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x18, 0x00});
    const ChannelTable t = Decode(img);
    EXPECT_EQ(t.Cell(3, 2), "");
    EXPECT_EQ(t.Cell(3, 3), "None");
    EXPECT_EQ(t.Cell(3, 5), "Low");
    EXPECT_EQ(t.Cell(3, 6), "No");      // channels 1-8 judge from the grid
    EXPECT_EQ(t.Cell(3, 7), "QT/DQT");  // 0x18 reads as QT/DQT
    EXPECT_EQ(t.Cell(3, 8), "Narrow");
    EXPECT_EQ(t.Cell(11, 6), "");  // channels 9-16 need both frequencies

    // A fully empty record with its scan bit set.
    img[0x17E] = 0x10;  // channel 5
    img[0x17F] = 0x10;  // channel 13
    const ChannelTable s = Decode(img);
    EXPECT_EQ(s.Cell(5, 6), "");
    EXPECT_EQ(s.Cell(13, 6), "Yes");
}

TEST(GridToImage, NewChannelDefaultsStoreTheDocumentedBytes) {
    RadioImage img = RadioImage::Default();
    ChannelTable t;
    ImageToGrid(img, t, kEn);
    t.SetCell(1, 1, "145.12500");
    t.SetCell(1, 3, "None");
    t.SetCell(1, 4, "None");
    t.SetCell(1, 5, "High");
    t.SetCell(1, 6, "No");
    t.SetCell(1, 7, "Off");
    t.SetCell(1, 8, "Wide");
    t.SetCell(2, 1, "145.00625");
    t.SetCell(2, 5, "低");
    t.SetCell(2, 6, "有");
    t.SetCell(2, 7, "关");
    t.SetCell(2, 8, "窄");
    GridToImage(t, img);
    EXPECT_EQ(img[0x1C], 0xE7);
    EXPECT_EQ(img[0x1D], 0xFF);
    EXPECT_EQ(img[0x1E], 0xFF);
    EXPECT_EQ(img[0x1F], 0xFF);
    EXPECT_EQ(img[0x2C], 0xE7);
    EXPECT_EQ(img[0x2D], 0xCF);
    EXPECT_EQ(img[0x17E], 0x02);
    EXPECT_EQ(img[0x17F], 0x00);
    // An empty row: FF frequencies and tones, busy bits 0x10, power/bandwidth clear.
    EXPECT_EQ(img[0x30], 0xFF);
    EXPECT_EQ(img[0x3C], 0xF7);
    EXPECT_EQ(img[0x3D], 0xCF);
}

TEST(GridToImage, KeepsBitsOutsideTheMasksAndReencodesBusy0x18As0x10) {
    RadioImage img = RadioImage::Default();
    SetRecord(img, 4,
              {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14, 0x75, 0x03, 0xED, 0x09, 0xFF, 0x0F,
               0x12, 0x34});
    ChannelTable t;
    ImageToGrid(img, t, kEn);
    const RadioImage before = img;
    GridToImage(t, img);
    EXPECT_EQ(img[0x4C], 0xF7);  // 0x18 became 0x10, other bits kept
    EXPECT_EQ(img[0x4D], 0x0F);
    EXPECT_EQ(img[0x4E], 0x12);
    EXPECT_EQ(img[0x4F], 0x34);
    for (int a = 0x40; a < 0x4C; ++a) EXPECT_EQ(img[a], before[a]) << a;
    // Only channel records and the scan-add bytes are written.
    for (int a = 0x110; a < 0x400; ++a) {
        if (a == 0x17E || a == 0x17F) continue;
        EXPECT_EQ(img[a], before[a]) << a;
    }
}

TEST(GridToImage, RoundTripOfADecodedImageIsStable) {
    RadioImage img = RadioImage::Default();
    SetRecord(img, 16,
              {0x25, 0x06, 0x80, 0x43, 0x00, 0x25, 0x51, 0x14, 0xF9, 0xA8, 0x09, 0x29, 0xE7, 0xEF});
    img[0x17F] = 0x80;
    ChannelTable t;
    ImageToGrid(img, t, kEn);
    RadioImage once = img;
    GridToImage(t, once);
    ChannelTable t2;
    ImageToGrid(once, t2, UiLanguage::Chinese);
    RadioImage twice = once;
    GridToImage(t2, twice);
    EXPECT_EQ(once, twice);
    EXPECT_EQ(t.Cell(16, 1), "438.00625");
    EXPECT_EQ(t.Cell(16, 3), "D371I");
    EXPECT_EQ(t.Cell(16, 4), "D411N");
    EXPECT_EQ(t.Cell(16, 6), "Yes");
}

TEST(GridToImage, UnsnappedTextStoresWhatItParsesTo) {
    RadioImage img = RadioImage::Default();
    ChannelTable t;
    t.SetCell(1, 1, "145.123");
    GridToImage(t, img);
    EXPECT_EQ(FrequencyUnits(img, 0x10), 14512300);
}

TEST(GridToImage, FieldsARecordCannotHoldKeepTheirStoredBytes) {
    // FE FF FF FF decodes to 1656.66665 MHz; eight BCD digits cannot hold
    // that, so encoding the text again would wrap it to 56.66665.
    RadioImage img = RadioImage::Default();
    SetRecord(img, 2,
              {0xFF, 0xFF, 0xFF, 0xFE, 0x00, 0x25, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xE7});
    SetRecord(img, 3,
              {0x00, 0x25, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xE7});
    ChannelTable t = Decode(img);
    EXPECT_EQ(t.Cell(2, 1), "1656.66665");
    const RadioImage before = img;
    GridToImage(t, img);
    for (int a = 0x20; a < 0x40; ++a) EXPECT_EQ(img[a], before[a]) << a;

    // A field the user changed is stored as it now reads.
    t.SetCell(2, 1, "145.125");
    t.SetCell(3, 2, "");
    GridToImage(t, img);
    EXPECT_EQ(FrequencyText(img, 0x20), "145.12500");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(img[0x34 + i], 0xFF) << i;
}

}  // namespace
}  // namespace qm530
