// A service's day of counts as the metrics server takes it: InfluxDB line protocol,
// measurement "corvane_errors", tags installation, service, code and kind, field
// "count", at the local midnight that begins the day.  The server stores the field as
// the series corvane_errors_count.
//
// A day sent again must replace what was sent for it.  A sample at the same time as
// an earlier one does not reliably do that (the server's deduplication may keep either
// of two samples of one millisecond), so each sending is stamped a little after the
// midnight: one millisecond for each second between the midnight and the sending,
// within the day.  The queries take the latest sample within the day.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/RunRecord.h"

namespace corvane {

inline constexpr std::string_view kMetricsKnown = "known";
inline constexpr std::string_view kMetricsUnknown = "unknown";

// Seconds since 1970-01-01 UTC of the local midnight that begins `day` (YYYYMMDD);
// nothing when the eight characters are no date of the calendar.
std::optional<std::int64_t> DayMidnight(std::string_view day);

// The seconds since 1970-01-01 UTC of the local midnights that begin `day` and the day
// after it: 86,400 apart but where the clock changes (23 or 25 hours).
struct DaySpan {
    std::int64_t midnight = 0;
    std::int64_t end = 0;
};
std::optional<DaySpan> DaySpanOf(std::string_view day);

// The day `offset` days after `day` (before it for a negative offset), as YYYYMMDD;
// nothing when `day` is no date.
std::optional<std::string> DayAfter(std::string_view day, int offset);

// What a recorded service day sends: one count per known error code, and the unknown
// findings under the unknown code.  A service without findings sends nothing.
std::vector<MetricsCount> CountsOf(const ServiceRecord& service);

// The time the samples of `day` carry when it is sent at `sentAt` (seconds since
// 1970-01-01 UTC), in milliseconds since then; nothing when `day` is no date.
std::optional<std::int64_t> SampleStamp(std::string_view day, std::int64_t sentAt);

// The lines of one queued day at its stamp (the day's midnight when the stamp lies
// outside the day), each ending in "\n"; the texts are sent in UTF-8.  Nothing when its
// day is no date.
std::optional<std::string> LineProtocolOf(const MetricsDay& day);

}  // namespace corvane
