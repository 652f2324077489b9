#include "history/HistoryFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>

#include "base/FileAccess.h"
#include "catalog/DirectoryLock.h"

namespace corvane {

namespace {

std::string TimeSuffix() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

FileStart StartOf(const std::string& path) {
    static constexpr char kHeader[] = "SQLite format 3";  // with its zero byte: 16 bytes
    const FileDescriptor file = OpenForReading(path);
    if (!file) return file.OpenError() == ENOENT ? FileStart::Missing : FileStart::Unreadable;
    char start[sizeof kHeader] = {};
    const std::optional<std::size_t> got = ReadFull(file, start, sizeof start);
    if (!got) return FileStart::Unreadable;  // a directory, for one
    if (*got == 0) return FileStart::Empty;
    return *got == sizeof start && std::memcmp(start, kHeader, sizeof start) == 0
               ? FileStart::Database
               : FileStart::Other;
}

bool ReadWithoutIndex(const std::string& path) {
    struct stat st {};
    if (Exists(path + "-shm")) return false;
    if (::stat((path + "-wal").c_str(), &st) == 0 && st.st_size > 0) return false;
    std::string directory = std::filesystem::path(path).parent_path().string();
    if (directory.empty()) directory = ".";
    return ::access(path.c_str(), W_OK) != 0 || ::access(directory.c_str(), W_OK) != 0;
}

std::string MoveAside(const std::string& path, const struct stat& seen) {
    // Without the lock (a directory that cannot be opened) the move is still tried.
    DirectoryLock lock(std::filesystem::path(path).parent_path().string());
    lock.Wait();
    std::string target;
    struct stat now {};
    if (::stat(path.c_str(), &now) == 0 && now.st_dev == seen.st_dev && now.st_ino == seen.st_ino) {
        const std::string base = path + ".corrupt-" + TimeSuffix();
        target = base;
        for (int n = 2; Exists(target); ++n) target = base + "-" + std::to_string(n);
        if (::rename(path.c_str(), target.c_str()) != 0) {
            target.clear();
        } else {
            for (const char* journal : {"-wal", "-shm", "-journal"}) {
                if (Exists(path + journal))
                    ::rename((path + journal).c_str(), (target + journal).c_str());
            }
        }
    }
    return target;  // the lock goes with `lock`
}

}  // namespace corvane
