#include "history/HistoryMarks.h"

#include <algorithm>

namespace corvane {

namespace {

std::int64_t CountOf(const Counts& counts, const std::string& key) {
    const auto it = counts.find(key);
    return it == counts.end() ? 0 : it->second;
}

// Twice the median, so that the mean of two middle values stays an integer.
std::int64_t TwiceMedian(std::vector<std::int64_t> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    if (n % 2 == 1) return 2 * values[n / 2];
    return values[n / 2 - 1] + values[n / 2];
}

std::vector<Mark> SeriesMarks(const std::vector<RecordedDay>& series, std::size_t index,
                              Counts RecordedDay::*part) {
    if (index >= series.size()) return {};
    std::vector<const Counts*> earlier;
    const std::size_t first = index > kMarkLookBack ? index - kMarkLookBack : 0;
    for (std::size_t i = first; i < index; ++i) earlier.push_back(&(series[i].*part));
    return DayMarks(earlier, series[index].*part);
}

}  // namespace

std::vector<Mark> DayMarks(const std::vector<const Counts*>& earlier, const Counts& day) {
    std::vector<Mark> marks;
    if (earlier.empty()) return marks;
    const std::size_t first = earlier.size() > kMarkLookBack ? earlier.size() - kMarkLookBack : 0;
    const std::size_t days = earlier.size() - first;
    std::vector<std::int64_t> before(days);
    for (const auto& [key, count] : day) {
        if (count <= 0) continue;
        bool seenBefore = false;
        for (std::size_t i = 0; i < days; ++i) {
            before[i] = CountOf(*earlier[first + i], key);
            seenBefore = seenBefore || before[i] > 0;
        }
        if (!seenBefore) {
            marks.push_back({MarkKind::New, key});
        } else if (days >= kSpikeMinimumDays && count >= kSpikeMinimum &&
                   2 * count >= kSpikeFactor * TwiceMedian(before)) {
            marks.push_back({MarkKind::Spike, key});
        }
    }
    return marks;
}

std::vector<Mark> CodeMarks(const std::vector<RecordedDay>& series, std::size_t index) {
    return SeriesMarks(series, index, &RecordedDay::codes);
}

std::vector<Mark> PatternMarks(const std::vector<RecordedDay>& series, std::size_t index) {
    return SeriesMarks(series, index, &RecordedDay::patterns);
}

std::size_t DayIndex(const std::vector<RecordedDay>& series, const std::string& day) {
    std::size_t index = 0;
    while (index < series.size() && series[index].day != day) ++index;
    return index;
}

std::string MarkText(const Mark& mark) {
    return (mark.kind == MarkKind::New ? "new:" : "spike:") + mark.key;
}

std::string MarkListText(const std::vector<Mark>& marks) {
    std::string text;
    for (const Mark& mark : marks) {
        if (!text.empty()) text += ',';
        text += MarkText(mark);
    }
    return text;
}

}  // namespace corvane
