#include "scan/LogFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "scan/FileNameText.h"

namespace corvane {

LogFile::~LogFile() {
    if (fd_ >= 0) ::close(fd_);
}

int OpenLogFileDescriptor(const std::string& path) {
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return fd;
}

bool LogFile::Open(const std::string& path) {
    path_ = path;
    fd_ = OpenLogFileDescriptor(path);
    if (fd_ < 0) return false;
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    size_ = st.st_size;
    stamp_ = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino), size_,
              static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
    return true;
}

void LogFile::Read(char* into, std::size_t count, std::int64_t offset) const {
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::pread(fd_, into + got, count - got,
                                  static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ThrowReadError();
        got += static_cast<std::size_t>(n);
    }
}

std::int64_t LogFile::FindLineEnd(std::int64_t from) const {
    constexpr std::size_t kPiece = 65536;
    std::unique_ptr<char[]> piece;
    while (from < size_) {
        const std::size_t n =
            static_cast<std::size_t>(std::min<std::int64_t>(kPiece, size_ - from));
        if (!piece) piece.reset(new char[kPiece]);
        Read(piece.get(), n, from);
        const char* end = piece.get() + n;
        const char* lineEnd = corvane::FindLineEnd(piece.get(), end);
        if (lineEnd < end) return from + (lineEnd - piece.get());
        from += static_cast<std::int64_t>(n);
    }
    return size_;
}

void LogFile::ThrowReadError() const {
    // The file is shorter than it was when the scan began.
    throw ScanReadError(std::string(gbk::kMsgReadFailed) + FileNameForMessage(path_));
}

}  // namespace corvane
