// The line engine with a client of its own: what it promises every client whatever
// the threads, where the scan's and the search's answers cannot show it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "TempDir.h"
#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "scan/LineEngine.h"

namespace corvane {
namespace {

// Counts each part's line ends and records what the engine calls on the calling thread.
class CountingClient final : public LineClient {
public:
    class Counter final : public PartWalker {
    public:
        explicit Counter(CountingClient& client) : client_(client) {}
        void Begin(std::size_t, const StopToken&) override { count_ = 0; }
        void Examine(const Block& block) override {
            count_ += CountLineEnds(block.begin, block.end, block.afterCr);
        }
        void End(std::size_t part) override { client_.lineEnds[part] = count_; }

    private:
        CountingClient& client_;
        std::int64_t count_ = 0;
    };

    void Parts(std::size_t count) override { lineEnds.assign(count, 0); }
    std::unique_ptr<PartWalker> Walker() override { return std::make_unique<Counter>(*this); }
    bool Take(std::size_t part) override {
        taken.push_back(part);
        total += lineEnds[part];
        return taken.size() != takeUntil;
    }
    void Reached(std::int64_t examined) override {
        std::lock_guard<std::mutex> lock(mutex_);
        grows = grows && examined >= reached;
        reached = examined;
    }

    std::size_t takeUntil = 0;  // Take answers false for this many parts taken
    std::vector<std::int64_t> lineEnds;
    std::vector<std::size_t> taken;
    std::int64_t total = 0;
    std::int64_t reached = 0;
    bool grows = true;

private:
    std::mutex mutex_;
};

class LineEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string text;
        for (int i = 0; i < 4000; ++i) text += i % 3 ? "line\r\n" : "a longer line\r";
        path = dir.Write("x.log", text);
        ASSERT_TRUE(file.Open(path));
    }
    LineEngineOptions Options(unsigned threads) const {
        LineEngineOptions options;
        options.threads = threads;
        options.blockLength = 100;
        options.partLength = 997;
        return options;
    }

    testing_support::TempDir dir;
    std::string path;
    LogFile file;
};

TEST_F(LineEngineTest, PartsAreTakenOnceEachInFileOrderAsTheExaminedPrefixGrows) {
    for (const unsigned threads : {1u, 3u}) {
        CountingClient client;
        const LineWalk walk = WalkLogFile(file, client, StopToken{}, Options(threads));
        EXPECT_EQ(walk.end, LineWalkEnd::Done);
        EXPECT_EQ(walk.bytes, file.Size());
        std::vector<std::size_t> order(client.lineEnds.size());
        for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
        EXPECT_EQ(client.taken, order) << threads;
        EXPECT_EQ(client.total, 4000) << threads;
        EXPECT_TRUE(client.grows) << threads;
        EXPECT_EQ(client.reached, file.Size()) << threads;
    }
}

TEST_F(LineEngineTest, AClientThatAnswersFalseEndsTheWalkAtThatPart) {
    CountingClient client;
    client.takeUntil = 2;
    EXPECT_EQ(WalkLogFile(file, client, StopToken{}, Options(3)).end, LineWalkEnd::Stopped);
    EXPECT_EQ(client.taken, (std::vector<std::size_t>{0, 1}));
}

// A file cut after it was opened: the same message as any read of it gives.
TEST_F(LineEngineTest, AFileShorterThanItsSizeEndsInItsReadFailure) {
    ASSERT_EQ(::truncate(path.c_str(), file.Size() / 2), 0);
    for (const unsigned threads : {1u, 3u}) {
        CountingClient client;
        const LineWalk walk = WalkLogFile(file, client, StopToken{}, Options(threads));
        EXPECT_EQ(walk.end, LineWalkEnd::ReadFailed) << threads;
        EXPECT_EQ(walk.error, std::string(gbk::kMsgReadFailed) + path) << threads;
    }
}

}  // namespace
}  // namespace corvane
