#include "scan/GzipCopy.h"

#include <fcntl.h>
#include <isa-l/igzip_lib.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "base/AsciiCase.h"
#include "catalog/GbkText.h"
#include "scan/FileNameText.h"

namespace corvane {

bool IsCompressedLog(std::string_view path) {
    constexpr std::string_view kExt = ".gz";
    return path.size() >= kExt.size() &&
           EqualsIgnoringAsciiCase(path.substr(path.size() - kExt.size()), kExt);
}

std::string GzipCacheDirectory() {
    const char* cacheHome = std::getenv("XDG_CACHE_HOME");
    std::string base;
    if (cacheHome != nullptr && cacheHome[0] == '/') {
        base = cacheHome;
    } else {
        const char* home = std::getenv("HOME");
        std::string homeDir = home != nullptr ? home : "";
        if (homeDir.empty()) {
            if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
                homeDir = user->pw_dir;
        }
        base = homeDir + "/.cache";
    }
    return base + "/corvane/gz/";
}

namespace {

constexpr std::size_t kInputPiece = std::size_t{1} << 20;
constexpr std::size_t kOutputBuffer = std::size_t{4} << 20;

enum class Inflated { Done, Corrupt, TooLarge, Stopped };

// Decompresses the gzip file on a thread of its own into a ring of buffers that the
// calling thread writes out in order: the decompression of the next buffers overlaps
// with the writing of the earlier ones.
class Inflater {
public:
    Inflater(const FileDescriptor& in, std::int64_t limit) : in_(in), limit_(limit) {
        for (auto& buffer : buffers_) buffer.data.reset(new char[kOutputBuffer]);
    }
    ~Inflater() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
        if (thread_.joinable()) thread_.join();
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Hands each buffer of decompressed bytes to `write` in order; false from it
    // ends the decompression.
    template <typename Write>
    Inflated Run(Write&& write) {
        thread_ = std::thread([this] { Produce(); });
        for (std::uint64_t n = 0;; ++n) {
            Buffer* buffer;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [&] { return produced_ > n || finished_; });
                if (produced_ <= n) return outcome_;
                buffer = &buffers_[n % kBuffers];
            }
            const bool more = write(buffer->data.get(), buffer->size);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                released_ = n + 1;
            }
            changed_.notify_all();
            if (!more) return Inflated::Stopped;
        }
    }

private:
    static constexpr std::size_t kBuffers = 3;
    struct Buffer {
        std::unique_ptr<char[]> data;
        std::size_t size = 0;
    };

    // Waits for buffer n's slot to be free; false on a stop.
    bool Slot(std::uint64_t n) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return stop_ || n - released_ < kBuffers; });
        return !stop_;
    }

    void Publish(std::uint64_t n) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            produced_ = n + 1;
        }
        changed_.notify_all();
    }

    void Finish(Inflated outcome) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
            outcome_ = outcome;
        }
        changed_.notify_all();
    }

    void Produce() { Finish(Inflate()); }

    Inflated Inflate() {
        std::unique_ptr<std::uint8_t[]> input(new std::uint8_t[kInputPiece]);
        auto state = std::make_unique<inflate_state>();
        isal_inflate_init(state.get());
        state->crc_flag = ISAL_GZIP;
        state->avail_in = 0;
        bool atEnd = false;           // the whole input has been read
        bool betweenMembers = false;  // a member has ended; only another or zeros may follow
        std::int64_t total = 0;
        std::uint64_t n = 0;
        if (!Slot(n)) return Inflated::Stopped;
        Buffer* out = &buffers_[0];
        out->size = 0;
        for (;;) {
            if (state->avail_in == 0 && !atEnd) {
                const std::optional<std::size_t> got =
                    ReadSome(in_, reinterpret_cast<char*>(input.get()), kInputPiece);
                if (!got) return Inflated::Corrupt;
                if (*got == 0) {
                    atEnd = true;
                } else {
                    state->next_in = input.get();
                    state->avail_in = static_cast<std::uint32_t>(*got);
                }
            }
            if (betweenMembers) {
                if (state->avail_in == 0) {
                    if (atEnd) break;
                    continue;
                }
                if (state->next_in[0] == 0) {
                    // Zeros that pad the end of a file are no member.
                    ++state->next_in;
                    --state->avail_in;
                    continue;
                }
                std::uint8_t* next = state->next_in;
                const std::uint32_t avail = state->avail_in;
                isal_inflate_reset(state.get());
                state->crc_flag = ISAL_GZIP;
                state->next_in = next;
                state->avail_in = avail;
                betweenMembers = false;
            }
            const std::uint32_t inBefore = state->avail_in;
            state->next_out = reinterpret_cast<std::uint8_t*>(out->data.get()) + out->size;
            state->avail_out = static_cast<std::uint32_t>(kOutputBuffer - out->size);
            const std::uint32_t outBefore = state->avail_out;
            const int result = isal_inflate(state.get());
            if (result < 0) return Inflated::Corrupt;
            const std::size_t made = outBefore - state->avail_out;
            out->size += made;
            total += static_cast<std::int64_t>(made);
            if (total > limit_) return Inflated::TooLarge;
            const bool finished = state->block_state == ISAL_BLOCK_FINISH;
            if (out->size == kOutputBuffer || (finished && atEnd && state->avail_in == 0)) {
                if (out->size > 0) {
                    Publish(n);
                    ++n;
                    if (!Slot(n)) return Inflated::Stopped;
                    out = &buffers_[n % kBuffers];
                    out->size = 0;
                }
            }
            if (finished) {
                betweenMembers = true;
                continue;
            }
            // Nothing more to read, nothing taken, nothing made: the stream stops short.
            if (atEnd && state->avail_in == 0 && made == 0 && inBefore == 0)
                return Inflated::Corrupt;
        }
        if (out->size > 0) Publish(n);
        return Inflated::Done;
    }

    const FileDescriptor& in_;
    const std::int64_t limit_;
    std::array<Buffer, kBuffers> buffers_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t produced_ = 0;  // guarded by mutex_
    std::uint64_t released_ = 0;  // guarded by mutex_
    bool finished_ = false;       // guarded by mutex_
    bool stop_ = false;           // guarded by mutex_
    Inflated outcome_ = Inflated::Done;
    std::thread thread_;
};

// FNV-1a: a short, stable name for the compressed file's path.
std::uint64_t PathHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

GzipCopy Failed(std::string_view message, const std::string& path) {
    GzipCopy copy;
    copy.error = std::string(message) + FileNameForMessage(path);
    return copy;
}

}  // namespace

GzipCopy DecompressedCopy(const std::string& gzPath, const FileStatus& status, std::int64_t limit) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(gzPath, error);
    const std::string key = error ? gzPath : absolute.lexically_normal().string();
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%016llx-",
                  static_cast<unsigned long long>(PathHash(key)));
    const std::string directory = GzipCacheDirectory();
    const std::string name = prefix + std::to_string(status.stamp.device) + "-" +
                             std::to_string(status.stamp.inode) + "-" +
                             std::to_string(status.stamp.size) + "-" +
                             std::to_string(status.stamp.modifiedNs) + ".log";
    GzipCopy copy;
    copy.path = directory + name;
    if (const std::optional<FileStatus> made = StatusOfPath(copy.path); made && made->regular)
        return copy;

    std::filesystem::create_directories(directory, error);
    const FileDescriptor in = OpenSharedForReading(gzPath);
    if (!in) return Failed(gbk::kMsgOpenFailed, gzPath);
    std::string temporary = copy.path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Failed(gbk::kMsgGzipCacheFailed, copy.path);
    const FileDescriptor out(fd);
    bool written = true;
    Inflater inflater(in, limit);
    const Inflated outcome = inflater.Run([&](const char* data, std::size_t size) {
        written = WriteAll(out, data, size) == 0;
        return written;
    });
    if (outcome != Inflated::Done || !written) {
        ::unlink(temporary.c_str());
        if (!written) return Failed(gbk::kMsgGzipCacheFailed, copy.path);
        return Failed(outcome == Inflated::TooLarge ? gbk::kMsgGzipTooLarge : gbk::kMsgGzipCorrupt,
                      gzPath);
    }
    if (::rename(temporary.c_str(), copy.path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return Failed(gbk::kMsgGzipCacheFailed, copy.path);
    }
    // Copies of the file as it was before are of no more use.
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        const std::string other = entry.path().filename().string();
        if (other != name && other.rfind(prefix, 0) == 0 &&
            other.find(".log.") == std::string::npos)
            std::filesystem::remove(entry.path(), error);
    }
    return copy;
}

}  // namespace corvane
