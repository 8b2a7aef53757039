#include "cli/json_value.h"

#include "model/numbers.h"

namespace qm530::cli {

namespace {

constexpr int kMaxDepth = 64;

class Parser {
  public:
    explicit Parser(std::string_view text) : s_(text) {}

    Status Document(JsonValue& value) {
        if (!Value(value, 0)) return Fail();
        Blanks();
        if (i_ != s_.size()) {
            error_ = "text after the end of the JSON value";
            return Fail();
        }
        return Status::Ok();
    }

  private:
    Status Fail() const {
        int line = 1;
        for (std::size_t k = 0; k < i_ && k < s_.size(); ++k) line += s_[k] == '\n' ? 1 : 0;
        return Status::Fail("line " + std::to_string(line) + ": " + error_);
    }
    bool Error(const char* text) {
        error_ = text;
        return false;
    }
    void Blanks() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
            ++i_;
    }
    bool Literal(std::string_view word) {
        if (s_.substr(i_, word.size()) != word) return Error("not a JSON value");
        i_ += word.size();
        return true;
    }
    bool Value(JsonValue& v, int depth) {
        if (depth > kMaxDepth) return Error("nested too deeply");
        Blanks();
        if (i_ >= s_.size()) return Error("the text ends where a value should be");
        const char c = s_[i_];
        if (c == '{') return Object(v, depth);
        if (c == '[') return Array(v, depth);
        if (c == '"') {
            v.kind = JsonValue::Kind::String;
            return String(v.text);
        }
        if (c == 't' || c == 'f') {
            v.kind = JsonValue::Kind::Bool;
            v.boolean = c == 't';
            return Literal(c == 't' ? "true" : "false");
        }
        if (c == 'n') {
            v.kind = JsonValue::Kind::Null;
            return Literal("null");
        }
        return Number(v);
    }
    bool Number(JsonValue& v) {
        const std::size_t start = i_;
        if (i_ < s_.size() && s_[i_] == '-') ++i_;
        const std::size_t digits = i_;
        while (i_ < s_.size() && ((s_[i_] >= '0' && s_[i_] <= '9') || s_[i_] == '.' ||
                                  s_[i_] == 'e' || s_[i_] == 'E' || s_[i_] == '+' || s_[i_] == '-'))
            ++i_;
        if (i_ == digits || s_[digits] < '0' || s_[digits] > '9') return Error("not a JSON value");
        v.kind = JsonValue::Kind::Number;
        v.text = std::string(s_.substr(start, i_ - start));
        return true;
    }
    bool Hex4(unsigned& out) {
        if (i_ + 4 > s_.size()) return Error("a \\u escape needs four hex digits");
        out = 0;
        for (int k = 0; k < 4; ++k) {
            const char h = s_[i_++];
            out <<= 4;
            if (h >= '0' && h <= '9') {
                out |= static_cast<unsigned>(h - '0');
            } else if (h >= 'a' && h <= 'f') {
                out |= static_cast<unsigned>(h - 'a' + 10);
            } else if (h >= 'A' && h <= 'F') {
                out |= static_cast<unsigned>(h - 'A' + 10);
            } else {
                return Error("a \\u escape needs four hex digits");
            }
        }
        return true;
    }
    static void Utf8(unsigned cp, std::string& out) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    bool String(std::string& out) {
        ++i_;  // the opening quote
        out.clear();
        for (;;) {
            if (i_ >= s_.size()) return Error("a string is never closed");
            const char c = s_[i_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return Error("a control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ >= s_.size()) return Error("a string is never closed");
            const char e = s_[i_++];
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    out += e;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    unsigned cp = 0;
                    if (!Hex4(cp)) return false;
                    if (cp >= 0xD800 && cp <= 0xDBFF) {
                        unsigned low = 0;
                        if (s_.substr(i_, 2) != "\\u") return Error("a lone surrogate escape");
                        i_ += 2;
                        if (!Hex4(low)) return false;
                        if (low < 0xDC00 || low > 0xDFFF) return Error("a lone surrogate escape");
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                        return Error("a lone surrogate escape");
                    }
                    Utf8(cp, out);
                    break;
                }
                default:
                    return Error("an unknown escape in a string");
            }
        }
    }
    bool Array(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Array;
        ++i_;
        Blanks();
        if (i_ < s_.size() && s_[i_] == ']') {
            ++i_;
            return true;
        }
        for (;;) {
            JsonValue item;
            if (!Value(item, depth + 1)) return false;
            v.items.push_back(std::move(item));
            Blanks();
            if (i_ < s_.size() && s_[i_] == ',') {
                ++i_;
                continue;
            }
            if (i_ < s_.size() && s_[i_] == ']') {
                ++i_;
                return true;
            }
            return Error("expected ',' or ']' in an array");
        }
    }
    bool Object(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Object;
        ++i_;
        Blanks();
        if (i_ < s_.size() && s_[i_] == '}') {
            ++i_;
            return true;
        }
        for (;;) {
            Blanks();
            if (i_ >= s_.size() || s_[i_] != '"') return Error("expected a member name in quotes");
            std::string name;
            if (!String(name)) return false;
            Blanks();
            if (i_ >= s_.size() || s_[i_] != ':') return Error("expected ':' after a member name");
            ++i_;
            JsonValue item;
            if (!Value(item, depth + 1)) return false;
            v.members.emplace_back(std::move(name), std::move(item));
            Blanks();
            if (i_ < s_.size() && s_[i_] == ',') {
                ++i_;
                continue;
            }
            if (i_ < s_.size() && s_[i_] == '}') {
                ++i_;
                return true;
            }
            return Error("expected ',' or '}' in an object");
        }
    }

    std::string_view s_;
    std::size_t i_ = 0;
    std::string error_;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view name) const {
    for (const auto& [key, value] : members) {
        if (key == name) return &value;
    }
    return nullptr;
}

Result<JsonValue> ParseJson(std::string_view text) {
    JsonValue result;
    Parser parser(text);
    if (Status s = parser.Document(result); !s) return s;
    return result;
}

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
