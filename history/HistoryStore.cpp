#include "history/HistoryStore.h"

#include <fcntl.h>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <unordered_map>

#include "catalog/GbkText.h"

namespace corvane {

namespace {

// The layouts, one step per version: step i brings a file from version i to i + 1.
// A step is only ever appended, never changed, so that every older file can be brought
// forward.  Texts are blobs so that SQLite never treats the GBK bytes as UTF-8 and
// compares them byte by byte.
const char* const kMigrations[] = {
    R"sql(
    CREATE TABLE directories(
        id INTEGER PRIMARY KEY,
        path BLOB NOT NULL UNIQUE);
    CREATE TABLE runs(
        id INTEGER PRIMARY KEY,
        ran_at INTEGER NOT NULL);
    CREATE TABLE service_days(
        id INTEGER PRIMARY KEY,
        directory_id INTEGER NOT NULL REFERENCES directories(id),
        day BLOB NOT NULL,
        service_code BLOB NOT NULL,
        run_id INTEGER NOT NULL REFERENCES runs(id),
        known INTEGER NOT NULL,
        unknown INTEGER NOT NULL,
        bytes INTEGER NOT NULL,
        seconds REAL NOT NULL,
        UNIQUE(directory_id, service_code, day));
    CREATE INDEX service_days_by_run ON service_days(run_id);
    CREATE TABLE code_counts(
        service_day_id INTEGER NOT NULL REFERENCES service_days(id) ON DELETE CASCADE,
        code BLOB NOT NULL,
        count INTEGER NOT NULL,
        PRIMARY KEY(service_day_id, code)) WITHOUT ROWID;
    CREATE TABLE pattern_counts(
        service_day_id INTEGER NOT NULL REFERENCES service_days(id) ON DELETE CASCADE,
        pattern BLOB NOT NULL,
        count INTEGER NOT NULL,
        PRIMARY KEY(service_day_id, pattern)) WITHOUT ROWID;
    )sql",
};
static_assert(std::size(kMigrations) == kHistorySchemaVersion);

// Not SQLite codes: the file's layout is newer than this program knows, or the file
// is an SQLite database of some other program.
constexpr int kTooNew = -1;
constexpr int kForeign = -2;

class SqlError : public std::runtime_error {
public:
    SqlError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    int Code() const { return code_; }

private:
    int code_;
};

void Check(sqlite3* db, int rc) {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
    throw SqlError(rc & 0xff, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

void Exec(sqlite3* db, const std::string& sql) {
    Check(db, sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr));
}

class Statement {
public:
    Statement(sqlite3* db, const char* sql) : db_(db) {
        Check(db, sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, std::int64_t value) {
        Check(db_, sqlite3_bind_int64(stmt_, index, value));
        return *this;
    }
    Statement& Bind(int index, double value) {
        Check(db_, sqlite3_bind_double(stmt_, index, value));
        return *this;
    }
    // Bytes as a blob; an empty text is an empty blob, not NULL.
    Statement& Bind(int index, const std::string& bytes) {
        Check(db_, sqlite3_bind_blob64(stmt_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT));
        return *this;
    }
    Statement& BindNull(int index) {
        Check(db_, sqlite3_bind_null(stmt_, index));
        return *this;
    }
    // True while rows come.
    bool Step() {
        const int rc = sqlite3_step(stmt_);
        Check(db_, rc);
        return rc == SQLITE_ROW;
    }
    void Run() {
        Step();
        sqlite3_reset(stmt_);
    }
    void Reset() { sqlite3_reset(stmt_); }

    std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    double Real(int column) const { return sqlite3_column_double(stmt_, column); }
    std::string Bytes(int column) const {
        const void* data = sqlite3_column_blob(stmt_, column);
        const int size = sqlite3_column_bytes(stmt_, column);
        return data == nullptr ? std::string() : std::string(static_cast<const char*>(data), size);
    }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A write transaction that takes the write lock at once, so that two writers queue
// on the busy timeout instead of one failing when it upgrades a read.  Rolled back
// unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(sqlite3* db) : db_(db) { Exec(db_, "BEGIN IMMEDIATE"); }
    ~WriteTransaction() {
        if (open_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    void Commit() {
        Exec(db_, "COMMIT");
        open_ = false;
    }

private:
    sqlite3* db_;
    bool open_ = true;
};

// A read transaction: the queries of one read see one state of the file.
class ReadTransaction {
public:
    explicit ReadTransaction(sqlite3* db) : db_(db) { Exec(db_, "BEGIN"); }
    ~ReadTransaction() { sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr); }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    sqlite3* db_;
};

int SchemaVersion(sqlite3* db) {
    Statement version(db, "PRAGMA user_version");
    version.Step();
    return static_cast<int>(version.Int(0));
}

void Migrate(sqlite3* db) {
    if (SchemaVersion(db) == kHistorySchemaVersion) return;
    WriteTransaction transaction(db);
    // Read again under the write lock: another process may have migrated meanwhile.
    const int version = SchemaVersion(db);
    if (version > kHistorySchemaVersion) throw SqlError(kTooNew, "newer layout");
    for (int step = version; step < kHistorySchemaVersion; ++step) Exec(db, kMigrations[step]);
    Exec(db, "PRAGMA user_version = " + std::to_string(kHistorySchemaVersion));
    transaction.Commit();
}

// A database without a layout version that already holds tables or indexes was made
// by another program: it is no history, and nothing may be added to it.  A new file
// has neither.  The version and the tables of a history are written in one
// transaction, so no reader sees one without the other.
void RefuseForeign(sqlite3* db) {
    if (SchemaVersion(db) != 0) return;
    Statement objects(db, "SELECT count(*) FROM sqlite_master");
    if (objects.Step() && objects.Int(0) > 0) throw SqlError(kForeign, "not a history");
}

void QuickCheck(sqlite3* db) {
    Statement check(db, "PRAGMA quick_check");
    if (!check.Step() || check.Bytes(0) != "ok")
        throw SqlError(SQLITE_CORRUPT, "database disk image is malformed");
}

void PrepareConnection(sqlite3* db, const HistoryOptions& options) {
    sqlite3_busy_timeout(db, options.busyTimeoutMs);
    Exec(db, "PRAGMA foreign_keys = ON");
    // The first statement that reads the file: a damaged header fails here.
    RefuseForeign(db);
    // Readers (the window's trend view) never wait for a writer, and a commit is one
    // append to the log.
    {
        Statement mode(db, "PRAGMA journal_mode = WAL");
        mode.Step();
    }
    Exec(db, "PRAGMA synchronous = NORMAL");
    QuickCheck(db);
    if (SchemaVersion(db) > kHistorySchemaVersion) throw SqlError(kTooNew, "newer layout");
    Migrate(db);
    if (options.maxPageCount > 0)
        Exec(db, "PRAGMA max_page_count = " + std::to_string(options.maxPageCount));
}

std::string TimeSuffix() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// What a file holds at its start.  SQLite takes an empty file for a new database, and
// every database it writes begins with these 16 bytes; anything else is some other
// file, which the history never renames, truncates or writes.
enum class FileStart { Missing, Empty, Database, Other, Unreadable };

FileStart StartOf(const std::string& path) {
    static constexpr char kHeader[] = "SQLite format 3";  // with its zero byte: 16 bytes
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? FileStart::Missing : FileStart::Unreadable;
    char start[sizeof kHeader] = {};
    std::size_t got = 0;
    bool failed = false;
    while (got < sizeof start) {
        const ssize_t n = ::read(fd, start + got, sizeof start - got);
        if (n < 0 && errno == EINTR) continue;
        failed = n < 0;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (failed) return FileStart::Unreadable;  // a directory, for one
    if (got == 0) return FileStart::Empty;
    return got == sizeof start && std::memcmp(start, kHeader, sizeof start) == 0
               ? FileStart::Database
               : FileStart::Other;
}

// Renames the unreadable file at `path` (and the journal files that belong to it) to
// a name with the time as suffix.  `seen` identifies the file that was found unreadable:
// when another process has already moved it aside and started a new one, nothing is
// moved.  The directory's lock makes that check and the rename one step for processes
// that both found the same file unreadable.  Returns the new name, or empty when
// nothing was moved.
std::string MoveAside(const std::string& path, const struct stat& seen) {
    const std::string directory = std::filesystem::path(path).parent_path().string();
    const int lock =
        ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock >= 0) ::flock(lock, LOCK_EX);
    std::string target;
    struct stat now {};
    if (::stat(path.c_str(), &now) == 0 && now.st_dev == seen.st_dev && now.st_ino == seen.st_ino) {
        const std::string base = path + ".corrupt-" + TimeSuffix();
        target = base;
        for (int n = 2; Exists(target); ++n) target = base + "-" + std::to_string(n);
        if (::rename(path.c_str(), target.c_str()) != 0) {
            target.clear();
        } else {
            for (const char* journal : {"-wal", "-shm", "-journal"}) {
                if (Exists(path + journal))
                    ::rename((path + journal).c_str(), (target + journal).c_str());
            }
        }
    }
    if (lock >= 0) ::close(lock);  // releases the lock
    return target;
}

template <typename Text>
std::string Message(std::string_view prefix, const Text& text) {
    std::string message(prefix);
    message += text;
    return message;
}

// A connection to the file opened with `flags`; null, with the reason in
// `opened.error`, when SQLite cannot open it.
sqlite3* OpenConnection(const std::string& path, int flags, OpenedHistory& opened) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc == SQLITE_OK) return db;
    const std::string why = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close(db);
    opened.error = Message(gbk::kMsgHistoryOpenFailed, path + " - " + why);
    return nullptr;
}

}  // namespace

std::string DefaultHistoryPath() {
    std::string base;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        std::string homeDir = home != nullptr ? home : "";
        if (homeDir.empty()) {
            if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
                homeDir = user->pw_dir;
        }
        base = homeDir + "/.local/share";
    }
    return base + "/corvane/history.sqlite";
}

std::string NormaliseDirectory(const std::string& directory) {
    std::filesystem::path path =
        directory.empty() ? std::filesystem::path("/") : std::filesystem::path(directory);
    if (path.is_relative()) {
        std::error_code error;
        std::filesystem::path absolute = std::filesystem::absolute(path, error);
        if (!error) path = std::move(absolute);
    }
    std::string text = path.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

OpenedHistory HistoryStore::Open(const std::string& path, const HistoryOptions& options) {
    OpenedHistory opened;
    try {
        const std::filesystem::path parent = std::filesystem::path(path).parent_path();
        std::error_code ignored;  // a directory that cannot be made fails the open below
        if (!parent.empty()) std::filesystem::create_directories(parent, ignored);

        // Switching a new file to WAL can meet another process doing the same, and SQLite
        // then reports the file busy at once instead of waiting: retry for as long as a
        // writer would wait.
        const auto giveUp =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(options.busyTimeoutMs);
        bool movedAside = false;
        for (;;) {
            struct stat seen {};
            const bool existed = ::stat(path.c_str(), &seen) == 0;
            const FileStart start = StartOf(path);
            if (start == FileStart::Other) {
                opened.error = Message(gbk::kMsgHistoryNotADatabase, path);
                return opened;
            }
            sqlite3* db = OpenConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, opened);
            if (db == nullptr) return opened;
            try {
                PrepareConnection(db, options);
                opened.store.reset(new HistoryStore(db, path));
                return opened;
            } catch (const SqlError& e) {
                sqlite3_close(db);
                if (e.Code() == kTooNew || e.Code() == kForeign) {
                    opened.error = Message(
                        e.Code() == kTooNew ? gbk::kMsgHistoryTooNew : gbk::kMsgHistoryNotADatabase,
                        path);
                    return opened;
                }
                if (e.Code() == SQLITE_BUSY && std::chrono::steady_clock::now() < giveUp) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                    continue;
                }
                // Only a database that SQLite itself finds damaged is moved aside; a file
                // it cannot open for another reason (permissions, a full disk) stays.
                const bool damaged = e.Code() == SQLITE_CORRUPT || e.Code() == SQLITE_NOTADB;
                if (!damaged || !existed || start != FileStart::Database || movedAside) {
                    opened.error = Message(gbk::kMsgHistoryOpenFailed, path + " - " + e.what());
                    return opened;
                }
                const std::string moved = MoveAside(path, seen);
                if (!moved.empty()) opened.notice = Message(gbk::kMsgHistoryMovedAside, moved);
                movedAside = true;
            }
        }
    } catch (const std::exception& e) {
        opened.store.reset();
        opened.error = Message(gbk::kMsgHistoryOpenFailed, path + " - " + e.what());
    }
    return opened;
}

OpenedHistory HistoryStore::OpenForReading(const std::string& path, const HistoryOptions& options) {
    OpenedHistory opened;
    switch (StartOf(path)) {
        case FileStart::Missing:
        case FileStart::Empty:
            return opened;  // nothing recorded yet
        case FileStart::Other:
            opened.error = Message(gbk::kMsgHistoryNotADatabase, path);
            return opened;
        case FileStart::Database:
        case FileStart::Unreadable:
            break;  // SQLite says what is wrong with the latter
    }
    sqlite3* db = OpenConnection(path, SQLITE_OPEN_READONLY, opened);
    if (db == nullptr) return opened;
    try {
        sqlite3_busy_timeout(db, options.busyTimeoutMs);
        RefuseForeign(db);
        QuickCheck(db);
        const int version = SchemaVersion(db);
        if (version > kHistorySchemaVersion) throw SqlError(kTooNew, "newer layout");
        if (version == 0) {  // made, but nothing recorded in it yet
            sqlite3_close(db);
            return opened;
        }
        opened.store.reset(new HistoryStore(db, path));
    } catch (const SqlError& e) {
        sqlite3_close(db);
        if (e.Code() == kTooNew || e.Code() == kForeign) {
            opened.error = Message(
                e.Code() == kTooNew ? gbk::kMsgHistoryTooNew : gbk::kMsgHistoryNotADatabase, path);
        } else {
            opened.error = Message(gbk::kMsgHistoryOpenFailed, path + " - " + e.what());
        }
    }
    return opened;
}

HistoryStore::~HistoryStore() { sqlite3_close(db_); }

RecordOutcome HistoryStore::Record(const RunRecord& run) {
    RecordOutcome outcome;
    if (run.services.empty()) {
        outcome.recorded = true;
        return outcome;
    }
    try {
        WriteTransaction transaction(db_);
        Statement addRun(db_, "INSERT INTO runs(ran_at) VALUES(?)");
        addRun.Bind(1, run.ranAt).Run();
        const std::int64_t runId = sqlite3_last_insert_rowid(db_);

        Statement addDirectory(db_,
                               "INSERT INTO directories(path) VALUES(?) ON CONFLICT DO NOTHING");
        Statement findDirectory(db_, "SELECT id FROM directories WHERE path = ?");
        Statement findEarlier(db_,
                              "SELECT id, run_id FROM service_days "
                              "WHERE directory_id = ? AND day = ? AND service_code = ?");
        Statement dropEarlier(db_, "DELETE FROM service_days WHERE id = ?");
        Statement dropEmptyRun(db_,
                               "DELETE FROM runs WHERE id = ?1 AND NOT EXISTS "
                               "(SELECT 1 FROM service_days WHERE run_id = ?1)");
        Statement addDay(db_,
                         "INSERT INTO service_days(directory_id, day, service_code, run_id, known, "
                         "unknown, bytes, seconds) VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
        Statement addCode(db_,
                          "INSERT INTO code_counts(service_day_id, code, count) VALUES(?, ?, ?)");
        Statement addPattern(db_,
                             "INSERT INTO pattern_counts(service_day_id, pattern, count) "
                             "VALUES(?, ?, ?) ON CONFLICT(service_day_id, pattern) "
                             "DO UPDATE SET count = count + excluded.count");

        for (const ServiceRecord& service : run.services) {
            const std::string directory = NormaliseDirectory(service.directory);
            addDirectory.Bind(1, directory).Run();
            findDirectory.Bind(1, directory);
            if (!findDirectory.Step()) throw SqlError(SQLITE_ERROR, "directory not stored");
            const std::int64_t directoryId = findDirectory.Int(0);
            findDirectory.Reset();

            findEarlier.Bind(1, directoryId).Bind(2, service.day).Bind(3, service.serviceCode);
            if (findEarlier.Step()) {
                const std::int64_t earlierId = findEarlier.Int(0);
                const std::int64_t earlierRun = findEarlier.Int(1);
                findEarlier.Reset();
                dropEarlier.Bind(1, earlierId).Run();
                // The run that recorded it goes too once nothing of it is left.
                if (earlierRun != runId) dropEmptyRun.Bind(1, earlierRun).Run();
            } else {
                findEarlier.Reset();
            }

            addDay.Bind(1, directoryId)
                .Bind(2, service.day)
                .Bind(3, service.serviceCode)
                .Bind(4, runId)
                .Bind(5, service.known)
                .Bind(6, service.unknown)
                .Bind(7, service.bytes)
                .Bind(8, service.seconds)
                .Run();
            const std::int64_t dayId = sqlite3_last_insert_rowid(db_);
            for (const auto& [code, count] : service.codes)
                addCode.Bind(1, dayId).Bind(2, code).Bind(3, count).Run();
            for (const PatternCount& pattern : service.patterns)
                addPattern.Bind(1, dayId).Bind(2, pattern.text).Bind(3, pattern.count).Run();
        }
        transaction.Commit();
        outcome.recorded = true;
    } catch (const std::exception& e) {
        outcome.error = Message(gbk::kMsgHistoryRecordFailed, e.what());
    }
    return outcome;
}

std::vector<RecordedDay> HistoryStore::Days(const std::string& directory,
                                            const std::string& serviceCode, bool withPatterns,
                                            std::string* error) {
    std::vector<RecordedDay> days;
    try {
        const std::string key = NormaliseDirectory(directory);
        const auto bindKey = [&](Statement& statement) {
            statement.Bind(1, key);
            if (serviceCode.empty()) {
                statement.BindNull(2);
            } else {
                statement.Bind(2, serviceCode);
            }
        };
        ReadTransaction transaction(db_);
        Statement rows(db_,
                       "SELECT s.id, s.day, s.service_code, s.known, s.unknown, s.bytes, "
                       "s.seconds, r.ran_at FROM service_days s "
                       "JOIN directories d ON d.id = s.directory_id JOIN runs r ON r.id = s.run_id "
                       "WHERE d.path = ?1 AND (?2 IS NULL OR s.service_code = ?2) "
                       "ORDER BY s.day, s.service_code");
        bindKey(rows);
        std::unordered_map<std::int64_t, std::size_t> index;
        while (rows.Step()) {
            index[rows.Int(0)] = days.size();
            RecordedDay& day = days.emplace_back();
            day.day = rows.Bytes(1);
            day.serviceCode = rows.Bytes(2);
            day.known = rows.Int(3);
            day.unknown = rows.Int(4);
            day.bytes = rows.Int(5);
            day.seconds = rows.Real(6);
            day.ranAt = rows.Int(7);
        }

        const auto readCounts = [&](const char* sql, Counts RecordedDay::*part) {
            Statement counts(db_, sql);
            bindKey(counts);
            while (counts.Step()) {
                const auto it = index.find(counts.Int(0));
                if (it != index.end()) (days[it->second].*part)[counts.Bytes(1)] = counts.Int(2);
            }
        };
        readCounts(
            "SELECT c.service_day_id, c.code, c.count FROM code_counts c "
            "JOIN service_days s ON s.id = c.service_day_id "
            "JOIN directories d ON d.id = s.directory_id "
            "WHERE d.path = ?1 AND (?2 IS NULL OR s.service_code = ?2)",
            &RecordedDay::codes);
        if (withPatterns) {
            readCounts(
                "SELECT c.service_day_id, c.pattern, c.count FROM pattern_counts c "
                "JOIN service_days s ON s.id = c.service_day_id "
                "JOIN directories d ON d.id = s.directory_id "
                "WHERE d.path = ?1 AND (?2 IS NULL OR s.service_code = ?2)",
                &RecordedDay::patterns);
        }
    } catch (const std::exception& e) {
        days.clear();
        if (error != nullptr) *error = e.what();
    }
    return days;
}

std::vector<std::string> HistoryStore::Services(const std::string& directory, std::string* error) {
    std::vector<std::string> services;
    try {
        Statement rows(db_,
                       "SELECT DISTINCT s.service_code FROM service_days s "
                       "JOIN directories d ON d.id = s.directory_id WHERE d.path = ? ORDER BY 1");
        rows.Bind(1, NormaliseDirectory(directory));
        while (rows.Step()) services.push_back(rows.Bytes(0));
    } catch (const std::exception& e) {
        services.clear();
        if (error != nullptr) *error = e.what();
    }
    return services;
}

}  // namespace corvane
