// Log-day discovery and the per-service passes of an analysis run.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CoreFakes.h"
#include "catalog/GbkText.h"
#include "history/RunCollector.h"
#include "scan/AnalysisRun.h"
#include "scan/LogDays.h"

namespace corvane {
namespace {

using testing_support::TempDir;
using Days = std::vector<std::string>;

TEST(LogDaysTest, DayIsTheEightBytesBeforeTheExtension) {
    TempDir dir;
    for (const char* name :
         {"Prefix20111220.log", "Other20111220.log", "PREFIX20111221.LOG", "ServerLog.log", "a.log",
          ".hidden20111222.log", "notes.txt", "x20111223.logx", "x.lo"}) {
        dir.Write(name, "");
    }
    ASSERT_EQ(::mkdir((dir.path() + "Sub20111224.log").c_str(), 0755), 0);
    Days days = ListLogDays(dir.path());
    std::sort(days.begin(), days.end());  // the directory's own order is not fixed
    EXPECT_EQ(days, (Days{"20111220", "20111221", "20111222", "20111224", "a.log", "erverLog"}));
}

TEST(LogDaysTest, FirstOccurrenceKeepsItsPlaceAndBadPathsGiveNothing) {
    TempDir dir;
    for (const char* name : {"A20111220.log", "B20111221.log", "C20111220.log"})
        dir.Write(name, "");
    // Whatever order the directory delivers, each day appears once, where it was first met.
    Days seen;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        const std::string day = name.substr(name.size() - 12, 8);
        if (std::find(seen.begin(), seen.end(), day) == seen.end()) seen.push_back(day);
    }
    EXPECT_EQ(ListLogDays(dir.path()), seen);
    EXPECT_TRUE(ListLogDays(dir.path() + "missing").empty());
    EXPECT_TRUE(ListLogDays(dir.path() + "A20111220.log").empty());
}

// A window stand-in: service rows that tests may change while the run goes on (and
// then publish as the run's plan), and the result rows the run adds.
class FakeHost final : public RunSink, public ScanSink {
public:
    RunPlan Plan() const {
        RunPlan plan{directory, "20261201", static_cast<int>(services.size()), {}};
        for (std::size_t row = 0; row < services.size(); ++row)
            if (services[row].checked)
                plan.services.push_back({static_cast<int>(row), services[row]});
        return plan;
    }
    ScanSink& ServiceBegins(const std::string& caption, const std::string&) override {
        rows.push_back({caption, std::string(gbk::kRowScanning), ""});
        return *this;
    }
    void ServiceSkipped(const std::string& reason) override {
        rows.pop_back();
        if (!reason.empty()) messages.push_back(reason);
    }
    void ServiceStored(std::unique_ptr<ServicePass> pass) override {
        rows.back()[1] = std::to_string(pass->known);
        rows.back()[2] = std::to_string(pass->unknown);
        if (observer) observer->PassStored(*pass);
        results.push_back(std::move(pass));
    }
    void SetProgressText(std::string_view text) override {
        rows.back()[2] = std::string(text);
        if (onProgress) onProgress();
    }
    bool AgreeToLargeFile(std::string_view, std::string_view) override { return true; }

    std::vector<ServiceEntry> services;
    std::string directory;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> messages;
    ServiceResults results;
    FindingsObserver* observer = nullptr;
    std::function<void()> onProgress;
};

ServiceEntry Service(const std::string& name, const std::string& prefix, const std::string& code) {
    return ServiceEntry{name, "", prefix, code, true};
}

class Recorder final : public FindingsObserver {
public:
    void PassStored(const ServicePass& pass) override {
        calls.push_back(pass.serviceCode + ":" + std::to_string(pass.findings.size()));
    }
    std::vector<std::string> calls;
};

class RunTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.directory = logs.path().substr(0, logs.path().size() - 1);
        view.observer = &recorder;
        options.programDir = logs.path();
        logs.Write("A20261201.log", "x failed \ny failed \n");
        logs.Write("C20261201.log", "");
        ASSERT_EQ(::mkdir((logs.path() + "D20261201.log").c_str(), 0755), 0);
        view.services = {Service("a", "A", "SA"), Service("b", "B", "SB"), Service("c", "C", "SC"),
                         Service("d", "D", "SD"), Service("a2", "A", "SA")};
    }
    RunOutcome Run() {
        board = std::make_unique<RunPlanBoard>(view.Plan());
        return RunServicePasses(*board, catalogue, view, stop.get_token(), options).outcome;
    }

    TempDir logs;
    FakeHost view;
    std::unique_ptr<RunPlanBoard> board;
    ErrorCatalogue catalogue;
    ServiceResults& results = view.results;
    Recorder recorder;
    StopSource stop;
    ScanOptions options;
};

TEST_F(RunTest, RowsFollowTheServiceListAndSkipMissingFiles) {
    EXPECT_EQ(Run(), RunOutcome::Completed);
    // b has no file, d's "file" is a directory; a appears twice under two rows.
    ASSERT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(view.rows[0], (std::vector<std::string>{"a", "0", "2"}));
    EXPECT_EQ(view.rows[1], (std::vector<std::string>{"c", "0", "0"}));
    EXPECT_EQ(view.rows[2], (std::vector<std::string>{"a2", "0", "2"}));
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0]->findings.size(), 2u);
    EXPECT_TRUE(results[1]->findings.empty());
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"SA:2", "SC:0", "SA:2"}));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(RunTest, EachRecordHoldsItsRowFindingsPlacesAndFile) {
    view.observer = nullptr;
    Run();
    ASSERT_EQ(results.size(), 3u);
    const std::vector<FindingPlace> a = {{1, 0, 9}, {2, 10, 9}};
    for (const std::size_t i : {0u, 2u}) {
        const ServicePass& pass = *results[i];
        ASSERT_EQ(pass.findings.size(), a.size());
        for (std::size_t k = 0; k < a.size(); ++k) EXPECT_EQ(pass.findings[k].place, a[k]);
        EXPECT_EQ(pass.unknown, 2);
        EXPECT_EQ(pass.known, 0);
        EXPECT_EQ(pass.logFile, logs.path() + "A20261201.log");
        EXPECT_EQ(pass.logStamp.size, std::filesystem::file_size(pass.logFile));
    }
    EXPECT_EQ(results[0]->caption, "a");
    EXPECT_EQ(results[2]->caption, "a2");
    EXPECT_EQ(results[1]->serviceCode, "SC");
    EXPECT_EQ(results[1]->day, "20261201");
}

// Today's log goes on growing after its scan: the unfinished last line gets its end
// before the run records its patterns.  The patterns are those of the lines scanned.
TEST_F(RunTest, PatternsAndSizeRecordedAreThoseOfTheScanWhileTheLogGrows) {
    const std::string scanned = "x failed \ny failed ";
    logs.Write("A20261201.log", scanned);
    struct Writer final : FindingsObserver {
        void PassStored(const ServicePass&) override {
            std::ofstream(path, std::ios::app) << "now\n";
        }
        std::string path;
    } writer;
    writer.path = logs.path() + "A20261201.log";
    RunCollector collector(
        &writer, [](const ServicePass& pass) { return *CountUnknownPatterns(pass.findings); });
    view.services.resize(1);
    view.observer = &collector;
    ASSERT_EQ(Run(), RunOutcome::Completed);
    const RunRecord record = collector.TakeRecord();
    ASSERT_EQ(record.services.size(), 1u);
    std::int64_t grouped = 0;
    for (const PatternCount& pattern : record.services[0].patterns) grouped += pattern.count;
    EXPECT_EQ(grouped, 2);
    // The size recorded is that of the file the scan read, not of the file grown since.
    EXPECT_EQ(record.services[0].bytes, static_cast<std::int64_t>(scanned.size()));
}

TEST_F(RunTest, CheckMarksAndDirectoryAreReadWhenTheRunReachesTheRow) {
    // While a is scanned, the operator unchecks c and points the directory elsewhere.
    TempDir other;
    other.Write("A20261201.log", "only failed \n");
    int scans = 0;
    view.onProgress = [&] {
        if (scans++ == 0) {
            view.services[2].checked = false;
            view.directory = other.path().substr(0, other.path().size() - 1);
            board->Publish(view.Plan());
        }
    };
    Run();
    ASSERT_EQ(view.rows.size(), 2u);
    EXPECT_EQ(view.rows[0][0], "a");
    EXPECT_EQ(view.rows[1], (std::vector<std::string>{"a2", "0", "1"}));
}

TEST_F(RunTest, ScanThatCannotOpenItsFileLosesItsRow) {
    // A FIFO exists under the log file's name but is no log file the scanner opens.
    std::filesystem::remove(logs.path() + "A20261201.log");
    ASSERT_EQ(::mkfifo((logs.path() + "A20261201.log").c_str(), 0644), 0);
    Run();
    ASSERT_EQ(view.rows.size(), 1u);
    EXPECT_EQ(view.rows[0][0], "c");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(view.messages, (std::vector<std::string>(2, std::string(gbk::kMsgOpenFailed) +
                                                              logs.path() + "A20261201.log")));
}

TEST_F(RunTest, StopRequestEndsTheRunWithoutStoringTheScan) {
    view.onProgress = [&] { stop.request_stop(); };
    EXPECT_EQ(Run(), RunOutcome::Stopped);
    EXPECT_TRUE(results.empty());
    EXPECT_TRUE(recorder.calls.empty());
}

TEST(LogFileNameTest, JoinsDirectoryPrefixDayAndExtension) {
    EXPECT_EQ(LogFileName("/var/log", "Gateway", "20261201"), "/var/log/Gateway20261201.log");
    EXPECT_EQ(LogFileName("/var/log", "", ""), "/var/log/.log");
}

}  // namespace
}  // namespace corvane
