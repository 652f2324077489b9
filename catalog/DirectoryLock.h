// An exclusive lock on a directory itself, so that no lock file is left behind.  The
// kernel drops it when the process ends, however it ends.  Processes that change the
// files of one directory (the catalogue update, the history's recovery) take it so
// that their check-then-rename steps do not interleave.
#pragma once

#include <string>

#include "base/FileAccess.h"

namespace corvane {

class DirectoryLock {
public:
    // Opens `directory` (the current directory when empty); takes no lock yet.
    explicit DirectoryLock(const std::string& directory);
    // Closing the directory, when the lock goes, releases it.
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    // False when the directory could not be opened; no lock can be taken then.
    bool Opened() const { return directory_.IsOpen(); }

    // Waits for the lock as long as another process holds it.
    bool Wait();

    enum class Attempt { Taken, Held, Failed };
    // Takes the lock when it is free; Held when another holder has it (or the wait was
    // interrupted), Failed for any other error.
    Attempt TryTake();

    // Makes the renames inside the directory done so far durable.
    void Sync() const;

private:
    FileDescriptor directory_;
};

}  // namespace corvane
