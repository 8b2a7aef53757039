#include "link/pnp_ports.h"

#include <gtest/gtest.h>

#include <fstream>

#include "config/ini_file.h"

namespace qm530::test {
namespace {

using link::PnpPort;

// Records as SetupAPI gives them on a Windows computer with a built-in
// port, a working USB-serial cable, one whose driver refused its chip and
// one without a driver.
std::vector<PnpPort> Recorded() {
    return {
        {"USB\\VID_067B&PID_2303&REV_0300", "USB-to-Serial Comm Port", "Maker A", "", "Ser2pl",
         link::kProblemFailedStart},
        {"USB\\VID_1A86&PID_7523&REV_0264", "USB-SERIAL CH340 (COM12)", "wch.cn", "COM12",
         "CH341SER_A64", 0},
        {"ACPI\\PNP0501", "Communications Port (COM1)", "(Standard port types)", "COM1", "Serial",
         0},
        {"FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000", "USB Serial Port (COM4)", "FTDI", "COM4",
         "FTSER2K", 0},
        {"USB\\VID_10C4&PID_EA60", "CP2102 USB to UART Bridge Controller", "", "", "",
         link::kProblemNoDriver},
    };
}

TEST(PnpPorts, RecordedDevicesBecomeSerialDevicesInComOrder) {
    const auto devices = link::SerialDevicesOfPnp(Recorded(), nullptr);
    ASSERT_EQ(devices.size(), 5u);
    EXPECT_EQ(devices[0].path, "COM1");
    EXPECT_FALSE(devices[0].IsUsb());
    EXPECT_EQ(devices[0].product, "Communications Port");
    EXPECT_EQ(devices[0].ports, std::vector<std::string>{"COM1"});
    EXPECT_EQ(devices[1].path, "COM4");
    EXPECT_EQ(devices[1].vendorId, "0403");  // from an FTDIBUS id too
    EXPECT_EQ(devices[1].productId, "6001");
    EXPECT_EQ(devices[2].path, "COM12");
    EXPECT_EQ(devices[2].vendorId, "1a86");
    EXPECT_EQ(devices[2].productId, "7523");
    EXPECT_EQ(devices[2].product, "USB-SERIAL CH340");
    EXPECT_EQ(devices[2].manufacturer, "wch.cn");
    EXPECT_TRUE(devices[2].ports.empty());  // COM12 is none of COM1 to COM4
    for (int i = 0; i < 3; ++i) EXPECT_EQ(devices[static_cast<std::size_t>(i)].problem, "");
}

TEST(PnpPorts, ARefusedChipAndAMissingDriverSayWhatToDo) {
    const auto devices = link::SerialDevicesOfPnp(Recorded(), nullptr);
    ASSERT_EQ(devices.size(), 5u);
    // Devices without a COM name come last, in the order found.
    const link::SerialDevice& refused = devices[3];
    EXPECT_EQ(refused.path, "");
    EXPECT_EQ(refused.vendorId, "067b");
    EXPECT_NE(refused.problem.find("problem code 10"), std::string::npos) << refused.problem;
    EXPECT_NE(refused.problem.find("counterfeit"), std::string::npos) << refused.problem;
    EXPECT_NE(refused.problem.find("driver that came with the cable"), std::string::npos);
    EXPECT_NE(devices[4].problem.find("problem code 28"), std::string::npos);
    // Code 10 on a port that is not USB has another cause.
    EXPECT_EQ(link::ProblemHint(link::kProblemFailedStart, false).find("counterfeit"),
              std::string::npos);
    EXPECT_NE(link::ProblemHint(43, true).find("43"), std::string::npos);
    EXPECT_EQ(link::ProblemHint(0, true), "");
}

TEST(PnpPorts, ComNamesMappedElsewhereFollowTheSettings) {
    const std::string path = ::testing::TempDir() + "pnp-ports.ini";
    std::ofstream(path) << "[Ports]\nCOM2=com12\nCOM1=COM4\n";
    config::CIniFile ini;
    ASSERT_TRUE(ini.Load(path, false, true, false));
    const auto devices = link::SerialDevicesOfPnp(Recorded(), &ini);
    // COM4 still names its own port; COM1 now names it too.
    EXPECT_EQ(devices[1].ports, (std::vector<std::string>{"COM1", "COM4"}));
    EXPECT_EQ(devices[2].ports, std::vector<std::string>{"COM2"});
}

}  // namespace
}  // namespace qm530::test
