#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/band.h"
#include "model/channel_list.h"
#include "model/channel_table.h"
#include "model/language.h"

namespace qm530 {

// How the rows of a list find their channels.
struct ImportChoices {
    // Off: row Location n goes to channel n (n+1 for a list counted from 0).
    // On: rows go to consecutive channels in file order from `start`.
    bool renumber = false;
    int start = 1;
    // Channels that no row names are emptied.
    bool clearOthers = false;
};

enum class ImportOutcome {
    New,        // the row programs an empty channel
    Changed,    // the row changes a programmed channel
    Unchanged,  // the channel already holds what the row says
    Refused,    // the row is bad; `reason` says why
    Skipped,    // the row goes to no channel (no frequency, location outside 1-16)
    Cleared,    // a programmed channel that no row names, emptied by clearOthers
};

// One text committed into a grid cell, as a typed edit would be.
struct CellEdit {
    int column = 0;
    std::string text;
};

using GridRow = std::array<std::string, kTableCols>;

// What importing does with one row of the list, or (Cleared) with one channel.
struct ImportEntry {
    int line = 0;     // where the row starts in the file; 0 for a Cleared channel
    int channel = 0;  // target channel 1-16; 0 when the row goes nowhere
    ImportOutcome outcome = ImportOutcome::Skipped;
    std::string reason;              // for Refused and Skipped
    int messageId = 0;               // the grid's message (61448, 61456) when it refused the row
    std::vector<std::string> notes;  // what was read other than written
    std::vector<CellEdit> edits;     // committed in order on `channel` to make `after`
    GridRow before;                  // the channel's grid row before the import
    GridRow after;                   // and after it (New, Changed, Unchanged, Cleared)

    // The entry changes the table when applied.
    bool Changes() const {
        return outcome == ImportOutcome::New || outcome == ImportOutcome::Changed ||
               outcome == ImportOutcome::Cleared;
    }
};

// Every row of the list in file order, then the channels clearOthers empties.
struct ImportPlan {
    std::vector<ImportEntry> entries;
    ChannelTable result;  // the table with every good entry applied

    int Count(ImportOutcome outcome) const;
    bool Refuses() const { return Count(ImportOutcome::Refused) > 0; }
};

// Works out, without changing `table`, what importing `list` into it does.
// Each row goes through the grid's own rules (CommitCellText): Rx, Tx, the
// two tones, power, scan add and bandwidth, in that order; a programmed
// channel keeps its busy lock, a new one gets the grid's defaults. A row
// whose value the grid or the tone table would refuse is Refused with that
// reason and changes nothing. `band` are the limits a frequency must lie in;
// grid words come in `lang`.
ImportPlan PlanChannelImport(const ChannelList& list, const ChannelTable& table,
                             const BandLimits& band, UiLanguage lang, const ImportChoices& choices);

// Commits the edits of every entry that changes something into `table`
// through CommitCellText, as typed edits would be; refused and skipped rows
// are left out. On the table the plan was made for, this gives plan.result.
void ApplyImportPlan(const ImportPlan& plan, ChannelTable& table, const BandLimits& band,
                     UiLanguage lang);

}  // namespace qm530
