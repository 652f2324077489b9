// The per-service passes of an analysis run, shared by the window and the
// command-line companion.  The window keeps the parts that only concern its own
// controls (the busy refusal, the reset, the report); this is the loop over the
// service rows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "analysis/FindingList.h"
#include "analysis/Host.h"
#include "analysis/Scanner.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/ServiceCatalogue.h"

namespace corvane {

// Finding lists of the last run (counts removed); entry i belongs to result row i.
using ServiceResults = std::vector<std::unique_ptr<FindingList>>;
// Where the findings of ServiceResults entry i lie in their file, entry for entry.
using ServicePlaces = std::vector<FindingPlaces>;

// What the run reads from and writes to the window.  Service rows and the directory
// text are read when the run reaches each row, so changes made meanwhile count.
class RunView {
public:
    virtual ~RunView() = default;
    virtual int ServiceRowCount() = 0;
    virtual bool ServiceRowChecked(int row) = 0;
    virtual ServiceEntry ServiceRow(int row) = 0;
    virtual std::string DirectoryText() = 0;
    // Appends a result row: the caption, then "正在分析..." and an empty cell.
    // The returned sink writes the row's "未知错误" cell and stays valid until the
    // row is removed or the next row is added.
    virtual ProgressSink& AddResultRow(const std::string& caption) = 0;
    virtual void RemoveLastResultRow() = 0;
    virtual void SetLastResultCounts(const std::string& known, const std::string& unknown) = 0;
};

// One stored service pass as the run saw it: what was scanned and how long it took.
struct ServicePass {
    std::string serviceCode;
    std::string directory;  // the directory text when the run reached the row
    std::string day;
    std::string logFile;
    std::int64_t known = 0;
    std::int64_t unknown = 0;
    double seconds = 0;  // wall time of the scan
    FileStamp logStamp;  // the log file as the scan opened it
};

// Receives each stored list (the report tally, the run history).
class FindingsObserver {
public:
    virtual ~FindingsObserver() = default;
    virtual void AddFindings(const std::string& serviceCode, const FindingList& findings) = 0;
    // Follows AddFindings for the same list, with the places of its findings; only the
    // run history needs it.
    virtual void PassStored(const ServicePass&, const FindingPlaces&) {}
};

// The log file of a service for a day: directory, "/", prefix, day, ".log".
std::string LogFileName(const std::string& directory, const std::string& prefix,
                        const std::string& day);

// True when `path` names an existing file; a directory does not count.
bool LogFileExists(const std::string& path);

enum class RunOutcome { Completed, Stopped };

// Goes through the service rows: for each checked row whose log file exists, adds a
// result row, scans, and stores the list (counts moved into the row) in `results`
// at the row's index (and the places of its findings in `places`, unless null),
// then hands it to `observer` (may be null).  A scan that gives
// no list (the file could not be opened, a large file was declined) loses its row.
// Returns Stopped as soon as `pump` reports a stop request; nothing more is stored
// then.  A file that shrinks under its scan raises ScanReadError; other errors of a
// scan propagate as they are.
RunOutcome RunServicePasses(RunView& view, const std::string& day, const ErrorCatalogue& catalogue,
                            ServiceResults& results, FindingsObserver* observer,
                            UserDialogs& dialogs, EventPump& pump, const ScanOptions& options,
                            ServicePlaces* places = nullptr);

}  // namespace corvane
