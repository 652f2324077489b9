// The history's file on disk, before and beside SQLite: what it holds at its start,
// and moving a damaged one aside.
#pragma once

#include <sys/stat.h>

#include <string>

namespace corvane {

// What a file holds at its start.  SQLite takes an empty file for a new database, and
// every database it writes begins with these 16 bytes; anything else is some other
// file, which the history never renames, truncates or writes.
enum class FileStart { Missing, Empty, Database, Other, Unreadable };

FileStart StartOf(const std::string& path);

// True when a reader must take the database at `path` as it stands, without the
// shared-memory index ("-shm") through which SQLite reads a database in WAL mode: no
// index is there, its write-ahead log ("-wal") holds nothing, and this process may not
// write the file or its directory.  An index made there would be one SQLite cannot make
// (a read-only directory) or one left behind as ours, which the owner's recording could
// not use.  Without an index no writer has the file open, so the file alone holds
// everything recorded.
bool ReadWithoutIndex(const std::string& path);

// Renames the unreadable file at `path` (and the journal files that belong to it) to
// a name with the time as suffix.  `seen` identifies the file that was found unreadable:
// when another process has already moved it aside and started a new one, nothing is
// moved.  The directory's lock makes that check and the rename one step for processes
// that both found the same file unreadable.  Returns the new name, or empty when
// nothing was moved.
std::string MoveAside(const std::string& path, const struct stat& seen);

}  // namespace corvane
