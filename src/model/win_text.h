#pragma once

#include <string>

namespace qm530 {

// Conversions between the program's UTF-8 text and Windows' UTF-16.
std::string Utf8OfWide(const std::wstring& wide);
std::wstring WideOfUtf8(const std::string& text);

}  // namespace qm530
