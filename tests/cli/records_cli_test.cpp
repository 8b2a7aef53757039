#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "model/channel_records.h"
#include "model/dat_file.h"
#include "model/radio_image.h"

namespace qm530 {
namespace {

using test::RunQm530;

class RecordCli : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = test::MakeTempDir();
        file = dir + "/radio.dat";
        for (std::size_t a = 0; a < kImageSize; ++a)
            start[a] = static_cast<std::uint8_t>(a * 13 + 5);
        start[addr::kScanAddLow] = 0x04;  // channel 3
        start[addr::kScanAddHigh] = 0x00;
        ASSERT_TRUE(SaveDatFile(file, start));
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    RadioImage Load() {
        const Result<RadioImage> img = LoadDatFile(file);
        EXPECT_TRUE(img);
        return img ? *img : RadioImage::Blank();
    }
    std::string dir, file;
    RadioImage start;
};

TEST_F(RecordCli, MoveCarriesTheSpareBytesAndTheScanBit) {
    ASSERT_EQ(RunQm530({"move", file, "3", "12"}).exitCode, 0);
    RadioImage expected = start;
    ASSERT_TRUE(MoveChannel(expected, 3, 12));
    const RadioImage img = Load();
    EXPECT_EQ(img, expected);
    EXPECT_EQ(img[12 * 16 + 14], start[3 * 16 + 14]);
    EXPECT_EQ(img[12 * 16 + 15], start[3 * 16 + 15]);
    EXPECT_EQ(img[addr::kScanAddLow], 0x00);
    EXPECT_EQ(img[addr::kScanAddHigh], 0x08);  // channel 12
    // Records before 3 and after 12 and every other byte as they were.
    for (std::size_t a = 0; a < kImageSize; ++a) {
        const bool moved = a >= 3 * 16 && a < 13 * 16;
        const bool scan = a == addr::kScanAddLow || a == addr::kScanAddHigh;
        if (!moved && !scan) {
            EXPECT_EQ(img[a], start[a]) << std::hex << a;
        }
    }
}

TEST_F(RecordCli, SwapAndClear) {
    ASSERT_EQ(RunQm530({"swap", file, "3", "16"}).exitCode, 0);
    RadioImage expected = start;
    ASSERT_TRUE(SwapChannels(expected, 3, 16));
    EXPECT_EQ(Load(), expected);
    EXPECT_TRUE(ScanAddBit(Load(), 16));

    ASSERT_EQ(RunQm530({"clear", file, "16", "1", "16"}).exitCode, 0);
    ASSERT_TRUE(ClearChannels(expected, {16, 1}));
    const RadioImage img = Load();
    EXPECT_EQ(img, expected);
    EXPECT_TRUE(ChannelEmptyInImage(img, 16));
    EXPECT_FALSE(ScanAddBit(img, 16));
    EXPECT_EQ(img[16 * 16 + 14], start[3 * 16 + 14]);
}

TEST_F(RecordCli, BadArgumentsAreUsageErrorsAndLeaveTheFileAlone) {
    const std::string before = test::ReadFileText(file);
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* text;
    } cases[] = {
        {{"move", file, "0", "3"}, 2, "move: bad channel number '0' (1 to 16)"},
        {{"move", file, "3", "17"}, 2, "bad channel number '17'"},
        {{"swap", file, "x", "2"}, 2, "swap: bad channel number 'x'"},
        {{"clear", file, "2", "+3"}, 2, "clear: bad channel number '+3'"},
        {{"move", file, "3"}, 2, "missing argument"},
        {{"swap", file, "1", "2", "3"}, 2, "too many arguments"},
        {{"clear", file}, 2, "missing argument"},
        {{"clear", file, "1", "--lang", "zh"}, 2, "--lang"},
        {{"move", dir + "/none.dat", "1", "2"}, 1, "none.dat: no such file"},
    };
    for (const Case& c : cases) {
        const auto r = RunQm530(c.args);
        EXPECT_EQ(r.exitCode, c.code) << c.text;
        EXPECT_NE(r.err.find(c.text), std::string::npos) << r.err;
        EXPECT_TRUE(test::ReadFileText(file) == before) << c.text;
    }
    for (const char* cmd : {"move", "swap", "clear"}) {
        const auto h = RunQm530({cmd, "--help"});
        EXPECT_EQ(h.exitCode, 0);
        EXPECT_EQ(h.out.rfind(std::string("Usage: qm530 ") + cmd + " FILE.dat", 0), 0u);
    }
}

}  // namespace
}  // namespace qm530
