#pragma once

#include <cstdint>

#include "link/serial_port.h"

namespace qm530::link {

// SerialPort on a POSIX terminal device (termios). Exclusive access holds
// twice: TIOCEXCL keeps other users from opening the device, and an
// advisory flock keeps out other programs even when they run as root. A
// device whose exclusive flag another program has set is refused too,
// although root could open it.
class PosixSerialPort : public SerialPort {
  public:
    explicit PosixSerialPort(PortTimeouts timeouts = {});
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    Status Open(const std::string& device) override;
    Status Configure() override;
    ReadResult Read(std::size_t n) override;
    Status Write(std::span<const std::uint8_t> bytes) override;
    void Purge(PurgeKind kind) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }
    void SetWaitHook(WaitHook hook) override;

    const std::string& Device() const { return device_; }
    void SetTimeouts(PortTimeouts timeouts) override { timeouts_ = timeouts; }
    void WatchCancel(const CancelEvent* cancel) override;

  private:
    int fd_ = -1;
    int cancelFd_ = -1;
    WaitHook waitHook_;
    std::int64_t lastHook_ = 0;  // monotonic nanoseconds of the last hook call
    // True when this port set the device's exclusive flag, which Close then
    // clears again.
    bool setExclusive_ = false;
    std::string device_;
    PortTimeouts timeouts_;
};

// The reason an open failed, for the user: a missing device, a device held
// by another program, or a permission problem naming the device's group.
std::string OpenFailureReason(const std::string& device, int error);

}  // namespace qm530::link
