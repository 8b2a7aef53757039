#include "model/typed_number.h"

#include "model/text.h"

namespace qm530 {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The length of the number at the start of `s` as atof reads it (sign,
// digits, point, exponent); 0 when no digit starts it.
std::size_t NumberLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) ++digits;
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && IsDigit(s[i]); ++i) ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

}  // namespace

Result<std::string> TypedFrequency(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    std::size_t end = text.size();
    while (end > first && IsBlank(text[end - 1])) --end;
    std::string s(text.substr(first, end - first));
    // One comma between digits, and no point: the comma is the decimal point.
    const auto comma = s.find(',');
    if (comma != std::string::npos && comma > 0 && comma + 1 < s.size() && IsDigit(s[comma - 1]) &&
        IsDigit(s[comma + 1]) && s.find('.') == std::string::npos &&
        s.find(',', comma + 1) == std::string::npos) {
        s[comma] = '.';
    }
    const std::size_t number = NumberLength(s);
    if (number == 0 || number == s.size()) return s;
    return Status::Fail("'" + Abbreviated(text) +
                        "' is not a frequency in MHz: only a number may stand there, with a "
                        "point or a comma before the decimals (145.525 or 145,525)");
}

}  // namespace qm530
