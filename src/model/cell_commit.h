#pragma once

#include <string>

#include "model/band.h"
#include "model/channel_table.h"
#include "model/language.h"

namespace qm530 {

// Outcome of committing an editor's text into a cell: 0 when accepted,
// otherwise the id of the message to show (61448 out of band, 61456 off the
// 5 kHz / 6.25 kHz raster). The table already holds the result either way.
struct CommitOutcome {
    int messageId = 0;
    bool rejected() const { return messageId != 0; }
};

// The rules for leaving a cell of channel row `row` (1-16), column `column`
// (1-8), whose editor holds `text` (for the list columns, the selected item).
// A frequency must lie inside `band` and inside what a record can hold.
CommitOutcome CommitCellText(ChannelTable& table, int row, int column, const std::string& text,
                             const BandLimits& band, UiLanguage lang);

// True when 10 Hz units lie on the 5 kHz or the 6.25 kHz raster.
constexpr bool OnChannelRaster(int units) {
    return units % 500 == 0 || units % 625 == 0;
}

}  // namespace qm530
