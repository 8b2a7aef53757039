#include "model/csv_text.h"

#include "model/messages.h"

namespace qm530 {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Length of the UTF-8 sequence at text[i], or 0 when it is malformed.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) return 1;
    std::size_t n = 0;
    unsigned min = 0;
    unsigned cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2;
        min = 0x80;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3;
        min = 0x800;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4;
        min = 0x10000;
        cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (i + n > text.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool AllEmpty(const std::vector<std::string>& fields) {
    for (const std::string& f : fields) {
        if (!f.empty()) return false;
    }
    return true;
}

}  // namespace

int FirstNonUtf8Line(std::string_view text) {
    int line = 1;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = SequenceLength(text, i);
        if (n == 0) return line;
        if (text[i] == '\n') ++line;
        i += n;
    }
    return 0;
}

namespace {

// Refuses what is no CSV text at all: bytes that are not UTF-8, or a NUL.
Status CheckCsvText(std::string_view text, UiLanguage lang) {
    if (const int badLine = FirstNonUtf8Line(text); badLine != 0) {
        return Status::Fail(Say(lang, {"line %1 is not UTF-8 text", "第 %1 行不是 UTF-8 文本"},
                                {std::to_string(badLine)}));
    }
    int line = 1;
    for (const char c : text) {
        if (c == '\0')
            return Status::Fail(Say(lang,
                                    {"line %1 holds a NUL byte: this is not a text file",
                                     "第 %1 行含有 NUL 字节：这不是文本文件"},
                                    {std::to_string(line)}));
        if (c == '\n') ++line;
    }
    return Status::Ok();
}

// Walks a checked text record by record.
class CsvReader {
  public:
    CsvReader(std::string_view text, UiLanguage lang) : text_(text), lang_(lang) {}

    bool AtEnd() const { return i_ >= text_.size(); }

    // The next record, its fields in order.
    Result<CsvRecord> NextRecord() {
        CsvRecord record;
        record.line = line_;
        for (;;) {
            std::string field;
            if (Peek('"')) {
                if (Status s = ReadQuoted(field); !s) return s;
            }
            // Unquoted text, or whatever follows a closing quote.
            while (!AtEnd() && !Peek(',') && !Peek('\r') && !Peek('\n')) field += text_[i_++];
            record.fields.push_back(std::move(field));
            if (AtEnd()) return record;
            if (Peek(',')) {
                ++i_;
                continue;
            }
            SkipLineEnd();
            return record;
        }
    }

  private:
    bool Peek(char c) const { return i_ < text_.size() && text_[i_] == c; }

    // Counts a line end at the cursor (LF, CR LF or CR) and steps past it.
    void SkipLineEnd() {
        if (Peek('\r') && i_ + 1 < text_.size() && text_[i_ + 1] == '\n') ++i_;
        ++i_;
        ++line_;
    }

    // A field in double quotes, the cursor on its opening quote; "" is a quote.
    Status ReadQuoted(std::string& field) {
        const int opened = line_;
        ++i_;
        for (;;) {
            if (AtEnd()) {
                return Status::Fail(Say(
                    lang_,
                    {"line %1: a quoted field is never closed", "第 %1 行：有一个引号字段没有结束"},
                    {std::to_string(opened)}));
            }
            const char c = text_[i_];
            if (c == '"') {
                if (i_ + 1 < text_.size() && text_[i_ + 1] == '"') {
                    field += '"';
                    i_ += 2;
                    continue;
                }
                ++i_;
                return Status::Ok();
            }
            if (c == '\r' || c == '\n') {
                // A line end inside quotes is kept as LF.
                field += '\n';
                SkipLineEnd();
                continue;
            }
            field += c;
            ++i_;
        }
    }

    std::string_view text_;
    UiLanguage lang_;
    std::size_t i_ = 0;
    int line_ = 1;
};

}  // namespace

Result<std::vector<CsvRecord>> ReadCsv(std::string_view text, UiLanguage lang) {
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    if (Status s = CheckCsvText(text, lang); !s) return s;
    std::vector<CsvRecord> records;
    CsvReader reader(text, lang);
    while (!reader.AtEnd()) {
        Result<CsvRecord> record = reader.NextRecord();
        if (!record) return record.status();
        if (!AllEmpty(record->fields)) records.push_back(std::move(*record));
    }
    return records;
}

std::string CsvRecordText(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (const char ch : f) {
            if (ch == '"') out += '"';
            out += ch;
        }
        out += '"';
    }
    return out + "\r\n";
}

}  // namespace qm530
