#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/language.h"
#include "model/radio_image.h"
#include "settings/product_catalog.h"

namespace qm530::settings {

// What a difference is about: a cell of the channel grid, a radio-wide
// setting (the model and band among them), or a byte no field shows.
enum class DifferenceKind { kChannelCell, kSetting, kByte };

// One field whose meaning differs between two images, with the texts the
// channel grid or the settings dialogs show for it.
struct FieldDifference {
    DifferenceKind kind = DifferenceKind::kSetting;  // kChannelCell or kSetting
    std::string key;                                 // "ch3.1", "tot", "model"
    int channel = 0;                                 // 1 to 16 for a channel cell, else 0
    int column = 0;     // the grid column (col:: of model/channel_words.h) of a channel cell
    std::string name;   // "Rx Frequency", "tot", "model"
    std::string label;  // "channel 3 Rx Frequency", "tot"
    std::string before;
    std::string after;
};

// A byte that differs where no field difference accounts for it: outside
// every field, in bits no field uses, or in a field whose text stays the
// same (busy-lock bits 0x18 and 0x10 both show QT/DQT).
struct ByteDifference {
    int address = 0;
    std::uint8_t before = 0;
    std::uint8_t after = 0;
};

struct ImageDiff {
    std::vector<FieldDifference> fields;
    std::vector<ByteDifference> bytes;
    bool Equal() const { return fields.empty() && bytes.empty(); }
};

// Compares two images field by field: the 16 channels as the grid shows
// them, the radio-wide settings under their command-line names as the
// dialogs show them, the model and band (named by `catalog` when it lists
// them), then every byte left over.
ImageDiff DiffImages(const RadioImage& a, const RadioImage& b, UiLanguage lang,
                     const ProductCatalog& catalog);

// One difference as a line of the listing, with what it is about.
struct DiffLine {
    DifferenceKind kind = DifferenceKind::kSetting;
    int channel = 0;   // a channel cell: 1 to 16
    int column = 0;    // a channel cell: its grid column
    int address = -1;  // a byte: its address
    std::string key;   // a field: FieldDifference::key
    std::string text;  // "channel 3 Rx Frequency: 145.12500 → 146.52000", "0x3C4: 0xFF → 0x12"
};

// The fields, then the bytes, in the order DiffText lists them.
std::vector<DiffLine> DiffLines(const ImageDiff& diff, UiLanguage lang);

// "Bytes that differ where no field shows a difference:", the heading of
// the byte lines.
std::string DiffBytesHeading(UiLanguage lang);

// "channel 3 Rx Frequency: 145.12500 → 146.52000" per field, then the
// heading and the bytes indented; a line saying so for equal images.
std::string DiffText(const ImageDiff& diff, UiLanguage lang);

}  // namespace qm530::settings
