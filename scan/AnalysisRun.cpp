#include "scan/AnalysisRun.h"

#include <sys/stat.h>

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

RunOutcome RunServicePasses(RunView& view, const std::string& day, const ErrorCatalogue& catalogue,
                            ServiceResults& results, FindingsObserver* observer,
                            UserDialogs& dialogs, EventPump& pump, const StopToken& stop,
                            const ScanOptions& options) {
    const int rows = view.ServiceRowCount();
    for (int row = 0; row < rows; ++row) {
        if (stop.stop_requested()) return RunOutcome::Stopped;
        if (!view.ServiceRowChecked(row)) continue;
        const ServiceEntry service = view.ServiceRow(row);
        const std::string directory = view.DirectoryText();
        const std::string path = DayLogFile(directory, service.logPrefix, day);
        if (path.empty()) continue;

        ProgressSink& progress = view.AddResultRow(service.caption);
        const auto scanStart = std::chrono::steady_clock::now();
        ScanResult scan =
            ScanLogFile(service.code, path, catalogue, progress, dialogs, pump, stop, options);
        const std::chrono::duration<double> scanTime = std::chrono::steady_clock::now() - scanStart;
        // A file that shrinks under the scan ends the run with the read error.
        if (scan.outcome == ScanOutcome::ReadFailed) throw ScanReadError(scan.error);
        if (scan.outcome == ScanOutcome::Stopped || stop.stop_requested())
            return RunOutcome::Stopped;
        if (scan.outcome != ScanOutcome::Scanned) {
            view.RemoveLastResultRow();
            continue;
        }
        view.SetLastResultCounts(scan.known, scan.unknown);

        results.push_back(std::make_unique<ServicePass>(ServicePass{
            service.caption, service.code, directory, day, path, std::move(scan.findings),
            scan.known, scan.unknown, scanTime.count(), scan.stamp}));
        if (observer) observer->PassStored(*results.back());
        if (stop.stop_requested()) return RunOutcome::Stopped;
    }
    return RunOutcome::Completed;
}

}  // namespace corvane
