// The run history's SQLite store, on real files in a temporary directory.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "CoreFakes.h"
#include "Files.h"
#include "Findings.h"
#include "catalog/GbkText.h"
#include "history/HistoryStore.h"
#include "history/RunCollector.h"
#include "history_support.h"

namespace corvane {
namespace {

using testing_support::MakeServiceRecord;
using testing_support::QueryFile;
using testing_support::ReadFileBytes;
using testing_support::TempDir;
using namespace std::string_view_literals;

// The files of `dir` whose names start with `prefix`.
std::vector<std::string> FilesStartingWith(const std::string& dir, const std::string& prefix) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0) names.push_back(entry.path().string());
    }
    return names;
}

class HistoryStoreTest : public ::testing::Test {
protected:
    std::unique_ptr<HistoryStore> OpenStore(const HistoryOptions& options = {}) {
        OpenedHistory opened = HistoryStore::Open(path, options);
        EXPECT_TRUE(opened.store) << opened.error;
        EXPECT_EQ(opened.notice, "");
        return std::move(opened.store);
    }
    // Each recorded row as one text, for whole-table checks.
    std::vector<std::string> Rows(HistoryStore& store, const std::string& directory,
                                  const std::string& service = "", bool withPatterns = false) {
        std::vector<std::string> rows;
        for (const RecordedDay& d : store.Days(directory, service, withPatterns)) {
            std::ostringstream row;
            row << d.day << " " << d.serviceCode << " " << d.known << "/" << d.unknown << " "
                << d.bytes << "B " << d.seconds << "s @" << d.ranAt;
            for (const auto& [code, count] : d.codes) row << " " << code << "=" << count;
            for (const auto& [text, count] : d.patterns) row << " [" << text << "]=" << count;
            rows.push_back(row.str());
        }
        return rows;
    }

    TempDir dir;
    const std::string path = dir.path() + "data/corvane/history.sqlite";
};

TEST_F(HistoryStoreTest, RecordsAndReadsBackUnderTheNormalisedDirectory) {
    auto store = OpenStore();
    RunRecord run;
    run.ranAt = 1796000000;
    ServiceRecord gw = MakeServiceRecord("/logs/a", "20261201", "GW", {{"101", 3}, {"102", 1}}, 3);
    gw.bytes = 81289;
    gw.seconds = 0.25;
    // 连接<*>失败 twice in the list: the counts add up.
    gw.patterns = {{"\xc1\xac\xbd\xd3<*>\xca\xa7\xb0\xdc", 2},
                   {"x <*> failed ", 1},
                   {"\xc1\xac\xbd\xd3<*>\xca\xa7\xb0\xdc", 1}};
    run.services = {gw, MakeServiceRecord("/logs/a", "20261201", "DB", {})};
    const RecordOutcome outcome = store->Record(run);
    ASSERT_TRUE(outcome.recorded) << outcome.error;

    // Service-code order within a day; the directory key is normalised.
    EXPECT_EQ(
        Rows(*store, "/logs/./b/../a//", "", true),
        (std::vector<std::string>{"20261201 DB 0/0 0B 0s @1796000000",
                                  "20261201 GW 4/3 81289B 0.25s @1796000000 101=3 102=1 "
                                  "[x <*> failed ]=1 [\xc1\xac\xbd\xd3<*>\xca\xa7\xb0\xdc]=3"}));
    EXPECT_EQ(Rows(*store, "/logs/a", "GW"),  // patterns only when asked for
              (std::vector<std::string>{"20261201 GW 4/3 81289B 0.25s @1796000000 101=3 102=1"}));
    EXPECT_EQ(store->Services("/logs/a/"), (std::vector<std::string>{"DB", "GW"}));
    EXPECT_TRUE(store->Days("/logs").empty());

    EXPECT_EQ(QueryFile(path, "PRAGMA journal_mode"), "wal");
    EXPECT_EQ(QueryFile(path, "PRAGMA user_version"), std::to_string(kHistorySchemaVersion));
}

TEST_F(HistoryStoreTest, RelativeAndEmptyDirectoriesAreKeyedAbsolute) {
    EXPECT_EQ(NormaliseDirectory(""), "/");
    EXPECT_EQ(NormaliseDirectory("/"), "/");
    EXPECT_EQ(NormaliseDirectory("//var//log/"), "/var/log");
    EXPECT_EQ(NormaliseDirectory("logs/../demo/./logs"),
              std::filesystem::current_path().string() + "/demo/logs");
}

TEST_F(HistoryStoreTest, RecordingTheSameDirectoryDayAndServiceAgainReplaces) {
    auto store = OpenStore();
    store->Record({1,
                   {MakeServiceRecord("/l", "20261201", "GW", {{"101", 3}, {"105", 1}}),
                    MakeServiceRecord("/l", "20261201", "DB", {{"201", 1}})}});
    store->Record({2,
                   {MakeServiceRecord("/l", "20261201", "GW", {{"102", 5}}),
                    MakeServiceRecord("/l", "20261202", "GW", {})}});
    // The same service twice in one run (two catalogue rows): the later pass counts.
    const RecordOutcome twice =
        store->Record({3,
                       {MakeServiceRecord("/l", "20261203", "MQ", {{"301", 1}}),
                        MakeServiceRecord("/l", "20261203", "MQ", {{"302", 2}})}});
    EXPECT_TRUE(twice.recorded) << twice.error;
    EXPECT_EQ(Rows(*store, "/l"),
              (std::vector<std::string>{
                  "20261201 DB 1/0 0B 0s @1 201=1", "20261201 GW 5/0 0B 0s @2 102=5",
                  "20261202 GW 0/0 0B 0s @2", "20261203 MQ 2/0 0B 0s @3 302=2"}));
    // Nothing of a replaced record lingers: run 1 still holds DB, and the counts left
    // are those of the four rows.
    EXPECT_EQ(QueryFile(path, "SELECT count(*) FROM runs"), "3");
    EXPECT_EQ(QueryFile(path, "SELECT count(*) FROM code_counts"), "3");

    store->Record({4, {MakeServiceRecord("/l", "20261201", "DB", {})}});
    EXPECT_EQ(QueryFile(path, "SELECT group_concat(ran_at) FROM runs"), "2,3,4");
}

TEST_F(HistoryStoreTest, TwoProcessesRecordingAtOnceBothSucceed) {
    // Both start on a file that does not exist yet, so creating it races too.  Each run
    // is large enough that the writers overlap.
    constexpr int kRuns = 25;
    auto recordRuns = [&](const std::string& service) {
        OpenedHistory opened = HistoryStore::Open(path);
        if (!opened.store) return kRuns;
        int failures = 0;
        for (int i = 0; i < kRuns; ++i) {
            ServiceRecord record =
                MakeServiceRecord("/l", std::to_string(20261100 + i), service, {});
            for (int c = 0; c < 400; ++c) record.codes[std::to_string(1000 + c)] = c + 1;
            if (!opened.store->Record({i, {record}}).recorded) ++failures;
        }
        return failures;
    };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(recordRuns("CHILD"));
    const int parentFailures = recordRuns("PARENT");
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(parentFailures, 0);

    auto store = OpenStore();
    EXPECT_EQ(store->Days("/l", "CHILD").size(), std::size_t{kRuns});
    EXPECT_EQ(store->Days("/l", "PARENT").size(), std::size_t{kRuns});
}

enum class Made { Text, Damaged, Foreign };

struct UnreadableCase {
    const char* name;
    Made made;
    std::string_view bytes;  // for Text
};

void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }

class UnreadableHistoryTest : public HistoryStoreTest,
                              public ::testing::WithParamInterface<UnreadableCase> {
protected:
    // Writes the case's file at `path`; returns whether a recording open moves it aside.
    bool MakeFile() {
        std::filesystem::create_directories(dir.path() + "data/corvane");
        const UnreadableCase& c = GetParam();
        if (c.made == Made::Text) {
            dir.Write("data/corvane/history.sqlite", std::string(c.bytes));
        } else if (c.made == Made::Foreign) {
            dir.Write("data/corvane/history.sqlite", "");
            QueryFile(path, "CREATE TABLE places(url TEXT)");
        } else {
            auto store = OpenStore();
            for (int i = 0; i < 40; ++i)
                store->Record(
                    {i, {MakeServiceRecord("/l", std::to_string(i), "GW", {{"101", i}})}});
            store.reset();
            std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
            file.seekp(4096);  // everything after the first page
            const std::string garbage(std::filesystem::file_size(path) - 4096, '\xa5');
            file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
        }
        // Only a database of this program's kind that SQLite finds damaged.
        return c.made == Made::Damaged || c.bytes.rfind("SQLite format 3\0"sv, 0) == 0;
    }
    std::vector<std::string> MovedAside() {
        return FilesStartingWith(dir.path() + "data/corvane", "history.sqlite.corrupt-");
    }
};

TEST_P(UnreadableHistoryTest, OnlyADamagedDatabaseIsMovedAsideAndOnlyByRecording) {
    const bool damaged = MakeFile();
    const std::string original = ReadFileBytes(path);

    // Listing never changes the file, whatever it is.
    const OpenedHistory read = HistoryStore::OpenForReading(path);
    EXPECT_FALSE(read.store);
    EXPECT_EQ(
        read.error.rfind(damaged ? gbk::kMsgHistoryOpenFailed : gbk::kMsgHistoryNotADatabase, 0),
        0u)
        << read.error;
    EXPECT_EQ(ReadFileBytes(path), original);

    OpenedHistory opened = HistoryStore::Open(path);
    if (!damaged) {
        EXPECT_FALSE(opened.store);
        EXPECT_EQ(opened.error, std::string(gbk::kMsgHistoryNotADatabase) + path);
        EXPECT_EQ(ReadFileBytes(path), original);
        EXPECT_TRUE(MovedAside().empty());
        return;
    }
    ASSERT_TRUE(opened.store) << opened.error;
    const std::vector<std::string> moved = MovedAside();
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(opened.notice, std::string(gbk::kMsgHistoryMovedAside) + moved[0]);
    EXPECT_EQ(ReadFileBytes(moved[0]), original);

    EXPECT_TRUE(opened.store->Record({1, {MakeServiceRecord("/l", "1", "GW", {})}}).recorded);
    EXPECT_EQ(opened.store->Days("/l").size(), 1u);
    opened.store.reset();
    OpenStore();  // the new file opens without a notice
    EXPECT_EQ(MovedAside().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableHistoryTest,
    ::testing::Values(
        UnreadableCase{"TextFile", Made::Text, "2026-12-01 10:00:00 GW connect failed \n"sv},
        UnreadableCase{"ForeignHeader", Made::Text, "SQLite format 2\0garbage"sv},
        UnreadableCase{"ShortHeader", Made::Text, "SQLite format 3"sv},
        UnreadableCase{"DamagedHeader", Made::Text, "SQLite format 3\0\xff\xff\xff garbage"sv},
        UnreadableCase{"DatabaseOfAnotherProgram", Made::Foreign, ""sv},
        UnreadableCase{"DamagedPages", Made::Damaged, ""sv}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryStoreTest, ReadingNeverCreatesAFile) {
    const OpenedHistory missing = HistoryStore::OpenForReading(path);
    EXPECT_FALSE(missing.store);
    EXPECT_EQ(missing.error, "");
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "data"));

    OpenStore()->Record({1, {MakeServiceRecord("/l", "1", "GW", {{"101", 2}})}});
    const OpenedHistory read = HistoryStore::OpenForReading(path);
    ASSERT_TRUE(read.store) << read.error;
    EXPECT_EQ(Rows(*read.store, "/l"), (std::vector<std::string>{"1 GW 2/0 0B 0s @1 101=2"}));
}

TEST_F(HistoryStoreTest, AFileOfANewerProgramIsRefusedAndLeftAlone) {
    OpenStore().reset();
    ASSERT_EQ(QueryFile(path, "PRAGMA user_version = 99"), "");
    const OpenedHistory opened = HistoryStore::Open(path);
    EXPECT_FALSE(opened.store);
    EXPECT_EQ(opened.error, std::string(gbk::kMsgHistoryTooNew) + path);
    EXPECT_EQ(QueryFile(path, "PRAGMA user_version"), "99");
    EXPECT_TRUE(FilesStartingWith(dir.path() + "data/corvane", "history.sqlite.corrupt-").empty());
}

TEST_F(HistoryStoreTest, FailuresAreReportedAndNeverThrown) {
    // A full disk: the database may not grow past its present size.
    auto store = OpenStore();
    ASSERT_TRUE(store->Record({1, {MakeServiceRecord("/l", "1", "GW", {{"101", 1}})}}).recorded);
    const std::string pages = QueryFile(path, "PRAGMA page_count");
    store.reset();
    HistoryOptions full;
    full.maxPageCount = std::stoll(pages);
    store = OpenStore(full);
    ServiceRecord big = MakeServiceRecord("/l", "2", "GW", {});
    for (int c = 0; c < 5000; ++c) big.codes[std::to_string(c)] = 1;
    const RecordOutcome outcome = store->Record({2, {MakeServiceRecord("/l", "2", "DB", {}), big}});
    EXPECT_FALSE(outcome.recorded);
    EXPECT_EQ(outcome.error.rfind(gbk::kMsgHistoryRecordFailed, 0), 0u) << outcome.error;
    EXPECT_NE(outcome.error.find("full"), std::string::npos) << outcome.error;
    EXPECT_EQ(Rows(*store, "/l"), (std::vector<std::string>{"1 GW 1/0 0B 0s @1 101=1"}));

    // A directory that cannot be made: a file stands where it would go.
    dir.Write("blocker", "");
    const OpenedHistory blocked = HistoryStore::Open(dir.path() + "blocker/history.sqlite");
    EXPECT_FALSE(blocked.store);
    EXPECT_EQ(blocked.error.rfind(gbk::kMsgHistoryOpenFailed, 0), 0u) << blocked.error;
}

TEST(RunCollectorTest, CountsKnownCodesTakesTheFileSizeAndPassesListsOn) {
    struct Next final : FindingsObserver {
        void PassStored(const ServicePass& pass) override {
            seen += pass.serviceCode + ":" + std::to_string(pass.findings.size()) + " ";
        }
        std::string seen;
    } next;
    RunCollector collector(
        &next,
        [](const ServicePass& pass) {
            return std::vector<PatternCount>{{"p", std::int64_t(pass.findings.size())}};
        },
        77);
    // The size recorded is the one the scan took, whatever the file holds by now.
    FileStamp scanned;
    scanned.size = 1234;
    collector.PassStored(
        {"Gateway",
         "GW",
         "/logs",
         "20261201",
         "/logs/Gw20261201.log",
         testing_support::FindingsOf({"101|a", "999|b", "101|c", "12|short", "\xb4\xed\xce|d"}),
         4,
         1,
         0.5,
         scanned,
         {}});
    collector.PassStored(
        {"Db", "DB", "/logs", "20261201", "/logs/gone.log", {}, 0, 0, 0.1, {}, {}});

    EXPECT_EQ(next.seen, "GW:5 DB:0 ");
    const RunRecord record = collector.TakeRecord();
    EXPECT_EQ(record.ranAt, 77);
    ASSERT_EQ(record.services.size(), 2u);
    const ServiceRecord& gw = record.services[0];
    EXPECT_EQ(gw.codes, (Counts{{"101", 2}, {"12|", 1}, {"\xb4\xed\xce", 1}}));
    EXPECT_EQ(gw.bytes, 1234);
    EXPECT_EQ(gw.known, 4);
    EXPECT_EQ(gw.unknown, 1);
    EXPECT_EQ(gw.seconds, 0.5);
    EXPECT_EQ(gw.directory + " " + gw.day, "/logs 20261201");
    ASSERT_EQ(gw.patterns.size(), 1u);
    EXPECT_EQ(gw.patterns[0].count, 5);
    EXPECT_TRUE(record.services[1].codes.empty());
    EXPECT_EQ(record.services[1].bytes, 0);
}

}  // namespace
}  // namespace corvane
