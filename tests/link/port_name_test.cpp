#include "link/port_name.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "app/ini_file.h"

namespace qm530::test {
namespace {

TEST(ResolvePortName, ComNamesGoThroughThePortsSection) {
    char path[] = "/tmp/qm530-ports-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    std::ofstream(path) << "[Setup]\nLanguage=English\n[Ports]\nCOM1=/dev/ttyACM0\ncom3=/dev/serial/by-id/cable\n";
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, false, true, false));
    ::unlink(path);

    EXPECT_EQ(link::ResolvePortName("COM1", &ini), "/dev/ttyACM0");
    EXPECT_EQ(link::ResolvePortName("com1", &ini), "/dev/ttyACM0");
    EXPECT_EQ(link::ResolvePortName("COM3", &ini), "/dev/serial/by-id/cable");
    EXPECT_EQ(link::ResolvePortName("com2", &ini), "/dev/ttyUSB1");
    EXPECT_EQ(link::ResolvePortName("COM4", nullptr), "/dev/ttyUSB3");
    EXPECT_EQ(link::ResolvePortName("com0", &ini), "");
}

TEST(ResolvePortName, OtherNamesAreDevicePaths) {
    EXPECT_EQ(link::ResolvePortName("/dev/pts/7", nullptr), "/dev/pts/7");
    EXPECT_EQ(link::ResolvePortName("COM", nullptr), "COM");
    EXPECT_EQ(link::ResolvePortName("COMX", nullptr), "COMX");
    EXPECT_EQ(link::ResolvePortName("./com1", nullptr), "./com1");
}

}  // namespace
}  // namespace qm530::test
