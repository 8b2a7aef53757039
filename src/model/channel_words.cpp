#include "model/channel_words.h"

namespace qm530 {

const std::array<Bilingual, kTableCols>& HeaderTexts() {
    static const std::array<Bilingual, kTableCols> headers = {{
        {"CH", "信道"},
        {"Rx Frequency", "接收频率"},
        {"Tx Frequency", "发射频率"},
        {"QT/DQT Dec", "QT/DQT解码"},
        {"QT/DQT Enc", "QT/DQT编码"},
        {"Power", "功率"},
        {"Scan Add", "扫描添加"},
        {"Busy Lock", "繁忙锁定"},
        {"W/N", "宽/窄"},
    }};
    return headers;
}

ColumnWords ListWordsForColumn(int column) {
    static const Bilingual power[] = {words::kHigh, words::kLow};
    static const Bilingual scan[] = {words::kYes, words::kNo};
    static const Bilingual busy[] = {words::kOff, words::kCarrier, words::kQtDqt};
    static const Bilingual bandwidth[] = {words::kWide, words::kNarrow};
    switch (column) {
        case col::kPower:
            return {power, 2};
        case col::kScanAdd:
            return {scan, 2};
        case col::kBusyLock:
            return {busy, 3};
        case col::kBandwidth:
            return {bandwidth, 2};
        default:
            return {};
    }
}

}  // namespace qm530
