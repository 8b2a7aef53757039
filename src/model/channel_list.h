#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/channel_table.h"
#include "model/language.h"
#include "model/result.h"
#include "model/status.h"

namespace qm530 {

// The columns of the channel-list CSV that programming tools, repeater
// directories and spreadsheet templates share, in the order exporters write
// them. Older files lack RxDtcsCode, CrossMode and Power.
enum class ListColumn {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    rToneFreq,
    cToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    URCALL,
    RPT1CALL,
    RPT2CALL,
    DVCODE,
};
constexpr int kListColumnCount = 21;

// The column names, by ListColumn.
const std::array<const char*, kListColumnCount>& ListColumnNames();

// A channel list read from CSV: its data rows, whose fields are found by
// column name (case-insensitive, any order, unknown columns ignored).
class ChannelList {
  public:
    struct Row {
        int line = 0;  // where the row starts in the file
        std::vector<std::string> fields;
    };

    bool Has(ListColumn column) const { return index_[static_cast<int>(column)] >= 0; }
    // The field of `column` in `row`, blanks around it removed; empty when
    // the file has no such column or the row is short.
    std::string Value(const Row& row, ListColumn column) const;
    const std::vector<Row>& Rows() const { return rows_; }

  private:
    friend Result<ChannelList> ReadChannelList(std::string_view text, UiLanguage lang);
    std::array<int, kListColumnCount> index_{};
    std::vector<Row> rows_;
};

// Reads a channel list. Refuses the whole text when it is not UTF-8, has no
// header line or names no Frequency column; the reason says which, in `lang`.
Result<ChannelList> ReadChannelList(std::string_view text, UiLanguage lang = UiLanguage::English);

// No channel list is longer than this (16 channels in some hundred bytes
// each, or a repeater directory of thousands of rows): a longer input is
// refused rather than read to the end.
constexpr std::size_t kMaxChannelListBytes = 4 << 20;

// Every programmed channel of the table in channel order, as CSV with all
// 21 columns: the header, then one CR LF record per channel.
std::string ChannelListCsv(const ChannelTable& table);

}  // namespace qm530
