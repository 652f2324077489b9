// A run as one self-contained HTML page: inline style, no scripts, no other files.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "report/ExportedRun.h"

namespace corvane {

struct HtmlReportOptions {
    // How many lines each known error code shows.
    std::size_t linesPerCode = 5;
    // How many unknown-error lines each service shows.
    std::size_t unknownLines = 100;
};

// Writes the report: the log directory, the day, the scan's total duration and
// size, a table of the services with their counts, file sizes and scan times, and
// per service the known errors per code (name, count and the first lines) and the
// first unknown-error lines, each list saying how many of how many it shows.
// Every text is decoded from GBK and escaped.
void WriteHtmlReport(const ExportedRun& run, std::ostream& out,
                     const HtmlReportOptions& options = {});

// WriteHtmlReport into the file `path`, which is replaced only once complete.
// Throws ExportError when the file cannot be written or is one of run.logFiles.
void SaveHtmlReport(const ExportedRun& run, const std::string& path,
                    const HtmlReportOptions& options = {});

}  // namespace corvane
