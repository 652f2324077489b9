// A finished analysis run as the exports read it: what the window (or the command
// line) holds after the run, borrowed, not copied.
#pragma once

#include <string>
#include <vector>

#include "catalog/ErrorCatalogue.h"
#include "scan/AnalysisRun.h"

namespace corvane {

struct ExportedRun {
    std::string logDirectory;  // as the file system names it
    std::string day;           // the day's eight bytes, empty when none was chosen
    // The analysed services in the order of the result rows; texts are GBK bytes as
    // the catalogues and logs hold them.
    std::vector<const ServicePass*> services;
    // The error names come from here; null reads every code as unknown.
    const ErrorCatalogue* catalogue = nullptr;
    // The log files the run read: an export is never written over one of them.
    std::vector<std::string> logFiles{};
};

}  // namespace corvane
