// Patterns against files: line numbering, unknown findings placed at their lines, the
// stop of each pass over a file, and the golden outputs of `corvane-scan patterns`.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "CoreFakes.h"
#include "Files.h"
#include "Golden.h"
#include "history_support.h"
#include "pattern_support.h"
#include "patterns/DraftKeyword.h"
#include "patterns/FindingLines.h"
#include "patterns/PatternListing.h"
#include "scan/FileLines.h"
#include "scan/GzipStream.h"
#include "scan/Scanner.h"

namespace corvane {
namespace {

using testing_support::Gbk;
using testing_support::ReadFileBytes;
using testing_support::TempDir;

// "number:offset:text" per line, joined by "|".
std::string NumberedLines(const std::string& path, std::size_t block) {
    FileLineReader reader(path, block);
    FileLine line;
    std::string out;
    while (reader.Next(line)) {
        if (!out.empty()) out += '|';
        out += std::to_string(line.number) + ":" + std::to_string(line.offset) + ":" +
               std::string(line.text);
    }
    return out;
}

TEST(FileLinesTest, NumbersLinesTheSameWayWhateverTheBlockLength) {
    struct Case {
        std::string bytes;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"\n", "1:0:"},
        {"a", "1:0:a"},
        {"a\r\nb\rc\nd", "1:0:a|2:3:b|3:5:c|4:7:d"},
        {"a\n\rb\r\n", "1:0:a|2:2:|3:3:b"},  // LF CR ends a line and then an empty one
        {"a\r\n\r\n\nb\r", "1:0:a|2:3:|3:5:|4:6:b"},
        {std::string("x\0y\r\nz", 6), std::string("1:0:x\0y|2:5:z", 13)},  // NUL is ordinary
        {"\r\r\n\n", "1:0:|2:1:|3:3:"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.Write("lines.log", c.bytes);
        for (std::size_t block : {1u, 2u, 3u, 7u, 1u << 20})
            EXPECT_EQ(NumberedLines(path, block), c.expected)
                << "bytes " << ::testing::PrintToString(c.bytes) << ", block " << block;
    }
    EXPECT_THROW(FileLineReader(dir.path() + "missing.log"), FileLinesError);
}

// A stop request ends each pattern pass with no answer.
TEST(FileLinesTest, PatternFunctionsStopWhenAsked) {
    TempDir dir;
    const std::string path = dir.Write("a.log", "a fail \nb\n\nc fail \n");
    const FindingList findings{{"999|a fail ", {1, 0, 7}}, {"999|c fail ", {4, 12, 7}}};
    StopSource stop;
    const std::optional<PatternListing> whole = MineFilePatterns(path, stop.get_token());
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->lines.size(), 3u);
    EXPECT_TRUE(MineUnknownFindingPatterns(findings, stop.get_token()));
    stop.request_stop();
    EXPECT_FALSE(MineFilePatterns(path, stop.get_token()));
    EXPECT_TRUE(ChoosePatternKeyword({"fail"}, path, {1, 4}, {}, {}, stop.get_token()).stopped);
    EXPECT_FALSE(MineUnknownFindingPatterns(findings, stop.get_token()));
}

// A compressed log is grouped and drafted from the text it holds, as the scan reads
// it: the listings and keywords of a gzip copy are those of the plain file, also past
// a CR LF split between two of the decompressor's buffers, and so are the outputs of
// `patterns` and `draft`.
TEST(FileLinesTest, ACompressedLogIsGroupedAndDraftedAsThePlainFile) {
    std::mt19937 rng(11);
    const std::vector<std::string> messages = {Gbk("用户张三登录失败 fail code="),
                                               Gbk("连接上游 10.0.0.7 send failed after "),
                                               "session closed by peer ", Gbk("订单已处理，耗时")};
    const std::vector<std::string> ends = {"\r\n", "\n", "\r"};
    const auto addLines = [&](std::string& text, std::size_t until) {
        while (text.size() < until) {
            text += "2026-12-01 10:" + std::to_string(10 + rng() % 50) + " [T" +
                    std::to_string(rng() % 9) + "] " + messages[rng() % messages.size()] +
                    std::to_string(rng() % 100000) + ends[rng() % ends.size()];
        }
    };
    std::string text;
    addLines(text, kGzipOutputBuffer - 200);
    text += std::string(kGzipOutputBuffer - 1 - text.size(), 'x') + "\r\n";
    addLines(text, text.size() + 100000);
    text += "last line without its end fail ";

    TempDir dir;
    const std::string plain = dir.Write("Gateway20261201.log", text);
    const std::string gz = plain + ".gz";
    ASSERT_EQ(std::system(("gzip -c " + plain + " > " + gz).c_str()), 0);
    const auto listed = [](const std::string& path, bool byLine) {
        std::string out;
        FormatPatternListing(*MineFilePatterns(path), byLine,
                             [&](std::string_view line) { out.append(line) += '\n'; });
        return out;
    };
    for (const bool byLine : {false, true}) EXPECT_EQ(listed(gz, byLine), listed(plain, byLine));
    const std::optional<PatternListing> listing = MineFilePatterns(plain);
    ASSERT_TRUE(listing);
    ASSERT_GE(listing->groups.size(), 4u);
    for (std::uint32_t rank = 1; rank <= 4; ++rank) {
        const std::vector<std::int64_t> lines = PatternLinesOfRank(*listing, rank);
        const std::vector<std::string>& constants = listing->groups[rank - 1].constants;
        const KeywordPass fromPlain = ChoosePatternKeyword(constants, plain, lines, {}, {});
        EXPECT_TRUE(fromPlain.keyword) << rank;
        EXPECT_EQ(ChoosePatternKeyword(constants, gz, lines, {}, {}).keyword, fromPlain.keyword)
            << rank;
    }

    const std::string demo = " --program-dir " + std::string(CORVANE_SOURCE_DIR) + "/demo ";
    for (const std::string& command :
         {std::string("patterns --assign "), "draft --service GW" + demo + "2 "}) {
        const testing_support::CliResult fromPlain =
            testing_support::RunCorvaneScan(command + plain);
        const testing_support::CliResult fromGz = testing_support::RunCorvaneScan(command + gz);
        EXPECT_EQ(fromPlain.status, 0) << command << fromPlain.err;
        EXPECT_EQ(fromGz.status, 0) << command << fromGz.err;
        EXPECT_EQ(fromGz.out, fromPlain.out) << command;
    }
}

// Random logs with carries in both forms, ignored lines, known and unknown errors and
// every kind of line end: the scan's places give each unknown finding the line that
// the plain rules call unknown, in order, with its text as it stands in the file.
TEST(FindingLinesTest, PlacesUnknownFindingsAtTheirOwnLines) {
    std::mt19937 rng(7);
    const std::vector<std::string> pieces = {"[10:00:01.5]",
                                             "12:00:03.25 ",
                                             "  at x ",
                                             "fail ",
                                             "FAILED ",
                                             "noise",
                                             "boom",
                                             "[",
                                             "9",
                                             "\xb0\x5b",
                                             "ok"};
    const std::vector<std::string> ends = {"\r\n", "\n", "\r", "\n\r"};
    TempDir dir;
    dir.Write("ServiceList.ini", "[SERVICE_GW_EXCEPT]\r\n1=noise\r\n");
    ErrorCatalogue catalogue(1);
    catalogue[0].serviceCode = "GW";
    catalogue[0].errorCode = "101";
    catalogue[0].keyword = "boom";
    for (int round = 0; round < 40; ++round) {
        std::string text;
        std::vector<std::string> lines;
        const int count = std::uniform_int_distribution<int>(0, 30)(rng);
        for (int i = 0; i < count; ++i) {
            std::string line;
            for (int k = std::uniform_int_distribution<int>(0, 4)(rng); k > 0; --k)
                line += pieces[rng() % pieces.size()];
            lines.push_back(line);
            text += line + ends[rng() % ends.size()];
        }
        const std::string path = dir.Write("gw.log", text);
        // The expected places from a plain split of the text.
        std::vector<std::pair<std::int64_t, std::string>> expected;
        std::int64_t number = 0;
        for (std::size_t i = 0; i < text.size();) {
            std::size_t j = i;
            while (j < text.size() && text[j] != '\r' && text[j] != '\n') ++j;
            const std::string line = text.substr(i, j - i);
            ++number;
            std::string folded = line;
            for (char& c : folded)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
            const bool unknown = folded.find("NOISE") == std::string::npos &&
                                 folded.find("BOOM") == std::string::npos &&
                                 (folded.find("FAIL ") != std::string::npos ||
                                  folded.find("FAILED ") != std::string::npos);
            if (unknown) expected.emplace_back(number, line);
            if (j < text.size() && text[j] == '\r') ++j;
            if (j < text.size() && text[j] == '\n') ++j;
            i = j;
        }
        NullProgressSink row;
        ScanOptions options;
        options.programDir = dir.path();
        const ScanResult scan = ScanLogFile("GW", path, catalogue, row, {}, options);
        ASSERT_EQ(scan.outcome, ScanOutcome::Scanned);
        std::vector<std::pair<std::int64_t, std::string>> placed;
        for (const LocatedFinding& f : LocateUnknownFindings(scan.findings))
            placed.emplace_back(f.place.line, std::string(f.text));
        ASSERT_EQ(placed, expected) << ::testing::PrintToString(text);
    }
}

// Golden outputs: tests/golden/patterns/cases.txt lists the golden file and the
// arguments of each run.
TEST(PatternsCliTest, MatchesTheGoldenOutputs) {
    const std::string dir = testing_support::GoldenDir("patterns");
    std::ifstream cases(dir + "cases.txt");
    ASSERT_TRUE(cases.good());
    int runs = 0;
    for (std::string line; std::getline(cases, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::string expectedFile = line.substr(0, line.find('|'));
        std::string args = line.substr(line.find('|') + 1);
        for (std::size_t at; (at = args.find("{dir}")) != std::string::npos;)
            args.replace(at, 5, dir);
        const testing_support::CliResult r = testing_support::RunCorvaneScan(args);
        EXPECT_EQ(r.status, 0) << args;
        testing_support::ExpectGolden(r.out, "patterns/" + expectedFile, args);
        ++runs;
    }
    EXPECT_EQ(runs, 4);
}

// Unknown findings whose text the file alone does not tie to one line: a line of
// stamp-like bytes, an unfinished last line, a line that another line's text ends.
// Every command that groups them takes the scan's places.
TEST(PatternsCliTest, GroupsUnknownFindingsAtTheLinesTheScanFound) {
    std::string stamps = "\n";
    for (int i = 0; i < 100; ++i) stamps += ".000 ";
    stamps += "fail X\n";
    struct Case {
        const char* name;
        std::string log;
        std::string assigned;  // `patterns --service GW --assign`
        int patterns;          // recorded with the run
    };
    const std::vector<Case> cases = {
        {"stamp-like line", stamps, "2\t1\n", 1},
        {"unfinished last line", "a fail x\nb fail y", "1\t1\n2\t2\n", 2},
        {"line ending like another", "abc\r\nfail .000 abc\r\n", "2\t1\n", 1},
    };
    const std::string demo = std::string(CORVANE_SOURCE_DIR) + "/demo";
    for (const Case& c : cases) {
        TempDir dir;
        std::filesystem::create_directory(dir.path() + "logs");
        const std::string log = dir.Write("logs/Gateway20261201.log", c.log);
        const std::string programDir = " --program-dir " + demo + " ";
        testing_support::CliResult r =
            testing_support::RunCorvaneScan("patterns --service GW --assign" + programDir + log);
        EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
        EXPECT_EQ(r.out, c.assigned) << c.name;

        const std::string db = dir.path() + "history.sqlite";
        r = testing_support::RunCorvaneScan("run --record --db " + db + programDir + dir.path() +
                                            "logs 20261201");
        EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
        r = testing_support::RunCorvaneScan("history backfill --db " + db + programDir +
                                            dir.path() + "logs");
        EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
        EXPECT_EQ(testing_support::QueryFile(db, "SELECT count(*) FROM pattern_counts"),
                  std::to_string(c.patterns))
            << c.name;
    }
}

}  // namespace
}  // namespace corvane
