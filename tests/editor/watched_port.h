#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "link/posix_serial_port.h"

namespace qm530::test {

// A POSIX port that counts what a transfer does with it and can act in the
// middle of the transfer (onRead runs before every read).
class WatchedPort : public link::SerialPort {
  public:
    explicit WatchedPort(link::PortTimeouts timeouts) : port_(timeouts) {}
    Status Open(const std::string& device) override {
        ++opens;
        return port_.Open(device);
    }
    Status Configure() override { return port_.Configure(); }
    link::ReadResult Read(std::size_t n) override {
        ++reads;
        if (onRead) onRead(reads);
        return port_.Read(n);
    }
    Status Write(std::span<const std::uint8_t> bytes) override { return port_.Write(bytes); }
    void Purge(link::PurgeKind kind) override { port_.Purge(kind); }
    void Close() override { port_.Close(); }
    bool IsOpen() const override { return port_.IsOpen(); }
    void SetWaitHook(link::WaitHook hook) override { port_.SetWaitHook(std::move(hook)); }

    int opens = 0;
    int reads = 0;
    std::function<void(int)> onRead;

  private:
    link::PosixSerialPort port_;
};

// Hands a transfer a port that the test keeps, so that the test can look at
// it after the transfer has let go of it.
class BorrowedPort : public link::SerialPort {
  public:
    explicit BorrowedPort(link::SerialPort& port) : port_(port) {}
    Status Open(const std::string& device) override { return port_.Open(device); }
    Status Configure() override { return port_.Configure(); }
    link::ReadResult Read(std::size_t n) override { return port_.Read(n); }
    Status Write(std::span<const std::uint8_t> bytes) override { return port_.Write(bytes); }
    void Purge(link::PurgeKind kind) override { port_.Purge(kind); }
    void Close() override { port_.Close(); }
    bool IsOpen() const override { return port_.IsOpen(); }
    void SetWaitHook(link::WaitHook hook) override { port_.SetWaitHook(std::move(hook)); }

  private:
    link::SerialPort& port_;
};

// Short time limits, so that a silent line costs little test time.
constexpr link::PortTimeouts kQuickTimeouts{30, 20, 10, 50, 50};

}  // namespace qm530::test
