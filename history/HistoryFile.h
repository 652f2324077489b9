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

// Renames the unreadable file at `path` (and the journal files that belong to it) to
// a name with the time as suffix.  `seen` identifies the file that was found unreadable:
// when another process has already moved it aside and started a new one, nothing is
// moved.  The directory's lock makes that check and the rename one step for processes
// that both found the same file unreadable.  Returns the new name, or empty when
// nothing was moved.
std::string MoveAside(const std::string& path, const struct stat& seen);

}  // namespace corvane
