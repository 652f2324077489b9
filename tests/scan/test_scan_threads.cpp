// A file scanned in parts on several threads: progress texts in order from the worker
// threads, the state where the file's complete lines end, stop requests, failures of
// the host's sink and read errors.  That the answer is
// the one-thread answer is checked on random logs in test_scanner.cpp.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "CoreFakes.h"
#include "ReferenceScan.h"
#include "catalog/GbkText.h"
#include "scan/Scanner.h"

namespace corvane {
namespace {

using testing_support::ListForm;
using testing_support::Places;
using testing_support::ScanLines;
using testing_support::TempDir;

// Progress texts that may arrive from a worker thread, and a way to wait for one.
class SharedProgress final : public ScanSink {
public:
    bool AgreeToLargeFile(std::string_view, std::string_view) override { return true; }
    void SetProgressText(std::string_view text) override {
        std::function<void()> hook;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            texts_.emplace_back(text);
            hook = onText;
        }
        changed_.notify_all();
        if (hook) hook();
    }
    std::vector<std::string> Texts() {
        std::lock_guard<std::mutex> lock(mutex_);
        return texts_;
    }
    void Clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        texts_.clear();
    }
    bool WaitFor(const std::string& text) {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(30),
                                 [&] { return !texts_.empty() && texts_.back() == text; });
    }
    std::function<void()> onText;  // called after each text, outside the lock

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> texts_;
};

std::string Mb(int done, int size) {
    return std::string(gbk::kProgressDone) + std::to_string(done) + "MB/" + std::to_string(size) +
           "MB";
}

class ThreadScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        // 8 MiB of stamped lines; every 97th fails and is followed by a line without
        // a stamp, every 1000th is a 5,000-byte line.
        std::string log;
        char line[96];
        for (int i = 0; log.size() < (8u << 20); ++i) {
            std::snprintf(line, sizeof line, "2026-12-01 10:%02d:%02d.%03d worker %d %s\r\n",
                          i / 60 % 60, i % 60, i % 1000, i % 7,
                          i % 97 ? "is well" : "request failed \r\n    at Handler.run");
            log += line;
            if (i % 1000 == 999) log += std::string(5000, 'z') + "\n";
        }
        log.resize(8u << 20);
        dir.Write("ServiceList.ini", "");
        path = dir.Write("GW20261201.log", log);
        text = log;
        options.programDir = dir.path();
        options.askAboutLargeFiles = false;
        options.chunkLength = 1 << 20;
        options.blockLength = 64 << 10;
        options.partLength = 300000;
    }
    ScanResult Scan(unsigned threads) {
        options.threads = threads;
        progress.Clear();
        return ScanLogFile("GW", path, catalogue, progress, stop.get_token(), options);
    }

    TempDir dir;
    std::string path;
    std::string text;  // what SetUp wrote
    ErrorCatalogue catalogue;
    ScanOptions options;
    StopSource stop;
    SharedProgress progress;
};

TEST_F(ThreadScanTest, ProgressTextsFollowTheTextExaminedFromTheStartInOrder) {
    const ScanResult one = Scan(1);
    ASSERT_EQ(one.outcome, ScanOutcome::Scanned);
    std::vector<std::string> expected;
    for (int mb = 0; mb <= 8; ++mb) expected.push_back(Mb(mb, 8));
    EXPECT_EQ(progress.Texts(), expected);
    EXPECT_GT(one.findings.size(), 1000u);

    const ScanResult four = Scan(4);
    ASSERT_EQ(four.outcome, ScanOutcome::Scanned);
    EXPECT_EQ(four.findings, one.findings);
    EXPECT_EQ(four.unknown, one.unknown);
    EXPECT_EQ(four.known, one.known);
    EXPECT_EQ(progress.Texts(), expected);
}

// A stop requested on a worker thread wakes the calling thread, and a row that fails
// on a worker fails the scan; either way every worker has ended when the scan returns
// (the sanitizers see one that outlives it), and the next scan works.
TEST_F(ThreadScanTest, StopRequestOrRowFailureOnAWorkerEndsEveryWorker) {
    progress.onText = [&] {
        if (progress.Texts().size() == 3) stop.request_stop();
    };
    EXPECT_EQ(Scan(3).outcome, ScanOutcome::Stopped);

    stop = StopSource();
    progress.onText = [&] {
        if (progress.Texts().size() == 3) throw std::runtime_error("row failed");
    };
    EXPECT_THROW(Scan(3), std::runtime_error);

    progress.onText = nullptr;
    EXPECT_EQ(Scan(3).findings, Scan(1).findings);
}

// Where the scan leaves the file for a follow: the state at the end of its complete
// lines is that of a scan of those lines alone, on one thread and in parts, whatever
// the last line without its line end holds (a stamp that completes the finding before
// it, a finding of its own, a CR that may be half of a CR LF).
TEST_F(ThreadScanTest, EndOfCompleteLinesIsTheStateOfAScanOfThemAlone) {
    const std::string complete = text.substr(0, text.find_last_of("\r\n") + 1);
    for (const std::string tail : {"", "12:00:01 and failed ", "[12:00:02", "x\r", "failed \r"}) {
        dir.Write("GW20261201.log", complete + "request failed \n" + tail);
        const ScanResult alone = [&] {
            dir.Write("GW20261201.log", complete + "request failed \n");
            ScanResult result = Scan(1);
            dir.Write("GW20261201.log", complete + "request failed \n" + tail);
            return result;
        }();
        for (const unsigned threads : {1u, 4u}) {
            const ScanResult scan = Scan(threads);
            ASSERT_TRUE(scan.end) << tail;
            const ScanEnd& end = *scan.end;
            EXPECT_EQ(end.examined, static_cast<std::int64_t>(complete.size() + 16)) << tail;
            EXPECT_EQ(end.state.findingCount, alone.findings.size()) << tail;
            ASSERT_TRUE(end.state.last) << tail;
            EXPECT_EQ(*end.state.last, alone.findings.back()) << tail << threads;
            EXPECT_EQ(end.state.known, alone.known) << tail;
            EXPECT_EQ(end.state.unknown, alone.unknown) << tail;
            EXPECT_EQ(end.tail, complete.substr(complete.size() - 16) + "request failed \n");
        }
    }
}

// The file is cut to half its size once the scan has begun: the parts in the second
// half cannot be read, the first half still gives its progress texts.
TEST_F(ThreadScanTest, FileThatShrinksUnderTheWorkersEndsInAReadError) {
    progress.onText = [&] {
        if (progress.Texts().size() == 1) {
            ASSERT_EQ(::truncate(path.c_str(), 4 << 20), 0);
        }
    };
    const ScanResult result = Scan(4);
    EXPECT_EQ(result.outcome, ScanOutcome::ReadFailed);
    EXPECT_EQ(result.error, std::string(gbk::kMsgReadFailed) + path);
    EXPECT_TRUE(result.findings.empty());
    const std::vector<std::string> texts = progress.Texts();
    EXPECT_LE(texts.size(), 5u);
}

// Lines thousands of blocks long, one of them full of matches, on one thread and in
// parts: the findings are the whole lines.
TEST_F(ThreadScanTest, LinesManyBlocksLongAreWholeFindings) {
    std::string fails;
    for (int i = 0; i < 20000; ++i) fails += "fail ";
    const std::string quiet(50000, 'z');
    path = dir.Write("GW20261201.log",
                     "a\n" + fails + "\r\n10:00:00 x\n" + quiet + " failed \n" + quiet + "\n");
    options.blockLength = 64;
    options.partLength = 1000;
    for (const unsigned threads : {1u, 3u}) {
        const ScanResult result = Scan(threads);
        ASSERT_EQ(result.outcome, ScanOutcome::Scanned);
        EXPECT_EQ(ListForm(result),
                  (ScanLines{"999|10:00:00.000 " + fails, "999|" + quiet + " failed ", "2", "0"}))
            << threads;
        EXPECT_EQ(
            Places(result.findings),
            (std::vector<FindingPlace>{{2, 2, std::int64_t(fails.size())}, {4, 100015, 50008}}))
            << threads;
    }
}

}  // namespace
}  // namespace corvane
