// Pattern listings of a log file: of all its lines, or of the unknown findings of a scan.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Stop.h"
#include "patterns/PatternMiner.h"
#include "scan/FindingList.h"
#include "scan/Host.h"

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

// Groups every non-empty line of the file (of the text a compressed log holds, read
// as the scan reads it).  Throws FileLinesError when the file cannot
// be read.  Checks `stop` before every line; nothing when a stop was requested.
std::optional<PatternListing> MineFilePatterns(const std::string& path, const StopToken& stop = {},
                                               std::size_t maxPatterns = kDefaultMaxPatterns,
                                               const PatternTuning& tuning = {});

// Groups the unknown findings of `findings`, a scan's list, each as its line stands in
// the file (without a carried time stamp), which its place tells.  Reads no file.
// Checks `stop` before every finding; nothing when a stop was requested.
std::optional<PatternListing> MineUnknownFindingPatterns(
    const FindingList& findings, const StopToken& stop = {},
    std::size_t maxPatterns = kDefaultMaxPatterns, const PatternTuning& tuning = {});

// The listing as text lines, without line ends: one "count<TAB>pattern" per group, or
// with `byLine` one "lineNumber<TAB>rank" per grouped line.
void FormatPatternListing(const PatternListing& listing, bool byLine,
                          const std::function<void(std::string_view)>& emit);

}  // namespace corvane
