#include "follow/FollowedFile.h"

#include <algorithm>
#include <cerrno>

#include "base/LineEnds.h"
#include "scan/BlockReader.h"
#include "scan/LineEngine.h"
#include "scan/LineWalker.h"
#include "scan/LiteralMatcher.h"
#include "scan/LogFile.h"

namespace corvane {
namespace {

FollowProblem ProblemOfPath(const std::string& path) {
    errno = 0;
    const std::optional<FileStatus> status = StatusOfPath(path);
    if (!status)
        return errno == ENOENT || errno == ENOTDIR ? FollowProblem::Missing
                                                   : FollowProblem::Unreadable;
    return status->regular ? FollowProblem::Unreadable : FollowProblem::NotAFile;
}

bool SameFile(const FileStamp& a, const FileStamp& b) {
    return a.device == b.device && a.inode == b.inode;
}

}  // namespace

// What the walk over the file needs and keeps: the literals compiled once, the open
// file and the walker that holds the findings so far.
struct FollowedFile::Walk {
    ScanLiterals literals;
    LiteralMatcher matcher;
    LiteralMatcher::Scratch scratch;
    std::unique_ptr<LogFile> file = std::make_unique<LogFile>();
    bool open = false;
    bool everOpen = false;
    std::unique_ptr<LineWalker> walker;

    explicit Walk(ScanLiterals compiled)
        : literals(std::move(compiled)), matcher(literals.texts), scratch(matcher) {}
};

FollowedFile::FollowedFile(std::string serviceCode, std::string path,
                           const ErrorCatalogue& catalogue,
                           const std::vector<std::string>& ignoreList, StopToken stop,
                           const FollowedFileOptions& options)
    : serviceCode_(std::move(serviceCode)),
      path_(std::move(path)),
      catalogue_(catalogue),
      stop_(std::move(stop)),
      blockLength_(std::max<std::size_t>(options.blockLength, 1)),
      lastLineSoFar_(options.lastLineSoFar),
      walk_(std::make_unique<Walk>(BuildLiterals(serviceCode_, catalogue, ignoreList))) {
    StartOver();
}

FollowedFile::~FollowedFile() = default;

const FindingList& FollowedFile::Findings() const { return walk_->walker->Current().findings; }
std::int64_t FollowedFile::Known() const { return walk_->walker->Current().known; }
std::int64_t FollowedFile::Unknown() const { return walk_->walker->Current().unknown; }
const FileStamp& FollowedFile::Stamp() const { return walk_->file->Stamp(); }

void FollowedFile::StartOver() {
    provisional_.reset();
    walk_->walker = std::make_unique<LineWalker>(walk_->literals, walk_->matcher, walk_->scratch,
                                                 catalogue_, stop_);
    base_ = 0;
    examined_ = 0;
    afterCr_ = false;
    head_.clear();
    tail_.clear();
}

bool FollowedFile::OpenFile() {
    auto fresh = std::make_unique<LogFile>();
    if (!fresh->Open(path_)) return false;
    walk_->file = std::move(fresh);
    walk_->open = true;
    drained_ = false;
    return true;
}

void FollowedFile::SetProblem(FollowProblem problem, FollowUpdate& update) {
    update.problem = problem;
    update.problemBegan = problem != FollowProblem::None && problem != problem_;
    problem_ = problem;
}

// Opens the file on the first look, and afterwards tells whether the path still names
// the file being followed, as long as it was and with the same first bytes and bytes
// before the end.  `drain`: the path names another file, and the open one is to be
// read to its end first.
std::optional<FollowReset> FollowedFile::CheckFile(FollowUpdate& update, bool& drain) {
    Walk& walk = *walk_;
    if (!walk.open) {
        if (!OpenFile()) {
            SetProblem(ProblemOfPath(path_), update);
            return std::nullopt;
        }
        SetProblem(FollowProblem::None, update);
        const bool again = walk.everOpen;
        walk.everOpen = true;
        StartOver();
        return again ? std::optional(FollowReset::Replaced) : std::nullopt;
    }
    errno = 0;
    const std::optional<FileStatus> status = StatusOfPath(path_);
    if (!status || !status->regular) {
        // Followed no further until the path names a file again; what was found stays.
        SetProblem(ProblemOfPath(path_), update);
        return std::nullopt;
    }
    if (!SameFile(status->stamp, walk.file->Stamp())) {
        // Rotated by rename, or removed and created again: the lines the old file got
        // before that are read first, as `tail -F` does, or they would be lost with it.
        // Once only, so that a writer that still appends to it cannot hold the new
        // file back.
        if (!drained_ && LeftToDrain()) {
            SetProblem(FollowProblem::None, update);
            drain = true;
            return std::nullopt;
        }
        if (!OpenFile()) {
            SetProblem(ProblemOfPath(path_), update);
            return std::nullopt;
        }
        SetProblem(FollowProblem::None, update);
        StartOver();
        return FollowReset::Replaced;
    }
    if (!walk.file->Refresh()) {
        SetProblem(FollowProblem::Unreadable, update);
        return std::nullopt;
    }
    SetProblem(FollowProblem::None, update);
    if (walk.file->Size() < examined_ || !StillSameBytes()) {
        StartOver();
        return FollowReset::Truncated;
    }
    return std::nullopt;
}

// Whether the open file holds bytes after the examined end that continue what was
// examined (it was not cut or written over before it went).
bool FollowedFile::LeftToDrain() {
    return walk_->file->Refresh() && walk_->file->Size() > examined_ && StillSameBytes();
}

bool FollowedFile::StillSameBytes() const {
    const auto same = [this](const std::string& kept, std::int64_t at) {
        if (kept.empty()) return true;
        std::string now(kept.size(), '\0');
        walk_->file->Read(now.data(), now.size(), at);
        return now == kept;
    };
    try {
        return same(head_, 0) && same(tail_, examined_ - static_cast<std::int64_t>(tail_.size()));
    } catch (const ScanReadError&) {
        return false;
    }
}

bool FollowedFile::EndsWithCr(std::int64_t end) const {
    if (end == 0) return false;
    char last = 0;
    walk_->file->Read(&last, 1, end - 1);
    return last == '\r';
}

bool FollowedFile::ExamineTo(std::int64_t end, bool endsAfterCr) {
    Walk& walk = *walk_;
    if (!Examine(end)) return false;
    examined_ = end;
    afterCr_ = endsAfterCr;
    tail_.resize(static_cast<std::size_t>(std::min(kFollowTailLength, end)));
    walk.file->Read(tail_.data(), tail_.size(), end - static_cast<std::int64_t>(tail_.size()));
    const std::int64_t headLength = std::min(kFollowHeadLength, end);
    if (static_cast<std::int64_t>(head_.size()) < headLength) {
        head_.resize(static_cast<std::size_t>(headLength));
        walk.file->Read(head_.data(), head_.size(), 0);
    }
    return true;
}

// Hands the walker the lines of [examined_, end); false when a stop came inside.
bool FollowedFile::Examine(std::int64_t end) {
    // The engine's walk of one range, with the walker that goes on across the looks.
    class GoingOn final : public PartWalker {
    public:
        explicit GoingOn(LineWalker& walker) : walker_(walker) {}
        void Begin(std::size_t, const StopToken&) override {}
        void Examine(const Block& block) override { walker_.Examine(block); }
        void End(std::size_t) override {}

    private:
        LineWalker& walker_;
    } walker(*walk_->walker);
    walked_ += end - examined_;
    return WalkRange(*walk_->file, {examined_, end, afterCr_}, walker, stop_, blockLength_, true)
               .end == LineWalkEnd::Done;
}

void FollowedFile::GoOnFrom(const ScanEnd& end, const FindingList& scanned,
                            const FileStamp& stamp) {
    Walk& walk = *walk_;
    walk.everOpen = true;
    // Another file at the path by now, or one cut short: the first look reads it from
    // its start and tells the reset.
    if (!OpenFile()) return;
    if (!SameFile(walk.file->Stamp(), stamp) || walk.file->Size() < stamp.size ||
        stamp.size < end.examined || end.state.findingCount > scanned.size()) {
        walk.open = false;
        return;
    }
    const LineWalker::Checkpoint& state = end.state;
    walk.walker->GoOnFrom(state);
    base_ = state.findingCount - (state.last ? 1 : 0);
    examined_ = end.examined;
    afterCr_ = end.afterCr;
    head_ = end.head;
    tail_ = end.tail;
    if (lastLineSoFar_ && stamp.size > end.examined) {
        // The scan examined the last line before its line end came: its findings from
        // there stand until the line is examined again.
        provisional_ = walk.walker->Remember();
        provisionalEnd_ = stamp.size;
        std::int64_t known = 0;
        std::int64_t unknown = 0;
        for (std::size_t i = state.findingCount; i < scanned.size(); ++i)
            ++(scanned[i].Code() == kUnknownCode ? unknown : known);
        walk.walker->Adopt(
            FindingList(scanned.begin() + static_cast<std::ptrdiff_t>(base_), scanned.end()),
            state.known + known, state.unknown + unknown);
    }
}

FollowUpdate FollowedFile::Update() {
    FollowUpdate update;
    std::size_t before = FindingCount();
    const std::size_t lastLength = before > 0 ? Findings().back().text.size() : 0;
    // A last line examined before its end came, with what it gave from the finding its
    // line could complete on, to tell whether examining it again changes them.
    std::optional<std::size_t> redoneFrom;
    FindingList shown;
    const bool everOpen = walk_->everOpen;
    try {
        bool drain = false;
        update.reset = CheckFile(update, drain);
        if (update.reset) before = 0;
        update.appeared = walk_->open && !everOpen;
        if (walk_->open && update.problem == FollowProblem::None && !stop_.stop_requested()) {
            const std::int64_t size = walk_->file->Size();
            if (provisional_ && (size != provisionalEnd_ || drain)) {
                redoneFrom = provisional_->findingCount - (provisional_->last ? 1 : 0);
                shown.assign(Findings().begin() + static_cast<std::ptrdiff_t>(*redoneFrom),
                             Findings().end());
                walk_->walker->GoBack(*provisional_);
                provisional_.reset();
            }
            bool endsAfterCr = false;
            // A file drained before the new one is taken ends where it is: nothing will
            // complete its last line under this name any more.
            const std::int64_t end = provisional_ ? examined_
                                     : drain
                                         ? size
                                         : walk_->file->CompleteLinesEnd(examined_, endsAfterCr);
            if (drain) {
                endsAfterCr = EndsWithCr(end);
                drained_ = true;
                update.lookAgain = true;
            }
            bool completed = end <= examined_ || ExamineTo(end, endsAfterCr);
            if (completed && lastLineSoFar_ && !provisional_ && !drain && size > examined_) {
                provisional_ = walk_->walker->Remember();
                provisionalEnd_ = size;
                completed = Examine(size);
            }
            if (!completed) {
                // Stopped inside a block: the walk cannot go on from there, and the
                // findings it held are gone.  The caller stops too; it is told nothing,
                // so what it holds stays as the last look left it.
                StartOver();
                walk_->open = false;
                walk_->everOpen = false;
                FollowUpdate nothing;
                nothing.findingCount = nothing.firstNew = FindingCount();
                return nothing;
            }
        }
    } catch (const ScanReadError&) {
        // The file got shorter while it was read: it is scanned again from its start.
        StartOver();
        update.reset = FollowReset::Truncated;
        before = 0;
        redoneFrom.reset();
    }
    // From here on the indices count from the walker's first finding; the update's
    // count every finding of the file.
    const FindingList& findings = Findings();
    if (!update.reset) before -= base_;
    update.findingCount = FindingCount();
    if (redoneFrom && !update.reset) {
        const std::size_t from = *redoneFrom;
        const bool same = findings.size() >= from + shown.size() &&
                          std::equal(shown.begin(), shown.end(),
                                     findings.begin() + static_cast<std::ptrdiff_t>(from));
        if (!same) {
            before = std::min(before, from);
            update.replaced = true;
        }
        update.firstNew = base_ + std::min(before, findings.size());
        return update;
    }
    update.firstNew = base_ + std::min(before, findings.size());
    // A carried stamp only ever lengthens a finding.
    if (!update.reset && before > 0 && findings[before - 1].text.size() != lastLength)
        update.changed = base_ + before - 1;
    return update;
}

}  // namespace corvane
