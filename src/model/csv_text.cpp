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

bool IsUtf8Text(std::string_view text, int* badLine) {
    int line = 1;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = SequenceLength(text, i);
        if (n == 0) {
            if (badLine != nullptr) *badLine = line;
            return false;
        }
        if (text[i] == '\n') ++line;
        i += n;
    }
    return true;
}

Status ReadCsv(std::string_view text, std::vector<CsvRecord>& records, UiLanguage lang) {
    records.clear();
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    int badLine = 0;
    if (!IsUtf8Text(text, &badLine)) {
        return Status::Fail(Say(lang, {"line %1 is not UTF-8 text", "第 %1 行不是 UTF-8 文本"},
                                {std::to_string(badLine)}));
    }
    int line = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\0')
            return Status::Fail(Say(lang,
                                    {"line %1 holds a NUL byte: this is not a text file",
                                     "第 %1 行含有 NUL 字节：这不是文本文件"},
                                    {std::to_string(line)}));
        if (text[i] == '\n') ++line;
    }

    line = 1;
    std::size_t i = 0;
    const std::size_t n = text.size();
    // Counts a line end at text[i] (LF, CR LF or CR) and steps past it.
    auto skipLineEnd = [&] {
        if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
        ++i;
        ++line;
    };
    while (i < n) {
        CsvRecord record;
        record.line = line;
        std::string field;
        bool endOfRecord = false;
        while (!endOfRecord) {
            if (i < n && text[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= n) {
                        return Status::Fail(Say(lang,
                                                {"line %1: a quoted field is never closed",
                                                 "第 %1 行：有一个引号字段没有结束"},
                                                {std::to_string(opened)}));
                    }
                    const char c = text[i];
                    if (c == '"') {
                        if (i + 1 < n && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (c == '\r' || c == '\n') {
                        // A line end inside quotes is kept as LF.
                        field += '\n';
                        skipLineEnd();
                        continue;
                    }
                    field += c;
                    ++i;
                }
            }
            // Unquoted text, or whatever follows a closing quote.
            while (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                field += text[i++];
            record.fields.push_back(std::move(field));
            field.clear();
            if (i >= n) {
                endOfRecord = true;
            } else if (text[i] == ',') {
                ++i;
            } else {
                skipLineEnd();
                endOfRecord = true;
            }
        }
        if (!AllEmpty(record.fields)) records.push_back(std::move(record));
    }
    return Status::Ok();
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
