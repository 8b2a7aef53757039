#pragma once

#include <string>

#include "model/result.h"
#include "model/status.h"

namespace qm530::sim {

// A misbehaviour of the virtual radio, for tests and for training.
enum class FaultKind {
    kNone,
    kSilent,        // never answers anything
    kNakHandshake,  // answers the handshake's confirmation with NAK
    kNakBlock,      // answers block N with NAK
    kShortReply,    // sends only part of the reply to block N
    kHangUp,        // drops the line once block N is done
    kSlow,          // waits before the first byte of every reply and between its bytes
};

struct Fault {
    FaultKind kind = FaultKind::kNone;
    // Blocks count from 1 in the order the radio receives their requests,
    // afresh after every handshake.
    int block = 0;
    int gapMs = 0;             // slow: pause between the bytes of a reply (below 30)
    int firstByteDelayMs = 0;  // slow: pause before the first byte of a reply
};

constexpr int kDefaultSlowGapMs = 20;
constexpr int kDefaultSlowFirstByteDelayMs = 100;

// Parses "none", "silent", "nak-handshake", "nak-block:N", "short-reply:N",
// "hangup:N" or "slow[:GAP_MS[:FIRST_MS]]".
Result<Fault> ParseFault(const std::string& text);

// The text ParseFault reads back, for messages.
std::string FaultText(const Fault& fault);

// One line per kind, for --help.
extern const char* const kFaultHelp;

}  // namespace qm530::sim
