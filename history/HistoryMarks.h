// Marks for what is different from the days before: a code (or an unknown-error
// pattern) that is new on a day, or that jumped far above its usual count.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "history/RunRecord.h"

namespace corvane {

// How many recorded days before a day its marks look at.
inline constexpr std::size_t kMarkLookBack = 7;
// A spike needs at least this count on the day ...
inline constexpr std::int64_t kSpikeMinimum = 10;
// ... at least this multiple of the median of the earlier days ...
inline constexpr std::int64_t kSpikeFactor = 3;
// ... and at least this many earlier recorded days.
inline constexpr std::size_t kSpikeMinimumDays = 3;

enum class MarkKind { New, Spike };

struct Mark {
    MarkKind kind;
    std::string key;  // the error code or the pattern text
    bool operator==(const Mark&) const = default;
};

// The marks of a day with the counts `day`, given the counts of the recorded days before
// it, oldest first (only the last kMarkLookBack of them count).  A key missing from a
// day counts 0 there.
//   new:   count > 0 on the day and 0 on each earlier day looked at;
//   spike: not new, count >= kSpikeMinimum and >= kSpikeFactor × the median of the
//          earlier counts (the mean of the two middle ones for an even number), with at
//          least kSpikeMinimumDays earlier days.
// A day without earlier days has no marks.  Marks come in byte order of their keys.
std::vector<Mark> DayMarks(const std::vector<const Counts*>& earlier, const Counts& day);

// The marks of series[index] among the recorded days of one service in day order:
// by error code, and by unknown-error pattern (the series must have been read with
// its patterns).
std::vector<Mark> CodeMarks(const std::vector<RecordedDay>& series, std::size_t index);
std::vector<Mark> PatternMarks(const std::vector<RecordedDay>& series, std::size_t index);

// The index of `day` in `series`, or series.size() (which has no marks) when the day
// was not recorded.
std::size_t DayIndex(const std::vector<RecordedDay>& series, const std::string& day);

// "new:KEY" or "spike:KEY"; a list joined by ",".
std::string MarkText(const Mark& mark);
std::string MarkListText(const std::vector<Mark>& marks);

}  // namespace corvane
