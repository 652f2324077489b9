#include "WindowRun.h"

#include <condition_variable>
#include <mutex>

#include <QMetaObject>

#include "SharedHistory.h"
#include "fleet/MetricsSend.h"
#include "history/HistoryMarks.h"
#include "history/HistoryStore.h"
#include "history/PassMarks.h"
#include "history/RunCollector.h"

namespace corvane::app {

// The progress of the row being scanned, from the worker or the scanner's threads
// (one call at a time, in order) to the window's thread, and the large-file question,
// asked on the window's thread while the worker waits for the answer or a stop.
class WindowRun::WorkerProgress final : public ScanSink {
public:
    WorkerProgress(WindowRun& run, const BackgroundTask::Poster& poster)
        : run_(run), poster_(poster) {}
    void restart() { lastPermille_ = -1; }

    void SetProgressText(std::string_view text) override {
        poster_.post([&run = run_, text = std::string(text)] {
            if (run.rowProgress_) run.rowProgress_->SetProgressText(text);
        });
    }
    // The bar moves in tenths of a percent: only a new tenth is sent on.
    void SetProgressBytes(std::int64_t done, std::int64_t size) override {
        const int permille = size > 0 ? static_cast<int>(done * 1000 / size) : 1000;
        if (permille == lastPermille_) return;
        lastPermille_ = permille;
        poster_.post([&run = run_, done, size] {
            if (run.rowProgress_) run.rowProgress_->SetProgressBytes(done, size);
        });
    }

    // A question that comes after a stop request is not asked at all, and one still
    // open when the stop comes is answered No: the scan then ends as declined, and the
    // run sees the stop right after it.
    bool AgreeToLargeFile(std::string_view caption, std::string_view question) override {
        struct Answer {
            std::mutex mutex;
            std::condition_variable_any ready;
            bool done = false;
            bool yes = false;
        };
        auto answer = std::make_shared<Answer>();
        poster_.post([&run = run_, answer, stop = poster_.stop(), caption = std::string(caption),
                      question = std::string(question)] {
            const bool yes =
                !stop.stop_requested() && run.display_.ask && run.display_.ask(caption, question);
            const std::lock_guard<std::mutex> lock(answer->mutex);
            answer->yes = yes;
            answer->done = true;
            answer->ready.notify_all();
        });
        std::unique_lock<std::mutex> lock(answer->mutex);
        answer->ready.wait(lock, poster_.stop(), [&] { return answer->done; });
        return answer->done && answer->yes;
    }

private:
    WindowRun& run_;
    const BackgroundTask::Poster& poster_;
    int lastPermille_ = -1;
};

// The run's sink on the worker: every stored service goes to the observers (the tally
// and the history's collector) first, then, shared and never changed again, to the
// window.
class WindowRun::Worker final : public RunSink {
public:
    Worker(WindowRun& run, const BackgroundTask::Poster& poster, FindingsObserver& observer)
        : run_(run), poster_(poster), progress_(run, poster), observer_(observer) {}

    ScanSink& ServiceBegins(const std::string& caption, const std::string&) override {
        progress_.restart();
        poster_.post([&run = run_, caption] {
            run.rowProgress_ = run.display_.begins ? run.display_.begins(caption) : nullptr;
        });
        return progress_;
    }
    void ServiceSkipped(const std::string& reason) override {
        poster_.post([&run = run_, reason] {
            run.rowProgress_ = nullptr;
            if (run.display_.skipped) run.display_.skipped(reason);
        });
    }
    void ServiceStored(std::unique_ptr<ServicePass> pass) override {
        observer_.PassStored(*pass);
        std::shared_ptr<const ServicePass> stored(std::move(pass));
        passes.push_back(stored);
        poster_.post([&run = run_, stored = std::move(stored)] {
            // Progress texts still on their way must not land on the counts.
            run.rowProgress_ = nullptr;
            if (run.display_.stored) run.display_.stored(stored);
        });
    }

    // The stored services, for their marks once the run is recorded.
    std::vector<std::shared_ptr<const ServicePass>> passes;

private:
    WindowRun& run_;
    const BackgroundTask::Poster& poster_;
    WorkerProgress progress_;
    FindingsObserver& observer_;
};

WindowRun::WindowRun(Display display, QObject* parent)
    : QObject(parent), display_(std::move(display)), task_([this](const std::string& failure) {
          finish(RunEnd{false, failure, {}, {}, {}, {}});
      }) {}

void WindowRun::start(Job job) {
    task_.cancel();  // the last run has ended: its thread is joined
    job_ = std::move(job);
    board_ = std::make_unique<RunPlanBoard>(job_.plan);
    running_ = true;
    rowProgress_ = nullptr;
    task_.run([this](const BackgroundTask::Poster& poster) { work(poster); });
}

void WindowRun::publish(RunPlan plan) {
    if (running_ && board_) board_->Publish(std::move(plan));
}

void WindowRun::requestStop() { task_.requestStop(); }

void WindowRun::work(const BackgroundTask::Poster& poster) {
    const StopToken& stop = poster.stop();
    job_.leftOver.reset();
    tally_ = job_.makeTally ? job_.makeTally(stop) : nullptr;
    RunEnd end;
    try {
        RunCollector collector(tally_.get(), [stop](const ServicePass& pass) {
            return CountUnknownPatterns(pass.findings, stop).value_or(std::vector<PatternCount>());
        });
        Worker worker(*this, poster, collector);
        const RunResult result =
            RunServicePasses(*board_, *job_.catalogue, worker, stop, job_.options);
        if (result.outcome == RunOutcome::Failed) {
            end.error = result.error;
        } else if (result.outcome == RunOutcome::Stopped || stop.stop_requested()) {
            end.stopped = true;
        } else {
            if (job_.send) job_.send(tally_.get());
            const RunRecord record = collector.TakeRecord();
            std::vector<MetricsDay> metricsDays;
            if (job_.metrics) metricsDays = MetricsDaysOf(*job_.metrics, record);
            if (!job_.history) end.metricsDays = std::move(metricsDays);
            if (job_.history && !record.services.empty()) {
                end.marks = job_.history->With([&](HistoryStore& history) {
                    const RecordOutcome recorded = history.Record(record);
                    if (!recorded.recorded) end.recordError = recorded.error;
                    // Queued in the same hold of the history: the sending follows on a
                    // thread of its own, so that a slow server never holds up the run.
                    if (!metricsDays.empty())
                        end.metricsNotices = QueueMetricsDays(history, metricsDays).notices;
                    // The marks of each stored row, as the history now has them.
                    std::vector<std::vector<Mark>> marks;
                    for (const auto& pass : worker.passes)
                        marks.push_back(PassMarks(history, *pass));
                    return marks;
                });
            }
        }
    } catch (const std::exception& e) {
        end.error = e.what();
    }
    tally_.reset();
    poster.post([this, end] { finish(end); });
}

void WindowRun::finish(const RunEnd& end) {
    running_ = false;
    rowProgress_ = nullptr;
    if (display_.finished) display_.finished(end);
}

}  // namespace corvane::app
