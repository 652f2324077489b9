#include "fleet/Json.h"

#include <cstdlib>

namespace corvane {

const JsonValue* JsonValue::Find(std::string_view key) const {
    if (type != Type::Object) return nullptr;
    const auto member = members.find(std::string(key));
    return member == members.end() ? nullptr : &member->second;
}

namespace {

// A nesting deeper than any answer of the server is refused rather than followed.
constexpr int kMaxDepth = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<JsonValue> Document() {
        JsonValue value;
        if (!Value(value, 0)) return std::nullopt;
        Blanks();
        if (at_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    void Blanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }
    bool Take(char c) {
        Blanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    static void AppendUtf8(unsigned code, std::string& out) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool Hex4(unsigned& code) {
        if (at_ + 4 > text_.size()) return false;
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= static_cast<unsigned>(c - 'A' + 10);
            else
                return false;
        }
        return true;
    }

    bool String(std::string& out) {
        if (!Take('"')) return false;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size()) return false;
            const char e = text_[at_++];
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
                    unsigned code = 0;
                    if (!Hex4(code)) return false;
                    if (code >= 0xD800 && code < 0xDC00 && Word("\\u")) {
                        unsigned low = 0;
                        if (!Hex4(low) || low < 0xDC00 || low >= 0xE000) return false;
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    }
                    AppendUtf8(code, out);
                    break;
                }
                default:
                    return false;
            }
        }
        return false;
    }

    bool Value(JsonValue& value, int depth) {
        if (depth > kMaxDepth) return false;
        Blanks();
        if (at_ >= text_.size()) return false;
        const char c = text_[at_];
        if (c == '"') {
            value.type = JsonValue::Type::String;
            return String(value.text);
        }
        if (c == '{') {
            ++at_;
            value.type = JsonValue::Type::Object;
            if (Take('}')) return true;
            do {
                std::string key;
                if (!String(key) || !Take(':')) return false;
                if (!Value(value.members[key], depth + 1)) return false;
            } while (Take(','));
            return Take('}');
        }
        if (c == '[') {
            ++at_;
            value.type = JsonValue::Type::Array;
            if (Take(']')) return true;
            do {
                value.items.emplace_back();
                if (!Value(value.items.back(), depth + 1)) return false;
            } while (Take(','));
            return Take(']');
        }
        if (Word("true") || Word("false")) {
            value.type = JsonValue::Type::Bool;
            value.boolean = text_[at_ - 1] == 'e' && text_[at_ - 2] == 'u';
            return true;
        }
        if (Word("null")) return true;
        // A number: strtod on a copy, as the text is not terminated.
        std::size_t end = at_;
        while (end < text_.size() &&
               std::string_view("+-0123456789.eE").find(text_[end]) != std::string_view::npos)
            ++end;
        if (end == at_) return false;
        const std::string digits(text_.substr(at_, end - at_));
        char* stop = nullptr;
        value.type = JsonValue::Type::Number;
        value.number = std::strtod(digits.c_str(), &stop);
        at_ = end;
        return stop == digits.c_str() + digits.size();
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<JsonValue> ParseJson(std::string_view text) { return Parser(text).Document(); }

}  // namespace corvane
