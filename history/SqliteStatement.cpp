#include "history/SqliteStatement.h"

namespace corvane::sql {

void Check(sqlite3* db, int rc) {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
    throw SqlError(rc & 0xff, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

void Exec(sqlite3* db, const std::string& sql) {
    Check(db, sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr));
}

}  // namespace corvane::sql
