#include "cli/DayRun.h"

#include <algorithm>

namespace corvane::cli {

std::optional<ScanResult> ScanForCommand(const CommandContext& c, const std::string& service,
                                         const std::string& path, const ErrorCatalogue& catalogue) {
    NullProgressSink row;
    ScanResult scan = ScanLogFile(service, path, catalogue, row, c.stop, c.options);
    if (!scan.error.empty()) c.err.Line(scan.error);
    if (scan.outcome != ScanOutcome::Scanned) return std::nullopt;
    return scan;
}

namespace {

// Keeps every record, and every log the run went to scan.
class DaySink final : public RunSink {
public:
    DaySink(DayResult& result, FindingsObserver* observer,
            const std::function<void(std::string_view)>& report)
        : result_(result), observer_(observer), report_(report) {}

    ScanSink& ServiceBegins(const std::string&, const std::string& logFile) override {
        result_.logFiles.push_back(logFile);
        return progress_;
    }
    void ServiceSkipped(const std::string& reason) override {
        if (reason.empty()) return;
        report_(reason);
        result_.skipped = true;
    }
    void ServiceStored(std::unique_ptr<ServicePass> pass) override {
        if (observer_) observer_->PassStored(*pass);
        result_.results.push_back(std::move(pass));
    }

private:
    DayResult& result_;
    FindingsObserver* observer_;
    const std::function<void(std::string_view)>& report_;
    NullProgressSink progress_;
};

}  // namespace

DayResult RunDay(const std::string& programDir, const ErrorCatalogue& catalogue,
                 const std::string& logDir, const std::string& day, FindingsObserver* observer,
                 const std::function<void(std::string_view)>& report, const StopToken& stop,
                 const ScanOptions& options, const std::optional<std::string>& services) {
    RunPlan plan;
    plan.directory = logDir;
    plan.day = day;
    std::vector<ServiceEntry> rows;
    LoadServiceCatalogue(programDir, rows);
    plan.rows = static_cast<int>(rows.size());
    const std::vector<ServiceEntry> checked = services ? ChosenServices(rows, *services) : rows;
    for (int row = 0; row < plan.rows; ++row) {
        const ServiceEntry& entry = rows[static_cast<std::size_t>(row)];
        if (std::any_of(checked.begin(), checked.end(),
                        [&](const ServiceEntry& s) { return s.code == entry.code; }))
            plan.services.push_back({row, entry});
    }
    const RunPlanBoard board(std::move(plan));
    DayResult result;
    DaySink sink(result, observer, report);
    const RunResult end = RunServicePasses(board, catalogue, sink, stop, options);
    result.outcome = end.outcome;
    if (end.outcome == RunOutcome::Failed) report(end.error);
    return result;
}

}  // namespace corvane::cli
