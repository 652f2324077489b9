// Following the files of a completed run (实时跟踪), on a thread of its own (a
// BackgroundTask): each
// service's file goes on from where the run's scan left it, and the worker hands the
// window what each look changed (new findings, a completed last finding, a file read
// again from its start), which the window applies to the row's stored service; a
// service checked for the run whose file appears later gets a new row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QObject>

#include "BackgroundTask.h"
#include "ResultRows.h"
#include "base/Stop.h"
#include "catalog/ErrorCatalogue.h"
#include "history/HistoryMarks.h"

namespace corvane::app {

class SharedHistory;

class WindowFollow final : public QObject {
public:
    // What one look changed in a row's file, as the window applies it to the row's
    // stored service, on its own thread.
    struct Change {
        int row = 0;
        // A row to add after the last one: the service's file appeared after the run.
        // Its stored service begins as this one (no findings yet).
        std::optional<ServicePass> added;
        // The file was read again from its start (cut short, rotated): the findings
        // stored so far belong to the files before it, which the day keeps.
        bool reset = false;
        // A finding whose text a later line completed (a carried time stamp).
        std::optional<std::pair<std::size_t, Finding>> changed;
        // The findings from `firstNew` on are `fresh` (new ones, or those of a last
        // line examined again now that its line end came).
        std::size_t firstNew = 0;
        FindingList fresh;
        std::int64_t known = 0;  // of the current file
        std::int64_t unknown = 0;
        FileStamp stamp;
        // The marks of the day as it now stands against the recorded days before it;
        // nothing without a history.
        std::optional<std::vector<Mark>> marks;
    };
    using Shown = std::function<void(const Change& change)>;

    // `shown` applies each change; `ended` is called once a follow that changed any
    // row has ended (by stop()), after the last change was applied.
    WindowFollow(Shown shown, std::function<void()> ended, QObject* parent = nullptr);
    // Ends a follow still going; the day is not recorded through a window that goes.
    ~WindowFollow() override;

    // Follows the files of `rows` (a completed run's) from where their scan left them,
    // and the files of `waiting` (services checked for the run that had none then,
    // each without findings) once they appear.  `catalogue` and `history` (may be
    // null) live until stop() has returned.
    void start(const ResultRows& rows, std::vector<ServicePass> waiting,
               const ErrorCatalogue& catalogue, const std::string& programDir,
               SharedHistory* history);
    // Ends the follow and waits for its thread; the changes it made before are applied
    // (the day's record depends on them), then `ended` is called if any row changed.
    void stop();
    bool following() const { return task_.pending(); }

private:
    class Sink;
    void post(Change change, const BackgroundTask::Poster& poster);
    // Applies the changes that arrived, in order.
    void deliver();
    void work(std::vector<std::shared_ptr<const ServicePass>> passes, std::size_t rowCount,
              const ErrorCatalogue& catalogue, const std::string& programDir,
              SharedHistory* history, const BackgroundTask::Poster& poster);

    Shown shown_;
    std::function<void()> ended_;
    std::mutex mutex_;
    std::deque<Change> changes_;  // guarded by mutex_
    bool anyChange_ = false;      // guarded by mutex_
    // Declared last: its end (the destructor stops and joins the work) comes first.
    BackgroundTask task_;
};

}  // namespace corvane::app
