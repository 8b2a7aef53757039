#include "link/clone_protocol.h"

namespace qm530::link {

namespace {

const std::array<BlockRange, 2>& RangesOf(TransferDirection direction) {
    return direction == TransferDirection::kRead ? kReadRanges : kWriteRanges;
}

bool InRanges(const std::array<BlockRange, 2>& ranges, int address) {
    for (const BlockRange& r : ranges) {
        if (address >= r.first && address <= r.last) return true;
    }
    return false;
}

}  // namespace

std::vector<int> BlockAddresses(TransferDirection direction) {
    std::vector<int> addresses;
    for (const BlockRange& r : RangesOf(direction)) {
        for (int a = r.first; a <= r.last; a += kBlockSize) addresses.push_back(a);
    }
    return addresses;
}

int ProgressSteps(TransferDirection direction) {
    return direction == TransferDirection::kRead ? kReadProgressSteps : kWriteProgressSteps;
}

bool CarriedByRead(int address) {
    return InRanges(kReadRanges, address);
}
bool CarriedByWrite(int address) {
    return InRanges(kWriteRanges, address);
}
bool CarriedBothWays(int address) {
    return CarriedByRead(address) && CarriedByWrite(address);
}

std::array<std::uint8_t, kRequestSize> BlockRequest(std::uint8_t command, int address) {
    return {command, static_cast<std::uint8_t>(address / 256),
            static_cast<std::uint8_t>(address % 256), kBlockLength};
}

}  // namespace qm530::link
