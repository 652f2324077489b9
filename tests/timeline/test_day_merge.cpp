// A day's logs merged, and its findings counted per slot, against the plainest
// reference: random days of the demo's services (stamps in each form, lines without a
// time at the start, continuation lines, times that go backwards, every line end, GBK
// text, keywords, ignore texts and failure markers), plain and compressed, with index
// blocks small enough that the lines of one second cross them.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "CoreFakes.h"
#include "Gbk.h"
#include "TempDir.h"
#include "catalog/ServiceCatalogue.h"
#include "cli_support.h"
#include "scan/Scanner.h"
#include "timeline/DayMerge.h"

namespace corvane {
namespace {

using testing_support::Gbk;
using testing_support::TempDir;

const std::string kDemo = std::string(CORVANE_SOURCE_DIR) + "/demo/";

struct Service {
    std::string code;
    std::string prefix;
};
const Service kServices[] = {{"GW", "Gateway"}, {"DB", "DataSvc"}, {"MQ", "MsgQueue"}};

// One line as the reference sees it, its code taken from the scan.
struct RefLine {
    DayTime time = kNoTime;  // effective
    std::int64_t number = 0;
    std::int64_t offset = 0;
    std::string code;
    std::string text;
};

std::string Clock(DayTime t, int millis) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", t / 3600, t / 60 % 60, t % 60, millis);
    return text;
}

// A random day's log: its bytes, and its lines with the time each was written with.
std::string RandomLog(std::mt19937& rng, std::vector<RefLine>& lines) {
    const std::vector<std::string> pieces = {"connection refused",
                                             "upstream timeout",
                                             Gbk("证书校验失败"),
                                             "deadlock detected",
                                             "no space left",
                                             "queue full",
                                             Gbk("消息投递失败"),
                                             "health check",
                                             "heartbeat",
                                             "slow query log",
                                             "send failed ",
                                             "fail ",
                                             Gbk("中文 请求 x12:30"),
                                             "ok",
                                             "id=17:04",
                                             "Foo.java:42)"};
    const char* const ends[] = {"\n", "\r\n", "\r"};
    const std::size_t count = rng() % 5 == 0 ? rng() % 4 : rng() % 300;
    std::string text;
    DayTime clock = static_cast<DayTime>(rng() % 80000);
    DayTime carried = kNoTime;
    const std::size_t untimedStart = rng() % 4;
    bool afterLoneCr = false;
    for (std::size_t i = 0; i < count; ++i) {
        std::string line;
        DayTime own = kNoTime;
        const unsigned kind = i < untimedStart ? 3 + rng() % 3 : rng() % 7;
        if (kind < 3) {
            // Mostly forwards, sometimes back (a clock set back, threads out of order).
            clock = std::clamp<DayTime>(clock + (rng() % 8 == 0 ? -static_cast<DayTime>(rng() % 400)
                                                                : static_cast<DayTime>(rng() % 25)),
                                        0, kSecondsPerDay - 1);
            own = clock;
            const std::string stamp = Clock(clock, static_cast<int>(rng() % 1000));
            line = kind == 0   ? "[" + stamp + "] WARN "
                   : kind == 1 ? stamp + " INFO "
                               : "[2026-12-01 " + stamp + "] ERROR ";
        } else if (kind == 3) {
            line = "    at Handler.run(";
        } else if (kind == 4) {
            line = std::string(36, '-') + " " + Clock(clock, 0) + " ";  // past the reach
        }
        if (kind != 5)
            for (unsigned k = 1 + rng() % 3; k > 0; --k)
                line += pieces[rng() % pieces.size()] + " ";
        if (own != kNoTime) carried = own;
        const bool last = i + 1 == count;
        std::string end = ends[rng() % 3];
        // An empty line after a lone CR would make a CR LF of it.
        if (afterLoneCr && line.empty()) end = "\r";
        if (last && !line.empty() && rng() % 2 == 0) end.clear();
        lines.push_back({carried, static_cast<std::int64_t>(i + 1),
                         static_cast<std::int64_t>(text.size()), "", line});
        text += line + end;
        afterLoneCr = end == "\r";
    }
    return text;
}

// A random day of every service (some without a log), with the codes the scan gives.
struct RandomDay {
    std::vector<MergeSource> sources;
    std::vector<std::vector<RefLine>> lines;
    std::vector<std::vector<std::string>> ignoreLists;

    RandomDay(std::mt19937& rng, const TempDir& dir, const ErrorCatalogue& catalogue, bool gzip) {
        for (const Service& service : kServices) {
            if (rng() % 6 == 0) continue;
            std::vector<RefLine> refLines;
            const std::string path =
                dir.Write(service.prefix + "20261201.log", RandomLog(rng, refLines));
            ScanOptions options;
            options.programDir = kDemo;
            options.askAboutLargeFiles = false;
            testing_support::FakeScanSink sink;
            const ScanResult scan = ScanLogFile(service.code, path, catalogue, sink, {}, options);
            EXPECT_EQ(scan.outcome, ScanOutcome::Scanned);
            for (const Finding& finding : scan.findings)
                refLines.at(static_cast<std::size_t>(finding.place.line - 1)).code = finding.Code();
            std::string source = path;
            if (gzip) {
                EXPECT_EQ(std::system(("gzip -f " + path).c_str()), 0);
                source += ".gz";
            }
            sources.push_back({service.code, source});
            lines.push_back(std::move(refLines));
            ignoreLists.push_back(ReadIgnoreList(kDemo, service.code));
        }
    }

    // Repeatedly the next line of the file whose next line is earliest, the first
    // file's of equal times.
    std::vector<MergedLine> Merged(const MergeRange& range) const {
        std::vector<std::vector<const RefLine*>> taking(lines.size());
        for (std::size_t s = 0; s < lines.size(); ++s)
            for (const RefLine& line : lines[s])
                if (range.all || (line.time >= range.from && line.time <= range.to))
                    taking[s].push_back(&line);
        std::vector<std::size_t> next(lines.size(), 0);
        std::vector<MergedLine> merged;
        for (;;) {
            std::size_t best = lines.size();
            for (std::size_t s = 0; s < lines.size(); ++s)
                if (next[s] < taking[s].size() &&
                    (best == lines.size() ||
                     taking[s][next[s]]->time < taking[best][next[best]]->time))
                    best = s;
            if (best == lines.size()) return merged;
            const RefLine& line = *taking[best][next[best]++];
            merged.push_back({line.time, best, line.number, line.offset, line.code, line.text});
        }
    }
};

std::string Describe(const MergedLine& line) {
    return ClockText(line.time) + " s" + std::to_string(line.source) + " #" +
           std::to_string(line.lineNumber) + " @" + std::to_string(line.offset) + " [" + line.code +
           "] " + line.text;
}

std::vector<std::string> Described(const std::vector<MergedLine>& lines) {
    std::vector<std::string> described;
    for (const MergedLine& line : lines) described.push_back(Describe(line));
    return described;
}

class DayMergeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_CACHE_HOME", (cache / "").c_str(), 1);
        LoadErrorCatalogue(kDemo, catalogue);
    }
    void TearDown() override { ::unsetenv("XDG_CACHE_HOME"); }
    TempDir cache;
    ErrorCatalogue catalogue;
};

TEST_F(DayMergeTest, MergesAsThePlainReferenceDoes) {
    for (unsigned seed = 1; seed <= 24; ++seed) {
        std::mt19937 rng(seed);
        const TempDir dir;
        const RandomDay day(rng, dir, catalogue, seed % 3 == 0);
        const std::int64_t blockLengths[] = {1, 97, 1000, kTimeBlockLength};
        // Some files' indexes walked in two halves.
        const TimeIndexOptions index{blockLengths[seed % 4], seed % 2 == 0 ? 1000 : 1 << 30};
        std::vector<MergeRange> ranges = {MergeRange{}};
        for (int k = 0; k < 4; ++k) {
            const DayTime from = static_cast<DayTime>(rng() % kSecondsPerDay);
            const DayTime to =
                std::min<DayTime>(kSecondsPerDay - 1, from + static_cast<DayTime>(rng() % 900));
            ranges.push_back({false, from, k == 0 ? from : to});
        }
        // Where some lines are, so that a range is seldom empty: the last, and those
        // where an index walked in halves joins them.
        for (const auto& lines : day.lines) {
            if (lines.empty()) continue;
            const std::int64_t middle = (lines.back().offset + 1) / 2;
            for (const RefLine& line : lines)
                if (line.offset >= middle - 200 && line.offset < middle + 200 && line.time >= 0)
                    ranges.push_back({false, line.time, line.time});
            if (lines.back().time >= 0)
                ranges.push_back({false, lines.back().time,
                                  std::min(kSecondsPerDay - 1, lines.back().time + 30)});
        }
        for (const MergeRange& range : ranges) {
            const std::vector<std::string> expected = Described(day.Merged(range));
            // Twice: the second merge takes the indexes from the cache.
            for (int pass = 0; pass < 2; ++pass) {
                DayMerge merge(day.sources, catalogue, day.ignoreLists, range, {}, index);
                std::vector<MergedLine> got;
                for (MergedLine line; merge.Next(line);) got.push_back(line);
                EXPECT_TRUE(merge.Problems().empty());
                ASSERT_EQ(Described(got), expected)
                    << "seed " << seed << " range " << range.all << " " << range.from << "-"
                    << range.to << " pass " << pass;
            }
        }
    }
}

// The command counts what the scan found, per slot, from the reference's times.
TEST_F(DayMergeTest, TimelineCountsEachServicesFindingsPerSlot) {
    for (unsigned seed = 100; seed < 104; ++seed) {
        std::mt19937 rng(seed);
        const TempDir dir;
        const RandomDay day(rng, dir, catalogue, seed % 2 == 0);
        const int minutes = std::vector<int>{1, 7, 60, 1440}[seed % 4];
        std::string expected;
        for (std::size_t s = 0; s < day.sources.size(); ++s) {
            std::map<DayTime, std::pair<int, int>> slots;  // kNoTime sorts first
            for (const RefLine& line : day.lines[s]) {
                if (line.code.empty()) continue;
                const DayTime slot =
                    line.time < 0 ? kNoTime : line.time / (minutes * 60) * (minutes * 60);
                (line.code == "999" ? slots[slot].second : slots[slot].first) += 1;
            }
            for (const auto& [start, counts] : slots)
                expected += day.sources[s].service + "\t" + MinuteText(start) + "\t" +
                            std::to_string(counts.first) + "\t" + std::to_string(counts.second) +
                            "\n";
        }
        const testing_support::CliResult r =
            testing_support::RunCli("timeline --program-dir " + kDemo + " --minutes " +
                                        std::to_string(minutes) + " " + dir.path() + " 20261201",
                                    cache.path());
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, expected) << "seed " << seed;
    }
}

}  // namespace
}  // namespace corvane
