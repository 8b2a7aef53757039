#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "clone_process.h"
#include "model/dat_file.h"
#include "model/radio_image.h"

namespace qm530 {
namespace {

using test::CliResult;
using test::RunQm530;
using test::Simulator;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

RadioImage Pattern(int seed) {
    RadioImage image;
    for (std::size_t a = 0; a < kImageSize; ++a) image[a] = static_cast<std::uint8_t>(a * 7 + seed);
    return image;
}

// The summary line of a port: "PORT  radio  result  seconds".
std::string SummaryLine(const std::string& out, const std::string& port) {
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, port.size() + 1, port + " ") == 0) return line;
    }
    return {};
}

bool WaitForFile(const std::string& path, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        if (std::filesystem::exists(path)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

class Fleet : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = test::MakeTempDir();
        file = dir + "/fleet.dat";
        image = Pattern(3);
        ASSERT_TRUE(SaveDatFile(file, image));
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    // The bytes a write carries arrived.
    void ExpectWritten(const std::string& saved) {
        const Result<RadioImage> loaded = LoadDatFile(saved);
        ASSERT_TRUE(loaded) << saved;
        const RadioImage& got = *loaded;
        for (std::size_t a = 0; a < kImageSize; ++a) {
            if ((a >= 0x330 && a <= 0x33F) || a >= 0x3F0) continue;
            ASSERT_EQ(got[a], image[a]) << saved << " at " << a;
        }
    }
    std::string dir, file;
    RadioImage image;
};

TEST_F(Fleet, SeveralPortsAtOnceWithFaults) {
    const std::string saved1 = dir + "/good1.dat", saved2 = dir + "/good2.dat";
    Simulator good1(dir, {"--no-pace", "--save", saved1});
    Simulator silent(dir, {"--no-pace", "--fault", "silent"});
    Simulator nak(dir, {"--no-pace", "--fault", "nak-block:10"});
    Simulator hangup(dir, {"--no-pace", "--fault", "hangup:5"});
    Simulator good2(dir, {"--no-pace", "--save", saved2});
    const CliResult r =
        RunQm530({"write", "--port", good1.device, "--port", silent.device, "--port", nak.device,
                  "--port", hangup.device, "--port", good2.device, file, "--verify"});
    // The first port that failed, in the order given: the silent one.
    EXPECT_EQ(r.exitCode, 4) << r.out << r.err;
    ExpectWritten(saved1);
    ExpectWritten(saved2);
    EXPECT_TRUE(Contains(SummaryLine(r.out, good1.device), "QM530SIM  ok")) << r.out;
    EXPECT_TRUE(Contains(SummaryLine(r.out, good2.device), "QM530SIM  ok")) << r.out;
    EXPECT_TRUE(Contains(SummaryLine(r.out, silent.device), "no handshake")) << r.out;
    EXPECT_TRUE(Contains(SummaryLine(r.out, nak.device),
                         "interrupted: block 0x048: answered 0x15 instead of 0x06"))
        << r.out;
    EXPECT_TRUE(Contains(SummaryLine(r.out, hangup.device), "the line hung up")) << r.out;
    // Messages name their port; the verify of both good ports ran.
    EXPECT_TRUE(Contains(r.err, "qm530: " + nak.device + ": Program Interrupt")) << r.err;
    EXPECT_TRUE(Contains(r.out, good2.device + ": The radio matches")) << r.out;

    // Without the silent radio the interrupted one comes first. A radio that
    // hung up serves no more: a fresh one stands in its place.
    Simulator hangupAgain(dir, {"--no-pace", "--fault", "hangup:5"});
    const CliResult r2 =
        RunQm530({"write", "--port", good1.device, "--port", hangupAgain.device, file});
    EXPECT_EQ(r2.exitCode, 5) << r2.out << r2.err;
}

TEST_F(Fleet, ReadsOneFilePerPort) {
    const std::string a = dir + "/a.dat", b = dir + "/b.dat";
    ASSERT_TRUE(SaveDatFile(a, Pattern(10)));
    ASSERT_TRUE(SaveDatFile(b, Pattern(20)));
    Simulator simA(dir, {"--no-pace", "--image", a});
    Simulator simB(dir, {"--no-pace", "--image", b});
    const std::string outA = dir + "/outA.dat", outB = dir + "/outB.dat";
    CliResult r = RunQm530({"read", "--port", simA.device, "--port", simB.device, outA, outB});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Result<RadioImage> gotA = LoadDatFile(outA);
    const Result<RadioImage> gotB = LoadDatFile(outB);
    ASSERT_TRUE(gotA);
    ASSERT_TRUE(gotB);
    EXPECT_EQ((*gotA)[0x123], Pattern(10)[0x123]);
    EXPECT_EQ((*gotB)[0x123], Pattern(20)[0x123]);
    r = RunQm530({"read", "--port", simA.device, "--port", simB.device, outA});
    EXPECT_EQ(r.exitCode, 2);
    // One radio under two names, or one file under two names: refused before
    // any port opens, so no read overwrites another.
    const std::string link = dir + "/radio-link";
    std::filesystem::create_symlink(simA.device, link);
    r = RunQm530({"read", "--port", simA.device, "--port", link, outA, outB});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(Contains(r.err, "name the same device")) << r.err;
    for (const bool repeat : {false, true}) {
        std::vector<std::string> args{"read",      "--port", simA.device,        "--port",
                                      simB.device, outA,     dir + "/./outA.dat"};
        if (repeat) args.push_back("--repeat");
        r = RunQm530(args);
        EXPECT_EQ(r.exitCode, 2) << repeat;
        EXPECT_TRUE(Contains(r.err, "are the same file")) << r.err;
    }
    r = RunQm530({"read", "--port", simA.device, "--port", simA.device, outA, outB});
    EXPECT_EQ(r.exitCode, 2);
}

TEST_F(Fleet, RepeatProgramsRadioAfterRadio) {
    const std::string cable = dir + "/cable";
    const std::string log = dir + "/radios.csv";
    test::Child writer({"write", "--repeat", "--port", cable, "--log", log, file}, dir);
    // No radio yet: the port waits quietly.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const std::string saved1 = dir + "/radio1.dat", saved2 = dir + "/radio2.dat";
    {
        Simulator first(dir, {"--no-pace", "--link", cable, "--save", saved1});
        ASSERT_TRUE(WaitForFile(saved1, 8000));
        // Still there a while: not programmed twice.
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    }
    // Taking one radio away and connecting the next takes a moment.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    {
        Simulator second(dir, {"--no-pace", "--link", cable, "--save", saved2});
        ASSERT_TRUE(WaitForFile(saved2, 8000));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    const CliResult r = writer.Finish(SIGINT);
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    ExpectWritten(saved1);
    ExpectWritten(saved2);
    const std::string csv = test::ReadFileText(log);
    std::istringstream lines(csv);
    std::vector<std::string> records;
    for (std::string line; std::getline(lines, line);) records.push_back(line);
    ASSERT_EQ(records.size(), 3u) << csv;
    EXPECT_EQ(records[0], "time,port,identification,result,seconds\r");
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_TRUE(Contains(records[i], "," + cable + ",51 4D 35 33 30 53 49 4D,ok,"))
            << records[i];
    }
    std::size_t rows = 0;
    for (auto at = r.out.find(cable + "  QM530SIM  ok"); at != std::string::npos;
         at = r.out.find(cable + "  QM530SIM  ok", at + 1)) {
        ++rows;
    }
    EXPECT_EQ(rows, 2u) << r.out;
}

// "     12.345  step  event  detail" lines: the time column of each.
std::vector<double> TraceTimes(const std::string& trace) {
    std::vector<double> times;
    std::istringstream in(trace);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        times.push_back(std::stod(line));
    }
    return times;
}

TEST_F(Fleet, TraceRecordsEveryExchange) {
    Simulator good(dir, {"--no-pace"});
    const std::string trace = dir + "/trace.txt";
    ASSERT_EQ(RunQm530({"write", "--port", good.device, file, "--trace", trace}).exitCode, 0);
    const std::string text = test::ReadFileText(trace);
    EXPECT_TRUE(Contains(text, "# write on port " + good.device)) << text;
    EXPECT_TRUE(Contains(text, "open       " + good.device + ": ok")) << text;
    EXPECT_TRUE(Contains(text, "handshake 1    >          02\n")) << text;
    EXPECT_TRUE(Contains(text, "handshake 1    <          51 4D 35 33 30 53 49 4D  (8 of 8"))
        << text;
    EXPECT_TRUE(Contains(text, "write 0x000    >          57 00 00 08\n")) << text;
    EXPECT_TRUE(Contains(text, "write 0x3E8    <          06  (1 of 1")) << text;
    EXPECT_TRUE(Contains(text, "outcome    completed, 124 blocks, 1 handshake attempt\n")) << text;
    EXPECT_FALSE(Contains(text, "write 0x330")) << text;
    const std::vector<double> times = TraceTimes(text);
    ASSERT_GT(times.size(), 124u * 3);
    for (std::size_t i = 1; i < times.size(); ++i) ASSERT_LE(times[i - 1], times[i]) << i;

    // A failure and the trace of several ports, one file each, appended.
    Simulator nak(dir, {"--no-pace", "--fault", "nak-block:2"});
    const CliResult r = RunQm530({"read", "--port", good.device, "--port", nak.device,
                                  dir + "/o1.dat", dir + "/o2.dat", "--trace", trace});
    EXPECT_EQ(r.exitCode, 5) << r.err;
    std::string tag = nak.device.substr(1);
    for (char& c : tag) c = c == '/' ? '_' : c;
    const std::string nakTrace = test::ReadFileText(dir + "/trace-" + tag + ".txt");
    EXPECT_TRUE(Contains(nakTrace, "read 0x008     <          15")) << nakTrace;
    EXPECT_TRUE(Contains(nakTrace, "outcome    failed after 1 blocks: 61454 Program Interrupt"))
        << nakTrace;
}

TEST_F(Fleet, CtrlCCancelsEveryPort) {
    Simulator a(dir, {});  // paced: a write takes about 2 s
    Simulator b(dir, {});
    test::Child writer({"write", "--port", a.device, "--port", b.device, file}, dir);
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    const CliResult r = writer.Finish(SIGINT);
    EXPECT_EQ(r.exitCode, 130) << r.err;
    EXPECT_TRUE(Contains(SummaryLine(r.out, a.device), "cancelled")) << r.out;
    EXPECT_TRUE(Contains(SummaryLine(r.out, b.device), "cancelled")) << r.out;
}

}  // namespace
}  // namespace qm530
