#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/core/ini_file.h"
#include "model/language.h"
#include "model/radio_image.h"

namespace qm530::cli {

// One field whose meaning differs between two images, with the texts the
// channel grid or the settings dialogs show for it.
struct FieldDifference {
    std::string key;    // "ch3.1", "tot", "model"
    int channel = 0;    // 1 to 16 for a channel field, else 0
    int column = 0;     // the grid column of a channel field
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
// dialogs show them, the model and band (named by `ini` when it lists
// them), then every byte left over.
ImageDiff DiffImages(const RadioImage& a, const RadioImage& b, UiLanguage lang,
                     const CIniFile& ini);

// "channel 3 Rx Frequency: 145.12500 → 146.52000" per field, then the bytes.
std::string DiffText(const ImageDiff& diff, UiLanguage lang);
// The same as one JSON object.
std::string DiffJson(const ImageDiff& diff);

}  // namespace qm530::cli
