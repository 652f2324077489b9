// One log file followed as its service writes it: scanned once from its start, then
// only the lines appended since, with the scanner's own line walker, so that the
// findings and counts are at every moment those of a scan of the file's complete
// lines so far.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/FileAccess.h"
#include "base/Stop.h"
#include "catalog/ErrorCatalogue.h"
#include "scan/FindingList.h"
#include "scan/LineWalker.h"
#include "scan/Scanner.h"

namespace corvane {

// Why a followed file was scanned again from its start.
enum class FollowReset {
    Truncated,  // it became shorter, or its first bytes or those before the examined end changed
    Replaced,   // its path now names another file (a rotation, a new file in its place)
};

// What keeps a followed file from being read; each is told once, when it begins.
enum class FollowProblem {
    None,
    Missing,     // the path names nothing (yet, or any more)
    NotAFile,    // the path names a directory or something else that is not a file
    Unreadable,  // the file is there but cannot be opened or read
};

// What one look at the file changed.  Only the most recent finding can be completed
// by a later line, so at most one earlier finding changes.  Indices count every
// finding of the file, those the scan a follow went on from found included.
struct FollowUpdate {
    std::optional<FollowReset> reset;    // everything before was dropped first
    std::optional<std::size_t> changed;  // an earlier finding whose text grew
    std::size_t firstNew = 0;            // findings from here on are new
    // The findings the last look gave from firstNew on are replaced by those from
    // there now (a last line examined before its line end came, examined again).
    bool replaced = false;
    FollowProblem problem = FollowProblem::None;
    bool problemBegan = false;  // `problem` is new since the last look
    bool appeared = false;      // the file was opened for the first time
    // The path names another file now, and this look read the old one (still open) to
    // its end; the next look, to be taken at once, turns to the new file.
    bool lookAgain = false;
    // Nothing the caller has not seen yet.
    bool Empty() const {
        return !reset && !changed && !replaced && firstNew == findingCount && !problemBegan &&
               !appeared;
    }
    std::size_t findingCount = 0;  // findings after this look
};

struct FollowedFileOptions {
    std::size_t blockLength = std::size_t{1} << 20;
    // Examine the last line before its line end has arrived too, as a scan of the file
    // as it stands would (the file's end ends it), and again once more of it came: the
    // findings are then those of a scan of the whole file so far, though the last of
    // them may change or go at the next look.  Otherwise only complete lines count.
    bool lastLineSoFar = false;
};

class FollowedFile {
public:
    // Follows `path` for the service `serviceCode`.  The catalogue and the ignore list
    // are those of the whole follow: the list is not read again.  Nothing is read
    // before the first Update.
    FollowedFile(std::string serviceCode, std::string path, const ErrorCatalogue& catalogue,
                 const std::vector<std::string>& ignoreList, StopToken stop,
                 const FollowedFileOptions& options = {});
    ~FollowedFile();
    FollowedFile(const FollowedFile&) = delete;
    FollowedFile& operator=(const FollowedFile&) = delete;

    // Goes on from where a scan of the file left it (`end`, `scanned` its findings,
    // `stamp` the file as it scanned it), instead of scanning it from its start at the
    // first look: nothing before the scan's end is read again, and a last line the scan
    // examined before its line end came is examined again once it is complete.  Only
    // the findings from the most recent complete line's on are kept.  When the path
    // names another file by now, the first look reads that one from its start, as after
    // a rotation.  Before the first Update only.
    void GoOnFrom(const ScanEnd& end, const FindingList& scanned, const FileStamp& stamp);

    // Looks at the path and examines the complete lines that arrived since the last
    // look; the first look scans the file from its start.  A line is complete when its
    // line end has arrived; a CR that is the last byte so far waits for the next byte.
    // When the path names another file, the old one is first read to its end, its last
    // line complete without a line end, and the update asks for another look.  A stop
    // inside the examination reports nothing: the follow is over.
    FollowUpdate Update();

    // The findings kept: those from FindingBase() on (every finding, unless the follow
    // went on from a scan).
    const FindingList& Findings() const;
    std::size_t FindingBase() const { return base_; }
    // Finding `index` of the file, FindingBase() <= index < FindingCount().
    const Finding& FindingAt(std::size_t index) const { return Findings()[index - base_]; }
    std::size_t FindingCount() const { return base_ + Findings().size(); }
    std::int64_t Known() const;
    std::int64_t Unknown() const;
    // The bytes of complete lines examined: the scan so far covers [0, Examined()).
    std::int64_t Examined() const { return examined_; }
    // The bytes handed to the line walker so far, every look's together.
    std::int64_t BytesWalked() const { return walked_; }
    // The open file's stamp at the last look.
    const FileStamp& Stamp() const;
    const std::string& Path() const { return path_; }
    const std::string& ServiceCode() const { return serviceCode_; }

private:
    struct Walk;
    bool OpenFile();
    void StartOver();
    void SetProblem(FollowProblem problem, FollowUpdate& update);
    std::optional<FollowReset> CheckFile(FollowUpdate& update, bool& drain);
    bool LeftToDrain();
    bool StillSameBytes() const;
    bool EndsWithCr(std::int64_t end) const;
    bool ExamineTo(std::int64_t end, bool endsAfterCr);
    bool Examine(std::int64_t end);

    const std::string serviceCode_;
    const std::string path_;
    const ErrorCatalogue& catalogue_;
    const StopToken stop_;
    const std::size_t blockLength_;
    const bool lastLineSoFar_;
    std::unique_ptr<Walk> walk_;
    std::int64_t examined_ = 0;
    bool afterCr_ = false;  // the byte before examined_ is a CR
    std::size_t base_ = 0;  // findings before the walker's first, not kept
    std::int64_t walked_ = 0;
    // The first bytes examined and the last bytes before examined_, to notice a file
    // cut and written again to beyond its old length between two looks, or written
    // over in place from its start.
    std::string head_;
    std::string tail_;
    // While the last line was examined before its end came: the walk's state before
    // it, and the file's size then.
    std::optional<LineWalker::Checkpoint> provisional_;
    std::int64_t provisionalEnd_ = 0;
    bool drained_ = false;  // the open file was read to its end for a new one at the path
    FollowProblem problem_ = FollowProblem::None;
};

}  // namespace corvane
