// The history's layout: its versions and the steps between them.
#pragma once

#include <sqlite3.h>

namespace corvane::sql {

// Not SQLite codes: the file's layout is newer than this program knows, or the file
// is an SQLite database of some other program.
inline constexpr int kTooNew = -1;
inline constexpr int kForeign = -2;

// The layout version recorded in the file; 0 for a new file.
int SchemaVersion(sqlite3* db);

// Brings the file's layout forward to kHistorySchemaVersion in one write transaction;
// throws SqlError(kTooNew) for a newer one.
void Migrate(sqlite3* db);

// Throws SqlError(kForeign) for a database that another program made.
void RefuseForeign(sqlite3* db);

}  // namespace corvane::sql
