#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "link/clone_protocol.h"
#include "model/radio_image.h"
#include "sim/fault.h"

namespace qm530::sim {

// What the radio does in answer to one received byte.
struct RadioAction {
    std::vector<std::uint8_t> reply;  // bytes to send, possibly none
    bool hangUp = false;              // drop the line instead of answering
    // This block completed a write: every block a write carries has been
    // stored since the handshake.
    bool writeCompleted = false;
};

struct RadioCounters {
    int handshakes = 0;     // confirmed handshakes
    int blocksRead = 0;     // read requests answered
    int blocksWritten = 0;  // write blocks stored
    int malformed = 0;      // requests left unanswered
};

// The radio's side of the clone protocol, byte by byte and without timing:
// the handshake (ACK, identification, ACK), read requests answered with a
// 4-byte header and 8 data bytes, write requests stored and acknowledged.
// Malformed requests get no answer.
class RadioProtocol {
  public:
    // The identification the radio sends during the handshake.
    static constexpr std::array<std::uint8_t, link::kIdentSize> kIdent = {'Q', 'M', '5', '3',
                                                                          '0', 'S', 'I', 'M'};

    RadioProtocol(const RadioImage& memory, const Fault& fault);

    RadioAction Receive(std::uint8_t byte);
    // The other side closed the port: the radio leaves programming mode.
    void LineDropped();
    // Part of a frame arrived and the rest did not come: forget it.
    void FrameTimeout();
    bool InFrame() const;
    // True once a handshake has been confirmed, until the line drops.
    bool Programming() const;

    const RadioImage& Memory() const { return memory_; }
    const RadioCounters& Counters() const { return counters_; }

  private:
    enum class State {
        kIdle,               // waiting for STX
        kMagic,              // receiving "PROGRAM"
        kAwaitIdentRequest,  // waiting for STX to send the identification
        kAwaitConfirm,       // waiting for the PC's ACK
        kProgram,            // in programming mode, between requests
        kRequest,            // receiving a 4-byte request
        kWriteData,          // receiving the 8 bytes of a write
        kAwaitReadAck,       // read reply sent, waiting for the PC's ACK
    };

    RadioAction Dispatch(std::uint8_t byte);
    RadioAction RequestComplete();
    RadioAction WriteComplete();
    bool FaultOnThisBlock(FaultKind kind) const {
        return fault_.kind == kind && blockOrdinal_ == fault_.block;
    }

    RadioImage memory_;
    Fault fault_;
    State state_ = State::kIdle;
    std::size_t magicIndex_ = 0;
    std::vector<std::uint8_t> frame_;
    int blockOrdinal_ = 0;  // blocks requested since the handshake
    bool nakPendingAck_ = false;
    // The blocks of the write ranges stored since the handshake.
    std::bitset<kImageSize / link::kBlockSize> written_;
    RadioCounters counters_;
};

}  // namespace qm530::sim
