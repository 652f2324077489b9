#include "scan/PartScan.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "scan/BlockReader.h"
#include "scan/ChunkProgress.h"
#include "scan/LiteralMatcher.h"
#include "scan/Scanner.h"
#include "scan/TextScan.h"

namespace corvane {
namespace {

ScanResult Stopped() {
    ScanResult result;
    result.outcome = ScanOutcome::Stopped;
    return result;
}

class PartScan {
public:
    PartScan(const LogFile& file, const ScanLiterals& literals, const ErrorCatalogue& catalogue,
             ProgressSink& row, const ScanOptions& options, const PartPlan& plan,
             std::int64_t holdAt)
        : file_(file),
          holdAt_(holdAt),
          literals_(literals),
          catalogue_(catalogue),
          options_(options),
          plan_(plan),
          parts_(plan.parts),
          partStops_(plan.parts),
          starts_(plan.parts + 1, -1),
          reached_(plan.parts, -1),
          complete_(plan.parts, false),
          progress_(file, options.chunkLength, row) {
        starts_[0] = 0;
        starts_[plan.parts] = file.Size();
    }

    ~PartScan() { StopAndJoin(); }

    ScanResult Run(const StopToken& stop) {
        progress_.Start();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            running_ = plan_.threads;
        }
        for (unsigned i = 0; i < plan_.threads; ++i) {
            try {
                workers_.emplace_back([this] { Work(); });
            } catch (const std::system_error&) {
                // Fewer threads then; with none at all, the calling thread does the work.
                std::lock_guard<std::mutex> lock(mutex_);
                running_ -= plan_.threads - i - (i == 0 ? 1 : 0);
                break;
            }
        }
        if (workers_.empty()) Work();
        {
            // Woken by the last worker, or at once by a stop request.
            std::unique_lock<std::mutex> lock(mutex_);
            workDone_.wait(lock, stop, [this] { return running_ == 0; });
        }
        if (stop.stop_requested()) {
            StopAndJoin();
            return Stopped();
        }
        StopAndJoin();
        return Join(stop);
    }

private:
    struct Part {
        WalkResult walk;
        std::optional<LineWalker::Checkpoint> held;
        std::exception_ptr failure;
    };

    // Stops the walks of parts `first` and later: the scan is abandoned (0), or an
    // earlier part failed and their answers are lost anyway.
    void StopPartsFrom(std::size_t first) {
        for (std::size_t k = first; k < partStops_.size(); ++k) partStops_[k].request_stop();
    }

    void StopAndJoin() {
        StopPartsFrom(0);
        for (std::thread& worker : workers_)
            if (worker.joinable()) worker.join();
    }

    // The literals are compiled by the first worker, while the others wait for them
    // and the calling thread goes on serving the window: a large catalogue takes tens
    // of milliseconds to compile.  Literals the engine refuses are tried once; every
    // worker gets the same error.
    const LiteralMatcher& Matcher() {
        std::call_once(compiled_, [this] {
            try {
                matcher_ = std::make_unique<LiteralMatcher>(literals_.texts);
            } catch (...) {
                compileFailure_ = std::current_exception();
            }
        });
        if (compileFailure_) std::rethrow_exception(compileFailure_);
        return *matcher_;
    }

    void Work() {
        try {
            BlockBuffer buffer;
            const LiteralMatcher& matcher = Matcher();
            LiteralMatcher::Scratch scratch(matcher);
            for (;;) {
                const std::size_t k = nextPart_.fetch_add(1);
                if (k >= plan_.parts || partStops_[k].stop_requested()) break;
                try {
                    ScanPart(k, buffer, matcher, scratch);
                } catch (...) {
                    parts_[k].failure = std::current_exception();
                    StopPartsFrom(k + 1);
                }
            }
        } catch (...) {
            // Literals the engine refuses, or no working memory for this thread: the
            // scan cannot be completed.
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (!failure_) failure_ = std::current_exception();
            }
            StopPartsFrom(0);
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            --running_;
        }
        workDone_.notify_all();
    }

    void ScanPart(std::size_t k, BlockBuffer& buffer, const LiteralMatcher& matcher,
                  LiteralMatcher::Scratch& scratch) {
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
            const StopToken stop = partStops_[k].get_token();
            LineWalker walker(literals_, matcher, scratch, catalogue_, stop, k == 0);
            walker.HoldAt(holdAt_);
            Block block;
            while (reader.Next(buffer, block)) {
                walker.Examine(block);
                if (stop.stop_requested()) return;
                Reached(k, block.offset + (block.end - block.begin), false);
            }
            parts_[k].held = walker.Held();
            parts_[k].walk = walker.Take();
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

    // Part k has been examined up to `done`: the progress texts follow the text
    // examined from the file's start.
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
        if (prefix >= 0) progress_.Reached(prefix);
    }

    // The state a part's walker held, as a walk of the whole file would have had it
    // there: the parts before it joined in `result` (their counts and line ends given),
    // the part's own state after them.  With no finding of its own yet, its most recent
    // finding is the earlier parts' last, completed by the part's lines before the
    // held offset.
    static ScanEnd EndOf(const LineWalker::Checkpoint& held, const WalkResult& part,
                         const ScanResult& result, std::int64_t unknown, std::int64_t known,
                         std::int64_t lineEnds) {
        ScanEnd end;
        LineWalker::Checkpoint& state = end.state;
        state.findingCount = result.findings.size() + held.findingCount;
        state.unknown = unknown + held.unknown;
        state.known = known + held.known;
        state.lineEnds = lineEnds + held.lineEnds;
        if (held.last) {
            state.last = held.last;
            state.last->place.line += lineEnds;
        } else if (!result.findings.empty()) {
            state.last = result.findings.back();
            for (std::size_t i = 0; i < held.incomingLines && i < part.incoming.size(); ++i)
                CarryTimeStamp(state.last->text, part.incoming[i]);
        }
        state.carryOpen = state.last && CarryStillPossible(state.last->text);
        return end;
    }

    // The parts' answers in file order, as one scan of the whole file gives them.
    ScanResult Join(const StopToken& stop) {
        if (failure_) std::rethrow_exception(failure_);
        for (Part& part : parts_)
            if (part.failure) std::rethrow_exception(part.failure);
        ScanResult result;
        std::size_t total = 0;
        for (const Part& part : parts_) total += part.walk.findings.size();
        result.findings.reserve(total);
        std::size_t moved = 0;
        std::int64_t lineEnds = 0;
        std::int64_t unknown = 0;
        std::int64_t known = 0;
        for (Part& part : parts_) {
            WalkResult& walk = part.walk;
            if (part.held && !result.end)
                result.end = EndOf(*part.held, walk, result, unknown, known, lineEnds);
            if (!result.findings.empty()) {
                for (const CarryLine& line : walk.incoming)
                    CarryTimeStamp(result.findings.back().text, line);
            }
            for (std::size_t i = 0; i < walk.findings.size(); ++i) {
                if (++moved % 4096 == 0 && stop.stop_requested()) return Stopped();
                result.findings.push_back(std::move(walk.findings[i]));
                result.findings.back().place.line += lineEnds;
            }
            lineEnds += walk.lineEnds;
            unknown += walk.unknown;
            known += walk.known;
            walk = WalkResult();
        }
        result.unknown = unknown;
        result.known = known;
        return result;
    }

    const LogFile& file_;
    const std::int64_t holdAt_;
    const ScanLiterals& literals_;
    std::once_flag compiled_;
    std::unique_ptr<LiteralMatcher> matcher_;  // set once, by the first worker
    std::exception_ptr compileFailure_;        // or this
    const ErrorCatalogue& catalogue_;
    const ScanOptions& options_;
    const PartPlan plan_;

    std::vector<Part> parts_;  // each written by the worker of its part only
    std::vector<std::thread> workers_;
    std::atomic<std::size_t> nextPart_{0};
    // One per part, requested when its walk is no longer wanted (StopPartsFrom).
    std::vector<StopSource> partStops_;

    std::mutex mutex_;
    std::condition_variable_any workDone_;
    std::size_t running_ = 0;           // guarded by mutex_
    std::exception_ptr failure_;        // guarded by mutex_: a worker that could not start
    std::vector<std::int64_t> starts_;  // guarded by mutex_; -1 not yet known

    std::mutex progressMutex_;  // one progress text at a time, in order
    std::vector<std::int64_t> reached_;
    std::vector<bool> complete_;
    std::size_t prefixPart_ = 0;  // parts before it are complete
    ChunkProgress progress_;
};

}  // namespace

PartPlan PlanParts(std::int64_t size, const ScanOptions& options) {
    PartPlan plan;
    if (options.threads < 2 || size <= 0) return plan;
    if (options.partLength > 0) {
        plan.partLength = options.partLength;
    } else {
        // A few parts per thread keep the threads busy to the end; parts of a few MiB
        // keep the progress texts close behind the work.
        constexpr std::int64_t kMinPart = std::int64_t{1} << 20;
        constexpr std::int64_t kMaxPart = std::int64_t{16} << 20;
        plan.partLength = std::clamp<std::int64_t>(size / (4 * std::int64_t{options.threads}),
                                                   kMinPart, kMaxPart);
    }
    plan.parts = static_cast<std::size_t>((size + plan.partLength - 1) / plan.partLength);
    plan.threads = static_cast<unsigned>(std::min<std::size_t>(options.threads, plan.parts));
    return plan;
}

ScanResult ScanInParts(const LogFile& file, const ScanLiterals& literals,
                       const ErrorCatalogue& catalogue, ProgressSink& row, const StopToken& stop,
                       const ScanOptions& options, const PartPlan& plan, std::int64_t holdAt) {
    PartScan scan(file, literals, catalogue, row, options, plan, holdAt);
    return scan.Run(stop);
}

}  // namespace corvane
