#include "analysis/AnalysisRun.h"

#include <sys/stat.h>

#include <charconv>
#include <chrono>

namespace corvane {

namespace {

std::int64_t CountValue(const std::string& text) {
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

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

RunOutcome RunServicePasses(RunView& view, const std::string& day, const ErrorCatalogue& catalogue,
                            ServiceResults& results, FindingsObserver* observer,
                            UserDialogs& dialogs, EventPump& pump, const ScanOptions& options,
                            ServicePlaces* places) {
    const int rows = view.ServiceRowCount();
    for (int row = 0; row < rows; ++row) {
        if (pump.StopRequested()) return RunOutcome::Stopped;
        if (!view.ServiceRowChecked(row)) continue;
        const ServiceEntry service = view.ServiceRow(row);
        const std::string directory = view.DirectoryText();
        const std::string path = LogFileName(directory, service.logPrefix, day);
        if (!LogFileExists(path)) continue;

        ProgressSink& progress = view.AddResultRow(service.caption);
        const auto scanStart = std::chrono::steady_clock::now();
        ScanResult scan =
            ScanLogFile(service.code, path, catalogue, progress, dialogs, pump, options);
        const std::chrono::duration<double> scanTime = std::chrono::steady_clock::now() - scanStart;
        // A file that shrinks under the scan ends the run with the read error.
        if (scan.outcome == ScanOutcome::ReadFailed) throw ScanReadError(scan.error);
        if (scan.outcome == ScanOutcome::Stopped || pump.StopRequested())
            return RunOutcome::Stopped;
        FindingList& list = scan.findings;
        if (scan.outcome != ScanOutcome::Scanned || list.size() < 2) {
            view.RemoveLastResultRow();
            continue;
        }
        // The scanner's list always ends with the unknown count and the known count.
        std::string known = std::move(list.back());
        list.pop_back();
        std::string unknown = std::move(list.back());
        list.pop_back();
        view.SetLastResultCounts(known, unknown);

        results.push_back(std::make_unique<FindingList>(std::move(list)));
        const FindingPlaces& listPlaces =
            places ? places->emplace_back(std::move(scan.places)) : scan.places;
        if (observer) {
            observer->AddFindings(service.code, *results.back());
            observer->PassStored(ServicePass{service.code, directory, day, path, CountValue(known),
                                             CountValue(unknown), scanTime.count(), scan.stamp},
                                 listPlaces);
        }
        if (pump.StopRequested()) return RunOutcome::Stopped;
    }
    return RunOutcome::Completed;
}

}  // namespace corvane
