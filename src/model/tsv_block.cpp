#include "model/tsv_block.h"

#include "model/cell_commit.h"
#include "model/list_values.h"
#include "model/messages.h"
#include "model/numbers.h"

namespace qm530 {

namespace {

bool NeedsQuotes(const std::string& text) {
    return text.find_first_of("\t\r\n\"") != std::string::npos;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char ch : text) {
        if (ch == '"') out += '"';
        out += ch;
    }
    return out + '"';
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one decimal point, and at least one digit.
bool IsPlainDecimal(const std::string& text) {
    int digits = 0;
    int points = 0;
    for (char c : text) {
        if (IsDigit(c)) {
            ++digits;
        } else if (c == '.') {
            ++points;
        } else {
            return false;
        }
    }
    return digits > 0 && points <= 1;
}

// "67" or "67.00" as the tone list writes it, "67.0"; other texts unchanged.
std::string ToneAsListed(const std::string& text) {
    if (!IsPlainDecimal(text)) return text;
    const auto point = text.find('.');
    if (point != std::string::npos) {
        const auto lastNonZero = text.find_last_not_of('0');
        if (lastNonZero > point + 1) return text;  // more than one decimal that counts
    }
    const std::string listed = CFormat("%3.1f", CAtof(text));
    return ListHoldsText(col::kDecode, listed) ? listed : text;
}

bool IsHeaderLine(const std::vector<std::string>& line) {
    bool any = false;
    for (const std::string& raw : line) {
        const std::string cell = Trimmed(raw);
        if (cell.empty()) continue;
        bool header = false;
        for (const Bilingual& h : HeaderTexts()) header = header || h.Matches(cell);
        if (!header) return false;
        any = true;
    }
    return any;
}

bool RowEmpty(const ChannelTable& table, int row) {
    return table.Cell(row, col::kRx).empty() && table.Cell(row, col::kTx).empty();
}

// Commits one pasted cell into `table`; returns the refusal reason, empty
// when the cell was taken (or silently dropped by the rules).
std::string PasteCell(ChannelTable& table, int row, int column, const std::string& text,
                      const BandLimits& band, UiLanguage lang) {
    if (column == col::kRx || column == col::kTx) {
        if (!text.empty() && !IsPlainDecimal(text)) {
            const Bilingual rest{" is not a frequency in MHz such as 145.125",
                                 "不是以MHz为单位的频率（例如145.125）"};
            return "'" + text + "'" + rest.In(lang);
        }
        const ChannelTable before = table;
        const CommitOutcome outcome = CommitCellText(table, row, column, text, band, lang);
        if (!outcome.rejected()) return {};
        table = before;
        return MessageText(outcome.messageId, lang);
    }
    if (RowEmpty(table, row)) return {};  // nothing can be set on an empty channel
    if (text.empty()) return {};          // a list cell is never empty: keep what is there
    const bool tone = column == col::kDecode || column == col::kEncode;
    const std::string value = tone ? ToneAsListed(text) : text;
    std::string reason = ListRefusalReason(column, value, lang);
    if (reason.empty()) CommitCellText(table, row, column, value, band, lang);
    return reason;
}

}  // namespace

std::string FormatTsv(const ChannelTable& table, const CellBlock& block) {
    std::string out;
    for (int r = block.top; r <= block.bottom; ++r) {
        for (int c = block.left; c <= block.right; ++c) {
            if (c > block.left) out += '\t';
            const std::string& text = table.Cell(r, c);
            out += NeedsQuotes(text) ? Quoted(text) : text;
        }
        out += '\n';
    }
    return out;
}

std::vector<std::vector<std::string>> ParseTsv(std::string_view text) {
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> line;
    std::string cell;
    bool lineStarted = false;
    std::size_t i = 0;
    const auto endLine = [&] {
        line.push_back(std::move(cell));
        cell.clear();
        lines.push_back(std::move(line));
        line.clear();
        lineStarted = false;
    };
    while (i < text.size()) {
        const char ch = text[i];
        if (ch == '"' && cell.empty()) {
            // A quoted cell: up to the closing quote; "" is one quote.
            lineStarted = true;
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        cell += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += text[i++];
            }
            continue;
        }
        if (ch == '\t') {
            line.push_back(std::move(cell));
            cell.clear();
            lineStarted = true;
            ++i;
        } else if (ch == '\r' || ch == '\n') {
            endLine();
            i += (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        } else {
            cell += ch;
            lineStarted = true;
            ++i;
        }
    }
    if (lineStarted) endLine();
    return lines;
}

std::string CellName(int row, int column, UiLanguage lang) {
    const char* header = HeaderTexts()[static_cast<std::size_t>(column)].In(lang);
    if (lang == UiLanguage::Chinese) return CFormatInt("信道%d ", row) + header;
    return CFormatInt("channel %d, ", row) + header;
}

PastePlan PlanPaste(const ChannelTable& table, std::string_view tsv, int row, int column,
                    const BandLimits& band, UiLanguage lang) {
    PastePlan plan;
    plan.result = table;
    auto lines = ParseTsv(tsv);
    if (!lines.empty() && IsHeaderLine(lines.front())) lines.erase(lines.begin());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int r = row + static_cast<int>(i);
        for (std::size_t j = 0; j < lines[i].size(); ++j) {
            const int c = column + static_cast<int>(j);
            if (c == col::kLabel) continue;
            if (r < 1 || r > kChannelCount || c < 0 || c >= kTableCols) {
                ++plan.outside;
                continue;
            }
            const std::string text = Trimmed(lines[i][j]);
            std::string reason = PasteCell(plan.result, r, c, text, band, lang);
            if (!reason.empty()) {
                plan.refusals.push_back({r, c, CellName(r, c, lang), std::move(reason)});
            }
        }
    }
    for (int r = 1; r <= kChannelCount; ++r) {
        for (int c = 1; c < kTableCols; ++c) {
            if (plan.result.Cell(r, c) != table.Cell(r, c))
                plan.changes.push_back({r, c, plan.result.Cell(r, c)});
        }
    }
    return plan;
}

}  // namespace qm530
