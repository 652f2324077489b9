#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Where a finding's own line lies in its file: the 1-based line number, the byte
// offset of the line's first byte and the line's length without its terminator.
// Line 1 begins at byte 0; CR LF, a lone CR and a lone LF each end one line, LF CR
// ends a line and then an empty one, empty lines count, and a terminator at the very
// end of the file starts no further line.  The finding's text ends with the line's
// bytes: a carried time stamp goes in front of them, never into them.  Line 0 means
// the place is not known (a finding that did not come from a scan).
struct FindingPlace {
    std::int64_t line = 0;
    std::int64_t offset = 0;
    std::int64_t length = 0;
    friend bool operator==(const FindingPlace&, const FindingPlace&) = default;
};

// The length of an error code: a finding's text begins with it.
inline constexpr std::size_t kFindingCodeLength = 3;

// The code of a finding's text: its first three bytes, or the whole text when shorter.
inline std::string_view FindingCode(std::string_view text) {
    return text.substr(0, kFindingCodeLength);
}

// One finding of a log file: its text (a three-byte error code, "|" and the log line,
// possibly completed with a carried time stamp) and where its own line lies.
struct Finding {
    std::string text;
    FindingPlace place;
    std::string_view Code() const { return FindingCode(text); }
    friend bool operator==(const Finding&, const Finding&) = default;
};

// The findings of one log file in file order.
using FindingList = std::vector<Finding>;

}  // namespace corvane
