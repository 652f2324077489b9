// corvane-scan's history commands: golden output over the demo logs, marks, replacement,
// usage and failures.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "CoreFakes.h"
#include "Golden.h"
#include "catalog/GbkText.h"
#include "cli_support.h"
#include "history/HistoryStore.h"
#include "history_support.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing_support::CliResult;
using testing_support::ExpectGolden;
using testing_support::TempDir;

const std::string kDemo = std::string(CORVANE_SOURCE_DIR) + "/demo";

class HistoryCliTest : public ::testing::Test {
protected:
    CliResult Cli(const std::string& args) { return testing_support::RunCli(args, scratch.path()); }
    // Backfills `logs` with the demo catalogues into the test's database.
    CliResult Backfill(const std::string& logs) {
        return Cli("history backfill --program-dir " + kDemo + " --db " + db + " " + logs);
    }
    std::string History(const std::string& options, const std::string& logs) {
        const CliResult r = Cli("history --db " + db + " " + options + " " + logs);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.out;
    }

    TempDir scratch;
    const std::string db = scratch.path() + "history.sqlite";
};

TEST_F(HistoryCliTest, BackfillOfTheDemoLogsListsEachDayAndServiceAndRerunningReplaces) {
    const CliResult backfill = Backfill(kDemo + "/logs");
    EXPECT_EQ(backfill.status, 0) << backfill.err;
    EXPECT_EQ(backfill.out, "");
    // One progress line per day on stderr, oldest day first.
    EXPECT_EQ(backfill.err.rfind("corvane-scan: backfill 1/3 20261201: 3 services, ", 0), 0u)
        << backfill.err;
    EXPECT_NE(backfill.err.find("\ncorvane-scan: backfill 3/3 20261203: 4 services, "),
              std::string::npos);
    EXPECT_EQ(std::count(backfill.err.begin(), backfill.err.end(), '\n'), 3);

    const std::string listed = History("", kDemo + "/logs");
    ExpectGolden(listed, "history/demo.txt");
    EXPECT_EQ(Backfill(kDemo + "/logs/").status, 0);
    EXPECT_EQ(History("", kDemo + "/./logs"), listed);
}

TEST_F(HistoryCliTest, MarksNewAndRisingCodesAndDaysKeepsTheLastRecordedDays) {
    // The demo logs, an earlier WebPortal day without error 112, and a repeat of the
    // Gateway outage of 20261202 on 20261204.
    const std::string logs = scratch.path() + "logs";
    fs::copy(kDemo + "/logs", logs);
    fs::copy_file(testing_support::GoldenDir("history") + "WebPortal20261130.log",
                  logs + "/WebPortal20261130.log");
    fs::copy_file(logs + "/Gateway20261202.log", logs + "/Gateway20261204.log");
    ASSERT_EQ(Backfill(logs).status, 0);

    ExpectGolden(History("", logs), "history/marks.txt");
    // The marks of the days shown still look at the days before them.
    EXPECT_EQ(History("--service GW --days 2", logs),
              "20261203\tGW\t89\t47\t\n20261204\tGW\t1236\t194\tspike:101,spike:102\n");
    EXPECT_EQ(History("--days 1", logs + "/"), History("--days 1 --service GW", logs));

    // A recorded run replaces the backfilled day: 20261204 is a quiet day now.
    fs::copy_file(logs + "/Gateway20261203.log", logs + "/Gateway20261204.log",
                  fs::copy_options::overwrite_existing);
    const CliResult run =
        Cli("run --record --program-dir " + kDemo + " --db " + db + " " + logs + " 20261204");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::string("\xcd\xf8\xb9\xd8\xb7\xfe\xce\xf1") + "\t89\t47\n");  // 网关服务
    EXPECT_EQ(History("--service GW --days 1", logs), "20261204\tGW\t89\t47\t\n");
}

// Neither export can be written: both failures are reported, the run still recorded.
TEST_F(HistoryCliTest, FailedExportsAreReportedAndTheRunIsRecorded) {
    const std::string nowhere = scratch.path() + "no/such/x";
    const CliResult r =
        Cli("run --record --program-dir " + kDemo + " --db " + db + " --csv " + nowhere +
            ".csv --html " + nowhere + ".html " + kDemo + "/logs 20261201");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    EXPECT_NE(r.err.find(nowhere + ".csv"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(nowhere + ".html"), std::string::npos) << r.err;
    EXPECT_EQ(History("", kDemo + "/logs").rfind("20261201\tDB\t198\t47\t\n", 0), 0u);
}

// A log that cannot be opened (a FIFO) is reported and fails run, run --record and
// backfill; every other service and day is still printed and recorded.
TEST_F(HistoryCliTest, AnUnopenableLogFailsTheCommandButKeepsTheOthers) {
    const std::string logs = scratch.path() + "logs";
    fs::copy(kDemo + "/logs", logs);
    const std::string fifo = logs + "/WebPortal20261202.log";
    fs::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string refused = "corvane-scan: cannot open the log file " + fifo + "\n";
    const std::string run = "run --program-dir " + kDemo + " ";
    for (const std::string& command : {run, run + "--record --db " + db + " "}) {
        const CliResult r = Cli(command + logs + " 20261202");
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << command;
        EXPECT_EQ(r.err, refused) << command;
    }
    EXPECT_EQ(History("", logs), "20261202\tGW\t1236\t194\t\n20261202\tMQ\t191\t136\t\n");
    const CliResult backfill = Backfill(logs);
    EXPECT_EQ(backfill.status, 1);
    EXPECT_NE(backfill.err.find(refused), std::string::npos) << backfill.err;
    EXPECT_NE(backfill.err.find("\ncorvane-scan: backfill 3/3 "), std::string::npos)
        << backfill.err;
}

// Listing a database this user may not write: another user's in a directory closed to
// this user or open to all, and one whose owner is recording into it right now (the
// last record still in the write-ahead log).  Nothing is made beside the file.  Tests
// run as root, who may write anything: the listing then runs as the user nobody.
TEST_F(HistoryCliTest, ListsADatabaseItMayNotWriteAndMakesNothingBesideIt) {
    ASSERT_EQ(Backfill(kDemo + "/logs").status, 0);
    const std::string runner =
        ::geteuid() == 0 ? "setpriv --reuid=nobody --regid=nogroup --clear-groups " : "";
    fs::permissions(scratch.path(), fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);
    // The build tree may lie where that user cannot go: a copy of the program runs.
    const std::string exe = scratch.path() + "corvane-scan";
    fs::copy_file(CORVANE_SCAN_EXE, exe);
    struct Case {
        const char* name;
        fs::perms directory;
        bool ownerRecording;
    };
    const std::vector<Case> cases = {
        {"closed directory", fs::perms(0555), false},
        {"directory open to all", fs::perms(01777), false},
        {"owner recording", fs::perms(0555), true},
    };
    for (const Case& c : cases) {
        const std::string dir = scratch.path() + "shared/";
        fs::create_directory(dir);
        const std::string copy = dir + "history.sqlite";
        fs::copy_file(db, copy);
        std::unique_ptr<HistoryStore> owner;
        if (c.ownerRecording) {
            owner = HistoryStore::Open(copy).store;
            ASSERT_TRUE(owner);
            RunRecord run;
            run.services.push_back(testing_support::MakeServiceRecord(kDemo + "/logs", "20261231",
                                                                      "GW", {{"101", 7}}));
            ASSERT_TRUE(owner->Record(run).recorded);
            ASSERT_TRUE(fs::exists(copy + "-shm"));
        } else {
            fs::permissions(copy, fs::perms(0444));
        }
        fs::permissions(dir, c.directory);
        const auto entries = [&] {
            std::vector<std::string> names;
            for (const fs::directory_entry& e : fs::directory_iterator(dir))
                names.push_back(e.path().filename().string());
            std::sort(names.begin(), names.end());
            return names;
        };
        const std::vector<std::string> before = entries();

        const CliResult r = testing_support::RunCli("history --db " + copy + " " + kDemo + "/logs",
                                                    scratch.path(), runner, exe);
        EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
        const std::string golden =
            testing_support::ReadFileBytes(testing_support::GoldenDir("history") + "demo.txt");
        if (c.ownerRecording)
            EXPECT_EQ(r.out, golden + "20261231\tGW\t7\t0\t\n") << c.name;
        else
            EXPECT_EQ(r.out, golden) << c.name;
        EXPECT_EQ(entries(), before) << c.name;

        owner.reset();
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
}

TEST_F(HistoryCliTest, UsageErrorsAndFailures) {
    for (const std::string args :
         {"history", "history a b", "history backfill", "history --days 0 x", "history --days 2x x",
          "history --service", "history backfill --service GW x", "history backfill --days 1 x",
          "run --db x.sqlite a 20261201", "days --record a", "scan --days 2 GW x.log"}) {
        const CliResult r = Cli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << args;
    }

    // Nothing recorded yet: nothing to list, and no file is made for it.
    EXPECT_EQ(History("", kDemo + "/logs"), "");
    EXPECT_FALSE(fs::exists(db));

    const CliResult missing = Backfill(scratch.path() + "nowhere");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "corvane-scan: cannot read the log directory " + scratch.path() + "nowhere\n");

    // A run whose record fails still prints its rows, then reports and exits 1.
    scratch.Write("blocker", "");
    const CliResult blocked = Cli("run --record --program-dir " + kDemo + " --db " +
                                  scratch.path() + "blocker/h.sqlite " + kDemo + "/logs 20261201");
    EXPECT_EQ(blocked.status, 1);
    EXPECT_EQ(std::count(blocked.out.begin(), blocked.out.end(), '\n'), 3);
    EXPECT_EQ(blocked.err.rfind("corvane-scan: cannot open the history database: ", 0), 0u)
        << blocked.err;

    // A log file given as the database: listing and recording refuse it and leave it be.
    // The file's name is UTF-8, as this system names files; the message holds it in GBK
    // (shown as held under the C locale).
    const std::string log = kDemo + "/logs/Gateway20261201.log";
    const std::string db = scratch.path() + "\xe5\x8e\x86\xe5\x8f\xb2.sqlite";  // 历史
    const std::string notADatabase =
        "corvane-scan: not a history database, left unchanged: " + scratch.path() +
        "\xc0\xfa\xca\xb7.sqlite\n";
    fs::copy_file(log, db);
    const CliResult listed = Cli("history --db " + db + " " + kDemo + "/logs");
    EXPECT_EQ(listed.status, 1);
    EXPECT_EQ(listed.err, notADatabase);
    const CliResult recorded =
        Cli("run --record --program-dir " + kDemo + " --db " + db + " " + kDemo + "/logs 20261201");
    EXPECT_EQ(recorded.status, 1);
    EXPECT_EQ(std::count(recorded.out.begin(), recorded.out.end(), '\n'), 3);
    EXPECT_EQ(recorded.err, notADatabase);
    EXPECT_EQ(testing_support::ReadFileBytes(db), testing_support::ReadFileBytes(log));
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator()), 3)
        << "blocker, cli-stderr.txt and the file itself";
}

}  // namespace
}  // namespace corvane
