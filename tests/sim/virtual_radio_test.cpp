#include "sim/virtual_radio.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "link/posix_serial_port.h"

namespace qm530::sim {
namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

RadioOptions Unpaced(const std::string& fault = "none") {
    RadioOptions o;
    o.pace = false;
    const Result<Fault> parsed = ParseFault(fault);
    EXPECT_TRUE(parsed.ok());
    if (parsed) o.fault = *parsed;
    return o;
}

// Opens the radio's device and performs the handshake by hand.
void Handshake(link::PosixSerialPort& port, const VirtualRadio& radio) {
    ASSERT_TRUE(port.Open(radio.DevicePath()).ok());
    ASSERT_TRUE(port.Configure().ok());
    ASSERT_TRUE(port.Write(Bytes{0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'}).ok());
    ASSERT_EQ(port.Read(1).bytes, Bytes{0x06});
    ASSERT_TRUE(port.Write(Bytes{0x02}).ok());
    ASSERT_EQ(port.Read(8).bytes.size(), 8u);
    ASSERT_TRUE(port.Write(Bytes{0x06}).ok());
    ASSERT_EQ(port.Read(1).bytes, Bytes{0x06});
}

TEST(VirtualRadio, PacedRepliesTakeTheWireTime) {
    RadioOptions options;  // paced
    VirtualRadio radio(options);
    ASSERT_TRUE(radio.Start().ok());
    link::PosixSerialPort port;
    Handshake(port, radio);
    const auto start = Clock::now();
    ASSERT_TRUE(port.Write(Bytes{0x52, 0x00, 0x00, 0x08}).ok());
    const auto reply = port.Read(12);
    const auto elapsed = Clock::now() - start;
    EXPECT_EQ(reply.bytes.size(), 12u);
    // 4 request bytes and 12 reply bytes at 10 bits each and 9600 bit/s.
    EXPECT_GE(elapsed, std::chrono::microseconds(16 * 1041));
}

TEST(VirtualRadio, SlowRadioStaysWithinTheReadGap) {
    RadioOptions options = Unpaced("slow:5:100");
    VirtualRadio radio(options);
    ASSERT_TRUE(radio.Start().ok());
    link::PosixSerialPort port;
    Handshake(port, radio);
    const auto start = Clock::now();
    ASSERT_TRUE(port.Write(Bytes{0x52, 0x01, 0xB8, 0x08}).ok());
    const auto reply = port.Read(12);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(100 + 11 * 5));
    EXPECT_EQ(reply.bytes,
              (Bytes{0x52, 0x01, 0xB8, 0x08, 0x50, 0x33, 0x32, 0x30, 0x37, 0x33, 0xF0, 0x01}));
}

// Writes the blocks of a write from `image`, the first `blocks` of them.
void WriteBlocks(link::PosixSerialPort& port, const RadioImage& image, int blocks) {
    for (int address : link::BlockAddresses(link::TransferDirection::kWrite)) {
        if (blocks-- == 0) return;
        const auto request = link::BlockRequest(link::kWriteCommand, address);
        Bytes frame(request.begin(), request.end());
        frame.insert(frame.end(), image.bytes.begin() + address, image.bytes.begin() + address + 8);
        ASSERT_TRUE(port.Write(frame).ok());
        ASSERT_EQ(port.Read(1).bytes, Bytes{0x06}) << address;
    }
}

TEST(VirtualRadio, StoresItsMemoryOnlyAfterACompletedWrite) {
    std::atomic<int> stores{0};
    RadioImage stored;
    RadioOptions options = Unpaced();
    options.onMemoryStored = [&](const RadioImage& memory) {
        stored = memory;
        ++stores;
    };
    VirtualRadio radio(options);
    ASSERT_TRUE(radio.Start().ok());
    RadioImage image = RadioImage::Blank();
    for (std::size_t a = 0; a < kImageSize; ++a) image[a] = static_cast<std::uint8_t>(a * 5);

    // A write that stops part way and closes the port.
    {
        link::PosixSerialPort port;
        Handshake(port, radio);
        WriteBlocks(port, image, 10);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the radio sees the line drop
    EXPECT_EQ(stores, 0);
    EXPECT_EQ(radio.Memory()[0x010], image[0x010]);

    link::PosixSerialPort port;
    Handshake(port, radio);
    WriteBlocks(port, image, 124);
    // Stored before the last acknowledge left.
    EXPECT_EQ(stores, 1);
    EXPECT_EQ(stored, radio.Memory());
    EXPECT_EQ(stored[0x3EF], image[0x3EF]);
    port.Close();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(stores, 1);
}

}  // namespace
}  // namespace qm530::sim
