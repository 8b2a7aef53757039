#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "link/clone_protocol.h"
#include "link/serial_port.h"
#include "link/transfer.h"

namespace qm530::link {

// A port that passes every call on to another one and writes each of them,
// with the bytes sent and received, as one line of a trace a person can
// read:
//
//        time  step           event      detail
//       0.012  -              open       /dev/ttyUSB0: ok
//      27.704  handshake 1    >          02
//     618.250  handshake 1    <          06  (1 of 1, 590.3 ms)
//    1052.900  write 0x000    >          57 00 00 08
//
// Time is in milliseconds since Begin on a monotonic clock; ">" is sent to
// the radio, "<" received from it. The step is the engine's, as the
// requests show it: a purge of everything opens a handshake attempt, a
// block request names its block. It also keeps the radio's identification
// (the 8 bytes that answer the handshake), with or without a trace.
class TracedPort : public SerialPort {
  public:
    // `trace` may be null: then only the identification is kept.
    TracedPort(SerialPort& inner, std::ostream* trace) : inner_(inner), trace_(trace) {}

    // Starts a transfer's section of the trace: a header line, and the
    // clock and the step from the beginning.
    void Begin(const std::string& what, const std::string& device);
    // Ends the section with the transfer's outcome.
    void End(const TransferResult& result);

    Status Open(const std::string& device) override;
    Status Configure() override;
    ReadResult Read(std::size_t n) override;
    Status Write(std::span<const std::uint8_t> bytes) override;
    void Purge(PurgeKind kind) override;
    void Close() override;
    bool IsOpen() const override { return inner_.IsOpen(); }
    void SetWaitHook(WaitHook hook) override { inner_.SetWaitHook(std::move(hook)); }

    // The identification of the last handshake reply, empty when none came.
    const std::vector<std::uint8_t>& Identification() const { return ident_; }

  private:
    double Millis() const;
    void Line(const std::string& event, const std::string& detail);

    SerialPort& inner_;
    std::ostream* trace_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::string step_ = "-";
    int attempts_ = 0;
    std::vector<std::uint8_t> ident_;
};

// The outcome of a transfer in the words of a trace: "completed, 124
// blocks", "failed: 61454 Program Interrupt, ...: block 0x030: ...".
std::string OutcomeText(const TransferResult& result);

// A new file for the trace of one desktop transfer in `folder` (ending with
// '/'): "<folder>20261208-044107-read.txt" in local time, with "-2", "-3" ...
// before the extension when a file of that name exists already.
std::string NewTraceFilePath(const std::string& folder, TransferDirection direction,
                             std::time_t when);

}  // namespace qm530::link
