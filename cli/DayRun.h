// One analysis run of a day over every service of the catalogue, as `run` and
// `history backfill` make it: the window's run loop with a service list that has every
// row checked.
#pragma once

#include <string>
#include <vector>

#include "catalog/ErrorCatalogue.h"
#include "catalog/ServiceCatalogue.h"
#include "scan/AnalysisRun.h"

namespace corvane::cli {

// The service selection list with every row checked.  The run's records hold what the
// result rows would show.
class ConsoleRunView final : public RunView {
public:
    ConsoleRunView(std::vector<ServiceEntry> services, std::string directory, std::string day)
        : services_(std::move(services)), directory_(std::move(directory)), day_(std::move(day)) {}

    int ServiceRowCount() override { return static_cast<int>(services_.size()); }
    bool ServiceRowChecked(int) override { return true; }
    // The run reads a row right before it adds that row's result row.
    ServiceEntry ServiceRow(int row) override {
        current_ = services_[static_cast<std::size_t>(row)];
        return current_;
    }
    std::string DirectoryText() override { return directory_; }
    ProgressSink& AddResultRow(const std::string& caption) override;
    void RemoveLastResultRow() override {}
    void SetLastResultCounts(std::int64_t, std::int64_t) override {}

    // Every log file the run went to scan, whether or not it gave a row.
    const std::vector<std::string>& LogFiles() const { return logFiles_; }

private:
    std::vector<ServiceEntry> services_;
    std::string directory_;
    std::string day_;
    ServiceEntry current_;
    std::vector<std::string> logFiles_;
    NullProgressSink progress_;
};

// One analysis run of `day` over every service of the catalogue.
struct DayResult {
    std::vector<std::string> logFiles;
    ServiceResults results;  // one record per result row
    RunOutcome outcome = RunOutcome::Completed;
};

DayResult RunDay(const std::string& programDir, const ErrorCatalogue& catalogue,
                 const std::string& logDir, const std::string& day, FindingsObserver* observer,
                 UserDialogs& dialogs, EventPump& pump, const StopToken& stop,
                 const ScanOptions& options);

}  // namespace corvane::cli
