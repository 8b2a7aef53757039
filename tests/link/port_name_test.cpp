#include "link/port_name.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "config/data_dirs.h"
#include "config/ini_file.h"

namespace qm530::test {
namespace {

void LoadPortsIni(config::CIniFile& ini) {
    char path[] = "/tmp/qm530-ports-XXXXXX";
    const int fd = ::mkstemp(path);
    EXPECT_GE(fd, 0);
    ::close(fd);
    std::ofstream(path)
        << "[Setup]\nLanguage=English\n[Ports]\nCOM1=/dev/ttyACM0\ncom3=/dev/serial/by-id/cable\n";
    EXPECT_TRUE(ini.Load(path, false, true, false));
    ::unlink(path);
}

TEST(ResolvePortName, ComNamesGoThroughThePortsSection) {
    config::CIniFile ini;
    LoadPortsIni(ini);
    EXPECT_EQ(link::ResolvePortName("COM1", &ini), "/dev/ttyACM0");
    EXPECT_EQ(link::ResolvePortName("com1", &ini), "/dev/ttyACM0");
    EXPECT_EQ(link::ResolvePortName("COM3", &ini), "/dev/serial/by-id/cable");
    EXPECT_EQ(link::ResolvePortName("com2", &ini), "/dev/ttyUSB1");
    EXPECT_EQ(link::ResolvePortName("COM4", nullptr), "/dev/ttyUSB3");
    EXPECT_EQ(link::ResolvePortName("com0", &ini), "");
}

TEST(ResolvePortName, TheEnvironmentComesBeforeTheSettings) {
    config::CIniFile ini;
    LoadPortsIni(ini);
    ::setenv("QM530_COM1", "/tmp/ttyVirtual", 1);
    ::setenv("QM530_COM2", "/tmp/ttyOther", 1);
    EXPECT_EQ(link::ResolvePortName("COM1", &ini), "/tmp/ttyVirtual");
    EXPECT_EQ(link::ResolvePortName("com1", nullptr), "/tmp/ttyVirtual");
    EXPECT_EQ(link::ResolvePortName("com2", &ini), "/tmp/ttyOther");
    EXPECT_EQ(link::ResolvePortName("COM3", &ini), "/dev/serial/by-id/cable");
    EXPECT_EQ(link::ResolvePortName("/dev/ttyS0", &ini), "/dev/ttyS0");
    ::setenv("QM530_COM1", "", 1);  // empty: as if not set
    EXPECT_EQ(link::ResolvePortName("COM1", &ini), "/dev/ttyACM0");
    ::unsetenv("QM530_COM1");
    ::unsetenv("QM530_COM2");
    EXPECT_EQ(link::ResolvePortName("com2", &ini), "/dev/ttyUSB1");
}

// The whole chain as both programs see it: the variable, the user's own
// Program.ini (where a choice made in COM Setup goes), the program folder's,
// the default; each with its source.
TEST(ResolvePortName, TheUsersChoiceComesBetweenTheVariableAndTheProgramFolder) {
    namespace fs = std::filesystem;
    char base[] = "/tmp/qm530-ports-dirs-XXXXXX";
    ASSERT_NE(::mkdtemp(base), nullptr);
    const config::ProgramDirs dirs{std::string(base) + "/bin/", std::string(base) + "/share/qm530/",
                                   std::string(base) + "/config/qm530/"};
    fs::create_directories(dirs.dataDir);
    std::ofstream(dirs.dataDir + "Program.ini")
        << "[Ports]\nCOM1=/dev/ttyACM0\nCOM2=/dev/ttyACM1\n";
    const auto open = [&](config::CIniFile& ini) {
        config::OpenProgramIni(ini, dirs, false, true, false);
    };
    {
        config::CIniFile ini;
        open(ini);
        const link::PortMapping one = link::ResolvePort("COM1", &ini);
        EXPECT_EQ(one.device, "/dev/ttyACM0");
        EXPECT_EQ(one.source, link::PortSource::kSettings);
        EXPECT_EQ(link::ResolvePort("COM3", &ini).source, link::PortSource::kDefault);
        // The installed copy is never written: the choice goes to the user's.
        link::SetPortDevice(ini, 1, "/dev/serial/by-id/usb-cable");
        link::SetPortDevice(ini, 3, "/dev/ttyS0");
        ASSERT_TRUE(ini.Save(false));
    }
    ASSERT_TRUE(fs::exists(dirs.configDir + "Program.ini"));
    {
        config::CIniFile ini;
        open(ini);
        EXPECT_EQ(link::ResolvePortName("COM1", &ini), "/dev/serial/by-id/usb-cable");
        EXPECT_EQ(link::ResolvePortName("COM2", &ini), "/dev/ttyACM1");  // kept from the copy
        EXPECT_EQ(link::ResolvePortName("COM3", &ini), "/dev/ttyS0");
        ::setenv("QM530_COM1", "/tmp/ttyVirtual", 1);
        const link::PortMapping variable = link::ResolvePort("COM1", &ini);
        ::unsetenv("QM530_COM1");
        EXPECT_EQ(variable.device, "/tmp/ttyVirtual");
        EXPECT_EQ(variable.source, link::PortSource::kEnvironment);
        // Back to the default: the key goes, and with it the installed mapping.
        link::SetPortDevice(ini, 1, "");
        const link::PortMapping back = link::ResolvePort("COM1", &ini);
        EXPECT_EQ(back.device, "/dev/ttyUSB0");
        EXPECT_EQ(back.source, link::PortSource::kDefault);
        EXPECT_EQ(link::ResolvePort("/dev/ttyS1", &ini).source, link::PortSource::kPath);
        EXPECT_EQ(link::ResolvePort("com0", &ini).source, link::PortSource::kNone);
    }
    fs::remove_all(base);
}

TEST(ResolvePortName, OtherNamesAreDevicePaths) {
    EXPECT_EQ(link::ResolvePortName("/dev/pts/7", nullptr), "/dev/pts/7");
    EXPECT_EQ(link::ResolvePortName("COM", nullptr), "COM");
    EXPECT_EQ(link::ResolvePortName("COMX", nullptr), "COMX");
    EXPECT_EQ(link::ResolvePortName("./com1", nullptr), "./com1");
    EXPECT_EQ(link::ResolvePortName("com1x", nullptr), "com1x");
    EXPECT_EQ(link::ResolvePortName("com99999999999", nullptr), "com99999999999");
    EXPECT_EQ(link::PortNameOfNumber(3), "com3");
    EXPECT_EQ(link::ComPortNumber("COM12"), 12);
}

}  // namespace
}  // namespace qm530::test
