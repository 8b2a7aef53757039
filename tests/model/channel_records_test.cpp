#include "model/channel_records.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/cell_commit.h"

namespace qm530 {
namespace {

// An image whose every byte is distinct by address, with a mixed scan-add
// pattern that crosses the 0x17E / 0x17F boundary.
RadioImage Distinct() {
    RadioImage img;
    for (std::size_t a = 0; a < kImageSize; ++a) img[a] = static_cast<std::uint8_t>(a * 7 + 3);
    img[addr::kScanAddLow] = 0b1010'0101;   // channels 1, 3, 6, 8
    img[addr::kScanAddHigh] = 0b0011'0110;  // channels 10, 11, 13, 14
    return img;
}

std::array<std::uint8_t, 16> Record(const RadioImage& img, int channel) {
    std::array<std::uint8_t, 16> r{};
    std::copy_n(img.bytes.begin() + channel * 16, 16, r.begin());
    return r;
}

// Every byte outside the channel records and the scan-add bytes is equal.
void ExpectOtherBytesEqual(const RadioImage& a, const RadioImage& b) {
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (i >= 0x10 && i < 0x110) continue;
        if (i == addr::kScanAddLow || i == addr::kScanAddHigh) continue;
        EXPECT_EQ(a[i], b[i]) << std::hex << i;
    }
}

// Channel n of `after` holds channel expected[n] of `before`, record and bit.
void ExpectArrangement(const RadioImage& before, const RadioImage& after,
                       const std::array<int, 17>& expected) {
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(Record(after, n), Record(before, expected[n])) << "channel " << n;
        EXPECT_EQ(ScanAddBit(after, n), ScanAddBit(before, expected[n])) << "bit " << n;
    }
    ExpectOtherBytesEqual(before, after);
}

TEST(ChannelRecords, ScanAddBitsAreOnePerChannelInTwoBytes) {
    RadioImage img = RadioImage::Blank();
    img[addr::kScanAddLow] = 0;
    img[addr::kScanAddHigh] = 0;
    SetScanAddBit(img, 1, true);
    SetScanAddBit(img, 8, true);
    SetScanAddBit(img, 9, true);
    SetScanAddBit(img, 16, true);
    EXPECT_EQ(img[addr::kScanAddLow], 0x81);
    EXPECT_EQ(img[addr::kScanAddHigh], 0x81);
    SetScanAddBit(img, 16, false);
    EXPECT_EQ(img[addr::kScanAddHigh], 0x01);
    EXPECT_TRUE(ScanAddBit(img, 9));
    EXPECT_FALSE(ScanAddBit(img, 10));
}

TEST(ChannelRecords, MoveCarriesWholeRecordsAndShiftsTheOnesBetween) {
    const RadioImage before = Distinct();
    RadioImage img = before;
    ASSERT_TRUE(MoveChannel(img, 3, 11));  // down, across the scan byte boundary
    ExpectArrangement(before, img, {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 3, 12, 13, 14, 15, 16});
    // Bytes +14/+15, which no grid column shows, went along.
    EXPECT_EQ(img[11 * 16 + 14], before[3 * 16 + 14]);
    EXPECT_EQ(img[11 * 16 + 15], before[3 * 16 + 15]);

    img = before;
    ASSERT_TRUE(MoveChannel(img, 14, 2));  // up
    ExpectArrangement(before, img, {0, 1, 14, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16});

    img = before;
    ASSERT_TRUE(MoveChannel(img, 5, 5));
    EXPECT_EQ(img, before);
}

TEST(ChannelRecords, SwapExchangesTwoRecordsAndBits) {
    const RadioImage before = Distinct();
    RadioImage img = before;
    ASSERT_TRUE(SwapChannels(img, 1, 12));
    ExpectArrangement(before, img, {0, 12, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1, 13, 14, 15, 16});
    ASSERT_TRUE(SwapChannels(img, 12, 1));
    EXPECT_EQ(img, before);
}

TEST(ChannelRecords, ClearWritesWhatAnEmptiedGridRowWrites) {
    const RadioImage before = Distinct();
    RadioImage img = before;
    ASSERT_TRUE(ClearChannels(img, {3, 13}));

    // The grid's way: rx= empties the row, the row is encoded, its scan cell is empty.
    RadioImage viaGrid = before;
    ChannelTable empty;
    EncodeChannelRow(empty, 3, viaGrid);
    EncodeChannelRow(empty, 13, viaGrid);
    for (int n : {3, 13}) {
        EXPECT_EQ(Record(img, n), Record(viaGrid, n)) << n;
        EXPECT_FALSE(ScanAddBit(img, n));
        const int base = n * 16;
        for (int k = 0; k < 12; ++k) EXPECT_EQ(img[base + k], 0xFF) << n << "+" << k;
        EXPECT_EQ(img[base + 12], (before[base + 12] & ~0x18) | 0x10);
        EXPECT_EQ(img[base + 13], before[base + 13] & ~0x30);
        EXPECT_EQ(img[base + 14], before[base + 14]);
        EXPECT_EQ(img[base + 15], before[base + 15]);
    }
    for (int n = 1; n <= 16; ++n) {
        if (n == 3 || n == 13) continue;
        EXPECT_EQ(Record(img, n), Record(before, n)) << n;
        EXPECT_EQ(ScanAddBit(img, n), ScanAddBit(before, n)) << n;
    }
    ExpectOtherBytesEqual(before, img);
}

TEST(ChannelRecords, InsertNeedsAnEmptyLastChannel) {
    RadioImage img = Distinct();  // every channel holds digits
    const RadioImage full = img;
    const Status refused = InsertEmptyChannel(img, 4);
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.detail().find("Channel 16 is in use"), std::string::npos);
    EXPECT_NE(InsertEmptyChannel(img, 4, UiLanguage::Chinese).detail().find("信道16"),
              std::string::npos);
    EXPECT_EQ(img, full);

    // A Tx frequency alone keeps channel 16 in use; with both fields empty it is free.
    WriteFrequency(img, 16 * 16, 0);
    EXPECT_FALSE(InsertEmptyChannel(img, 4));
    WriteFrequency(img, 16 * 16 + 4, 0);
    EXPECT_TRUE(InsertEmptyChannel(img, 4));
}

TEST(ChannelRecords, InsertedChannelIsEmptyWithTheOldLastRecordsSpareBytes) {
    RadioImage img = Distinct();
    WriteFrequency(img, 16 * 16, 0);
    WriteFrequency(img, 16 * 16 + 4, 0);
    SetScanAddBit(img, 16, true);
    const RadioImage before = img;
    ASSERT_TRUE(InsertEmptyChannel(img, 4));
    EXPECT_TRUE(ChannelEmptyInImage(img, 4));
    EXPECT_FALSE(ScanAddBit(img, 4));
    EXPECT_EQ(img[4 * 16 + 14], before[16 * 16 + 14]);
    for (int n = 5; n <= 16; ++n) {
        EXPECT_EQ(Record(img, n), Record(before, n - 1)) << n;
        EXPECT_EQ(ScanAddBit(img, n), ScanAddBit(before, n - 1)) << n;
    }
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(Record(img, n), Record(before, n)) << n;
    ExpectOtherBytesEqual(before, img);
}

TEST(ChannelRecords, RemoveShiftsLaterChannelsUpAndEmptiesTheLast) {
    const RadioImage before = Distinct();
    RadioImage img = before;
    ASSERT_TRUE(RemoveChannel(img, 6));
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(Record(img, n), Record(before, n)) << n;
    for (int n = 6; n <= 15; ++n) {
        EXPECT_EQ(Record(img, n), Record(before, n + 1)) << n;
        EXPECT_EQ(ScanAddBit(img, n), ScanAddBit(before, n + 1)) << n;
    }
    EXPECT_TRUE(ChannelEmptyInImage(img, 16));
    EXPECT_FALSE(ScanAddBit(img, 16));
    EXPECT_EQ(img[16 * 16 + 15], before[6 * 16 + 15]);
    ExpectOtherBytesEqual(before, img);
}

TEST(ChannelRecords, BadChannelNumbersChangeNothing) {
    const RadioImage before = Distinct();
    RadioImage img = before;
    EXPECT_FALSE(MoveChannel(img, 0, 3));
    EXPECT_FALSE(MoveChannel(img, 3, 17));
    EXPECT_FALSE(SwapChannels(img, -1, 2));
    EXPECT_FALSE(ClearChannels(img, {2, 17}));  // all or nothing
    EXPECT_FALSE(RemoveChannel(img, 17));
    EXPECT_NE(RemoveChannel(img, 0).detail().find("0 is not a channel number"), std::string::npos);
    EXPECT_EQ(img, before);
}

TEST(ChannelRecords, TheGridRowsFollowTheSameOrder) {
    // A consistent pair: the image is what the table encodes to.
    const BandLimits band = BandLimitsOfText("130 - 160MHz");
    ChannelTable table;
    table.WriteLabels(UiLanguage::English);
    for (int n : {1, 2, 8, 9, 15}) {
        CommitCellText(table, n, col::kRx, FormatFrequency(14500000 + n * 2500), band,
                       UiLanguage::English);
    }
    CommitCellText(table, 2, col::kScanAdd, "Yes", band, UiLanguage::English);
    CommitCellText(table, 9, col::kPower, "Low", band, UiLanguage::English);
    RadioImage image = RadioImage::Default();
    GridToImage(table, image);

    Result<ChannelOrder> planned = PlanMove(2, 10);
    ASSERT_TRUE(planned);
    ChannelOrder order = *planned;
    EXPECT_EQ(order.Touched(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
    ApplyChannelOrder(order, image);
    ApplyChannelOrder(order, table);
    EXPECT_EQ(table.Cell(10, col::kScanAdd), "Yes");
    EXPECT_EQ(table.Cell(8, col::kPower), "Low");
    EXPECT_EQ(table.Cell(3, 0), " 3");  // labels stay
    RadioImage encoded = image;
    GridToImage(table, encoded);
    EXPECT_EQ(encoded, image);

    planned = PlanClear({1});
    ASSERT_TRUE(planned);
    order = *planned;
    ApplyChannelOrder(order, table);
    EXPECT_FALSE(table.IsProgrammed(1));
}

}  // namespace
}  // namespace qm530
