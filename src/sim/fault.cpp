#include "sim/fault.h"

#include <algorithm>
#include <vector>

#include "model/numbers.h"

namespace qm530::sim {

namespace {

// Up to six digits and nothing else; -1 for any other text.
int StrictNumber(const std::string& text) {
    if (text.empty() || text.size() > 6) return -1;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return CAtoi(text);
}

std::vector<std::string> SplitColons(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    return parts;
}

struct KindName {
    const char* name;
    FaultKind kind;
    bool takesBlock;
};

constexpr KindName kKinds[] = {
    {"none", FaultKind::kNone, false},
    {"silent", FaultKind::kSilent, false},
    {"nak-handshake", FaultKind::kNakHandshake, false},
    {"nak-block", FaultKind::kNakBlock, true},
    {"short-reply", FaultKind::kShortReply, true},
    {"hangup", FaultKind::kHangUp, true},
    {"slow", FaultKind::kSlow, false},
};

}  // namespace

const char* const kFaultHelp =
    "      silent              never answers\n"
    "      nak-handshake       answers the handshake's confirmation with NAK (0x15)\n"
    "      nak-block:N         answers block N with NAK (a read: its acknowledge)\n"
    "      short-reply:N       sends 7 of the 12 bytes of read block N; to a write, nothing\n"
    "      hangup:N            drops the line once block N is done\n"
    "      slow[:GAP[:FIRST]]  waits FIRST ms (default 100) before every reply and GAP ms\n"
    "                          (below 30, default 20) between its bytes\n"
    "      Blocks count from 1 after every handshake.\n";

Result<Fault> ParseFault(const std::string& text) {
    const std::vector<std::string> parts = SplitColons(text);
    const KindName* kind = nullptr;
    for (const KindName& k : kKinds) {
        if (parts[0] == k.name) kind = &k;
    }
    if (kind == nullptr) return Status::Fail("unknown fault '" + parts[0] + "'");
    Fault f;
    f.kind = kind->kind;
    if (kind->takesBlock) {
        f.block = parts.size() == 2 ? StrictNumber(parts[1]) : -1;
        if (f.block < 1) {
            return Status::Fail("fault " + parts[0] + " needs a block number from 1, as in " +
                                parts[0] + ":5");
        }
    } else if (f.kind == FaultKind::kSlow) {
        f.gapMs = kDefaultSlowGapMs;
        f.firstByteDelayMs = kDefaultSlowFirstByteDelayMs;
        if (parts.size() >= 2) f.gapMs = StrictNumber(parts[1]);
        if (parts.size() == 3) f.firstByteDelayMs = StrictNumber(parts[2]);
        if (parts.size() > 3 || f.gapMs < 0 || f.firstByteDelayMs < 0) {
            return Status::Fail(
                "fault slow takes slow, slow:GAP or slow:GAP:FIRST in milliseconds");
        }
        if (f.gapMs >= 30) return Status::Fail("the gap of a slow radio must stay below 30 ms");
    } else if (parts.size() != 1) {
        return Status::Fail("fault " + parts[0] + " takes no number");
    }
    return f;
}

std::string FaultText(const Fault& fault) {
    for (const KindName& k : kKinds) {
        if (k.kind != fault.kind) continue;
        std::string text = k.name;
        if (k.takesBlock) text += ":" + std::to_string(fault.block);
        if (fault.kind == FaultKind::kSlow) {
            text +=
                ":" + std::to_string(fault.gapMs) + ":" + std::to_string(fault.firstByteDelayMs);
        }
        return text;
    }
    return "none";
}

}  // namespace qm530::sim
