#include "scan/GzipCopy.h"

#include <fcntl.h>
#include <isa-l/igzip_lib.h>
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
#include "base/UserDirs.h"
#include "catalog/GbkText.h"
#include "scan/FileNameText.h"
#include "scan/GzipStream.h"

namespace corvane {

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
        return written && !stop.stop_requested();
    });
    if (outcome != Inflated::Done || !written) {
        ::unlink(temporary.c_str());
        if (written && outcome == Inflated::Stopped) return GzipCopy();
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
