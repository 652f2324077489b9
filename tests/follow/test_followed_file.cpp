// A followed file against a full scan: a writer appends random bursts that split lines
// and CR LF pairs, and after every burst the findings seen through the updates are
// those of a scan of the file's complete lines; then the file is cut short, rewritten
// (also keeping the bytes before the old end, and in place from its start) and rotated
// (also within one burst of writes), and the follow starts over each time.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "CoreFakes.h"
#include "Findings.h"
#include "ReferenceScan.h"
#include "catalog/ServiceCatalogue.h"
#include "follow/FollowedFile.h"
#include "scan/Scanner.h"

namespace corvane {
namespace {

using testing_support::ListForm;
using testing_support::ReferenceScan;
using testing_support::ScanLines;
using testing_support::TempDir;
using testing_support::Texts;

class Writer {
public:
    explicit Writer(std::string path) : path_(std::move(path)) {}
    void Append(const std::string& bytes) {
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        ::close(fd);
        content += bytes;
    }
    void Overwrite(std::size_t offset, const std::string& bytes) {
        const int fd = ::open(path_.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset)),
                  static_cast<ssize_t>(bytes.size()));
        ::close(fd);
        content.replace(offset, bytes.size(), bytes);
    }
    // The bytes a follow may have examined: up to the last line end, a CR at the very
    // end still waiting for its possible LF.
    std::string CompleteLines() const {
        std::string text = content;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const std::size_t last = text.find_last_of("\r\n");
        return last == std::string::npos ? std::string() : text.substr(0, last + 1);
    }
    std::string content;

private:
    std::string path_;
};

std::string RandomLines(std::mt19937& rng, int lines) {
    static const std::vector<std::string> pieces = {
        "[10:00:01.123]", "10:00:02.5 ", "20:11:03", "  ",     "x",       "boom",
        "TimeOut",        "failed ",     "fail ",    "quiet",  "failure", "\xc8\xd5",
        "[cfg]",          "9",           "ok ",      "FAILED "};
    static const std::vector<std::string> ends = {"\n", "\r\n", "\r", "\n\r", "\r\n"};
    std::string text;
    for (int i = 0; i < lines; ++i) {
        const int n = std::uniform_int_distribution<int>(0, 4)(rng);
        for (int k = 0; k < n; ++k)
            text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(rng)];
        text += ends[std::uniform_int_distribution<std::size_t>(0, ends.size() - 1)(rng)];
    }
    return text;
}

// Cuts `text` into bursts of 1 to 40 bytes, now and then a larger one.
std::vector<std::string> Bursts(std::mt19937& rng, const std::string& text) {
    std::vector<std::string> bursts;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t n = rng() % 8 == 0 ? 1 + rng() % 400 : 1 + rng() % 40;
        bursts.push_back(text.substr(at, n));
        at += n;
    }
    return bursts;
}

// The scanner's scan of `path`.
ScanResult FullScan(const std::string& path, const ErrorCatalogue& catalogue,
                    const std::string& programDir) {
    NullProgressSink row;
    ScanOptions options;
    options.programDir = programDir;
    return ScanLogFile("GW", path, catalogue, row, {}, options);
}

// `lastLineSoFar`: the findings are those of a scan of the whole file so far, its last
// line counted before its end came; otherwise those of its complete lines.  `resume`:
// halfway through the first appends the file is scanned, and a new follow goes on from
// where that scan left it, as the window's follow goes on from its run.
void FollowAgainstFullScans(unsigned seed, bool lastLineSoFar, bool resume = false) {
    TempDir dir;
    ErrorCatalogue catalogue(2);
    catalogue[0] = {"GW", "101", "boom", "boom", {}};
    catalogue[1] = {"GW", "102", "timeout", "timeout", {}};
    dir.Write("ServiceList.ini", "[SERVICE_GW_EXCEPT]\n01=quiet\n");
    const std::vector<std::string> ignore = ReadIgnoreList(dir.path(), "GW");
    ASSERT_EQ(ignore, (std::vector<std::string>{"quiet"}));
    const std::string path = dir / "GW20261209.log";
    std::mt19937 rng(seed);

    // Small blocks, so that appends also reach block boundaries.
    auto followed = std::make_unique<FollowedFile>("GW", path, catalogue, ignore, StopToken{},
                                                   FollowedFileOptions{64, lastLineSoFar});
    FindingList seen;  // the findings as a consumer of the updates holds them
    Writer writer(path);
    std::vector<FollowReset> resets;
    std::string renamedAway;  // what the file renamed away last holds
    int drains = 0, appearances = 0;
    // `lines`: what the findings are those of.
    const auto check = [&](const FollowUpdate& update, const std::string& lines,
                           const std::string& when) {
        const FollowedFile& file = *followed;
        if (update.appeared) ++appearances;
        if (update.reset) {
            resets.push_back(*update.reset);
            seen.clear();
        }
        if (update.changed) seen.at(*update.changed) = file.FindingAt(*update.changed);
        if (update.replaced) {
            ASSERT_LE(update.firstNew, seen.size()) << when;
            seen.resize(update.firstNew);
        }
        ASSERT_EQ(update.firstNew, seen.size()) << when;
        for (std::size_t i = update.firstNew; i < update.findingCount; ++i)
            seen.push_back(file.FindingAt(i));
        ASSERT_EQ(seen.size(), file.FindingCount()) << when;
        ASSERT_TRUE(std::equal(file.Findings().begin(), file.Findings().end(),
                               seen.begin() + static_cast<std::ptrdiff_t>(file.FindingBase())))
            << when;
        ScanLines list = Texts(seen);
        list.push_back(std::to_string(file.Unknown()));
        list.push_back(std::to_string(file.Known()));
        ASSERT_EQ(list, ReferenceScan(lines, "GW", catalogue, ignore)) << when;
    };
    const auto look = [&](const std::string& when) {
        FollowedFile& file = *followed;
        FollowUpdate update = file.Update();
        // A file renamed away is read to its very end first, its last line complete
        // without a line end; the next look turns to the new file.
        while (update.lookAgain) {
            ++drains;
            check(update, renamedAway, when + ", the file renamed away");
            if (::testing::Test::HasFatalFailure()) return;
            update = file.Update();
        }
        check(update, lastLineSoFar ? writer.content : writer.CompleteLines(), when);
    };
    const auto writeInBursts = [&](const std::string& text, const std::string& phase) {
        const std::vector<std::string> bursts = Bursts(rng, text);
        for (std::size_t i = 0; i < bursts.size(); ++i) {
            writer.Append(bursts[i]);
            if (resume && phase == "appends" && i == bursts.size() / 2) {
                // What the follow goes on from is the scan's; it reads none of it again.
                const ScanResult scan = FullScan(path, catalogue, dir.path());
                ASSERT_TRUE(scan.end);
                followed =
                    std::make_unique<FollowedFile>("GW", path, catalogue, ignore, StopToken{},
                                                   FollowedFileOptions{64, lastLineSoFar});
                followed->GoOnFrom(*scan.end, scan.findings, scan.stamp);
                seen = scan.findings;
                if (!lastLineSoFar) {
                    // Such a follow counts complete lines only: it begins where they end.
                    seen.resize(scan.end->state.findingCount);
                    if (scan.end->state.last) seen.back() = *scan.end->state.last;
                }
            }
            look(phase + " burst " + std::to_string(i));
            if (::testing::Test::HasFatalFailure()) return;
        }
    };

    look("before the file exists");
    writeInBursts(RandomLines(rng, 300), "appends");
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    EXPECT_TRUE(resets.empty());

    // Cut short, then cut and written past its old length before the next look.
    std::filesystem::resize_file(path, writer.content.size() / 2);
    writer.content.resize(writer.content.size() / 2);
    look("after the cut");
    const std::string rewritten = "rewritten boom\n" + RandomLines(rng, 400);
    {
        std::filesystem::resize_file(path, 0);
        writer.content.clear();
        writer.Append(rewritten);
    }
    look("after the rewrite");
    writeInBursts(RandomLines(rng, 100), "after the rewrite");
    ASSERT_FALSE(::testing::Test::HasFatalFailure());

    // Cut and written again past its old length with the same bytes before the old
    // examined end; then its first line written over in place by as many bytes.
    {
        const std::string old = writer.CompleteLines();
        std::string again = "again boom\n";
        while (again.size() < old.size() + 64) again += RandomLines(rng, 50);
        again.replace(old.size() - 32, 32, old.substr(old.size() - 32));
        std::filesystem::resize_file(path, 0);
        writer.content.clear();
        writer.Append(again);
    }
    look("after a rewrite that keeps the bytes before the old end");
    writer.Overwrite(0, "again noop");
    look("after the first line written over");
    ASSERT_FALSE(::testing::Test::HasFatalFailure());

    // Rotations within one burst of writes: lines appended, the last perhaps without
    // its line end, the file renamed away and a new one written before the next look.
    for (int i = 0; i < 3; ++i) {
        std::string last = RandomLines(rng, 1 + static_cast<int>(rng() % 20));
        if (rng() % 2 == 0) last += "no end failed ";
        writer.Append(last);
        renamedAway = writer.content;
        std::filesystem::rename(path, path + ".r" + std::to_string(i));
        writer.content.clear();
        writer.Append(RandomLines(rng, static_cast<int>(rng() % 5)));
        const int drainsBefore = drains;
        look("rotation " + std::to_string(i) + " within a burst");
        ASSERT_FALSE(::testing::Test::HasFatalFailure());
        EXPECT_EQ(drains, drainsBefore + 1);
    }

    // Rotation: the file renamed away and a new one created at its path.
    renamedAway = writer.content;
    std::filesystem::rename(path, path + ".1");
    writer.content.clear();
    writeInBursts(RandomLines(rng, 200) + "last failed \n", "after the rotation");
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    using enum FollowReset;
    EXPECT_EQ(resets, (std::vector<FollowReset>{Truncated, Truncated, Truncated, Truncated,
                                                Replaced, Replaced, Replaced, Replaced}));
    EXPECT_EQ(appearances, 1);

    // The places too are those of the scanner's own scan of the final file.
    FollowedFile& file = *followed;
    const ScanResult full = FullScan(path, catalogue, dir.path());
    ASSERT_EQ(file.FindingCount(), full.findings.size());
    EXPECT_TRUE(
        std::equal(file.Findings().begin(), file.Findings().end(),
                   full.findings.begin() + static_cast<std::ptrdiff_t>(file.FindingBase())));
    EXPECT_EQ(file.Known(), full.known);
    EXPECT_EQ(file.Unknown(), full.unknown);
    EXPECT_EQ(file.Examined(), static_cast<std::int64_t>(writer.content.size()));

    // A path that names a directory is told once; the follow goes on when it is a file.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    const FollowUpdate first = file.Update(), second = file.Update();
    EXPECT_EQ(first.problem, FollowProblem::NotAFile);
    EXPECT_TRUE(first.problemBegan);
    EXPECT_FALSE(second.problemBegan);
    std::filesystem::remove(path);
    Writer again(path);
    again.Append("back boom\n");
    const FollowUpdate back = file.Update();
    EXPECT_EQ(back.reset, FollowReset::Replaced);
    EXPECT_EQ(Texts(file.Findings()), (ScanLines{"101|back boom"}));
}

TEST(FollowedFileTest, UpdatesGiveAFullScanOfTheCompleteLinesThroughAppendsCutsAndRotations) {
    for (unsigned seed = 21; seed < 29; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        FollowAgainstFullScans(seed, false);
        if (HasFatalFailure()) return;
    }
}

TEST(FollowedFileTest, WithTheLastLineSoFarUpdatesGiveAFullScanOfTheWholeFile) {
    for (unsigned seed = 31; seed < 37; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        FollowAgainstFullScans(seed, true);
        if (HasFatalFailure()) return;
    }
}

TEST(FollowedFileTest, AFollowThatGoesOnFromAScanGivesTheFullScanFromThere) {
    for (unsigned seed = 41; seed < 47; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        FollowAgainstFullScans(seed, seed % 2 == 0, true);
        if (HasFatalFailure()) return;
    }
}

// The follow of a run's file reads nothing the run's scan read: its first look hands
// the walker no byte, and then only what was appended, with the last line the scan
// saw without its line end once more.
TEST(FollowedFileTest, AFollowGoesOnFromTheScanWithoutReadingItAgain) {
    TempDir dir;
    ErrorCatalogue catalogue(1);
    catalogue[0] = {"GW", "101", "boom", "boom", {}};
    const std::string path = dir / "GW20261209.log";
    Writer writer(path);
    std::string before;
    for (int i = 0; i < 5000; ++i) before += "10:00:01 line " + std::to_string(i) + " boom\n";
    writer.Append(before + "x failed ");
    const ScanResult scan = FullScan(path, catalogue, dir.path());
    ASSERT_TRUE(scan.end);
    FollowedFile file("GW", path, catalogue, {}, {}, FollowedFileOptions{4096, true});
    file.GoOnFrom(*scan.end, scan.findings, scan.stamp);
    const FollowUpdate first = file.Update();
    EXPECT_TRUE(first.Empty());
    EXPECT_EQ(file.BytesWalked(), 0);
    EXPECT_EQ(file.FindingCount(), scan.findings.size());

    const std::string appended = "now\n12:00:00 y boom\n";
    writer.Append(appended);
    const FollowUpdate next = file.Update();
    EXPECT_EQ(file.BytesWalked(),
              static_cast<std::int64_t>(std::string("x failed ").size() + appended.size()));
    const ScanResult full = FullScan(path, catalogue, dir.path());
    ASSERT_EQ(file.FindingCount(), full.findings.size());
    EXPECT_EQ(next.firstNew, scan.end->state.findingCount - 1);
    EXPECT_TRUE(next.replaced);
    for (std::size_t i = next.firstNew; i < full.findings.size(); ++i)
        EXPECT_EQ(file.FindingAt(i), full.findings[i]);
    EXPECT_EQ(file.Known(), full.known);
    EXPECT_EQ(file.Unknown(), full.unknown);
}

// A stop that lands while an append is examined drops the walk: that look tells
// nothing, so what the caller holds stays as the look before left it.
TEST(FollowedFileTest, AStopWhileAnAppendIsExaminedEndsTheLookWithNothingToTell) {
    TempDir dir;
    ErrorCatalogue catalogue(1);
    catalogue[0] = {"GW", "101", "boom", "boom", {}};
    std::string findings, append;
    for (int i = 0; i < 20; ++i) findings += "x boom\n";
    for (int i = 0; i < 200000; ++i) append += "10:00:01 quiet line\n";
    // The stop's moment is the other thread's: later and later until one lands inside.
    bool landed = false;
    for (int delayUs = 0; delayUs < 200000 && !landed; delayUs = delayUs * 2 + 250) {
        const std::string path = dir / ("GW" + std::to_string(delayUs) + ".log");
        Writer writer(path);
        writer.Append(findings);
        StopSource stop;
        FollowedFile file("GW", path, catalogue, {}, stop.get_token(), FollowedFileOptions{64});
        ASSERT_EQ(file.Update().findingCount, 20u);
        writer.Append(append);
        std::thread stopper([&stop, delayUs] {
            std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
            stop.request_stop();
        });
        const FollowUpdate update = file.Update();
        stopper.join();
        landed = file.Examined() == 0;
        if (landed) {
            EXPECT_TRUE(update.Empty());
            EXPECT_EQ(update.findingCount, file.Findings().size());
        }
    }
    EXPECT_TRUE(landed);
}

}  // namespace
}  // namespace corvane
