#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// Findings of one log file in file order: a three-byte error code, "|" and the log
// line, possibly completed with a carried time stamp.  As returned by the scanner
// it ends with two more entries, the unknown count and then the known count.
using FindingList = std::vector<std::string>;

// Where a finding's own line lies in its file: the 1-based line number, the byte
// offset of the line's first byte and the line's length without its terminator.
// Line 1 begins at byte 0; CR LF, a lone CR and a lone LF each end one line, LF CR
// ends a line and then an empty one, empty lines count, and a terminator at the very
// end of the file starts no further line.  The finding's text ends with the line's
// bytes: a carried time stamp goes in front of them, never into them.
struct FindingPlace {
    std::int64_t line = 0;
    std::int64_t offset = 0;
    std::int64_t length = 0;
    friend bool operator==(const FindingPlace&, const FindingPlace&) = default;
};

// One place per finding, in the order of the findings (the count lines have none).
using FindingPlaces = std::vector<FindingPlace>;

}  // namespace corvane
