#include "cli/DayRun.h"

namespace corvane::cli {

ProgressSink& ConsoleRunView::AddResultRow(const std::string&) {
    logFiles_.push_back(DayLogFile(directory_, current_.logPrefix, day_));
    return progress_;
}

DayResult RunDay(const std::string& programDir, const ErrorCatalogue& catalogue,
                 const std::string& logDir, const std::string& day, FindingsObserver* observer,
                 UserDialogs& dialogs, EventPump& pump, const StopToken& stop,
                 const ScanOptions& options) {
    std::vector<ServiceEntry> services;
    LoadServiceCatalogue(programDir, services);
    ConsoleRunView view(std::move(services), logDir, day);
    DayResult result;
    result.outcome = RunServicePasses(view, day, catalogue, result.results, observer, dialogs, pump,
                                      stop, options);
    result.logFiles = view.LogFiles();
    return result;
}

}  // namespace corvane::cli
