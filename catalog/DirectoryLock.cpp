#include "catalog/DirectoryLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace corvane {

namespace {

int OpenDirectory(const std::string& directory) {
    return ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

DirectoryLock::DirectoryLock(const std::string& directory) : fd_(OpenDirectory(directory)) {}

DirectoryLock::~DirectoryLock() {
    if (fd_ >= 0) ::close(fd_);
}

bool DirectoryLock::Wait() { return fd_ >= 0 && ::flock(fd_, LOCK_EX) == 0; }

DirectoryLock::Attempt DirectoryLock::TryTake() {
    if (fd_ < 0) return Attempt::Failed;
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return Attempt::Taken;
    return errno == EWOULDBLOCK || errno == EINTR ? Attempt::Held : Attempt::Failed;
}

void DirectoryLock::Sync() const {
    if (fd_ >= 0) ::fsync(fd_);
}

}  // namespace corvane
