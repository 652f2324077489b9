#pragma once

#include <string>
#include <vector>

namespace corvane {

// Findings of one log file in file order: a three-byte error code, "|" and the log
// line, possibly completed with a carried time stamp.  As returned by the scanner
// it ends with two more entries, the unknown count and then the known count.
using FindingList = std::vector<std::string>;

}  // namespace corvane
