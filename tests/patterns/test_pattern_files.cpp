// Patterns against files: line numbering, unknown findings placed at their lines, the
// draft catalogue entry and its round trip through a second scan, and the golden
// outputs of `corvane-scan patterns`.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "CoreFakes.h"
#include "Files.h"
#include "Golden.h"
#include "catalog/CatalogueDraft.h"
#include "catalog/GbkText.h"
#include "catalog/ServiceCatalogue.h"
#include "history_support.h"
#include "pattern_support.h"
#include "patterns/DraftKeyword.h"
#include "patterns/FindingLines.h"
#include "patterns/PatternListing.h"
#include "scan/FileLines.h"
#include "scan/Scanner.h"

namespace corvane {
namespace {

using testing_support::FakeDialogs;
using testing_support::FakePump;
using testing_support::Gbk;
using testing_support::ReadFileBytes;
using testing_support::RecordingProgress;
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

// The window drives the file functions in slices of its events and stops them.
TEST(FileLinesTest, PatternFunctionsPumpEveryLineAndStopWhenAsked) {
    TempDir dir;
    const std::string path = dir.Write("a.log", "a fail \nb\n\nc fail \n");
    FakePump pump;
    StopSource stop;
    const std::optional<PatternListing> whole = MineFilePatterns(path, &pump, stop.get_token());
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->lines.size(), 3u);
    EXPECT_EQ(pump.calls, 4);
    // A stop requested while the second line's events are served ends each pass there.
    pump.onEvents = [&] {
        if (pump.calls == 2) stop.request_stop();
    };
    const auto stopAtTheSecondCall = [&] {
        pump.calls = 0;
        stop = StopSource();
        return stop.get_token();
    };
    EXPECT_FALSE(MineFilePatterns(path, &pump, stopAtTheSecondCall()));
    EXPECT_EQ(pump.calls, 2);
    const KeywordPass keyword =
        ChoosePatternKeyword({"fail"}, path, {1, 4}, {}, &pump, stopAtTheSecondCall());
    EXPECT_TRUE(keyword.stopped);
    EXPECT_EQ(pump.calls, 2);
    EXPECT_FALSE(MineUnknownFindingPatterns(
        {{"999|a fail ", {1, 0, 7}}, {"999|c fail ", {4, 12, 7}}}, &pump, stopAtTheSecondCall()));
    EXPECT_EQ(pump.calls, 2);
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
        FakeDialogs dialogs;
        FakePump pump;
        RecordingProgress row;
        ScanOptions options;
        options.programDir = dir.path();
        const ScanResult scan = ScanLogFile("GW", path, catalogue, row, dialogs, pump, {}, options);
        ASSERT_EQ(scan.outcome, ScanOutcome::Scanned);
        std::vector<std::pair<std::int64_t, std::string>> placed;
        for (const LocatedFinding& f : LocateUnknownFindings(scan.findings))
            placed.emplace_back(f.place.line, std::string(f.text));
        ASSERT_EQ(placed, expected) << ::testing::PrintToString(text);
    }
}

struct DraftFixture : public ::testing::Test {
    // A copy of the catalogue with the draft added the way its keeper would: the
    // [ERRORLIST] line into the existing section, the rest at the end.
    static std::string WithDraft(const std::string& ini, const std::string& draft) {
        const std::size_t listLine = draft.find("\r\n") + 2;
        const std::size_t listLineEnd = draft.find("\r\n", listLine);
        std::string out = ini;
        out.insert(out.find('\n', out.find("[ERRORLIST]")) + 1,
                   draft.substr(listLine, listLineEnd - listLine) + "\r\n");
        return out + "\r\n" + draft.substr(listLineEnd + 2);
    }

    std::optional<ScanResult> Scan(const std::string& programDir, const std::string& log) {
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(programDir, catalogue);
        FakeDialogs dialogs;
        FakePump pump;
        RecordingProgress row;
        ScanOptions options;
        options.programDir = programDir;
        ScanResult scan = ScanLogFile("GW", log, catalogue, row, dialogs, pump, {}, options);
        if (scan.outcome != ScanOutcome::Scanned) return std::nullopt;
        return scan;
    }
};

// Every pattern of the unknown errors of a demo log: its draft, added to a copy of
// the catalogue, turns exactly the pattern's lines into known findings of the new
// code and leaves every other finding as it was.
TEST_F(DraftFixture, AddedDraftTurnsExactlyThePatternsLinesIntoKnownFindings) {
    const std::string demo = std::string(CORVANE_SOURCE_DIR) + "/demo/";
    const std::string log = demo + "logs/Gateway20261202.log";
    const std::optional<ScanResult> before = Scan(demo, log);
    ASSERT_TRUE(before);
    const PatternListing listing = *MineUnknownFindingPatterns(before->findings);
    ASSERT_GE(listing.groups.size(), 2u);
    ErrorCatalogue catalogue;
    LoadErrorCatalogue(demo, catalogue);
    std::uint32_t otherRank = 0;
    const std::vector<std::uint32_t> ranks = RanksById(listing.groups, otherRank);

    for (std::size_t r = 0; r < listing.groups.size(); ++r) {
        std::vector<std::int64_t> lines;
        std::vector<std::size_t> findings;  // indexes of the pattern's findings
        for (std::size_t k = 0; k < listing.lines.size(); ++k) {
            if (ranks[listing.lines[k].group] != r + 1) continue;
            lines.push_back(listing.lines[k].line);
            findings.push_back(listing.lines[k].finding);
        }
        const std::optional<std::string> keyword =
            ChoosePatternKeyword(listing.groups[r].constants, log, lines,
                                 ReadIgnoreList(demo, "GW"))
                .keyword;
        ASSERT_TRUE(keyword) << listing.groups[r].text;
        const CatalogueDraft draft =
            DraftCatalogueEntry(catalogue, ReadErrorListKeys(demo), "GW", keyword);

        TempDir copy;
        copy.Write("ServiceList.ini", ReadFileBytes(demo + "ServiceList.ini"));
        copy.Write("ErrorList.ini", WithDraft(ReadFileBytes(demo + "ErrorList.ini"), draft.text));
        const std::optional<ScanResult> after = Scan(copy.path(), log);
        ASSERT_TRUE(after);
        ASSERT_EQ(after->findings.size(), before->findings.size());
        for (std::size_t i = 0; i < before->findings.size(); ++i) {
            const bool ofPattern = std::find(findings.begin(), findings.end(), i) != findings.end();
            const std::string& was = before->findings[i].text;
            EXPECT_EQ(after->findings[i].text,
                      ofPattern ? draft.code + was.substr(kFindingCodeLength) : was)
                << "finding " << i << " of pattern " << listing.groups[r].text;
        }
        const auto moved = static_cast<std::int64_t>(findings.size());
        EXPECT_EQ(after->unknown, before->unknown - moved);
        EXPECT_EQ(after->known, before->known + moved);
    }
}

TEST_F(DraftFixture, SaysSoWhenEveryConstantPartOccursInAnotherLine) {
    TempDir dir;
    // "disk" and "failed" also stand in line 3, which is no finding (no blank after
    // "failed"); the ignored line 4 does not count.
    const std::string log = dir.Write("gw.log",
                                      "disk 1 failed \ndisk 2 failed \ndisk failed\n"
                                      "disk 3 failed , noise\n");
    EXPECT_EQ(ChoosePatternKeyword({"disk", " failed "}, log, {1, 2}, {"NOISE"}).keyword,
              std::nullopt);
    // Once line 3 is ignored too, "failed" (the longer part) is the pattern's own.
    EXPECT_EQ(
        ChoosePatternKeyword({"disk", " failed "}, log, {1, 2}, {"NOISE", "DISK FAILED"}).keyword,
        "failed");

    const CatalogueDraft draft = DraftCatalogueEntry({}, {}, "GW", std::nullopt);
    EXPECT_EQ(draft.code, "100");
    EXPECT_NE(draft.text.find(";" + std::string(gbk::kDraftNoKeyword) + "\r\n"), std::string::npos);
    EXPECT_EQ(draft.text.find(std::string(gbk::kKeyKeyword) + "="), std::string::npos);
}

TEST_F(DraftFixture, KeywordIsTheLongestTrimmedConstantPartOfOnlyThePatternsLines) {
    TempDir dir;
    const std::string log =
        dir.Write("a.log", Gbk("[1] 用户张三登录失败，错误码1045\n[2] 用户李四登录成功\n"
                               "[3] 用户王五登录失败，错误码2003\n[4] 登录失败，错误码\n"));
    // "用户" is in line 2 too; "登录失败，错误码" elsewhere only in line 4, once that
    // is ignored.  Punctuation and blanks at the ends are trimmed.
    const std::vector<std::string> constants = {"[", "] " + Gbk("用户"), Gbk("登录失败，错误码")};
    EXPECT_EQ(ChoosePatternKeyword(constants, log, {1, 3}, {"[4]"}).keyword,
              Gbk("登录失败，错误码"));
    EXPECT_EQ(ChoosePatternKeyword(constants, log, {1, 3}, {}).keyword, std::nullopt);
    EXPECT_EQ(KeywordCandidates({" 'a b' ", Gbk("“名字”"), "x"}),
              (std::vector<std::string>{Gbk("名字"), "a b", "a", "b", "x"}));
}

TEST(DraftTest, TakesTheLowestFreeCodeAndKeyAndWritesTheFragment) {
    ErrorCatalogue catalogue(3);
    catalogue[0].errorCode = "100";
    catalogue[1].errorCode = "101";
    catalogue[2].errorCode = "103";
    const CatalogueDraft draft =
        DraftCatalogueEntry(catalogue, {"01", "02", "04"}, "GW", std::string("disk full"));
    EXPECT_EQ(draft.code, "102");
    EXPECT_EQ(draft.listKey, "03");
    const std::string expected =
        "[ERRORLIST]\r\n03=102\r\n\r\n[ERROR_102]\r\n" + std::string(gbk::kKeyOwnerService) +
        "=GW\r\n" + std::string(gbk::kKeyErrorName) + "=" + std::string(gbk::kDraftErrorName) +
        "\r\n" + std::string(gbk::kKeyKeyword) + "=disk full\r\n\r\n" +
        "[ERROR_102_MEMO]\r\n01=" + std::string(gbk::kDraftExplanation) + "\r\n";
    EXPECT_EQ(draft.text, expected);

    ErrorCatalogue full;
    for (int code = 100; code <= 998; ++code) {
        full.emplace_back();
        full.back().errorCode = std::to_string(code);
    }
    const CatalogueDraft none = DraftCatalogueEntry(full, {}, "GW", std::string("x"));
    EXPECT_EQ(none.code, "");
    EXPECT_EQ(none.text, ";" + std::string(gbk::kDraftNoCode) + "\r\n");
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
