#include "history/Migrations.h"

#include <iterator>
#include <string>

#include "history/HistoryStore.h"
#include "history/SqliteStatement.h"

namespace corvane::sql {

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

}  // namespace

void AddMetricsOutbox(sqlite3* db) {
    // The metrics server's outbox: each installation's service days as last queued,
    // sent or not.  A day queued again is a new row (AUTOINCREMENT never gives an id
    // twice), so that a send that read the older row cannot mark the newer sent.  The
    // tables are only added, never read by what came before them, so the layout
    // version stays as it is and an older program goes on using the file.
    Exec(db, R"sql(
    CREATE TABLE IF NOT EXISTS metrics_days(
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        installation BLOB NOT NULL,
        day BLOB NOT NULL,
        service_code BLOB NOT NULL,
        queued_at INTEGER NOT NULL,
        stamp_ms INTEGER NOT NULL,
        sent INTEGER NOT NULL DEFAULT 0,
        UNIQUE(installation, day, service_code));
    CREATE INDEX IF NOT EXISTS metrics_days_unsent ON metrics_days(sent, id);
    CREATE TABLE IF NOT EXISTS metrics_counts(
        metrics_day_id INTEGER NOT NULL REFERENCES metrics_days(id) ON DELETE CASCADE,
        kind BLOB NOT NULL,
        code BLOB NOT NULL,
        count INTEGER NOT NULL,
        PRIMARY KEY(metrics_day_id, kind, code)) WITHOUT ROWID;
)sql");
}

int SchemaVersion(sqlite3* db) {
    Statement version(db, "PRAGMA user_version");
    version.Step();
    return static_cast<int>(version.Int(0));
}

Layout Migrate(sqlite3* db) {
    if (SchemaVersion(db) == kHistorySchemaVersion) return Layout::Usable;
    WriteTransaction transaction(db);
    // Read again under the write lock: another process may have migrated meanwhile.
    const int version = SchemaVersion(db);
    if (version > kHistorySchemaVersion) return Layout::TooNew;
    for (int step = version; step < kHistorySchemaVersion; ++step) Exec(db, kMigrations[step]);
    Exec(db, "PRAGMA user_version = " + std::to_string(kHistorySchemaVersion));
    transaction.Commit();
    return Layout::Usable;
}

// A database without a layout version that already holds tables or indexes was made
// by another program: it is no history, and nothing may be added to it.  A new file
// has neither.  The version and the tables of a history are written in one
// transaction, and both are read here in one statement, so one snapshot: read one
// after the other, another process's first migration could come in between.
Layout ForeignOrUsable(sqlite3* db) {
    Statement objects(db,
                      "SELECT (SELECT user_version FROM pragma_user_version), "
                      "(SELECT count(*) FROM sqlite_master)");
    if (objects.Step() && objects.Int(0) == 0 && objects.Int(1) > 0) return Layout::Foreign;
    return Layout::Usable;
}

}  // namespace corvane::sql
