// The backups of the command-line tool end to end: every completed read
// kept in the data folder, `qm530 backups`, and `write --backup`.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "clone_process.h"
#include "model/dat_file.h"
#include "model/radio_image.h"

namespace qm530 {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::RunQm530;
using test::Simulator;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A radio of model 1 (QM-530), band 1, with `channels` channels programmed
// and a pattern in the bytes that no field shows.
RadioImage Radio(int channels, std::uint8_t seed) {
    RadioImage image = RadioImage::Default();
    for (int n = 1; n <= channels; ++n) {
        const std::size_t at = static_cast<std::size_t>(n) * 16;
        for (std::size_t field : {at, at + 4}) {  // 435.025 MHz
            image[field] = 0x00;
            image[field + 1] = 0x25;
            image[field + 2] = 0x50;
            image[field + 3] = 0x43;
        }
    }
    for (std::size_t a = 0x200; a < 0x300; ++a) image[a] = static_cast<std::uint8_t>(a + seed);
    image[addr::kProductType] = 1;
    image[addr::kBandIndex] = 1;
    return image;
}

class Backups : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = test::MakeTempDir();
        dataHome = dir + "/data";
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        folder = dataHome + "/qm530/backups/";
        radioFile = dir + "/radio.dat";
        radio = Radio(3, 1);
        ASSERT_TRUE(SaveDatFile(radioFile, radio));
    }
    void TearDown() override {
        ::setenv("XDG_DATA_HOME", test::TestDataHome().c_str(), 1);
        fs::remove_all(dir);
    }
    // The backup files, oldest first.
    std::vector<std::string> Kept() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    RadioImage Load(const std::string& path) {
        const Result<RadioImage> image = LoadDatFile(path);
        EXPECT_TRUE(image) << path;
        return image ? *image : RadioImage::Blank();
    }

    std::string dir, dataHome, folder, radioFile;
    RadioImage radio;
};

TEST_F(Backups, AReadIsKeptAndListed) {
    Simulator sim(dir, {"--no-pace", "--image", radioFile});
    const std::string out = dir + "/out.dat";
    CliResult r = RunQm530({"read", "--port", sim.device, out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const std::vector<std::string> kept = Kept();
    ASSERT_EQ(kept.size(), 1u);
    // Named by the time and the device: 20250501-140322-pts_3.dat.
    const std::string port = "pts_" + sim.device.substr(sim.device.rfind('/') + 1);
    EXPECT_EQ(kept[0].size(), 16 + port.size() + 4) << kept[0];
    EXPECT_TRUE(kept[0].ends_with("-" + port + ".dat")) << kept[0];
    // The same bytes as the file the read wrote.
    EXPECT_EQ(Load(folder + kept[0]), Load(out));

    r = RunQm530({"backups"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "date and time")) << r.out;
    const std::string when = kept[0].substr(0, 4) + "-" + kept[0].substr(4, 2) + "-" +
                             kept[0].substr(6, 2) + " " + kept[0].substr(9, 2) + ":" +
                             kept[0].substr(11, 2) + ":" + kept[0].substr(13, 2);
    EXPECT_TRUE(Contains(r.out, when + "  " + port)) << r.out;
    EXPECT_TRUE(Contains(r.out, "QM-530  400 - 480MHz  3")) << r.out;
    EXPECT_TRUE(Contains(r.out, kept[0])) << r.out;

    r = RunQm530({"backups", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "\"file\": \"" + kept[0] + "\", \"path\": \"" + folder + kept[0] +
                                    "\", \"time\": \"" + when + "\", \"port\": \"" + port +
                                    "\", \"model\": \"QM-530\", \"band\": \"400 - 480MHz\""))
        << r.out;
    EXPECT_TRUE(Contains(r.out, "\"channels\": 3, \"problem\": \"\"}")) << r.out;

    r = RunQm530({"backups", "--path"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, folder + "\n");
}

TEST_F(Backups, VerifyIsKeptAFailedReadIsNotAndAComNameNamesTheFile) {
    Simulator sim(dir, {"--no-pace", "--image", radioFile, "--link", dir + "/cable"});
    CliResult r = RunQm530({"verify", "--port", sim.device, radioFile});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Kept().size(), 1u);

    const std::string ini = dir + "/Program.ini";
    std::ofstream(ini) << "[Ports]\nCOM2=" << dir << "/cable\n";
    r = RunQm530({"read", "--port", "COM2", "--ini", ini, dir + "/out.dat"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::vector<std::string> kept = Kept();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(std::count_if(kept.begin(), kept.end(),
                            [](const std::string& n) { return n.ends_with("-COM2.dat"); }),
              1);

    Simulator failing(dir, {"--no-pace", "--fault", "nak-block:10"});
    r = RunQm530({"read", "--port", failing.device, dir + "/none.dat"});
    EXPECT_EQ(r.exitCode, 5) << r.err;
    EXPECT_EQ(Kept().size(), 2u);
}

TEST_F(Backups, WriteBackupKeepsWhatTheRadioHeldBeforeOnEveryPort) {
    const std::string savedA = dir + "/a.dat", savedB = dir + "/b.dat";
    Simulator simA(dir, {"--no-pace", "--image", radioFile, "--save", savedA});
    Simulator simB(dir, {"--no-pace", "--blank", "--save", savedB});
    const std::string in = dir + "/in.dat";
    const RadioImage image = Radio(9, 7);
    ASSERT_TRUE(SaveDatFile(in, image));

    CliResult r = RunQm530({"write", "--port", simA.device, "--port", simB.device, in, "--backup"});
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    const std::vector<std::string> kept = Kept();
    ASSERT_EQ(kept.size(), 2u);
    const std::string tagA = "_" + simA.device.substr(simA.device.rfind('/') + 1) + ".dat";
    for (const std::string& name : kept) {
        const RadioImage held = name.ends_with(tagA) ? radio : RadioImage::Default();
        const RadioImage backup = Load(folder + name);
        for (std::size_t a = 0; a < kImageSize; ++a) {
            const bool unread = a >= 0x3C0 && a <= 0x3CF;
            ASSERT_EQ(backup[a], unread ? 0xFF : held[a]) << name << " at " << a;
        }
        EXPECT_TRUE(Contains(r.out, "The radio's previous memory is kept in " + folder + name))
            << r.out;
    }
    // Then the file went into both radios.
    EXPECT_EQ(Load(savedA)[0x205], image[0x205]);
    EXPECT_EQ(Load(savedB)[0x205], image[0x205]);

    // Without --backup a write keeps nothing.
    r = RunQm530({"write", "--port", simA.device, in});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Kept().size(), 2u);
}

TEST_F(Backups, WriteBackupWritesNothingWithoutABackup) {
    const std::string saved = dir + "/saved.dat";
    Simulator sim(dir, {"--no-pace", "--image", radioFile, "--save", saved});
    const std::string in = dir + "/in.dat";
    ASSERT_TRUE(SaveDatFile(in, Radio(9, 7)));
    // A file where the data folder should be: no backup can be kept.
    fs::create_directories(dataHome);
    std::ofstream(dataHome + "/qm530") << "in the way";

    CliResult r = RunQm530({"write", "--port", sim.device, in, "--backup"});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_TRUE(Contains(r.err,
                         "qm530: write: The radio was read, but its backup could not be "
                         "kept (cannot make the folder " +
                             folder))
        << r.err;
    EXPECT_TRUE(Contains(r.err, "so nothing was written to it. Leave out --backup")) << r.err;
    EXPECT_FALSE(fs::exists(saved));

    // A read still succeeds and says why it kept nothing.
    const std::string out = dir + "/out.dat";
    r = RunQm530({"read", "--port", sim.device, out});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.err, "qm530: No backup of this read was kept: cannot make the folder"))
        << r.err;
    EXPECT_EQ(Load(out)[0x205], radio[0x205]);

    // A radio that cannot be read: nothing is written, and the message says so.
    Simulator failing(dir, {"--no-pace", "--fault", "nak-block:10", "--save", saved});
    fs::remove(dataHome + "/qm530");
    r = RunQm530({"write", "--port", failing.device, in, "--backup"});
    EXPECT_EQ(r.exitCode, 5) << r.err;
    EXPECT_TRUE(Contains(r.err,
                         "qm530: write: The radio is read for the backup before writing; "
                         "nothing has been written to it."))
        << r.err;
    EXPECT_FALSE(fs::exists(saved));
    EXPECT_TRUE(Kept().empty());
}

TEST_F(Backups, WithoutAnyDataFolderAReadStillSucceeds) {
    Simulator sim(dir, {"--no-pace", "--image", radioFile});
    const std::string home = ::getenv("HOME") ? ::getenv("HOME") : "";
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("HOME");
    const CliResult read = RunQm530({"read", "--port", sim.device, dir + "/out.dat"});
    const CliResult path = RunQm530({"backups", "--path"});
    if (!home.empty()) ::setenv("HOME", home.c_str(), 1);
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.err,
              "qm530: No backup of this read was kept: the data folder is not known (neither "
              "XDG_DATA_HOME nor HOME is set)\n");
    EXPECT_EQ(path.exitCode, 1);
    EXPECT_TRUE(Contains(path.err, "the data folder is not known")) << path.err;
}

}  // namespace
}  // namespace qm530
