#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "clone_process.h"
#include "link/port_factory.h"
#include "link/posix_serial_port.h"
#include "model/dat_file.h"
#include "model/messages.h"
#include "model/radio_image.h"

namespace qm530 {
namespace {

using test::CliResult;
using test::RunQm530;
using test::Simulator;

const std::string kPortOpen = MessageText(msg::kPortOpenFailed);
const std::string kCommError = MessageText(msg::kCommError);
const std::string kInterrupt = MessageText(msg::kProgramInterrupt);

RadioImage Pattern(int seed) {
    RadioImage image;
    for (std::size_t a = 0; a < kImageSize; ++a)
        image[a] = static_cast<std::uint8_t>(a * 3 + seed + (a >> 8));
    return image;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class Clone : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = test::MakeTempDir();
        radioFile = dir + "/radio.dat";
        out = dir + "/out.dat";
        radio = Pattern(1);
        ASSERT_TRUE(SaveDatFile(radioFile, radio));
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // An existing OUT.dat whose bytes must survive every failure.
    RadioImage PlantOut() {
        const RadioImage old = Pattern(77);
        EXPECT_TRUE(SaveDatFile(out, old));
        return old;
    }
    RadioImage Load(const std::string& path) {
        const Result<RadioImage> image = LoadDatFile(path);
        EXPECT_TRUE(image) << path;
        return image ? *image : RadioImage::Blank();
    }

    std::string dir, radioFile, out;
    RadioImage radio;
};

TEST_F(Clone, ReadWritesTheRadioIntoTheFile) {
    Simulator sim(dir, {"--no-pace", "--image", radioFile});
    ASSERT_FALSE(sim.device.empty());

    // A new file: 0x3C0-0x3CF, which a read does not carry, are 0xFF.
    CliResult r = RunQm530({"read", "--port", sim.device, out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;  // no terminal: no progress bar
    RadioImage got = Load(out);
    for (std::size_t a = 0; a < kImageSize; ++a) {
        EXPECT_EQ(got[a], a >= 0x3C0 && a <= 0x3CF ? 0xFF : radio[a]) << a;
    }

    // An existing file keeps its own bytes there.
    const RadioImage old = PlantOut();
    r = RunQm530({"read", "--port", sim.device, out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    got = Load(out);
    for (std::size_t a = 0; a < kImageSize; ++a) {
        EXPECT_EQ(got[a], a >= 0x3C0 && a <= 0x3CF ? old[a] : radio[a]) << a;
    }
}

TEST_F(Clone, WriteAndVerifyRoundTrip) {
    const std::string saved = dir + "/saved.dat";
    Simulator sim(dir, {"--no-pace", "--save", saved});
    const std::string in = dir + "/in.dat";
    const RadioImage image = Pattern(5);
    ASSERT_TRUE(SaveDatFile(in, image));

    const CliResult r = RunQm530({"write", "--port", sim.device, in, "--verify"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "matches")) << r.out;
    const RadioImage stored = Load(saved);
    const RadioImage initial = RadioImage::Default();
    for (std::size_t a = 0; a < kImageSize; ++a) {
        const bool unsent = (a >= 0x330 && a <= 0x33F) || a >= 0x3F0;
        EXPECT_EQ(stored[a], unsent ? initial[a] : image[a]) << a;
    }
    EXPECT_EQ(Load(in), image);
}

TEST_F(Clone, VerifyListsEveryDifferenceItCompares) {
    Simulator sim(dir, {"--no-pace", "--image", radioFile});
    const std::string in = dir + "/in.dat";
    RadioImage image = radio;
    image[0x010] ^= 0xFF;
    image[0x3E5] ^= 0x01;
    image[0x335] ^= 0xFF;  // a read returns it, a write never sends it
    image[0x3C4] ^= 0xFF;  // a write sends it, a read never returns it
    image[0x3F1] ^= 0xFF;  // a read returns it, a write never sends it
    ASSERT_TRUE(SaveDatFile(in, image));

    CliResult r = RunQm530({"verify", "--port", sim.device, in});
    EXPECT_EQ(r.exitCode, 6) << r.err;
    EXPECT_TRUE(Contains(r.out, "0x010")) << r.out;
    EXPECT_TRUE(Contains(r.out, "0x3E5")) << r.out;
    EXPECT_FALSE(Contains(r.out, "0x335"));
    EXPECT_FALSE(Contains(r.out, "0x3C4"));
    EXPECT_FALSE(Contains(r.out, "0x3F1"));
    EXPECT_TRUE(Contains(r.err, "2 of 976 addresses differ")) << r.err;

    r = RunQm530({"verify", "--port", sim.device, radioFile});
    EXPECT_EQ(r.exitCode, 0) << r.err;
}

TEST_F(Clone, ComPortsComeFromTheSettingsFile) {
    const std::string link = dir + "/cable";
    Simulator sim(dir, {"--no-pace", "--image", radioFile, "--link", link});
    const std::string ini = dir + "/Program.ini";
    std::ofstream(ini) << "[Ports]\nCOM2=" << link << "\n";

    CliResult r = RunQm530({"read", "--port", "COM2", "--ini", ini, out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Load(out)[0x100], radio[0x100]);

    r = RunQm530({"read", "--port", "com4", "--ini", ini, out});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(Contains(r.err, "COM4") || Contains(r.err, "com4")) << r.err;
    EXPECT_TRUE(Contains(r.err, "/dev/ttyUSB3")) << r.err;

    sim.Stop();
    struct stat st {};
    EXPECT_NE(::lstat(link.c_str(), &st), 0);  // the link goes with the radio
}

TEST_F(Clone, TheEnvironmentNamesAComPortBeforeTheSettingsFile) {
    Simulator sim(dir, {"--no-pace", "--image", radioFile});
    const std::string ini = dir + "/Program.ini";
    std::ofstream(ini) << "[Ports]\nCOM3=/dev/qm530-no-such-port\n";
    ::setenv("QM530_COM3", sim.device.c_str(), 1);
    CliResult r = RunQm530({"read", "--port", "COM3", "--ini", ini, out});
    ::unsetenv("QM530_COM3");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Load(out)[0x100], radio[0x100]);

    r = RunQm530({"verify", "--port", "COM3", "--ini", ini, radioFile});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(Contains(r.err, "/dev/qm530-no-such-port")) << r.err;
    EXPECT_TRUE(Contains(r.err, "QM530_COM3")) << r.err;
}

TEST_F(Clone, ReadChecksOutDatBeforeItOpensThePort) {
    // The port does not exist: a check made only after the transfer would
    // report the port (exit 3) instead of the file.
    const std::string port = "/dev/qm530-no-such-port";
    const std::string readOnly = dir + "/read-only.dat";
    ASSERT_TRUE(SaveDatFile(readOnly, radio));
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    struct Case {
        std::string out;
        const char* text;
    } cases[] = {
        {dir + "/no-such-dir/out.dat", "does not exist"},
        {dir, "is a directory"},
        {readOnly, "read-only"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunQm530({"read", "--port", port, c.out});
        EXPECT_EQ(r.exitCode, 1) << c.out << "\n" << r.err;
        EXPECT_TRUE(Contains(r.err, c.text)) << r.err;
        EXPECT_FALSE(Contains(r.err, kPortOpen)) << r.err;
    }
    EXPECT_EQ(Load(readOnly), radio);
}

TEST_F(Clone, AComPortWithoutANumberNamesTheOnesThatExist) {
    const CliResult r = RunQm530({"read", "--port", "COM0", out});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_FALSE(Contains(r.err, "QM530_COM0")) << r.err;
    EXPECT_TRUE(Contains(r.err, "COM1 to COM999")) << r.err;
}

TEST_F(Clone, PortsThatCannotBeOpened) {
    CliResult r = RunQm530({"read", "--port", "/dev/qm530-no-such-port", out});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(Contains(r.err, kPortOpen)) << r.err;
    EXPECT_TRUE(Contains(r.err, "/dev/qm530-no-such-port: no such device")) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    Simulator sim(dir, {"--no-pace", "--image", radioFile});
    link::PosixSerialPort holder;
    ASSERT_TRUE(holder.Open(sim.device).ok());
    r = RunQm530({"write", "--port", sim.device, radioFile});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(Contains(r.err, "in use by another program")) << r.err;
    holder.Close();
    EXPECT_EQ(RunQm530({"verify", "--port", sim.device, radioFile}).exitCode, 0);
}

TEST_F(Clone, HandshakeRefused) {
    Simulator sim(dir, {"--no-pace", "--fault", "nak-handshake"});
    const RadioImage old = PlantOut();
    CliResult r = RunQm530({"read", "--port", sim.device, out});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_TRUE(Contains(r.err, kCommError)) << r.err;
    EXPECT_TRUE(Contains(r.err, "answered 0x15 instead of 0x06")) << r.err;
    EXPECT_EQ(Load(out), old);

    r = RunQm530({"write", "--port", sim.device, radioFile, "--retries", "2"});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_TRUE(Contains(r.err, "retrying (2 of 2)")) << r.err;
    EXPECT_FALSE(Contains(r.err, "retrying (3")) << r.err;
}

TEST_F(Clone, SilentRadio) {
    Simulator sim(dir, {"--no-pace", "--fault", "silent"});
    const RadioImage old = PlantOut();
    const CliResult r = RunQm530({"read", "--port", sim.device, out});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_TRUE(Contains(r.err, kCommError)) << r.err;
    EXPECT_TRUE(Contains(r.err, "no reply")) << r.err;
    EXPECT_EQ(Load(out), old);
}

TEST_F(Clone, BlockFaultsInterruptTheTransfer) {
    const RadioImage old = PlantOut();
    struct Case {
        const char* fault;
        const char* command;
        const char* detail;
    };
    for (const Case& c :
         {Case{"nak-block:10", "read", "block 0x048: acknowledge answered 0x15 instead of 0x06"},
          Case{"short-reply:3", "read", "block 0x010: 7 of 12 bytes received"},
          Case{"nak-block:7", "write", "block 0x030: answered 0x15 instead of 0x06"},
          Case{"short-reply:2", "write", "block 0x008: no reply"},
          Case{"hangup:5", "write", "block 0x028: the line hung up"},
          Case{"hangup:120", "read", "block 0x3D0: the line hung up"}}) {
        SCOPED_TRACE(c.fault);
        Simulator sim(dir, {"--no-pace", "--image", radioFile, "--fault", c.fault});
        const std::string file = std::string(c.command) == "read" ? out : radioFile;
        const CliResult r = RunQm530({c.command, "--port", sim.device, file});
        EXPECT_EQ(r.exitCode, 5);
        EXPECT_TRUE(Contains(r.err, kInterrupt)) << r.err;
        EXPECT_TRUE(Contains(r.err, c.detail)) << r.err;
        // A write that stopped part way says what the radio now holds.
        EXPECT_EQ(Contains(r.err, "part of the old and part of the new configuration"),
                  std::string(c.command) == "write")
            << r.err;
        EXPECT_EQ(Load(out), old);
        EXPECT_EQ(Load(radioFile), radio);
    }
}

TEST_F(Clone, TheSimulatorSavesOnlyACompletedWrite) {
    const std::string saved = dir + "/saved.dat";
    {
        Simulator sim(dir, {"--no-pace", "--fault", "nak-block:7", "--save", saved});
        // Six blocks are stored before the radio refuses the seventh.
        EXPECT_EQ(RunQm530({"write", "--port", sim.device, radioFile}).exitCode, 5);
        sim.Stop();
    }
    EXPECT_FALSE(std::filesystem::exists(saved));
    const CliResult help = RunQm530({"simulate", "--help"});
    EXPECT_TRUE(Contains(help.out, "all 124 blocks acknowledged")) << help.out;
}

TEST_F(Clone, SlowRadioStillWorks) {
    const std::string saved = dir + "/saved.dat";
    Simulator sim(dir, {"--no-pace", "--fault", "slow:10:5", "--save", saved});
    const CliResult r = RunQm530({"write", "--port", sim.device, radioFile});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Load(saved)[0x200], radio[0x200]);
}

TEST_F(Clone, CtrlCCancelsAndLeavesTheFileAlone) {
    Simulator sim(dir, {"--image", radioFile});  // paced: a read takes over 2 s
    const RadioImage old = PlantOut();
    test::Child reader({"read", "--port", sim.device, out}, dir);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    const CliResult r = reader.Finish(SIGINT);
    EXPECT_EQ(r.exitCode, 130) << r.err;
    EXPECT_TRUE(Contains(r.err, "cancelled")) << r.err;
    EXPECT_EQ(Load(out), old);
    EXPECT_TRUE(link::PortAvailable(sim.device));  // the port was closed
}

// A transfer killed outright cannot release the port; the virtual radio
// clears what it left behind, so the port is free again at once.
TEST_F(Clone, AKilledTransferDoesNotLeaveTheVirtualRadioBusy) {
    Simulator sim(dir, {"--image", radioFile});
    test::Child reader({"read", "--port", sim.device, out}, dir);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    reader.Finish(SIGKILL);
    bool available = false;
    for (int i = 0; i < 40 && !available; ++i) {
        available = link::PortAvailable(sim.device);
        if (!available) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(available);
    const CliResult again = RunQm530({"read", "--port", sim.device, out});
    EXPECT_EQ(again.exitCode, 0) << again.err;
    const RadioImage read = Load(out);
    for (std::size_t a = 0; a < kImageSize; ++a) {
        if (a >= 0x3C0 && a <= 0x3CF) continue;  // not carried by a read
        ASSERT_EQ(read[a], radio[a]) << a;
    }
}

// SIGTERM and a closed terminal end a transfer as Ctrl-C does: the port is
// released and neither a partial nor a temporary file is left.
TEST_F(Clone, TerminationAndHangUpCancelLikeCtrlC) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        Simulator sim(dir, {"--image", radioFile});
        const RadioImage old = PlantOut();
        test::Child reader({"read", "--port", sim.device, out}, dir);
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        const CliResult r = reader.Finish(signal);
        EXPECT_EQ(r.exitCode, 130) << r.err;
        EXPECT_EQ(Load(out), old);
        EXPECT_TRUE(link::PortAvailable(sim.device));
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
                << entry.path();
    }
}

TEST_F(Clone, CtrlCDuringTheHandshakeCancelsAtOnce) {
    // A silent radio holds the handshake for over 5 s; without a terminal
    // there is no question to answer.
    Simulator sim(dir, {"--no-pace", "--fault", "silent"});
    const RadioImage old = PlantOut();
    test::Child reader({"read", "--port", sim.device, out}, dir);
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    const auto start = std::chrono::steady_clock::now();
    const CliResult r = reader.Finish(SIGINT);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.exitCode, 130) << r.err;
    EXPECT_TRUE(Contains(r.err, "cancelled")) << r.err;
    EXPECT_FALSE(Contains(r.err, kCommError)) << r.err;
    EXPECT_LT(elapsed, std::chrono::milliseconds(2500));
    EXPECT_EQ(Load(out), old);
    EXPECT_TRUE(link::PortAvailable(sim.device));
}

TEST_F(Clone, UsageErrors) {
    EXPECT_EQ(RunQm530({"read", out}).exitCode, 2);
    EXPECT_EQ(RunQm530({"read", "--port", "/dev/null", "--retries", "x", out}).exitCode, 2);
    EXPECT_EQ(RunQm530({"write", "--port", "/dev/null"}).exitCode, 2);
    EXPECT_EQ(RunQm530({"simulate", "--fault", "loud"}).exitCode, 2);
    // An existing file that is no radio image is not overwritten.
    std::ofstream(out) << "notes";
    const CliResult r = RunQm530({"read", "--port", "/dev/null", out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(test::ReadFileText(out), "notes");
    const CliResult help = RunQm530({"read", "--help"});
    EXPECT_TRUE(Contains(help.out, "130 cancelled")) << help.out;
    EXPECT_TRUE(Contains(help.out, "QM530_COMn")) << help.out;
}

}  // namespace
}  // namespace qm530
