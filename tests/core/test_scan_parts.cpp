// The parts of the scanner on their own: line-aligned blocks with and without the
// read-ahead thread, the chunk ends of the progress text, and the line walker fed
// with blocks cut at every possible line end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/BlockReader.h"
#include "analysis/ChunkProgress.h"
#include "analysis/LineWalker.h"
#include "scan_fakes.h"

namespace corvane {
namespace {

using testing_support::FakePump;
using testing_support::RecordingProgress;
using testing_support::TempDir;

struct ReadCase {
    std::string text;
    std::size_t blockLength;
    std::int64_t begin, end;  // the stretch read; end -1 for the whole file
};

// Every block but the last ends just after a line end, and the blocks put together
// give the stretch back byte for byte, whether or not the reader runs ahead.
TEST(BlockReaderTest, BlocksAreWholeLinesThatGiveTheStretchBack) {
    const std::string longLine = std::string(300, 'x') + "\n";
    const std::vector<ReadCase> cases = {
        {"", 4, 0, -1},
        {"a\nbb\r\nccc\rdddd\n\r", 3, 0, -1},
        {"no line end at all", 5, 0, -1},
        {"ab\ncd\nef\n" + longLine + "z\r\n" + longLine, 8, 0, -1},
        {"one\ntwo\nthree\nfour\n", 6, 4, 14},
        {"cr\r\nlf\n", 3, 3, -1},  // a stretch that begins with the LF of a CR LF
    };
    TempDir dir;
    for (const ReadCase& c : cases) {
        LogFile file;
        ASSERT_TRUE(file.Open(dir.Write("log", c.text)));
        const std::int64_t end = c.end < 0 ? file.Size() : c.end;
        const std::string stretch = c.text.substr(c.begin, end - c.begin);
        for (const bool readAhead : {false, true}) {
            BlockReader reader(file, c.begin, end, c.blockLength);
            BlockSource source(reader, readAhead);
            std::string joined;
            Block block;
            while (source.Next(block)) {
                ASSERT_EQ(block.offset, c.begin + static_cast<std::int64_t>(joined.size()));
                ASSERT_LT(block.begin, block.end);
                joined.append(block.begin, block.end);
                if (joined.size() < stretch.size()) {
                    EXPECT_TRUE(block.end[-1] == '\n' || block.end[-1] == '\r') << c.text;
                }
            }
            EXPECT_EQ(joined, stretch) << "block " << c.blockLength << " ahead " << readAhead;
        }
    }
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

// The walker's answer does not depend on where the blocks are cut.
TEST(LineWalkerTest, FindingsDoNotDependOnBlockBoundaries) {
    ErrorCatalogue catalogue(1);
    catalogue[0].serviceCode = "GW";
    catalogue[0].errorCode = "101";
    catalogue[0].keyword = "boom";
    const ScanPatterns patterns = BuildPatterns("GW", catalogue, {"quiet"});
    const std::string text =
        "x boom\r\n  y failed \n[10:00:01.5]a\r\n10:00:02 b\n\rquiet boom\nBOOM z\n"
        "20:00:03 q failed \n";
    FakePump pump;
    auto walk = [&](const std::vector<std::size_t>& cuts) {
        LineWalker walker(patterns, catalogue, pump);
        std::size_t from = 0;
        for (std::size_t cut : cuts) {
            Block block{text.data() + from, text.data() + cut, static_cast<std::int64_t>(from)};
            EXPECT_TRUE(walker.Examine(block));
            from = cut;
        }
        return walker.TakeList();
    };
    const FindingList whole = walk({text.size()});
    // The second finding takes a bracket stamp, then a plain one; "quiet" lines are
    // ignored but still carry.
    EXPECT_EQ(whole, (FindingList{"101|x boom", "999|10:00:02.000 [10:00:01.000]|  y failed ",
                                  "101|20:00:03.000 BOOM z", "999|20:00:03 q failed ", "2", "2"}));
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i - 1] == '\n' || text[i - 1] == '\r') {
            EXPECT_EQ(walk({i, text.size()}), whole) << "cut at " << i;
        }
    }
}

}  // namespace
}  // namespace corvane
