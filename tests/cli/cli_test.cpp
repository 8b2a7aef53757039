#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <thread>

#include "cli_runner.h"
#include "model/channel_table.h"
#include "model/dat_file.h"
#include "model/file_lock.h"
#include "model/radio_image.h"

namespace qm530 {
namespace {

using test::RunQm530;

class Cli : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = test::MakeTempDir();
        file = dir + "/radio.dat";
        ini = dir + "/Program.ini";
        std::ofstream(ini) << "[Setup]\nType1=QM-520\nField1=130 - 160MHz|400 - 470MHz\n";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    RadioImage Load() {
        const Result<RadioImage> img = LoadDatFile(file);
        EXPECT_TRUE(img);
        return img ? *img : RadioImage::Blank();
    }
    std::string dir, file, ini;
};

TEST_F(Cli, UsageAndHelp) {
    EXPECT_EQ(RunQm530({}).exitCode, 2);
    const auto help = RunQm530({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* c : {"new", "channels", "set", "info"}) {
        EXPECT_NE(help.out.find(c), std::string::npos) << c;
        const auto h = RunQm530({c, "--help"});
        EXPECT_EQ(h.exitCode, 0) << c;
        EXPECT_NE(h.out.find("Usage: qm530 "), std::string::npos) << c;
    }
    const auto bad = RunQm530({"frobnicate"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("unknown command"), std::string::npos);
    EXPECT_NE(bad.err.find("Usage:"), std::string::npos);
    EXPECT_EQ(RunQm530({"channels", file, "--bogus"}).exitCode, 2);
    EXPECT_EQ(RunQm530({"channels", file, "--lang", "fr"}).exitCode, 2);
}

TEST_F(Cli, NewWritesTheDefaultImage) {
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    EXPECT_EQ(Load(), RadioImage::Default());
    const auto r = RunQm530({"new", dir + "/missing/dir/x.dat"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("missing/dir/x.dat"), std::string::npos);
}

TEST_F(Cli, ChannelsPrintsTheGridInBothLanguagesAndCsv) {
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    ASSERT_EQ(RunQm530({"set", file, "2", "rx=145.125", "dec=67.0", "--ini", ini}).exitCode, 0);

    const auto table = RunQm530({"channels", file});
    ASSERT_EQ(table.exitCode, 0);
    EXPECT_EQ(table.out.rfind("CH  ", 0), 0u) << table.out;
    EXPECT_NE(table.out.find("Rx Frequency"), std::string::npos);
    EXPECT_NE(table.out.find(" 2  145.12500"), std::string::npos) << table.out;

    const auto csv = RunQm530({"channels", file, "--csv", "--lang", "zh"});
    ASSERT_EQ(csv.exitCode, 0);
    std::istringstream lines(csv.out);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line)) all.push_back(line);
    ASSERT_EQ(all.size(), 17u);
    EXPECT_EQ(all[0],
              "信道,接收频率,发射频率,QT/DQT解码,QT/DQT编码,功率,扫描添加,繁忙锁定,宽/窄\r");
    EXPECT_EQ(all[1], "1,,,,,,,,\r");
    EXPECT_EQ(all[2], "2,145.12500,,67.0,无,高,无,关,宽\r");
    EXPECT_EQ(all[16], "16,,,,,,,,\r");
}

TEST_F(Cli, SetFollowsTheGridRulesInOrder) {
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    // rx creates the channel with its defaults, the later fields change them.
    ASSERT_EQ(RunQm530({"set", file, "16", "rx=438.00625", "tx=439", "bw=窄", "busy=Carrier",
                        "scan=Yes", "enc=D023I", "--band", "400 - 470MHz"})
                  .exitCode,
              0);
    RadioImage img = Load();
    ChannelTable t;
    ImageToGrid(img, t, UiLanguage::English);
    EXPECT_EQ(t.Cell(16, 1), "438.00625");
    EXPECT_EQ(t.Cell(16, 2), "439.00000");
    EXPECT_EQ(t.Cell(16, 4), "D023I");
    EXPECT_EQ(t.Cell(16, 5), "High");
    EXPECT_EQ(t.Cell(16, 6), "Yes");
    EXPECT_EQ(t.Cell(16, 7), "Carrier");
    EXPECT_EQ(t.Cell(16, 8), "Narrow");

    ASSERT_EQ(RunQm530({"set", file, "16", "rx=", "--band", "400 - 470MHz"}).exitCode, 0);
    img = Load();
    ImageToGrid(img, t, UiLanguage::English);
    EXPECT_FALSE(t.IsProgrammed(16));
}

TEST_F(Cli, SetRefusalsLeaveTheFileUntouched) {
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    RadioImage img = Load();
    img[0x3D2] = 0;  // QM-520, 130 - 160MHz
    img[0x3D3] = 0;
    ASSERT_TRUE(SaveDatFile(file, img));
    ASSERT_EQ(RunQm530({"set", file, "1", "rx=145", "--ini", ini}).exitCode, 0);
    const std::string before = test::ReadFileText(file);

    struct Case {
        std::vector<std::string> args;
        int code;
        const char* text;
    } cases[] = {
        {{"1", "rx=170"}, 1, "Out of range,please input again."},
        {{"1", "rx=145.1234"},
         1,
         "Error data Value, please input according the step value(6.25K/5k)."},
        {{"1", "tx=145.0001"}, 1, "step value"},
        {{"1", "power=Medium"}, 1, "power: 'Medium' is not one of: High, Low, 高, 低"},
        {{"1", "dec=66.6"}, 1, "dec: '66.6' is not in the tone list"},
        {{"1", "busy="}, 1, "busy"},
        {{"0", "rx=145"}, 2, "bad channel number '0'"},
        {{"17", "rx=145"}, 2, "bad channel number"},
        {{"x", "rx=145"}, 2, "bad channel number"},
        {{"1", "volume=3"}, 2, "unknown field"},
        {{"1", "rx"}, 2, "unknown field"},
        // the second edit fails: the first is not saved either
        {{"1", "tx=146", "rx=999"}, 1, "Out of range"},
        // values the grid would drop on an unprogrammed channel
        {{"2", "tx=146"}, 1, "tx=146 on channel 2 would not be kept: the channel has no Rx"},
        {{"2", "power=Low", "rx=145"}, 1, "power=Low on channel 2 would not be kept"},
        {{"1", "rx=", "scan=Yes"}, 1, "not programmed"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"set", file};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.insert(args.end(), {"--ini", ini});
        const auto r = RunQm530(args);
        EXPECT_EQ(r.exitCode, c.code) << c.args[1];
        EXPECT_NE(r.err.find(c.text), std::string::npos) << r.err;
        EXPECT_TRUE(test::ReadFileText(file) == before) << c.args[1];
    }
    const auto zh = RunQm530({"set", file, "1", "rx=170", "--ini", ini, "--lang", "zh"});
    EXPECT_NE(zh.err.find("超出范围"), std::string::npos);
}

TEST_F(Cli, SetChangesOnlyTheChannelItEdits) {
    // Records that a re-encoding would change: busy bits 0x18, a nibble above
    // nine, a field of 1656.66665 MHz, and scan-add bits of empty channels.
    RadioImage img = RadioImage::Default();
    const std::uint8_t odd[][14] = {
        {0x00, 0x25, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
        {0xFA, 0x00, 0x00, 0x14, 0xFF, 0xFF, 0xFF, 0xFE, 0x08, 0x00, 0x00, 0x00, 0x18, 0x30},
    };
    for (int i = 0; i < 14; ++i) {
        img[0x20 + i] = odd[0][i];
        img[0x30 + i] = odd[1][i];
    }
    img[0x17E] = 0xFF;
    img[0x17F] = 0xFF;
    ASSERT_TRUE(SaveDatFile(file, img));
    ASSERT_EQ(RunQm530({"set", file, "1", "rx=145", "scan=No", "--band", "130 - 160MHz"}).exitCode,
              0);
    const RadioImage after = Load();
    for (int a = 0; a < static_cast<int>(kImageSize); ++a) {
        if (a >= 0x10 && a < 0x20) continue;
        const auto i = static_cast<std::size_t>(a);
        if (a == 0x17E) {
            EXPECT_EQ(after[i], 0xFE);  // only channel 1's bit changed
            continue;
        }
        EXPECT_EQ(after[i], img[i]) << "address " << a;
    }
    EXPECT_EQ(FrequencyText(after, 0x10), "145.00000");
}

TEST_F(Cli, SetTakesTheBandFromTheImageModelOrTheRecordLimits) {
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    // The new image's model byte is 0xFF: no model known, any frequency below 1000 MHz.
    EXPECT_EQ(RunQm530({"set", file, "1", "rx=999.995", "--ini", ini}).exitCode, 0);
    EXPECT_EQ(RunQm530({"set", file, "1", "rx=1000", "--ini", ini}).exitCode, 1);
    EXPECT_EQ(RunQm530({"set", file, "1", "rx=9.995", "--ini", ini}).exitCode, 1);
    EXPECT_EQ(RunQm530({"set", file, "1", "rx=2000", "--band", "100 - 3000MHz"}).exitCode, 1);
    RadioImage img = Load();
    img[0x3D2] = 0;
    img[0x3D3] = 1;  // QM-520, 400 - 470MHz
    ASSERT_TRUE(SaveDatFile(file, img));
    EXPECT_EQ(RunQm530({"set", file, "1", "rx=145", "--ini", ini}).exitCode, 1);
    EXPECT_EQ(RunQm530({"set", file, "1", "rx=440", "--ini", ini}).exitCode, 0);
    img[0x3D3] = 7;  // past the list: the last band
    ASSERT_TRUE(SaveDatFile(file, img));
    EXPECT_EQ(RunQm530({"set", file, "1", "rx=450", "--ini", ini}).exitCode, 0);
    EXPECT_EQ(RunQm530({"set", file, "1", "rx=450", "--ini", dir + "/nope.ini"}).exitCode, 1);
}

TEST_F(Cli, InfoAndErrorsNameTheFile) {
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    ASSERT_EQ(RunQm530({"set", file, "3", "rx=145", "--ini", ini}).exitCode, 0);
    RadioImage img = Load();
    img[0x3D2] = 0;
    img[0x3D3] = 1;
    ASSERT_TRUE(SaveDatFile(file, img));
    const auto info = RunQm530({"info", file, "--hex", "--ini", ini});
    ASSERT_EQ(info.exitCode, 0);
    EXPECT_NE(info.out.find("0x00  QM-520"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("0x01  400 - 470MHz"), std::string::npos);
    EXPECT_NE(info.out.find("Programmed channels: 1"), std::string::npos);
    EXPECT_NE(info.out.find("000: 00 00 00 FF"), std::string::npos);
    EXPECT_NE(info.out.find("3F0: FF 00 18 FF"), std::string::npos);

    const std::string shortFile = dir + "/short.dat";
    std::ofstream(shortFile) << "abc";
    for (const std::string cmd : {"info", "channels"}) {
        const auto r = RunQm530({cmd, shortFile});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.err.find(shortFile), std::string::npos);
        EXPECT_NE(r.err.find("1024"), std::string::npos);
        const auto m = RunQm530({cmd, dir + "/none.dat"});
        EXPECT_EQ(m.exitCode, 1);
        EXPECT_NE(m.err.find("none.dat: no such file"), std::string::npos);
    }
    EXPECT_TRUE(test::ReadFileText(shortFile) == "abc");
}

}  // namespace
}  // namespace qm530

namespace qm530 {
namespace {

// The tool's own JSON, a longer file and things that are no files at all
// are never taken for radio images nor replaced by a save.
TEST_F(Cli, FilesThatAreNoRadioImagesAreRefusedWithTheReason) {
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    const std::string json = dir + "/config.json";
    ASSERT_EQ(RunQm530({"export", "--format", "json", file, json}).exitCode, 0);
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"write", "--port", dir + "/no-port", json},
                                               {"channels", json},
                                               {"set", json, "1", "rx=145"}}) {
        const auto r = RunQm530(args);
        EXPECT_EQ(r.exitCode, 1) << args[0];
        EXPECT_NE(r.err.find("import --format json"), std::string::npos) << r.err;
    }

    const std::string longer = dir + "/long.dat";
    std::ofstream(longer, std::ios::binary) << std::string(1100, '\xFF');
    auto r = RunQm530({"channels", longer});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("more than a radio image"), std::string::npos) << r.err;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"set", longer, "1", "rx=145"},
                                               {"move", longer, "1", "2"},
                                               {"option", longer, "beep=off"},
                                               {"write", "--port", dir + "/no-port", longer}}) {
        r = RunQm530(args);
        EXPECT_EQ(r.exitCode, 1) << args[0];
        EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
        EXPECT_EQ(std::filesystem::file_size(longer), 1100u) << args[0];
    }
    EXPECT_EQ(RunQm530({"set", longer, "1", "rx=145", "--force"}).exitCode, 0);
    EXPECT_EQ(std::filesystem::file_size(longer), 1024u);

    const std::string fifo = dir + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"new", fifo}, {"export", file, fifo}, {"print", file, "--pdf", fifo}}) {
        r = RunQm530(args);
        // A tool built without Qt has no print command.
        if (args[0] == "print" && r.err.find("unknown command 'print'") != std::string::npos)
            continue;
        EXPECT_EQ(r.exitCode, 1) << args[0];
        EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
        EXPECT_TRUE(std::filesystem::is_fifo(fifo)) << args[0];
    }
    const std::string loop = dir + "/loop.dat";
    std::filesystem::create_symlink(loop, loop);
    r = RunQm530({"channels", loop});
    EXPECT_NE(r.err.find("loop of symbolic links"), std::string::npos) << r.err;
}

TEST_F(Cli, TypedFrequenciesAreStoredAsTypedOrRefused) {
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    ASSERT_EQ(RunQm530({"set", file, "7", "rx=145,5"}).exitCode, 0);
    EXPECT_EQ(RunQm530({"channels", file}).out.find("145.50000") != std::string::npos, true);
    for (const char* typed : {"rx=145 5", "rx=145;5", "tx=146x"}) {
        const auto r = RunQm530({"set", file, "7", typed});
        EXPECT_EQ(r.exitCode, 1) << typed;
        EXPECT_NE(r.err.find("is not a frequency in MHz"), std::string::npos) << r.err;
    }
    const std::string json = dir + "/c.json";
    std::ofstream(json) << "{\"channels\": [{\"channel\": 8, \"rx\": \"146,52\"}]}";
    ASSERT_EQ(RunQm530({"import", "--format", "json", file, json}).exitCode, 0);
    EXPECT_NE(RunQm530({"channels", file}).out.find("146.52000"), std::string::npos);
    std::ofstream(json) << "{\"channels\": [{\"channel\": 8, \"rx\": \"146 52\"}]}";
    const auto r = RunQm530({"import", "--format", "json", file, json});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("is not a frequency in MHz"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace qm530

namespace qm530 {
namespace {

// Two editing commands on one file wait for each other: no update is lost.
TEST_F(Cli, ConcurrentEditsLoseNoUpdate) {
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    constexpr int kEach = 40;
    auto edits = [&](int channel) {
        for (int i = 0; i < kEach; ++i) {
            const std::string rx = "rx=" + std::to_string(140 + i % 20) + ".5";
            EXPECT_EQ(RunQm530({"set", file, std::to_string(channel), rx}).exitCode, 0);
            EXPECT_EQ(RunQm530({"option", file, i % 2 ? "beep=on" : "beep=off"}).exitCode, 0);
        }
    };
    std::thread a(edits, 3);
    std::thread b(edits, 4);
    a.join();
    b.join();
    const std::string listing = RunQm530({"channels", file}).out;
    // The last value each writer set is there: neither overwrote the other.
    const std::string last = std::to_string(140 + (kEach - 1) % 20) + ".50000";
    std::size_t found = 0;
    for (std::size_t at = listing.find(last); at != std::string::npos;
         at = listing.find(last, at + 1))
        ++found;
    EXPECT_EQ(found, 2u) << listing;

    // A lock held elsewhere makes the command wait, then say the file is busy.
    const Result<FileLock> held = FileLock::Take(file);
    ASSERT_TRUE(held);
    const auto busy = RunQm530({"set", file, "5", "rx=145"});
    EXPECT_EQ(busy.exitCode, 1);
    EXPECT_NE(busy.err.find("the file is busy"), std::string::npos) << busy.err;
}

TEST_F(Cli, BandOptionAndLongValues) {
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    for (const char* band : {"abc", "130", "160 - 130MHz", "130.5 - 160MHz"}) {
        const auto r = RunQm530({"set", file, "1", "rx=145", "--band", band});
        EXPECT_EQ(r.exitCode, 2) << band;
        EXPECT_NE(r.err.find("--band takes"), std::string::npos) << r.err;
    }
    // Edges beyond what a record holds are cut to 10-999.99999 MHz.
    EXPECT_EQ(RunQm530({"set", file, "1", "rx=9.5", "--band", "5 - 2000MHz"}).exitCode, 1);
    EXPECT_EQ(RunQm530({"set", file, "1", "rx=999.995", "--band", "5 - 2000MHz"}).exitCode, 0);
    EXPECT_EQ(RunQm530({"set", file, "1", "rx=145", "--band", " 130-160 "}).exitCode, 0);

    // A refused value of megabytes is not printed back whole (an argument
    // holds at most 128 KiB; a JSON file holds more).
    const std::string huge(100000, 'x');
    for (const std::string& arg : {"power=" + huge, "rx=1" + huge, "nosuch" + huge}) {
        const auto r = RunQm530({"set", file, "1", arg});
        EXPECT_NE(r.exitCode, 0);
        EXPECT_LT(r.err.size(), 2000u);
        EXPECT_NE(r.err.find("bytes)"), std::string::npos) << r.err.substr(0, 300);
    }
    auto r = RunQm530({"option", file, "beep=" + huge});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_LT(r.err.size(), 2000u);
    const std::string json = dir + "/huge.json";
    std::ofstream(json) << "{\"channels\": [{\"channel\": 2, \"rx\": \"145\", \"power\": \""
                        << std::string(3 << 20, 'y') << "\"}]}";
    r = RunQm530({"import", "--format", "json", file, json});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_LT(r.err.size(), 2000u);
}

// An endless or huge input is refused as soon as it shows what it is.
TEST_F(Cli, ImportRefusesEndlessAndHugeInput) {
    ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    auto r = RunQm530({"import", file, "/dev/zero"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("NUL byte"), std::string::npos) << r.err;
    r = RunQm530({"import", "--format", "json", file, "/dev/zero"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("does not start with"), std::string::npos) << r.err;

    const std::string huge = dir + "/huge.csv";
    {
        std::ofstream out(huge);
        out << "Location,Frequency\n";
        for (int i = 0; i < 400000; ++i) out << "1,146.520000\n";
    }
    r = RunQm530({"import", file, huge});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("longer than 4 MiB"), std::string::npos) << r.err;
    EXPECT_EQ(Load(), RadioImage::Default());
}

}  // namespace
}  // namespace qm530
