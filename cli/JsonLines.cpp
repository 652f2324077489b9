#include "cli/JsonLines.h"

#include <charconv>
#include <cstdio>

#include "base/GbkUtf8.h"

namespace corvane::cli {
namespace {

void AppendEscaped(std::string_view utf8, std::string& out) {
    for (const char c : utf8) {
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
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
}

}  // namespace

void AppendJsonString(std::string_view utf8, std::string& out) {
    out += '"';
    for (const char c : utf8) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendNumber(std::int64_t n, std::string& out) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, end);
}

JsonObject::JsonObject(std::string_view event) {
    text_ = "{\"event\":\"";
    AppendEscaped(event, text_);
    text_ += '"';
}

void JsonObject::Key(std::string_view key) {
    text_ += ",\"";
    AppendEscaped(key, text_);
    text_ += "\":";
}

JsonObject& JsonObject::Text(std::string_view key, std::string_view gbk) {
    Key(key);
    text_ += '"';
    AppendEscaped(GbkToUtf8(gbk), text_);
    text_ += '"';
    return *this;
}

JsonObject& JsonObject::Number(std::string_view key, std::int64_t value) {
    Key(key);
    text_ += std::to_string(value);
    return *this;
}

std::string FindingJson(std::string_view service, const Finding& finding,
                        const ErrorCatalogue& catalogue) {
    // After the code, the "|" that ends it.
    const std::string_view text(finding.text);
    const std::string_view rest =
        text.size() > kFindingCodeLength ? text.substr(kFindingCodeLength + 1) : std::string_view();
    return JsonObject("finding")
        .Text("service", service)
        .Text("code", finding.Code())
        .Text("name", LookupErrorName(finding.Code(), catalogue))
        .Number("line_number", finding.place.line)
        .Number("offset", finding.place.offset)
        .Text("text", rest)
        .Line();
}

}  // namespace corvane::cli
