#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "model/radio_image.h"
#include "model/status.h"
#include "sim/fault.h"
#include "sim/pseudo_terminal.h"
#include "sim/radio_protocol.h"

namespace qm530::sim {

struct RadioOptions {
    RadioImage memory = RadioImage::Default();
    // Holds both directions to the speed of a 9600 bit/s line: a byte the
    // radio sends leaves no sooner than 10 bit times after the previous one,
    // and a received byte counts as there only when it would have arrived.
    bool pace = true;
    Fault fault;
    // Called on the radio's thread with its memory after every completed
    // write (every block a write carries stored since the handshake), before
    // the last block's acknowledge leaves. A write that stops part way is
    // kept in memory only.
    std::function<void(const RadioImage&)> onMemoryStored;
};

// A radio on the master side of a pseudo-terminal, served by its own thread.
// Programs talk to it through DevicePath() with real termios.
class VirtualRadio {
  public:
    explicit VirtualRadio(RadioOptions options);
    ~VirtualRadio();
    VirtualRadio(const VirtualRadio&) = delete;
    VirtualRadio& operator=(const VirtualRadio&) = delete;

    Status Start();
    void Stop();

    const std::string& DevicePath() const { return pty_.SlavePath(); }
    RadioImage Memory() const;
    RadioCounters Counters() const;
    // True once a hang-up fault has dropped the line; the radio then serves
    // no more.
    bool HungUp() const { return hungUp_; }

  private:
    using Nanos = long long;
    // What the serving thread knows of the line.
    struct LineState {
        struct Pending {
            std::uint8_t byte;
            Nanos due;  // when the byte counts as received
        };
        std::deque<Pending> pending;
        Nanos lastArrival = 0;
        Nanos lastReceived = 0;
    };
    enum class Input { kRead, kNobodyThere };

    void Serve();
    // Drops what the line held when the program that had the port let go.
    void NoticeReleasedPort();
    // Takes what the program sent into the pending bytes.
    Input ReadInput(bool pace);
    // Answers every pending byte that has arrived; false when the radio
    // stops serving (hung up or stopped).
    bool AnswerArrivedBytes();
    // Sends a reply, when paced byte by byte at the line's speed, starting
    // once the request's last byte has arrived at `start`; false when
    // stopped meanwhile.
    bool Send(const std::vector<std::uint8_t>& reply, Nanos start, bool pace);
    // Sleeps until `when` unless Stop comes first; false when stopped.
    bool SleepUntil(Nanos when);
    // Hands the memory to onMemoryStored.
    void Store();

    RadioOptions options_;
    PseudoTerminal pty_;
    int wakeFd_ = -1;
    std::thread thread_;
    std::atomic<bool> hungUp_{false};
    bool portWasExclusive_ = false;  // as the serving thread saw it last
    mutable std::mutex mutex_;
    RadioProtocol protocol_;
    Nanos lineFreeAt_ = 0;  // when the last byte sent has arrived on the line
    LineState line_;        // the serving thread's alone
};

}  // namespace qm530::sim
