#include <gtest/gtest.h>

#include <sstream>

#include "cli_runner.h"
#include "model/channel_table.h"
#include "model/dat_file.h"
#include "model/radio_image.h"

namespace qm530 {
namespace {

using test::RunQm530;

constexpr const char* kNewImageOptions =
    "tot=60s\ntot-prealert=8\nsquelch=4\nvoice=Chinese\nvox-gain=5\nvox-delay=1.0\nbeep=on\n"
    "battery-saver=on\nsquelch-tune=24\ncall-tone=Off\npriority=None\npriority-channel=\n"
    "look-back-a=0.9\nlook-back-b=1.5\nrevert=\ndropout-delay=48\ntx-dwell=48\n"
    "side-key-1=Off\nside-key-2=Off\n";

class OptionsCli : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = test::MakeTempDir();
        file = dir + "/radio.dat";
        RadioImage image = RadioImage::Default();
        WriteFrequency(image, 3 * 16, 14512500);  // channel 3 programmed
        Save(image);
    }
    void TearDown() override {
        std::remove(file.c_str());
        ::rmdir(dir.c_str());
    }
    void Save(const RadioImage& image) { ASSERT_TRUE(SaveDatFile(file, image)); }
    RadioImage Load() {
        const Result<RadioImage> image = LoadDatFile(file);
        EXPECT_TRUE(image);
        return image ? *image : RadioImage::Blank();
    }
    std::vector<std::string> OptionArgs(const std::string& listing) {
        std::vector<std::string> args{"option", file};
        std::istringstream in(listing);
        for (std::string line; std::getline(in, line);) args.push_back(line);
        return args;
    }
    std::string dir, file;
};

TEST_F(OptionsCli, ListsEverySettingAsTheDialogsShowIt) {
    const auto r = RunQm530({"options", file});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, kNewImageOptions);

    const auto zh = RunQm530({"options", file, "--lang", "zh", "--json"});
    ASSERT_EQ(zh.exitCode, 0) << zh.err;
    EXPECT_EQ(zh.out.front(), '{');
    EXPECT_NE(zh.out.find("\"voice\": \"中文\","), std::string::npos) << zh.out;
    EXPECT_NE(zh.out.find("\"priority-channel\": \"\","), std::string::npos);
    EXPECT_NE(zh.out.find("\"side-key-2\": \"关闭\"\n}\n"), std::string::npos);
    EXPECT_EQ(RunQm530({"options", dir + "/missing.dat"}).exitCode, 1);
    EXPECT_EQ(RunQm530({"options", file, "--lang", "fr"}).exitCode, 2);
}

TEST_F(OptionsCli, SetsThroughTheDialogRules) {
    const auto r = RunQm530({"option", file, "tot=600s", "voice=英文", "vox-delay=1.5", "beep=off",
                             "priority=Fixed", "priority-channel=3", "look-back-a=7",
                             "look-back-b=0.97", "revert=优先+当前通话", "dropout-delay=400",
                             "tx-dwell=0", "side-key-1=Scan", "side-key-2=监听"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const RadioImage image = Load();
    EXPECT_EQ(image[0x130], 40);
    EXPECT_EQ(image[0x12F], 2);
    EXPECT_EQ(image[0x13B], 3);
    EXPECT_EQ(image[0x136], 0);
    EXPECT_EQ(image[0x160], 1);
    EXPECT_EQ(image[0x161], 3);
    EXPECT_EQ(image[0x162], 91);
    EXPECT_EQ(image[0x163], 10);
    EXPECT_EQ(image[0x164], 3);
    EXPECT_EQ(image[0x165], 0x2C);
    EXPECT_EQ(image[0x166], 0x01);
    EXPECT_EQ(image[0x167], 0x00);
    EXPECT_EQ(image[0x11E], 5);
    EXPECT_EQ(image[0x11D], 1);

    const auto shown = RunQm530({"options", file});
    EXPECT_NE(shown.out.find("priority-channel= 3\nlook-back-a=5\nlook-back-b=0.95\n"
                             "revert=Priority+Talk back\ndropout-delay=300\n"),
              std::string::npos)
        << shown.out;
}

TEST_F(OptionsCli, OnlyTouchedDialogsStore) {
    RadioImage image = Load();
    image[0x3F2] = 5;  // Squelch Tune outside its list
    image[0x164] = 7;  // revert outside its list
    Save(image);
    ASSERT_EQ(RunQm530({"option", file, "side-key-1=Monitor"}).exitCode, 0);
    RadioImage expected = image;
    expected[0x11E] = 1;
    expected[0x11D] = 0;
    EXPECT_EQ(Load(), expected);
}

TEST_F(OptionsCli, RefusalsLeaveTheFileUntouched) {
    const std::string before = test::ReadFileText(file);
    struct Case {
        std::vector<std::string> settings;
        const char* mentions;
    };
    const Case cases[] = {
        {{"tot=601s"}, "15s, 30s, 45s, ..., 600s"},
        {{"vox-gain=17"}, "Off, 1, 2, ..., 16 (or 关)"},
        {{"beep=yes"}, "on, off"},
        {{"side-key-1=Fly"}, "High/Low Power"},
        {{"revert=Priority"}, "Selected, Selected+Talk back"},
        {{"tot="}, "tot"},
        {{"look-back-a=1.0"}, "priority=Fixed"},
        {{"priority=Fixed", "look-back-a=abc"}, "0.5 to 5"},
        {{"dropout-delay=-1"}, "0 to 300"},
        {{"tx-dwell=1.5"}, "0 to 300"},
        {{"priority-channel=3"}, "priority=Fixed"},
        {{"priority=Fixed", "priority-channel=123"}, "1 to 16"},
        {{"priority=Fixed"}, "Please select channel inputed"},
        {{"priority=Fixed", "priority-channel=4"}, "use a programmed channel: 3"},
        {{"priority=Fixed", "priority-channel=0"}, "use a programmed channel: 3"},
        {{"tot=600s", "priority=Fixed", "priority-channel=17"}, "priority-channel"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"option", file};
        args.insert(args.end(), c.settings.begin(), c.settings.end());
        const auto r = RunQm530(args);
        EXPECT_EQ(r.exitCode, 1) << c.settings.back();
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
        EXPECT_EQ(test::ReadFileText(file), before) << c.settings.back();
    }
    const auto zh = RunQm530({"option", file, "priority=固定", "--lang", "zh"});
    EXPECT_EQ(zh.exitCode, 1);
    EXPECT_NE(zh.err.find("请选择已输入的信道"), std::string::npos) << zh.err;

    EXPECT_EQ(RunQm530({"option", file, "volume=3"}).exitCode, 2);
    EXPECT_EQ(RunQm530({"option", file, "tot"}).exitCode, 2);
    EXPECT_EQ(RunQm530({"option", file}).exitCode, 2);
    EXPECT_EQ(test::ReadFileText(file), before);
}

TEST_F(OptionsCli, ListingFeedsBackUnchanged) {
    ASSERT_EQ(RunQm530({"option", file, "priority=Fixed", "priority-channel=3", "look-back-a=2.25",
                        "revert=Priority", "squelch-tune=80", "call-tone=9", "side-key-2=Scan"})
                  .exitCode,
              0);
    for (const char* lang : {"en", "zh"}) {
        const std::string bytes = test::ReadFileText(file);
        const auto listing = RunQm530({"options", file, "--lang", lang});
        ASSERT_EQ(listing.exitCode, 0);
        auto args = OptionArgs(listing.out);
        const auto r = RunQm530(args);
        ASSERT_EQ(r.exitCode, 0) << lang << ": " << r.err;
        EXPECT_EQ(test::ReadFileText(file), bytes) << lang;
        EXPECT_EQ(RunQm530({"options", file, "--lang", lang}).out, listing.out);
    }

    // A new image: feeding its listing back changes only what OK normalises
    // (side keys 0xFF become Off, 0).
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    const auto fed = RunQm530(OptionArgs(RunQm530({"options", file}).out));
    ASSERT_EQ(fed.exitCode, 0) << fed.err;
    EXPECT_EQ(RunQm530({"options", file}).out, kNewImageOptions);
    RadioImage expected = RadioImage::Default();
    expected[0x11D] = 0;
    expected[0x11E] = 0;
    EXPECT_EQ(Load(), expected);
}

// Blank images hold look-back codes outside 1 to 91 (13.2 s, 0.45 s) while
// priority is not Fixed: the disabled edits show them, take them back, and
// OK stores them unchanged, since the user could not change them.
TEST_F(OptionsCli, BlankImagesFeedBack) {
    struct Blank {
        std::uint8_t fill;
        const char* lookBack;         // as listed before any OK
        const char* lookBackAfterOk;  // the lines OK has corrected
        const char* timesAfterOk;
    };
    const Blank blanks[] = {
        {0xFF, "look-back-a=13.2\nlook-back-b=13.2\n", "look-back-a=13.2\nlook-back-b=13.2\n",
         "dropout-delay=300\ntx-dwell=300\n"},
        {0x00, "look-back-a=0.45\nlook-back-b=0.45\n", "look-back-a=0.45\nlook-back-b=0.45\n",
         "dropout-delay=0\ntx-dwell=0\n"},
    };
    for (const Blank& b : blanks) {
        for (const char* lang : {"en", "zh"}) {
            RadioImage image;
            image.bytes.fill(b.fill);
            Save(image);
            const auto listing = RunQm530({"options", file, "--lang", lang});
            ASSERT_EQ(listing.exitCode, 0);
            EXPECT_NE(listing.out.find(b.lookBack), std::string::npos) << listing.out;

            auto args = OptionArgs(listing.out);
            args.insert(args.end(), {"--lang", lang});
            const auto fed = RunQm530(args);
            ASSERT_EQ(fed.exitCode, 0) << int{b.fill} << ' ' << lang << ": " << fed.err;
            RadioImage stored = Load();
            EXPECT_EQ(stored[0x162], b.fill);
            EXPECT_EQ(stored[0x163], b.fill);
            const auto after = RunQm530({"options", file, "--lang", lang});
            EXPECT_NE(after.out.find(b.lookBackAfterOk), std::string::npos) << after.out;
            EXPECT_NE(after.out.find(b.timesAfterOk), std::string::npos) << after.out;

            // What OK stored lists and feeds back as it is.
            const std::string bytes = test::ReadFileText(file);
            auto again = OptionArgs(after.out);
            again.insert(again.end(), {"--lang", lang});
            ASSERT_EQ(RunQm530(again).exitCode, 0) << int{b.fill} << ' ' << lang;
            EXPECT_EQ(test::ReadFileText(file), bytes) << int{b.fill} << ' ' << lang;
        }
        // Another time than the one shown stays refused while priority is not Fixed.
        const auto r = RunQm530({"option", file, "look-back-b=2"});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.err.find("priority=Fixed"), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace qm530
