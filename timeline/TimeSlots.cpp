#include "timeline/TimeSlots.h"

#include <algorithm>
#include <array>

#include "catalog/ErrorCatalogue.h"

namespace corvane {

std::vector<TimeSlot> CountSlots(const FindingList& findings, std::span<const DayTime> times,
                                 DayTime slotSeconds, bool withCodes) {
    slotSeconds = std::clamp<DayTime>(slotSeconds, 1, kSecondsPerDay);
    // One entry per possible slot, plus the one for findings without a time.
    const std::size_t slotCount = static_cast<std::size_t>((kSecondsPerDay - 1) / slotSeconds) + 2;
    std::vector<TimeSlot> slots(slotCount);
    const std::size_t counted = std::min(findings.size(), times.size());
    for (std::size_t i = 0; i < counted; ++i) {
        const DayTime time = times[i];
        TimeSlot& slot = slots[time < 0 ? 0 : static_cast<std::size_t>(time / slotSeconds) + 1];
        const std::string_view code = findings[i].Code();
        if (code == kUnknownCode)
            ++slot.unknown;
        else
            ++slot.known;
        if (withCodes) ++slot.codes[std::string(code)];
    }
    std::vector<TimeSlot> held;
    for (std::size_t k = 0; k < slots.size(); ++k) {
        if (slots[k].known + slots[k].unknown == 0) continue;
        slots[k].start = k == 0 ? kNoTime : static_cast<DayTime>(k - 1) * slotSeconds;
        held.push_back(std::move(slots[k]));
    }
    return held;
}

std::size_t FirstFindingAtOrAfter(std::span<const DayTime> times, DayTime time) {
    std::size_t best = times.size();
    for (std::size_t i = 0; i < times.size(); ++i) {
        if (times[i] < time || times[i] < 0) continue;
        if (best == times.size() || times[i] < times[best]) best = i;
        if (times[best] == time) break;
    }
    return best;
}

std::vector<CodeSpan> SummariseCodes(const FindingList& findings, std::span<const DayTime> times) {
    std::map<std::string, CodeSpan, std::less<>> codes;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const std::string_view code = findings[i].Code();
        auto at = codes.find(code);
        if (at == codes.end())
            at = codes.emplace(std::string(code), CodeSpan{std::string(code)}).first;
        CodeSpan& span = at->second;
        ++span.count;
        const DayTime time = i < times.size() ? times[i] : kNoTime;
        if (time < 0) continue;
        if (span.first < 0 || time < span.first) span.first = time;
        if (time > span.last) span.last = time;
    }
    std::vector<CodeSpan> spans;
    spans.reserve(codes.size());
    for (auto& [code, span] : codes) spans.push_back(std::move(span));
    return spans;
}

DayTime FittingSlotSeconds(DayTime span) {
    constexpr std::array<DayTime, 7> kMinutes{1, 2, 5, 10, 15, 30, 60};
    constexpr DayTime kMostSlots = 120;
    for (const DayTime minutes : kMinutes)
        if (span <= minutes * 60 * kMostSlots) return minutes * 60;
    return 3600;
}

}  // namespace corvane
