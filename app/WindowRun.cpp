#include "WindowRun.h"

#include <condition_variable>
#include <exception>
#include <mutex>

#include <QMetaObject>

#include "SharedHistory.h"
#include "history/HistoryMarks.h"
#include "history/HistoryStore.h"
#include "history/RunCollector.h"

namespace corvane::app {
namespace {

// Unwinds the worker when a question to the window is left unanswered because the
// run is being stopped.  It never leaves the worker.
struct RunStopped {};

// Asks `call` of `context`'s thread and waits for its answer, or for a stop request.
// A call that comes after the stop request is not made at all, so no box opens for
// a run that is going.
template <typename T>
T AskWindow(QObject* context, const StopToken& stop, std::function<T()> call) {
    struct Answer {
        std::mutex mutex;
        std::condition_variable_any ready;
        std::optional<T> value;
        std::exception_ptr failure;
        bool done = false;
    };
    auto answer = std::make_shared<Answer>();
    QMetaObject::invokeMethod(
        context,
        [answer, stop, call = std::move(call)] {
            if (stop.stop_requested()) return;
            std::optional<T> value;
            std::exception_ptr failure;
            try {
                value.emplace(call());
            } catch (...) {
                failure = std::current_exception();
            }
            const std::lock_guard<std::mutex> lock(answer->mutex);
            answer->value = std::move(value);
            answer->failure = failure;
            answer->done = true;
            answer->ready.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(answer->mutex);
    if (!answer->ready.wait(lock, stop, [&] { return answer->done; })) throw RunStopped{};
    if (answer->failure) std::rethrow_exception(answer->failure);
    return std::move(*answer->value);
}

}  // namespace

// The progress of the row being scanned, from the worker or the scanner's threads
// (one call at a time, in order) to the window's thread.
class WindowRun::WorkerProgress final : public ProgressSink {
public:
    explicit WorkerProgress(WindowRun& run) : run_(run) {}
    void restart() { lastPermille_ = -1; }

    void SetProgressText(std::string_view text) override {
        run_.post([&run = run_, text = std::string(text)] {
            if (run.rowProgress_) run.rowProgress_->SetProgressText(text);
        });
    }
    // The bar moves in tenths of a percent: only a new tenth is sent on.
    void SetProgressBytes(std::int64_t done, std::int64_t size) override {
        const int permille = size > 0 ? static_cast<int>(done * 1000 / size) : 1000;
        if (permille == lastPermille_) return;
        lastPermille_ = permille;
        run_.post([&run = run_, done, size] {
            if (run.rowProgress_) run.rowProgress_->SetProgressBytes(done, size);
        });
    }

private:
    WindowRun& run_;
    int lastPermille_ = -1;
};

// The window as the worker sees it: reads are asked and waited for, writes are posted.
class WindowRun::WorkerView final : public RunView {
public:
    WorkerView(WindowRun& run, StopToken stop)
        : run_(run), stop_(std::move(stop)), progress_(run) {}

    int ServiceRowCount() override {
        return AskWindow<int>(&run_, stop_, [&w = run_.window_] { return w.ServiceRowCount(); });
    }
    bool ServiceRowChecked(int row) override {
        return AskWindow<bool>(&run_, stop_,
                               [&w = run_.window_, row] { return w.ServiceRowChecked(row); });
    }
    ServiceEntry ServiceRow(int row) override {
        return AskWindow<ServiceEntry>(&run_, stop_,
                                       [&w = run_.window_, row] { return w.ServiceRow(row); });
    }
    std::string DirectoryText() override {
        return AskWindow<std::string>(&run_, stop_,
                                      [&w = run_.window_] { return w.DirectoryText(); });
    }
    ProgressSink& AddResultRow(const std::string& caption) override {
        progress_.restart();
        run_.post(
            [&run = run_, caption] { run.rowProgress_ = &run.window_.AddResultRow(caption); });
        return progress_;
    }
    void RemoveLastResultRow() override {
        run_.post([&run = run_] {
            run.rowProgress_ = nullptr;
            run.window_.RemoveLastResultRow();
        });
    }
    void SetLastResultCounts(std::int64_t known, std::int64_t unknown) override {
        run_.post([&run = run_, known, unknown] {
            run.rowProgress_ = nullptr;
            run.window_.SetLastResultCounts(known, unknown);
        });
    }

private:
    WindowRun& run_;
    StopToken stop_;
    WorkerProgress progress_;
};

// The boxes of the scan, opened on the window's thread while the worker waits.
class WindowRun::WorkerDialogs final : public UserDialogs {
public:
    WorkerDialogs(WindowRun& run, StopToken stop) : run_(run), stop_(std::move(stop)) {}
    void ShowMessage(std::string_view text) override {
        AskWindow<bool>(&run_, stop_, [&d = run_.dialogs_, text = std::string(text)] {
            d.ShowMessage(text);
            return true;
        });
    }
    bool AskYesNo(std::string_view caption, std::string_view text) override {
        return AskWindow<bool>(&run_, stop_,
                               [&d = run_.dialogs_, caption = std::string(caption),
                                text = std::string(text)] { return d.AskYesNo(caption, text); });
    }

private:
    WindowRun& run_;
    StopToken stop_;
};

// Hands each stored service to the window once every observer has seen it.  The
// records are the worker's own (given to RunServicePasses), which reads a record no
// more after its observers: it moves to the window, shared, never changed again.
class WindowRun::Keeper final : public FindingsObserver {
public:
    Keeper(WindowRun& run, FindingsObserver* next, ServiceResults& results,
           std::vector<std::shared_ptr<const ServicePass>>& passes)
        : run_(run), next_(next), results_(results), passes_(passes) {}
    void PassStored(const ServicePass& pass) override {
        if (next_) next_->PassStored(pass);
        std::shared_ptr<const ServicePass> stored(std::move(results_.back()));
        passes_.push_back(stored);
        run_.post([&run = run_, stored = std::move(stored)] {
            if (run.display_.stored) run.display_.stored(stored);
        });
    }

private:
    WindowRun& run_;
    FindingsObserver* next_;
    ServiceResults& results_;
    std::vector<std::shared_ptr<const ServicePass>>& passes_;
};

WindowRun::WindowRun(RunView& window, UserDialogs& dialogs, Display display, QObject* parent)
    : QObject(parent), window_(window), dialogs_(dialogs), display_(std::move(display)) {}

WindowRun::~WindowRun() {
    stop_.request_stop();
    if (thread_.joinable()) thread_.join();
}

void WindowRun::post(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void WindowRun::start(Job job) {
    if (thread_.joinable()) thread_.join();  // the last run has ended
    job_ = std::move(job);
    stop_ = StopSource();
    tally_ = job_.makeTally ? job_.makeTally() : nullptr;
    running_ = true;
    rowProgress_ = nullptr;
    thread_ = std::thread([this, stop = stop_.get_token()] { work(stop); });
}

void WindowRun::requestStop() { stop_.request_stop(); }

void WindowRun::work(const StopToken& stop) {
    job_.leftOver.reset();
    RunEnd end;
    // The stored services, for their marks once the run is recorded.
    std::vector<std::shared_ptr<const ServicePass>> passes;
    try {
        WorkerView view(*this, stop);
        WorkerDialogs dialogs(*this, stop);
        ServiceResults results;
        RunCollector collector(tally_.get(), [this, stop](const ServicePass& pass) {
            return CountUnknownPatterns(pass.findings, &pump_, stop)
                .value_or(std::vector<PatternCount>());
        });
        Keeper keeper(*this, &collector, results, passes);
        const RunOutcome outcome = RunServicePasses(view, job_.day, *job_.catalogue, results,
                                                    &keeper, dialogs, pump_, stop, job_.options);
        if (outcome == RunOutcome::Stopped || stop.stop_requested()) {
            end.stopped = true;
        } else {
            if (job_.send) job_.send(tally_.get());
            const RunRecord record = collector.TakeRecord();
            if (job_.history && !record.services.empty()) {
                end.marks = job_.history->With([&](HistoryStore& history) {
                    const RecordOutcome recorded = history.Record(record);
                    if (!recorded.recorded) end.recordError = recorded.error;
                    // The marks of each stored row, as the history now has them.
                    std::vector<std::vector<Mark>> marks;
                    for (const auto& pass : passes) {
                        const std::vector<RecordedDay> series =
                            history.Days(NormaliseDirectory(pass->directory), pass->serviceCode);
                        marks.push_back(CodeMarks(series, DayIndex(series, pass->day)));
                    }
                    return marks;
                });
            }
        }
    } catch (const RunStopped&) {
        end.stopped = true;
    } catch (const std::exception& e) {
        end.error = e.what();
    } catch (...) {
        end.error = "Unknown error";
    }
    tally_.reset();
    post([this, end] { finish(end); });
}

void WindowRun::finish(const RunEnd& end) {
    if (thread_.joinable()) thread_.join();
    running_ = false;
    rowProgress_ = nullptr;
    if (display_.finished) display_.finished(end);
}

}  // namespace corvane::app
