// The findings of a run as CSV, for spreadsheet programs and scripts.
#pragma once

#include <ostream>
#include <string>

#include "report/ExportedRun.h"

namespace corvane {

// Writes UTF-8 with a byte order mark: a header row, then one record per finding,
// service by service in row order and each service's findings in list order, with
// the columns service name, service code, error code, error name, time as shown,
// line number (empty where unknown) and log line.  Fields that hold a comma, a
// quote, CR or LF are quoted with their quotes doubled; a field that begins with
// "=", "+", "-", "@", TAB or CR gets a leading "'" so that a spreadsheet shows it as
// text instead of running it as a formula; records end in CR LF.
// Text is decoded from GBK (undecodable bytes become U+FFFD) and a NUL byte is
// written as U+2400, as the window shows it.
void WriteFindingsCsv(const ExportedRun& run, std::ostream& out);

// WriteFindingsCsv into the file `path`, which is replaced only once complete.
// Throws ExportError when the file cannot be written or is one of run.logFiles.
void SaveFindingsCsv(const ExportedRun& run, const std::string& path);

}  // namespace corvane
