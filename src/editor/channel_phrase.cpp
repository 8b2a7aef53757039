#include "editor/channel_phrase.h"

#include <QStringList>

#include "model/channel_words.h"
#include "model/tones.h"

namespace qm530::editor {

namespace {

// 145.12500 is said as 145.125: trailing zeros after the third decimal
// carry nothing a listener needs.
QString SpokenFrequency(const std::string& text) {
    QString value = QString::fromStdString(text);
    const int point = value.indexOf(QLatin1Char('.'));
    if (point < 0) return value;
    int end = static_cast<int>(value.size());
    while (end > point + 4 && value[end - 1] == QLatin1Char('0')) --end;
    return value.left(end);
}

bool Is(const std::string& text, const Bilingual& word, UiLanguage lang) {
    return text == word.In(lang);
}

}  // namespace

QString ChannelSpeech::RowName(int row) {
    return tr("Channel %1").arg(row);
}

QString ChannelSpeech::Cell(const std::string& text) {
    return text.empty() ? tr("empty") : QString::fromStdString(text);
}

QString ChannelSpeech::Phrase(const ChannelTable& table, int row, UiLanguage lang) {
    const auto cell = [&](int column) -> const std::string& { return table.Cell(row, column); };
    QStringList parts;
    if (!cell(col::kRx).empty()) parts << tr("receive %1").arg(SpokenFrequency(cell(col::kRx)));
    if (!cell(col::kTx).empty()) parts << tr("transmit %1").arg(SpokenFrequency(cell(col::kTx)));
    const std::string none = NoToneText().In(lang);
    if (!cell(col::kDecode).empty() && cell(col::kDecode) != none)
        parts << tr("decode %1").arg(QString::fromStdString(cell(col::kDecode)));
    if (!cell(col::kEncode).empty() && cell(col::kEncode) != none)
        parts << tr("encode %1").arg(QString::fromStdString(cell(col::kEncode)));
    if (Is(cell(col::kPower), words::kHigh, lang)) parts << tr("high power");
    if (Is(cell(col::kPower), words::kLow, lang)) parts << tr("low power");
    if (Is(cell(col::kScanAdd), words::kYes, lang)) parts << tr("scan");
    if (Is(cell(col::kBusyLock), words::kCarrier, lang)) parts << tr("busy lock on carrier");
    if (Is(cell(col::kBusyLock), words::kQtDqt, lang)) parts << tr("busy lock on QT/DQT");
    if (Is(cell(col::kBandwidth), words::kWide, lang)) parts << tr("wide");
    if (Is(cell(col::kBandwidth), words::kNarrow, lang)) parts << tr("narrow");
    if (parts.isEmpty()) parts << tr("empty");
    return tr("%1: %2").arg(RowName(row), parts.join(tr(", ")));
}

QString ChannelSpeech::EditorName(const QString& column, int row) {
    return tr("%1, channel %2").arg(column).arg(row);
}

}  // namespace qm530::editor
