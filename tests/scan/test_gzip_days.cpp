// Compressed days: a ".log.gz" read as the plain file it holds, for the scan, the
// lines around a finding and the search; a plain file wins over its twin; a corrupt,
// truncated or oversized stream gives a message naming the file and ends only that
// service's scan.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "CoreFakes.h"
#include "Files.h"
#include "catalog/GbkText.h"
#include "scan/AnalysisRun.h"
#include "scan/GzipCopy.h"
#include "scan/LogDays.h"
#include "scan/LogExcerpt.h"
#include "scan/Scanner.h"
#include "search/LineSearch.h"

namespace corvane {
namespace {

using testing_support::TempDir;

// The copies go into the test's own directory, never into the user's cache.
class GzipDayTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1); }
    void TearDown() override { ::unsetenv("XDG_CACHE_HOME"); }

    // Writes `text` as `name` and its gzip form (of `members` members) as `name`.gz.
    std::string WriteBoth(const std::string& name, const std::string& text, int members = 1) {
        const std::size_t cut = members > 1 ? text.size() / 2 : text.size();
        dir.Write(name + ".a", text.substr(0, cut));
        dir.Write(name + ".b", text.substr(cut));
        const std::string base = dir / name;
        const std::string command = "gzip -c " + base + ".a > " + base + ".gz && gzip -c " + base +
                                    ".b >> " + base + ".gz && cat " + base + ".a " + base +
                                    ".b > " + base;
        EXPECT_EQ(std::system(command.c_str()), 0);
        return base;
    }

    ScanResult Scan(const std::string& path, unsigned threads) {
        ScanOptions options;
        options.programDir = dir.path();
        options.askAboutLargeFiles = false;
        options.threads = threads;
        options.partLength = 4096;
        NullProgressSink row;
        return ScanLogFile("S", path, catalogue, row, StopToken{}, options);
    }

    TempDir dir;
    ErrorCatalogue catalogue{{"S", "101", "n", "KWA", {}}, {"S", "102", "n", "timeout", {}}};
};

std::string RandomLog(std::mt19937& rng, std::size_t lines) {
    static const std::vector<std::string> pieces = {"12:00:01.000 ",
                                                    "[10:00:02.456] ",
                                                    "KWA ",
                                                    "TimeOut ",
                                                    "send failed ",
                                                    "fail ",
                                                    "x",
                                                    "\xd6\xd0\xce\xc4 ",
                                                    "\r\n",
                                                    "\n",
                                                    "\r"};
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) {
        for (int k = 0; k < 4; ++k) text += pieces[rng() % (pieces.size() - 3)];
        text += pieces[pieces.size() - 3 + rng() % 3];
    }
    return text;
}

class Collect final : public MatchSink {
public:
    bool Take(MatchBatch& batch) override {
        for (const LineMatch& m : batch.Lines())
            lines.push_back(std::to_string(m.number) + ":" + std::to_string(m.offset) + ":" +
                            std::string(m.text));
        return true;
    }
    std::vector<std::string> lines;
};

TEST_F(GzipDayTest, ACompressedLogGivesThePlainFilesFindingsContextAndSearch) {
    std::mt19937 rng(24);
    for (int round = 0; round < 6; ++round) {
        const std::string plain = WriteBoth("S2026120" + std::to_string(round) + ".log",
                                            RandomLog(rng, 3000), 1 + round % 2);
        const ScanResult want = Scan(plain, 1);
        const ScanResult got = Scan(plain + ".gz", 1 + round % 3);
        ASSERT_EQ(got.outcome, ScanOutcome::Scanned);
        EXPECT_EQ(got.findings, want.findings);
        EXPECT_EQ(got.known, want.known);
        EXPECT_EQ(got.unknown, want.unknown);
        EXPECT_EQ(got.bytes, want.bytes);
        ASSERT_FALSE(got.findings.empty());

        const Finding& middle = got.findings[got.findings.size() / 2];
        const LogExcerpt a =
            ReadLogExcerpt(plain + ".gz", got.stamp, middle.place, middle.text, 5, 5);
        const LogExcerpt b = ReadLogExcerpt(plain, want.stamp, middle.place, middle.text, 5, 5);
        ASSERT_EQ(a.status, ExcerptStatus::Ok);
        EXPECT_FALSE(a.fileChanged);
        ASSERT_EQ(a.lines.size(), b.lines.size());
        for (std::size_t i = 0; i < a.lines.size(); ++i) {
            EXPECT_EQ(a.lines[i].number, b.lines[i].number);
            EXPECT_EQ(a.lines[i].text, b.lines[i].text);
        }

        const LineSearch search(SearchQuery{"timeout", false, false});
        Collect fromGz, fromPlain;
        LogFile gz, file;
        ASSERT_TRUE(gz.Open(plain + ".gz"));
        ASSERT_TRUE(file.Open(plain));
        std::string error;
        SearchLogFile(gz, search, fromGz, StopToken{}, SearchOptions{2, 512, 2048}, error);
        SearchLogFile(file, search, fromPlain, StopToken{}, SearchOptions{}, error);
        EXPECT_EQ(fromGz.lines, fromPlain.lines);
        Collect streamed;
        EXPECT_EQ(SearchCompressedLog(plain + ".gz", search, streamed, StopToken{}, error),
                  SearchOutcome::Completed);
        EXPECT_EQ(streamed.lines, fromPlain.lines);
    }
}

TEST_F(GzipDayTest, BrokenStreamsAreRefusedNamingTheFile) {
    std::mt19937 rng(7);
    const std::string plain = WriteBoth("S20261201.log", RandomLog(rng, 2000));
    const std::string gz = *testing_support::ReadFile(plain + ".gz");
    std::string flipped = gz;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x55);
    std::string badCrc = gz;
    badCrc[badCrc.size() - 6] = static_cast<char>(badCrc[badCrc.size() - 6] ^ 1);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"truncated", gz.substr(0, gz.size() / 2)},
        {"no trailer", gz.substr(0, gz.size() - 8)},
        {"flipped", flipped},
        {"crc", badCrc},
        {"garbage after", gz + "not gzip"},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        const std::string path = dir.Write(std::string("bad-") + c.name + ".log.gz", c.bytes);
        const ScanResult scan = Scan(path, 2);
        EXPECT_EQ(scan.outcome, ScanOutcome::OpenFailed) << c.name;
        EXPECT_EQ(scan.error.rfind(std::string(gbk::kMsgGzipCorrupt), 0), 0u) << c.name;
        EXPECT_NE(scan.error.find(path), std::string::npos) << c.name;
        Collect found;
        std::string error;
        EXPECT_EQ(SearchCompressedLog(path, LineSearch(SearchQuery{"a", false, false}), found,
                                      StopToken{}, error),
                  SearchOutcome::Failed)
            << c.name;
        EXPECT_EQ(error, scan.error) << c.name;
    }
    // Zeros after the last member are padding, not a fault.
    const std::string padded = dir.Write("padded.log.gz", gz + std::string(100, '\0'));
    EXPECT_EQ(Scan(padded, 1).findings, Scan(plain, 1).findings);

    // More than the limit is refused, however well formed.
    const std::optional<FileStatus> status = StatusOfPath(plain + ".gz");
    ASSERT_TRUE(status);
    const GzipCopy bomb = DecompressedCopy(plain + ".gz", *status, 1000);
    EXPECT_TRUE(bomb.path.empty() || !bomb.error.empty());
    EXPECT_EQ(bomb.error.rfind(std::string(gbk::kMsgGzipTooLarge), 0), 0u);
}

// Reads the whole log at `path` as the context view does.
std::string ReadThroughLogFile(const std::string& path) {
    LogFile file;
    if (!file.Open(path)) return "(cannot open)";
    std::string bytes(static_cast<std::size_t>(file.Size()), '\0');
    file.Read(bytes.data(), bytes.size(), 0);
    return bytes;
}

// Whatever was put under a copy's name in its place, a link above all, is never read as
// the log; copies not used for a week go when another copy is made, recent ones stay.
TEST_F(GzipDayTest, TheCacheReadsOnlyItsOwnCopiesAndForgetsUnusedOnes) {
    std::mt19937 rng(11);
    const std::string plain = WriteBoth("S20261205.log", RandomLog(rng, 200));
    const std::string text = testing_support::ReadFileBytes(plain);
    const std::string victim = dir.Write("victim", "not the log\n");
    const std::string cache = GzipCacheDirectory();
    const std::string old = cache + "0123456789abcdef-1-2-3-4.log";
    const std::string recent = cache + "0123456789abcdef-1-2-3-5.log";
    const auto plant = [&](const std::string& path) {
        std::filesystem::remove(path);
        std::filesystem::create_symlink(victim, path);
    };
    ASSERT_EQ(ReadThroughLogFile(plain + ".gz"), text);
    const std::string copy = DecompressedCopyOf(plain + ".gz", StopToken{}).path;
    plant(copy);
    EXPECT_EQ(ReadThroughLogFile(plain + ".gz"), text);
    dir.Write("unrelated", "");
    std::filesystem::remove(copy);
    std::filesystem::create_hard_link(dir / "unrelated", copy);  // not the user's own copy alone
    EXPECT_EQ(ReadThroughLogFile(plain + ".gz"), text);
    EXPECT_EQ(testing_support::ReadFileBytes(victim), "not the log\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(copy)));

    for (const std::string& path : {old, recent}) testing_support::WriteFile(path, "x");
    const timespec weekAgo[2] = {{::time(nullptr) - kGzipCopyKeepSeconds - 60, 0},
                                 {::time(nullptr) - kGzipCopyKeepSeconds - 60, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, old.c_str(), weekAgo, 0), 0);
    const std::string other = WriteBoth("S20261206.log", RandomLog(rng, 50));
    EXPECT_EQ(ReadThroughLogFile(other + ".gz"), testing_support::ReadFileBytes(other));
    EXPECT_FALSE(std::filesystem::exists(old));
    EXPECT_TRUE(std::filesystem::exists(recent));
    EXPECT_TRUE(std::filesystem::exists(copy));
}

TEST_F(GzipDayTest, APlainFileWinsOverItsTwinAndTheDayIsListedOnce) {
    dir.Write("A20261201.log", "plain fail \n");
    dir.Write("A20261201.log.gz.src", "compressed fail \ncompressed fail \n");
    ASSERT_EQ(std::system(("gzip -c " + dir / "A20261201.log.gz.src" + " > " +
                           dir / "A20261201.log.gz && gzip -c " + dir / "A20261201.log.gz.src" +
                           " > " + dir / "B20261202.LOG.GZ")
                              .c_str()),
              0);
    const std::string logs = dir.path().substr(0, dir.path().size() - 1);
    EXPECT_EQ(DayLogFile(logs, "A", "20261201"), logs + "/A20261201.log");
    EXPECT_EQ(DayLogFile(logs, "B", "20261202"), "");  // the twin's name is the plain one + ".gz"
    EXPECT_EQ(DayLogFile(logs, "C", "20261201"), "");
    std::vector<std::string> days = ListLogDays(logs);
    std::sort(days.begin(), days.end());
    EXPECT_EQ(days, (std::vector<std::string>{"20261201", "20261202"}));
    // Both days hold a compressed file; a day of plain files only is not marked.
    dir.Write("D20261204.log", "");
    for (const LogDay& day : ListLogDayEntries(logs))
        EXPECT_EQ(day.compressed, day.day != "20261204") << day.day;
    dir.Write("C20261203.log.gz", "");
    EXPECT_EQ(DayLogFile(logs, "C", "20261203"), logs + "/C20261203.log.gz");
}

}  // namespace
}  // namespace corvane
