#include "sim/radio_protocol.h"

#include <gtest/gtest.h>

#include "sim/fault.h"

namespace qm530::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Feeds bytes and collects everything the radio sends.
Bytes Feed(RadioProtocol& radio, const Bytes& bytes, bool* hungUp = nullptr,
           bool* completed = nullptr) {
    Bytes out;
    for (std::uint8_t b : bytes) {
        const RadioAction a = radio.Receive(b);
        out.insert(out.end(), a.reply.begin(), a.reply.end());
        if (hungUp != nullptr && a.hangUp) *hungUp = true;
        if (completed != nullptr && a.writeCompleted) *completed = true;
    }
    return out;
}

void Handshake(RadioProtocol& radio) {
    ASSERT_EQ(Feed(radio, {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'}), Bytes{0x06});
    ASSERT_EQ(Feed(radio, {0x02}),
              Bytes(RadioProtocol::kIdent.begin(), RadioProtocol::kIdent.end()));
    ASSERT_EQ(Feed(radio, {0x06}), Bytes{0x06});
}

Fault FaultOf(const std::string& text) {
    const Result<Fault> f = ParseFault(text);
    EXPECT_TRUE(f.ok()) << text;
    return f ? *f : Fault{};
}

TEST(RadioProtocol, AnswersReadsAndStoresWrites) {
    RadioImage memory = RadioImage::Default();
    RadioProtocol radio(memory, {});
    EXPECT_TRUE(Feed(radio, {0x52, 0x00, 0x00, 0x08}).empty());  // no handshake yet
    Handshake(radio);

    EXPECT_EQ(Feed(radio, {0x52, 0x01, 0xB8, 0x08}),
              (Bytes{0x52, 0x01, 0xB8, 0x08, 0x50, 0x33, 0x32, 0x30, 0x37, 0x33, 0xF0, 0x01}));
    EXPECT_EQ(Feed(radio, {0x06}), Bytes{0x06});
    EXPECT_TRUE(Feed(radio, {0x06}).empty());  // an acknowledge nobody asked for

    bool completed = false;
    EXPECT_EQ(Feed(radio, {0x57, 0x00, 0x10, 0x08, 1, 2, 3, 4, 5, 6, 7, 8}, nullptr, &completed),
              Bytes{0x06});
    EXPECT_EQ(radio.Memory()[0x010], 1);
    EXPECT_EQ(radio.Memory()[0x017], 8);
    // The last block alone is no completed write.
    EXPECT_EQ(Feed(radio, {0x57, 0x03, 0xE8, 0x08, 0, 0, 0, 0, 0, 0, 0, 0}, nullptr, &completed),
              Bytes{0x06});
    EXPECT_FALSE(completed);
    EXPECT_EQ(radio.Counters().blocksWritten, 2);
    EXPECT_EQ(radio.Counters().blocksRead, 1);
}

// Writes the blocks of a write in order, `skip` left out; the ordinals (1 =
// the first block) at which the radio reported a completed write.
std::vector<int> WriteAll(RadioProtocol& radio, int skip = -1) {
    std::vector<int> completedAt;
    int ordinal = 0;
    for (int address : link::BlockAddresses(link::TransferDirection::kWrite)) {
        ++ordinal;
        if (address == skip) continue;
        Bytes frame = {0x57, static_cast<std::uint8_t>(address >> 8),
                       static_cast<std::uint8_t>(address), 0x08};
        frame.resize(12, static_cast<std::uint8_t>(ordinal));
        bool completed = false;
        EXPECT_EQ(Feed(radio, frame, nullptr, &completed), Bytes{0x06}) << address;
        if (completed) completedAt.push_back(ordinal);
    }
    return completedAt;
}

TEST(RadioProtocol, AWriteCompletesWhenEveryBlockIsStored) {
    RadioProtocol radio(RadioImage::Blank(), {});
    Handshake(radio);
    EXPECT_EQ(WriteAll(radio), std::vector<int>{124});
    EXPECT_EQ(radio.Memory()[0x3EF], 124);

    // A write that misses one block never completes, nor does one that the
    // line cut off and a new handshake took up again.
    Handshake(radio);
    EXPECT_TRUE(WriteAll(radio, 0x100).empty());
    radio.LineDropped();
    Handshake(radio);
    EXPECT_TRUE(WriteAll(radio, 0x000).empty());
    EXPECT_EQ(radio.Memory()[0x100], 33);  // stored all the same
}

TEST(RadioProtocol, MalformedRequestsGetNoAnswer) {
    RadioProtocol radio(RadioImage::Blank(), {});
    Handshake(radio);
    EXPECT_TRUE(Feed(radio, {0x52, 0x00, 0x00, 0x07}).empty());  // length not 8
    EXPECT_TRUE(Feed(radio, {0x52, 0x03, 0xFC, 0x08}).empty());  // past the end
    EXPECT_TRUE(Feed(radio, {0x45, 0x00, 0x00, 0x08}).empty());  // unknown command
    EXPECT_EQ(radio.Counters().malformed, 2);
    // A stale partial request is forgotten; the next one is answered.
    Feed(radio, {0x52, 0x00});
    radio.FrameTimeout();
    EXPECT_EQ(Feed(radio, {0x52, 0x00, 0x00, 0x08}).size(), 12u);
}

TEST(RadioProtocol, HandshakeStartsAfreshAfterAnAbortedOne) {
    RadioProtocol radio(RadioImage::Blank(), {});
    EXPECT_EQ(Feed(radio, {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'}), Bytes{0x06});
    // The PC gave up and starts over: the STX is answered with the
    // identification, but the "PROGRAM" that follows is a new handshake.
    Feed(radio, {0x02});
    Handshake(radio);
    radio.LineDropped();
    EXPECT_TRUE(Feed(radio, {0x52, 0x00, 0x00, 0x08}).empty());
}

TEST(Fault, ParsesEveryKindAndRefusesNonsense) {
    EXPECT_EQ(FaultOf("none").kind, FaultKind::kNone);
    EXPECT_EQ(FaultOf("hangup:12").block, 12);
    const Fault slow = FaultOf("slow");
    EXPECT_EQ(slow.gapMs, kDefaultSlowGapMs);
    EXPECT_EQ(slow.firstByteDelayMs, kDefaultSlowFirstByteDelayMs);
    const Fault custom = FaultOf("slow:25:300");
    EXPECT_EQ(custom.gapMs, 25);
    EXPECT_EQ(custom.firstByteDelayMs, 300);
    EXPECT_EQ(FaultText(custom), "slow:25:300");
    EXPECT_EQ(FaultText(FaultOf("nak-block:3")), "nak-block:3");

    for (const char* bad : {"", "loud", "nak-block", "nak-block:0", "nak-block:x", "short-reply:-1",
                            "silent:3", "slow:30", "slow:5:10:15", "hangup:1:2"}) {
        EXPECT_FALSE(ParseFault(bad).ok()) << bad;
    }
}

}  // namespace
}  // namespace qm530::sim
