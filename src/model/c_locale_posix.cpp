#include <locale.h>

#include <cstdio>
#include <cstdlib>

#include "model/c_locale.h"

namespace qm530 {

namespace {

locale_t CLocale() {
    static const locale_t loc = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

}  // namespace

double CLocaleStrtod(const char* text) {
    return ::strtod_l(text, nullptr, CLocale());
}

long CLocaleStrtol(const char* text) {
    return ::strtol_l(text, nullptr, 10, CLocale());
}

std::string CLocaleFormat(const char* format, double value) {
    const locale_t old = ::uselocale(CLocale());
    char buf[512];
    std::snprintf(buf, sizeof buf, format, value);
    ::uselocale(old);
    return buf;
}

}  // namespace qm530
