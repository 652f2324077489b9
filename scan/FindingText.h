// The parts of a finding that the window shows and the exports write: its log line
// and the time field of the "发生时间" column.  Kept in the core so that every view
// of a finding derives them by the same rule.
#pragma once

#include <string_view>

namespace corvane {

// The log line of a finding: everything after the three-byte code and the bar
// (empty when the finding ends sooner).
std::string_view LogLine(std::string_view finding);

// The time shown for a finding.  A log line that begins with a full date
// ("dddd-dd-dd " or "dddd/dd/dd ", optionally after a "[") shows the 8 bytes after
// the date and its blank.  Otherwise 8 bytes from byte 6 when the finding holds a
// "[" anywhere (a bracketed stamp after "ccc|"), else from byte 5.  Fewer bytes
// where the finding ends sooner.  The bytes are a view into `finding`.
std::string_view TimeField(std::string_view finding);

}  // namespace corvane
