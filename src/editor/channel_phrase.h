#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "model/channel_table.h"
#include "model/language.h"

namespace qm530::editor {

// What a screen reader says for the channel grid, in the interface language.
class ChannelSpeech {
    Q_DECLARE_TR_FUNCTIONS(qm530::editor::ChannelSpeech)

  public:
    // A whole channel as one phrase: "Channel 3: receive 145.125, transmit
    // 145.725, encode 88.5, low power, scan, narrow". Fields at their plain
    // setting (no tone, no scan, busy lock off) are left out; an empty
    // channel is "Channel 3: empty". `lang` is the language of the table's
    // words.
    static QString Phrase(const ChannelTable& table, int row, UiLanguage lang);
    // "Channel 3", the name of a row.
    static QString RowName(int row);
    // The text of a cell, or "empty".
    static QString Cell(const std::string& text);
    // The name of a cell editor: "Tx Frequency, channel 3".
    static QString EditorName(const QString& column, int row);
};

}  // namespace qm530::editor
