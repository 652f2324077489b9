// The per-service passes of an analysis run, shared by the window and the
// command-line companion.  The window keeps the parts that only concern its own
// controls (the busy refusal, the reset, the report); this is the loop over the
// service rows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "catalog/ErrorCatalogue.h"
#include "catalog/ServiceCatalogue.h"
#include "scan/FindingList.h"
#include "scan/Host.h"
#include "scan/Scanner.h"

namespace corvane {

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
    virtual void SetLastResultCounts(std::int64_t known, std::int64_t unknown) = 0;
};

// One service of a run as the run stored it: what was scanned, what was found and how
// long it took.  The window's pages, the report tally, the exports, the run history
// and the patterns all read this record.
struct ServicePass {
    std::string caption;  // the result row's caption
    std::string serviceCode;
    std::string directory;  // the directory text when the run reached the row
    std::string day;
    std::string logFile;
    FindingList findings;  // in file order, each with the place of its own line
    std::int64_t known = 0;
    std::int64_t unknown = 0;
    double seconds = 0;  // wall time of the scan
    FileStamp logStamp;  // the log file as the scan opened it; its size is the bytes scanned
};

// The services of the last run; entry i belongs to result row i.  Each record stays
// where it is while later ones are added.
using ServiceResults = std::vector<std::unique_ptr<ServicePass>>;

// Receives each stored service (the report tally, the run history).
class FindingsObserver {
public:
    virtual ~FindingsObserver() = default;
    virtual void PassStored(const ServicePass& pass) = 0;
};

// The log file of a service for a day: directory, "/", prefix, day, ".log".
std::string LogFileName(const std::string& directory, const std::string& prefix,
                        const std::string& day);

// True when `path` names an existing file; a directory does not count.
bool LogFileExists(const std::string& path);

// The service's log of the day: the plain file when it exists, else its compressed
// twin (the same name and ".gz") when that exists; empty when neither does.
std::string DayLogFile(const std::string& directory, const std::string& prefix,
                       const std::string& day);

enum class RunOutcome { Completed, Stopped };

// Goes through the service rows: for each checked row with a log of the day
// (DayLogFile), adds a
// result row, scans, writes the counts into the row, stores the service's record in
// `results` at the row's index and hands it to `observer` (may be null).  A scan that gives
// no list (the file could not be opened, a large file was declined) loses its row.
// Returns Stopped as soon as a stop is requested through `stop` (checked between the
// services and by each scan); nothing more is stored then.  A file that shrinks under its scan
// raises ScanReadError; other errors of a scan propagate as they are.
RunOutcome RunServicePasses(RunView& view, const std::string& day, const ErrorCatalogue& catalogue,
                            ServiceResults& results, FindingsObserver* observer,
                            UserDialogs& dialogs, EventPump& pump, const StopToken& stop,
                            const ScanOptions& options);

}  // namespace corvane
