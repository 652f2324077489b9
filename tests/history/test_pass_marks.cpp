// A service's pass marked against the recorded days of its service and directory.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Findings.h"
#include "TempDir.h"
#include "history/HistoryStore.h"
#include "history/PassMarks.h"
#include "history_support.h"

namespace corvane {
namespace {

using testing_support::FindingsOf;
using testing_support::MakeServiceRecord;

// Findings of `count` lines with the error code `code`.
FindingList Lines(const std::string& code, int count) {
    FindingList findings;
    for (int i = 0; i < count; ++i) findings.push_back({code + " line " + std::to_string(i), {}});
    return findings;
}

struct PassCase {
    const char* name;
    const char* directory;  // as the pass holds it
    const char* day;
    FindingList findings;
    FindingList carried;
    const char* marks;
};

// Recorded for GW in /logs: 101 once on d1, d2, d3, and 105 on d5 (after the days marked
// below); DB has 102 in /logs and GW has 103 in /other.
const PassCase kPassCases[] = {
    {"ASteadyCodeHasNoMark", "/logs", "d4", Lines("101", 2), {}, ""},
    {"LaterDaysAreNotThePast", "/logs", "d4", Lines("105", 1), {}, "new:105"},
    {"TheDayItselfIsNotItsOwnPast", "/logs", "d5", Lines("105", 1), {}, "new:105"},
    {"AnotherServicesCodeIsNew", "/logs", "d4", Lines("102", 1), {}, "new:102"},
    {"AnotherDirectorysCodeIsNew", "/logs", "d4", Lines("103", 1), {}, "new:103"},
    {"TheDirectoryIsNormalised", "//logs/./x/..", "d4", Lines("101", 10), {}, "spike:101"},
    {"CarriedFindingsCountWithTheFiles", "/logs", "d4", Lines("101", 4), Lines("101", 6),
     "spike:101"},
    {"CarriedAloneAreNotEnough", "/logs", "d4", {}, Lines("101", 9), ""},
    {"UnknownErrorsHaveNoCodeMarks", "/logs", "d4", FindingsOf({"999 x"}), {}, ""},
    {"TheFirstRecordedDayHasNoPast", "/logs", "d1", Lines("107", 3), {}, ""},
};

void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }

class RecordedDays : public ::testing::Test {
protected:
    void SetUp() override {
        OpenedHistory opened = HistoryStore::Open(dir.path() + "history.sqlite");
        ASSERT_TRUE(opened.store) << opened.error;
        store = std::move(opened.store);
        RunRecord run;
        for (const char* day : {"d1", "d2", "d3"})
            run.services.push_back(MakeServiceRecord("/logs", day, "GW", {{"101", 1}}));
        run.services.push_back(MakeServiceRecord("/logs", "d5", "GW", {{"101", 1}, {"105", 2}}));
        run.services.push_back(MakeServiceRecord("/logs", "d1", "DB", {{"102", 5}}));
        run.services.push_back(MakeServiceRecord("/other", "d2", "GW", {{"103", 1}}));
        run.services.front().patterns = {{"A<*>", 1}};
        run.services[1].patterns = {{"A<*>", 1}};
        run.services[2].patterns = {{"A<*>", 1}};
        const RecordOutcome recorded = store->Record(run);
        ASSERT_TRUE(recorded.recorded) << recorded.error;
    }

    testing_support::TempDir dir;
    std::unique_ptr<HistoryStore> store;
};

class PassMarksTest : public RecordedDays, public ::testing::WithParamInterface<PassCase> {};

TEST_P(PassMarksTest, MarksTheDaysCodes) {
    const PassCase& c = GetParam();
    ServicePass pass;
    pass.serviceCode = "GW";
    pass.directory = c.directory;
    pass.day = c.day;
    pass.findings = c.findings;
    EXPECT_EQ(MarkListText(PassMarks(*store, pass, c.carried)), c.marks);
}

INSTANTIATE_TEST_SUITE_P(Days, PassMarksTest, ::testing::ValuesIn(kPassCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A pattern mined twice under one text counts once with both counts; a marker read
// without patterns marks every pattern new.
TEST_F(RecordedDays, PatternsAreMarkedByTheirAddedUpCounts) {
    ServicePass pass;
    pass.serviceCode = "GW";
    pass.directory = "/logs";
    pass.day = "d4";
    const std::vector<PatternCount> day = {{"A<*>", 4}, {"B", 1}, {"A<*>", 6}};
    EXPECT_EQ(MarkListText(DayMarker(*store, pass, true).Patterns(day)), "spike:A<*>,new:B");
    EXPECT_EQ(MarkListText(DayMarker(*store, pass).Patterns(day)), "new:A<*>,new:B");
    EXPECT_EQ(MarkListText(DayMarker().Codes(Lines("101", 50))), "");
}

}  // namespace
}  // namespace corvane
