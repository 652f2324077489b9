// A line's own time at the edges of what counts as a stamp, and the time index in the
// cache: taken while it describes the file, extended when the file grew, built anew
// when the file was rewritten or the cached index is damaged.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "Files.h"
#include "Gbk.h"
#include "TempDir.h"
#include "timeline/TimeIndex.h"

namespace corvane {
namespace {

using testing_support::TempDir;

TEST(LineTimeTest, FindsTheFirstWholeStampWithinTheReach) {
    const std::string pad32(32, 'x');
    const struct {
        std::string line;
        DayTime time;
    } cases[] = {
        {"07:00:08 x", 7 * 3600 + 8},
        {"[07:00:08.841] WARN", 7 * 3600 + 8},
        {"[2026-12-01 23:59:59.999] ERROR", kSecondsPerDay - 1},
        {"00:00:00", 0},
        {"107:00:08", kNoTime},  // a digit before
        {"07:00:081", kNoTime},  // a digit after
        {"24:00:00", kNoTime},
        {"12:60:00 12:00:60", kNoTime},
        {"99:00:00 01:02:03", 3723},  // the first one in range
        {"01:02:03 04:05:06", 3723},
        {pad32 + "07:00:08", 7 * 3600 + 8},  // its last byte is the 40th
        {pad32 + "x07:00:08", kNoTime},      // crosses byte 40
        {pad32 + "07:00:089", kNoTime},      // a digit after it, past the reach
        {testing_support::Gbk("中文请求") + " 07:00:08", 7 * 3600 + 8},
        {"7:00:08", kNoTime},
        {"", kNoTime},
    };
    for (const auto& c : cases) EXPECT_EQ(LineTimeOf(c.line), c.time) << c.line;
}

class TimeIndexTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_CACHE_HOME", dir.path().c_str(), 1); }
    void TearDown() override { ::unsetenv("XDG_CACHE_HOME"); }

    std::shared_ptr<const TimeIndex> Index(const std::string& path) {
        LogFile file;
        EXPECT_TRUE(file.Open(path));
        return TimeIndex::For(file, {}, options);
    }
    // The index of the same bytes under a name the cache has never seen, each block as
    // a plain reading of the lines describes it.
    std::vector<TimeBlock> Fresh(const std::string& bytes) {
        const TempDir other;
        ::setenv("XDG_CACHE_HOME", other.path().c_str(), 1);
        const std::shared_ptr<const TimeIndex> index = Index(other.Write("fresh.log", bytes));
        ::setenv("XDG_CACHE_HOME", dir.path().c_str(), 1);
        EXPECT_EQ(index->From(), TimeIndex::Origin::Built);
        ExpectDescribed(bytes, index->Blocks());
        return index->Blocks();
    }
    static void ExpectDescribed(const std::string& text, const std::vector<TimeBlock>& blocks) {
        std::vector<TimeBlock> expected;
        DayTime carried = kNoTime;
        std::size_t next = 0;  // the next block
        for (std::size_t at = 0, number = 1; at < text.size(); ++number) {
            const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
            if (next < blocks.size() && blocks[next].offset == static_cast<std::int64_t>(at))
                expected.push_back({blocks[next++].offset, static_cast<std::int64_t>(number),
                                    at > 0 && text[at - 1] == '\r', carried, kSecondsPerDay,
                                    kNoTime});
            if (const DayTime own = LineTimeOf(text.substr(at, end - at)); own != kNoTime)
                carried = own;
            ASSERT_FALSE(expected.empty());
            expected.back().least = std::min(expected.back().least, carried);
            expected.back().most = std::max(expected.back().most, carried);
            at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
        EXPECT_EQ(blocks, expected);  // each block at a line's start, in order
    }
    // The one index the cache holds.
    std::string CachedFile() {
        for (const auto& entry : std::filesystem::directory_iterator(TimeIndex::CacheDirectory()))
            return entry.path().string();
        return {};
    }
    static std::string Lines(int from, int count, const char* end = "\n") {
        std::string text;
        for (int i = from; i < from + count; ++i)
            text += "[10:" + std::to_string(10 + i % 50) + ":0" + std::to_string(i % 10) +
                    ".5] line " + std::to_string(i) + end;
        return text;
    }

    TempDir dir;
    TimeIndexOptions options{200};
};

TEST_F(TimeIndexTest, CacheIsTakenExtendedOrBuiltAgainAsTheFileChanged) {
    std::string text = "no time yet\r\n" + Lines(0, 40, "\r") + "10:59:00 without its end";
    const std::string path = dir.Write("a.log", text);
    EXPECT_EQ(Index(path)->From(), TimeIndex::Origin::Built);
    const std::shared_ptr<const TimeIndex> cached = Index(path);
    EXPECT_EQ(cached->From(), TimeIndex::Origin::Cached);
    EXPECT_EQ(cached->Blocks(), Fresh(text));
    ASSERT_GT(cached->Blocks().size(), 3u);

    // The last line completed and more lines came: only the end is read again.
    text += "\n" + Lines(40, 30, "\r\n");
    std::ofstream(path, std::ios::binary | std::ios::app) << "\n" + Lines(40, 30, "\r\n");
    const std::shared_ptr<const TimeIndex> grown = Index(path);
    EXPECT_EQ(grown->From(), TimeIndex::Origin::Extended);
    EXPECT_EQ(grown->Blocks(), Fresh(text));

    // Written over in place (same file, same length or longer): its index is not it.
    text[20] = text[20] == '1' ? '2' : '1';
    testing_support::WriteFile(path, text);
    EXPECT_EQ(Index(path)->From(), TimeIndex::Origin::Built);
    EXPECT_EQ(Index(path)->From(), TimeIndex::Origin::Cached);

    // A damaged index (a byte changed, cut short, empty) is never trusted.
    const std::string cachedFile = CachedFile();
    std::string bytes = testing_support::ReadFileBytes(cachedFile);
    for (const std::string& damaged :
         {bytes.substr(0, 100) + char(bytes[100] ^ 1) + bytes.substr(101),
          bytes.substr(0, bytes.size() - 9), std::string()}) {
        std::filesystem::remove(cachedFile);
        std::ofstream(cachedFile, std::ios::binary) << damaged;
        std::filesystem::permissions(
            cachedFile, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        const std::shared_ptr<const TimeIndex> rebuilt = Index(path);
        EXPECT_EQ(rebuilt->From(), TimeIndex::Origin::Built);
        EXPECT_EQ(rebuilt->Blocks(), Fresh(text));
    }
}

TEST_F(TimeIndexTest, HalvesWalkedAtOnceJoinIntoTheFilesBlocks) {
    // Lines without a time where the halves meet take the first half's last time.
    std::string text = "no time\n" + Lines(0, 30, "\r");
    for (int i = 0; i < 30; ++i) text += "  continued " + std::to_string(i) + (i % 2 ? "\r" : "\n");
    text += Lines(30, 30) + "10:59:59 last";
    options.twoThreadsFrom = 500;
    const std::string path = dir.Write("halves.log", text);
    ExpectDescribed(text, Index(path)->Blocks());
}

}  // namespace
}  // namespace corvane
