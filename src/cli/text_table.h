#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qm530::cli {

// Terminal columns a UTF-8 text takes: East Asian wide characters count 2.
int DisplayWidth(const std::string& text);

// Prints rows as left-aligned columns separated by two blanks.
void PrintAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows);

// Prints one RFC 4180 CSV record (CRLF line end).
void PrintCsvRecord(std::ostream& out, const std::vector<std::string>& fields);

}  // namespace qm530::cli
