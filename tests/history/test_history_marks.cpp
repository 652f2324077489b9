// Marks of new and rising codes and patterns over a service's recorded days.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/HistoryMarks.h"

namespace corvane {
namespace {

constexpr int kAbsent = -1;  // a recorded day on which the code did not occur

struct MarkCase {
    const char* name;
    std::vector<int> earlier;  // counts on the recorded days before, oldest first
    int today;
    const char* marks;
};

// Each rule at its boundary, one case on each side where there are two.
const MarkCase kMarkCases[] = {
    {"FirstDayHasNoMarks", {}, 50, ""},
    {"NewAfterOneDay", {kAbsent}, 1, "new:101"},
    {"NewAfterAZeroCount", {0, 0}, 4, "new:101"},
    {"SeenSevenDaysBackIsNotNew", {2, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent}, 1, ""},
    {"SeenEightDaysBackIsNewAgain",
     {2, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent},
     1,
     "new:101"},
    {"NineIsBelowTheSpikeMinimum", {kAbsent, kAbsent, 1}, 9, ""},
    {"TenReachesTheSpikeMinimum", {kAbsent, kAbsent, 1}, 10, "spike:101"},
    {"ExactlyThreeTimesTheMedian", {4, 4, 4}, 12, "spike:101"},
    {"JustBelowThreeTimesTheMedian", {4, 4, 4}, 11, ""},
    {"TwoEarlierDaysAreTooFewForASpike", {1, 1}, 100, ""},
    {"ThreeEarlierDaysAreEnough", {1, 1, 1}, 100, "spike:101"},
    {"OddMedianIsTheMiddleValue", {9, 1, 5}, 15, "spike:101"},
    {"OddMedianJustMissed", {9, 1, 5}, 14, ""},
    // Median 4.5: 14 >= 13.5 spikes, 13 does not (the lower middle would let 12 spike,
    // the upper middle would need 15).
    {"EvenMedianIsTheMeanOfTheMiddleTwo", {3, 6, 4, 5}, 14, "spike:101"},
    {"EvenMedianJustMissed", {3, 6, 4, 5}, 13, ""},
    // Median of 0, 0, 20, 0 is 0; ignoring the days without the code would give 20.
    {"DaysWithoutTheCodeCountZero", {kAbsent, kAbsent, 20, kAbsent}, 10, "spike:101"},
    // The last seven are 1, 1, 1, 9, 9, 9, 9 (median 9); all nine would give median 1.
    {"OnlyTheLastSevenDaysGiveTheMedian", {1, 1, 1, 1, 1, 9, 9, 9, 9}, 20, ""},
    {"NoCountTodayNoMark", {5, 5, 5}, 0, ""},
};

void PrintTo(const MarkCase& c, std::ostream* os) { *os << c.name; }

class MarkRuleTest : public ::testing::TestWithParam<MarkCase> {};

// The same series once as error codes and once as a pattern: both follow one rule.
TEST_P(MarkRuleTest, MarksTheLastDay) {
    const MarkCase& c = GetParam();
    const std::string pattern = "\xc1\xac\xbd\xd3<*>failed ";  // 连接<*>failed
    std::vector<RecordedDay> series;
    for (std::size_t i = 0; i <= c.earlier.size(); ++i) {
        const int count = i < c.earlier.size() ? c.earlier[i] : c.today;
        RecordedDay& day = series.emplace_back();
        day.day = "202612" + std::to_string(10 + i);
        day.codes["900"] = 1;  // another code, present every day, never marked
        if (count != kAbsent) {
            day.codes["101"] = count;
            day.patterns[pattern] = count;
        }
    }
    const std::size_t last = series.size() - 1;
    EXPECT_EQ(MarkListText(CodeMarks(series, last)), c.marks);
    std::string patternMarks = c.marks;
    if (const auto colon = patternMarks.find(':'); colon != std::string::npos)
        patternMarks = patternMarks.substr(0, colon + 1) + pattern;
    EXPECT_EQ(MarkListText(PatternMarks(series, last)), patternMarks);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, MarkRuleTest, ::testing::ValuesIn(kMarkCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MarksTest, SeveralKeysComeInByteOrderAndEachDayLooksOnlyBackwards) {
    int n = 0;
    auto day = [&](Counts codes) {
        RecordedDay d;
        d.day = "d" + std::to_string(n++);
        d.codes = std::move(codes);
        return d;
    };
    const std::vector<RecordedDay> series = {
        day({{"110", 2}, {"105", 3}}),
        day({{"110", 3}, {"105", 3}}),
        day({{"110", 2}, {"105", 3}}),
        day({{"110", 30}, {"105", 3}, {"\xb4\xed", 1}, {"102", 7}}),
    };
    EXPECT_EQ(MarkListText(CodeMarks(series, 3)), "new:102,spike:110,new:\xb4\xed");
    EXPECT_EQ(CodeMarks(series, 1), (std::vector<Mark>{}));
    EXPECT_EQ(CodeMarks(series, 0), (std::vector<Mark>{}));
    EXPECT_EQ(CodeMarks(series, 4), (std::vector<Mark>{}));  // past the end
    EXPECT_EQ(DayIndex(series, "d3"), 3u);
    EXPECT_EQ(DayIndex(series, "d9"), 4u);
}

}  // namespace
}  // namespace corvane
