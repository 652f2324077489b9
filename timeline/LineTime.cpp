#include "timeline/LineTime.h"

#include <algorithm>
#include <cstdio>

namespace corvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int TwoDigits(const char* p) { return (p[0] - '0') * 10 + (p[1] - '0'); }

// An HH:MM:SS at `p`, in range, or kNoTime.
DayTime ClockAt(const char* p) {
    if (!IsDigit(p[0]) || !IsDigit(p[1]) || p[2] != ':' || !IsDigit(p[3]) || !IsDigit(p[4]) ||
        p[5] != ':' || !IsDigit(p[6]) || !IsDigit(p[7]))
        return kNoTime;
    const int hours = TwoDigits(p);
    const int minutes = TwoDigits(p + 3);
    const int seconds = TwoDigits(p + 6);
    if (hours > 23 || minutes > 59 || seconds > 59) return kNoTime;
    return hours * 3600 + minutes * 60 + seconds;
}

}  // namespace

DayTime LineTimeOf(std::string_view line) {
    constexpr std::size_t kStamp = 8;
    const std::size_t reach = std::min(line.size(), kTimeReach);
    for (std::size_t i = 0; i + kStamp <= reach; ++i) {
        // Most lines' first ':' is the stamp's: skip to where a stamp could have it.
        if (line[i + 2] != ':') continue;
        if (i > 0 && IsDigit(line[i - 1])) continue;
        if (i + kStamp < line.size() && IsDigit(line[i + kStamp])) continue;
        const DayTime time = ClockAt(line.data() + i);
        if (time != kNoTime) return time;
    }
    return kNoTime;
}

std::string ClockText(DayTime time) {
    if (time < 0) return "--:--:--";
    // Written out by hand: a merge prints one for every line of a day's logs.
    const auto two = [](int n, char* at) {
        at[0] = static_cast<char>('0' + n / 10);
        at[1] = static_cast<char>('0' + n % 10);
    };
    std::string text = "00:00:00";
    two(time / 3600, text.data());
    two(time / 60 % 60, text.data() + 3);
    two(time % 60, text.data() + 6);
    return text;
}

std::string MinuteText(DayTime time) {
    if (time < 0) return "--:--";
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", time / 3600, time / 60 % 60);
    return text;
}

std::optional<DayTime> ParseClock(std::string_view text) {
    // H:MM and HH:MM are HH:MM:00.
    char full[8] = {'0', '0', ':', '0', '0', ':', '0', '0'};
    if (text.size() != 4 && text.size() != 5 && text.size() != 8) return std::nullopt;
    const std::size_t lead = text.size() == 4 ? 1 : 0;
    std::copy(text.begin(), text.end(), full + lead);
    const DayTime time = ClockAt(full);
    if (time == kNoTime) return std::nullopt;
    return time;
}

}  // namespace corvane
