#include "model/numbers.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/c_locale.h"

namespace qm530 {

namespace {

// A finite double rounded to 15 significant digits: value = mantissa * 10^exponent.
struct Decimal15 {
    bool negative = false;
    unsigned long long mantissa = 0;  // at most 15 digits
    int exponent = 0;
};

Decimal15 ToDecimal15(double x) {
    Decimal15 d;
    if (x == 0.0 || !std::isfinite(x)) return d;
    char buf[64];
    // d.dddddddddddddde±xx: 15 significant digits, correctly rounded.
    std::snprintf(buf, sizeof buf, "%.14e", x);
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    unsigned long long m = 0;
    int digits = 0;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            m = m * 10 + static_cast<unsigned>(*p - '0');
            ++digits;
        }
    }
    const int e10 = (*p == 'e') ? std::atoi(p + 1) : 0;
    d.mantissa = m;
    d.exponent = e10 - (digits - 1);
    // Drop trailing zeros to keep the numbers small.
    while (d.mantissa != 0 && d.mantissa % 10 == 0) {
        d.mantissa /= 10;
        ++d.exponent;
    }
    return d;
}

__extension__ typedef unsigned __int128 U128;

std::string U128ToString(U128 v) {
    if (v == 0) return "0";
    std::string s;
    while (v != 0) {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    }
    return s;
}

}  // namespace

double CAtof(std::string_view text) {
    // Only the decimal form is read: blanks, sign, digits, point, digits,
    // exponent. strtod alone would also take "0x91", "inf" and "nan".
    const auto isDigit = [&](std::size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    };
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    for (; isDigit(i); ++i) ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; isDigit(i); ++i) ++digits;
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (isDigit(j)) {
            while (isDigit(j)) ++j;
            end = j;
        }
    }
    const std::string s(text.substr(start, end - start));
    return CLocaleStrtod(s.c_str());
}

int CAtoi(std::string_view text) {
    const std::string s(text);
    const long v = CLocaleStrtol(s.c_str());
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

double DecimalScale(double x, double factor) {
    if (!std::isfinite(x) || !std::isfinite(factor)) return x * factor;
    const Decimal15 a = ToDecimal15(x);
    const Decimal15 b = ToDecimal15(factor);
    if (a.mantissa == 0 || b.mantissa == 0) return 0.0;
    const U128 product = static_cast<U128>(a.mantissa) * static_cast<U128>(b.mantissa);
    const int exponent = a.exponent + b.exponent;
    // strtod rounds correctly; the text has no radix character, so the
    // locale cannot change how it is read.
    std::string text = U128ToString(product) + "e" + std::to_string(exponent);
    const double magnitude = CLocaleStrtod(text.c_str());
    return (a.negative != b.negative) ? -magnitude : magnitude;
}

int ScaleToInt(double x, double factor) {
    const double v = std::trunc(DecimalScale(x, factor));
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

std::string CFormat(const char* format, double value) {
    return CLocaleFormat(format, value);
}

std::string CFormatInt(const char* format, int value) {
    char buf[128];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

}  // namespace qm530
