// Following one day's log files of a directory: every service's file examined as it
// grows, a file that appears for the day picked up, and nothing done while nothing is
// written.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Stop.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/ServiceCatalogue.h"
#include "follow/FileWatch.h"
#include "follow/FollowedFile.h"

namespace corvane {

// Receives what each look at a service's file changed, on the thread that runs the
// follow.  `file` holds the findings and counts after the look.
class FollowSink {
public:
    virtual ~FollowSink() = default;
    // `target` is the index of the file's target.
    virtual void Updated(std::size_t target, const FollowedFile& file,
                         const FollowUpdate& update) = 0;
    // Called after every round of looks that reported anything, so that a sink can
    // pass a batch on at once.
    virtual void RoundDone() {}
};

// One file to follow and the service whose rules apply to it.
struct FollowTarget {
    std::string serviceCode;
    std::string path;
};

// The log file of each of `services` for `day` in `directory`, in their order.
std::vector<FollowTarget> DayTargets(const std::vector<ServiceEntry>& services,
                                     const std::string& directory, const std::string& day);

struct DayFollowOptions {
    // Report the findings of the files' lines so far first; otherwise begin at the
    // files' ends (a file that appears later is reported from its start all the same).
    bool fromStart = false;
    // The longest wait between two looks while the system tells of changes, and while
    // it does not (a network share): the second is how late a write may be seen there.
    std::chrono::milliseconds notifiedPoll{5000};
    std::chrono::milliseconds pollWithoutNotifications{1000};
    // The shortest time between two rounds of looks: a sink that passes whole lists on
    // gets them at most this often, however often the files are written.
    std::chrono::milliseconds minRoundInterval{0};
    // Each file's last line counts before its line end has arrived (see
    // FollowedFileOptions), as in the scan of a run.
    bool lastLineSoFar = false;
    std::size_t blockLength = std::size_t{1} << 20;
};

class DayFollow {
public:
    // Follows `targets`, files of `directory`.  The services' ignore lists are read
    // here, once for the whole follow.  `catalogue` must outlive the follow.
    DayFollow(const std::string& programDir, const ErrorCatalogue& catalogue,
              std::vector<FollowTarget> targets, const std::string& directory, StopToken stop,
              const DayFollowOptions& options = {});
    ~DayFollow();
    DayFollow(const DayFollow&) = delete;
    DayFollow& operator=(const DayFollow&) = delete;

    // Looks at every file, then again whenever the directory changes or the poll's
    // time has passed, until a stop is requested or `moveOn` (asked before every
    // wait; may be empty) answers true.
    void Run(FollowSink& sink, const std::function<bool()>& moveOn = {});

    // Target `target` goes on from where a scan of its file left it (see
    // FollowedFile::GoOnFrom).  Before the first look only.
    void GoOnFrom(std::size_t target, const ScanEnd& end, const FindingList& scanned,
                  const FileStamp& stamp) {
        files_[target]->GoOnFrom(end, scanned, stamp);
    }

    // One look at every file, for callers that drive the follow themselves.
    void LookOnce(FollowSink& sink);

    const std::vector<FollowTarget>& Targets() const { return targets_; }
    const FollowedFile& File(std::size_t target) const { return *files_[target]; }

private:
    const std::vector<FollowTarget> targets_;
    std::vector<std::unique_ptr<FollowedFile>> files_;
    std::vector<bool> seen_;  // the file was there at some look
    StopToken stop_;
    DayFollowOptions options_;
    FileWatch watch_;
    bool first_ = true;
};

}  // namespace corvane
