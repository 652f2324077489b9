#include "FindingTimesCache.h"

#include <algorithm>
#include <string>

#include "GbkDisplay.h"
#include "scan/LogFile.h"
#include "timeline/FindingTimes.h"

namespace corvane::app {

// A work ended by an error (not a file's: those are told per row) leaves every row it
// had to go through without its times, each told so.
FindingTimesCache::FindingTimesCache(QObject* parent)
    : QObject(parent),
      task_(
          [this](const std::string& why) {
              for (std::size_t row = 0; row < entries_.size(); ++row) {
                  if (!missing(row)) continue;
                  entries_[row].failed = true;
                  emit timesFailed(static_cast<int>(row), FromGbkText(why));
              }
          },
          this) {}

void FindingTimesCache::setRows(const ResultRows* rows) {
    if (rows != rows_) clear();
    rows_ = rows;
}

void FindingTimesCache::clear() {
    task_.cancel();
    entries_.clear();
    again_ = false;
}

std::shared_ptr<const std::vector<DayTime>> FindingTimesCache::times(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= entries_.size()) return nullptr;
    return entries_[static_cast<std::size_t>(row)].times;
}

std::size_t FindingTimesCache::findingCount(std::size_t row) const {
    return rows_ && row < rows_->size() ? (*rows_)[row].stored->findings.size() : 0;
}

bool FindingTimesCache::complete(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= entries_.size()) return false;
    const auto& times = entries_[static_cast<std::size_t>(row)].times;
    return times && times->size() == findingCount(static_cast<std::size_t>(row));
}

bool FindingTimesCache::missing(std::size_t row) const {
    const Entry& entry = entries_[row];
    if (!entry.wanted || entry.failed) return false;
    return !entry.times || entry.times->size() < findingCount(row);
}

void FindingTimesCache::want(int row) {
    if (!rows_ || row < 0 || static_cast<std::size_t>(row) >= rows_->size()) return;
    if (entries_.size() < rows_->size()) entries_.resize(rows_->size());
    Entry& entry = entries_[static_cast<std::size_t>(row)];
    entry.wanted = true;
    if (!missing(static_cast<std::size_t>(row))) return;
    if (task_.pending())
        again_ = true;
    else
        startWork();
}

void FindingTimesCache::wantAll() {
    if (!rows_) return;
    for (std::size_t row = 0; row < rows_->size(); ++row) want(static_cast<int>(row));
}

void FindingTimesCache::serviceChanged(int row, std::size_t firstChanged, bool reset) {
    if (row < 0 || static_cast<std::size_t>(row) >= entries_.size()) return;
    Entry& entry = entries_[static_cast<std::size_t>(row)];
    entry.failed = false;
    if (reset) {
        ++entry.generation;
        entry.times.reset();
    } else {
        entry.changedFrom = std::min(entry.changedFrom, firstChanged);
        if (entry.times && entry.times->size() > firstChanged)
            entry.times = std::make_shared<const std::vector<DayTime>>(
                entry.times->begin(),
                entry.times->begin() + static_cast<std::ptrdiff_t>(firstChanged));
    }
    if (!missing(static_cast<std::size_t>(row))) return;
    if (task_.pending())
        again_ = true;
    else
        startWork();
}

// One work goes through every wanted row whose times fall short, each from where its
// times end.  It holds the rows' stored services while it reads them, so a follow's
// change goes to a copy meanwhile.
void FindingTimesCache::startWork() {
    struct Job {
        int row = 0;
        unsigned generation = 0;
        std::shared_ptr<const ServicePass> pass;
        std::shared_ptr<const std::vector<DayTime>> from;
    };
    std::vector<Job> jobs;
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        if (!missing(row)) continue;
        Entry& entry = entries_[row];
        entry.changedFrom = std::numeric_limits<std::size_t>::max();
        jobs.push_back(
            {static_cast<int>(row), entry.generation, (*rows_)[row].stored, entry.times});
    }
    again_ = false;
    if (jobs.empty()) return;
    task_.run(
        [this, jobs = std::move(jobs)](const BackgroundTask::Poster& poster) {
            for (const Job& job : jobs) {
                const ServicePass& pass = *job.pass;
                std::string problem;
                std::vector<DayTime> times = job.from ? *job.from : std::vector<DayTime>();
                try {
                    ExtendFindingTimes(pass.logFile, pass.findings, times, poster.stop());
                } catch (const ScanReadError& e) {
                    problem = e.what();
                }
                if (poster.stop().stop_requested()) return;
                auto done = std::make_shared<std::vector<DayTime>>(std::move(times));
                poster.post([this, row = job.row, generation = job.generation, done, problem] {
                    Entry& entry = entries_[static_cast<std::size_t>(row)];
                    if (entry.generation != generation) return;
                    if (!problem.empty()) {
                        entry.failed = true;
                        emit timesFailed(row, FromGbkText(problem));
                        return;
                    }
                    if (done->size() > entry.changedFrom) done->resize(entry.changedFrom);
                    if (!entry.times || done->size() > entry.times->size()) entry.times = done;
                    emit timesChanged(row);
                });
            }
        },
        [this] { workEnded(); });
}

void FindingTimesCache::workEnded() {
    if (!rows_) return;
    bool more = again_;
    for (std::size_t row = 0; row < entries_.size() && !more; ++row) more = missing(row);
    if (more) startWork();
}

}  // namespace corvane::app
