#include "model/channel_table.h"

#include "model/band.h"
#include "model/numbers.h"
#include "model/tones.h"

namespace qm530 {

namespace {

// A text the eight digits cannot hold came from the stored bytes (the cell
// editor refuses such values), so those bytes stay; encoding it would wrap
// 1656.66665 to 56.66665.
void WriteFrequencyText(RadioImage& image, int address, const std::string& text) {
    const int units = FrequencyUnitsOfText(text);
    if (units > kRecordLimits.high) return;
    WriteFrequency(image, address, units);
}

}  // namespace

bool FrequencyFieldEmpty(const RadioImage& image, int address) {
    const std::uint8_t top = image[static_cast<std::size_t>(address + 3)];
    return top == 0xFF || top == 0x00;
}

bool ChannelProgrammedInImage(const RadioImage& image, int channel) {
    return channel >= 1 && channel <= kChannelCount &&
           !FrequencyFieldEmpty(image, ChannelRecordAddress(channel));
}

void ChannelTable::WriteLabels(UiLanguage lang) {
    const auto& headers = HeaderTexts();
    for (int c = 0; c < kTableCols; ++c) cells_[0][c] = headers[c].In(lang);
    for (int r = 1; r < kTableRows; ++r) cells_[r][0] = CFormatInt("%2d", r);
}

void ChannelTable::ClearRow(int row) {
    for (int c = 1; c < kTableCols; ++c) cells_[row][c].clear();
}

int ChannelTable::ProgrammedCount() const {
    int n = 0;
    for (int r = 1; r < kTableRows; ++r) n += IsProgrammed(r) ? 1 : 0;
    return n;
}

int FrequencyUnits(const RadioImage& image, int address) {
    if (FrequencyFieldEmpty(image, address)) return 0;
    int k = 0;
    for (int i = 3; i >= 0; --i) {
        const int b = image[static_cast<std::size_t>(address + i)];
        k = k * 100 + (b / 16) * 10 + (b % 16);
    }
    return k;
}

std::string FormatFrequency(int units) {
    return CFormat("%3.5f", units * 1.0 / 100000.0);
}

std::string FrequencyText(const RadioImage& image, int address) {
    if (FrequencyFieldEmpty(image, address)) return {};
    return FormatFrequency(FrequencyUnits(image, address));
}

void WriteFrequency(RadioImage& image, int address, int units) {
    if (units == 0) {
        for (int i = 0; i < 4; ++i) image[static_cast<std::size_t>(address + i)] = 0xFF;
        return;
    }
    int t = units;
    int d = 1000000;
    for (int i = 3; i >= 0; --i) {
        const int a = t / d;
        t %= d;
        image[static_cast<std::size_t>(address + i)] =
            static_cast<std::uint8_t>((a / 10) * 16 + a % 10);
        d /= 100;
    }
}

int FrequencyUnitsOfText(std::string_view mhzText) {
    return ScaleToInt(CAtof(mhzText), 100000.0);
}

void ImageToGrid(const RadioImage& image, ChannelTable& table, UiLanguage lang) {
    for (int n = 1; n <= kChannelCount; ++n) {
        const int base = ChannelRecordAddress(n);
        table.SetCell(n, col::kRx, FrequencyText(image, base));
        table.SetCell(n, col::kTx, FrequencyText(image, base + 4));
        const bool rowEmpty = table.Cell(n, col::kRx).empty() && table.Cell(n, col::kTx).empty();
        table.SetCell(n, col::kDecode,
                      ToneWordToText(ReadToneWord(image, base + 8), rowEmpty, lang));
        table.SetCell(n, col::kEncode,
                      ToneWordToText(ReadToneWord(image, base + 10), rowEmpty, lang));
        const std::uint8_t flags = image[static_cast<std::size_t>(base + 12)];
        const std::uint8_t mode = image[static_cast<std::size_t>(base + 13)];
        if (rowEmpty) {
            table.SetCell(n, col::kPower, {});
            table.SetCell(n, col::kBusyLock, {});
            table.SetCell(n, col::kBandwidth, {});
        } else {
            table.SetCell(n, col::kPower,
                          (mode & 0x20) ? words::kHigh.In(lang) : words::kLow.In(lang));
            const int busy = flags & 0x18;
            table.SetCell(n, col::kBusyLock,
                          busy == 0      ? words::kOff.In(lang)
                          : busy == 0x08 ? words::kCarrier.In(lang)
                                         : words::kQtDqt.In(lang));
            table.SetCell(n, col::kBandwidth,
                          (mode & 0x10) ? words::kWide.In(lang) : words::kNarrow.In(lang));
        }
    }
    // Channels 1-8 judge emptiness from the grid texts.
    const std::uint8_t low = image[addr::kScanAddLow];
    for (int n = 8; n >= 1; --n) {
        if (table.Cell(n, col::kRx).empty() && table.Cell(n, col::kTx).empty()) {
            table.SetCell(n, col::kScanAdd, {});
        } else {
            table.SetCell(n, col::kScanAdd,
                          (low >> (n - 1)) & 1 ? words::kYes.In(lang) : words::kNo.In(lang));
        }
    }
    // Channels 9-16 judge it from the stored frequencies, after the bit.
    const std::uint8_t high = image[addr::kScanAddHigh];
    for (int n = 16; n >= 9; --n) {
        const int base = ChannelRecordAddress(n);
        if ((high >> (n - 9)) & 1) {
            table.SetCell(n, col::kScanAdd, words::kYes.In(lang));
        } else if (FrequencyFieldEmpty(image, base) || FrequencyFieldEmpty(image, base + 4)) {
            table.SetCell(n, col::kScanAdd, {});
        } else {
            table.SetCell(n, col::kScanAdd, words::kNo.In(lang));
        }
    }
}

void EncodeChannelRow(const ChannelTable& table, int n, RadioImage& image) {
    const int base = ChannelRecordAddress(n);
    WriteFrequencyText(image, base, table.Cell(n, col::kRx));
    WriteFrequencyText(image, base + 4, table.Cell(n, col::kTx));
    WriteToneWord(image, base + 8, table.Cell(n, col::kDecode));
    WriteToneWord(image, base + 10, table.Cell(n, col::kEncode));

    auto& mode = image[static_cast<std::size_t>(base + 13)];
    if (words::kHigh.Matches(table.Cell(n, col::kPower))) {
        mode |= 0x20;
    } else {
        mode &= static_cast<std::uint8_t>(~0x20);
    }
    auto& flags = image[static_cast<std::size_t>(base + 12)];
    flags &= static_cast<std::uint8_t>(~0x18);
    const std::string& busy = table.Cell(n, col::kBusyLock);
    if (words::kOff.Matches(busy)) {
        // both bits stay clear
    } else if (words::kCarrier.Matches(busy)) {
        flags |= 0x08;
    } else {
        flags |= 0x10;
    }
    if (words::kWide.Matches(table.Cell(n, col::kBandwidth))) {
        mode |= 0x10;
    } else {
        mode &= static_cast<std::uint8_t>(~0x10);
    }
}

void GridToImage(const ChannelTable& table, RadioImage& image) {
    for (int n = 1; n <= kChannelCount; ++n) EncodeChannelRow(table, n, image);
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    for (int n = 1; n <= 8; ++n) {
        if (words::kYes.Matches(table.Cell(n, col::kScanAdd)))
            low |= static_cast<std::uint8_t>(1 << (n - 1));
    }
    for (int n = 9; n <= 16; ++n) {
        if (words::kYes.Matches(table.Cell(n, col::kScanAdd)))
            high |= static_cast<std::uint8_t>(1 << (n - 9));
    }
    image[addr::kScanAddLow] = low;
    image[addr::kScanAddHigh] = high;
}

}  // namespace qm530
