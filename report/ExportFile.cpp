#include "report/ExportFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "scan/FileNameText.h"

namespace corvane {
namespace {

// 写入导出文件失败：
constexpr std::string_view kMsgWriteFailed =
    "\xd0\xb4\xc8\xeb\xb5\xbc\xb3\xf6\xce\xc4\xbc\xfe\xca\xa7\xb0\xdc\xa3\xba";
// 不能导出到本次分析的日志文件：
constexpr std::string_view kMsgExportOntoLog =
    "\xb2\xbb\xc4\xdc\xb5\xbc\xb3\xf6\xb5\xbd\xb1\xbe\xb4\xce\xb7\xd6\xce\xf6\xb5\xc4\xc8\xd5\xd6"
    "\xbe\xce\xc4\xbc\xfe\xa3\xba";

[[noreturn]] void Fail(const std::string& path, int error) {
    std::string message(kMsgWriteFailed);
    message += FileNameForMessage(path);
    if (error != 0) message.append(" (").append(std::strerror(error)).append(")");
    throw ExportError(message);
}

// A stream buffer over a file descriptor that it owns.  The first failed write is
// kept in Error(); the stream then goes bad.
class FdBuf final : public std::streambuf {
public:
    explicit FdBuf(int fd) : fd_(fd) { setp(buffer_, buffer_ + sizeof buffer_); }
    ~FdBuf() override { Close(); }
    FdBuf(const FdBuf&) = delete;
    FdBuf& operator=(const FdBuf&) = delete;

    // Writes what is buffered and closes the descriptor; false on any failure.
    bool Close() {
        if (fd_ < 0) return error_ == 0;
        const bool flushed = Drain();
        if (::close(fd_) != 0 && error_ == 0) error_ = errno;
        fd_ = -1;
        return flushed && error_ == 0;
    }
    int Error() const { return error_; }

protected:
    int_type overflow(int_type c) override {
        if (!Drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* data, std::streamsize count) override {
        if (count >= static_cast<std::streamsize>(sizeof buffer_)) {
            if (!Drain() || !WriteAll(data, static_cast<std::size_t>(count))) return 0;
            return count;
        }
        return std::streambuf::xsputn(data, count);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain() {
        const bool written = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(buffer_, buffer_ + sizeof buffer_);
        return written;
    }
    bool WriteAll(const char* data, std::size_t count) {
        if (error_ != 0) return false;
        while (count > 0) {
            const ssize_t n = ::write(fd_, data, count);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                error_ = n < 0 ? errno : EIO;
                return false;
            }
            data += n;
            count -= static_cast<std::size_t>(n);
        }
        return true;
    }

    int fd_;
    int error_ = 0;
    char buffer_[1 << 16];
};

// Runs `write` into `fd` (taken over) and closes it; fails naming `path`.
void WriteInto(int fd, const std::string& path, const std::function<void(std::ostream&)>& write) {
    FdBuf buffer(fd);
    std::ostream out(&buffer);
    write(out);
    out.flush();
    if (!out || !buffer.Close()) Fail(path, buffer.Error());
}

// A new file beside `path` under a name of random hex digits, created exclusively
// (never through an existing name or link) with the mode a new file gets.  Returns
// its descriptor and sets `name`.
int CreateTemporary(const std::string& path, std::string& name) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".part-%08x%08x", static_cast<unsigned>(random()),
                      static_cast<unsigned>(random()));
        name = path + suffix;
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool SameFile(const struct stat& a, const std::string& other) {
    struct stat st {};
    return ::stat(other.c_str(), &st) == 0 && SameFile(a, st);
}

// The standard output or error stream that is the file `target`, or -1.
int OwnStreamOnto(const struct stat& target) {
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat st {};
        if (::fstat(stream, &st) == 0 && SameFile(st, target)) return stream;
    }
    return -1;
}

}  // namespace

void WriteExportFile(const std::string& path, const std::function<void(std::ostream&)>& write,
                     const std::vector<std::string>& keepOff) {
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0) {
        for (const std::string& log : keepOff) {
            if (SameFile(target, log))
                throw ExportError(std::string(kMsgExportOntoLog) + FileNameForMessage(path));
        }
        // The program's own output (/dev/stdout while it goes to a file) continues
        // after what was printed there; renaming would replace the link or the file.
        if (const int stream = OwnStreamOnto(target); stream >= 0) {
            const int fd = ::fcntl(stream, F_DUPFD_CLOEXEC, 0);
            if (fd < 0) Fail(path, errno);
            WriteInto(fd, path, write);
            return;
        }
        if (S_ISFIFO(target.st_mode) || S_ISCHR(target.st_mode)) {
            errno = 0;
            const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            if (fd < 0) Fail(path, errno);
            WriteInto(fd, path, write);
            return;
        }
        if (S_ISDIR(target.st_mode)) Fail(path, EISDIR);
        if (!S_ISREG(target.st_mode)) Fail(path, EINVAL);
    }

    std::string partial;
    const int fd = CreateTemporary(path, partial);
    if (fd < 0) Fail(path, errno);
    try {
        WriteInto(fd, path, write);
        if (std::rename(partial.c_str(), path.c_str()) != 0) Fail(path, errno);
    } catch (...) {
        std::remove(partial.c_str());
        throw;
    }
}

}  // namespace corvane
