#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace qm530::link {

// Bytes and layout of the radio's clone protocol, shared by the transfer
// engine, the virtual radio and the verify command.

constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kReadCommand = 0x52;   // 'R'
constexpr std::uint8_t kWriteCommand = 0x57;  // 'W'
constexpr std::uint8_t kBlockLength = 0x08;

constexpr int kBlockSize = 8;
constexpr int kRequestSize = 4;
constexpr int kReadReplySize = 12;  // 4 header bytes, then the 8 data bytes
constexpr int kReadReplyHeaderSize = 4;
constexpr int kIdentSize = 8;
constexpr int kProgressRowSize = 16;  // progress is reported once per 16 bytes

// The eight bytes that open a handshake: STX and "PROGRAM".
constexpr std::array<std::uint8_t, 8> kHandshake = {kStx, 'P', 'R', 'O', 'G', 'R', 'A', 'M'};

enum class TransferDirection { kRead = 0, kWrite = 1 };

// An inclusive address range carried in 8-byte blocks.
struct BlockRange {
    int first;
    int last;
};

constexpr std::array<BlockRange, 2> kReadRanges = {{{0x000, 0x3BF}, {0x3D0, 0x3FF}}};
constexpr std::array<BlockRange, 2> kWriteRanges = {{{0x000, 0x32F}, {0x340, 0x3EF}}};

constexpr int kReadBlocks = 126;
constexpr int kWriteBlocks = 124;
constexpr int kReadProgressSteps = 63;
constexpr int kWriteProgressSteps = 62;

// Block start addresses of a direction, in the order they are carried.
std::vector<int> BlockAddresses(TransferDirection direction);

// Number of progress reports a complete transfer makes (63 or 62).
int ProgressSteps(TransferDirection direction);

bool CarriedByRead(int address);
bool CarriedByWrite(int address);
// Addresses that a write sends and a read returns: what a verify compares.
bool CarriedBothWays(int address);

// The 4-byte block request.
std::array<std::uint8_t, kRequestSize> BlockRequest(std::uint8_t command, int address);

}  // namespace qm530::link
