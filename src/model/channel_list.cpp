#include "model/channel_list.h"

#include "model/channel_list_row.h"
#include "model/csv_text.h"
#include "model/messages.h"

namespace qm530 {

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

}  // namespace

const std::array<const char*, kListColumnCount>& ListColumnNames() {
    static const std::array<const char*, kListColumnCount> names = {
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE",
    };
    return names;
}

std::string ChannelList::Value(const Row& row, ListColumn column) const {
    const int i = index_[static_cast<int>(column)];
    if (i < 0 || static_cast<std::size_t>(i) >= row.fields.size()) return {};
    return Trimmed(row.fields[static_cast<std::size_t>(i)]);
}

Result<ChannelList> ReadChannelList(std::string_view text, UiLanguage lang) {
    Result<std::vector<CsvRecord>> read = ReadCsv(text, lang);
    if (!read) return read.status();
    std::vector<CsvRecord>& records = *read;
    if (records.empty()) {
        return Status::Fail(Say(lang, {"the file has no header line naming the columns",
                                       "文件没有列出各列名称的标题行"}));
    }
    ChannelList result;
    result.index_.fill(-1);
    const auto& names = ListColumnNames();
    const std::vector<std::string>& header = records.front().fields;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = Lower(Trimmed(header[i]));
        for (int c = 0; c < kListColumnCount; ++c) {
            // The first column of a name counts; later ones are ignored.
            if (result.index_[c] < 0 && name == Lower(names[c])) {
                result.index_[c] = static_cast<int>(i);
            }
        }
    }
    if (!result.Has(ListColumn::Frequency)) {
        return Status::Fail(Say(lang,
                                {"line %1: the header names no Frequency column",
                                 "第 %1 行：标题行中没有 Frequency 列"},
                                {std::to_string(records.front().line)}));
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        result.rows_.push_back({records[r].line, std::move(records[r].fields)});
    }
    return result;
}

std::string ChannelListCsv(const ChannelTable& table) {
    const auto& names = ListColumnNames();
    std::string out = CsvRecordText(std::vector<std::string>(names.begin(), names.end()));
    for (int n = 1; n <= kChannelCount; ++n) {
        if (table.IsProgrammed(n)) out += CsvRecordText(ListFieldsOfChannel(table, n));
    }
    return out;
}

}  // namespace qm530
