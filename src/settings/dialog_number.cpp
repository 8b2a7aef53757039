#include "settings/dialog_number.h"

#include <cmath>
#include <limits>

#include "model/numbers.h"

namespace qm530::settings {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number between the surrounding blanks, or empty when there is
// anything else around it.
std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::size_t SkipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && IsDigit(s[i])) ++i;
    return i;
}

std::size_t SkipSign(std::string_view s, std::size_t i) {
    return i < s.size() && (s[i] == '+' || s[i] == '-') ? i + 1 : i;
}

bool IsDecimalNumber(std::string_view s) {
    std::size_t i = SkipSign(s, 0);
    const std::size_t intStart = i;
    i = SkipDigits(s, i);
    std::size_t digits = i - intStart;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fracStart = ++i;
        i = SkipDigits(s, i);
        digits += i - fracStart;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        i = SkipSign(s, i + 1);
        const std::size_t expStart = i;
        i = SkipDigits(s, i);
        if (i == expStart) return false;
    }
    return i == s.size();
}

bool IsInteger(std::string_view s) {
    const std::size_t start = SkipSign(s, 0);
    return start < s.size() && SkipDigits(s, start) == s.size();
}

Status NotANumber() {
    return Status::Fail("not a number");
}

}  // namespace

Result<double> ReadDialogDouble(std::string_view text) {
    const std::string_view s = Trimmed(text);
    if (!IsDecimalNumber(s)) return NotANumber();
    const double v = CAtof(s);
    if (!std::isfinite(v)) return NotANumber();
    return v;
}

Result<int> ReadDialogInt(std::string_view text) {
    const std::string_view s = Trimmed(text);
    if (!IsInteger(s)) return NotANumber();
    // The digits decide whether the number fits; CAtoi would clamp it.
    long long magnitude = 0;
    for (char c : s.substr(SkipSign(s, 0))) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > -static_cast<long long>(std::numeric_limits<int>::min()))
            return NotANumber();
    }
    if (s.front() != '-' && magnitude > std::numeric_limits<int>::max()) return NotANumber();
    return CAtoi(s);
}

std::string FormatDialogDouble(double value) {
    return CFormat("%.15g", value);
}

const char* EnterNumberPrompt(bool integer, bool chinese) {
    if (integer) return chinese ? "请输入一个整数。" : "Please enter an integer.";
    return chinese ? "请输入一个数字。" : "Please enter a number.";
}

}  // namespace qm530::settings
