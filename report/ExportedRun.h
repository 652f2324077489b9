// A finished analysis run as the exports read it: what the window (or the command
// line) holds after the run, borrowed, not copied.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/FindingList.h"
#include "catalog/ErrorCatalogue.h"

namespace corvane {

// One analysed service, in the order of the result rows.  Texts are GBK bytes as
// the catalogues and logs hold them.
struct ExportedService {
    std::string name;  // the result row's caption
    std::string code;  // the service code
    std::int64_t knownCount = 0;
    std::int64_t unknownCount = 0;
    // The service's findings (counts removed); null for a row that has no list.
    const FindingList* findings = nullptr;
    // Where each finding lies; null, or shorter than the findings, where the scan
    // did not record places: those findings get no line number.
    const FindingPlaces* places = nullptr;
    double scanSeconds = 0;      // how long the scan took
    std::int64_t fileBytes = 0;  // the size of the scanned log file
};

struct ExportedRun {
    std::string logDirectory;  // as the file system names it
    std::string day;           // the day's eight bytes, empty when none was chosen
    std::vector<ExportedService> services;
    // The error names come from here; null reads every code as unknown.
    const ErrorCatalogue* catalogue = nullptr;
    // The log files the run read: an export is never written over one of them.
    std::vector<std::string> logFiles{};
};

}  // namespace corvane
