// Following the files of a completed run (实时跟踪), on a thread of its own: the
// worker examines what the services append and hands the window a new stored service
// for a row whenever its findings changed, and a new row when the file of a service
// checked for the run appears; the window's thread only shows them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <QObject>

#include "ResultRows.h"
#include "base/Stop.h"
#include "catalog/ErrorCatalogue.h"
#include "history/HistoryMarks.h"

namespace corvane::app {

class SharedHistory;

class WindowFollow final : public QObject {
public:
    // A row's new stored service as the window gets it, on its own thread.
    struct Change {
        int row = 0;
        std::shared_ptr<const ServicePass> pass;
        // The file was read again from its start (cut short, rotated) since the row's
        // last stored service.
        bool rescanned = false;
        // A row to add after the last one: the service's file appeared after the run.
        bool added = false;
        // Findings of the files read before the current one under the row's name (cut
        // or rotated away), which the day's record keeps beside the current file's.
        std::size_t carried = 0;
        // The marks of the day as it now stands against the recorded days before it;
        // nothing without a history.
        std::optional<std::vector<Mark>> marks;
    };
    using Shown = std::function<void(const Change& change)>;

    explicit WindowFollow(Shown shown, QObject* parent = nullptr);
    // Ends a follow still going.
    ~WindowFollow() override;

    // Follows the files of `rows` (a completed run's) from where their scan left them,
    // and the files of `waiting` (services checked for the run that had none then,
    // each without findings) once they appear.  `catalogue` and `history` (may be
    // null) live until stop() has returned.
    void start(const ResultRows& rows, std::vector<ServicePass> waiting,
               const ErrorCatalogue& catalogue, const std::string& programDir,
               SharedHistory* history);
    // Ends the follow and waits for its thread; what it still sends is dropped.  The
    // day is recorded in the history first when following changed any row, so a close
    // loses no record.
    void stop();
    bool following() const { return thread_.joinable(); }

private:
    class Sink;
    void post(Change change, std::uint64_t generation);
    void work(std::vector<std::shared_ptr<const ServicePass>> passes, std::size_t rowCount,
              const ErrorCatalogue& catalogue, std::string programDir, SharedHistory* history,
              std::uint64_t generation, StopToken stop);

    Shown shown_;
    std::uint64_t generation_ = 0;  // of the current follow; older posts are dropped
    StopSource stop_;
    std::thread thread_;
};

}  // namespace corvane::app
