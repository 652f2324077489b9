// The pattern pass over line-aligned blocks and the line rules that follow from it:
// ignore texts, keywords in catalogue order, the failure markers and the time-stamp
// carry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/BlockReader.h"
#include "analysis/FindingList.h"
#include "analysis/Host.h"
#include "analysis/PatternMatcher.h"
#include "catalog/ErrorCatalogue.h"

namespace corvane {

// The patterns of one scan and what each of them means for a line.
struct ScanPatterns {
    enum Kind : std::uint8_t { Keyword, Ignore, Marker };
    struct Meaning {
        Kind kind;
        std::size_t record;  // catalogue index, for keywords
    };
    std::vector<std::string> texts;
    std::vector<Meaning> meanings;
};

// The service's keywords in catalogue order, its ignore texts and both failure markers.
ScanPatterns BuildPatterns(const std::string& serviceCode, const ErrorCatalogue& catalogue,
                           const std::vector<std::string>& ignoreList);

// What the walk over a stretch of the file found.
struct WalkResult {
    FindingList findings;  // without the two counts
    FindingPlaces places;  // line numbers count from the stretch's first line, 1
    std::int64_t unknown = 0;
    std::int64_t known = 0;
    std::int64_t lineEnds = 0;  // line ends in the stretch
};

// Walks the lines of the blocks, in file order, and builds the finding list.
class LineWalker {
public:
    LineWalker(const ScanPatterns& patterns, const ErrorCatalogue& catalogue, EventPump& pump);

    // Examines one block; false when the window asked us to stop.
    bool Examine(const Block& block);

    WalkResult Take();

private:
    bool Lines(const Block& block);
    void Unmatched(const char* p, const char* end);
    void Carry(std::string_view line);
    void Append(std::string_view code, std::string_view line, const Block& block);

    const ScanPatterns& patterns_;
    PatternMatcher matcher_;
    const ErrorCatalogue& catalogue_;
    EventPump& pump_;
    std::vector<PatternMatcher::Match> matches_;
    WalkResult result_;
    bool carryOpen_ = false;  // the most recent finding can still take a time stamp
};

}  // namespace corvane
