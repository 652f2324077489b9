#include "scan/AnalysisRun.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>

namespace corvane {

std::string LogFileName(const std::string& directory, const std::string& prefix,
                        const std::string& day) {
    std::string name = directory;
    name += '/';
    name += prefix;
    name += day;
    name += ".log";
    return name;
}

bool LogFileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string DayLogFile(const std::string& directory, const std::string& prefix,
                       const std::string& day) {
    std::string path = LogFileName(directory, prefix, day);
    if (LogFileExists(path)) return path;
    path += ".gz";
    return LogFileExists(path) ? path : std::string();
}

RunResult RunServicePasses(const RunPlanBoard& board, const ErrorCatalogue& catalogue,
                           RunSink& sink, const StopToken& stop, const ScanOptions& options) {
    const std::shared_ptr<const RunPlan> first = board.Latest();
    const std::string day = first->day;
    RunResult stopped{RunOutcome::Stopped, {}};
    for (int row = 0; row < first->rows; ++row) {
        if (stop.stop_requested()) return stopped;
        const std::shared_ptr<const RunPlan> plan = board.Latest();
        const auto service =
            std::find_if(plan->services.begin(), plan->services.end(),
                         [row](const RunPlan::Service& each) { return each.row == row; });
        if (service == plan->services.end()) continue;
        const std::string path = DayLogFile(plan->directory, service->entry.logPrefix, day);
        if (path.empty()) continue;

        ScanSink& progress = sink.ServiceBegins(service->entry.caption, path);
        const auto scanStart = std::chrono::steady_clock::now();
        ScanResult scan =
            ScanLogFile(service->entry.code, path, catalogue, progress, stop, options);
        const std::chrono::duration<double> scanTime = std::chrono::steady_clock::now() - scanStart;
        if (scan.outcome == ScanOutcome::ReadFailed) return {RunOutcome::Failed, scan.error};
        if (scan.outcome == ScanOutcome::Stopped || stop.stop_requested()) return stopped;
        if (scan.outcome != ScanOutcome::Scanned) {
            sink.ServiceSkipped(scan.error);
            continue;
        }
        sink.ServiceStored(std::make_unique<ServicePass>(
            ServicePass{service->entry.caption, service->entry.code, plan->directory, day, path,
                        std::move(scan.findings), scan.known, scan.unknown, scanTime.count(),
                        scan.stamp, std::move(scan.end)}));
        if (stop.stop_requested()) return stopped;
    }
    return {};
}

}  // namespace corvane
