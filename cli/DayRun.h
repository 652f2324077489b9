// The scans of the command line: one file, as `scan`, `patterns` and `draft` make it,
// and one analysis run of a day over every service of the catalogue, as `run` and
// `history backfill` make it: the window's run with a plan that has every row checked.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/ErrorCatalogue.h"
#include "catalog/ServiceCatalogue.h"
#include "cli/Commands.h"
#include "scan/AnalysisRun.h"

namespace corvane::cli {

// Scans `path` for `service`.  A file that could not be opened or read is said on
// stderr and gives nothing: the command fails.
std::optional<ScanResult> ScanForCommand(const CommandContext& c, const std::string& service,
                                         const std::string& path, const ErrorCatalogue& catalogue);

// One analysis run of `day` over every service of the catalogue.
struct DayResult {
    std::vector<std::string> logFiles;  // every log the run went to scan, row or not
    ServiceResults results;             // one record per result row
    RunOutcome outcome = RunOutcome::Completed;
    bool skipped = false;  // a log could not be opened: said on stderr, the rest went on
};

// A log the run cannot read ends it (Failed, with the message); one it cannot open is
// said through `report` and skipped.  `services` (--services: codes separated by
// commas) leaves the other services' rows unchecked.
DayResult RunDay(const std::string& programDir, const ErrorCatalogue& catalogue,
                 const std::string& logDir, const std::string& day, FindingsObserver* observer,
                 const std::function<void(std::string_view)>& report, const StopToken& stop,
                 const ScanOptions& options,
                 const std::optional<std::string>& services = std::nullopt);

}  // namespace corvane::cli
