// Every line of a day's logs of several services in one time order: repeatedly the
// next line of the file whose next line has the earliest time (lines without a time
// before all others; a tie goes to the source listed first), so that each file's own
// order is kept even where its times go backwards.  Each line comes with its time
// (its own, or the nearest earlier line's of its file: LineTime.h), its number by the
// scanner's line rule and the code of the finding the scan makes of it, if any.
//
// With a range, only the lines whose time lies within it (both ends included) take
// part, and they are merged the same way.  The lines of a range are found through
// each file's time index (TimeIndex.h), without reading the rest of the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Stop.h"
#include "catalog/ErrorCatalogue.h"
#include "timeline/LineTime.h"
#include "timeline/TimeIndex.h"

namespace corvane {

// One file of the merge: the service's code and its day's log (plain, or .log.gz read
// as the run reads it: the same lines, numbers and offsets as its decompressed copy).
struct MergeSource {
    std::string service;
    std::string path;
};

// The lines whose time lies in [from, to]; `all` takes every line, those without a
// time included.
struct MergeRange {
    bool all = true;
    DayTime from = 0;
    DayTime to = kSecondsPerDay - 1;
};

struct MergedLine {
    DayTime time = kNoTime;
    std::size_t source = 0;  // index into the sources
    std::int64_t lineNumber = 0;
    std::int64_t offset = 0;  // of the line's first byte (in the decompressed text)
    std::string code;         // the code of the line's finding, empty when it is none
    std::string text;         // the line's bytes (GBK), without its line end
};

// Merges the sources as a stream: memory holds a few blocks per source, whatever the
// files' sizes.  The codes come from the scanner's own line rules (keywords, ignore
// texts from `ignoreLists`, failure markers), one list per source; the catalogue must
// outlive the merge.  Nothing is read before the first Next: the files are opened and
// a range's indexes made (TimeIndex::For) then.
class DayMerge {
public:
    DayMerge(std::vector<MergeSource> sources, const ErrorCatalogue& catalogue,
             const std::vector<std::vector<std::string>>& ignoreLists, MergeRange range,
             StopToken stop = {}, const TimeIndexOptions& indexOptions = {});
    ~DayMerge();
    DayMerge(const DayMerge&) = delete;
    DayMerge& operator=(const DayMerge&) = delete;

    // The next line, false at the end (or after a stop).  A source that cannot be
    // opened or read takes no further part; Problems() says why.
    bool Next(MergedLine& line);

    // What went wrong with sources (GBK, naming the file), in the order it happened.
    const std::vector<std::string>& Problems() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace corvane
