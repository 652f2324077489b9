// Log-day discovery: which days have log files in a directory.
#pragma once

#include <string>
#include <vector>

namespace corvane {

// The days of the ".log" entries (matched ignoring case; files, directories and
// hidden entries alike) of `directory`, in the order the directory is read, each
// day once.  The day is the 8 bytes of the name from byte len - 11 (at least the
// first byte).  An entry whose name ends in ".log.gz" (a compressed day) counts as
// the name without its ".gz".  An empty or unreadable directory gives an empty list.
// The directory text is used as given; an empty text means the root directory.
std::vector<std::string> ListLogDays(const std::string& directory);

// The same days, each telling whether one of its entries is a compressed day.
struct LogDay {
    std::string day;
    bool compressed = false;
};
std::vector<LogDay> ListLogDayEntries(const std::string& directory);

}  // namespace corvane
