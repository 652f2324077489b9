#include "catalog/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <utility>

namespace corvane {

namespace {

struct FileStamp {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{};
    timespec ctime{};

    static FileStamp Of(const struct stat& st) {
        FileStamp s;
        s.dev = st.st_dev;
        s.ino = st.st_ino;
        s.size = st.st_size;
        s.mtime = st.st_mtim;
        s.ctime = st.st_ctim;
        return s;
    }
    bool operator==(const FileStamp& o) const {
        return dev == o.dev && ino == o.ino && size == o.size && mtime.tv_sec == o.mtime.tv_sec &&
               mtime.tv_nsec == o.mtime.tv_nsec && ctime.tv_sec == o.ctime.tv_sec &&
               ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

[[noreturn]] void RefuseLargeFile(const std::string& path, long long size, std::size_t maxBytes) {
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    throw ProfileFileTooLarge(
        name + " is too large to read (" +
        (size < 0 ? std::string("more than ") + std::to_string(maxBytes) : std::to_string(size)) +
        " bytes; INI files of at most " + std::to_string(maxBytes) + " bytes are read)");
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Reads the whole regular file at `path`, at most `maxBytes` of it.  Returns false
// when it cannot be opened or read; `stamp` is the file's state before the read and
// `stable` tells whether it was still the same after it.
bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                   FileStamp& stamp, bool& stable) {
    const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) return false;
    struct stat before {};
    if (::fstat(fd.Get(), &before) != 0 || !S_ISREG(before.st_mode)) return false;
    if (static_cast<unsigned long long>(before.st_size) > maxBytes)
        RefuseLargeFile(path, before.st_size, maxBytes);

    // One byte more than allowed is room enough to notice a file that grew meanwhile.
    bytes.assign(static_cast<std::size_t>(before.st_size) + 1, '\0');
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > maxBytes) RefuseLargeFile(path, -1, maxBytes);
            bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
        }
        const ssize_t n = ::read(fd.Get(), bytes.data() + have, bytes.size() - have);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        have += static_cast<std::size_t>(n);
    }
    bytes.resize(have);
    struct stat after {};
    stable = ::fstat(fd.Get(), &after) == 0 && FileStamp::Of(before) == FileStamp::Of(after) &&
             have == static_cast<std::size_t>(before.st_size);
    stamp = FileStamp::Of(before);
    return true;
}

}  // namespace

struct ProfileFile::Cache {
    std::mutex mutex;
    bool valid = false;
    FileStamp stamp;
    std::shared_ptr<const ProfileText> parsed;
};

ProfileFile::ProfileFile(std::string path, std::size_t maxBytes)
    : path_(std::move(path)), maxBytes_(maxBytes), cache_(std::make_unique<Cache>()) {}

ProfileFile::~ProfileFile() = default;

std::shared_ptr<const ProfileText> ProfileFile::Current() const {
    static const std::shared_ptr<const ProfileText> kEmpty = std::make_shared<const ProfileText>();
    std::lock_guard<std::mutex> lock(cache_->mutex);

    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        cache_->valid = false;
        cache_->parsed.reset();
        return kEmpty;
    }
    if (cache_->valid && cache_->stamp == FileStamp::Of(st)) return cache_->parsed;
    cache_->valid = false;
    cache_->parsed.reset();  // the old copy goes before the new one is read

    std::string bytes;
    FileStamp stamp;
    bool stable = false;
    if (!ReadWholeFile(path_, maxBytes_, bytes, stamp, stable)) return kEmpty;
    auto parsed = std::make_shared<const ProfileText>(std::move(bytes));
    // A file that changed while it was read is used once but not kept: the next
    // read looks at it again.
    cache_->valid = stable;
    cache_->stamp = stamp;
    cache_->parsed = parsed;
    return parsed;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
    return Current()->ReadString(section, key, def);
}

std::vector<std::string> ProfileFile::ReadSection(std::string_view section) const {
    return Current()->ReadSection(section);
}

std::vector<std::string> ProfileFile::ReadSectionNames() const {
    return Current()->ReadSectionNames();
}

std::vector<std::string> ProfileFile::ReadSectionValues(std::string_view section) const {
    const auto parsed = Current();
    std::vector<std::string> lines;
    for (const auto& name : parsed->ReadSection(section))
        lines.push_back(name + "=" + parsed->ReadString(section, name, ""));
    return lines;
}

}  // namespace corvane
