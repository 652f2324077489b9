// File names inside the messages the operator sees.
#pragma once

#include <optional>
#include <string>

namespace corvane {

// The messages of the core are GBK text, but this platform names files in UTF-8.
// Converts a file name for use inside such a message; a name that is not valid
// UTF-8 (or has no GBK form) keeps its bytes as they are.
std::string FileNameForMessage(const std::string& fileName);

// `text` (UTF-8) in the character set `charset` ("GBK", "GB18030"), or nothing when it
// is not valid UTF-8 or has no form there.  Throws std::runtime_error when this
// system cannot convert to `charset` at all.
std::optional<std::string> FromUtf8(const std::string& text, const char* charset);

}  // namespace corvane
