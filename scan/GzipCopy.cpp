#include "scan/GzipCopy.h"

#include <fcntl.h>
#include <isa-l/igzip_lib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "base/AsciiCase.h"
#include "base/UserDirs.h"
#include "catalog/GbkText.h"
#include "scan/FileNameText.h"
#include "scan/GzipStream.h"

namespace corvane {

CompressedLines ForEachCompressedBlock(const FileDescriptor& in,
                                       const std::function<bool(const Block&)>& onBlock,
                                       const std::function<void(std::int64_t)>& onBytes) {
    GzipLines lines;
    Block block;
    std::int64_t done = 0;
    bool stopped = false;
    bool tooLong = false;
    Inflater inflater(in, kMaxDecompressedBytes);
    const Inflated outcome = inflater.Run([&](const char* data, std::size_t size) {
        done += static_cast<std::int64_t>(size);
        if (lines.Add(data, size, block)) {
            if (!onBlock(block)) {
                stopped = true;
                return false;
            }
            lines.Done();
        }
        // A line that long is no log line: memory stays bounded as for any stream.
        if (lines.Rest() > kMaxCompressedLine) {
            tooLong = true;
            return false;
        }
        if (onBytes) onBytes(done);
        return true;
    });
    if (stopped) return CompressedLines::Stopped;
    if (outcome != Inflated::Done || tooLong)
        return outcome == Inflated::Corrupt ? CompressedLines::Corrupt : CompressedLines::TooLarge;
    if (lines.Last(block) && !onBlock(block)) return CompressedLines::Stopped;
    return CompressedLines::Done;
}

std::string CompressedLogFailure(CompressedLines end, const std::string& path) {
    return std::string(end == CompressedLines::Corrupt ? gbk::kMsgGzipCorrupt
                                                       : gbk::kMsgGzipTooLarge) +
           FileNameForMessage(path);
}

bool IsCompressedLog(std::string_view path) {
    constexpr std::string_view kExt = ".gz";
    return path.size() >= kExt.size() &&
           EqualsIgnoringAsciiCase(path.substr(path.size() - kExt.size()), kExt);
}

std::string GzipCacheDirectory() {
    return UserBaseDirectory("XDG_CACHE_HOME", ".cache") + "/corvane/gz/";
}

namespace {

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

GzipCopy DecompressedCopyOf(const std::string& gzPath, const StopToken& stop) {
    const std::optional<FileStatus> status = StatusOfPath(gzPath);
    if (!status || !status->regular) return Failed(gbk::kMsgOpenFailed, gzPath);
    return DecompressedCopy(gzPath, *status, kMaxDecompressedBytes, stop);
}

namespace {

// The cache directory, made when missing, only when it is this user's own and nobody
// else may put names into it.
bool CacheDirectoryReady(const std::string& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    ::chmod(directory.c_str(), 0700);  // best effort: the check below decides
    struct stat st {};
    return ::lstat(directory.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 022) == 0;
}

// The copy under `path` when it is one this user made: a regular file under the name
// itself, this user's, one link, writable by nobody else.
FileDescriptor OpenOwnCopy(const std::string& path) {
    FileDescriptor file = OpenRegularNoFollow(path);
    struct stat st {};
    if (!file || ::fstat(file.Get(), &st) != 0 || st.st_uid != ::geteuid() || st.st_nlink != 1 ||
        (st.st_mode & 022) != 0)
        return {};
    return file;
}

// After a new copy `name`: copies of earlier states of the same file (`prefix`), and
// whatever has not been used for kGzipCopyKeepSeconds (leftovers of broken runs
// included), go.  Names are removed, never followed.
void PruneCache(const std::string& directory, const std::string& name, const std::string& prefix) {
    const std::int64_t now = static_cast<std::int64_t>(::time(nullptr));
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        const std::string other = entry.path().filename().string();
        if (other == name) continue;
        struct stat st {};
        if (::lstat(entry.path().c_str(), &st) != 0 || S_ISDIR(st.st_mode)) continue;
        const bool unused = now - static_cast<std::int64_t>(st.st_mtime) > kGzipCopyKeepSeconds;
        // A name with ".log." is another process's copy still being written.
        const bool earlierState =
            other.rfind(prefix, 0) == 0 && other.find(".log.") == std::string::npos;
        if (unused || earlierState) ::unlink(entry.path().c_str());
    }
}

}  // namespace

GzipCopy DecompressedCopy(const std::string& gzPath, const FileStatus& status, std::int64_t limit,
                          const StopToken& stop) {
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
    if (!CacheDirectoryReady(directory)) return Failed(gbk::kMsgGzipCacheFailed, copy.path);
    if (FileDescriptor made = OpenOwnCopy(copy.path)) {
        ::futimens(made.Get(), nullptr);  // used now: kept another while
        copy.file = std::move(made);
        return copy;
    }

    const FileDescriptor in = OpenSharedForReading(gzPath);
    if (!in) return Failed(gbk::kMsgOpenFailed, gzPath);
    ExclusiveFile out = CreateExclusive(copy.path, ".part", 0600);
    if (!out) return Failed(gbk::kMsgGzipCacheFailed, copy.path);
    bool written = true;
    Inflater inflater(in, limit);
    const Inflated outcome = inflater.Run([&](const char* data, std::size_t size) {
        written = WriteAll(out.File(), data, size) == 0;
        return written && !stop.stop_requested();
    });
    if (outcome != Inflated::Done || !written) {
        out.Discard();
        if (written && outcome == Inflated::Stopped) return GzipCopy();
        if (!written) return Failed(gbk::kMsgGzipCacheFailed, copy.path);
        return Failed(outcome == Inflated::TooLarge ? gbk::kMsgGzipTooLarge : gbk::kMsgGzipCorrupt,
                      gzPath);
    }
    // The rename replaces whatever stood under the copy's name, a link included.
    if (::rename(out.Path().c_str(), copy.path.c_str()) != 0) {
        out.Discard();
        return Failed(gbk::kMsgGzipCacheFailed, copy.path);
    }
    out.Keep();
    copy.file = std::move(out.File());
    PruneCache(directory, name, prefix);
    return copy;
}

}  // namespace corvane
