#include <locale.h>
#include <stdio.h>
#include <stdlib.h>

#include "model/c_locale.h"

namespace qm530 {

namespace {

_locale_t CLocale() {
    static const _locale_t loc = ::_create_locale(LC_ALL, "C");
    return loc;
}

}  // namespace

double CLocaleStrtod(const char* text) {
    return ::_strtod_l(text, nullptr, CLocale());
}

long CLocaleStrtol(const char* text) {
    return ::_strtol_l(text, nullptr, 10, CLocale());
}

std::string CLocaleFormat(const char* format, double value) {
    char buf[512];
    ::_snprintf_l(buf, sizeof buf, format, CLocale(), value);
    buf[sizeof buf - 1] = '\0';
    return buf;
}

}  // namespace qm530
