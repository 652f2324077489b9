// The one way the window runs work off its own thread.  Everything slow the window
// starts (a search, a find among findings, grouping unknown errors, a draft's keyword
// pass, a decompressed copy before a context view) is a BackgroundTask; so should be
// any new work that runs beside the window, the run and following included.
//
// The rules, kept in this one place:
// - The work's inputs are fixed when it starts: it gets copies (or shared pointers to
//   data nobody changes) in its lambda, never the window's controls.
// - It gets a stop token and checks it between steps.
// - What it hands back reaches the window's thread as queued calls, in the order it
//   posted them, and only while the work is current: a new start, a cancel() or the
//   task's end supersedes it, and whatever it still posts is dropped.
// - Stopping and joining happen in cancel() (and the destructor, which calls it).  A
//   work never waits for the window's thread without the stop token, so the join is
//   short.
//
// Two forms: start() for a work with one result, run() for a work that posts as it
// goes (batches of rows, updates) through a Poster, then ends.  A work that posts
// faster than the window takes the calls waits in Poster::waitBelow() (a condition
// variable, woken by the window's thread or a stop), so the window's event queue never
// floods.
#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include <QObject>

#include "base/Stop.h"

namespace corvane::app {

class BackgroundTask final : public QObject {
    struct Flow;

public:
    // Hands a running work's calls to the window's thread.  Given to the work by run();
    // used on the work's thread only.
    class Poster {
    public:
        // Queues `call` for the window's thread; it runs there unless the work was
        // superseded by then.
        void post(std::function<void()> call) const;
        // Waits until fewer than `calls` posted calls wait for the window's thread.
        // False when the stop was requested instead.
        bool waitBelow(int calls) const;
        const StopToken& stop() const { return stop_; }

    private:
        friend class BackgroundTask;
        Poster(BackgroundTask* task, unsigned serial, std::shared_ptr<Flow> flow, StopToken stop)
            : task_(task), serial_(serial), flow_(std::move(flow)), stop_(std::move(stop)) {}
        BackgroundTask* task_;
        unsigned serial_;
        std::shared_ptr<Flow> flow_;
        StopToken stop_;
    };

    // `failed` receives the message (GBK bytes) of an error that ended a work.
    explicit BackgroundTask(std::function<void(const std::string&)> failed,
                            QObject* parent = nullptr);
    ~BackgroundTask() override;
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    // Cancels the work started before, then runs `work` on a new thread; `show` gets
    // its result on this object's thread.  A work that returns nothing (it saw the
    // stop request) shows nothing.
    template <typename Result>
    void start(std::function<std::optional<Result>(const StopToken&)> work,
               std::function<void(Result&)> show) {
        run([work = std::move(work), show = std::move(show)](const Poster& poster) {
            std::optional<Result> done = work(poster.stop());
            if (!done) return;
            auto result = std::make_shared<Result>(std::move(*done));
            poster.post([show, result] { show(*result); });
        });
    }

    // Cancels the work started before, then runs `work` on a new thread.  `ended` runs
    // on this object's thread after the last call the work posted, unless the work was
    // superseded or ended by an error (then `failed` hears of it).
    void run(std::function<void(const Poster&)> work, std::function<void()> ended = {});

    // Stops the work (if any) and waits for its thread; what it delivers is dropped.
    void cancel();
    // Asks the work to stop without waiting for it: it is not superseded, so what it
    // still posts (its last words, then `ended`) arrives as usual.
    void requestStop();

    // True from a start until its end has arrived (or was dropped by cancel()).
    bool pending() const { return pending_; }

private:
    // What a work and the window's thread share: the calls posted and not yet run.
    struct Flow {
        std::mutex mutex;
        std::condition_variable_any room;
        int waiting = 0;
    };

    void arrive(unsigned serial, Flow& flow, const std::function<void()>& call);

    std::function<void(const std::string&)> failed_;
    // Written on this object's thread only; a work's posts compare it with theirs.
    std::atomic<unsigned> serial_{0};
    bool pending_ = false;
    std::jthread thread_;
};

}  // namespace corvane::app
