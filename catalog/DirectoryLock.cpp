#include "catalog/DirectoryLock.h"

#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace corvane {

DirectoryLock::DirectoryLock(const std::string& directory)
    : directory_(OpenDirectory(directory.empty() ? "." : directory)) {}

bool DirectoryLock::Wait() { return directory_ && ::flock(directory_.Get(), LOCK_EX) == 0; }

DirectoryLock::Attempt DirectoryLock::TryTake() {
    if (!directory_) return Attempt::Failed;
    if (::flock(directory_.Get(), LOCK_EX | LOCK_NB) == 0) return Attempt::Taken;
    return errno == EWOULDBLOCK || errno == EINTR ? Attempt::Held : Attempt::Failed;
}

void DirectoryLock::Sync() const {
    if (directory_) ::fsync(directory_.Get());
}

}  // namespace corvane
