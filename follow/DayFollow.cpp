#include "follow/DayFollow.h"

#include <stop_token>

#include "scan/AnalysisRun.h"

namespace corvane {

std::vector<FollowTarget> DayTargets(const std::vector<ServiceEntry>& services,
                                     const std::string& directory, const std::string& day) {
    std::vector<FollowTarget> targets;
    for (const ServiceEntry& service : services)
        targets.push_back({service.code, LogFileName(directory, service.logPrefix, day)});
    return targets;
}

DayFollow::DayFollow(const std::string& programDir, const ErrorCatalogue& catalogue,
                     std::vector<FollowTarget> targets, const std::string& directory,
                     StopToken stop, const DayFollowOptions& options)
    : targets_(std::move(targets)),
      seen_(targets_.size(), false),
      stop_(std::move(stop)),
      options_(options),
      watch_(directory) {
    for (const FollowTarget& target : targets_) {
        files_.push_back(std::make_unique<FollowedFile>(
            target.serviceCode, target.path, catalogue,
            ReadIgnoreList(programDir, target.serviceCode), stop_,
            FollowedFileOptions{options_.blockLength, options_.lastLineSoFar}));
    }
}

DayFollow::~DayFollow() = default;

void DayFollow::LookOnce(FollowSink& sink) {
    const bool first = first_;
    first_ = false;
    bool reported = false;
    for (std::size_t i = 0; i < files_.size() && !stop_.stop_requested(); ++i) {
        // A rotated file's last lines come in one look, the new file's in the next.
        for (bool again = true; again && !stop_.stop_requested();) {
            FollowUpdate update = files_[i]->Update();
            again = update.lookAgain;
            if (update.problem == FollowProblem::None) {
                // A file there at the start begins at its end unless asked otherwise;
                // one that appears later is new for the day, all of it.
                if (first && !options_.fromStart) update.firstNew = update.findingCount;
                seen_[i] = true;
            } else if (update.problem == FollowProblem::Missing && !seen_[i]) {
                // A service that has not written today is no problem.
                update.problemBegan = false;
            }
            if (update.Empty()) continue;
            sink.Updated(i, *files_[i], update);
            reported = true;
        }
    }
    if (reported) sink.RoundDone();
}

void DayFollow::Run(FollowSink& sink, const std::function<bool()>& moveOn) {
    const std::stop_callback wake(stop_, [this] { watch_.Wake(); });
    using Clock = std::chrono::steady_clock;
    LookOnce(sink);
    while (!stop_.stop_requested()) {
        const Clock::time_point round = Clock::now();
        if (moveOn && moveOn()) return;
        watch_.Wait(watch_.Notifies() ? options_.notifiedPoll : options_.pollWithoutNotifications);
        for (auto left = options_.minRoundInterval - (Clock::now() - round);
             left > Clock::duration::zero() && !stop_.stop_requested();
             left = options_.minRoundInterval - (Clock::now() - round))
            watch_.Wait(std::chrono::ceil<std::chrono::milliseconds>(left));
        if (stop_.stop_requested()) return;
        LookOnce(sink);
    }
}

}  // namespace corvane
