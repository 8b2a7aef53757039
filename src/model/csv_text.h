#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/language.h"
#include "model/result.h"
#include "model/status.h"

namespace qm530 {

// One record of a CSV text and the line it starts on (1-based).
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

// The 1-based line of the first fault when `text` is not well-formed UTF-8
// (overlong forms, surrogates, anything above U+10FFFF); 0 when it is.
int FirstNonUtf8Line(std::string_view text);

// Reads RFC 4180 CSV: fields separated by commas, records by LF, CR LF or a
// lone CR; a field in double quotes may hold commas, line ends and "" for a
// quote. A leading UTF-8 byte-order mark is dropped, and records whose fields
// are all empty (blank lines, rows of bare commas) are left out. Lenient
// where spreadsheets are: a quote inside an unquoted field is text, and text
// after a closing quote joins the field. Fails for text that is not UTF-8,
// holds a NUL byte, or has a quoted field that is never closed; the reason
// comes in `lang`.
Result<std::vector<CsvRecord>> ReadCsv(std::string_view text,
                                       UiLanguage lang = UiLanguage::English);

// One record as RFC 4180 text ending in CR LF; fields holding a comma, a
// quote or a line end are quoted.
std::string CsvRecordText(const std::vector<std::string>& fields);

}  // namespace qm530
