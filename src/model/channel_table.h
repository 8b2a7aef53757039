#pragma once

#include <array>
#include <string>

#include "model/channel_words.h"
#include "model/language.h"
#include "model/radio_image.h"

namespace qm530 {

// The 17 x 9 table of texts that the channel grid shows: row 0 holds the
// headers, column 0 the channel labels, rows 1-16 the channels.
class ChannelTable {
  public:
    ChannelTable() = default;

    const std::string& Cell(int row, int column) const { return cells_[row][column]; }
    void SetCell(int row, int column, std::string text) { cells_[row][column] = std::move(text); }

    // Header row and "%2d" row labels in the language.
    void WriteLabels(UiLanguage lang);
    // Empties columns 1-8 of a channel row.
    void ClearRow(int row);
    // A channel is programmed when its Rx cell is not empty.
    bool IsProgrammed(int row) const { return !cells_[row][col::kRx].empty(); }
    int ProgrammedCount() const;

    bool operator==(const ChannelTable&) const = default;

  private:
    // No "{}" initializer: clang 14 crashes on it, and the strings start empty anyway.
    std::array<std::array<std::string, kTableCols>, kTableRows> cells_;
};

// Channel n (1-16) is the 16-byte record at n x 16.
constexpr int kRecordSize = 16;
constexpr int ChannelRecordAddress(int channel) {
    return channel * kRecordSize;
}

// Decodes the 16 channel records and the scan-add bits into rows 1-16.
void ImageToGrid(const RadioImage& image, ChannelTable& table, UiLanguage lang);

// Encodes rows 1-16 into the channel records and rebuilds the scan-add bits.
// Bytes +14/+15 and the bits outside the field masks are left as they were.
void GridToImage(const ChannelTable& table, RadioImage& image);
// Encodes row n (1-16) into its record only; the scan-add bits stay as they are.
void EncodeChannelRow(const ChannelTable& table, int n, RadioImage& image);

// True when the frequency field at `address` is empty: its top byte is 0x00 or 0xFF.
bool FrequencyFieldEmpty(const RadioImage& image, int address);
// True when channel n (1-16) has a receive frequency in the image.
bool ChannelProgrammedInImage(const RadioImage& image, int channel);
// The text of a frequency record field (4 BCD bytes at `address`), or empty.
std::string FrequencyText(const RadioImage& image, int address);
// The field's value in 10 Hz units; 0 when empty. Nibbles above 9 count with their value.
int FrequencyUnits(const RadioImage& image, int address);
// Writes a frequency in 10 Hz units as 8 BCD digits; 0 writes FF FF FF FF.
void WriteFrequency(RadioImage& image, int address, int units);
// 10 Hz units of a typed frequency in MHz, scaled in decimal.
int FrequencyUnitsOfText(std::string_view mhzText);
// "%3.5f" of units / 100000.
std::string FormatFrequency(int units);

}  // namespace qm530
