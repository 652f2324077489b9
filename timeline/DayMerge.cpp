#include "timeline/DayMerge.h"

#include <optional>

#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "scan/BlockReader.h"
#include "scan/FileNameText.h"
#include "scan/LineWalker.h"
#include "scan/LiteralMatcher.h"
#include "scan/LogFile.h"
#include "timeline/TimeIndex.h"

namespace corvane {

namespace {

// The length of the line-aligned pieces a source is read in.
constexpr std::size_t kPieceLength = std::size_t{1} << 20;

// One file of the merge: its lines that take part, one at a time, read a piece at a
// time.  The scanner's own line walker goes over each piece first, so the codes are
// the scan's: a line's code depends on the line alone.
class Cursor {
public:
    Cursor(MergeSource source, const ErrorCatalogue& catalogue,
           const std::vector<std::string>& ignoreList, const MergeRange& range,
           const TimeIndexOptions& indexOptions)
        : source_(std::move(source)),
          catalogue_(catalogue),
          literals_(BuildLiterals(source_.service, catalogue, ignoreList)),
          matcher_(literals_.texts),
          scratch_(matcher_),
          range_(range),
          indexOptions_(indexOptions) {}

    // Opens the file and finds what of it takes part; then the first line.  False
    // with `problem` when the file cannot be opened or read.
    bool Start(const StopToken& stop, std::string& problem) {
        try {
            if (!file_.Open(source_.path)) {
                problem = file_.Problem().empty()
                              ? std::string(gbk::kMsgOpenFailed) + FileNameForMessage(source_.path)
                              : file_.Problem();
                return false;
            }
            if (range_.all) {
                spans_.push_back({0, file_.Size(), false, 1, kNoTime});
            } else {
                const std::shared_ptr<const TimeIndex> index =
                    TimeIndex::For(file_, stop, indexOptions_);
                if (!index) return false;
                spans_ = index->SpansFor(range_.from, range_.to);
            }
            return Advance(stop);
        } catch (const ScanReadError& e) {
            problem = e.what();
            return false;
        }
    }

    // The line at the head of the file, valid until the next Advance.
    bool Has() const { return has_; }
    DayTime Time() const { return carried_; }
    void Fill(MergedLine& line) const {
        line.time = carried_;
        line.lineNumber = lineNumber_;
        line.offset = lineOffset_;
        line.code.assign(code_);
        line.text.assign(text_);
    }

    // On to the next line that takes part.  False when a read failed (`problem` then
    // says why) or a stop came; the file has no head line then.
    bool Advance(const StopToken& stop, std::string* problem = nullptr) {
        try {
            has_ = NextLine(stop);
            return true;
        } catch (const ScanReadError& e) {
            has_ = false;
            if (problem) *problem = e.what();
            return false;
        }
    }

private:
    bool NextLine(const StopToken& stop) {
        for (;;) {
            if (at_ == block_.end && !NextBlock(stop)) return false;
            const LineBreak lineBreak = NextLineBreak(at_, block_.end);
            const std::size_t length = static_cast<std::size_t>(lineBreak.at - at_);
            text_ = std::string_view(at_, length);
            lineOffset_ = block_.offset + (at_ - block_.begin);
            at_ = lineBreak.at + lineBreak.length;
            ++lineNumber_;
            const DayTime own = LineTimeOf(text_.substr(0, kTimeReach + 1));
            if (own != kNoTime) carried_ = own;
            if (!range_.all && (carried_ < range_.from || carried_ > range_.to)) continue;
            while (nextFinding_ < findings_.size() &&
                   findings_[nextFinding_].place.offset < lineOffset_)
                ++nextFinding_;
            code_ = nextFinding_ < findings_.size() &&
                            findings_[nextFinding_].place.offset == lineOffset_
                        ? findings_[nextFinding_].Code()
                        : std::string_view();
            return true;
        }
    }

    // The next piece of the current stretch, or of the next one.
    bool NextBlock(const StopToken& stop) {
        for (;;) {
            if (stop.stop_requested()) return false;
            if (reader_ && reader_->Next(buffer_, block_)) break;
            reader_.reset();
            if (nextSpan_ == spans_.size()) return false;
            const TimeSpan& span = spans_[nextSpan_++];
            reader_.emplace(file_, span.begin, span.end, kPieceLength, span.afterCr);
            lineNumber_ = span.firstLine - 1;
            carried_ = span.carried;
        }
        at_ = block_.begin;
        // The LF of a CR LF whose CR ended the piece before.
        if (block_.afterCr && at_ < block_.end && *at_ == '\n') ++at_;
        LineWalker walker(literals_, matcher_, scratch_, catalogue_, StopToken{}, true);
        walker.Examine(block_);
        findings_ = std::move(walker.Take().findings);
        nextFinding_ = 0;
        return true;
    }

    MergeSource source_;
    const ErrorCatalogue& catalogue_;
    const ScanLiterals literals_;
    const LiteralMatcher matcher_;
    LiteralMatcher::Scratch scratch_;
    const MergeRange range_;
    const TimeIndexOptions indexOptions_;
    LogFile file_;

    std::vector<TimeSpan> spans_;
    std::size_t nextSpan_ = 0;
    std::optional<BlockReader> reader_;
    BlockBuffer buffer_;
    Block block_;
    const char* at_ = nullptr;  // the next line's first byte in block_
    FindingList findings_;      // of block_, file offsets
    std::size_t nextFinding_ = 0;

    // The head line, its text in block_.
    bool has_ = false;
    DayTime carried_ = kNoTime;
    std::int64_t lineNumber_ = 0;
    std::int64_t lineOffset_ = 0;
    std::string_view text_;
    std::string_view code_;
};

}  // namespace

struct DayMerge::State {
    std::vector<std::unique_ptr<Cursor>> cursors;
    std::vector<MergeSource> sources;
    std::vector<std::string> problems;
    StopToken stop;
    bool started = false;
};

DayMerge::DayMerge(std::vector<MergeSource> sources, const ErrorCatalogue& catalogue,
                   const std::vector<std::vector<std::string>>& ignoreLists, MergeRange range,
                   StopToken stop, const TimeIndexOptions& indexOptions)
    : state_(std::make_unique<State>()) {
    state_->stop = std::move(stop);
    static const std::vector<std::string> kNoIgnore;
    for (std::size_t i = 0; i < sources.size(); ++i)
        state_->cursors.push_back(std::make_unique<Cursor>(
            sources[i], catalogue, i < ignoreLists.size() ? ignoreLists[i] : kNoIgnore, range,
            indexOptions));
}

DayMerge::~DayMerge() = default;

bool DayMerge::Next(MergedLine& line) {
    State& s = *state_;
    if (!s.started) {
        s.started = true;
        for (auto& cursor : s.cursors) {
            std::string problem;
            if (!cursor->Start(s.stop, problem) && !problem.empty())
                s.problems.push_back(std::move(problem));
        }
    }
    if (s.stop.stop_requested()) return false;
    // The earliest head; of equal times the first source's.  A handful of sources:
    // looking at each is as quick as a heap.
    Cursor* earliest = nullptr;
    std::size_t source = 0;
    for (std::size_t i = 0; i < s.cursors.size(); ++i) {
        Cursor& cursor = *s.cursors[i];
        if (cursor.Has() && (!earliest || cursor.Time() < earliest->Time())) {
            earliest = &cursor;
            source = i;
        }
    }
    if (!earliest) return false;
    earliest->Fill(line);
    line.source = source;
    std::string problem;
    if (!earliest->Advance(s.stop, &problem)) s.problems.push_back(std::move(problem));
    return true;
}

const std::vector<std::string>& DayMerge::Problems() const { return state_->problems; }

}  // namespace corvane
