// The run history: one SQLite database of the completed runs, keyed by log directory,
// day and service.  Nothing in the analysis needs it; every failure here comes back
// as a message for the caller to show, never as an exception.
//
// One HistoryStore is one database connection: use it from one thread at a time.  A
// second thread (or process) opens its own; concurrent writers wait for each other.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "history/HistoryPath.h"  // DefaultHistoryPath, NormaliseDirectory
#include "history/RunRecord.h"

struct sqlite3;

namespace corvane {

// The layout version this program writes; older files are brought forward on open.
inline constexpr int kHistorySchemaVersion = 1;

struct HistoryOptions {
    int busyTimeoutMs = 30000;  // how long a writer waits for another one
    // Tests only: a database limit in pages, so that a write fails as on a full disk.
    long long maxPageCount = 0;
};

class HistoryStore;

struct OpenedHistory {
    std::unique_ptr<HistoryStore> store;  // null when the history cannot be used
    // Set once, when a damaged database was renamed aside and a new one started; the
    // store is usable then.  Show it to the operator.
    std::string notice;
    std::string error;  // why `store` is null
};

struct RecordOutcome {
    bool recorded = false;
    std::string error;  // why not, when not
};

class HistoryStore {
public:
    // Opens `path` for recording, creating it and its directory when missing.  A
    // database that SQLite finds damaged is renamed to path + ".corrupt-YYYYMMDD-HHMMSS"
    // (with its -wal and -shm files) and a new one takes its place.  A file that does
    // not begin as an SQLite database, a database of another program and one written
    // by a newer program are refused and left exactly as they are.
    static OpenedHistory Open(const std::string& path, const HistoryOptions& options = {});

    // Opens `path` only to read it: never creates, brings forward, renames or writes
    // the file.  Another user's database and one in a directory this process may not
    // write are read too, and nothing is made beside them; beside a database this
    // process may write, SQLite may leave its empty -wal and -shm files.  A missing or
    // empty file, or a database that holds nothing yet, gives neither store nor error:
    // nothing is recorded.  A damaged database is refused.
    static OpenedHistory OpenForReading(const std::string& path,
                                        const HistoryOptions& options = {});
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    const std::string& Path() const { return path_; }

    // Records a completed run in one transaction: each of its services replaces an
    // earlier record of the same directory, day and service.  A run without services
    // records nothing.  On failure nothing of the run is kept.
    RecordOutcome Record(const RunRecord& run);

    // The recorded days of `directory` (normalised here: the text the operator typed will
    // do), of one service when `serviceCode` is not empty, in day order and then
    // service-code order (bytes).  Pattern counts are read only when asked for.  On
    // failure the list is empty and `error` says why; without `error` the failure is
    // written to stderr.
    std::vector<RecordedDay> Days(const std::string& directory, const std::string& serviceCode = {},
                                  bool withPatterns = false, std::string* error = nullptr);

    // The service codes recorded for `directory`, in byte order; a failure as for Days.
    std::vector<std::string> Services(const std::string& directory, std::string* error = nullptr);

    // The outbox of the metrics server.  Queues each day in one transaction: it
    // replaces the installation's earlier entry of the same day and service, unsent
    // again, and a count of the earlier entry that `counts` lacks stays in it as 0, so
    // that sending the day again takes that code's value on the server back to zero.
    // A day queued again is stamped at least a millisecond after the earlier entry, so
    // that its samples are the later ones on the server.  `id` of the given days is
    // ignored.
    RecordOutcome QueueMetrics(const std::vector<MetricsDay>& days, std::int64_t queuedAt);
    // The unsent days, the longest queued first; a failure as for Days.
    std::vector<MetricsDay> UnsentMetrics(std::string* error = nullptr);
    // Marks the days of these ids sent; an id that was queued again since is no longer
    // there and stays unsent.
    RecordOutcome MarkMetricsSent(const std::vector<std::int64_t>& ids);

private:
    HistoryStore(sqlite3* db, std::string path) : db_(db), path_(std::move(path)) {}

    sqlite3* db_;
    std::string path_;
};

}  // namespace corvane
