#include "cli/DayRun.h"

#include <filesystem>
#include <system_error>

namespace corvane::cli {

ProgressSink& ConsoleRunView::AddResultRow(const std::string& caption) {
    logFiles_.push_back(LogFileName(directory_, current_.logPrefix, day_));
    std::error_code error;
    const auto bytes = std::filesystem::file_size(logFiles_.back(), error);
    rows_.push_back(
        {caption, "", "", current_.code, error ? 0 : static_cast<std::int64_t>(bytes), 0.0});
    started_ = std::chrono::steady_clock::now();
    return progress_;
}

void ConsoleRunView::SetLastResultCounts(const std::string& known, const std::string& unknown) {
    rows_.back().known = known;
    rows_.back().unknown = unknown;
    rows_.back().seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
}

DayResult RunDay(const std::string& programDir, const ErrorCatalogue& catalogue,
                 const std::string& logDir, const std::string& day, FindingsObserver* observer,
                 UserDialogs& dialogs, EventPump& pump, const ScanOptions& options) {
    std::vector<ServiceEntry> services;
    LoadServiceCatalogue(programDir, services);
    ConsoleRunView view(std::move(services), logDir, day);
    DayResult result;
    result.outcome = RunServicePasses(view, day, catalogue, result.results, observer, dialogs, pump,
                                      options, &result.places);
    result.rows = view.Rows();
    result.logFiles = view.LogFiles();
    return result;
}

}  // namespace corvane::cli
