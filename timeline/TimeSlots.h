// A service's findings over the day: counted per time slot (the timeline of the
// window's chart and of `corvane-scan timeline`), the first finding at or after a
// time, and each code's count with its first and last time.  All of them read the
// findings and their times (FindingTimes.h), never the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "scan/FindingList.h"
#include "timeline/LineTime.h"

namespace corvane {

// The findings of one slot: those whose time lies in [start, start + the slot's
// length), or, with `start` kNoTime, those without a time.
struct TimeSlot {
    DayTime start = kNoTime;
    std::int64_t known = 0;
    std::int64_t unknown = 0;  // findings of the unknown code
    std::map<std::string, std::int64_t> codes;
    friend bool operator==(const TimeSlot&, const TimeSlot&) = default;
};

// The findings counted per slot of `slotSeconds` (1 to 86,400) seconds, each slot
// beginning at a multiple of it after midnight: only the slots that hold findings,
// the one without a time first, then in time order.  `times[i]` is the time of
// `findings[i]`; findings beyond `times` are not counted.  Counts the codes of each
// slot only when `withCodes`.
std::vector<TimeSlot> CountSlots(const FindingList& findings, std::span<const DayTime> times,
                                 DayTime slotSeconds, bool withCodes = true);

// The finding with the earliest time at or after `time` (of those with equal times,
// the first in file order), or findings.size() when none has.
std::size_t FirstFindingAtOrAfter(std::span<const DayTime> times, DayTime time);

// One code's findings: how many, and the earliest and the latest of their times
// (kNoTime when none of them has a time).
struct CodeSpan {
    std::string code;
    std::int64_t count = 0;
    DayTime first = kNoTime;
    DayTime last = kNoTime;
    friend bool operator==(const CodeSpan&, const CodeSpan&) = default;
};

// Every code among the findings, in the order of the codes' bytes.
std::vector<CodeSpan> SummariseCodes(const FindingList& findings, std::span<const DayTime> times);

// A slot's length that shows `span` seconds of findings in at most about 120 slots:
// 1, 2, 5, 10, 15, 30 or 60 minutes.
DayTime FittingSlotSeconds(DayTime span);

}  // namespace corvane
