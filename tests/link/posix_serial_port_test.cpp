#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "link/cancel_event.h"
#include "link/port_factory.h"
#include "model/messages.h"
#include "sim/pseudo_terminal.h"

namespace qm530::test {
namespace {

using Clock = std::chrono::steady_clock;
using link::PosixSerialPort;

long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

void WriteMaster(int fd, std::vector<std::uint8_t> bytes) {
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

std::vector<std::uint8_t> ReadMaster(int fd, std::size_t n) {
    std::vector<std::uint8_t> got;
    const auto start = Clock::now();
    while (got.size() < n && MsSince(start) < 2000) {
        std::uint8_t buffer[512];
        const ssize_t k = ::read(fd, buffer, sizeof buffer);
        if (k > 0) {
            got.insert(got.end(), buffer, buffer + k);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    return got;
}

class PortOnPty : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Open().ok());
        ASSERT_TRUE(port.Open(pty.SlavePath()).ok());
        ASSERT_TRUE(port.Configure().ok());
    }
    sim::PseudoTerminal pty;
    PosixSerialPort port;
};

TEST_F(PortOnPty, AllByteValuesPassBothWays) {
    std::vector<std::uint8_t> all(256);
    for (int i = 0; i < 256; ++i) all[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    WriteMaster(pty.MasterFd(), all);
    const auto in = port.Read(256);
    ASSERT_TRUE(in.status.ok());
    EXPECT_EQ(in.bytes, all);

    ASSERT_TRUE(port.Write(all).ok());
    EXPECT_EQ(ReadMaster(pty.MasterFd(), 256), all);
}

TEST_F(PortOnPty, ReadEndsAtAGapOrTheTotalTimeOut) {
    // Bytes 10 ms apart belong together.
    std::thread slow([&] {
        for (std::uint8_t b = 1; b <= 4; ++b) {
            WriteMaster(pty.MasterFd(), {b});
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    auto r = port.Read(4);
    slow.join();
    EXPECT_TRUE(r.status.ok());
    EXPECT_EQ(r.bytes, (std::vector<std::uint8_t>{1, 2, 3, 4}));

    // A pause far beyond 30 ms ends the read with what came before it.
    std::thread gap([&] {
        WriteMaster(pty.MasterFd(), {7, 8});
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        WriteMaster(pty.MasterFd(), {9});
    });
    auto start = Clock::now();
    r = port.Read(12);
    const auto gapMs = MsSince(start);
    gap.join();
    EXPECT_TRUE(r.status.ok());
    EXPECT_EQ(r.bytes, (std::vector<std::uint8_t>{7, 8}));
    EXPECT_LT(gapMs, 290);

    // Byte 9 came after the read had ended; a purge drops it. Then nothing
    // comes at all: the total time-out (590 ms for one byte), not a failure.
    port.Purge(link::PurgeKind::kAll);
    start = Clock::now();
    r = port.Read(1);
    const auto silentMs = MsSince(start);
    EXPECT_TRUE(r.status.ok());
    EXPECT_TRUE(r.bytes.empty());
    EXPECT_GE(silentMs, 550);
    EXPECT_LT(silentMs, 3000);
}

TEST_F(PortOnPty, PurgeDropsReceivedBytesButNotWrittenOnes) {
    WriteMaster(pty.MasterFd(), {1, 2, 3});
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(port.Write(std::vector<std::uint8_t>{0x06}).ok());
    port.Purge(link::PurgeKind::kClear);
    EXPECT_EQ(ReadMaster(pty.MasterFd(), 1), std::vector<std::uint8_t>{0x06});
    WriteMaster(pty.MasterFd(), {4});
    const auto r = port.Read(1);
    EXPECT_EQ(r.bytes, std::vector<std::uint8_t>{4});  // 1, 2, 3 are gone
}

TEST_F(PortOnPty, ASecondOpenerIsRefusedUntilTheFirstCloses) {
    PosixSerialPort second;
    const Status refused = second.Open(pty.SlavePath());
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.messageId(), msg::kPortOpenFailed);
    EXPECT_NE(refused.detail().find("in use"), std::string::npos) << refused.detail();
    EXPECT_FALSE(link::PortAvailable(pty.SlavePath()));
    port.Close();
    EXPECT_TRUE(second.Open(pty.SlavePath()).ok());
}

TEST(PosixSerialPort, ACancelEndsAWaitingReadAtOnce) {
    sim::PseudoTerminal pty;
    ASSERT_TRUE(pty.Open().ok());
    link::CancelEvent cancel;
    // A long gap: only the total time-out (4.09 s) or the cancel ends the read.
    link::PortTimeouts patient;
    patient.interByteGap = 5000;
    PosixSerialPort port(patient);
    ASSERT_TRUE(port.Open(pty.SlavePath()).ok());
    ASSERT_TRUE(port.Configure().ok());
    port.WatchCancel(&cancel);
    WriteMaster(pty.MasterFd(), {3});
    std::thread user([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        cancel.Raise();
    });
    const auto start = Clock::now();
    const auto r = port.Read(8);
    const auto ms = MsSince(start);
    user.join();
    EXPECT_EQ(r.status.detail(), "cancelled");
    EXPECT_FALSE(r.status.ok());
    EXPECT_EQ(r.bytes, std::vector<std::uint8_t>{3});
    EXPECT_GE(ms, 90);
    EXPECT_LT(ms, 2000);
    // Still cancelled: the next read does not wait either.
    EXPECT_EQ(port.Read(1).status.detail(), "cancelled");
}

TEST_F(PortOnPty, AWaitingReadCallsTheHookAndKeepsItsTimeLimits) {
    // One byte on a silent line: 590 ms, with the hook about every 20 ms.
    int calls = 0;
    port.SetWaitHook([&] {
        ++calls;
        return false;
    });
    const auto start = Clock::now();
    const auto r = port.Read(1);
    const auto ms = MsSince(start);
    EXPECT_TRUE(r.status.ok());
    EXPECT_TRUE(r.bytes.empty());
    EXPECT_GE(ms, 585);
    EXPECT_LT(ms, 1500);
    EXPECT_GE(calls, 10);  // 29 when nothing delays the process
    EXPECT_LE(calls, 30);

    // Bytes that arrive while the hook runs are still read.
    port.SetWaitHook([&] {
        WriteMaster(pty.MasterFd(), {0x06});
        return false;
    });
    EXPECT_EQ(port.Read(1).bytes, std::vector<std::uint8_t>{0x06});

    // True ends the read as a cancel.
    calls = 0;
    port.SetWaitHook([&] { return ++calls == 3; });
    const auto again = Clock::now();
    const auto cancelled = port.Read(12);
    EXPECT_EQ(cancelled.status.detail(), "cancelled");
    EXPECT_LT(MsSince(again), 1000);
    port.SetWaitHook({});
}

TEST(PosixSerialPort, AnotherProgramsExclusiveFlagIsRefusedAndKept) {
    sim::PseudoTerminal pty;
    ASSERT_TRUE(pty.Open().ok());
    // Another program holds the port with TIOCEXCL only, no advisory lock.
    const int holder = ::open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::ioctl(holder, TIOCEXCL), 0);

    PosixSerialPort port;
    const Status refused = port.Open(pty.SlavePath());
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.messageId(), msg::kPortOpenFailed);
    EXPECT_NE(refused.detail().find("in use by another program"), std::string::npos)
        << refused.detail();
    port.Close();
    int exclusive = 0;
    ASSERT_EQ(::ioctl(holder, TIOCGEXCL, &exclusive), 0);
    EXPECT_NE(exclusive, 0);

    // Once the holder lets go, the port opens, and closing it gives its
    // own flag back.
    ASSERT_EQ(::ioctl(holder, TIOCNXCL), 0);
    ASSERT_TRUE(port.Open(pty.SlavePath()).ok());
    ASSERT_EQ(::ioctl(holder, TIOCGEXCL, &exclusive), 0);
    EXPECT_NE(exclusive, 0);
    port.Close();
    ASSERT_EQ(::ioctl(holder, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    ::close(holder);
}

TEST_F(PortOnPty, AHangUpIsAReadError) {
    pty.Close();
    const auto r = port.Read(12);
    EXPECT_FALSE(r.status.ok());
}

TEST(PosixSerialPort, MissingDeviceOrFileFails) {
    PosixSerialPort port;
    Status s = port.Open("/dev/qm530-no-such-port");
    EXPECT_EQ(s.messageId(), msg::kPortOpenFailed);
    EXPECT_EQ(s.detail(), "/dev/qm530-no-such-port: no such device");
    EXPECT_FALSE(port.IsOpen());

    s = port.Open("");
    EXPECT_EQ(s.messageId(), msg::kPortOpenFailed);

    char path[] = "/tmp/qm530-port-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    s = port.Open(path);
    ::unlink(path);
    EXPECT_EQ(s.messageId(), msg::kPortOpenFailed);
    EXPECT_NE(s.detail().find("not a serial port"), std::string::npos) << s.detail();
}

TEST(PosixSerialPort, PermissionReasonNamesTheGroup) {
    const std::string reason = link::OpenFailureReason("/dev/null", EACCES);
    // /dev/null belongs to group root on every Linux system.
    EXPECT_NE(reason.find("group 'root'"), std::string::npos) << reason;
    EXPECT_NE(reason.find("usermod -aG root"), std::string::npos) << reason;
}

}  // namespace
}  // namespace qm530::test
