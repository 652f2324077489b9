// Pattern listings of a log file: of all its lines, or of the unknown findings of a scan.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/FindingList.h"
#include "analysis/Host.h"
#include "analysis/PatternMiner.h"

namespace corvane {

// A line that was grouped: its 1-based number in the file, its group id and, for an
// unknown finding, the finding's position in its list.
struct GroupedLine {
    std::int64_t line = 0;
    std::uint32_t group = 0;
    std::size_t finding = 0;
};

struct PatternListing {
    std::vector<PatternGroup> groups;  // ranked as PatternMiner::Ranked
    std::vector<GroupedLine> lines;    // in increasing line number
};

// Groups every non-empty line of the file.  Throws FileLinesError when the file cannot
// be read.  With `pump`, calls PumpOrStop before every line (FileLines.h).
PatternListing MineFilePatterns(const std::string& path, EventPump* pump = nullptr,
                                std::size_t maxPatterns = kDefaultMaxPatterns);

// Groups the unknown findings of `findings`, a scan's list, each as its line stands in
// the file (without a carried time stamp), which its place tells.  Reads no file.  With `pump`,
// calls PumpOrStop before every finding.
PatternListing MineUnknownFindingPatterns(const FindingList& findings, EventPump* pump = nullptr,
                                          std::size_t maxPatterns = kDefaultMaxPatterns);

// The listing as text lines, without line ends: one "count<TAB>pattern" per group, or
// with `byLine` one "lineNumber<TAB>rank" per grouped line.
void FormatPatternListing(const PatternListing& listing, bool byLine,
                          const std::function<void(std::string_view)>& emit);

}  // namespace corvane
