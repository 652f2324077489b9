// Where in a log file the lines of a stretch of the day lie, without reading the file:
// its lines in blocks of about a quarter mebibyte, each with the number of its first
// line, the time in force before it and the least and most time of its lines.  Built
// in one pass over the file and kept in the user's cache directory, so that a merge of
// ten seconds of a gibibyte log reads a few blocks of it; a file that grew since (the
// day's log still being written) has its index extended from its last block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Stop.h"
#include "scan/LogFile.h"
#include "timeline/LineTime.h"

namespace corvane {

// A line's effective time is its own, or the nearest earlier line's of the file
// (kNoTime before the first line with a time).
struct TimeBlock {
    std::int64_t offset = 0;     // a line's first byte
    std::int64_t firstLine = 1;  // that line's number by the scanner's line rule
    bool afterCr = false;        // the byte before `offset` is a CR
    DayTime carried = kNoTime;   // the effective time of the line before it
    // The least and most effective time of its lines: both kNoTime when none of them
    // has a time, `least` kNoTime when only some of them have none.
    DayTime least = kNoTime;
    DayTime most = kNoTime;
    friend bool operator==(const TimeBlock&, const TimeBlock&) = default;
};

// A stretch of consecutive blocks: [begin, end), which begins at a line's start.
struct TimeSpan {
    std::int64_t begin = 0;
    std::int64_t end = 0;
    bool afterCr = false;
    std::int64_t firstLine = 1;
    DayTime carried = kNoTime;
};

inline constexpr std::int64_t kTimeBlockLength = std::int64_t{256} << 10;

struct TimeIndexOptions {
    // Only tests change these, to cross block boundaries and to walk two halves with
    // small files.
    std::int64_t blockLength = kTimeBlockLength;
    // A stretch this long is walked in two halves on two threads: a file in the page
    // cache is read at about a gibibyte a second per thread, a shorter one is done
    // before a thread has started.
    std::int64_t twoThreadsFrom = std::int64_t{32} << 20;
};

class TimeIndex {
public:
    // How For came by the index: the cache had it for the file as it is, had it for
    // less of the file (which grew since), or had nothing it could trust.
    enum class Origin { Cached, Extended, Built };

    // The index of `file` (its size as opened).  The complete lines' index is taken
    // from the cache when the cache holds one for this path and file (device and
    // inode) that still describes it (the first bytes and those before its end
    // unchanged, the file no shorter), extended over what was appended since, and
    // written back when it changed; a last line without its line end is indexed
    // here but never kept.  Anything in the cache that is not a sound index of this
    // file is built anew; when the cache cannot be used the index is built all the
    // same.  Null after a stop; a read failure throws ScanReadError.  Safe to call off
    // the window's thread.
    static std::shared_ptr<const TimeIndex> For(const LogFile& file, const StopToken& stop,
                                                const TimeIndexOptions& options = {});

    // The stretches that may hold lines whose effective time lies in [from, to]
    // (0 <= from <= to), in file order; every such line lies in one of them.
    std::vector<TimeSpan> SpansFor(DayTime from, DayTime to) const;

    // The blocks of the whole file, the last line without its line end included.
    const std::vector<TimeBlock>& Blocks() const { return blocks_; }
    std::int64_t Size() const { return size_; }
    Origin From() const { return origin_; }

    // Where the cache keeps the indexes: $XDG_CACHE_HOME/corvane/time/, or
    // ~/.cache/corvane/time/.
    static std::string CacheDirectory();

private:
    friend struct TimeIndexBuild;

    // Of the complete lines: what the cache keeps.
    std::vector<TimeBlock> complete_;
    std::int64_t completeEnd_ = 0;
    bool completeAfterCr_ = false;
    std::int64_t linesBefore_ = 0;  // lines in [0, completeEnd_)
    DayTime endCarried_ = kNoTime;  // the effective time of the last of them
    std::int64_t blockLength_ = kTimeBlockLength;
    std::int64_t twoThreadsFrom_ = 0;

    // Of the whole file.
    std::vector<TimeBlock> blocks_;
    std::int64_t size_ = 0;
    bool ascending_ = false;  // each block's least time is at least the most of those before
    Origin origin_ = Origin::Built;
};

}  // namespace corvane
