#include "timeline/TimeSlots.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

#include "catalog/ErrorCatalogue.h"

namespace corvane {

namespace {

// A code of at most kFindingCodeLength bytes as one number: its length and its bytes.
std::uint32_t CodeKey(std::string_view code) {
    std::uint32_t key = static_cast<std::uint32_t>(code.size()) << 24;
    for (std::size_t i = 0; i < code.size(); ++i)
        key |= static_cast<std::uint32_t>(static_cast<unsigned char>(code[i])) << (8 * i);
    return key;
}

}  // namespace

std::vector<TimeSlot> CountSlots(const FindingList& findings, std::span<const DayTime> times,
                                 DayTime slotSeconds, bool withCodes) {
    slotSeconds = std::clamp<DayTime>(slotSeconds, 1, kSecondsPerDay);
    // One entry per possible slot, plus the one for findings without a time.
    const std::size_t slotCount = static_cast<std::size_t>((kSecondsPerDay - 1) / slotSeconds) + 2;
    std::vector<TimeSlot> slots(slotCount);
    const std::size_t counted = std::min(findings.size(), times.size());
    // The codes counted per slot in a table of slots by distinct codes: a million
    // findings cost no map look-up each.
    std::unordered_map<std::uint32_t, std::size_t> codeIndex;
    std::vector<std::string_view> codes;
    std::vector<std::uint32_t> slotOf;
    std::vector<std::uint32_t> codeOf;
    if (withCodes) {
        slotOf.reserve(counted);
        codeOf.reserve(counted);
    }
    for (std::size_t i = 0; i < counted; ++i) {
        const DayTime time = times[i];
        const std::size_t k = time < 0 ? 0 : static_cast<std::size_t>(time / slotSeconds) + 1;
        const std::string_view code = findings[i].Code();
        if (code == kUnknownCode)
            ++slots[k].unknown;
        else
            ++slots[k].known;
        if (!withCodes) continue;
        const auto [at, fresh] = codeIndex.emplace(CodeKey(code), codes.size());
        if (fresh) codes.push_back(code);
        slotOf.push_back(static_cast<std::uint32_t>(k));
        codeOf.push_back(static_cast<std::uint32_t>(at->second));
    }
    if (withCodes && !codes.empty()) {
        // A table as large as the findings at most; beyond that (second-long slots of
        // many codes), a count per finding.
        constexpr std::size_t kMostCells = std::size_t{1} << 22;
        if (slotCount * codes.size() > std::max(kMostCells, slotOf.size())) {
            for (std::size_t i = 0; i < slotOf.size(); ++i)
                ++slots[slotOf[i]].codes[std::string(codes[codeOf[i]])];
        } else {
            std::vector<std::int64_t> table(slotCount * codes.size());
            for (std::size_t i = 0; i < slotOf.size(); ++i)
                ++table[slotOf[i] * codes.size() + codeOf[i]];
            for (std::size_t k = 0; k < slotCount; ++k)
                for (std::size_t c = 0; c < codes.size(); ++c)
                    if (const std::int64_t n = table[k * codes.size() + c]; n > 0)
                        slots[k].codes.emplace(std::string(codes[c]), n);
        }
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
