#include "link/transfer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_port.h"
#include "model/messages.h"

namespace qm530::test {
namespace {

using link::TransferDirection;
using link::TransferOutcome;

RadioImage Pattern(int seed) {
    RadioImage image;
    for (std::size_t a = 0; a < kImageSize; ++a)
        image[a] = static_cast<std::uint8_t>((a * 7 + seed) ^ (a >> 8));
    return image;
}

int Count(const CallLog& log, const std::string& entry) {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

struct Rig {
    explicit Rig(TransferDirection direction, sim::Fault fault = {}, RadioImage memory = Pattern(1))
        : radio(memory, fault), port(log, &radio), host(log, direction) {}

    link::TransferResult Run() { return link::RunTransfer("/dev/ttyTEST", port, image, host); }

    CallLog log;
    sim::RadioProtocol radio;
    FakePort port;
    FakeHost host;
    RadioImage image = Pattern(99);
};

TEST(Transfer, ReadCarriesTheReadRangesAndKeepsTheRest) {
    Rig rig(TransferDirection::kRead);
    const RadioImage before = rig.image;
    const auto result = rig.Run();

    ASSERT_EQ(result.outcome, TransferOutcome::kCompleted) << result.detail;
    const auto requests = rig.port.Requests();
    ASSERT_EQ(requests.size(), 126u);
    EXPECT_EQ(Hex(requests.front()), "52 00 00 08");
    EXPECT_EQ(Hex(requests.back()), "52 03 F8 08");
    for (const auto& r : requests) {
        const int address = r[1] * 256 + r[2];
        EXPECT_FALSE(address >= 0x3C0 && address <= 0x3CF) << address;
    }
    for (int a = 0; a < 1024; ++a) {
        const auto i = static_cast<std::size_t>(a);
        if (a >= 0x3C0 && a <= 0x3CF) {
            EXPECT_EQ(rig.image[i], before[i]) << a;
        } else {
            EXPECT_EQ(rig.image[i], rig.radio.Memory()[i]) << a;
        }
    }
    std::vector<int> expected(63);
    for (int i = 0; i < 63; ++i) expected[static_cast<std::size_t>(i)] = i + 1;
    EXPECT_EQ(rig.host.progress, expected);
    EXPECT_EQ(rig.host.pumps, 6 + 126 * 9);
    EXPECT_EQ(Count(rig.log, "image-to-send"), 0);
    // After the last block: the complete image is reported, then the port closes.
    const auto n = rig.log.size();
    ASSERT_GE(n, 2u);
    EXPECT_EQ(rig.log[n - 2], "image-received");
    EXPECT_EQ(rig.log[n - 1], "close");
}

TEST(Transfer, WriteSendsTheWriteRangesOnly) {
    const RadioImage blank = RadioImage::Blank();
    Rig rig(TransferDirection::kWrite, {}, blank);
    const auto result = rig.Run();

    ASSERT_EQ(result.outcome, TransferOutcome::kCompleted) << result.detail;
    const auto requests = rig.port.Requests();
    ASSERT_EQ(requests.size(), 124u);
    EXPECT_EQ(Hex(requests.front()), "57 00 00 08");
    EXPECT_EQ(Hex(requests.back()), "57 03 E8 08");
    for (int a = 0; a < 1024; ++a) {
        const auto i = static_cast<std::size_t>(a);
        const bool unsent = (a >= 0x330 && a <= 0x33F) || a >= 0x3F0;
        EXPECT_EQ(rig.radio.Memory()[i], unsent ? blank[i] : rig.image[i]) << a;
    }
    EXPECT_EQ(rig.host.progress.size(), 62u);
    EXPECT_EQ(rig.host.progress.back(), 62);
    EXPECT_EQ(rig.host.pumps, 6 + 124 * 9);
    // The image is brought up to date before the port is opened.
    EXPECT_EQ(rig.log.front(), "image-to-send");
    EXPECT_EQ(rig.log[1], "open /dev/ttyTEST");
    EXPECT_EQ(Count(rig.log, "image-received"), 0);
    EXPECT_EQ(rig.log.back(), "close");
}

TEST(Transfer, HandshakeAndBlockExchangesInOrder) {
    Rig rig(TransferDirection::kWrite);
    ASSERT_TRUE(rig.Run().completed());
    CallLog expected = {"image-to-send", "open /dev/ttyTEST", "configure"};
    for (int i = 0; i < 6; ++i) {
        expected.push_back("pump");
        expected.push_back("sleep 1");
    }
    expected.push_back("purge all");
    for (const char* b : {"02", "50", "52", "4F", "47", "52", "41", "4D"}) {
        expected.insert(expected.end(), {"sleep 2", "purge", std::string("write ") + b});
    }
    expected.insert(expected.end(),
                    {"read 1", "sleep 1", "purge", "write 02", "sleep 1", "read 8", "purge",
                     "write 06", "purge", "sleep 1", "read 1", "handshake-confirmed"});
    // The first write block: 0x000 is a row start, so it reports progress.
    expected.insert(expected.end(),
                    {"purge", "write 57 00 00 08", "sleep 1",
                     "write " + Hex(std::vector<std::uint8_t>(rig.image.bytes.begin(),
                                                              rig.image.bytes.begin() + 8)),
                     "read 1", "progress 1"});
    for (int i = 0; i < 9; ++i) expected.push_back("pump");
    expected.insert(expected.end(), {"purge", "write 57 00 08 08"});
    ASSERT_GT(rig.log.size(), expected.size());
    EXPECT_EQ(CallLog(rig.log.begin(), rig.log.begin() + static_cast<long>(expected.size())),
              expected);
}

TEST(Transfer, ReadBlockExchange) {
    Rig rig(TransferDirection::kRead);
    ASSERT_TRUE(rig.Run().completed());
    const auto first = std::find(rig.log.begin(), rig.log.end(), "write 52 00 00 08");
    ASSERT_NE(first, rig.log.end());
    const CallLog expected = {"write 52 00 00 08", "read 12", "purge", "write 06", "read 1",
                              "progress 1",        "pump"};
    EXPECT_EQ(CallLog(first, first + 7), expected);
    EXPECT_EQ(*(first - 1), "purge");
    // The second block (0x008) is no row start: no progress.
    const auto second = std::find(rig.log.begin(), rig.log.end(), "write 52 00 08 08");
    EXPECT_EQ(*(second + 5), "pump");
}

TEST(Transfer, AnyReplyHeaderIsAccepted) {
    Rig rig(TransferDirection::kRead);
    std::uint8_t junk = 0x80;
    rig.port.rewriteReply = [&](std::vector<std::uint8_t>& reply) {
        if (reply.size() == 12) {
            for (int i = 0; i < 4; ++i) reply[static_cast<std::size_t>(i)] = junk++;
        }
    };
    ASSERT_TRUE(rig.Run().completed());
    EXPECT_EQ(rig.image[0x100], rig.radio.Memory()[0x100]);
    EXPECT_EQ(rig.image[0x3FF], rig.radio.Memory()[0x3FF]);
}

TEST(Transfer, FailedReadKeepsTheBlocksReceived) {
    sim::Fault nak;
    nak.kind = sim::FaultKind::kNakBlock;
    nak.block = 50;  // its data arrive, its acknowledge is refused
    Rig rig(TransferDirection::kRead, nak);
    const RadioImage before = rig.image;
    const auto result = rig.Run();

    EXPECT_EQ(result.outcome, TransferOutcome::kFailed);
    EXPECT_EQ(result.messageId, msg::kProgramInterrupt);
    EXPECT_EQ(result.blockAddress, 49 * 8);
    EXPECT_EQ(result.blocksDone, 49);
    EXPECT_NE(result.detail.find("block 0x188: acknowledge answered 0x15"), std::string::npos)
        << result.detail;
    EXPECT_EQ(rig.host.messages, std::vector<int>{msg::kProgramInterrupt});
    for (std::size_t a = 0; a < 50 * 8; ++a) EXPECT_EQ(rig.image[a], rig.radio.Memory()[a]) << a;
    for (std::size_t a = 50 * 8; a < kImageSize; ++a) EXPECT_EQ(rig.image[a], before[a]) << a;
    EXPECT_EQ(Count(rig.log, "image-received"), 0);
    EXPECT_EQ(rig.log.back(), "close");
}

TEST(Transfer, ShortReplyFailsWithWhatArrived) {
    sim::Fault shortReply;
    shortReply.kind = sim::FaultKind::kShortReply;
    shortReply.block = 3;
    Rig rig(TransferDirection::kRead, shortReply);
    const RadioImage before = rig.image;
    const auto result = rig.Run();
    EXPECT_EQ(result.messageId, msg::kProgramInterrupt);
    EXPECT_EQ(result.blockAddress, 0x010);
    EXPECT_NE(result.detail.find("block 0x010: 7 of 12 bytes received (52 00 10 08"),
              std::string::npos)
        << result.detail;
    EXPECT_EQ(rig.image[0x00F], rig.radio.Memory()[0x00F]);
    EXPECT_EQ(rig.image[0x010], before[0x010]);
}

TEST(Transfer, WriteStopsAtARefusedBlock) {
    sim::Fault nak;
    nak.kind = sim::FaultKind::kNakBlock;
    nak.block = 7;
    Rig rig(TransferDirection::kWrite, nak, RadioImage::Blank());
    const auto result = rig.Run();
    EXPECT_EQ(result.messageId, msg::kProgramInterrupt);
    EXPECT_EQ(result.blockAddress, 0x030);
    EXPECT_NE(result.detail.find("answered 0x15 instead of 0x06"), std::string::npos);
    EXPECT_EQ(rig.port.Requests().size(), 7u);
    EXPECT_EQ(rig.radio.Memory()[0x02F], rig.image[0x02F]);
}

TEST(Transfer, SilentRadioAsksRetryAfterEachAttempt) {
    CallLog log;
    FakePort port(log, nullptr);
    FakeHost host(log, TransferDirection::kRead);
    host.retryAnswers = {true, true, false};
    RadioImage image = Pattern(3);
    const RadioImage before = image;
    const auto result = link::RunTransfer("/dev/x", port, image, host);

    EXPECT_EQ(result.outcome, TransferOutcome::kFailed);
    EXPECT_EQ(result.messageId, msg::kCommError);
    EXPECT_EQ(result.handshakeAttempts, 3);
    EXPECT_EQ(host.askedDetails.size(), 3u);
    EXPECT_NE(host.askedDetails[0].find("no reply"), std::string::npos);
    EXPECT_TRUE(host.messages.empty());  // the prompt was the message
    EXPECT_TRUE(port.Requests().empty());
    EXPECT_EQ(image, before);
    EXPECT_EQ(log.back(), "close");
}

TEST(Transfer, FailingReplyReadsRestartSilentlyUpToFifteenAttempts) {
    Rig fourteen(TransferDirection::kRead);
    fourteen.port.failFirstReplyReads = 14;
    auto result = fourteen.Run();
    EXPECT_TRUE(result.completed()) << result.detail;
    EXPECT_EQ(result.handshakeAttempts, 15);
    EXPECT_TRUE(fourteen.host.askedDetails.empty());

    Rig fifteen(TransferDirection::kRead);
    fifteen.port.failFirstReplyReads = 15;
    result = fifteen.Run();
    EXPECT_EQ(result.messageId, msg::kCommError);
    EXPECT_EQ(result.handshakeAttempts, 15);
    ASSERT_EQ(fifteen.host.askedDetails.size(), 1u);
    EXPECT_NE(fifteen.host.askedDetails[0].find("Input/output error"), std::string::npos);
}

TEST(Transfer, WrongConfirmationAfterFiveFailedReadsInterrupts) {
    sim::Fault nak;
    nak.kind = sim::FaultKind::kNakHandshake;

    Rig five(TransferDirection::kRead, nak);
    five.port.failFirstReplyReads = 5;  // counter reaches 6
    auto result = five.Run();
    EXPECT_EQ(result.messageId, msg::kProgramInterrupt);
    EXPECT_EQ(five.host.messages, std::vector<int>{msg::kProgramInterrupt});
    EXPECT_TRUE(five.host.askedDetails.empty());

    Rig four(TransferDirection::kRead, nak);
    four.port.failFirstReplyReads = 4;  // counter reaches 5: still the prompt
    four.host.retryAnswers = {true};    // the retry starts the counter at 1 again
    result = four.Run();
    EXPECT_EQ(result.messageId, msg::kCommError);
    EXPECT_EQ(result.handshakeAttempts, 6);
    ASSERT_EQ(four.host.askedDetails.size(), 2u);
    EXPECT_NE(four.host.askedDetails[0].find("answered 0x15 instead of 0x06"), std::string::npos);
    EXPECT_TRUE(four.host.messages.empty());
}

TEST(Transfer, CancelTakesEffectAtThePumpStep) {
    Rig rig(TransferDirection::kRead);
    rig.host.cancelAtPump = 6 + 9 * 10 + 3;  // inside the pump steps after block 11
    const RadioImage before = rig.image;
    const auto result = rig.Run();
    EXPECT_EQ(result.outcome, TransferOutcome::kCancelled);
    EXPECT_EQ(result.blocksDone, 11);
    EXPECT_EQ(rig.port.Requests().size(), 11u);
    EXPECT_EQ(rig.image[0x050], rig.radio.Memory()[0x050]);
    EXPECT_EQ(rig.image[0x058], before[0x058]);
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_EQ(Count(rig.log, "image-received"), 0);
    EXPECT_EQ(rig.log.back(), "close");
    EXPECT_EQ(rig.log[rig.log.size() - 2], "pump");

    Rig early(TransferDirection::kWrite);
    early.host.cancelAtPump = 1;
    EXPECT_EQ(early.Run().outcome, TransferOutcome::kCancelled);
    EXPECT_EQ(Count(early.log, "write 02"), 0);
}

TEST(Transfer, AReadCutShortByACancelEndsAsCancelled) {
    // A port that watches for the cancel ends the waiting read early: the
    // short reply is the cancel's, not the radio's.
    Rig rig(TransferDirection::kRead);
    int replies = 0;
    rig.port.rewriteReply = [&](std::vector<std::uint8_t>& reply) {
        if (reply.size() == 12 && ++replies == 5) {
            reply.resize(3);
            rig.host.cancelAtPump = 1;
        }
    };
    const auto result = rig.Run();
    EXPECT_EQ(result.outcome, TransferOutcome::kCancelled);
    EXPECT_EQ(result.blocksDone, 4);
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_EQ(rig.log.back(), "close");

    // A failing confirmation after more than five attempts, likewise.
    sim::Fault nak;
    nak.kind = sim::FaultKind::kNakHandshake;
    Rig handshake(TransferDirection::kRead, nak);
    handshake.port.failFirstReplyReads = 5;
    handshake.port.rewriteReply = [&](std::vector<std::uint8_t>& reply) {
        if (reply.size() == 1 && reply[0] == link::kNak) handshake.host.cancelAtPump = 1;
    };
    EXPECT_EQ(handshake.Run().outcome, TransferOutcome::kCancelled);
    EXPECT_TRUE(handshake.host.messages.empty());
}

TEST(Transfer, CancelAfterRetryComesAtTheNextPumpStep) {
    CallLog log;
    FakePort port(log, nullptr);
    FakeHost host(log, TransferDirection::kRead);
    host.retryAnswers = {true, true};
    host.cancelAtPump = 7;  // the first pump step after the first Retry
    RadioImage image;
    const auto result = link::RunTransfer("/dev/x", port, image, host);
    EXPECT_EQ(result.outcome, TransferOutcome::kCancelled);
    EXPECT_EQ(host.askedDetails.size(), 1u);
}

TEST(Transfer, OpenFailureShowsTheMessageAndSendsNothing) {
    Rig rig(TransferDirection::kWrite);
    rig.port.openStatus = Status::Fail("/dev/ttyTEST: no such device", msg::kPortOpenFailed);
    const auto result = rig.Run();
    EXPECT_EQ(result.outcome, TransferOutcome::kFailed);
    EXPECT_EQ(result.messageId, msg::kPortOpenFailed);
    EXPECT_EQ(result.detail, "/dev/ttyTEST: no such device");
    EXPECT_EQ(rig.host.messages, std::vector<int>{msg::kPortOpenFailed});
    EXPECT_EQ(Count(rig.log, "configure"), 0);
    for (const auto& entry : rig.log) EXPECT_NE(entry.rfind("write", 0), 0u) << entry;
}

TEST(Transfer, DirectionTakesEffectAfterTheHandshake) {
    Rig rig(TransferDirection::kRead);
    rig.host.directions = {TransferDirection::kRead, TransferDirection::kWrite};
    const auto result = rig.Run();
    EXPECT_TRUE(result.completed());
    EXPECT_EQ(result.direction, TransferDirection::kWrite);
    EXPECT_EQ(rig.port.Requests().size(), 124u);
    EXPECT_EQ(Count(rig.log, "image-to-send"), 0);
}

}  // namespace
}  // namespace qm530::test
