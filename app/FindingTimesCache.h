// The time of each finding of the result rows' stored services (timeline/FindingTimes.h),
// kept beside the rows for the time distribution, the go-to-time and the per-code
// summary.  A row's times are worked out off the window's thread the first time one of
// them needs them; following extends them as findings are added, and a file read again
// from its start has them worked out again.
#pragma once

#include <cstddef>
#include <limits>
#include <memory>
#include <vector>

#include <QObject>
#include <QString>

#include "BackgroundTask.h"
#include "ResultRows.h"
#include "timeline/LineTime.h"

namespace corvane::app {

class FindingTimesCache final : public QObject {
    Q_OBJECT

public:
    explicit FindingTimesCache(QObject* parent = nullptr);

    // The stored rows whose times are kept; null after shut-down.
    void setRows(const ResultRows* rows);
    // A new run: every row's times are forgotten and the work on them stops.
    void clear();

    // The times of row `row`'s findings so far (entry i is finding i's): all of them
    // once complete(row), fewer while they are being worked out; null before any.
    std::shared_ptr<const std::vector<DayTime>> times(int row) const;
    bool complete(int row) const;

    // Asks for the times of row `row` (or of every row) that are not there yet:
    // timesChanged(row) follows as they arrive (never from inside these calls).
    void want(int row);
    void wantAll();

    // Following changed row `row`'s stored service: its findings from `firstChanged` on
    // are new or changed; `reset` when the file was read again from its start.
    void serviceChanged(int row, std::size_t firstChanged, bool reset);

signals:
    void timesChanged(int row);
    // The row's log file could not be read for its times (GBK message decoded).
    void timesFailed(int row, const QString& message);

private:
    struct Entry {
        std::shared_ptr<const std::vector<DayTime>> times;
        // Bumped when the times worked out so far no longer hold (a reset): what a work
        // started before delivers is dropped.
        unsigned generation = 0;
        // The first finding changed since the current work started: its result holds
        // only before it.
        std::size_t changedFrom = std::numeric_limits<std::size_t>::max();
        bool wanted = false;
        bool failed = false;  // its file could not be read; not tried again until a change
    };
    std::size_t findingCount(std::size_t row) const;
    bool missing(std::size_t row) const;
    void startWork();
    void workEnded();

    const ResultRows* rows_ = nullptr;
    std::vector<Entry> entries_;
    bool again_ = false;  // a wanted row changed while the work was going
    BackgroundTask task_;
};

}  // namespace corvane::app
