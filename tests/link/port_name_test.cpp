#include "link/port_name.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>

#include "app/core/ini_file.h"

namespace qm530::test {
namespace {

void LoadPortsIni(CIniFile& ini) {
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
    CIniFile ini;
    LoadPortsIni(ini);
    EXPECT_EQ(link::ResolvePortName("COM1", &ini), "/dev/ttyACM0");
    EXPECT_EQ(link::ResolvePortName("com1", &ini), "/dev/ttyACM0");
    EXPECT_EQ(link::ResolvePortName("COM3", &ini), "/dev/serial/by-id/cable");
    EXPECT_EQ(link::ResolvePortName("com2", &ini), "/dev/ttyUSB1");
    EXPECT_EQ(link::ResolvePortName("COM4", nullptr), "/dev/ttyUSB3");
    EXPECT_EQ(link::ResolvePortName("com0", &ini), "");
}

TEST(ResolvePortName, TheEnvironmentComesBeforeTheSettings) {
    CIniFile ini;
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
