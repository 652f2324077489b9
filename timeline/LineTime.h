// A log line's time of day: what the timeline counts by and the merge of a day's
// files orders by.  Services write their stamps in several forms ("[07:00:08.841]
// WARN", "07:00:08.841 ...", "[2026-12-01 07:00:08.841]"); all of them hold an
// HH:MM:SS near the line's start, which is all that is looked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Seconds after midnight, 0 to 86,399; kNoTime for a line without a time, which
// orders before every time.
using DayTime = std::int32_t;
inline constexpr DayTime kNoTime = -1;
inline constexpr DayTime kSecondsPerDay = 86400;

// How far into a line its time may lie: the stamp's eight bytes lie wholly within
// the line's first kTimeReach bytes.
inline constexpr std::size_t kTimeReach = 40;

// The line's own time: the first HH:MM:SS (two digits, ":", two digits, ":", two
// digits, HH 00-23, MM and SS 00-59, no digit right before or right after it) that
// lies wholly within the first kTimeReach bytes of `line` (its bytes without the
// line end).  A fraction after the seconds is not part of it.  kNoTime when there is
// none.  Only ASCII bytes take part, so GBK text around it never matches.
DayTime LineTimeOf(std::string_view line);

// "HH:MM:SS", or "--:--:--" for kNoTime.
std::string ClockText(DayTime time);
// "HH:MM", or "--:--" for kNoTime.
std::string MinuteText(DayTime time);

// A time typed by a person: "H:MM", "HH:MM" or "HH:MM:SS" (seconds 0 when left out),
// with the same ranges as a line's time.  Empty for anything else.
std::optional<DayTime> ParseClock(std::string_view text);

}  // namespace corvane
