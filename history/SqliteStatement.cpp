#include "history/SqliteStatement.h"

namespace corvane::sql {

void Check(sqlite3* db, int rc) {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
    throw SqlError(rc & 0xff, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

void Exec(sqlite3* db, const std::string& sql) {
    Check(db, sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr));
}

void ReportReadFailure(std::string* error, const std::exception& failure) {
    if (error != nullptr)
        *error = failure.what();
    else
        WriteFailure("reading the history", failure.what());
}

}  // namespace corvane::sql
