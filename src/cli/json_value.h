#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/result.h"
#include "model/status.h"

namespace qm530::cli {

// A parsed JSON value. Objects keep their members in file order; numbers
// keep their text.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;  // String: the decoded UTF-8 text; Number: as written
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    // The member of an object, or nullptr.
    const JsonValue* Find(std::string_view name) const;
};

// Parses one JSON text (RFC 8259) with nothing but blanks after it.
// Fails with the line of the fault.
Result<JsonValue> ParseJson(std::string_view text);

// A JSON string literal; UTF-8 text passes through as it is.
std::string JsonQuote(const std::string& s);

}  // namespace qm530::cli
