#include "model/channel_import.h"

#include <algorithm>

#include "model/cell_commit.h"
#include "model/channel_list_row.h"
#include "model/messages.h"

namespace qm530 {

namespace {

GridRow RowOf(const ChannelTable& table, int channel) {
    GridRow row;
    for (int c = 0; c < kTableCols; ++c) row[static_cast<std::size_t>(c)] = table.Cell(channel, c);
    return row;
}

bool IsInteger(const std::string& s) {
    const std::size_t first = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    return s.size() > first && s.size() <= 9 &&
           std::all_of(s.begin() + static_cast<long>(first), s.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<CellEdit> EditsOf(const ListedChannel& ch) {
    return {{col::kRx, ch.rx},
            {col::kTx, ch.tx},
            {col::kDecode, ch.decode},
            {col::kEncode, ch.encode},
            {col::kPower, ch.power},
            {col::kScanAdd, ch.scanAdd},
            {col::kBandwidth, ch.bandwidth}};
}

Bilingual CellName(int column) {
    return column == col::kRx ? Bilingual{"receive frequency", "接收频率"}
                              : Bilingual{"transmit frequency", "发射频率"};
}

// Commits the edits on a copy of the table; on a refusal says which and why.
bool CommitAll(ChannelTable& table, ImportEntry& entry, const BandLimits& band, UiLanguage lang) {
    ChannelTable trial = table;
    for (const CellEdit& e : entry.edits) {
        const CommitOutcome out =
            CommitCellText(trial, entry.channel, e.column, e.text, band, lang);
        if (out.rejected()) {
            entry.messageId = out.messageId;
            entry.reason =
                Say(lang, {"%1 %2: %3", "%1 %2：%3"},
                    {CellName(e.column).In(lang), e.text, MessageText(out.messageId, lang)});
            return false;
        }
    }
    table = trial;
    return true;
}

}  // namespace

int ImportPlan::Count(ImportOutcome outcome) const {
    return static_cast<int>(
        std::count_if(entries.begin(), entries.end(),
                      [&](const ImportEntry& e) { return e.outcome == outcome; }));
}

namespace {

// A list counted from 0 has a row at Location 0 and none above 15.
bool CountsFromZero(const ChannelList& list) {
    bool zero = false;
    bool above15 = false;
    for (const auto& row : list.Rows()) {
        const std::string loc = list.Value(row, ListColumn::Location);
        if (!IsInteger(loc)) continue;
        const int n = std::stoi(loc);
        zero = zero || n == 0;
        above15 = above15 || n > 15;
    }
    return zero && !above15;
}

// Walks the rows of a list in file order and finds each row its channel.
class ImportPlanner {
  public:
    ImportPlanner(const ChannelList& list, const BandLimits& band, UiLanguage lang,
                  const ImportChoices& choices, ImportPlan& plan)
        : list_(list),
          band_(band),
          lang_(lang),
          plan_(plan),
          byLocation_(!choices.renumber && list.Has(ListColumn::Location)),
          fromZero_(byLocation_ && CountsFromZero(list)),
          next_(choices.renumber ? choices.start : 1) {}

    void PlanRow(const ChannelList::Row& row) {
        ImportEntry entry;
        entry.line = row.line;
        entry.outcome = ImportOutcome::Refused;
        if (list_.Value(row, ListColumn::Frequency).empty()) {
            entry.outcome = ImportOutcome::Skipped;
            entry.reason = Say(lang_, {"no Frequency", "没有 Frequency"});
        } else if (PlaceRow(row, entry)) {
            ReadRow(row, entry);
        }
        plan_.entries.push_back(std::move(entry));
    }

    // The programmed channels that no row named are emptied.
    void ClearOthers() {
        for (int n = 1; n <= kChannelCount; ++n) {
            if (takenBy_[static_cast<std::size_t>(n)] != 0 || !plan_.result.IsProgrammed(n))
                continue;
            ImportEntry entry;
            entry.channel = n;
            entry.outcome = ImportOutcome::Cleared;
            entry.before = RowOf(plan_.result, n);
            entry.edits = {{col::kRx, ""}};
            CommitCellText(plan_.result, n, col::kRx, "", band_, lang_);
            entry.after = RowOf(plan_.result, n);
            plan_.entries.push_back(std::move(entry));
        }
    }

  private:
    // Finds the row's channel by Location or by counting; false (the entry
    // saying why) when the row goes to none or its channel is taken.
    bool PlaceRow(const ChannelList::Row& row, ImportEntry& entry) {
        if (byLocation_) {
            const std::string loc = list_.Value(row, ListColumn::Location);
            if (!IsInteger(loc)) {
                entry.reason =
                    Say(lang_, {"Location '%1' is not a whole number", "Location '%1' 不是整数"},
                        {loc});
                return false;
            }
            const int n = std::stoi(loc) + (fromZero_ ? 1 : 0);
            if (n < 1 || n > kChannelCount) {
                entry.outcome = ImportOutcome::Skipped;
                entry.reason =
                    Say(lang_, {"Location %1 is outside %2 to %3", "Location %1 超出 %2 到 %3"},
                        {loc, fromZero_ ? "0" : "1", fromZero_ ? "15" : "16"});
                return false;
            }
            entry.channel = n;
        } else {
            if (next_ < 1 || next_ > kChannelCount) {
                entry.outcome = ImportOutcome::Skipped;
                entry.reason = Say(lang_, {"no channel left for it (the last one is 16)",
                                           "没有剩余的信道（最后一个是 16）"});
                return false;
            }
            entry.channel = next_++;
        }
        entry.before = RowOf(plan_.result, entry.channel);
        int& taken = takenBy_[static_cast<std::size_t>(entry.channel)];
        if (taken != 0) {
            entry.reason =
                Say(lang_, {"channel %1 is already given by line %2", "信道 %1 已由第 %2 行给出"},
                    {std::to_string(entry.channel), std::to_string(taken)});
            return false;
        }
        taken = row.line;
        return true;
    }

    // Reads the row's fields and commits them on its channel.
    void ReadRow(const ChannelList::Row& row, ImportEntry& entry) {
        Result<ListedChannel> listed = ReadListedChannel(list_, row, lang_);
        if (!listed) {
            entry.reason = listed.detail();
            return;
        }
        entry.notes = std::move(listed->notes);
        entry.edits = EditsOf(*listed);
        if (!CommitAll(plan_.result, entry, band_, lang_)) {
            entry.edits.clear();
            return;
        }
        entry.after = RowOf(plan_.result, entry.channel);
        entry.outcome = entry.before[col::kRx].empty() ? ImportOutcome::New
                        : entry.before == entry.after  ? ImportOutcome::Unchanged
                                                       : ImportOutcome::Changed;
    }

    const ChannelList& list_;
    const BandLimits& band_;
    UiLanguage lang_;
    ImportPlan& plan_;
    const bool byLocation_;
    const bool fromZero_;
    int next_;
    std::array<int, kTableRows> takenBy_{};  // line of the row that named a channel
};

}  // namespace

ImportPlan PlanChannelImport(const ChannelList& list, const ChannelTable& table,
                             const BandLimits& band, UiLanguage lang,
                             const ImportChoices& choices) {
    ImportPlan plan;
    plan.result = table;
    ImportPlanner planner(list, band, lang, choices, plan);
    for (const auto& row : list.Rows()) planner.PlanRow(row);
    if (choices.clearOthers) planner.ClearOthers();
    return plan;
}

void ApplyImportPlan(const ImportPlan& plan, ChannelTable& table, const BandLimits& band,
                     UiLanguage lang) {
    for (const ImportEntry& entry : plan.entries) {
        if (!entry.Changes()) continue;
        for (const CellEdit& e : entry.edits) {
            (void)CommitCellText(table, entry.channel, e.column, e.text, band, lang);
        }
    }
}

}  // namespace qm530
