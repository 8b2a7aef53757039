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

ImportPlan PlanChannelImport(const ChannelList& list, const ChannelTable& table,
                             const BandLimits& band, UiLanguage lang,
                             const ImportChoices& choices) {
    ImportPlan plan;
    plan.result = table;
    const auto& rows = list.Rows();
    const bool byLocation = !choices.renumber && list.Has(ListColumn::Location);

    // A list counted from 0 has a row at Location 0 and none above 15.
    bool fromZero = false;
    if (byLocation) {
        bool zero = false;
        bool above15 = false;
        for (const auto& row : rows) {
            const std::string loc = list.Value(row, ListColumn::Location);
            if (!IsInteger(loc)) continue;
            const int n = std::stoi(loc);
            zero = zero || n == 0;
            above15 = above15 || n > 15;
        }
        fromZero = zero && !above15;
    }

    std::array<int, kTableRows> takenBy{};  // line of the row that named a channel
    int next = choices.renumber ? choices.start : 1;
    for (const auto& row : rows) {
        ImportEntry entry;
        entry.line = row.line;
        entry.outcome = ImportOutcome::Refused;
        if (list.Value(row, ListColumn::Frequency).empty()) {
            entry.outcome = ImportOutcome::Skipped;
            entry.reason = Say(lang, {"no Frequency", "没有 Frequency"});
            plan.entries.push_back(std::move(entry));
            continue;
        }
        if (byLocation) {
            const std::string loc = list.Value(row, ListColumn::Location);
            if (!IsInteger(loc)) {
                entry.reason = Say(
                    lang, {"Location '%1' is not a whole number", "Location '%1' 不是整数"}, {loc});
                plan.entries.push_back(std::move(entry));
                continue;
            }
            const int n = std::stoi(loc) + (fromZero ? 1 : 0);
            if (n < 1 || n > kChannelCount) {
                entry.outcome = ImportOutcome::Skipped;
                entry.reason =
                    Say(lang, {"Location %1 is outside %2 to %3", "Location %1 超出 %2 到 %3"},
                        {loc, fromZero ? "0" : "1", fromZero ? "15" : "16"});
                plan.entries.push_back(std::move(entry));
                continue;
            }
            entry.channel = n;
        } else {
            if (next < 1 || next > kChannelCount) {
                entry.outcome = ImportOutcome::Skipped;
                entry.reason = Say(lang, {"no channel left for it (the last one is 16)",
                                          "没有剩余的信道（最后一个是 16）"});
                plan.entries.push_back(std::move(entry));
                continue;
            }
            entry.channel = next++;
        }
        entry.before = RowOf(plan.result, entry.channel);
        if (const int earlier = takenBy[static_cast<std::size_t>(entry.channel)]; earlier != 0) {
            entry.reason =
                Say(lang, {"channel %1 is already given by line %2", "信道 %1 已由第 %2 行给出"},
                    {std::to_string(entry.channel), std::to_string(earlier)});
            plan.entries.push_back(std::move(entry));
            continue;
        }
        takenBy[static_cast<std::size_t>(entry.channel)] = row.line;

        ListedChannel listed;
        if (Status s = ReadListedChannel(list, row, lang, listed); !s) {
            entry.reason = s.detail();
            plan.entries.push_back(std::move(entry));
            continue;
        }
        entry.notes = std::move(listed.notes);
        entry.edits = EditsOf(listed);
        if (!CommitAll(plan.result, entry, band, lang)) {
            entry.edits.clear();
            plan.entries.push_back(std::move(entry));
            continue;
        }
        entry.after = RowOf(plan.result, entry.channel);
        entry.outcome = entry.before[col::kRx].empty() ? ImportOutcome::New
                        : entry.before == entry.after  ? ImportOutcome::Unchanged
                                                       : ImportOutcome::Changed;
        plan.entries.push_back(std::move(entry));
    }

    if (choices.clearOthers) {
        for (int n = 1; n <= kChannelCount; ++n) {
            if (takenBy[static_cast<std::size_t>(n)] != 0 || !plan.result.IsProgrammed(n)) continue;
            ImportEntry entry;
            entry.channel = n;
            entry.outcome = ImportOutcome::Cleared;
            entry.before = RowOf(plan.result, n);
            entry.edits = {{col::kRx, ""}};
            CommitCellText(plan.result, n, col::kRx, "", band, lang);
            entry.after = RowOf(plan.result, n);
            plan.entries.push_back(std::move(entry));
        }
    }
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
