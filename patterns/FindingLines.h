// The unknown findings of a scan at their own lines, from the places the scan kept.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "scan/FindingList.h"

namespace corvane {

// An unknown finding placed at its own line of the file.
struct LocatedFinding {
    std::size_t index = 0;  // position of the finding in the list
    FindingPlace place;     // number, offset and length of the finding's own line
    std::string_view text;  // the line as it stands in the file: a view into the finding
};

// The bytes of a finding's own line: what follows its code, "|" and any carried time
// stamps.  Empty when `place` does not fit the finding.
std::string_view OwnLine(std::string_view finding, const FindingPlace& place);

// The unknown ("999|") findings of `findings`, a scan's list, each with its place.
// Reads no file: the text of each is the end of its finding.
std::vector<LocatedFinding> LocateUnknownFindings(const FindingList& findings);

}  // namespace corvane
