#include "scan/PartScan.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "scan/ChunkProgress.h"
#include "scan/LineEngine.h"
#include "scan/LiteralMatcher.h"
#include "scan/Scanner.h"

namespace corvane {
namespace {

ScanResult Ended(ScanOutcome outcome, std::string error = {}) {
    ScanResult result;
    result.outcome = outcome;
    result.error = std::move(error);
    return result;
}

class ScanClient;

// The scanner's line walker of one thread, a new one for each part.
class ScanWalker final : public PartWalker {
public:
    ScanWalker(ScanClient& client, EventPump& pump);
    void Begin(std::size_t part, const StopToken& stop) override;
    void Examine(const Block& block) override { walker_->Examine(block); }
    void End(std::size_t part) override;

private:
    ScanClient& client_;
    EventPump& pump_;
    LiteralMatcher::Scratch scratch_;
    std::optional<LineWalker> walker_;
};

// The parts' walks joined in file order into one scan's findings and counts.
class ScanClient final : public LineClient {
public:
    ScanClient(const ScanLiterals& literals, const LiteralMatcher& matcher,
               const ErrorCatalogue& catalogue, EventPump& pump,
               std::function<void(std::int64_t)> reached)
        : literals_(literals),
          matcher_(matcher),
          catalogue_(catalogue),
          pump_(pump),
          reached_(std::move(reached)) {}

    void Parts(std::size_t count) override { walks_.resize(count); }

    // The window's pump is served by the thread that called the scan alone; workers
    // have no events to serve.
    std::unique_ptr<PartWalker> Walker() override {
        return std::make_unique<ScanWalker>(
            *this, std::this_thread::get_id() == caller_ ? pump_ : nullPump_);
    }

    // The part's lines complete the most recent finding before it, and its line
    // numbers go on from the parts before; its findings stay where they are until the
    // scan's result is made, so that they are moved once, into a list of their total.
    bool Take(std::size_t part) override {
        WalkResult& walk = walks_[part];
        if (last_ != nullptr) {
            for (const CarryLine& line : walk.incoming) CarryTimeStamp(last_->text, line);
        }
        walk.incoming = {};
        if (lineEnds_ != 0) {
            for (Finding& finding : walk.findings) finding.place.line += lineEnds_;
        }
        if (!walk.findings.empty()) last_ = &walk.findings.back();
        lineEnds_ += walk.lineEnds;
        return true;
    }

    void Reached(std::int64_t examined) override { reached_(examined); }

    // The findings and counts of the parts taken, in file order.
    ScanResult Result() {
        ScanResult result;
        std::size_t total = 0;
        for (const WalkResult& walk : walks_) total += walk.findings.size();
        for (WalkResult& walk : walks_) {
            if (result.findings.empty()) {
                result.findings = std::move(walk.findings);
                result.findings.reserve(total);
            } else {
                std::move(walk.findings.begin(), walk.findings.end(),
                          std::back_inserter(result.findings));
            }
            result.unknown += walk.unknown;
            result.known += walk.known;
            walk = WalkResult();
        }
        return result;
    }

private:
    friend class ScanWalker;

    const ScanLiterals& literals_;
    const LiteralMatcher& matcher_;
    const ErrorCatalogue& catalogue_;
    EventPump& pump_;
    NullEventPump nullPump_;
    const std::thread::id caller_ = std::this_thread::get_id();
    std::function<void(std::int64_t)> reached_;
    std::vector<WalkResult> walks_;  // each written by its part's walker until taken
    Finding* last_ = nullptr;        // the most recent finding of the parts taken
    std::int64_t lineEnds_ = 0;      // in the parts taken
};

ScanWalker::ScanWalker(ScanClient& client, EventPump& pump)
    : client_(client), pump_(pump), scratch_(client.matcher_) {}

void ScanWalker::Begin(std::size_t part, const StopToken& stop) {
    walker_.emplace(client_.literals_, client_.matcher_, scratch_, client_.catalogue_, pump_, stop,
                    part == 0);
}

void ScanWalker::End(std::size_t part) {
    client_.walks_[part] = walker_->Take();
    walker_.reset();
}

// The scan's answer for how the engine's walk ended.
ScanResult Outcome(LineWalk walk, ScanClient& client) {
    switch (walk.end) {
        case LineWalkEnd::Done:
            break;
        case LineWalkEnd::Stopped:
            return Ended(ScanOutcome::Stopped);
        case LineWalkEnd::ReadFailed:
            return Ended(ScanOutcome::ReadFailed, std::move(walk.error));
        case LineWalkEnd::StreamFailed:
            return Ended(ScanOutcome::OpenFailed, std::move(walk.error));
    }
    ScanResult result = client.Result();
    result.bytes = walk.bytes;
    return result;
}

}  // namespace

ScanResult ScanInParts(const LogFile& file, const ScanLiterals& literals,
                       const LiteralMatcher& matcher, const ErrorCatalogue& catalogue,
                       ProgressSink& row, EventPump& pump, const StopToken& stop,
                       const ScanOptions& options) {
    ChunkProgress progress(file, options.chunkLength, row);
    ScanClient client(literals, matcher, catalogue, pump,
                      [&progress](std::int64_t examined) { progress.Reached(examined); });
    LineEngineOptions engine;
    engine.threads = options.threads;
    engine.blockLength = options.blockLength;
    engine.partLength = options.partLength;
    // The walker numbers its lines through the blocks' line index when it has one.
    engine.countLineEnds = true;
    progress.Start();
    ScanResult result = Outcome(WalkLogFile(file, client, stop, engine), client);
    if (result.outcome == ScanOutcome::Scanned) progress.Finish();
    return result;
}

ScanResult ScanCompressedLog(const FileDescriptor& in, const std::string& path,
                             std::int64_t recorded, const ScanLiterals& literals,
                             const LiteralMatcher& matcher, const ErrorCatalogue& catalogue,
                             ProgressSink& row, EventPump& pump, const StopToken& stop,
                             const ScanOptions& options) {
    std::int64_t nextText = options.chunkLength;
    ScanClient client(literals, matcher, catalogue, pump, [&](std::int64_t done) {
        row.SetProgressBytes(done, std::max(recorded, done));
        if (done >= nextText) {
            row.SetProgressText(ProgressText(done, std::max(recorded, done)));
            nextText += options.chunkLength;
        }
    });
    row.SetProgressText(ProgressText(0, recorded));
    ScanResult result = Outcome(WalkCompressedLog(in, path, client, stop), client);
    if (result.outcome == ScanOutcome::Scanned)
        row.SetProgressText(ProgressText(result.bytes, result.bytes));
    return result;
}

}  // namespace corvane
