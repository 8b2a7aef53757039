#pragma once

#include <string>

namespace qm530::cli {

// A JSON string literal; UTF-8 text passes through as it is.
std::string JsonQuote(const std::string& s);

}  // namespace qm530::cli
