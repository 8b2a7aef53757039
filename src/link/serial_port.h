#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "model/status.h"

namespace qm530::link {

class CancelEvent;

// What a purge discards. Both kinds discard only received bytes: bytes
// already handed to the port are never dropped, so a request written just
// before a purge still leaves.
enum class PurgeKind { kAll, kClear };

struct ReadResult {
    std::vector<std::uint8_t> bytes;  // what arrived, possibly nothing
    Status status;                    // failed only on a port error or a cancel
};

// Time limits of the port calls, in milliseconds.
struct PortTimeouts {
    int interByteGap = 30;  // a read ends when two bytes are further apart
    int readPerByte = 500;  // read total: readPerByte * n + readConstant
    int readConstant = 90;
    int writePerByte = 50;  // write total: writePerByte * n + writeConstant
    int writeConstant = 50;
};

// Called about every kWaitHookIntervalMs while a port call waits for the
// radio, so that the program can keep its windows alive; true ends the
// waiting call at once as a cancel.
using WaitHook = std::function<bool()>;
constexpr int kWaitHookIntervalMs = 20;

// A serial port as the clone protocol uses it: exclusive, 9600 8N1 raw,
// with time-limited reads.
class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Opens an existing device for reading and writing, exclusively.
    // Failures carry message 61453 and the reason.
    virtual Status Open(const std::string& device) = 0;
    // 9600 bit/s, 8 data bits, no parity, 1 stop bit, raw binary; every
    // other setting stays as the port had it.
    virtual Status Configure() = 0;
    // Returns when n bytes have arrived, when the gap between two bytes is
    // too long, or at the total time-out, with what arrived so far. Running
    // out of time is not a failure.
    virtual ReadResult Read(std::size_t n) = 0;
    // Returns once the driver has taken all bytes (or at the write time-out);
    // it does not wait for them to leave the wire.
    virtual Status Write(std::span<const std::uint8_t> bytes) = 0;
    virtual void Purge(PurgeKind kind) = 0;
    // Lets pending output finish. Harmless when not open.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Installs (or, with an empty hook, removes) the hook a waiting Read
    // calls. Its time limits stay as they are. Ports that never wait long
    // may ignore it.
    virtual void SetWaitHook(WaitHook hook) { (void)hook; }
    // Changes the time limits of the calls that follow. Ports without real
    // time limits may ignore it.
    virtual void SetTimeouts(PortTimeouts timeouts) { (void)timeouts; }
    // While `cancel` (which may be null, and must outlive the port) is
    // raised, a Read ends at once with what has arrived and fails with
    // "cancelled" instead of waiting for its time-out.
    virtual void WatchCancel(const CancelEvent* cancel) { (void)cancel; }
};

}  // namespace qm530::link
