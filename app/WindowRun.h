// The analysis run of the window, on a thread of its own (a BackgroundTask).
//
// The run over the service rows (the scans, the report tally and its sending, the
// pattern counts and the record in the history) goes on a worker thread, so the
// window's thread never waits for it.  The window publishes the run's plan (the
// directory text, the day, the checked service rows) at the start and whenever one of
// those controls changes; the worker takes the latest plan as it reaches each row and
// never asks the window anything, except the large-file question before a large
// file, which it waits for unless it is asked to stop.  What the run tells (a row
// begins, its progress, a service skipped or stored, the end) reaches the window as
// queued calls, in the order the run made them.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QObject>

#include "BackgroundTask.h"
#include "base/Stop.h"
#include "fleet/MetricsConfig.h"
#include "history/HistoryMarks.h"
#include "history/RunRecord.h"
#include "scan/AnalysisRun.h"

namespace corvane::app {

class SharedHistory;

// How a run ended, as the window's thread learns it.
struct RunEnd {
    bool stopped = false;
    // The message of an error that ended the run (GBK bytes); empty when none did.
    std::optional<std::string> error;
    // Why the history did not take the record (GBK bytes); empty when it did.
    std::string recordError;
    // The new and rising codes of each stored row, when the run was recorded.
    std::optional<std::vector<std::vector<Mark>>> marks;
    // For the metrics server: what queueing the run's days said (GBK), and the days
    // themselves when there is no history to queue them in.
    std::vector<std::string> metricsNotices;
    std::vector<MetricsDay> metricsDays;
};

class WindowRun final : public QObject {
public:
    struct Job {
        RunPlan plan;                               // as the controls stand at the start
        const ErrorCatalogue* catalogue = nullptr;  // lives until the run has ended
        ScanOptions options;
        // Makes the observer of each stored service on the worker (the report tally;
        // may give null), on the worker with the run's stop token.
        std::function<std::unique_ptr<FindingsObserver>(const StopToken& stop)> makeTally;
        // Called on the worker after the last service of a completed run.
        std::function<void(FindingsObserver* tally)> send;
        SharedHistory* history = nullptr;  // null: the run is not recorded
        // The metrics server: a completed run's days are queued in the history for it.
        std::optional<MetricsConfig> metrics;
        // What the last run left (its stored services), freed on the worker: freeing
        // a large run's findings would hold up the window's thread.
        std::shared_ptr<void> leftOver;
    };

    // What the window does with what the run tells, on its own thread.
    struct Display {
        // A result row for `caption` ("正在分析..."); gives the sink of its progress
        // texts, used on this thread until the row is skipped or stored.
        std::function<ProgressSink*(const std::string& caption)> begins;
        // The last row goes; `reason` (GBK, may be empty) is told to the operator.
        std::function<void(const std::string& reason)> skipped;
        // The last row's service as stored: its counts, and the record kept.
        std::function<void(std::shared_ptr<const ServicePass>)> stored;
        // The large-file question; true only for Yes.
        std::function<bool(const std::string& caption, const std::string& question)> ask;
        std::function<void(const RunEnd&)> finished;
    };

    explicit WindowRun(Display display, QObject* parent = nullptr);

    // True from start() until the window's thread has handled the run's end.
    bool running() const { return running_; }
    void start(Job job);
    // The controls of the plan changed: the run takes `plan` at its next row.
    void publish(RunPlan plan);
    // Asks the run to stop at its next line; its end arrives as usual.
    void requestStop();

private:
    class Worker;
    class WorkerProgress;

    void work(const BackgroundTask::Poster& poster);
    void finish(const RunEnd& end);

    Display display_;
    Job job_;
    std::unique_ptr<RunPlanBoard> board_;
    std::unique_ptr<FindingsObserver> tally_;
    bool running_ = false;
    // The progress sink of the row being scanned, on the window's thread.
    ProgressSink* rowProgress_ = nullptr;
    // Declared last: its end (the destructor stops and joins the work) comes first.
    BackgroundTask task_;
};

}  // namespace corvane::app
