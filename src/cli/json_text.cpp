#include "cli/json_text.h"

#include "model/numbers.h"

namespace qm530::cli {

std::string JsonQuote(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (u < 0x20 || u == 0x7F) {
                    out += CFormatInt("\\u%04x", u);
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

}  // namespace qm530::cli
