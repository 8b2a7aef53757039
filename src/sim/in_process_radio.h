#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>

#include "link/port_factory.h"
#include "link/serial_port.h"
#include "sim/radio_protocol.h"

namespace qm530::sim {

// A port whose far end is a virtual radio inside the program: no serial
// device, no pseudo-terminal, no thread. Each byte written reaches the
// radio at once; its answers arrive as a 9600 bit/s line would bring them
// (both ways take 1.04 ms a byte), so a transfer takes as long as with a
// radio. The memory of "virtual" lasts while the program runs; that of
// "virtual:FILE" is loaded from FILE and saved there after a write.
class InProcessRadioPort : public link::SerialPort {
  public:
    InProcessRadioPort() = default;

    Status Open(const std::string& device) override;
    Status Configure() override { return Status::Ok(); }
    link::ReadResult Read(std::size_t n) override;
    Status Write(std::span<const std::uint8_t> bytes) override;
    void Purge(link::PurgeKind kind) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    void WatchCancel(const link::CancelEvent* cancel) override { cancel_ = cancel; }

  private:
    using Clock = std::chrono::steady_clock;
    struct Arriving {
        std::uint8_t byte;
        Clock::time_point at;
    };
    // Moves the bytes that have arrived by now into received_.
    void Deliver();
    void Store();

    bool open_ = false;
    std::string device_;
    RadioProtocol radio_{RadioImage::Default(), Fault{}};
    Clock::time_point lineFree_{};  // when the line has carried all bytes so far
    std::deque<Arriving> arriving_;
    std::deque<std::uint8_t> received_;
    const link::CancelEvent* cancel_ = nullptr;
};

// The ports of the programs: the in-process virtual radio for its names
// ("virtual", "virtual:FILE"), this platform's serial port for every other.
std::unique_ptr<link::SerialPort> MakePort(const std::string& device);

}  // namespace qm530::sim
