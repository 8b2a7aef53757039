#include "sim/radio_protocol.h"

#include <utility>

namespace qm530::sim {

using namespace link;

namespace {

constexpr int kShortReplySize = 7;

RadioAction Reply(std::vector<std::uint8_t> bytes) {
    RadioAction action;
    action.reply = std::move(bytes);
    return action;
}

}  // namespace

RadioProtocol::RadioProtocol(const RadioImage& memory, const Fault& fault)
    : memory_(memory), fault_(fault) {}

bool RadioProtocol::InFrame() const {
    return state_ == State::kMagic || state_ == State::kRequest || state_ == State::kWriteData;
}

bool RadioProtocol::Programming() const {
    return state_ == State::kProgram || state_ == State::kRequest || state_ == State::kWriteData ||
           state_ == State::kAwaitReadAck;
}

void RadioProtocol::LineDropped() {
    state_ = State::kIdle;
    written_.reset();
    frame_.clear();
    nakPendingAck_ = false;
}

void RadioProtocol::FrameTimeout() {
    if (state_ == State::kMagic) state_ = State::kIdle;
    if (state_ == State::kRequest || state_ == State::kWriteData) state_ = State::kProgram;
    frame_.clear();
}

RadioAction RadioProtocol::Receive(std::uint8_t byte) {
    if (fault_.kind == FaultKind::kSilent) return {};
    return Dispatch(byte);
}

RadioAction RadioProtocol::Dispatch(std::uint8_t byte) {
    switch (state_) {
        case State::kIdle:
            if (byte == kStx) {
                state_ = State::kMagic;
                magicIndex_ = 1;
            }
            return {};
        case State::kMagic:
            if (byte != kHandshake[magicIndex_]) {
                state_ = State::kIdle;
                return Dispatch(byte);
            }
            if (++magicIndex_ < kHandshake.size()) return {};
            state_ = State::kAwaitIdentRequest;
            return Reply({kAck});
        case State::kAwaitIdentRequest:
            if (byte != kStx) {
                state_ = State::kIdle;
                return {};
            }
            state_ = State::kAwaitConfirm;
            return Reply(std::vector<std::uint8_t>(kIdent.begin(), kIdent.end()));
        case State::kAwaitConfirm:
            if (byte != kAck) {
                // The STX was the start of a new handshake, not the request
                // for the identification.
                state_ = State::kMagic;
                magicIndex_ = 1;
                return Dispatch(byte);
            }
            if (fault_.kind == FaultKind::kNakHandshake) {
                state_ = State::kIdle;
                return Reply({kNak});
            }
            state_ = State::kProgram;
            blockOrdinal_ = 0;
            written_.reset();
            ++counters_.handshakes;
            return Reply({kAck});
        case State::kAwaitReadAck:
            if (byte == kAck) {
                state_ = State::kProgram;
                const bool nak = nakPendingAck_;
                nakPendingAck_ = false;
                return Reply({nak ? kNak : kAck});
            }
            state_ = State::kProgram;
            nakPendingAck_ = false;
            return Dispatch(byte);
        case State::kProgram:
            if (byte == kReadCommand || byte == kWriteCommand) {
                if (fault_.kind == FaultKind::kHangUp && blockOrdinal_ == fault_.block) {
                    RadioAction drop;
                    drop.hangUp = true;
                    return drop;
                }
                frame_.assign(1, byte);
                state_ = State::kRequest;
            } else if (byte == kStx) {
                state_ = State::kMagic;
                magicIndex_ = 1;
            }
            return {};
        case State::kRequest:
            frame_.push_back(byte);
            if (frame_.size() < static_cast<std::size_t>(kRequestSize)) return {};
            return RequestComplete();
        case State::kWriteData:
            frame_.push_back(byte);
            if (frame_.size() < static_cast<std::size_t>(kRequestSize + kBlockSize)) return {};
            return WriteComplete();
    }
    return {};
}

RadioAction RadioProtocol::RequestComplete() {
    const int address = frame_[1] * 256 + frame_[2];
    if (frame_[3] != kBlockLength || address + kBlockSize > static_cast<int>(kImageSize)) {
        ++counters_.malformed;
        state_ = State::kProgram;
        frame_.clear();
        return {};
    }
    if (frame_[0] == kWriteCommand) {
        state_ = State::kWriteData;
        return {};
    }
    ++blockOrdinal_;
    ++counters_.blocksRead;
    RadioAction action;
    action.reply.assign(frame_.begin(), frame_.end());  // the header echoes the request
    for (int i = 0; i < kBlockSize; ++i)
        action.reply.push_back(memory_[static_cast<std::size_t>(address + i)]);
    frame_.clear();
    if (FaultOnThisBlock(FaultKind::kShortReply)) {
        action.reply.resize(kShortReplySize);
        state_ = State::kProgram;
        return action;
    }
    nakPendingAck_ = FaultOnThisBlock(FaultKind::kNakBlock);
    state_ = State::kAwaitReadAck;
    return action;
}

RadioAction RadioProtocol::WriteComplete() {
    const int address = frame_[1] * 256 + frame_[2];
    ++blockOrdinal_;
    state_ = State::kProgram;
    RadioAction action;
    if (FaultOnThisBlock(FaultKind::kShortReply)) {
        frame_.clear();
        return action;  // nothing at all
    }
    if (FaultOnThisBlock(FaultKind::kNakBlock)) {
        frame_.clear();
        action.reply = {kNak};
        return action;
    }
    for (int i = 0; i < kBlockSize; ++i) {
        memory_[static_cast<std::size_t>(address + i)] =
            frame_[static_cast<std::size_t>(kRequestSize + i)];
    }
    frame_.clear();
    ++counters_.blocksWritten;
    action.reply = {kAck};
    if (address % kBlockSize == 0 && CarriedByWrite(address)) {
        const auto block = static_cast<std::size_t>(address / kBlockSize);
        const bool fresh = !written_[block];
        written_.set(block);
        action.writeCompleted = fresh && written_.count() == static_cast<std::size_t>(kWriteBlocks);
    }
    return action;
}

}  // namespace qm530::sim
