#include "scan/LineEngine.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <stop_token>
#include <system_error>
#include <thread>
#include <vector>

#include "scan/GzipCopy.h"

namespace corvane {
namespace {

LineWalk Ended(LineWalkEnd end, std::int64_t bytes = 0) {
    LineWalk walk;
    walk.end = end;
    walk.bytes = bytes;
    return walk;
}

LineWalk ReadFailed(const ScanReadError& e) {
    LineWalk walk = Ended(LineWalkEnd::ReadFailed);
    walk.error = e.what();
    return walk;
}

// The whole file on the calling thread, with the reader ahead on a thread of its own
// when the file is more than a couple of blocks.
LineWalk WalkWhole(const LogFile& file, LineClient& client, const StopToken& stop,
                   const LineEngineOptions& options) {
    client.Parts(1);
    const std::unique_ptr<PartWalker> walker = client.Walker();
    walker->Begin(0, stop);
    const LineWalk walk =
        WalkRange(file, {0, file.Size(), false}, *walker, stop, options.blockLength,
                  options.countLineEnds, [&client](std::int64_t examined) {
                      client.Reached(examined);
                      return client.TakeSoFar(0);
                  });
    if (walk.end != LineWalkEnd::Done) return walk;
    walker->End(0);
    if (stop.stop_requested() || !client.Take(0)) return Ended(LineWalkEnd::Stopped);
    return Ended(LineWalkEnd::Done, file.Size());
}

// The file in parts on worker threads; the calling thread waits for each part in
// file order and hands it to the client.
class PartWalk {
public:
    PartWalk(const LogFile& file, LineClient& client, const PartPlan& plan,
             const LineEngineOptions& options)
        : file_(file),
          client_(client),
          plan_(plan),
          options_(options),
          parts_(plan.parts),
          partStops_(plan.parts),
          starts_(plan.parts + 1, -1),
          reached_(plan.parts, -1),
          complete_(plan.parts, false) {
        starts_[0] = 0;
        starts_[plan.parts] = file.Size();
    }

    ~PartWalk() { StopAndJoin(); }
    PartWalk(const PartWalk&) = delete;
    PartWalk& operator=(const PartWalk&) = delete;

    LineWalk Run(const StopToken& stop) {
        client_.Parts(plan_.parts);
        // The walks end at the request, wherever it comes from, not only once the
        // calling thread has woken.
        const std::stop_callback stopParts(stop, [this] { StopPartsFrom(0); });
        for (unsigned i = 0; i < plan_.threads; ++i) {
            try {
                workers_.emplace_back([this] { Work(); });
            } catch (const std::system_error&) {
                break;  // fewer threads; with none at all, the calling thread walks
            }
        }
        std::unique_ptr<PartWalker> own;
        BlockBuffer buffer;
        for (std::size_t k = 0; k < plan_.parts; ++k) {
            if (workers_.empty()) {
                if (!own) own = client_.Walker();
                WalkPart(k, *own, buffer);
            } else {
                std::unique_lock<std::mutex> lock(mutex_);
                partDone_.wait(lock, stop, [&] { return parts_[k].done || failure_; });
                if (failure_) std::rethrow_exception(failure_);  // the destructor joins
            }
            if (stop.stop_requested()) return Ended(LineWalkEnd::Stopped);
            if (parts_[k].failure) {
                StopAndJoin();
                try {
                    std::rethrow_exception(parts_[k].failure);
                } catch (const ScanReadError& e) {
                    return ReadFailed(e);
                }
            }
            if (!client_.Take(k)) return Ended(LineWalkEnd::Stopped);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                taken_ = k + 1;
            }
            partTaken_.notify_all();
        }
        return Ended(LineWalkEnd::Done, file_.Size());
    }

private:
    struct Part {
        std::exception_ptr failure;  // written by the part's walker, read once it is done
        bool done = false;           // guarded by mutex_
    };

    // Stops the walks of parts `first` and later: the walk is abandoned (0), or an
    // earlier part failed and their answers are lost anyway.
    void StopPartsFrom(std::size_t first) {
        for (std::size_t k = first; k < partStops_.size(); ++k) partStops_[k].request_stop();
    }

    void StopAndJoin() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        StopPartsFrom(0);
        partTaken_.notify_all();
        for (std::thread& worker : workers_)
            if (worker.joinable()) worker.join();
    }

    void Work() {
        try {
            const std::unique_ptr<PartWalker> walker = client_.Walker();
            BlockBuffer buffer;
            const std::size_t ahead = options_.partsAhead > 0 ? options_.partsAhead : plan_.parts;
            for (;;) {
                std::size_t k;
                {
                    std::unique_lock<std::mutex> lock(mutex_);
                    partTaken_.wait(lock, [&] {
                        return stopping_ || next_ >= plan_.parts || next_ < taken_ + ahead;
                    });
                    if (stopping_ || next_ >= plan_.parts) break;
                    k = next_++;
                }
                WalkPart(k, *walker, buffer);
            }
        } catch (...) {
            // No walker for this thread (no memory for its working space): the walk
            // cannot be completed.
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (!failure_) failure_ = std::current_exception();
            }
            StopPartsFrom(0);
            partDone_.notify_all();
        }
    }

    void WalkPart(std::size_t k, PartWalker& walker, BlockBuffer& buffer) {
        const StopToken stop = partStops_[k].get_token();
        try {
            if (!stop.stop_requested()) WalkBlocks(k, walker, buffer, stop);
        } catch (...) {
            parts_[k].failure = std::current_exception();
            StopPartsFrom(k + 1);
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            parts_[k].done = true;
        }
        partDone_.notify_all();
    }

    void WalkBlocks(std::size_t k, PartWalker& walker, BlockBuffer& buffer, const StopToken& stop) {
        const std::int64_t begin = PartStart(k);
        const std::int64_t end = PartStart(k + 1);
        if (begin < end) {
            bool afterCr = false;
            if (begin > 0) {
                char before = 0;
                file_.Read(&before, 1, begin - 1);
                afterCr = before == '\r';
            }
            BlockReader reader(file_, begin, end, options_.blockLength, afterCr);
            walker.Begin(k, stop);
            Block block;
            while (reader.Next(buffer, block)) {
                walker.Examine(block);
                if (stop.stop_requested()) return;
                Reached(k, block.offset + (block.end - block.begin), false);
            }
            walker.End(k);
        }
        Reached(k, std::max(begin, end), true);
    }

    // The start of part k: just after the first line end at or after byte
    // k * partLength - 1, or the end of the file.  A line end found serves every later
    // part whose search would begin at or before it, so a long line is searched once.
    std::int64_t PartStart(std::size_t k) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (starts_[k] >= 0) return starts_[k];
        }
        const std::int64_t from = static_cast<std::int64_t>(k) * plan_.partLength - 1;
        const std::int64_t lineEnd = file_.FindLineEnd(from);
        const std::int64_t start = std::min(lineEnd + 1, file_.Size());
        std::lock_guard<std::mutex> lock(mutex_);
        for (std::size_t j = k;
             j < plan_.parts && static_cast<std::int64_t>(j) * plan_.partLength - 1 <= lineEnd;
             ++j) {
            if (starts_[j] < 0) starts_[j] = start;
        }
        return starts_[k];
    }

    // Part k has been examined up to `done`: the client hears how far the text
    // examined from the file's start reaches.
    void Reached(std::size_t k, std::int64_t done, bool complete) {
        std::lock_guard<std::mutex> lock(progressMutex_);
        reached_[k] = done;
        complete_[k] = complete;
        std::int64_t prefix = -1;
        while (prefixPart_ < plan_.parts) {
            prefix = std::max(prefix, reached_[prefixPart_]);
            if (!complete_[prefixPart_]) break;
            ++prefixPart_;
        }
        if (prefix >= 0) client_.Reached(prefix);
    }

    const LogFile& file_;
    LineClient& client_;
    const PartPlan plan_;
    const LineEngineOptions& options_;
    std::vector<Part> parts_;
    // One per part, requested when its walk is no longer wanted (StopPartsFrom).
    std::vector<StopSource> partStops_;
    std::vector<std::thread> workers_;

    std::mutex mutex_;
    std::condition_variable_any partDone_;
    std::condition_variable partTaken_;
    std::size_t next_ = 0;              // guarded by mutex_: the first part not yet walked
    std::size_t taken_ = 0;             // guarded by mutex_: the parts the client took
    bool stopping_ = false;             // guarded by mutex_
    std::exception_ptr failure_;        // guarded by mutex_: a worker without a walker
    std::vector<std::int64_t> starts_;  // guarded by mutex_; -1 not yet known

    std::mutex progressMutex_;  // one Reached at a time, in order
    std::vector<std::int64_t> reached_;
    std::vector<bool> complete_;
    std::size_t prefixPart_ = 0;  // parts before it are complete
};

}  // namespace

PartPlan PlanParts(std::int64_t size, unsigned threads, std::int64_t partLength) {
    PartPlan plan;
    if (threads < 2 || size <= 0) return plan;
    if (partLength > 0) {
        plan.partLength = partLength;
    } else {
        // A few parts per thread keep the threads busy to the end; parts of a few MiB
        // keep the progress close behind the work.
        constexpr std::int64_t kMinPart = std::int64_t{1} << 20;
        constexpr std::int64_t kMaxPart = std::int64_t{16} << 20;
        plan.partLength =
            std::clamp<std::int64_t>(size / (4 * std::int64_t{threads}), kMinPart, kMaxPart);
    }
    plan.parts = static_cast<std::size_t>((size + plan.partLength - 1) / plan.partLength);
    plan.threads = static_cast<unsigned>(std::min<std::size_t>(threads, plan.parts));
    return plan;
}

LineWalk WalkRange(const LogFile& file, const LineRange& range, PartWalker& walker,
                   const StopToken& stop, std::size_t blockLength, bool countLineEnds,
                   const std::function<bool(std::int64_t examined)>& examined) {
    BlockReader reader(file, range.begin, range.end, blockLength, range.afterCr);
    // A range of a block or two is read faster than a thread starts.
    const bool readAhead = static_cast<std::uint64_t>(range.end - range.begin) / 2 >=
                           std::max<std::size_t>(blockLength, 1);
    // The reader's line numbers count from where it begins: they are the walker's only
    // when it begins the file.
    if (readAhead && countLineEnds && range.begin == 0) reader.CountLineEnds();
    BlockSource blocks(reader, readAhead);
    Block block;
    while (blocks.Next(block)) {
        if (stop.stop_requested()) return Ended(LineWalkEnd::Stopped);
        walker.Examine(block);
        if (stop.stop_requested()) return Ended(LineWalkEnd::Stopped);
        if (examined && !examined(block.offset + (block.end - block.begin)))
            return Ended(LineWalkEnd::Stopped);
    }
    return Ended(LineWalkEnd::Done, range.end - range.begin);
}

LineWalk WalkLogFile(const LogFile& file, LineClient& client, const StopToken& stop,
                     const LineEngineOptions& options) {
    try {
        const PartPlan plan = PlanParts(file.Size(), options.threads, options.partLength);
        if (plan.parts < 2 || plan.threads < 2) return WalkWhole(file, client, stop, options);
        PartWalk parts(file, client, plan, options);
        return parts.Run(stop);
    } catch (const ScanReadError& e) {
        return ReadFailed(e);
    }
}

LineWalk WalkCompressedLog(const FileDescriptor& in, const std::string& path, LineClient& client,
                           const StopToken& stop) {
    client.Parts(1);
    const std::unique_ptr<PartWalker> walker = client.Walker();
    walker->Begin(0, stop);
    std::int64_t done = 0;
    const CompressedLines end = ForEachCompressedBlock(
        in,
        [&](const Block& block) {
            if (stop.stop_requested()) return false;
            walker->Examine(block);
            return !stop.stop_requested() && client.TakeSoFar(0);
        },
        [&](std::int64_t bytes) {
            done = bytes;
            client.Reached(bytes);
        });
    if (end == CompressedLines::Stopped) return Ended(LineWalkEnd::Stopped);
    if (end != CompressedLines::Done) {
        LineWalk walk = Ended(LineWalkEnd::StreamFailed);
        walk.error = CompressedLogFailure(end, path);
        return walk;
    }
    walker->End(0);
    if (stop.stop_requested() || !client.Take(0)) return Ended(LineWalkEnd::Stopped);
    return Ended(LineWalkEnd::Done, done);
}

}  // namespace corvane
