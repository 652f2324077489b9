// Where the unknown findings of a scan lie in their file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/FindingList.h"
#include "analysis/Host.h"

namespace corvane {

// An unknown finding placed at its own line of the file.
struct LocatedFinding {
    std::size_t index = 0;  // position of the finding in the list
    FindingPlace place;     // number and offset of the finding's own line
    std::string_view text;  // the line as it stands in the file: a view into the finding
};

// True when `prefix` is what the time-stamp carry can have put in front of a finding's
// own line: nothing, or one or more stamps "[" + up to 8 bytes + ".000]|" or up to 8
// bytes + ".000 ", the latest first.
bool IsCarriedStampPrefix(std::string_view prefix);

// Places the unknown ("999|") findings of `findings`, a scan's list of the file at
// `path` (the two count entries at its end may be present), at their own lines: walking
// the findings and the file's lines in order, an unknown finding belongs to the first
// line still unclaimed that it ends with, with only carried stamps in front of it.
// Throws FileLinesError when the file cannot be read or no longer holds the lines
// (it changed since the scan).  With `pump`, calls PumpOrStop before every line.
std::vector<LocatedFinding> LocateUnknownFindings(const FindingList& findings,
                                                  const std::string& path,
                                                  EventPump* pump = nullptr);

}  // namespace corvane
