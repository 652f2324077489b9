#include "fleet/LineProtocol.h"

#include <algorithm>
#include <cstdint>
#include <ctime>

#include "base/GbkUtf8.h"
#include "catalog/ErrorCatalogue.h"

namespace corvane {

namespace {

bool AllDigits(std::string_view text) {
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

int Number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

// The calendar day of `day`, checked: mktime would carry a 31st of February into March.
std::optional<std::tm> DayOf(std::string_view day) {
    if (day.size() != 8 || !AllDigits(day)) return std::nullopt;
    std::tm tm{};
    tm.tm_year = Number(day.substr(0, 4)) - 1900;
    tm.tm_mon = Number(day.substr(4, 2)) - 1;
    tm.tm_mday = Number(day.substr(6, 2));
    tm.tm_isdst = -1;
    const std::tm asked = tm;
    if (std::mktime(&tm) == static_cast<std::time_t>(-1) && tm.tm_year == asked.tm_year)
        return std::nullopt;
    if (tm.tm_year != asked.tm_year || tm.tm_mon != asked.tm_mon || tm.tm_mday != asked.tm_mday)
        return std::nullopt;
    return tm;
}

// A tag value: blanks, commas and equals signs are escaped; a line end, which the
// protocol cannot carry, becomes a blank.
void AppendTag(std::string& line, std::string_view key, std::string_view gbk) {
    line.append(",").append(key).append("=");
    for (const char c : GbkToUtf8(gbk)) {
        if (c == ' ' || c == ',' || c == '=' || c == '\\') line += '\\';
        line += c == '\n' || c == '\r' ? ' ' : c;
    }
}

}  // namespace

std::optional<std::int64_t> DayMidnight(std::string_view day) {
    std::optional<std::tm> tm = DayOf(day);
    if (!tm) return std::nullopt;
    tm->tm_hour = 0;
    tm->tm_min = 0;
    tm->tm_sec = 0;
    tm->tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&*tm));
}

std::optional<std::string> DayAfter(std::string_view day, int offset) {
    std::optional<std::tm> tm = DayOf(day);
    if (!tm) return std::nullopt;
    tm->tm_mday += offset;
    tm->tm_hour = 12;  // clear of any change of the clock
    tm->tm_isdst = -1;
    if (std::mktime(&*tm) == static_cast<std::time_t>(-1)) return std::nullopt;
    char text[16];
    if (std::strftime(text, sizeof text, "%Y%m%d", &*tm) != 8) return std::nullopt;
    return std::string(text);
}

std::optional<DaySpan> DaySpanOf(std::string_view day) {
    const std::optional<std::int64_t> midnight = DayMidnight(day);
    const std::optional<std::string> next = DayAfter(day, 1);
    if (!midnight || !next) return std::nullopt;
    return DaySpan{*midnight, DayMidnight(*next).value_or(*midnight + 86400)};
}

std::optional<std::int64_t> SampleStamp(std::string_view day, std::int64_t sentAt) {
    const std::optional<DaySpan> span = DaySpanOf(day);
    if (!span) return std::nullopt;
    const std::int64_t dayMs = (span->end - span->midnight) * 1000;
    return span->midnight * 1000 + std::clamp<std::int64_t>(sentAt - span->midnight, 0, dayMs - 1);
}

std::vector<MetricsCount> CountsOf(const ServiceRecord& service) {
    std::vector<MetricsCount> counts;
    for (const auto& [code, count] : service.codes)
        if (code != kUnknownCode) counts.push_back({std::string(kMetricsKnown), code, count});
    if (service.unknown > 0)
        counts.push_back(
            {std::string(kMetricsUnknown), std::string(kUnknownCode), service.unknown});
    return counts;
}

std::optional<std::string> LineProtocolOf(const MetricsDay& day) {
    const std::optional<DaySpan> span = DaySpanOf(day.day);
    if (!span) return std::nullopt;
    const std::int64_t first = span->midnight * 1000;
    const std::int64_t stamp =
        day.stampMs >= first && day.stampMs < span->end * 1000 ? day.stampMs : first;
    const std::string time = " " + std::to_string(stamp) + "000000\n";
    std::string lines;
    for (const MetricsCount& count : day.counts) {
        lines.append("corvane_errors");
        AppendTag(lines, "installation", day.installation);
        AppendTag(lines, "service", day.serviceCode);
        AppendTag(lines, "code", count.code);
        AppendTag(lines, "kind", count.kind);
        lines.append(" count=").append(std::to_string(count.count)).append(time);
    }
    return lines;
}

}  // namespace corvane
