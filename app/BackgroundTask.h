// Slow work of the window (grouping unknown errors, a draft's keyword pass, finding a
// text among all findings) on a thread of its own, one piece at a time.
//
// The work gets a stop token and checks it between steps.  Its result reaches the
// window's thread as a queued call and is shown only if it is still current: a new
// start, a cancel() or the object's end stops the work, waits for its thread and
// drops whatever it still delivers.  Waiting is short, since the work never waits for
// the window's thread.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include <QMetaObject>
#include <QObject>

#include "base/Stop.h"

namespace corvane::app {

class BackgroundTask final : public QObject {
public:
    // `failed` receives the message (GBK bytes) of an error that ended a work.
    explicit BackgroundTask(std::function<void(const std::string&)> failed,
                            QObject* parent = nullptr)
        : QObject(parent), failed_(std::move(failed)) {}
    ~BackgroundTask() override { cancel(); }
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    // Cancels the work started before, then runs `work` on a new thread; `show` gets
    // its result on this object's thread.  A work that returns nothing (it saw the
    // stop request) shows nothing.
    template <typename Result>
    void start(std::function<std::optional<Result>(const StopToken&)> work,
               std::function<void(Result&)> show) {
        cancel();
        const unsigned serial = serial_;
        pending_ = true;
        thread_ = std::jthread(
            [this, serial, work = std::move(work), show = std::move(show)](const StopToken& stop) {
                std::shared_ptr<Result> result;
                std::string failure;
                try {
                    if (std::optional<Result> done = work(stop)) {
                        result = std::make_shared<Result>(std::move(*done));
                    }
                } catch (const std::exception& e) {
                    failure = e.what();
                } catch (...) {
                    failure = "Unknown error";
                }
                QMetaObject::invokeMethod(
                    this,
                    [this, serial, show, result, failure] {
                        if (serial != serial_) return;
                        pending_ = false;
                        if (result)
                            show(*result);
                        else if (!failure.empty() && failed_)
                            failed_(failure);
                    },
                    Qt::QueuedConnection);
            });
    }

    // Stops the work (if any) and waits for its thread; what it delivers is dropped.
    void cancel() {
        ++serial_;
        pending_ = false;
        if (thread_.joinable()) {
            thread_.request_stop();
            thread_.join();
        }
    }

    // True from start() until its result has been shown (or dropped by cancel()).
    bool pending() const { return pending_; }

private:
    std::function<void(const std::string&)> failed_;
    unsigned serial_ = 0;  // read and written on this object's thread only
    bool pending_ = false;
    std::jthread thread_;
};

}  // namespace corvane::app
