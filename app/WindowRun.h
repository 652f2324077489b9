// The analysis run of the window, on a thread of its own.
//
// The run over the service rows (the scans, the report tally and its sending, the
// pattern counts and the record in the history) goes on a worker thread, so the
// window's thread never waits for it and never pumps events from inside a handler.
// What the run reads from the window (the service rows, the directory text, each read
// when the run reaches the row) and the boxes it opens (the open-failure message, the
// large-file question) are asked of the window's thread, which answers them between
// its other events; the worker waits for the answer unless it is asked to stop.  What
// the run writes (rows, counts, progress, each stored list, the end) reaches the
// window as queued calls, in the order the run made them.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <QObject>

#include "base/Stop.h"
#include "history/HistoryMarks.h"
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
};

class WindowRun final : public QObject {
public:
    struct Job {
        std::string day;
        const ErrorCatalogue* catalogue = nullptr;  // lives until the run has ended
        ScanOptions options;
        // Makes the observer of each stored service on the worker (the report tally;
        // may give null), on the window's thread once the run's stop token exists.
        std::function<std::unique_ptr<FindingsObserver>()> makeTally;
        // Called on the worker after the last service of a completed run.
        std::function<void(FindingsObserver* tally)> send;
        SharedHistory* history = nullptr;  // null: the run is not recorded
        // What the last run left (its stored services), freed on the worker: freeing
        // a large run's findings would hold up the window's thread.
        std::shared_ptr<void> leftOver;
    };

    // What the window does with the run's calls, on its own thread.
    struct Display {
        std::function<void(std::shared_ptr<const ServicePass>)> stored;
        std::function<void(const RunEnd&)> finished;
    };

    // `window` answers the reads and shows the rows, `dialogs` the boxes; both are used
    // on this object's thread only.
    WindowRun(RunView& window, UserDialogs& dialogs, Display display, QObject* parent = nullptr);
    // Stops a run still going and waits for its thread.
    ~WindowRun() override;

    // True from start() until the window's thread has handled the run's end.
    bool running() const { return running_; }
    void start(Job job);
    // Asks the run to stop at its next line; its end arrives as usual.
    void requestStop();

    // The pump and the stop token the core's loops of the current run use (the report
    // tally's among them).  The pump serves nothing: the worker has no events.
    EventPump& pump() { return pump_; }
    StopToken stopToken() const { return stop_.get_token(); }

private:
    class WorkerView;
    class WorkerDialogs;
    class WorkerProgress;
    class Keeper;

    void work(const StopToken& stop);
    void finish(const RunEnd& end);
    // Posts `call` to this object's thread.
    void post(std::function<void()> call);

    RunView& window_;
    UserDialogs& dialogs_;
    Display display_;
    Job job_;
    std::unique_ptr<FindingsObserver> tally_;
    NullEventPump pump_;
    StopSource stop_;
    bool running_ = false;
    // The progress sink of the row being scanned, on the window's thread.
    ProgressSink* rowProgress_ = nullptr;
    std::thread thread_;
};

}  // namespace corvane::app
