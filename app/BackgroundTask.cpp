#include "BackgroundTask.h"

#include <QMetaObject>

namespace corvane::app {

BackgroundTask::BackgroundTask(std::function<void(const std::string&)> failed, QObject* parent)
    : QObject(parent), failed_(std::move(failed)) {}

BackgroundTask::~BackgroundTask() { cancel(); }

void BackgroundTask::Poster::post(std::function<void()> call) const {
    // A work superseded by cancel() (or a new start) posts nothing more; one only asked
    // to stop (requestStop) still hands on what it posts until it ends.
    if (task_->serial_.load() != serial_) return;
    {
        const std::lock_guard lock(flow_->mutex);
        ++flow_->waiting;
    }
    // The task is the context object: calls still queued when it is destroyed are
    // dropped by Qt, and by then this work's thread was joined.
    QMetaObject::invokeMethod(
        task_,
        [task = task_, serial = serial_, flow = flow_, call = std::move(call)] {
            task->arrive(serial, *flow, call);
        },
        Qt::QueuedConnection);
}

bool BackgroundTask::Poster::waitBelow(int calls) const {
    std::unique_lock lock(flow_->mutex);
    return flow_->room.wait(lock, stop_, [&] { return flow_->waiting < calls; });
}

void BackgroundTask::arrive(unsigned serial, Flow& flow, const std::function<void()>& call) {
    {
        const std::lock_guard lock(flow.mutex);
        --flow.waiting;
    }
    flow.room.notify_all();
    if (serial == serial_.load()) call();
}

void BackgroundTask::run(std::function<void(const Poster&)> work, std::function<void()> ended) {
    cancel();
    const unsigned serial = serial_.load();
    pending_ = true;
    auto flow = std::make_shared<Flow>();
    thread_ = std::jthread([this, serial, flow, work = std::move(work),
                            ended = std::move(ended)](const StopToken& stop) {
        const Poster poster(this, serial, flow, stop);
        std::string failure;
        try {
            work(poster);
        } catch (const std::exception& e) {
            failure = e.what();
        } catch (...) {
            failure = "Unknown error";
        }
        poster.post([this, failure, ended] {
            pending_ = false;
            if (!failure.empty()) {
                if (failed_) failed_(failure);
            } else if (ended) {
                ended();
            }
        });
    });
}

void BackgroundTask::requestStop() {
    if (thread_.joinable()) thread_.request_stop();
}

void BackgroundTask::cancel() {
    ++serial_;
    pending_ = false;
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

}  // namespace corvane::app
