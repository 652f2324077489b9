// Just enough JSON to read the metrics server's answers: a parsed value tree.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string text;  // a string's (UTF-8)
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    // The member `key` of an object, or null.
    const JsonValue* Find(std::string_view key) const;
};

// The value `text` holds, or nothing when it is no JSON.
std::optional<JsonValue> ParseJson(std::string_view text);

}  // namespace corvane
