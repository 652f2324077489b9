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

GzipCopy DecompressedCopy(const std::string& gzPath, const FileStatus& status, std::int64_t limit,
                          const StopToken& stop) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(gzPath, error);
    const std::string key = error ? gzPath : absolute.lexically_normal().string();
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%016llx-",
                  static_cast<unsigned long long>(StableTextHash(key)));
    const std::string directory = GzipCacheDirectory();
    const std::string name = prefix + std::to_string(status.stamp.device) + "-" +
                             std::to_string(status.stamp.inode) + "-" +
                             std::to_string(status.stamp.size) + "-" +
                             std::to_string(status.stamp.modifiedNs) + ".log";
    GzipCopy copy;
    copy.path = directory + name;
    if (!PrivateDirectoryReady(directory)) return Failed(gbk::kMsgGzipCacheFailed, copy.path);
    if (FileDescriptor made = OpenOwnFile(copy.path)) {
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
    PruneCacheDirectory(directory, name, prefix, ".log", kGzipCopyKeepSeconds);
    return copy;
}

}  // namespace corvane
