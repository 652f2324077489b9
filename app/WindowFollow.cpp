#include "WindowFollow.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <optional>

#include <QMetaObject>

#include "SharedHistory.h"
#include "follow/DayFollow.h"
#include "history/HistoryStore.h"
#include "history/PassMarks.h"

namespace corvane::app {

// Turns each look's update into a change for the window.  It keeps no finding list:
// per file only the codes of the day counted (for the marks) and the codes of the
// last two findings, which are all a later look can change (the most recent complete
// line's finding, and that of a last line examined before its line end came).
class WindowFollow::Sink final : public FollowSink {
public:
    Sink(WindowFollow& owner, const BackgroundTask::Poster& poster,
         const std::vector<std::shared_ptr<const ServicePass>>& passes, std::size_t rowCount,
         std::vector<DayMarker> earlier)
        : owner_(owner),
          poster_(poster),
          earlier_(std::move(earlier)),
          history_(!earlier_.empty()),
          targets_(passes.size()) {
        nextRow_ = static_cast<int>(rowCount);
        for (std::size_t i = 0; i < passes.size(); ++i) {
            Target& t = targets_[i];
            const ServicePass& pass = *passes[i];
            if (i < rowCount) {
                t.row = static_cast<int>(i);
            } else {
                t.waiting = pass;
            }
            // A file followed from its start (a compressed day) hands all its findings
            // over again at the first look.
            if (!pass.end) continue;
            // The codes are counted for the marks only, which need a history.
            if (history_)
                for (const Finding& finding : pass.findings) t.Count(finding.Code(), +1);
            t.count = pass.findings.size();
            for (std::size_t k = t.count > 2 ? t.count - 2 : 0; k < t.count; ++k)
                t.last.emplace_back(k, std::string(pass.findings[k].Code()));
        }
    }

    void Updated(std::size_t target, const FollowedFile& file,
                 const FollowUpdate& update) override {
        Target& t = targets_[target];
        if (t.row < 0) {
            if (!update.appeared && !file.FindingCount()) return;
            t.row = nextRow_++;
        }
        Change change;
        change.row = t.row;
        if (t.waiting) {
            change.added = std::move(*t.waiting);
            t.waiting.reset();
        }
        if (update.reset) {
            // What the file held stays counted for the day, as the earlier file's.
            change.reset = true;
            t.count = 0;
            t.last.clear();
        }
        if (update.changed) {
            const Finding& now = file.FindingAt(*update.changed);
            t.Replace(*update.changed, now.Code());
            change.changed.emplace(*update.changed, now);
        }
        change.firstNew = update.firstNew;
        for (std::size_t k = update.firstNew; k < t.count; ++k) t.Forget(k);
        for (std::size_t k = update.firstNew; k < update.findingCount; ++k) {
            const Finding& finding = file.FindingAt(k);
            change.fresh.push_back(finding);
            t.Count(finding.Code(), +1);
            t.last.emplace_back(k, std::string(finding.Code()));
        }
        while (t.last.size() > 2) t.last.pop_front();
        const bool findingsChanged = change.reset || change.changed || !change.fresh.empty() ||
                                     update.findingCount != t.count;
        t.count = update.findingCount;
        if (!findingsChanged && !change.added) return;
        change.known = file.Known();
        change.unknown = file.Unknown();
        change.stamp = file.Stamp();
        if (history_) change.marks = earlier_[target].Codes(t.codes);
        owner_.post(std::move(change), poster_);
    }

private:
    struct Target {
        int row = -1;  // none yet: the file has not appeared
        std::optional<ServicePass> waiting;
        Counts codes;           // the day's known findings by code, the earlier files' included
        std::size_t count = 0;  // findings of the current file the window has
        std::deque<std::pair<std::size_t, std::string>> last;

        void Count(std::string_view code, int step) {
            if (code == kUnknownCode) return;
            auto& n = codes[std::string(code)];
            n += step;
            if (n <= 0) codes.erase(std::string(code));
        }
        void Forget(std::size_t index) {
            for (auto it = last.begin(); it != last.end(); ++it) {
                if (it->first != index) continue;
                Count(it->second, -1);
                last.erase(it);
                return;
            }
        }
        void Replace(std::size_t index, std::string_view code) {
            for (auto& [at, was] : last) {
                if (at != index) continue;
                Count(was, -1);
                Count(code, +1);
                was = std::string(code);
            }
        }
    };

    WindowFollow& owner_;
    const BackgroundTask::Poster& poster_;
    const std::vector<DayMarker> earlier_;
    bool history_ = false;
    std::vector<Target> targets_;
    int nextRow_ = 0;
};

WindowFollow::WindowFollow(Shown shown, std::function<void()> ended, QObject* parent)
    : QObject(parent),
      shown_(std::move(shown)),
      ended_(std::move(ended)),
      task_([](const std::string& failure) {
          // Following is a convenience on top of a completed run: what it cannot do
          // leaves the rows as they are, and is said where a developer looks.
          std::fprintf(stderr, "corvane-log-analyzer: following ended: %s\n", failure.c_str());
      }) {}

WindowFollow::~WindowFollow() {
    ended_ = nullptr;  // the window is going: nothing to record through it
    stop();
}

// Queued in order: the task's call only wakes the window's thread, which takes every
// change waiting; stop() takes those still waiting when the follow ends.
void WindowFollow::post(Change change, const BackgroundTask::Poster& poster) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        changes_.push_back(std::move(change));
        anyChange_ = true;
    }
    poster.post([this] { deliver(); });
}

void WindowFollow::deliver() {
    for (;;) {
        std::optional<Change> change;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (changes_.empty()) return;
            change.emplace(std::move(changes_.front()));
            changes_.pop_front();
        }
        if (shown_) shown_(*change);
    }
}

void WindowFollow::start(const ResultRows& rows, std::vector<ServicePass> waiting,
                         const ErrorCatalogue& catalogue, const std::string& programDir,
                         SharedHistory* history) {
    stop();
    if (rows.empty() && waiting.empty()) return;
    std::vector<std::shared_ptr<const ServicePass>> passes;
    for (const ResultRow& row : rows) passes.push_back(row.stored);
    for (ServicePass& service : waiting)
        passes.push_back(std::make_shared<const ServicePass>(std::move(service)));
    task_.run([this, passes = std::move(passes), rowCount = rows.size(), &catalogue, programDir,
               history](const BackgroundTask::Poster& poster) mutable {
        work(std::move(passes), rowCount, catalogue, programDir, history, poster);
    });
}

void WindowFollow::stop() {
    task_.cancel();
    deliver();
    bool changed = false;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        changed = anyChange_;
        anyChange_ = false;
    }
    if (changed && ended_) ended_();
}

void WindowFollow::work(std::vector<std::shared_ptr<const ServicePass>> passes,
                        std::size_t rowCount, const ErrorCatalogue& catalogue,
                        const std::string& programDir, SharedHistory* history,
                        const BackgroundTask::Poster& poster) {
    std::vector<FollowTarget> targets;
    for (const auto& pass : passes) targets.push_back({pass->serviceCode, pass->logFile});
    DayFollowOptions options;
    // A file the run did not scan is new for the day, all of it.
    options.fromStart = true;
    // As the run's scan does, a last line counts before its line end has come.
    options.lastLineSoFar = true;
    // A change for a row at most every quarter second, well within the second a write
    // may take to show.
    options.minRoundInterval = std::chrono::milliseconds(250);
    DayFollow follow(programDir, catalogue, std::move(targets), passes.front()->directory,
                     poster.stop(), options);
    // The run's files go on from where its scans left them.
    for (std::size_t i = 0; i < rowCount; ++i)
        if (passes[i]->end)
            follow.GoOnFrom(i, *passes[i]->end, passes[i]->findings, passes[i]->logStamp);
    // The recorded days each row's day is marked against, read once for the follow.
    std::vector<DayMarker> earlier;
    if (history) {
        for (const auto& pass : passes)
            earlier.push_back(
                history->With([&](HistoryStore& store) { return DayMarker(store, *pass); }));
    }
    Sink sink(*this, poster, passes, rowCount, std::move(earlier));
    passes.clear();  // the rows hold the run's findings; the follow needs none of them
    follow.Run(sink);
}

}  // namespace corvane::app
