// One JSON object per line, for scripts: keys and event names are ASCII, every text the
// core holds (GBK bytes) is decoded to UTF-8 with U+FFFD for bytes that are not GBK.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "catalog/ErrorCatalogue.h"
#include "scan/FindingList.h"

namespace corvane::cli {

class JsonObject {
public:
    // Begins {"event":EVENT.
    explicit JsonObject(std::string_view event);
    // Adds "KEY":"TEXT" with TEXT given as GBK bytes.
    JsonObject& Text(std::string_view key, std::string_view gbk);
    JsonObject& Number(std::string_view key, std::int64_t value);
    // The object's line, without a line end.
    std::string Line() const { return text_ + "}"; }

private:
    void Key(std::string_view key);
    std::string text_;
};

// Appends `utf8` as a JSON string: quotes, backslashes and control bytes escaped.
void AppendJsonString(std::string_view utf8, std::string& out);
// Appends the decimal digits of `n`.
void AppendNumber(std::int64_t n, std::string& out);

// The finding object: service, code, the code's name, line number, offset and the
// text after "CODE|".
std::string FindingJson(std::string_view service, const Finding& finding,
                        const ErrorCatalogue& catalogue);

}  // namespace corvane::cli
