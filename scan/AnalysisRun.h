// The per-service passes of an analysis run, shared by the window and the
// command-line companion.  The window keeps the parts that only concern its own
// controls (the busy refusal, the reset, the report); this is the loop over the
// service rows.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "catalog/ErrorCatalogue.h"
#include "catalog/ServiceCatalogue.h"
#include "scan/FindingList.h"
#include "scan/Host.h"
#include "scan/Scanner.h"

namespace corvane {

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
    // Where the scan left a plain file, for following it on from there.
    std::optional<ScanEnd> end;
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

// What a run is to go through, as the host's controls stand: the directory text, the
// day and the service rows that are checked, each with its row's index.  Immutable
// once published.
struct RunPlan {
    struct Service {
        int row = 0;
        ServiceEntry entry;
    };
    std::string directory;
    std::string day;
    int rows = 0;                   // the service rows, checked or not
    std::vector<Service> services;  // the checked rows, in row order
};

// The latest plan, published by the host whenever a control it is made of changes
// and taken by the run as it reaches each row, so that a row checked or unchecked
// during a run counts if the run has not passed it yet.  The run never waits for the
// host: it reads whatever was published last.  Safe between threads.
class RunPlanBoard {
public:
    explicit RunPlanBoard(RunPlan plan) : plan_(std::make_shared<const RunPlan>(std::move(plan))) {}
    void Publish(RunPlan plan) {
        auto next = std::make_shared<const RunPlan>(std::move(plan));
        const std::lock_guard<std::mutex> lock(mutex_);
        plan_ = std::move(next);
    }
    std::shared_ptr<const RunPlan> Latest() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return plan_;
    }

private:
    mutable std::mutex mutex_;
    std::shared_ptr<const RunPlan> plan_;
};

// What a run tells its host, on the run's thread, in the order it happens.
class RunSink {
public:
    virtual ~RunSink() = default;
    // A checked service has a log of the day and its scan begins: the host adds its
    // result row ("正在分析..." until the counts come).  The returned sink takes the
    // scan's progress and answers the large-file question; it is used until the
    // service is stored or skipped.
    virtual ScanSink& ServiceBegins(const std::string& caption, const std::string& logFile) = 0;
    // The scan gave no list: the row goes.  `reason` is what the operator is told (the
    // open-failure message, the compressed stream's failure); empty when the operator
    // declined a large file.
    virtual void ServiceSkipped(const std::string& reason) = 0;
    // The service's record: its counts go into the row, and the host keeps it.
    virtual void ServiceStored(std::unique_ptr<ServicePass> pass) = 0;
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

enum class RunOutcome { Completed, Stopped, Failed };

struct RunResult {
    RunOutcome outcome = RunOutcome::Completed;
    // With Failed: what the operator is told ("读取日志文件出错：" and the file name
    // of a file that got shorter under its scan).
    std::string error;
};

// Goes through the service rows of the plan on `board`: for each row, the latest
// plan tells whether it is checked and which directory holds the logs; a checked row
// with a log of the day (DayLogFile) is scanned and told to `sink`.  The row count and
// the day are the first plan's.  Ends Stopped as soon as a stop is requested through
// `stop` (checked between the services and by each scan); nothing more is stored
// then.  A file that shrinks under its scan ends the run Failed.
RunResult RunServicePasses(const RunPlanBoard& board, const ErrorCatalogue& catalogue,
                           RunSink& sink, const StopToken& stop, const ScanOptions& options);

}  // namespace corvane
