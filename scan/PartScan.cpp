#include "scan/PartScan.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "scan/ChunkProgress.h"
#include "scan/LineEngine.h"
#include "scan/LiteralMatcher.h"
#include "scan/Scanner.h"
#include "scan/TextScan.h"

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
    explicit ScanWalker(ScanClient& client);
    void Begin(std::size_t part, const StopToken& stop) override;
    void Examine(const Block& block) override { walker_->Examine(block); }
    void End(std::size_t part) override;

private:
    ScanClient& client_;
    LiteralMatcher::Scratch scratch_;
    std::optional<LineWalker> walker_;
};

// The parts' walks joined in file order into one scan's findings and counts.
class ScanClient final : public LineClient {
public:
    ScanClient(const ScanLiterals& literals, const LiteralMatcher& matcher,
               const ErrorCatalogue& catalogue, std::function<void(std::int64_t)> reached,
               std::int64_t holdAt = -1)
        : literals_(literals),
          matcher_(matcher),
          catalogue_(catalogue),
          reached_(std::move(reached)),
          holdAt_(holdAt) {}

    void Parts(std::size_t count) override {
        walks_.resize(count);
        held_.resize(count);
    }

    std::unique_ptr<PartWalker> Walker() override { return std::make_unique<ScanWalker>(*this); }

    // The part's lines complete the most recent finding before it, and its line
    // numbers go on from the parts before; its findings stay where they are until the
    // scan's result is made, so that they are moved once, into a list of their total.
    bool Take(std::size_t part) override {
        WalkResult& walk = walks_[part];
        if (held_[part] && !end_) end_ = EndOf(*held_[part], walk);
        if (last_ != nullptr) {
            for (const CarryLine& line : walk.incoming) CarryTimeStamp(last_->text, line);
        }
        walk.incoming = {};
        if (lineEnds_ != 0) {
            for (Finding& finding : walk.findings) finding.place.line += lineEnds_;
        }
        if (!walk.findings.empty()) last_ = &walk.findings.back();
        lineEnds_ += walk.lineEnds;
        findings_ += walk.findings.size();
        unknown_ += walk.unknown;
        known_ += walk.known;
        return true;
    }

    void Reached(std::int64_t examined) override { reached_(examined); }

    // The findings and counts of the parts taken, in file order.  The list keeps room
    // for a sixteenth more: a follow of the file appends to it on the window's thread,
    // which must not move a large list at the first finding that comes.  The one
    // allocation of the join takes it when the list grows anyway.
    ScanResult Result() {
        ScanResult result;
        std::size_t total = 0;
        for (const WalkResult& walk : walks_) total += walk.findings.size();
        const std::size_t room = total + total / 16 + 16;
        for (WalkResult& walk : walks_) {
            if (result.findings.empty()) {
                result.findings = std::move(walk.findings);
                if (result.findings.capacity() < total || result.findings.size() < total)
                    result.findings.reserve(room);
            } else {
                std::move(walk.findings.begin(), walk.findings.end(),
                          std::back_inserter(result.findings));
            }
            result.unknown += walk.unknown;
            result.known += walk.known;
            walk = WalkResult();
        }
        result.end = std::move(end_);
        return result;
    }

private:
    friend class ScanWalker;

    // The state a part's walker held, as a walk of the whole file would have had it
    // there: the counts and line ends of the parts taken before it, then the part's own.
    // With no finding of its own yet, its most recent finding is the earlier parts'
    // last, completed by the part's lines before the held offset.
    ScanEnd EndOf(const LineWalker::Checkpoint& held, const WalkResult& part) const {
        ScanEnd end;
        LineWalker::Checkpoint& state = end.state;
        state.findingCount = findings_ + held.findingCount;
        state.unknown = unknown_ + held.unknown;
        state.known = known_ + held.known;
        state.lineEnds = lineEnds_ + held.lineEnds;
        if (held.last) {
            state.last = held.last;
            state.last->place.line += lineEnds_;
        } else if (last_ != nullptr) {
            state.last = *last_;
            for (std::size_t i = 0; i < held.incomingLines && i < part.incoming.size(); ++i)
                CarryTimeStamp(state.last->text, part.incoming[i]);
        }
        state.carryOpen = state.last && CarryStillPossible(state.last->text);
        return end;
    }

    const ScanLiterals& literals_;
    const LiteralMatcher& matcher_;
    const ErrorCatalogue& catalogue_;
    std::function<void(std::int64_t)> reached_;
    const std::int64_t holdAt_;
    std::vector<WalkResult> walks_;  // each written by its part's walker until taken
    // The state each part's walker held at holdAt_, if the offset lay in the part.
    std::vector<std::optional<LineWalker::Checkpoint>> held_;
    Finding* last_ = nullptr;    // the most recent finding of the parts taken
    std::int64_t lineEnds_ = 0;  // in the parts taken, and their findings and counts
    std::size_t findings_ = 0;
    std::int64_t unknown_ = 0;
    std::int64_t known_ = 0;
    std::optional<ScanEnd> end_;
};

ScanWalker::ScanWalker(ScanClient& client) : client_(client), scratch_(client.matcher_) {}

void ScanWalker::Begin(std::size_t part, const StopToken& stop) {
    walker_.emplace(client_.literals_, client_.matcher_, scratch_, client_.catalogue_, stop,
                    part == 0);
    walker_->HoldAt(client_.holdAt_);
}

void ScanWalker::End(std::size_t part) {
    client_.held_[part] = walker_->Held();
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
                       ProgressSink& row, const StopToken& stop, const ScanOptions& options,
                       std::int64_t holdAt) {
    ChunkProgress progress(file, options.chunkLength, row);
    ScanClient client(
        literals, matcher, catalogue,
        [&progress](std::int64_t examined) { progress.Reached(examined); }, holdAt);
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
                             ProgressSink& row, const StopToken& stop, const ScanOptions& options) {
    std::int64_t nextText = options.chunkLength;
    ScanClient client(literals, matcher, catalogue, [&](std::int64_t done) {
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
