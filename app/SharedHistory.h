// The run history as the window shares it between its own thread (marks, trend) and
// the run's worker (recording): one connection, used by one thread at a time.
#pragma once

#include <memory>
#include <mutex>
#include <utility>

#include "history/HistoryStore.h"

namespace corvane::app {

class SharedHistory {
public:
    explicit SharedHistory(std::unique_ptr<HistoryStore> store) : store_(std::move(store)) {}

    // Runs `use` with the store, holding it for this thread meanwhile.
    template <typename Use>
    auto With(Use&& use) {
        const std::lock_guard<std::mutex> lock(mutex_);
        return std::forward<Use>(use)(*store_);
    }

private:
    std::mutex mutex_;
    std::unique_ptr<HistoryStore> store_;
};

}  // namespace corvane::app
