#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_runner.h"
#include "model/channel_table.h"
#include "model/dat_file.h"
#include "model/radio_image.h"

namespace qm530 {
namespace {

using test::ReadFileText;
using test::RunQm530;

class ImportCli : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = test::MakeTempDir();
        file = dir + "/radio.dat";
        ini = dir + "/Program.ini";
        std::ofstream(ini) << "[Setup]\nType1=QM-520\nField1=136 - 174MHz|400 - 480MHz\n";
        ASSERT_EQ(RunQm530({"new", file}).exitCode, 0);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string Sample(const std::string& name) {
        return std::string(QM530_SOURCE_DIR) + "/tests/model/channel_lists/" + name;
    }
    std::string dir, file, ini;
};

TEST_F(ImportCli, RefusedRowsLeaveTheFileUntouchedUnlessSkipBad) {
    const std::string before = ReadFileText(file);
    auto r = RunQm530({"import", file, Sample("refusals.csv"), "--band", "136 - 174MHz"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(ReadFileText(file), before);
    EXPECT_NE(r.out.find("line 2: refused: receive frequency 145.0025: Error data Value"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("line 8: skipped: Location 20 is outside 1 to 16"), std::string::npos);
    EXPECT_NE(r.out.find("1 new, 0 changed, 0 unchanged, 0 cleared, 7 refused, 2 skipped"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.err.find("7 row(s) refused; nothing written"), std::string::npos) << r.err;

    r = RunQm530({"import", file, Sample("refusals.csv"), "--band", "136 - 174MHz", "--skip-bad",
                  "--dry-run"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileText(file), before);
    EXPECT_NE(r.out.find("dry run"), std::string::npos);

    r = RunQm530({"import", file, Sample("refusals.csv"), "--band", "136 - 174MHz", "--skip-bad"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const auto ch = RunQm530({"channels", file});
    EXPECT_NE(ch.out.find(" 9  146.70000     146.70000     None"), std::string::npos) << ch.out;
    EXPECT_EQ(ch.out.find(" 1  1"), std::string::npos);
}

TEST_F(ImportCli, WholeFileRefusalsGoToStandardError) {
    const std::string before = ReadFileText(file);
    for (const std::string& text : {std::string("Location,Name\n1,a\n"), std::string(""),
                                    std::string("Frequency\n146.52\xFF\n")}) {
        const auto r = RunQm530({"import", file, Write("bad.csv", text)});
        EXPECT_EQ(r.exitCode, 1) << text;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_NE(r.err.find("nothing imported"), std::string::npos) << r.err;
    }
    EXPECT_EQ(ReadFileText(file), before);
    EXPECT_EQ(RunQm530({"import", file, dir + "/missing.csv"}).exitCode, 1);
    EXPECT_EQ(RunQm530({"import", file, Sample("simplex.csv"), "--start", "3"}).exitCode, 2);
    EXPECT_EQ(
        RunQm530({"import", file, Sample("simplex.csv"), "--renumber", "--start", "17"}).exitCode,
        2);
    EXPECT_EQ(RunQm530({"export", file, "-", "--format", "xml"}).exitCode, 2);
}

TEST_F(ImportCli, RenumberedImportShowsOldAndNewRowsAndExportReadsBack) {
    ASSERT_EQ(RunQm530({"set", file, "4", "rx=150", "busy=Carrier"}).exitCode, 0);
    auto r = RunQm530({"import", file, Sample("repeaters.csv"), "--renumber", "--start", "4",
                       "--clear-others", "--ini", ini});
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out;
    EXPECT_NE(r.out.find("channel 4 (line 2): changed\n"
                         "    old  150.00000  -          None  None   High  No   Carrier  Wide\n"
                         "    new  146.94000  146.34000  None  100.0  High  Yes  Carrier  Wide\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("channel 5 (line 3): new\n    old  (empty)\n"), std::string::npos);
    EXPECT_NE(r.out.find("line 4: note: Skip P"), std::string::npos);

    const std::string exported = dir + "/out.csv";
    ASSERT_EQ(RunQm530({"export", file, exported}).exitCode, 0);
    const std::string fresh = dir + "/fresh.dat";
    ASSERT_EQ(RunQm530({"new", fresh}).exitCode, 0);
    r = RunQm530({"import", fresh, exported, "--ini", ini});
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out;
    // The same channels, busy lock aside.
    auto shown = RunQm530({"channels", file}).out;
    auto again = RunQm530({"channels", fresh}).out;
    const auto carrier = shown.find("Carrier");
    ASSERT_NE(carrier, std::string::npos);
    shown.replace(carrier, 7, "Off    ");
    EXPECT_EQ(again, shown);
    EXPECT_EQ(RunQm530({"export", fresh, "-"}).out, ReadFileText(exported));
    // Importing the export again changes nothing.
    r = RunQm530({"import", fresh, exported, "--ini", ini});
    EXPECT_NE(r.out.find("0 new, 0 changed, 4 unchanged"), std::string::npos) << r.out;
}

TEST_F(ImportCli, JsonConfigurationRoundTripsByteForByte) {
    ASSERT_EQ(RunQm530({"set", file, "2", "rx=446.00625", "enc=D023N", "dec=D023I", "power=Low",
                        "bw=Narrow", "busy=Carrier", "--ini", ini, "--band", "400 - 480MHz"})
                  .exitCode,
              0);
    ASSERT_EQ(RunQm530({"option", file, "tot=600s", "side-key-1=Scan", "priority=Fixed",
                        "priority-channel=2"})
                  .exitCode,
              0);
    const Result<RadioImage> loaded = LoadDatFile(file);
    ASSERT_TRUE(loaded);
    RadioImage image = *loaded;
    image[addr::kProductType] = 0;
    image[addr::kBandIndex] = 1;
    ASSERT_TRUE(SaveDatFile(file, image));

    const std::string json = dir + "/radio.json";
    ASSERT_EQ(
        RunQm530({"export", "--format", "json", "--lang", "zh", file, json, "--ini", ini}).exitCode,
        0);
    const std::string text = ReadFileText(json);
    EXPECT_NE(text.find("\"model\": \"QM-520\",\n  \"band\": \"400 - 480MHz\""), std::string::npos)
        << text;
    EXPECT_NE(text.find("\"power\": \"低\""), std::string::npos);

    const std::string fresh = dir + "/fresh.dat";
    ASSERT_EQ(RunQm530({"new", fresh}).exitCode, 0);
    const std::string before = ReadFileText(fresh);
    auto r = RunQm530({"import", "--format", "json", fresh, json, "--ini", ini, "--dry-run"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileText(fresh), before);
    r = RunQm530({"import", "--format", "json", fresh, json, "--ini", ini});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileText(fresh), ReadFileText(file));

    // All or nothing: one bad setting leaves the file as it was.
    std::string bad = text;
    bad.replace(bad.find("\"600s\""), 6, "\"601s\"");
    ASSERT_EQ(RunQm530({"new", fresh}).exitCode, 0);
    r = RunQm530({"import", "--format", "json", fresh, Write("bad.json", bad), "--ini", ini});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("options: tot"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFileText(fresh), before);
    r = RunQm530({"import", "--format", "json", fresh, Write("bad.json", "{\"channels\": [{"),
                  "--ini", ini});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("line 1:"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace qm530
