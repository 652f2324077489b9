#include "base/FileAccess.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace corvane {

namespace {

std::int64_t Nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

FileStatus StatusFrom(const struct stat& st) {
    FileStatus status;
    status.stamp = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                    static_cast<std::int64_t>(st.st_size), Nanoseconds(st.st_mtim)};
    status.changedNs = Nanoseconds(st.st_ctim);
    status.regular = S_ISREG(st.st_mode);
    return status;
}

FileDescriptor Failed(int error) {
    errno = error;
    return FileDescriptor(-1);
}

}  // namespace

FileDescriptor::FileDescriptor(int fd) noexcept
    : fd_(fd < 0 ? -1 : fd), error_(fd < 0 ? errno : 0) {}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(std::exchange(other.error_, 0)) {}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        error_ = std::exchange(other.error_, 0);
    }
    return *this;
}

int FileDescriptor::Close() noexcept {
    if (fd_ < 0) return 0;
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 ? 0 : errno;
}

std::optional<FileStatus> StatusOfPath(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return StatusFrom(st);
}

std::optional<FileStatus> StatusOf(const FileDescriptor& file) {
    struct stat st {};
    if (::fstat(file.Get(), &st) != 0) return std::nullopt;
    return StatusFrom(st);
}

namespace {

// Opens `path` for reading with the extra `flags` and keeps it only when it is a
// regular file; EISDIR or EINVAL when it is something else.  Non-blocking while it is
// opened, so that opening a FIFO does not wait for a writer.
FileDescriptor OpenRegularFile(const std::string& path, int flags) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | flags));
    if (!file) return file;
    struct stat st {};
    if (::fstat(file.Get(), &st) != 0) {
        const int error = errno;
        file.Close();
        return Failed(error);
    }
    if (!S_ISREG(st.st_mode)) {
        file.Close();
        return Failed(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    }
    ::fcntl(file.Get(), F_SETFL, ::fcntl(file.Get(), F_GETFL) & ~O_NONBLOCK);
    return file;
}

}  // namespace

FileDescriptor OpenSharedForReading(const std::string& path) {
    FileDescriptor file = OpenRegularFile(path, 0);
    if (file) ::posix_fadvise(file.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    return file;
}

FileDescriptor OpenForReading(const std::string& path) {
    return FileDescriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
}

FileDescriptor OpenDirectory(const std::string& path) {
    return FileDescriptor(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

FileDescriptor CreateForWriting(const std::string& path) {
    return FileDescriptor(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
}

std::optional<std::size_t> ReadSome(const FileDescriptor& file, char* into, std::size_t count) {
    for (;;) {
        const ssize_t n = ::read(file.Get(), into, count);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) return std::nullopt;
    }
}

std::optional<std::size_t> ReadFull(const FileDescriptor& file, char* into, std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(file.Get(), into + got, count - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

std::optional<std::size_t> ReadFullAt(const FileDescriptor& file, char* into, std::size_t count,
                                      std::int64_t offset) {
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::pread(file.Get(), into + got, count - got,
                                  static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

WholeFile ReadWholeFile(const std::string& path, std::size_t maxBytes, LinkRule links) {
    WholeFile whole;
    const FileDescriptor file =
        links == LinkRule::Follow ? OpenSharedForReading(path) : OpenRegularNoFollow(path);
    if (!file) return whole;
    const std::optional<FileStatus> before = StatusOf(file);
    if (!before) return whole;
    whole.status = *before;
    const auto size = static_cast<std::size_t>(before->stamp.size);
    if (size > maxBytes) {
        whole.outcome = WholeFile::Outcome::TooLarge;
        return whole;
    }

    // One byte more than expected is room enough to notice a file that grew meanwhile.
    std::string bytes(size + 1, '\0');
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > maxBytes) {
                whole.outcome = WholeFile::Outcome::TooLarge;
                return whole;
            }
            bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
        }
        const std::optional<std::size_t> n =
            ReadSome(file, bytes.data() + have, bytes.size() - have);
        if (!n) return whole;
        if (*n == 0) break;
        have += *n;
    }
    bytes.resize(have);
    const std::optional<FileStatus> after = StatusOf(file);
    whole.stable = after && *after == *before && have == size;
    whole.bytes = std::move(bytes);
    whole.outcome = WholeFile::Outcome::Read;
    return whole;
}

int WriteAll(const FileDescriptor& file, const char* data, std::size_t count) {
    while (count > 0) {
        const ssize_t n = ::write(file.Get(), data, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        data += n;
        count -= static_cast<std::size_t>(n);
    }
    return 0;
}

bool TakeOverPermissions(const FileDescriptor& replacement, const std::string& target) {
    struct stat old {};
    if (::lstat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return false;
    const bool grouped = ::fchown(replacement.Get(), static_cast<uid_t>(-1), old.st_gid) == 0;
    return ::fchmod(replacement.Get(), old.st_mode & 0777) == 0 && grouped;
}

ExclusiveFile::ExclusiveFile(ExclusiveFile&& other) noexcept
    : path_(std::exchange(other.path_, {})), file_(std::move(other.file_)) {}

ExclusiveFile& ExclusiveFile::operator=(ExclusiveFile&& other) noexcept {
    if (this != &other) {
        Discard();
        path_ = std::exchange(other.path_, {});
        file_ = std::move(other.file_);
    }
    return *this;
}

void ExclusiveFile::Discard() noexcept {
    const bool created = file_.IsOpen();
    file_.Close();
    if (created && !path_.empty()) ::unlink(path_.c_str());
    path_.clear();
}

ExclusiveFile CreateExclusive(const std::string& stem, std::string_view suffix, unsigned mode) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    constexpr std::size_t kRandomLength = 12;
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[kRandomLength];
        if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
            return ExclusiveFile({}, Failed(errno == 0 ? EIO : errno));
        std::string path = stem + ".";
        for (const unsigned char r : random) path.push_back(kLetters[r % (sizeof kLetters - 1)]);
        path.append(suffix);
        FileDescriptor file(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                   static_cast<mode_t>(mode)));
        if (file) return ExclusiveFile(std::move(path), std::move(file));
        if (file.OpenError() != EEXIST) return ExclusiveFile({}, std::move(file));
    }
    return ExclusiveFile({}, Failed(EEXIST));
}

FileDescriptor OpenRegularNoFollow(const std::string& path) {
    return OpenRegularFile(path, O_NOFOLLOW);
}

}  // namespace corvane
