// The parts of the scanner on their own: line-aligned blocks with and without the
// read-ahead thread, the chunk ends of the progress text, and the line walker fed
// with blocks cut at every possible line end.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "CoreFakes.h"
#include "ReferenceScan.h"
#include "scan/BlockReader.h"
#include "scan/ChunkProgress.h"
#include "scan/LineWalker.h"
#include "scan/LiteralMatcher.h"
#include "scan/TextScan.h"
#include "scan/WindowMatcher.h"

namespace corvane {
namespace {

using testing_support::RecordingProgress;
using testing_support::RefFold;
using testing_support::ScanLines;
using testing_support::TempDir;
using testing_support::Texts;

struct ReadCase {
    std::string text;
    std::size_t blockLength;
    std::int64_t begin, end;  // the part read; end -1 for the whole file
};

// Every block but the last ends just after a line end, and the blocks put together
// give the part back byte for byte, whether or not the reader runs ahead.
TEST(BlockReaderTest, BlocksAreWholeLinesThatGiveThePartBack) {
    const std::string longLine = std::string(300, 'x') + "\n";
    const std::vector<ReadCase> cases = {
        {"", 4, 0, -1},
        {"a\nbb\r\nccc\rdddd\n\r", 3, 0, -1},
        {"no line end at all", 5, 0, -1},
        {"ab\ncd\nef\n" + longLine + "z\r\n" + longLine, 8, 0, -1},
        {"one\ntwo\nthree\nfour\n", 6, 4, 14},
        {"cr\r\nlf\n", 3, 3, -1},  // a part that begins with the LF of a CR LF
    };
    TempDir dir;
    for (const ReadCase& c : cases) {
        LogFile file;
        ASSERT_TRUE(file.Open(dir.Write("log", c.text)));
        const std::int64_t end = c.end < 0 ? file.Size() : c.end;
        const std::string part = c.text.substr(c.begin, end - c.begin);
        for (const bool readAhead : {false, true}) {
            BlockReader reader(file, c.begin, end, c.blockLength);
            BlockSource source(reader, readAhead);
            std::string joined;
            Block block;
            while (source.Next(block)) {
                ASSERT_EQ(block.offset, c.begin + static_cast<std::int64_t>(joined.size()));
                ASSERT_LT(block.begin, block.end);
                joined.append(block.begin, block.end);
                if (joined.size() < part.size()) {
                    EXPECT_TRUE(block.end[-1] == '\n' || block.end[-1] == '\r') << c.text;
                }
            }
            EXPECT_EQ(joined, part) << "block " << c.blockLength << " ahead " << readAhead;
        }
    }
}

// A line longer than a block gets a buffer of its own length, no more, and the
// buffer goes back to the block length after it.
TEST(BlockReaderTest, OverlongLinesGetBuffersOfTheirOwnLength) {
    const std::string longLine = std::string(1000, 'y') + "\r\n";
    const std::string text = "ab\n" + longLine + longLine + "cd\nef\n" + longLine + "z";
    TempDir dir;
    LogFile file;
    ASSERT_TRUE(file.Open(dir.Write("log", text)));
    BlockReader reader(file, 0, file.Size(), 16);
    BlockBuffer buffer;
    Block block;
    std::string joined;
    while (reader.Next(buffer, block)) {
        joined.append(block.begin, block.end);
        EXPECT_LE(buffer.capacity, std::max<std::size_t>(16, block.end - block.begin + 1));
    }
    EXPECT_EQ(joined, text);
}

// With a unit of one byte the texts show the chunk ends: each chunk runs on from its
// nominal end to the first CR or LF at or after it.
TEST(ChunkProgressTest, ChunksEndAtTheFirstLineEndAfterTheirNominalLength) {
    TempDir dir;
    LogFile file;
    //                                  0123456789
    ASSERT_TRUE(file.Open(dir.Write("log", "ab\ncd\r\nef")));
    RecordingProgress sink;
    ChunkProgress progress(file, 2, sink, 1);
    progress.Start();
    for (std::int64_t done : {2, 3, 8, 9}) progress.Reached(done);
    progress.Finish();
    const std::string p = "\xd2\xd1\xb7\xd6\xce\xf6:";
    EXPECT_EQ(sink.texts, (std::vector<std::string>{p + "0MB/9MB", p + "3MB/9MB", p + "6MB/9MB",
                                                    p + "9MB/9MB"}));
}

// The lines a part keeps for the finding before it, replayed on any finding, complete
// it exactly as all of the part's first lines would have.
TEST(IncomingCarryTest, ReplayingTheKeptLinesCompletesAnyFindingLikeTheLinesThemselves) {
    const std::vector<std::string> findings = {"",      "7",      "7|",     "7|q",   "101|",
                                               "999|x", "999|1x", "999|[1", "12|12", "999|  y"};
    const std::vector<std::string> lines = {"1",          "12", "1x", "[1", "x[1", "10:00:01 a",
                                            "[10:00:02]", "a1", "1[", " 1", "",    "9 [x"};
    std::mt19937 rng(11);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> sequence(rng() % 9);
        for (std::string& line : sequence) line = lines[rng() % lines.size()];
        IncomingCarry carry;
        for (const std::string& line : sequence) carry.Offer(line);
        const std::vector<CarryLine> kept = carry.Take();
        for (const std::string& finding : findings) {
            std::string direct = finding;
            for (const std::string& line : sequence) CarryTimeStamp(direct, line);
            std::string replayed = finding;
            for (const CarryLine& line : kept) CarryTimeStamp(replayed, line);
            ASSERT_EQ(replayed, direct) << "round " << round;
        }
    }
}

// The walker's answer, places included, does not depend on where the blocks are cut.
TEST(LineWalkerTest, FindingsAndPlacesDoNotDependOnBlockBoundaries) {
    ErrorCatalogue catalogue(1);
    catalogue[0].serviceCode = "GW";
    catalogue[0].errorCode = "101";
    catalogue[0].keyword = "boom";
    const ScanLiterals patterns = BuildLiterals("GW", catalogue, {"quiet"});
    const std::string text =
        "x boom\r\n  y failed \n[10:00:01.5]a\r\n10:00:02 b\n\rquiet boom\nBOOM z\n"
        "20:00:03 q failed ";
    const LiteralMatcher matcher(patterns.texts);
    LiteralMatcher::Scratch scratch(matcher);
    auto walk = [&](const std::vector<std::size_t>& cuts) {
        LineWalker walker(patterns, matcher, scratch, catalogue, {});
        std::size_t from = 0;
        for (std::size_t cut : cuts) {
            const Block block{text.data() + from, text.data() + cut,
                              static_cast<std::int64_t>(from), from > 0 && text[from - 1] == '\r'};
            walker.Examine(block);
            from = cut;
        }
        return walker.Take();
    };
    const WalkResult whole = walk({text.size()});
    // The second finding takes a bracket stamp, then a plain one; "quiet" lines are
    // ignored but still carry.  LF CR makes an empty line 5.
    EXPECT_EQ(Texts(whole.findings),
              (ScanLines{"101|x boom", "999|10:00:02.000 [10:00:01.000]|  y failed ",
                         "101|20:00:03.000 BOOM z", "999|20:00:03 q failed "}));
    const std::vector<std::int64_t> lines = {1, 2, 7, 8}, offsets = {0, 8, 58, 65};
    ASSERT_EQ(whole.findings.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(whole.findings[i].place.line, lines[i]);
        EXPECT_EQ(whole.findings[i].place.offset, offsets[i]);
    }
    EXPECT_EQ(whole.lineEnds, 7);
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i - 1] != '\n' && text[i - 1] != '\r') continue;
        const WalkResult split = walk({i, text.size()});
        EXPECT_EQ(split.findings, whole.findings) << "cut at " << i;
        EXPECT_EQ(split.lineEnds, whole.lineEnds) << "cut at " << i;
        for (std::size_t k = 0; k < split.findings.size(); ++k)
            EXPECT_EQ(split.findings[k].place.line, whole.findings[k].place.line) << "cut at " << i;
    }
}

// The engine reports every place where a pattern ends, folding a-z/A-Z only, like a
// plain search would, whether it looks for the patterns, for a few pieces of them or
// for a piece of each, chosen by a sample of text.  The texts are long runs of one
// byte with a few copies of the patterns in them: the shape on which some of the
// engine's processor-specific code paths have lost matches.
TEST(LiteralMatcherTest, ReportsEveryMatchAPlainSearchFinds) {
    std::mt19937 rng(2026);
    const std::string alphabet = "abcdefl \x10\x08XY";
    using Found = std::vector<std::pair<std::size_t, std::uint32_t>>;
    auto collect = [](void* found, std::size_t end, std::uint32_t id) {
        static_cast<Found*>(found)->emplace_back(end, id);
        return true;
    };
    int matches = 0, withPieces = 0, withWindows = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> patterns(1 + rng() % 4);
        for (std::string& p : patterns)
            for (std::size_t n = 1 + rng() % 16; n > 0; --n) p += alphabet[rng() % alphabet.size()];
        std::string text(rng() % 300, 'a');
        for (int copies = static_cast<int>(rng() % 4); copies >= 0; --copies)
            text.insert(rng() % (text.size() + 1), patterns[rng() % patterns.size()]);
        std::string sample;
        for (std::size_t n = rng() % 200; n > 0; --n) sample += alphabet[rng() % alphabet.size()];

        Found expected;
        const std::string folded = RefFold(text);
        for (std::uint32_t id = 0; id < patterns.size(); ++id) {
            const std::string p = RefFold(patterns[id]);
            for (std::size_t at = folded.find(p); at != std::string::npos;
                 at = folded.find(p, at + 1))
                expected.emplace_back(at + p.size(), id);
        }
        std::sort(expected.begin(), expected.end());
        MatchOptions weighed;
        weighed.sample = sample;
        MatchOptions few = weighed;
        few.pieces = PieceChoice::Few;
        MatchOptions ends = weighed;
        ends.pieces = PieceChoice::Ends;
        MatchOptions windows = weighed;
        windows.pieces = PieceChoice::Windows;
        std::vector<std::string> foldedPatterns;
        std::transform(patterns.begin(), patterns.end(), std::back_inserter(foldedPatterns),
                       RefFold);
        const auto none = [](std::uint64_t, std::size_t) { return std::size_t{0}; };
        withWindows += WindowMatcher::Make(foldedPatterns, none, sample.size()) != nullptr;
        for (const MatchOptions& how : {MatchOptions(), weighed, few, ends, windows}) {
            const LiteralMatcher matcher(patterns, how);
            LiteralMatcher::Scratch scratch(matcher);
            withPieces += matcher.SearchedTexts() < patterns.size();
            Found found;
            ASSERT_TRUE(matcher.Scan(text.data(), text.size(), scratch, collect, &found));
            // In order of end, or with pieces: none ends where an earlier one begins.
            for (std::size_t i = 1; i < found.size(); ++i) {
                for (std::size_t k = 0; k < i; ++k) {
                    const std::size_t before =
                        how.sample.empty() ? found[k].first
                                           : found[k].first - patterns[found[k].second].size() + 1;
                    ASSERT_GE(found[i].first, before) << "round " << round;
                }
            }
            std::sort(found.begin(), found.end());
            ASSERT_EQ(found, expected) << "round " << round << " text length " << text.size();
            matches += static_cast<int>(found.size());
        }
    }
    EXPECT_GT(matches, 6000);
    EXPECT_GT(withPieces, 300);
    EXPECT_GT(withWindows, 2000);
}

}  // namespace
}  // namespace corvane
