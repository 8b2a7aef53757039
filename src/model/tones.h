#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/language.h"
#include "model/radio_image.h"

namespace qm530 {

constexpr int kToneTableSize = 265;
constexpr int kCtcssCount = 50;
constexpr int kDcsCount = 107;

// The 50 CTCSS tones as shown ("67.0" ... "254.1").
const std::vector<std::string>& CtcssTexts();
// The 107 DCS code numbers, the three octal digits read as a decimal integer (17 ... 754).
const std::vector<int>& DcsCodes();

// The text for "no tone": entry 0 of the tone table.
const Bilingual& NoToneText();

// The 265 tone texts: none, 50 CTCSS, 107 DCS normal ("D017N"), 107 DCS inverted ("D017I").
std::vector<std::string> FillToneTable(UiLanguage lang);

// The DCS code number of a 9-bit stored value, or 0 when the value is not one of the 107 codes.
int DcsCodeFromValue(int value);
// The 9-bit stored value of a code number, or -1 when the code is not listed.
int DcsValueFromCode(int code);

// Reads the DCS code whose low byte `low` was read at image address row*16+col;
// bit 0 of the next byte is bit 8 of the stored value.
int ReadDcsCode(const RadioImage& image, std::uint8_t low, int row, int col);
// Writes the low 8 bits of the code's stored value (0 for an unlisted code) at row*16+col.
void WriteDcsCode(RadioImage& image, int code, int row, int col);

// A stored tone: L is the first byte, H the second.
struct ToneWord {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    bool operator==(const ToneWord&) const = default;
};

// The text of a stored tone. A word without a tone gives the empty text on an
// empty row, else "None" / "无".
std::string ToneWordToText(ToneWord word, bool rowEmpty, UiLanguage lang);
// The stored word of a tone text (either language's "None", CTCSS, DCS).
ToneWord TextToToneWord(std::string_view text);

// Image access at a record's tone address.
ToneWord ReadToneWord(const RadioImage& image, int address);
void WriteToneWord(RadioImage& image, int address, std::string_view text);

}  // namespace qm530
