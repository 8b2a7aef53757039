#include "model/tones.h"

#include "model/numbers.h"

namespace qm530 {

namespace {

constexpr const char* kCtcss[kCtcssCount] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

constexpr int kDcs[kDcsCount] = {
    17,  23,  25,  26,  31,  32,  36,  43,  47,  50,  51,  53,  54,  65,  71,  72,  73,  74,
    114, 115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205,
    212, 223, 225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306,
    311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432,
    445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606,
    612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

constexpr Bilingual kNoTone{"None", "无"};

// The three digits of a listed code read as octal.
constexpr int OctalValue(int code) {
    return (code / 100) * 64 + ((code / 10) % 10) * 8 + code % 10;
}

}  // namespace

const std::vector<std::string>& CtcssTexts() {
    static const std::vector<std::string> texts(std::begin(kCtcss), std::end(kCtcss));
    return texts;
}

const std::vector<int>& DcsCodes() {
    static const std::vector<int> codes(std::begin(kDcs), std::end(kDcs));
    return codes;
}

const Bilingual& NoToneText() {
    return kNoTone;
}

std::vector<std::string> FillToneTable(UiLanguage lang) {
    std::vector<std::string> table;
    table.reserve(kToneTableSize);
    table.emplace_back(kNoTone.In(lang));
    for (const char* t : kCtcss) table.emplace_back(t);
    for (int code : kDcs) table.push_back(CFormatInt("D%03dN", code));
    for (int code : kDcs) table.push_back(CFormatInt("D%03dI", code));
    return table;
}

int DcsCodeFromValue(int value) {
    for (int code : kDcs) {
        if (OctalValue(code) == value) return code;
    }
    return 0;
}

int DcsValueFromCode(int code) {
    for (int listed : kDcs) {
        if (listed == code) return OctalValue(code);
    }
    return -1;
}

int ReadDcsCode(const RadioImage& image, std::uint8_t low, int row, int col) {
    const int next = row * 16 + col + 1;
    const int bit8 = image[static_cast<std::size_t>(next)] & 0x01;
    return DcsCodeFromValue(bit8 * 256 + low);
}

void WriteDcsCode(RadioImage& image, int code, int row, int col) {
    const int value = DcsValueFromCode(code);
    image[static_cast<std::size_t>(row * 16 + col)] =
        value < 0 ? 0x00 : static_cast<std::uint8_t>(value & 0xFF);
}

std::string ToneWordToText(ToneWord word, bool rowEmpty, UiLanguage lang) {
    const int h = word.high;
    if (h == 0xFF || h == 0x00) return rowEmpty ? std::string() : std::string(kNoTone.In(lang));
    if (h == 0x28 || h == 0x29 || h == 0xA8 || h == 0xA9) {
        const int code = DcsCodeFromValue((h & 0x01) * 256 + word.low);
        return CFormatInt((h & 0x80) ? "D%03dI" : "D%03dN", code);
    }
    const unsigned w = static_cast<unsigned>(h) * 256u + word.low;
    return CFormat("%3.1f", w * 1.0 / 10.0);
}

ToneWord TextToToneWord(std::string_view text) {
    ToneWord word;
    const auto d = text.find('D');
    if (d == std::string_view::npos) {
        const int x = ScaleToInt(CAtof(text), 10.0);
        if (x != 0) {
            word.low = static_cast<std::uint8_t>(x & 0xFF);
            word.high = static_cast<std::uint8_t>((x / 256) & 0xFF);
        }
        return word;
    }
    // A DCS text: the first character is dropped, the number follows.
    const std::string_view rest = text.empty() ? text : text.substr(1);
    const int n = CAtoi(rest);
    const bool normal = rest.find('N') != std::string_view::npos;
    word.high = static_cast<std::uint8_t>((normal ? 0x28 : 0xA8) + (n > 371 ? 1 : 0));
    const int value = DcsValueFromCode(n);
    word.low = value < 0 ? 0x00 : static_cast<std::uint8_t>(value & 0xFF);
    return word;
}

ToneWord ReadToneWord(const RadioImage& image, int address) {
    return ToneWord{image[static_cast<std::size_t>(address)],
                    image[static_cast<std::size_t>(address + 1)]};
}

void WriteToneWord(RadioImage& image, int address, std::string_view text) {
    const ToneWord word = TextToToneWord(text);
    image[static_cast<std::size_t>(address + 1)] = word.high;
    image[static_cast<std::size_t>(address)] = word.low;
}

}  // namespace qm530
