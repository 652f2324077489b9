// The line rule and every reader that splits text into lines: the INI reader, the file
// line reader, the lines around a finding and the scanner's places.  One table of
// line-ending cases runs through all of them, each cut at every block length that
// puts a terminator, or the CR of a CR LF, at the end of what was read.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "CoreFakes.h"
#include "Findings.h"
#include "base/LineEnds.h"
#include "catalog/ProfileLine.h"
#include "scan/FileLines.h"
#include "scan/LogExcerpt.h"
#include "scan/Scanner.h"

namespace corvane {
namespace {

using testing_support::FakeScanSink;
using testing_support::TempDir;

struct Line {
    std::int64_t offset;
    std::string text;
    friend bool operator==(const Line&, const Line&) = default;
};

void PrintTo(const Line& line, std::ostream* os) {
    *os << "{" << line.offset << ", \"" << testing::PrintToString(line.text) << "\"}";
}

struct LineCase {
    const char* name;
    std::string text;
    std::vector<Line> lines;  // in order; a line's number is its index + 1
};

// Every non-empty line holds the scanner's marker, so that each one is a finding.
const std::string kLong(65530, 'x');
const std::vector<LineCase> kCases = {
    {"CR LF", "fail a\r\nfail b", {{0, "fail a"}, {8, "fail b"}}},
    {"lone CR", "fail a\rfail b", {{0, "fail a"}, {7, "fail b"}}},
    {"lone LF", "fail a\nfail b", {{0, "fail a"}, {7, "fail b"}}},
    {"LF CR is a line end and an empty line",
     "fail a\n\rfail b",
     {{0, "fail a"}, {7, ""}, {8, "fail b"}}},
    {"CR CR LF", "fail a\r\r\nfail b", {{0, "fail a"}, {7, ""}, {9, "fail b"}}},
    {"empty lines", "\n\r\n\rfail a\n\n", {{0, ""}, {1, ""}, {3, ""}, {4, "fail a"}, {11, ""}}},
    {"CR LF at the end starts no line", "fail a\r\n", {{0, "fail a"}}},
    {"CR at the end starts no line", "fail a\r", {{0, "fail a"}}},
    {"LF at the end starts no line", "fail a\n", {{0, "fail a"}}},
    {"a terminator alone is one empty line", "\r\n", {{0, ""}}},
    {"empty text holds no line", "", {}},
    {"no terminator", "fail a", {{0, "fail a"}}},
    // The CR ends the first 64 KiB read from the line's start.
    {"CR LF across a 64 KiB read",
     "fail " + kLong + "\r\nfail b",
     {{0, "fail " + kLong}, {65537, "fail b"}}},
};

std::vector<Line> SplitByDefinition(std::string_view text) {
    std::vector<Line> lines;
    ForEachLine(text, [&](std::string_view line) {
        lines.push_back({line.data() - text.data(), std::string(line)});
    });
    return lines;
}

// Lines as NextLineBreak finds them in pieces of `piece` bytes, joining a CR at the end
// of a piece with an LF at the start of the next.
std::vector<Line> SplitInPieces(const std::string& text, std::size_t piece) {
    std::vector<Line> lines;
    std::string pending;
    std::int64_t lineStart = 0;
    bool skipLf = false;
    for (std::size_t from = 0; from < text.size(); from += piece) {
        const char* p = text.data() + from;
        const char* end = text.data() + std::min(text.size(), from + piece);
        if (skipLf && *p == '\n') {
            ++p;
            lineStart = p - text.data();
        }
        skipLf = false;
        while (p < end) {
            const LineBreak b = NextLineBreak(p, end);
            pending.append(p, b.at);
            if (b.length == 0) break;
            lines.push_back({lineStart, pending});
            pending.clear();
            p = b.at + b.length;
            lineStart = p - text.data();
            skipLf = b.crAtEnd;
        }
    }
    if (static_cast<std::size_t>(lineStart) < text.size()) lines.push_back({lineStart, pending});
    return lines;
}

std::vector<std::size_t> BlockLengths(const std::string& text) {
    if (text.size() > 100) return {1024, 65536, 65535, 65537};
    std::vector<std::size_t> lengths;
    for (std::size_t n = 1; n <= text.size() + 1; ++n) lengths.push_back(n);
    return lengths;
}

TEST(LineEndsTest, EveryReaderSplitsLikeTheDefinition) {
    TempDir dir;
    dir.Write("ServiceList.ini", "[SERVICELIST]\r\n1=GW\r\n");
    for (const LineCase& c : kCases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(SplitByDefinition(c.text), c.lines);
        for (std::size_t piece : BlockLengths(c.text))
            ASSERT_EQ(SplitInPieces(c.text, piece), c.lines) << "pieces of " << piece;

        // The INI reader numbers every line and hands out those that are not blank.
        std::vector<Line> iniLines;
        ForEachProfileLine(c.text, [&](const ProfileLine& l) {
            const Line& expected = c.lines.at(l.number - 1);
            iniLines.push_back({expected.offset, std::string(l.text)});
        });
        std::vector<Line> nonEmpty;
        for (const Line& l : c.lines)
            if (!l.text.empty()) nonEmpty.push_back(l);
        EXPECT_EQ(iniLines, nonEmpty) << "INI reader";

        const std::string path = dir.Write("GW20261201.log", c.text);
        for (std::size_t block : BlockLengths(c.text)) {
            FileLineReader reader(path, block);
            std::vector<Line> read;
            FileLine line;
            while (reader.Next(line)) {
                EXPECT_EQ(line.number, static_cast<std::int64_t>(read.size() + 1));
                read.push_back({line.offset, std::string(line.text)});
            }
            EXPECT_EQ(read, c.lines) << "file line reader, blocks of " << block;
        }

        // From each line, the lines around it are all the file's lines.
        FileStamp stamp;
        {
            LogFile file;
            ASSERT_TRUE(file.Open(path));
            stamp = file.Stamp();
        }
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            const Line& own = c.lines[i];
            const FindingPlace place{static_cast<std::int64_t>(i + 1), own.offset,
                                     static_cast<std::int64_t>(own.text.size())};
            const LogExcerpt excerpt =
                ReadLogExcerpt(path, stamp, place, "999|" + own.text, 100, 100);
            ASSERT_EQ(excerpt.status, ExcerptStatus::Ok) << "excerpt around line " << i + 1;
            std::vector<Line> around;
            for (std::size_t k = 0; k < excerpt.lines.size(); ++k) {
                EXPECT_EQ(excerpt.lines[k].number, static_cast<std::int64_t>(k + 1));
                around.push_back({excerpt.lines[k].offset, excerpt.lines[k].text});
            }
            EXPECT_EQ(around, c.lines) << "excerpt around line " << i + 1;
            EXPECT_TRUE(excerpt.atStart && excerpt.atEnd);
        }

        // The scanner's places: every line with the marker is an unknown finding.
        std::vector<FindingPlace> expectedPlaces;
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            if (c.lines[i].text.empty()) continue;
            expectedPlaces.push_back({static_cast<std::int64_t>(i + 1), c.lines[i].offset,
                                      static_cast<std::int64_t>(c.lines[i].text.size())});
        }
        for (std::size_t block : BlockLengths(c.text)) {
            for (unsigned threads : {1u, 2u}) {
                ScanOptions options;
                options.programDir = dir.path();
                options.blockLength = block;
                options.threads = threads;
                options.partLength = threads > 1 ? static_cast<std::int64_t>(block) : 0;
                FakeScanSink progress;
                const ScanResult result =
                    ScanLogFile("GW", path, ErrorCatalogue{}, progress, {}, options);
                ASSERT_EQ(result.outcome, ScanOutcome::Scanned);
                EXPECT_EQ(testing_support::Places(result.findings), expectedPlaces)
                    << "scanner, blocks of " << block << ", threads " << threads;
            }
        }
    }
}

// Every kernel the processor offers counts like the plain definition: each CR ends a
// line, and each LF that does not follow a CR.  Lengths reach past the point where
// the kernels sum their lane counters.
TEST(CountLineEndsTest, EveryKernelCountsLikeThePlainDefinition) {
    std::mt19937 rng(7);
    const char alphabet[] = {'\r', '\n', 'x', '\0'};
    for (int round = 0; round < 60; ++round) {
        std::string text(1 + rng() % (round < 50 ? 300 : 40000), 'x');
        for (char& c : text) c = alphabet[rng() % (round % 2 ? 4 : 2)];
        const bool afterCr = rng() % 2;
        std::int64_t expected = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool crBefore = i == 0 ? afterCr : text[i - 1] == '\r';
            expected += text[i] == '\r' || (text[i] == '\n' && !crBefore);
        }
        const char* begin = text.data();
        const char* end = begin + text.size();
        ASSERT_EQ(CountLineEnds(begin, end, afterCr), expected);
        const std::int64_t first = *begin == '\r' || (*begin == '\n' && !afterCr);
        for (LineEndKernel kernel : LineEndKernels())
            ASSERT_EQ(first + kernel(begin + 1, end), expected) << "length " << text.size();
    }
}

}  // namespace
}  // namespace corvane
