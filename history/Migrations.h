// The history's layout: its versions and the steps between them.
#pragma once

#include <sqlite3.h>

namespace corvane::sql {

// What a database's layout makes of it: a history this program can use, one written
// by a newer program, or an SQLite database of some other program.  The last two are
// answers, not failures: the file is left as it is and the operator told why.
enum class Layout { Usable, TooNew, Foreign };

// The layout version recorded in the file; 0 for a new file.
int SchemaVersion(sqlite3* db);

// Brings the file's layout forward to kHistorySchemaVersion in one write transaction;
// Layout::TooNew, changing nothing, for a newer one.
Layout Migrate(sqlite3* db);

// Adds the metrics server's outbox to a usable file that lacks it.
void AddMetricsOutbox(sqlite3* db);

// Layout::Foreign for a database that another program made, otherwise Usable (its
// version is not looked at).
Layout ForeignOrUsable(sqlite3* db);

}  // namespace corvane::sql
