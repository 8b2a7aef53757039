#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "clone_process.h"
#include "model/dat_file.h"
#include "model/radio_image.h"
#include "support/fake_sysfs.h"

namespace qm530 {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::RunQm530;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class Tree : public ::testing::Test {
  protected:
    void SetUp() override {
        root = test::MakeTempDir();
        for (int n = 1; n <= 4; ++n) ::unsetenv(("QM530_COM" + std::to_string(n)).c_str());
    }
    void TearDown() override { fs::remove_all(root); }
    std::string root;
};

// A USB cable on ttyUSB0 as the kernel shows it, a built-in ttyS0 with a
// UART, a ttyS1 without one, and a ttyUSB1 whose /dev node is gone.
TEST_F(Tree, PortsListsTheDevicesOfAFakeSysfs) {
    test::AddFakeUsbCable(root);
    test::AddFakeBuiltInPort(root, "ttyS0", "4", true);
    test::AddFakeBuiltInPort(root, "ttyS1", "0", true);
    test::AddFakeBuiltInPort(root, "ttyUSB1", "4", false);
    const std::string byId = test::kFakeCableById;
    const std::string ini = root + "/Program.ini";
    std::ofstream(ini) << "[Ports]\nCOM3=/dev/serial/by-id/" << byId << "\nCOM4=/dev/ttyS0\n";

    CliResult r = RunQm530({"ports", "--root", root, "--ini", ini});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "/dev/ttyUSB0  = COM1, COM3\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "  USB 0403:6001, FTDI, FT232R USB UART, serial A50285BI\n"))
        << r.out;
    EXPECT_TRUE(Contains(r.out, "  /dev/serial/by-id/" + byId + "\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "/dev/ttyS0  = COM4\n  built-in serial port")) << r.out;
    EXPECT_FALSE(Contains(r.out, "ttyS1")) << r.out;
    EXPECT_FALSE(Contains(r.out, "/dev/ttyUSB1\n")) << r.out;
    // Each COMn with its device and where that comes from.
    EXPECT_TRUE(Contains(r.out, "COM1 = /dev/ttyUSB0 (the default)\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "COM2 = /dev/ttyUSB1 (the default; not among the devices above)\n"))
        << r.out;
    EXPECT_TRUE(Contains(r.out, "COM3 = /dev/serial/by-id/" + byId + " (Ports in " + ini + ")\n"))
        << r.out;
    ::setenv("QM530_COM4", "/dev/ttyACM7", 1);
    const CliResult withVariable = RunQm530({"ports", "--root", root, "--ini", ini});
    ::unsetenv("QM530_COM4");
    EXPECT_TRUE(Contains(withVariable.out,
                         "COM4 = /dev/ttyACM7 (environment variable QM530_COM4; not among the "
                         "devices above)\n"))
        << withVariable.out;
    EXPECT_TRUE(Contains(withVariable.out, "/dev/ttyS0\n  built-in")) << withVariable.out;
    EXPECT_LT(r.out.find("ttyUSB0"), r.out.find("ttyS0"));

    r = RunQm530({"ports", "--root", root, "--ini", ini, "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "{\"path\": \"/dev/ttyUSB0\", \"by_id\": [\"/dev/serial/by-id/" +
                                    byId + "\"], \"usb\": true, \"vendor_id\": \"0403\""))
        << r.out;
    EXPECT_TRUE(Contains(r.out, "\"serial\": \"A50285BI\"")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"ports\": [\"COM1\", \"COM3\"]")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"accessible\": true")) << r.out;
}

TEST_F(Tree, NoDeviceIsNoError) {
    CliResult r = RunQm530({"ports", "--root", root});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "No serial device found. Plug in the programming cable")) << r.out;
    r = RunQm530({"ports", "--root", root, "--json"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "[]\n");
}

class Diff : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = test::MakeTempDir();
        a = dir + "/a.dat";
        b = dir + "/b.dat";
        ini = dir + "/Program.ini";
        std::ofstream(ini) << "[Setup]\nType1=QM-520\nField1=130 - 160MHz|400 - 470MHz\n"
                              "Type2=QM-530\nField2=136 - 174MHz\n";
        ASSERT_EQ(RunQm530({"new", a}).exitCode, 0);
        ASSERT_EQ(RunQm530({"set", a, "3", "rx=145.125", "tx=145.725", "enc=88.5"}).exitCode, 0);
        fs::copy_file(a, b);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string dir, a, b, ini;
};

TEST_F(Diff, EveryKindOfField) {
    CliResult r = RunQm530({"diff", a, b});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "The two configurations are the same.\n");

    ASSERT_EQ(RunQm530({"set", b, "3", "rx=146.52", "dec=D023N", "power=Low", "busy=Carrier",
                        "bw=Narrow", "scan=Yes"})
                  .exitCode,
              0);
    ASSERT_EQ(RunQm530({"option", b, "tot=600s", "beep=off", "side-key-1=Scan", "priority=Fixed",
                        "priority-channel=3", "dropout-delay=7"})
                  .exitCode,
              0);
    const Result<RadioImage> loaded = LoadDatFile(b);
    ASSERT_TRUE(loaded);
    RadioImage image = *loaded;
    image[addr::kProductType] = 1;  // QM-530
    image[0x3C4] = 0x12;            // no field
    image[0x03D] ^= 0x01;           // channel 3, a bit the codec leaves alone
    ASSERT_TRUE(SaveDatFile(b, image));

    r = RunQm530({"diff", a, b, "--ini", ini});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    for (const char* line :
         {"channel 3 Rx Frequency: 145.12500 → 146.52000\n", "channel 3 QT/DQT Dec: None → D023N\n",
          "channel 3 Power: High → Low\n", "channel 3 Scan Add: No → Yes\n",
          "channel 3 Busy Lock: Off → Carrier\n", "channel 3 W/N: Wide → Narrow\n", "tot: ",
          "→ 600s\n", "beep: on → off\n", "side-key-1: Off → Scan\n", "priority: None → Fixed\n",
          "priority-channel: (empty) →  3\n", "dropout-delay: ", "model: 0xFF → QM-530 (0x01)\n",
          "Bytes that differ where no field shows a difference:\n", "  0x3C4: 0xFF → 0x12\n",
          "  0x03D: "}) {
        EXPECT_TRUE(Contains(r.out, line)) << line << "\n" << r.out;
    }
    EXPECT_FALSE(Contains(r.out, "Tx Frequency")) << r.out;
    EXPECT_FALSE(Contains(r.out, "0x030:")) << r.out;  // shown as the Rx field

    r = RunQm530({"diff", a, b, "--lang", "zh"});
    EXPECT_TRUE(Contains(r.out, "信道 3 接收频率: 145.12500 → 146.52000\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "信道 3 功率: 高 → 低\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "side-key-1: 关闭 → 扫描\n")) << r.out;

    r = RunQm530({"diff", a, b, "--json"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.out, "\"equal\": false")) << r.out;
    EXPECT_TRUE(Contains(r.out,
                         "{\"field\": \"channel 3 Rx Frequency\", \"name\": \"Rx "
                         "Frequency\", \"channel\": 3, \"from\": \"145.12500\", \"to\": "
                         "\"146.52000\"}"))
        << r.out;
    EXPECT_TRUE(Contains(r.out, "{\"address\": \"0x3C4\", \"from\": \"0xFF\", \"to\": \"0x12\"}"))
        << r.out;
}

TEST_F(Diff, ARadioAndExitCodes) {
    test::Simulator sim(dir, {"--no-pace", "--image", a});
    CliResult r = RunQm530({"diff", a, "port:" + sim.device});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    r = RunQm530({"diff", "port:" + sim.device, dir + "/missing.dat"});
    EXPECT_EQ(r.exitCode, 2);
    r = RunQm530({"diff", a, "port:/dev/qm530-no-such-port"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(RunQm530({"diff", a}).exitCode, 2);
}

TEST_F(Diff, TheVirtualRadioStartsWithADemonstration) {
    const std::string got = dir + "/got.dat";
    {
        test::Simulator demo(dir, {"--no-pace"});
        ASSERT_EQ(RunQm530({"read", "--port", demo.device, got}).exitCode, 0);
    }
    CliResult r = RunQm530({"channels", got});
    EXPECT_TRUE(Contains(r.out,
                         " 2  146.52000     146.52000     D023N       D023N       High   "
                         "Yes       Carrier    Wide"))
        << r.out;
    EXPECT_TRUE(Contains(r.out, " 6  158.10000")) << r.out;
    EXPECT_TRUE(Contains(r.out, " 7\n")) << r.out;
    r = RunQm530({"options", got});
    EXPECT_TRUE(Contains(r.out, "tot=180s\n")) << r.out;
    EXPECT_TRUE(Contains(r.out, "side-key-2=Scan\n")) << r.out;
    {
        test::Simulator blank(dir, {"--no-pace", "--blank"});
        ASSERT_EQ(RunQm530({"read", "--port", blank.device, got}).exitCode, 0);
    }
    const Result<RadioImage> loaded = LoadDatFile(got);
    ASSERT_TRUE(loaded);
    RadioImage image = *loaded;
    const RadioImage fresh = RadioImage::Default();
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (i < 0x3C0 || i > 0x3CF) {
            ASSERT_EQ(image[i], fresh[i]) << i;
        }
    }
}

}  // namespace
}  // namespace qm530
