#pragma once

#include <array>

#include "model/language.h"

namespace qm530 {

// Grid columns of the channel table.
namespace col {
constexpr int kLabel = 0;
constexpr int kRx = 1;
constexpr int kTx = 2;
constexpr int kDecode = 3;
constexpr int kEncode = 4;
constexpr int kPower = 5;
constexpr int kScanAdd = 6;
constexpr int kBusyLock = 7;
constexpr int kBandwidth = 8;
}  // namespace col

constexpr int kChannelCount = 16;
constexpr int kTableRows = kChannelCount + 1;
constexpr int kTableCols = 9;

// Header row texts, columns 0 to 8.
const std::array<Bilingual, kTableCols>& HeaderTexts();

namespace words {
constexpr Bilingual kHigh{"High", "高"};
constexpr Bilingual kLow{"Low", "低"};
constexpr Bilingual kYes{"Yes", "有"};
constexpr Bilingual kNo{"No", "无"};
constexpr Bilingual kOff{"Off", "关"};
constexpr Bilingual kCarrier{"Carrier", "载波"};
constexpr Bilingual kQtDqt{"QT/DQT", "QT/DQT"};
constexpr Bilingual kWide{"Wide", "宽"};
constexpr Bilingual kNarrow{"Narrow", "窄"};
}  // namespace words

// The words of the drop-down list of a column (5 to 8), in list order;
// an empty span for the other columns. The tone columns use the tone table.
struct ColumnWords {
    const Bilingual* items = nullptr;
    int count = 0;
};
ColumnWords ListWordsForColumn(int column);

}  // namespace qm530
