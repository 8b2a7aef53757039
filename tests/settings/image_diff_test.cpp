// The structured form of the difference between two images, as the desktop
// program's File > Compare uses it to mark grid cells (the text of each
// line is covered by the tests of `qm530 diff`).
#include "settings/image_diff.h"

#include <gtest/gtest.h>

#include <string>

#include "config/ini_file.h"
#include "model/channel_table.h"
#include "settings/settings_session.h"

namespace qm530 {
namespace {

constexpr auto kEn = UiLanguage::English;

class ImageDiffTest : public ::testing::Test {
  protected:
    void SetUp() override {
        a = RadioImage::Default();
        SetChannel(a, 3, "145.125", "145.725");
        b = a;
    }
    static void SetChannel(RadioImage& image, int n, const std::string& rx, const std::string& tx) {
        ChannelTable table;
        ImageToGrid(image, table, kEn);
        table.SetCell(n, col::kRx, rx);
        table.SetCell(n, col::kTx, tx);
        GridToImage(table, image);
    }
    RadioImage a;
    RadioImage b;
    config::CIniFile ini;
};

TEST_F(ImageDiffTest, EqualImagesHaveNoLines) {
    const settings::ImageDiff diff =
        settings::DiffImages(a, b, kEn, settings::ProductCatalog::Of(ini));
    EXPECT_TRUE(diff.Equal());
    EXPECT_TRUE(settings::DiffLines(diff, kEn).empty());
}

TEST_F(ImageDiffTest, EachDifferenceSaysWhatItIsAbout) {
    SetChannel(b, 3, "146.52", "145.725");  // Rx only
    SetChannel(b, 16, "150.0", "150.0");    // a channel that was empty
    settings::SettingsSession settings(b, kEn);
    ASSERT_TRUE(settings.Set("tot", "600s").ok());
    ASSERT_TRUE(settings.Store(b).ok());
    b[0x3C4] = 0x12;

    const settings::ImageDiff diff =
        settings::DiffImages(a, b, kEn, settings::ProductCatalog::Of(ini));
    const std::vector<settings::DiffLine> lines = settings::DiffLines(diff, kEn);
    ASSERT_EQ(lines.size(), 11u) << settings::DiffText(diff, kEn);

    EXPECT_EQ(lines[0].kind, settings::DifferenceKind::kChannelCell);
    EXPECT_EQ(lines[0].channel, 3);
    EXPECT_EQ(lines[0].column, col::kRx);
    EXPECT_EQ(lines[0].text, "channel 3 Rx Frequency: 145.12500 → 146.52000");
    // A channel that was empty differs in every cell, in column order.
    for (int column = col::kRx; column <= col::kBandwidth; ++column) {
        const settings::DiffLine& line = lines[static_cast<std::size_t>(column)];
        EXPECT_EQ(line.kind, settings::DifferenceKind::kChannelCell);
        EXPECT_EQ(line.channel, 16);
        EXPECT_EQ(line.column, column);
    }

    EXPECT_EQ(lines[9].kind, settings::DifferenceKind::kSetting);
    EXPECT_EQ(lines[9].key, "tot");
    EXPECT_EQ(lines[9].channel, 0);
    EXPECT_EQ(lines[9].text, "tot: 60s → 600s");

    EXPECT_EQ(lines[10].kind, settings::DifferenceKind::kByte);
    EXPECT_EQ(lines[10].address, 0x3C4);
    EXPECT_EQ(lines[10].text, "0x3C4: 0xFF → 0x12");

    // The same fields carry the kind, and the listing puts the heading
    // before the first byte only.
    EXPECT_EQ(diff.fields[0].kind, settings::DifferenceKind::kChannelCell);
    EXPECT_EQ(diff.fields[9].kind, settings::DifferenceKind::kSetting);
    const std::string text = settings::DiffText(diff, kEn);
    EXPECT_NE(text.find(settings::DiffBytesHeading(kEn) + "\n  0x3C4: 0xFF → 0x12\n"),
              std::string::npos)
        << text;
}

TEST_F(ImageDiffTest, TheModelIsASettingAndBytesOutsideFieldsStayBytes) {
    b[addr::kProductType] = 1;
    b[0x3FF] ^= 0x01;
    const std::vector<settings::DiffLine> lines = settings::DiffLines(
        settings::DiffImages(a, b, kEn, settings::ProductCatalog::Of(ini)), kEn);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].kind, settings::DifferenceKind::kSetting);
    EXPECT_EQ(lines[0].key, "model");
    EXPECT_EQ(lines[1].kind, settings::DifferenceKind::kByte);
    EXPECT_EQ(lines[1].address, 0x3FF);
}

}  // namespace
}  // namespace qm530
