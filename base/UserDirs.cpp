#include "base/UserDirs.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace corvane {

std::string UserBaseDirectory(const char* variable, const char* underHome) {
    const char* set = std::getenv(variable);
    if (set != nullptr && set[0] == '/') return set;
    const char* home = std::getenv("HOME");
    std::string homeDir = home != nullptr ? home : "";
    if (homeDir.empty()) {
        if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
            homeDir = user->pw_dir;
    }
    return homeDir + "/" + underHome;
}

bool PrivateDirectoryReady(const std::string& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    ::chmod(directory.c_str(), 0700);  // best effort: the check below decides
    struct stat st {};
    return ::lstat(directory.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 022) == 0;
}

FileDescriptor OpenOwnFile(const std::string& path) {
    FileDescriptor file = OpenRegularNoFollow(path);
    struct stat st {};
    if (!file || ::fstat(file.Get(), &st) != 0 || st.st_uid != ::geteuid() || st.st_nlink != 1 ||
        (st.st_mode & 022) != 0)
        return {};
    return file;
}

void PruneCacheDirectory(const std::string& directory, const std::string& name,
                         std::string_view prefix, std::string_view suffix,
                         std::int64_t keepSeconds) {
    const std::int64_t now = static_cast<std::int64_t>(::time(nullptr));
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        const std::string other = entry.path().filename().string();
        if (other == name) continue;
        struct stat st {};
        if (::lstat(entry.path().c_str(), &st) != 0 || S_ISDIR(st.st_mode)) continue;
        const bool unused = now - static_cast<std::int64_t>(st.st_mtime) > keepSeconds;
        const bool earlierState = other.starts_with(prefix) && other.ends_with(suffix);
        if (unused || earlierState) ::unlink(entry.path().c_str());
    }
}

std::uint64_t StableTextHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

}  // namespace corvane
