#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qm530 {

// The low byte of a value, as a byte field stores it.
constexpr std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

constexpr std::size_t kImageSize = 1024;
constexpr std::uint8_t kUnprogrammed = 0xFF;

// Addresses of the radio-wide bytes that more than one part of the program uses.
namespace addr {
constexpr int kScanAddLow = 0x17E;   // scan-add bits of channels 1-8
constexpr int kScanAddHigh = 0x17F;  // scan-add bits of channels 9-16
constexpr int kProductType = 0x3D2;
constexpr int kBandIndex = 0x3D3;
}  // namespace addr

// The radio's whole 1024-byte configuration memory, held by value.
struct RadioImage {
    std::array<std::uint8_t, kImageSize> bytes{};

    std::uint8_t& operator[](std::size_t address) { return bytes[address]; }
    std::uint8_t operator[](std::size_t address) const { return bytes[address]; }
    bool operator==(const RadioImage&) const = default;

    // All 0xFF.
    static RadioImage Blank();
    // The contents of a new document.
    static RadioImage Default();
};

// Number of addresses that the default image sets to something other than 0xFF.
constexpr int kDefaultImageEntries = 39;

}  // namespace qm530
